#include "StronyNastaw.h"

using namespace Komorki;

namespace {

// Page 0 is built from the rows the three view levels share and those they add.
TMapaStrony StronaGlowna(int poziom, bool plytkaV3) {
    const bool pelny = poziom >= 2, sredni = poziom >= 1;
    TMapaStrony m{{RamkaSilnika, RamkaSilnika}, {1, 8}, {2, 10}, {3, sredni ? 11 : Pusta}};
    if (pelny) {
        m.push_back({4, 12});
        m.push_back({plytkaV3 ? Pusta : 5, 68});
    }
    m.push_back({DolCalej, DolCalej});
    m.push_back({RamkaWtryskiwaczy, RamkaCzujnikow});
    m.push_back({20, 40});
    m.push_back({24, 45});
    if (sredni) {
        m.push_back({21, 46});
        m.push_back({Przyciski, 47});
    } else {
        m.push_back({Przyciski, 46});
    }
    m.push_back({DolKolumny, DolKolumny});
    m.push_back({RamkaNaGaz, RamkaNaBenzyne});
    m.push_back({50, 60});
    m.push_back({51, 61});
    if (pelny) {
        m.push_back({52, 62});
        m.push_back({53, 63});
        m.push_back({54, 65});
        m.push_back({55, 66});
        m.push_back({59, 67});
    } else {
        m.push_back({54, 62});
        m.push_back({55, 63});
    }
    if (sredni) {
        m.push_back({56, 70});
        m.push_back({57, 96});
    }
    m.push_back({DolKolumny, DolKolumny});
    return m;
}

TMapaStrony StronaObd(int protokol, const std::array<int, 7>& prawa) {
    return {{Pusta, Pusta},  {protokol, prawa[0]}, {103, prawa[1]},
            {104, prawa[2]}, {Pusta, prawa[3]},    {81, prawa[4]},
            {75, prawa[5]},  {Pusta, prawa[6]},    {Pusta, Pusta}};
}

} // namespace

TMapaStrony MapaStrony(int strona, int poziom, bool plytkaV3) {
    switch (strona) {
    case Strony::Glowna:
        return StronaGlowna(poziom, plytkaV3);
    case Strony::Kalibracja:
        return {{86, 90}, {85, Pusta}, {83, 82}};
    case Strony::Mapa:
        return {{79, 90}, {78, 81}, {77, 75}};
    case Strony::Obd:
        return StronaObd(257, {260, 261, 262, 263, 265, 267, 269});
    case Strony::ObdSterownik:
        return StronaObd(109, {112, 113, 114, 115, 117, 119, 121});
    default:
        return {};
    }
}

int TytulRamki(int komorka) {
    switch (komorka) {
    case RamkaSilnika:
        return 1275;
    case RamkaWtryskiwaczy:
        return 1276;
    case RamkaCzujnikow:
        return 1278;
    case RamkaNaGaz:
        return 1279;
    case RamkaNaBenzyne:
        return 1280;
    default:
        return 0;
    }
}
