#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

// Plain helpers on the adapter's answer text: everything it sent up to and including the
// ">" prompt, e.g. "0100\r7E8 06 41 00 BE 1F B8 11\r\r>".

inline constexpr char ZnakZachety = '>';

// 1-based position of the first occurrence of the pattern, 0 when absent.
int Analizuj(QByteArrayView tekst, QByteArrayView wzor);

// "NO DATA", "ERROR", anything with "NO" in it, or "UNABLE TO CONNECT".
bool CzyBlad(QByteArrayView tekst);

// n space-separated hexadecimal bytes as one number: "7E8" gives 0x7E8 for n = 1, "C1 55"
// 0xC155 for n = 2. Characters other than hex digits and spaces are skipped; the walk ends
// at the n-th space, at the end of the line (CR or LF) or of the text; only the last 32 bits stay.
std::uint32_t TekstNaInt(QByteArrayView tekst, int n);

// Up to n space-separated hexadecimal bytes of one line, fewer when the line ends sooner.
std::vector<std::uint32_t> BajtyDanych(QByteArrayView tekst, int n);

// Uppercase hexadecimal with at least the given number of digits: (0x7E8, 2) gives "7E8".
QByteArray Hex(std::uint32_t wartosc, int cyfr);

// Bytes for the log: every byte below 16 (CR included) or above 127 shown as ".".
QString TekstDoLogu(QByteArrayView bajty);
