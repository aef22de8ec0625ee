// Reading and writing the preferences, and the session's device paths.

#include "PolozenieOkna.h"
#include "Schematy.h"
#include "TForm1.h"
#include "TObd.h"
#include "TSterownik.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>

namespace {

constexpr int OgraniczWidok(int zapisany) {
    return zapisany >= 0 && zapisany <= 2 ? zapisany : 1;
}

} // namespace

void TForm1::CzytajUstawienia() {
    preferencje = CzytajPreferencje(ustawienia);
    if (!preferencje.Zrodlo.isEmpty()) {
        ustawienia.beginGroup(preferencje.Zrodlo);
        mapaPortow.CzytajPreferencje(ustawienia);
        ustawienia.endGroup();
    }
    sterownik->NumerPortu = preferencje.Comm;
    obd->NumerPortu = preferencje.ElmComm;
    // Paths given for this session take the place of the stored ports, never their record.
    if (!opcje.PortSterownika.isEmpty()) {
        mapaPortow.UstawPrzypisanie(PortSesjiSterownika, opcje.PortSterownika);
        sterownik->NumerPortu = PortSesjiSterownika;
    }
    if (!opcje.PortElm.isEmpty()) {
        mapaPortow.UstawPrzypisanie(PortSesjiElm, opcje.PortElm);
        obd->NumerPortu = PortSesjiElm;
    }

    // Trace 0 of the catalogue is the empty row; the stored colours are of traces 1..36.
    for (std::size_t i = 0; i < preferencje.Kolory.size() && i + 1 < sterownik->Wykresy.size(); ++i)
        if (const auto k = preferencje.Kolory[i]) sterownik->Wykresy[i + 1].Kolor = TKolor{*k};

    UstawPolozenie();

    Schemat = Schematy::Ogranicz(preferencje.Comp);
    teksty.UstawJezyk(preferencje.Lang);
    Widok = OgraniczWidok(preferencje.View);
    Akcja(QStringLiteral("MenuColor%1").arg(Schemat))->setChecked(true);
    Akcja(QStringLiteral("MenuLang%1").arg(teksty.Jezyk()))->setChecked(true);
    Akcja(QStringLiteral("MenuView%1").arg(Widok))->setChecked(true);
}

void TForm1::UstawPolozenie() {
    QList<QRect> ekrany;
    for (const QScreen* ekran : QGuiApplication::screens())
        ekrany.append(ekran->availableGeometry());
    const QScreen* glowny = QGuiApplication::primaryScreen();
    const std::optional<QRect> zapisane =
        preferencje.OknoZapisane ? std::optional<QRect>(preferencje.Okno) : std::nullopt;
    const QRect okno =
        PolozenieOkna(zapisane, ekrany,
                      glowny ? glowny->availableGeometry() : QRect(0, 0, 800, 600), minimumSize());
    move(okno.topLeft());
    resize(okno.size());
    if (preferencje.Zrodlo.isEmpty()) return;
    if (preferencje.WState == 2) setWindowState(Qt::WindowMaximized);
    if (preferencje.WState == 1) setWindowState(Qt::WindowMinimized);
}

void TForm1::ZapiszUstawienia() {
    TPreferencje p = preferencje;
    if (opcje.PortSterownika.isEmpty()) p.Comm = sterownik->NumerPortu;
    if (opcje.PortElm.isEmpty()) p.ElmComm = obd->NumerPortu;
    p.Comp = Schemat;
    p.Lang = teksty.Jezyk();
    p.View = Widok;
    p.WState = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    const bool normalne = !isMaximized() && !isMinimized();
    if (normalne) p.Okno = QRect(pos(), size());
    for (std::size_t i = 0; i < p.Kolory.size() && i + 1 < sterownik->Wykresy.size(); ++i)
        p.Kolory[i] = sterownik->Wykresy[i + 1].Kolor.rgb;
    ZapiszPreferencje(ustawienia, p, normalne);
}
