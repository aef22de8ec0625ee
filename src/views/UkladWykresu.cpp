#include "UkladWykresu.h"

#include "Liczby.h"
#include "TSterownik.h"

#include <algorithm>
#include <cmath>

namespace {

// The top of the load axis; a MAF sensor reads twice the range.
int SzczytObciazenia(const TSterownik& s) {
    return s.Nastawy[239] * (s.Nastawy[4] == 2 ? 2 : 1);
}

} // namespace

TObszarWykresu ObszarWykresu(QSize widok, int tryb) {
    TObszarWykresu o;
    o.w = widok.width() - (tryb == 0 ? 120 : 80);
    o.h = int(std::trunc(widok.height() - 62.5));
    o.yb = o.h + 25;
    return o;
}

TSkalaMnoznika SkalaMnoznika(const TSterownik& s) {
    TSkalaMnoznika sk;
    sk.Szeroka = s.Nastawy[80] & 1;
    return sk;
}

QPoint PunktKrzywej(const TObszarWykresu& o, const TSkalaMnoznika& sk, int pozycja, int wartosc) {
    const int x = int(std::trunc(double(pozycja) * o.w / sk.M + o.x0 + 1));
    // Divisions rather than x 0.004 and x 0.01, which are not exact in binary.
    const double y =
        sk.Szeroka ? o.yb - wartosc * o.h / 250.0 + 1 : o.yb - (wartosc - 50) * o.h / 100.0 + 1;
    return {x, int(std::trunc(y))};
}

int PozycjaPod(const TObszarWykresu& o, const TSkalaMnoznika& sk, int x) {
    return o.w ? (x - o.x0) * sk.M / o.w : 0;
}

int WartoscPod(const TObszarWykresu& o, const TSkalaMnoznika& sk, int y) {
    if (o.h == 0) return 0;
    return sk.Szeroka ? (o.yb - y) * 250 / o.h : (o.yb - y) * 100 / o.h + 50;
}

std::vector<TPodzialka> PodzialkaCzasu(const TObszarWykresu& o, const TSkalaMnoznika& sk) {
    std::vector<TPodzialka> p;
    for (int v = 0; v <= sk.M; v += 20)
        p.push_back({o.x0 + o.w * v / sk.M, QString::number(v / 10)});
    return p;
}

std::vector<TPodzialka> PodzialkaMnoznika(const TObszarWykresu& o, const TSkalaMnoznika& sk) {
    std::vector<TPodzialka> p;
    if (sk.Szeroka)
        for (int d = 0; d <= 25; d += 5)
            p.push_back({o.yb - o.h * d / 25, LiczbaWzorca(d * 0.1, 1)});
    else
        for (int d = 0; d <= 10; ++d)
            p.push_back({o.yb - o.h * d / 10, LiczbaWzorca(d * 0.1 + 0.5, 1)});
    return p;
}

std::vector<TPodzialka> PodzialkaObciazenia(const TObszarWykresu& o, const TSterownik& s) {
    std::vector<TPodzialka> p;
    const int szczyt = SzczytObciazenia(s);
    for (int d = 0; d <= 100; d += 10)
        p.push_back({o.yb - o.h * d / 100, LiczbaKrotka(d * szczyt * 0.0001)});
    return p;
}

int LiniaNeutralna(const TObszarWykresu& o, const TSkalaMnoznika& sk) {
    return o.yb - o.h * (sk.Szeroka ? 4 : 5) / 10;
}

int XKalibracji(const TObszarWykresu& o, const TSkalaMnoznika& sk, int czas) {
    return int(std::trunc(czas * 0.05 * o.w * 10 / sk.M + o.x0));
}

int LiniaOdchylki(const TObszarWykresu& o) {
    return int(std::trunc(o.yb - 0.2 * o.h));
}

QRect MiejsceLegendy(const TObszarWykresu& o, QSize legenda, const std::vector<QPoint>& punkty) {
    const int lewa = o.x0 + 20, prawa = o.x0 + o.w - 20 - legenda.width();
    const int gora = o.Gora() + 20, dol = o.yb - 20 - legenda.height();
    const QRect miejsca[] = {QRect(QPoint(lewa, gora), legenda),
                             QRect(QPoint(prawa, gora), legenda), QRect(QPoint(lewa, dol), legenda),
                             QRect(QPoint(prawa, dol), legenda)};
    const auto zakryte = [&](const QRect& r) {
        // A circle of radius 5 with its edge.
        return std::count_if(punkty.begin(), punkty.end(), [&](QPoint p) {
            return r.intersects(QRect(p.x() - 6, p.y() - 6, 13, 13));
        });
    };
    const QRect* najlepsze = &miejsca[0];
    for (const QRect& r : miejsca)
        if (zakryte(r) < zakryte(*najlepsze)) najlepsze = &r;
    return *najlepsze;
}

QRect PrzyciskWGore(QSize widok) {
    const int yc = (widok.height() - 14) / 2;
    return QRect(QPoint(widok.width() - 32, yc - 32), QPoint(widok.width() - 2, yc - 2));
}

QRect PrzyciskWDol(QSize widok) {
    const int yc = (widok.height() - 14) / 2;
    return QRect(QPoint(widok.width() - 32, yc + 2), QPoint(widok.width() - 2, yc + 32));
}

QPoint KursorMnoznika(const TObszarWykresu& o, const TSkalaMnoznika& sk, const TSterownik& s,
                      const unsigned char* ramka) {
    const int x = std::min<int>(ramka[19], sk.M) * o.w / sk.M + o.x0;
    const int szczyt = std::max<int>(s.Nastawy[239], 1);
    if (s.Nastawy[4] == 2) {
        const int p = std::min(ramka[58] + 256 * ramka[59], 4 * szczyt);
        return {x, o.yb - p * o.h / szczyt / 4};
    }
    const int p = std::min(ramka[44] + 256 * ramka[45], szczyt);
    return {x, o.yb - p * o.h / szczyt};
}

namespace {

bool Cisnienie(int tryb) {
    return tryb == 4;
}

} // namespace

std::vector<int> SiatkaKrzywej(const TObszarWykresu& o, int tryb) {
    std::vector<int> x;
    if (Cisnienie(tryb))
        for (int v = 25; v <= 175; v += 25)
            x.push_back(o.x0 + o.w * v / 200);
    else
        for (int v = 10; v <= 120; v += 10)
            x.push_back(o.x0 + o.w * v / 130);
    return x;
}

std::vector<TPodzialka> PodzialkaKrzywej(const TObszarWykresu& o, int tryb) {
    std::vector<TPodzialka> p;
    if (Cisnienie(tryb))
        for (int v = 0; v <= 200; v += 25)
            p.push_back({o.x0 + o.w * v / 200, LiczbaKrotka(v * 0.01 + 0.5)});
    else
        for (int v = 0; v <= 130; v += 10)
            p.push_back({o.x0 + o.w * v / 130, QString::number(v - 30)});
    return p;
}

std::vector<TPodzialka> PodzialkaKorekty(const TObszarWykresu& o) {
    std::vector<TPodzialka> p;
    for (int d = 0; d <= 10; ++d)
        p.push_back({o.yb - o.h * d / 10, QString::number(d * 10 - 50)});
    return p;
}

TPodzialka ProgPrzelaczenia(const TObszarWykresu& o, int tryb, const TSterownik& s) {
    if (Cisnienie(tryb)) {
        const int v = s.Nastawy[63];
        return {(v - 50) * o.w / 200 + o.x0,
                QLatin1Char(' ') + LiczbaWzorca(v * 0.01, 2) + QLatin1Char(' ')};
    }
    const int v = s.Nastawy[tryb == 2 ? 51 : 62];
    return {(v - 98) * o.w / 130 + o.x0, QStringLiteral(" %1 ").arg(v - 128)};
}

int KursorKrzywej(const TObszarWykresu& o, int tryb, const unsigned char* ramka) {
    if (Cisnienie(tryb)) {
        const int cisnienie = ramka[48] | (ramka[49] << 8);
        const int r = std::clamp(int(std::trunc((cisnienie - 50) * 1.28)), 0, 256);
        return r * o.w / 256 + o.x0;
    }
    const int bajt = ramka[tryb == 2 ? 40 : 42];
    const int t = bajt <= 97 ? 0 : bajt - 98;
    return std::min(t, 130) * o.w / 130 + o.x0;
}
