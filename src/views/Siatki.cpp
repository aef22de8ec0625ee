#include "Siatki.h"

#include "Bloki.h"
#include "Liczby.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

const QColor Rozowy(255, 190, 190), Zielony(190, 255, 190), Szary(225, 225, 225),
    Jasny(235, 235, 235), Kremowy(255, 255, 210), Czerwony(176, 0, 0), Niebieski(0, 0, 236),
    Posredni(128, 128, 128);

int Komorka(int r, int l) {
    return 16 * r + l;
}

bool Maf(const TSterownik& s) {
    return s.Nastawy[4] == 2;
}

const unsigned char* MapaA(const TSterownik& s, const TWidokSiatek& w, bool gaz) {
    if (w.tryb == 1) return gaz ? s.MapaEcuGaz : s.MapaEcuBen;
    if (w.bank == 2) return gaz ? s.MapaObdGaz2 : s.MapaObdBen2;
    return gaz ? s.MapaObdGaz1 : s.MapaObdBen1;
}

QString ZeZnakiem(double v, bool plus) {
    return (plus ? QStringLiteral("+") : QString()) + LiczbaWzorca(v, 1);
}

// The OBD deviation: bank 1 where both its maps hold the cell, else bank 2.
QString OdchylkaObd(const TSterownik& s, const TWidokSiatek& w, int k) {
    if (w.bank == 2) return {};
    for (const auto& [ben, gaz] :
         {std::pair{s.MapaObdBen1, s.MapaObdGaz1}, std::pair{s.MapaObdBen2, s.MapaObdGaz2}})
        if (ben[k] && gaz[k]) return ZeZnakiem((ben[k] - gaz[k]) * 0.78125, ben[k] - gaz[k] >= 1);
    return {};
}

} // namespace

TUkladSiatek UkladSiatek(QSize widok, int tryb, int poziom) {
    TUkladSiatek u;
    const int W = widok.width(), H = widok.height();
    const bool dwie = poziom > 0 && (tryb == 1 || tryb == 5);
    const int Z = dwie ? H / 2 - 30 : H - 20;
    u.C = Z / 17;
    u.E = (W - 10) / 17;
    const QSize rozmiar(17 * u.E + 4, 17 * u.C + 4);
    u.PokazA = dwie;
    u.A = QRect(QPoint(5, 16), rozmiar);
    u.B = QRect(QPoint(5, dwie ? H / 2 + 21 : 16), rozmiar);
    return u;
}

int BankSiatek(const TSterownik& s, int wyborBanku) {
    return s.PlytkaV3 && wyborBanku == 2 ? 2 : 1;
}

QString TekstA(const TSterownik& s, const TWidokSiatek& w, int r, int l) {
    const int k = Komorka(r, l);
    const int ben = MapaA(s, w, false)[k], gaz = MapaA(s, w, true)[k];
    if (w.tryb == 5) {
        if (w.mapa == 2) return OdchylkaObd(s, w, k);
        const int c = w.mapa == 0 ? ben : gaz;
        return c ? LiczbaWzorca((c - 128) * 0.78125, 1) : QString();
    }
    if (w.mapa == 2) return ben && gaz ? ZeZnakiem((ben - gaz) * 0.1, ben > gaz) : QString();
    const int t = w.mapa == 0 ? ben : gaz;
    return t ? LiczbaWzorca(t * 0.1, 1) : QString();
}

QString TekstB(const TSterownik& s, const TWidokSiatek& w, int r, int l) {
    const int k = Komorka(r, l);
    switch (w.tryb) {
    case 6:
        return LiczbaWzorca(s.OpoznienieWtr[k] * 0.1, 1);
    case 7:
        return QString::number(s.Wzbogacenie[k] - 128);
    default:
        return QString::number((w.bank == 2 ? s.KorOdObr2 : s.KorOdObr1)[k] - 100);
    }
}

QString NaglowekKolumny(const TSterownik& s, int r) {
    return QString::number(s.Nastawy[240 + r] * 50);
}

QString NaglowekWiersza(const TSterownik& s, const TWidokSiatek& w, int l, bool siatkaB) {
    const bool mapy = w.tryb == 1 || w.tryb == 5;
    if (siatkaB && mapy && s.Nastawy[76] == 1) return LiczbaWzorca((l + 1) * 1.6, 1);
    // A MAF input's axis is in 0.02 V in every table, as the corner's "V/rpm" says.
    const double jednostka = Maf(s) ? 0.02 : 0.01;
    return LiczbaWzorca(s.Nastawy[224 + l] * jednostka, 2);
}

int NaroznikA(const TSterownik& s) {
    return Maf(s) ? -52 : -51;
}

int NaroznikB(const TSterownik& s, const TWidokSiatek& w) {
    if ((w.tryb == 1 || w.tryb == 5) && s.Nastawy[76] == 1) return -50;
    return NaroznikA(s);
}

QColor TloNaglowkaA(const TWidokSiatek& w) {
    return w.mapa == 0 ? Rozowy : w.mapa == 1 ? Zielony : Szary;
}

TKoloryKomorki KoloryA(const TSterownik& s, const TWidokSiatek& w, int r, int l) {
    const int k = Komorka(r, l);
    const int ben = MapaA(s, w, false)[k], gaz = MapaA(s, w, true)[k];
    if (w.mapa == 0) return {ben ? Rozowy : Jasny};
    if (w.mapa == 1) return {gaz ? Zielony : Jasny};
    if (ben && gaz) {
        const int granica = w.tryb == 5 ? 5 : 10;
        const int roznica = ben - gaz;
        return {Kremowy, roznica > granica ? Czerwony : roznica < -granica ? Niebieski : Posredni};
    }
    return {ben ? Rozowy : gaz ? Zielony : Jasny};
}

TKoloryKomorki KoloryB(const TSterownik& s, const TWidokSiatek& w, int r, int l) {
    if (w.tryb == 6 || w.tryb == 7) return {Qt::white};
    const int c = (w.bank == 2 ? s.KorOdObr2 : s.KorOdObr1)[Komorka(r, l)];
    if (c == 100) return {Qt::white};
    const int k = std::min(std::abs(c - 100) + 20, 255);
    return {c > 100 ? QColor(255, 255 - k, 255 - k) : QColor(255 - k, 255 - k, 255)};
}

QString TekstSiatki(const TSterownik& s, const TWidokSiatek& w, bool siatkaB, int k, int wiersz) {
    if (k == 0 && wiersz == 0) {
        const int id = siatkaB ? NaroznikB(s, w) : NaroznikA(s);
        return s.Teksty ? s.Teksty->PodajTekst(id) : QString();
    }
    if (wiersz == 0) return NaglowekKolumny(s, k - 1);
    if (k == 0) return NaglowekWiersza(s, w, 16 - wiersz, siatkaB);
    return siatkaB ? TekstB(s, w, k - 1, 16 - wiersz) : TekstA(s, w, k - 1, 16 - wiersz);
}

TKoloryKomorki KoloryKomorkiSiatki(const TSterownik& s, const TWidokSiatek& w, bool siatkaB, int k,
                                   int wiersz) {
    if (k == 0 && wiersz == 0) return {Szary};
    if (k == 0 || wiersz == 0) return {siatkaB ? Szary : TloNaglowkaA(w)};
    return siatkaB ? KoloryB(s, w, k - 1, 16 - wiersz) : KoloryA(s, w, k - 1, 16 - wiersz);
}

TTablicaB TablicaB(TSterownik& s, const TWidokSiatek& w) {
    switch (w.tryb) {
    case 6:
        return {s.OpoznienieWtr, 0, 255, Bloki::OpoznienieWtr};
    case 7:
        return {s.Wzbogacenie, 0, 255, Bloki::Wzbogacenie};
    default:
        return w.bank == 2 ? TTablicaB{s.KorOdObr2, 50, 150, Bloki::KorOdObr2}
                           : TTablicaB{s.KorOdObr1, 50, 150, Bloki::KorOdObr1};
    }
}

namespace {

bool Zmien(const TTablicaB& t, int k, int zmiana) {
    const int v = t.dane[k] + zmiana;
    if (v < t.min || v > t.max) return false;
    t.dane[k] = static_cast<unsigned char>(v);
    return true;
}

// The larger of the column and the row distance from the block.
int Odleglosc(const QRect& blok, int r, int l) {
    const int dr = r < blok.left() ? blok.left() - r : r > blok.right() ? r - blok.right() : 0;
    const int dl = l < blok.top() ? blok.top() - l : l > blok.bottom() ? l - blok.bottom() : 0;
    return std::max(dr, dl);
}

} // namespace

bool ZmienBlok(const TTablicaB& t, QRect blok, int zmiana, int licznik, bool sasiednie) {
    bool zmieniony = false;
    for (int r = 0; r < 16; ++r)
        for (int l = 0; l < 16; ++l) {
            const int d = Odleglosc(blok, r, l);
            if (d == 0)
                zmieniony |= Zmien(t, Komorka(r, l), zmiana);
            else if (sasiednie && d <= 4 && licznik % (1 << d) == 0)
                zmieniony |= Zmien(t, Komorka(r, l), zmiana);
        }
    return zmieniony;
}

bool ZmienWszystko(const TTablicaB& t, int zmiana) {
    bool zmieniony = false;
    for (int k = 0; k < 256; ++k)
        zmieniony |= Zmien(t, k, zmiana);
    return zmieniony;
}

std::optional<int> WpisObrotow(const QString& tekst) {
    bool ok = false;
    const int n = tekst.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return std::clamp(n, 50, 10000) / 50;
}

std::optional<int> WpisObciazenia(const QString& tekst, bool maf) {
    QString t = tekst.trimmed();
    const qsizetype przecinek = t.indexOf(QLatin1Char(','));
    if (przecinek >= 0) t[przecinek] = QLatin1Char('.');
    bool ok = false;
    double v = QLocale::c().toDouble(t, &ok);
    if (!ok || v == 0) return std::nullopt;
    if (maf) v /= 2;
    v = std::clamp(v, 0.01, 2.55);
    // A hair over, so that 1.25 stored as binary does not truncate to 124.
    return int(std::trunc(v * 100 + 1e-9));
}
