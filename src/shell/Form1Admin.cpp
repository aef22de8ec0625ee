// The developer mode: its key, the Adm menu, the transmission log and the settings header.

#include "DemoMapy.h"
#include "FormAdmin.h"
#include "NaglowekNastaw.h"
#include "TForm1.h"
#include "TGrafika.h"
#include "TObd.h"
#include "TSterownik.h"
#include "ZapisPliku.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace {

// Where the firmware project keeps its default-settings header on a developer's machine.
const char* const FolderFirmware = "C:/Selvar2/Firmware";

QAction* Pozycja(QMenu* menu, const QString& nazwa, const QString& napis, bool zaznaczana = false) {
    QAction* a = menu->addAction(napis);
    a->setObjectName(nazwa);
    a->setCheckable(zaznaczana);
    return a;
}

} // namespace

void TForm1::ZbudujMenuAdmin() {
    menuAdmin = menuBar()->addMenu(QStringLiteral("Adm"));
    menuAdmin->setObjectName(QStringLiteral("MenuAdmin"));
    menuAdmin->menuAction()->setObjectName(QStringLiteral("MenuAdmin"));
    menuAdmin->menuAction()->setVisible(false);
    connect(Pozycja(menuAdmin, QStringLiteral("MenuA0"), QStringLiteral("Transmisja"), true),
            &QAction::toggled, this, [this](bool w) { Transmisja(w); });
    connect(
        Pozycja(menuAdmin, QStringLiteral("MenuA00"), QStringLiteral("    Param. bieżące"), true),
        &QAction::toggled, this, [this](bool w) { sterownik->LogParam = w; });
    connect(Pozycja(menuAdmin, QStringLiteral("MenuA01"), QStringLiteral("    Moduł OBD"), true),
            &QAction::toggled, this, [this](bool w) { sterownik->LogObd = w; });
    menuAdmin->addSeparator();
    const QList<QSize> rozmiary = {{640, 480},  {800, 600},  {1200, 900},
                                   {1200, 675}, {1200, 575}, {1366, 768}};
    for (int i = 0; i < rozmiary.size(); ++i) {
        const QSize r = rozmiary[i];
        const QString napis = QStringLiteral("%1x%2").arg(r.width()).arg(r.height());
        connect(Pozycja(menuAdmin, QStringLiteral("MenuA1%1").arg(i), napis), &QAction::triggered,
                this, [this, r] {
                    // The sizes are the outer size of the window, frame included.
                    const QSize ramka = frameGeometry().size() - size();
                    resize(r - ramka);
                });
    }
    menuAdmin->addSeparator();
    connect(Pozycja(menuAdmin, QStringLiteral("MenuA2"), QStringLiteral("Demo wolnossące")),
            &QAction::triggered, this, [this] {
                DemoWolnossace(*sterownik);
                grafika->Odswiez();
            });
    connect(Pozycja(menuAdmin, QStringLiteral("MenuA3"), QStringLiteral("Demo turbo")),
            &QAction::triggered, this, [this] {
                DemoTurbo(*sterownik);
                grafika->Odswiez();
            });
    connect(Pozycja(menuAdmin, QStringLiteral("MenuA5"), QStringLiteral("Nastawy")),
            &QAction::triggered, this, [this] { Naglowek(); });
    connect(Pozycja(menuAdmin, QStringLiteral("MenuA7"), QStringLiteral("Kasowanie Historii")),
            &QAction::triggered, this, [this] { sterownik->HistoriaZmianKasuj(); });
}

void TForm1::PrzelaczTrybSerwisowy() {
    TrybSerwisowy ^= 2;
    const bool odblokowany = TrybSerwisowy == 3;
    menuAdmin->menuAction()->setVisible(odblokowany);
    sterownik->PokazSerwisowe = odblokowany;
    ZastosujWidok();
    ZastosujNapisy();
    WybierzZakladke(-1);
}

void TForm1::Transmisja(bool wlaczona) {
    if (wlaczona)
        formAdmin->Pokaz(this);
    else
        formAdmin->close();
    UstawLogowanie();
}

void TForm1::UstawLogowanie() {
    const bool loguj = slad.isOpen() || Akcja(QStringLiteral("MenuA0"))->isChecked();
    auto linia = [this](TSerial* nadawca, const QString& tekst, TKolor kolor) {
        Loguj(nadawca, tekst, kolor);
    };
    sterownik->OnTekst = loguj ? TSterownik::TOnTekst(linia) : nullptr;
    obd->OnTekst = loguj ? TObd::TOnTekst(linia) : nullptr;
}

void TForm1::Loguj(TSerial*, const QString& tekst, TKolor kolor) {
    if (slad.isOpen()) {
        slad.write(tekst.toUtf8());
        slad.write("\n");
        slad.flush();
    }
    if (Akcja(QStringLiteral("MenuA0"))->isChecked()) formAdmin->DodajLinie(tekst, kolor);
}

void TForm1::Naglowek() {
    formAdmin->Pokaz(this);
    formAdmin->Wyczysc();
    const QStringList linie = NaglowekNastaw(*sterownik);
    for (const QString& l : linie)
        formAdmin->DodajLinie(l, TKolor{0x000000});
    const QDir folder(QString::fromLatin1(FolderFirmware));
    if (!folder.exists()) return;
    const QByteArray tekst = (linie.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (!ZapiszCalyPlik(folder.filePath(QStringLiteral("komputer_set.h")), tekst))
        komunikaty.KomunikatTekst(QStringLiteral("Error code 121"), TKomunikaty::Blad);
}
