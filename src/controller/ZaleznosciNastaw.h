#pragma once

class TSterownik;

// Settings that decide other settings: what may be edited now, and what follows from a
// change. Shared by the settings editor and its dialogs.

bool NastawaDostepna(const TSterownik& s, int indeks);

// Stores a value and everything that follows from it, then asks for the write of the
// block holding it. Mode 1 clamps to the record's limits; mode 2 stores a 16-bit code
// in the setting's byte and the next one.
inline constexpr int TrybZakresu = 1;
inline constexpr int TrybKodu = 2;
void ZapiszNastawe(TSterownik& s, int indeks, int wartosc, int tryb);
