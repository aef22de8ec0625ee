// The map view's grids: the maps and the tables the installer edits, with their axes.

#include "Bloki.h"
#include "Paleta.h"
#include "TGrafika.h"
#include "TSiatkaMapy.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cstring>

TWidokSiatek TGrafika::WidokSiatek() const {
    return {TrybMapy, Mapa, BankSiatek(s, WyborBankuKorekt)};
}

void TGrafika::UtworzSiatki() {
    if (siatkaA) return;
    QWidget* rodzic = parentWidget();
    siatkaA = new TSiatkaMapy(rodzic);
    siatkaA->setObjectName(QStringLiteral("SiatkaA"));
    siatkaA->setFocusPolicy(Qt::NoFocus);
    siatkaB = new TSiatkaMapy(rodzic);
    siatkaB->setObjectName(QStringLiteral("SiatkaB"));
    siatkaB->setFocusPolicy(Qt::StrongFocus);
    for (TSiatkaMapy* g : {siatkaA, siatkaB}) {
        const bool b = g == siatkaB;
        g->Tekst = [this, b](int k, int w) { return TekstSiatki(s, WidokSiatek(), b, k, w); };
        g->Kolory = [this, b](int k, int w) {
            return KoloryKomorkiSiatki(s, WidokSiatek(), b, k, w);
        };
    }
    siatkaB->OnKlawisz = [this](QKeyEvent* z) { return KlawiszSiatkiB(z); };
    siatkaB->OnKlik = [this](int k, int w) { KlikSiatkiB(k, w); };
    // The block the keys will change is framed where the installer works, and mirrored in
    // grid A while both share the load axis (setting 76 at 0).
    siatkaB->Ramka = [this] { return siatkaB->hasFocus() ? siatkaB->Zaznaczenie : QRect(); };
    siatkaA->Ramka = [this] {
        return siatkaB->hasFocus() && s.Nastawy[76] == 0 ? siatkaB->Zaznaczenie : QRect();
    };
    siatkaB->OnZaznaczenie = [this] { siatkaA->update(); };
    siatkaB->OnFokus = [this] {
        siatkaA->update();
        siatkaB->update();
    };
}

void TGrafika::PrzebudujSiatki() {
    UtworzSiatki();
    const TUkladSiatek u = UkladSiatek(size(), TrybMapy, Poziom);
    const TWidokSiatek v = WidokSiatek();
    for (TSiatkaMapy* g : {siatkaA, siatkaB}) {
        const QRect miejsce = (g == siatkaA ? u.A : u.B).translated(pos());
        g->Rozmiesc(miejsce, u.C, u.E, TekstSiatki(s, v, true, 0, 0));
    }
    siatkaA->setVisible(u.PokazA && isVisible());
    siatkaB->setVisible(isVisible());
    siatkaA->raise();
    siatkaB->raise();
}

void TGrafika::NapisySiatek(QPainter& p) {
    if (Poziom == 0 || (TrybMapy != 1 && TrybMapy != 5)) return;
    const auto T = [this](int id) { return s.Teksty ? s.Teksty->PodajTekst(id) : QString(); };
    QFont f = font();
    f.setPointSize(8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(paleta ? paleta->KolorTekstu : QColor(Qt::black));
    const auto wysrodkuj = [&](int y, const QString& t) {
        p.drawText((width() - p.fontMetrics().horizontalAdvance(t)) / 2,
                   y + p.fontMetrics().ascent(), t);
    };
    wysrodkuj(2, T((TrybMapy == 1 ? 1712 : 1715) + std::clamp(Mapa, 0, 2)));
    QString b = T(1718) + QLatin1Char(' ') + T(1057);
    if (s.PlytkaV3 && (WyborBankuKorekt == 1 || WyborBankuKorekt == 2)) {
        b += QStringLiteral("  ") + T(1720) + QStringLiteral(" %1 ( ").arg(WyborBankuKorekt);
        for (int n = 1; n <= s.LiczbaWtryskiwaczy; ++n)
            if (bool(s.Nastawy[30] & (1 << (n - 1))) == (WyborBankuKorekt == 2))
                b += QStringLiteral("%1 ").arg(n);
        b += QLatin1Char(')');
    }
    wysrodkuj(height() / 2 + 7, b);
    if (Mapa != 2) return;
    // The deviation legend under grid A.
    f.setBold(false);
    p.setFont(f);
    const TUkladSiatek u = UkladSiatek(size(), TrybMapy, Poziom);
    const int y = u.A.bottom() + 6;
    int x = 7;
    const auto pozycja = [&](const QString& t, const QColor& tloPozycji, const QColor& kolor,
                             int odstep) {
        const int w = p.fontMetrics().horizontalAdvance(t);
        if (tloPozycji.isValid()) p.fillRect(x, y, w, p.fontMetrics().height(), tloPozycji);
        p.setPen(kolor);
        p.drawText(x, y + p.fontMetrics().ascent(), t);
        x += w + odstep;
    };
    const QString odstep(4, QLatin1Char(' '));
    pozycja(odstep + T(1244) + odstep, QColor(255, 190, 190), Qt::black, 6);
    pozycja(odstep + T(1249) + odstep, QColor(190, 255, 190), Qt::black, 6);
    pozycja(odstep + T(1244) + QStringLiteral(" & ") + T(1249) + odstep, QColor(255, 255, 210),
            Qt::black, 0);
    // On the cells' own background, so that the two colours read on a dark scheme too.
    pozycja(QStringLiteral(" - ") + T(1710) + odstep, QColor(255, 255, 210), QColor(0, 0, 236), 0);
    pozycja(QStringLiteral("+ ") + T(1711) + odstep, QColor(255, 255, 210), QColor(176, 0, 0), 0);
}

void TGrafika::UkryjSiatki() {
    for (TSiatkaMapy* g : {siatkaA, siatkaB})
        if (g) {
            g->hide();
            g->Zywa = {-1, -1};
        }
}

void TGrafika::ZywaKomorka(const unsigned char* ramka) {
    if (!siatkaA) return;
    const int r = std::min<int>(ramka[15], 15), l = std::min<int>(ramka[16], 15);
    const bool czasem = (TrybMapy == 1 || TrybMapy == 5) && s.Nastawy[76] == 1;
    const QPoint a(r + 1, 16 - l), b(r + 1, 16 - (czasem ? std::min(ramka[19] / 16, 15) : l));
    if (siatkaA->Zywa != a) {
        siatkaA->Zywa = a;
        siatkaA->update();
    }
    if (siatkaB->Zywa != b) {
        siatkaB->Zywa = b;
        siatkaB->update();
    }
}

// The RPM corrections of bank 1 are copied into bank 2 while both banks are edited alike.
void TGrafika::ZapiszSiatkeB() {
    const TTablicaB t = TablicaB(s, WidokSiatek());
    s.ZapiszDoSterownika(t.blok);
    if (t.dane == s.KorOdObr1 && s.PlytkaV3 && WyborBankuKorekt == 0) {
        std::memcpy(s.KorOdObr2, s.KorOdObr1, sizeof s.KorOdObr1);
        s.ZapiszDoSterownika(Bloki::KorOdObr1 | Bloki::KorOdObr2);
    }
    siatkaB->update();
    siatkaA->update();
}

bool TGrafika::KlawiszSiatkiB(QKeyEvent* z) {
    if (z->modifiers() & Qt::ShiftModifier) zegar.start(100);
    const bool ctrl = z->modifiers() & Qt::ControlModifier, alt = z->modifiers() & Qt::AltModifier;
    const int zmiana = z->key() == Qt::Key_Up ? 1 : z->key() == Qt::Key_Down ? -1 : 0;
    if (zmiana == 0 || (!ctrl && !alt)) return false;
    const TTablicaB t = TablicaB(s, WidokSiatek());
    bool zmieniony = false;
    if (alt) {
        zmieniony = ZmienWszystko(t, zmiana);
    } else {
        int& licznik = zmiana > 0 ? liczbaWGore : liczbaWDol;
        (zmiana > 0 ? liczbaWDol : liczbaWGore) = 0;
        ++licznik;
        const QRect z2 = siatkaB->Zaznaczenie;
        // Grid rows count down from the top load: rows top..bottom are loads 16-top..16-bottom.
        const QRect blok(QPoint(z2.left() - 1, 16 - z2.bottom()),
                         QPoint(z2.right() - 1, 16 - z2.top()));
        const bool pierscienie = Sasiednie && (TrybMapy == 1 || TrybMapy == 5);
        zmieniony = ZmienBlok(t, blok, zmiana, licznik, pierscienie);
    }
    if (zmieniony) ZapiszSiatkeB();
    return true;
}

void TGrafika::KlawiszZywej(int klawisz) {
    if (!siatkaB || siatkaB->Zywa.x() < 1) return;
    const int zmiana = klawisz == Qt::Key_Plus ? 1 : klawisz == Qt::Key_Minus ? -1 : 0;
    if (zmiana == 0) return;
    const QRect zywa(siatkaB->Zywa.x() - 1, 16 - siatkaB->Zywa.y(), 1, 1);
    if (ZmienBlok(TablicaB(s, WidokSiatek()), zywa, zmiana, 1, false)) ZapiszSiatkeB();
}

void TGrafika::ZaparkujUchwyt() {
    naglowek = {-1, -1};
    if (!uchwytFokusu) return;
    uchwytFokusu->setFrame(true);
    uchwytFokusu->setGeometry(-2, -2, 1, uchwytFokusu->height());
}

void TGrafika::KlikSiatkiB(int k, int w) {
    const bool kolumna = w == 0 && k >= 1;
    const bool wiersz = k == 0 && w >= 1 && s.Nastawy[76] == 0;
    if (!uchwytFokusu || (!kolumna && !wiersz)) return ZaparkujUchwyt();
    naglowek = {k, w};
    const QRect r = siatkaB->ProstokatKomorki(k, w).translated(siatkaB->pos());
    // The cells' own font size, which the layout fits to "5000".
    const TUkladSiatek u = UkladSiatek(size(), TrybMapy, Poziom);
    QFont f = siatkaB->font();
    f.setPointSize(RozmiarCzcionkiKomorki(f, QStringLiteral("5000"), u.E - 2, u.C - 1));
    uchwytFokusu->setFont(f);
    uchwytFokusu->setFrame(false);
    uchwytFokusu->setGeometry(r);
    uchwytFokusu->setText(siatkaB->Tekst(k, w));
    uchwytFokusu->raise();
    uchwytFokusu->setFocus();
    uchwytFokusu->selectAll();
}

void TGrafika::ZatwierdzNaglowek() {
    const QString tekst = uchwytFokusu->text();
    if (naglowek.y() == 0) {
        if (const auto n = WpisObrotow(tekst))
            s.Nastawy[239 + naglowek.x()] = static_cast<unsigned char>(*n);
    } else {
        const int l = 16 - naglowek.y();
        if (const auto v = WpisObciazenia(tekst, s.Nastawy[4] == 2))
            s.Nastawy[224 + l] = static_cast<unsigned char>(*v);
    }
    s.ZapiszDoSterownika(Bloki::Nastawy);
    ZaparkujUchwyt();
    siatkaA->update();
    siatkaB->update();
    siatkaB->setFocus();
}
