// Factory content of the blocks: the settings and OBD-module settings (every byte not listed
// is 0), neutral curves and corrections.
#include "BlokiPoczatkowe.h"
#include "KodekRamki.h"

#include <initializer_list>
#include <utility>

namespace BlokiPoczatkowe {
namespace {

// (index, value) of the non-zero single settings.
constexpr std::pair<int, int> Pojedyncze[] = {
    {2, 1},    {3, 50},   {5, 1},    {22, 128}, {24, 1},    {25, 19},   {26, 140}, {27, 168},
    {28, 50},  {41, 44},  {42, 39},  {43, 20},  {44, 8},    {45, 4},    {46, 4},   {50, 70},
    {51, 168}, {52, 6},   {53, 20},  {54, 10},  {55, 10},   {58, 168},  {60, 30},  {61, 200},
    {62, 128}, {63, 60},  {64, 20},  {65, 5},   {66, 20},   {68, 1},    {77, 168}, {83, 60},
    {85, 178}, {86, 100}, {87, 128}, {89, 60},  {90, 128},  {92, 128},  {94, 181}, {96, 1},
    {98, 4},   {99, 4},   {106, 10}, {107, 5},  {189, 200}, {215, 200},
};

// Map axes: load in 0.01 bar (224..239), RPM in 50 rpm (240..255).
constexpr int OsObciazenia[16] = {6, 12, 18, 25, 31, 37, 43, 50, 56, 62, 68, 75, 81, 87, 93, 100};
constexpr int OsObrotow[16] = {12, 18, 24, 30, 36, 42, 48, 54, 60, 66, 72, 80, 90, 100, 110, 120};

TBajty NastawyDomyslne() {
    TBajty n(256, 0);
    for (auto [indeks, wartosc] : Pojedyncze)
        n[indeks] = static_cast<std::uint8_t>(wartosc);
    for (int k = 0; k < 8; ++k)
        n[32 + k] = static_cast<std::uint8_t>(1 << k);
    for (int k = 216; k <= 223; ++k)
        n[k] = 128;
    for (int k = 0; k < 16; ++k) {
        n[224 + k] = static_cast<std::uint8_t>(OsObciazenia[k]);
        n[240 + k] = static_cast<std::uint8_t>(OsObrotow[k]);
    }
    Kodek::UstawSumeBloku(n);
    return n;
}

TBajty NastawyObdDomyslne() {
    TBajty n(48, 0);
    n[1] = 1;
    Kodek::UstawSumeBloku(n);
    return n;
}

TBajty Wypelniony(std::uint8_t wartosc) {
    return TBajty(256, wartosc);
}

// 2 up to the diagonal, 4 just above it, then rising by 2 per column.
TBajty Opoznienia() {
    TBajty t(256);
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c)
            t[16 * r + c] = static_cast<std::uint8_t>(c <= r       ? 2
                                                      : c == r + 1 ? 4
                                                                   : 2 * (c - r) + 4);
    return t;
}

} // namespace

TBajty Korekta(std::uint8_t numer, std::initializer_list<std::pair<int, int>> punkty) {
    TBajty k(256, 0);
    k[0] = numer;
    std::size_t i = 2;
    for (auto [x, y] : punkty) {
        k[i] = static_cast<std::uint8_t>(x);
        k[i + 1] = static_cast<std::uint8_t>(y);
        i += 2;
    }
    for (std::size_t j = 50; j < 256; ++j)
        k[j] = 128;
    return k;
}

TBajty Fabryczny(unsigned bit) {
    switch (bit) {
    case 0:
        return NastawyDomyslne();
    case 1:
    case 2:
    case 3:
    case 4:
        return Wypelniony(100);
    // Correction curves carry their bit number as table number. Points 0 and 7 set, 1..6 empty;
    // temperatures with offset 128 (-30 and 100 degrees).
    case 8:
        return Korekta(8, {{50, 128}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {250, 128}});
    case 9:
        return Korekta(9, {{98, 128}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {228, 128}});
    case 10:
        return Korekta(10, {{98, 128}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {228, 128}});
    case 12:
        return Opoznienia();
    case 13:
        return Wypelniony(128);
    case 24:
        return NastawyObdDomyslne();
    default:
        return Wypelniony(0);
    }
}

} // namespace BlokiPoczatkowe
