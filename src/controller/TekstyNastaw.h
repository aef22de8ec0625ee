#pragma once

#include <QString>

#include <optional>

class QLocale;
class TSterownik;
class TTeksty;
struct TNastawa;

// How a setting reads to the installer: its name, its value and its unit as text. The
// settings editor, its dialogs and selvar-cli all show settings through these.

// Stored value of a setting: its byte, or for a trouble code the 16-bit code held in its
// byte and the next one.
int WartoscNastawy(const TSterownik& s, int indeks);
void ZapiszBajtNastawy(TSterownik& s, int indeks, int bajt);

// High nibble of Rodzaj: Formy::Przelacznik, Formy::Wybor, Formy::KodBledu or a number.
int FormaNastawy(const TNastawa& n);
bool PokazywanaNastawa(const TNastawa& n); // has a name to show

QString NazwaNastawy(const TSterownik& s, int indeks);
// Text of a value of the setting; an enumeration value outside the record's range reads
// as the nearest limit. Numbers use the locale's decimal separator.
QString TekstWartosci(const TSterownik& s, int indeks, int wartosc, const QLocale& jezyk);
// "[V]" .. "[%]" for unit codes 1..8, else "".
QString TekstJednostki(const TTeksty* teksty, int kod);

QString TekstKoduBledu(const TTeksty* teksty, int kod);
// "P0301" -> 0x0301 (any case); a code below 256 reads as 0; nullopt for anything that
// is not P, C, B or U followed by four hexadecimal digits.
std::optional<int> KodBleduZTekstu(const QString& tekst);
