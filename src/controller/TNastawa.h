#pragma once

#include <array>

// One settings byte as the installer sees it: name, unit, scale, kind, limits, default,
// option texts. The catalogue has one record per byte of Nastawy (0..255) and of
// NastawyObd (256..303).
struct TNastawa {
    int Tekst = 0;               // name text id, 0 = no name
    unsigned char Jednostka = 0; // 0 none, else text 1049 + code ("[V]" .. "[%]")
    double Skala = 0;            // shown = stored (after the kind's offset) x Skala
    unsigned char Rodzaj = 0;    // high nibble form, low nibble decimals shown
    unsigned char Min = 0, Domyslna = 0, Max = 0;
    std::array<int, 10> Opcje = {}; // enumerations: option text ids for values 0..9
};

// Forms of TNastawa::Rodzaj (high nibble).
namespace Formy {
inline constexpr unsigned char Pusta = 0x00;
inline constexpr unsigned char Liczba = 0x10;
inline constexpr unsigned char LiczbaZPrzesunieciem = 0x20; // (value - 128) x Skala
inline constexpr unsigned char Przelacznik = 0x70;
inline constexpr unsigned char Wybor = 0x80;
inline constexpr unsigned char LiczbaSpecjalna = 0x90;
inline constexpr unsigned char KodBledu = 0xA0;        // low byte of a trouble code
inline constexpr unsigned char KodBleduStarszy = 0xB0; // its high byte, not shown alone
} // namespace Formy

inline constexpr int LiczbaNastaw = 304;
inline constexpr int PierwszaNastawaObd = 256;
