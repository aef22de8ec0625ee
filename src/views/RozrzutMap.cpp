#include "RozrzutMap.h"

#include "TSterownik.h"

#include <algorithm>
#include <cmath>

namespace {

// The top row's cells beyond the ninth RPM point are not collected.
bool Pominieta(int r, int l) {
    return l == 15 && r > 8;
}

int Komorka(int r, int l) {
    return 16 * r + l;
}

} // namespace

TRozrzut RozrzutMapy(const TSterownik& s, const unsigned char* mapa, const TObszarWykresu& o,
                     const TSkalaMnoznika& sk) {
    TRozrzut wynik;
    const double szczyt = std::max<int>(s.Nastawy[239], 1);
    for (int r = 0; r < 16; ++r)
        for (int l = 0; l < 16; ++l) {
            const int t = mapa[Komorka(r, l)];
            if (t == 0 || t > sk.M || Pominieta(r, l)) continue;
            const int x = o.x0 + t * o.w / sk.M;
            const int y = int(
                std::trunc(o.yb - o.h * s.Nastawy[224 + l] / szczyt * (1 - (16 - r) * 0.1 / 16)));
            wynik.Punkty.push_back({x, y});
            // Standard engines leave out the high-RPM cells of low load.
            const bool rzadka = s.Nastawy[10] == 0 && r >= 16 - l / 2.0 && l <= 13;
            if (r > 1 && l > 0 && r < 13 && t < 0.9 * sk.M && !rzadka)
                wynik.DoDopasowania.push_back(QPointF(x, y));
        }
    return wynik;
}

TOdchylka OdchylkaMap(const TSterownik& s, const TObszarWykresu& o, const TSkalaMnoznika& sk) {
    TOdchylka wynik;
    const double baza = o.yb - 0.2 * o.h;
    for (int r = 0; r < 16; ++r)
        for (int l = 0; l < 16; ++l) {
            const int p = s.MapaEcuBen[Komorka(r, l)], g = s.MapaEcuGaz[Komorka(r, l)];
            // A petrol time beyond the axis end has no place on the chart.
            if (p == 0 || g == 0 || p > sk.M) continue;
            const int x = p * o.w / sk.M + o.x0;
            const int y = int(std::trunc(baza - (p - g) * o.h / 400.0));
            wynik.Punkty.push_back({x, y});
            if (Pominieta(r, l) || p > 0.9 * sk.M || g > 0.9 * sk.M) continue;
            if (l > 8) ++wynik.Gornych;
            if (r < 6 && l < 6) ++wynik.Dolnych;
            if (r <= 12) wynik.DoDopasowania.push_back(QPointF(x, y));
        }
    return wynik;
}

std::vector<QPoint> KrzywaDopasowania(const std::vector<QPointF>& punkty, int stopien,
                                      const TObszarWykresu& o) {
    std::vector<QPoint> krzywa;
    if (stopien == 0 || punkty.empty()) return krzywa;
    const TWspolczynniki a = Dopasuj(punkty, stopien);
    const auto [najmniejszy, najwiekszy] = std::minmax_element(
        punkty.begin(), punkty.end(), [](QPointF p, QPointF q) { return p.x() < q.x(); });
    for (int x = int(najmniejszy->x()); x <= int(najwiekszy->x()); ++x) {
        if (x > o.x0 + o.w) continue;
        const int y = int(std::trunc(Wielomian(a, x)));
        if (y > o.yb) continue;
        if (y < o.Gora() + 1) break;
        krzywa.push_back({x, y});
    }
    return krzywa;
}

int NotaOdchylki(const TObszarWykresu& o, double yLinii) {
    // From the baseline itself: the drawn line's pixel row would shift the threshold.
    const double odleglosc = std::trunc(yLinii - (o.yb - 0.2 * o.h));
    if (odleglosc > 3) return 1710;
    if (odleglosc < -3) return 1711;
    return 0;
}

int NotaNachylenia(double nachylenie) {
    if (nachylenie > 0.04) return 1710;
    if (nachylenie < -0.04) return 1711;
    return 0;
}
