#include "RysowanieScope.h"

#include "Paleta.h"
#include "Pisanie.h"
#include "TSterownik.h"
#include "Teksty.h"
#include "UkladScope.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QString T(const TObrazScope& o, int id) {
    return o.s.Teksty ? o.s.Teksty->PodajTekst(id) : QString();
}

// Columns of the chart, each sample 1/f pixels wide below one sample per pixel.
template <typename F> void ZaKolumnami(int c, double f, F zrob) {
    for (int x = 1; x < c;) {
        zrob(x);
        x = f < 1 ? int(std::trunc(x + 1 / f - 1)) + 1 : x + 1;
    }
}

const TWykres* Slad(const TObrazScope& o, size_t i) {
    return i < o.s.Wykresy.size() ? &o.s.Wykresy[i] : nullptr;
}

int Stan(const TObrazScope& o, int indeks) {
    const TWykres* w = Slad(o, 0);
    return w ? WartoscSladu(*w, ProbkaScope(o, indeks)) : 0;
}

void Tlo(QPainter& p, const TObrazScope& o, int c) {
    const int W = o.rozmiar.width(), H = o.rozmiar.height();
    p.fillRect(QRect(QPoint(0, 0), o.rozmiar), o.paleta.Tlo);
    p.setPen(o.paleta.KolorRamki);
    p.setBrush(o.paleta.TloWykresu);
    p.drawRect(QRect(QPoint(10, 40), QPoint(W - 110, H - 40)));
    p.setBrush(o.paleta.Tlo);
    p.drawRect(QRect(QPoint(10, 8), QPoint(W - 110, 32)));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(o.paleta.KolorSiatki, 1, Qt::DotLine));
    for (int x = 60; x < c; x += 50)
        p.drawLine(x, 40, x, H - 40);
}

void Przeglad(QPainter& p, const TObrazScope& o, int c) {
    const TWykres* stan = Slad(o, 0);
    const TWykres* przebieg = Slad(o, 1);
    if (!stan || !przebieg || c <= 1) return;
    QPoint poprzedni;
    for (int x = 1; x < c; ++x) {
        const int s = int(qint64(o.ileProbek) * x / c);
        const QPoint punkt(x + 10, 30 - WysokoscSladu(*przebieg, ProbkaScope(o, s), 20));
        if (x > 1) {
            p.setPen(
                QPen(DoKoloru(o.s.KolorStanuPracy(static_cast<unsigned short>(Stan(o, s)))), 2));
            p.drawLine(poprzedni, punkt);
        }
        poprzedni = punkt;
    }
}

std::vector<int> SladyOscyloskopu(const TSterownik& s) {
    std::vector<int> indeksy;
    for (int k = 0; k < s.PodajIleParamBiez(Widoki::Oscyloskop); ++k)
        indeksy.push_back(s.PodajPozycje(Widoki::Oscyloskop, k));
    return indeksy;
}

// The trace through the chart: a point per column at or below one sample per pixel,
// else the lowest and highest of the column's samples.
int RysujSlad(QPainter& p, const TObrazScope& o, const TWykres& w, int baza, int u, int c) {
    QPolygon linia;
    linia.reserve(2 * c);
    const auto y = [baza](int wysokosc) { return std::max(baza - wysokosc, 40); };
    ZaKolumnami(c, o.f, [&](int x) {
        if (o.f <= 1) {
            const int s = int(std::trunc(o.f * x + o.poczatek));
            linia << QPoint(x + 10, y(WysokoscSladu(w, ProbkaScope(o, s), u)));
            return;
        }
        int najnizsza = 0, najwyzsza = 0;
        bool pierwsza = true;
        for (int i = int(std::trunc(x * o.f)); i < x * o.f + o.f; ++i) {
            const int h = WysokoscSladu(w, ProbkaScope(o, o.poczatek + i), u);
            najnizsza = pierwsza ? h : std::min(najnizsza, h);
            najwyzsza = pierwsza ? h : std::max(najwyzsza, h);
            pierwsza = false;
        }
        linia << QPoint(x + 10, y(najnizsza)) << QPoint(x + 10, y(najwyzsza));
    });
    // Separate segments: a wide pen strokes a long zig-zag polyline as one path, far slower.
    QVector<QLine> odcinki;
    odcinki.reserve(linia.size());
    for (qsizetype i = 1; i < linia.size(); ++i)
        odcinki.append(QLine(linia[i - 1], linia[i]));
    p.drawLines(odcinki);
    return linia.isEmpty() ? baza : linia.last().y();
}

int YEtykiety(const TObrazScope& o, int indeks, int baza, int ostatnieY) {
    if (o.uklad == 1) return ostatnieY - 8;
    if (o.uklad == 2) return indeks == 3 || indeks == 5 || indeks == 7 ? baza - 32 : baza - 16;
    return baza - 8;
}

std::vector<int> Slady(QPainter& p, const TObrazScope& o, int c) {
    const std::vector<int> indeksy = SladyOscyloskopu(o.s);
    const TPasma pasma = Pasma(o.uklad, o.rozmiar.height(), indeksy);
    const int W = o.rozmiar.width(), H = o.rozmiar.height();
    if (!pasma.bazy.empty()) {
        p.setPen(QPen(o.paleta.KolorSiatki, 1, Qt::DotLine));
        for (int y = pasma.bazy.front(); y < H - 40; y += pasma.u)
            p.drawLine(10, y, W - 110, y);
    }
    std::vector<int> etykiety;
    Czcionka(p, 10, true);
    const unsigned char* najnowsza = ProbkaScope(o, o.ileProbek - 1);
    for (size_t k = 0; k < indeksy.size(); ++k) {
        const TWykres& w = o.s.Wykresy[size_t(indeksy[k])];
        p.setPen(QPen(DoKoloru(w.Kolor), 2));
        const int ostatnieY = RysujSlad(p, o, w, pasma.bazy[k], pasma.u, c);
        const int y = YEtykiety(o, indeksy[k], pasma.bazy[k], ostatnieY);
        Napis(p, W - 108, y, EtykietaSladu(w, o.s.Teksty, najnowsza));
        etykiety.push_back(y);
    }
    return etykiety;
}

int PasekStanu(QPainter& p, const TObrazScope& o, int c) {
    int stan = 0, poprzedniX = 0;
    const int y = o.rozmiar.height() - 45;
    ZaKolumnami(c, o.f, [&](int x) {
        stan = Stan(o, int(std::trunc(x * o.f + o.poczatek)));
        p.setPen(QPen(DoKoloru(o.s.KolorStanuPracy(static_cast<unsigned short>(stan))), 4));
        p.drawLine(poprzedniX + 10, y, x + 10, y);
        poprzedniX = x;
    });
    return stan;
}

void Zdarzenia(QPainter& p, const TObrazScope& o, int c) {
    const int H = o.rozmiar.height();
    p.setPen(QPen(QColor(0xFF, 0, 0), 1));
    for (int e = int(std::trunc(o.poczatek + o.f)); e < c * o.f + o.poczatek; ++e) {
        if (e <= 0 || e >= o.ileProbek) continue;
        const unsigned char rodzaj = o.probki[size_t(e) * TSterownik::RozmiarProbki + 6];
        if (rodzaj != 0xF0 && rodzaj != 0xF3 && rodzaj != 0xF4) continue;
        const int x = int(std::trunc((e - o.poczatek) / o.f));
        const QPoint trojkat[] = {
            {x + 10, H - 48}, {x + 12, H - 52}, {x + 8, H - 52}, {x + 10, H - 48}};
        p.drawPolyline(trojkat, 4);
    }
}

void Napisy(QPainter& p, const TObrazScope& o, int stan) {
    const int W = o.rozmiar.width(), H = o.rozmiar.height();
    Czcionka(p, 8, false);
    p.setPen(o.paleta.KolorTekstu);
    Napis(p, 10, H - 40, PodstawaCzasu(o.f, o.s.Teksty));
    const QString koniec = CzasProbek(o.koniec) + QLatin1Char(' ') + T(o, 1055);
    Napis(p, W - 110 - p.fontMetrics().horizontalAdvance(koniec), H - 40, koniec);
    Czcionka(p, 8, true);
    Napis(p, W - 108, H - 52, o.s.StrStanPracy(static_cast<unsigned short>(stan), 0));
}

} // namespace

const unsigned char* ProbkaScope(const TObrazScope& o, int indeks) {
    if (indeks < 0 || indeks >= TSterownik::MaksProbek) return nullptr;
    return o.probki + size_t(indeks) * TSterownik::RozmiarProbki;
}

TWynikScope RysujScope(QPainter& p, const TObrazScope& o) {
    TWynikScope wynik;
    const int c = SzerokoscWykresu(o.rozmiar.width());
    Tlo(p, o, c);
    if (o.s.Wykresy.empty()) return wynik;
    wynik.suwak = Suwak(o.ileProbek, o.poczatek, o.koniec, c, o.tryb);
    if (wynik.suwak) {
        p.setPen(QPen(o.paleta.KolorRamki, 2));
        p.setBrush(o.paleta.TloWykresu);
        p.drawRect(QRect(QPoint(wynik.suwak->first, 4), QPoint(wynik.suwak->second, 36)));
        p.setBrush(Qt::NoBrush);
    }
    Przeglad(p, o, c);
    wynik.etykietyY = Slady(p, o, c);
    wynik.ostatniStan = PasekStanu(p, o, c);
    Zdarzenia(p, o, c);
    Napisy(p, o, wynik.ostatniStan);
    return wynik;
}
