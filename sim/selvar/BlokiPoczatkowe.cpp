#include "BlokiPoczatkowe.h"

#include "KodekRamki.h"

#include <algorithm>
#include <utility>

namespace BlokiPoczatkowe {
namespace {

// Calibrated multiplier of bank 1: (curve position in 0.1 ms, value with 100 = neutral).
constexpr std::pair<int, int> PunktyMnoznika[] = {{0, 125},   {25, 118},  {50, 110},
                                                  {100, 104}, {150, 100}, {200, 98}};

std::uint8_t Mnoznik(int pozycja, int przesuniecie) {
    const auto* poprzedni = &PunktyMnoznika[0];
    for (const auto& punkt : PunktyMnoznika) {
        if (pozycja <= punkt.first) {
            const int rozpietosc = punkt.first - poprzedni->first;
            const int wartosc =
                rozpietosc == 0 ? punkt.second
                                : poprzedni->second + (punkt.second - poprzedni->second) *
                                                          (pozycja - poprzedni->first) / rozpietosc;
            return static_cast<std::uint8_t>(wartosc + przesuniecie);
        }
        poprzedni = &punkt;
    }
    return static_cast<std::uint8_t>(poprzedni->second + przesuniecie);
}

TBajty KrzywaMnoznika(int przesuniecie) {
    TBajty m(256);
    for (int i = 0; i < 256; ++i)
        m[i] = Mnoznik(i, przesuniecie);
    return m;
}

void PunktyNaNastawach(TBajty& n, std::size_t pierwszy) {
    std::size_t k = 0;
    for (const auto& punkt : PunktyMnoznika) {
        if (punkt.first == 200) break;
        n[pierwszy + k++] = static_cast<std::uint8_t>(punkt.first);
    }
    n[pierwszy + 25] = 200;
}

// The installer's choices: adaptation on the maps (so the controller reports what it
// learns), the results of an earlier idle calibration (83..94) and per-injector corrections.
constexpr std::pair<int, int> ZmianyInstalatora[] = {
    {81, 1},   {83, 52},   {85, 160},  {86, 105},  {87, 178},  {88, 32},   {90, 131},  {92, 130},
    {94, 182}, {216, 128}, {217, 130}, {218, 127}, {219, 129}, {220, 128}, {221, 131}, {222, 126},
};

TBajty NastawyInstalatora(const TKonfiguracjaBlokow& k) {
    TBajty n = Fabryczny(0);
    for (auto [indeks, wartosc] : ZmianyInstalatora)
        n[static_cast<std::size_t>(indeks)] = static_cast<std::uint8_t>(wartosc);
    PunktyNaNastawach(n, 190);
    PunktyNaNastawach(n, 164);
    if (k.plytka >= 3) // the second half of the channels on bank 2, as on a V engine
        n[30] = static_cast<std::uint8_t>(((1u << k.kanaly) - 1) & ~((1u << (k.kanaly / 2)) - 1));
    // Service reminder due 44 gas hours from now.
    n[100] = 1;
    WpiszU16(n, 101, std::min(k.godzinyGazu + 44, 65535u));
    Kodek::UstawSumeBloku(n);
    return n;
}

// Slightly more gas at low RPM, slightly less at high RPM; bank 2 a little richer.
TBajty KorektaObrotow(int przesuniecie) {
    TBajty t(256);
    for (int r = 0; r < 16; ++r)
        for (int l = 0; l < 16; ++l)
            t[16 * r + l] = static_cast<std::uint8_t>((r <= 1    ? 102
                                                       : r >= 13 ? 98
                                                                 : 100) +
                                                      przesuniecie);
    return t;
}

TBajty Emulator() {
    TBajty t(256);
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<std::uint8_t>(std::min(255, 40 + 3 * i / 4));
    return t;
}

TBajty Wzbogacenie() {
    TBajty t(256, 128);
    for (int r = 13; r < 16; ++r)
        for (int l = 13; l < 16; ++l)
            t[16 * r + l] = 131;
    return t;
}

// Two earlier visits to a workshop: settings written, then errors erased as well.
TBajty Historia() {
    TBajty h(256, 0);
    const std::uint8_t wpisy[2][8] = {{0x08, 24, 5, 12, 0x1A, 0x2B, 0x3C, 0x4D},
                                      {0x0C, 25, 1, 20, 0x5E, 0x6F, 0x70, 0x81}};
    for (int w = 0; w < 2; ++w)
        std::copy(wpisy[w], wpisy[w] + 8, h.begin() + 8 * w);
    return h;
}

TBajty NastawyModulu() {
    TBajty n = Fabryczny(24);
    n[1] = 6; // ISO 15765-4 CAN, 11-bit, 500 kbaud
    Kodek::UstawSumeBloku(n);
    return n;
}

} // namespace

TBajty Blok(unsigned bit, const TKonfiguracjaBlokow& konfiguracja) {
    switch (bit) {
    case 0:
        return NastawyInstalatora(konfiguracja);
    case 1:
        return KrzywaMnoznika(0);
    case 2:
        return KrzywaMnoznika(2);
    case 3:
        return KorektaObrotow(0);
    case 4:
        return KorektaObrotow(1);
    case 7:
        return Historia();
    case 8:
        return Korekta(
            8, {{50, 130}, {100, 129}, {150, 128}, {200, 126}, {0, 0}, {0, 0}, {0, 0}, {250, 124}});
    case 9:
        return Korekta(
            9, {{98, 136}, {128, 131}, {168, 128}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {228, 126}});
    case 10:
        return Korekta(10,
                       {{98, 132}, {148, 128}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {228, 124}});
    case 11:
        return Emulator();
    case 13:
        return Wzbogacenie();
    case 24:
        return NastawyModulu();
    default:
        return Fabryczny(bit);
    }
}

} // namespace BlokiPoczatkowe
