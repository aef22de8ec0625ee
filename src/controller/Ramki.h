#pragma once

#include <QString>

// Controller frame: start, checksum, payload words N, command, 2N payload bytes.
// The checksum makes the 8-bit sum of the plain frame 0; the payload travels scrambled.
namespace Ramki {

inline constexpr unsigned char StartSterownik = 'e'; // request to the controller
inline constexpr unsigned char StartObd = 'c';       // request to its OBD module
inline constexpr unsigned char OdpSterownik = 'V';   // reply from the controller
inline constexpr unsigned char OdpObd = '6';         // reply from the OBD module
inline constexpr int Naglowek = 4;
inline constexpr int MaksRamka = 1024;

// Fills the header of a plain frame whose payload is already at byte 4 and sets the
// checksum; an odd payload length is padded to a whole word. Returns the frame length.
int Zbuduj(unsigned char* ramka, unsigned char start, unsigned char kod, int dlugoscDanych);

unsigned char Suma(const unsigned char* dane, int n);

// Payload scrambling keyed by the checksum byte at ramka[1]; bytes 4..dlugosc-1 in place.
void Szyfruj(unsigned char* ramka, int dlugosc);
void Deszyfruj(unsigned char* ramka, int dlugosc);

// Bytes as " XX" each, e.g. " 65 1A 00 81".
QString Bajty(const unsigned char* dane, int n);
// A frame in the log: prefix, the header's bytes, two spaces, the payload's bytes,
// e.g. "  TX: 65 1A 00 81  ".
QString Zrzut(const char* przedrostek, const unsigned char* ramka, int dlugosc);

} // namespace Ramki
