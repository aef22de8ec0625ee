#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A firmware image file: a 256-byte header naming the hardware it fits and its version,
// then the application in 224 blocks of 256 bytes.
namespace ObrazFirmware {

inline constexpr int RozmiarNaglowka = 256;
inline constexpr int RozmiarBloku = 256;
inline constexpr int LiczbaBlokow = 224;
inline constexpr int RozmiarPelny = RozmiarNaglowka + RozmiarBloku * LiczbaBlokow; // 57600
inline constexpr int MaksRozmiar = 65535;

// Header positions.
inline constexpr int PozycjaBety = 19;
inline constexpr int PozycjaWersji = 22;
// Identity positions of the installed main version number and its beta.
inline constexpr int IdentWersji = 60;
inline constexpr int IdentBety = 57;

// The whole file, or nothing when it is missing, unreadable or larger than MaksRozmiar.
std::optional<QByteArray> Czytaj(const QString& sciezka);
// Up to the header's length from the start of the file; empty when it cannot be read.
QByteArray CzytajNaglowek(const QString& sciezka);

// The magic "img file" and the four hardware bytes match the controller's identity (frame
// positions, header included) and the version byte is not 0.
bool Zgodny(const QByteArray& plik, const unsigned char* ident);
// Main version number; 0 for a file too short to hold one.
int Wersja(const QByteArray& plik);
// "v24", or "v24 beta3" for a beta.
QString StrWersja(const QByteArray& plik);
// The same for the version a running controller's identity reports.
QString StrWersjaSterownika(const unsigned char* ident);
// "2024.03.05  ": the firmware date, year, month and day in two digits each.
QString StrData(const QByteArray& plik);
// Offering the file to this controller asks first: the application answers with a higher
// main version. A controller in its bootloader has no working version to go back from.
bool Starszy(const QByteArray& plik, const unsigned char* ident);

} // namespace ObrazFirmware
