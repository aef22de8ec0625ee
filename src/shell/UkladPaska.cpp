#include "UkladPaska.h"

TUkladKomend UlozKomendy(const std::array<int, 4>& napisy, int szerokoscPaska,
                         int szerokoscStatusu) {
    TUkladKomend u;
    auto widoczny = [&](int i) { return napisy[std::size_t(i)] >= 0; };
    auto& p = u.przyciski;
    if (widoczny(0)) p[0] = {8, napisy[0] + 20};
    if (widoczny(1)) p[1] = {p[0].szerokosc + 16, napisy[1] + 20};
    if (widoczny(2)) p[2] = {p[0].szerokosc + p[1].szerokosc + 24, napisy[2] + 20};
    if (!widoczny(3)) return u;

    const bool sam = !widoczny(0) && !widoczny(1) && !widoczny(2);
    p[3].szerokosc = napisy[3] + (sam ? 120 : 20);
    p[3].lewo = szerokoscPaska - p[3].szerokosc - szerokoscStatusu - 8;
    if (sam) {
        u.szerokoscPostepu = p[3].lewo - 12;
        return u;
    }
    const bool wszystkie = widoczny(0) && widoczny(1) && widoczny(2);
    if (wszystkie && p[3].lewo < p[0].szerokosc + p[1].szerokosc + p[2].szerokosc + 32) {
        // Too narrow: all four packed from the left edge with small margins.
        int lewo = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            p[i] = {lewo, napisy[i] + 4};
            lewo += p[i].szerokosc + 2;
        }
    }
    return u;
}

int RozmiarCzcionkiRzedu(const QStringList& napisy, int szerokoscCzesci, int odRozmiaru,
                         const std::function<int(const QString&, int)>& szerokoscNapisu) {
    for (int rozmiar = odRozmiaru; rozmiar >= 7; --rozmiar) {
        bool mieszcza = true;
        for (const QString& n : napisy)
            if (szerokoscNapisu(n, rozmiar) > szerokoscCzesci - 2) {
                mieszcza = false;
                break;
            }
        if (mieszcza) return rozmiar;
    }
    return 6;
}
