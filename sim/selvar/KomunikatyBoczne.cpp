#include "KomunikatyBoczne.h"

#include <algorithm>

void TKomunikatyBoczne::Zdarzenie(const TKomunikat& komunikat) {
    zdarzenia.push_back(komunikat);
}

void TKomunikatyBoczne::Zapis(std::uint8_t kod, std::uint8_t bity) {
    for (auto& z : zdarzenia)
        if (z[0] == kod) {
            z[1] |= bity;
            return;
        }
    zdarzenia.push_back({kod, bity, 0, 0});
}

void TKomunikatyBoczne::KomorkaMapy(std::uint8_t mapa, std::uint8_t komorka) {
    const std::array<std::uint8_t, 2> k{mapa, komorka};
    if (std::find(komorki.begin(), komorki.end(), k) == komorki.end()) komorki.push_back(k);
}

void TKomunikatyBoczne::Wyczysc() {
    zdarzenia.clear();
    komorki.clear();
}

unsigned TKomunikatyBoczne::BitMapy(std::uint8_t mapa) {
    constexpr unsigned bity[6] = {BitBloku::MapaEcuBen,  BitBloku::MapaObdBen1,
                                  BitBloku::MapaObdBen2, BitBloku::MapaEcuGaz,
                                  BitBloku::MapaObdGaz1, BitBloku::MapaObdGaz2};
    return bity[mapa];
}

TKomunikat TKomunikatyBoczne::Nastepny(const TPamiecSterownika& pamiec, int powodyCzekania) {
    if (!zdarzenia.empty()) {
        const TKomunikat k = zdarzenia.front();
        zdarzenia.pop_front();
        return k;
    }
    kolejCzekania = !kolejCzekania;
    const TKomunikat czekanie{KodKomunikatu::Czekanie, static_cast<std::uint8_t>(powodyCzekania), 0,
                              0};
    if (powodyCzekania != 0 && kolejCzekania) return czekanie;
    while (!komorki.empty()) {
        const auto [mapa, komorka] = komorki.front();
        komorki.pop_front();
        // The value is read when sent, so the frame carries what a read would give now.
        const std::uint8_t wartosc = pamiec.BlokBitu(BitMapy(mapa))[komorka];
        if (wartosc != 0) return {KodKomunikatu::KomorkaMapy, mapa, komorka, wartosc};
    }
    if (powodyCzekania != 0) return czekanie;
    return {0, 0, 0, 0};
}
