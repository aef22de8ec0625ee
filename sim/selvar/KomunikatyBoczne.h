#pragma once

#include "Pamiec.h"

#include <array>
#include <deque>

// The four side-message bytes (frame bytes 6..9) of a live frame.
using TKomunikat = std::array<std::uint8_t, 4>;

// Side-message codes in frame byte 6.
namespace KodKomunikatu {
constexpr std::uint8_t KomorkaMapy = 0x00;
constexpr std::uint8_t Czekanie = 10;
constexpr std::uint8_t Przelaczenie = 0xF0;
constexpr std::uint8_t Eeprom = 0xF1;
constexpr std::uint8_t Flash = 0xF2;
constexpr std::uint8_t AdaptacjaBank1 = 0xF3;
constexpr std::uint8_t AdaptacjaBank2 = 0xF4;
} // namespace KodKomunikatu

// What the next live frames tell besides the values: one-off events first (fuel switches,
// adaptation values, write notices), then map cells that have changed, then the reasons the
// controller is waiting, which take every other frame while there are map cells to tell.
// One message per frame; a frame that is lost loses its message,
// as on the real line.
class TKomunikatyBoczne {
public:
    void Zdarzenie(const TKomunikat& komunikat);
    // A write notice; merges its bits into a notice of the same kind still waiting.
    void Zapis(std::uint8_t kod, std::uint8_t bity);
    // Map selector of the live frame: 0 petrol, 1 OBD petrol 1, 2 OBD petrol 2, 3 gas,
    // 4 OBD gas 1, 5 OBD gas 2.
    void KomorkaMapy(std::uint8_t mapa, std::uint8_t komorka);
    void Wyczysc();

    TKomunikat Nastepny(const TPamiecSterownika& pamiec, int powodyCzekania);

    static unsigned BitMapy(std::uint8_t mapa);

private:
    std::deque<TKomunikat> zdarzenia;
    std::deque<std::array<std::uint8_t, 2>> komorki;
    bool kolejCzekania = false;
};
