#pragma once

#include "Bajty.h"

// Frame layout on the line: start, checksum, payload words N, command, 2N payload bytes.
// The header travels plain; the payload is scrambled with a chain that starts from the
// checksum byte, so the checksum (8-bit sum of the plain frame = 0) is checked after
// unscrambling.
namespace Kodek {

constexpr std::uint8_t StartDoSterownika = 'e'; // 0x65
constexpr std::uint8_t StartDoModulu = 'c';     // 0x63
constexpr std::uint8_t StartOdSterownika = 'V'; // 0x56
constexpr std::uint8_t StartOdModulu = '6';     // 0x36
constexpr std::size_t Naglowek = 4;

// 8-bit sum of all bytes.
std::uint8_t Suma(const TBajty& bajty);

// Byte 0 of a checksummed block: makes the sum of the whole block 0.
void UstawSumeBloku(TBajty& blok);

// Plain frame with the given payload (padded to an even length with the byte given) and a
// valid checksum.
TBajty ZbudujRamke(std::uint8_t start, std::uint8_t kod, const TBajty& ladunek,
                   std::uint8_t wypelnienie = 0);

// Byte 1 of a plain frame: makes the sum of the whole frame 0.
void UstawSume(TBajty& ramka);

// Scrambles (or unscrambles) bytes 4.. of a frame in place, keyed by its byte 1.
void Zaszyfruj(TBajty& ramka);
void Odszyfruj(TBajty& ramka);

// Length of the frame whose header starts the buffer.
inline std::size_t DlugoscRamki(const TBajty& naglowek) {
    return Naglowek + 2u * naglowek[2];
}

} // namespace Kodek
