#pragma once

#include "Kolor.h"

// One live value: where it sits in the live frame, how it is read and scaled, and how
// the grids, the charts and the oscilloscope show it.
struct TWykres {
    int Tekst = 0;     // name text id; 1400..1432: the next id is the short name; < 0 service row
    int Jednostka = 0; // unit text id, 0 none
    int Pozycja = 0;   // byte position in the live frame
    int Typ = 0;       // how the raw value is read (TypyWartosci)
    double Skala = 1;
    int Miejsca = 0; // decimals: 0 general form, 1, 2, 3 or more
    TKolor Kolor;
    double Wzmocnienie = 1;   // vertical gain in the oscilloscope
    int Widoki = 0;           // views that list it (Widoki bits)
    int EtykietaY = 0;        // label y in the oscilloscope's last drawing; the oscilloscope's own
    double Ostatnia = 0.0001; // last value shown; a different value means "redraw"
};

namespace TypyWartosci {
// 0..7: bit n of the byte.
inline constexpr int Bajt = 10;
inline constexpr int Slowo = 11;              // u16, little-endian
inline constexpr int CzasSterownika = 12;     // from settings 89 and 90
inline constexpr int DwaBajty = 13;           // bytes 38 and 39, x 0.1 each
inline constexpr int BajtZPrzesunieciem = 20; // byte - 128
inline constexpr int Kelwiny = 21;            // u16 - 273
inline constexpr int KorektaObd = 22;         // 0 = not available, else (v - 128) x 100 / 128
inline constexpr int SystemPaliwa = 23;       // OBD fuel system status
inline constexpr int Afr = 24;                // wide-band voltage as AFR
} // namespace TypyWartosci

namespace Widoki {
inline constexpr int Listy = 1; // chart and trace lists
inline constexpr int TabelaParametrow = 2;
inline constexpr int Serwisowe = 4;
inline constexpr int Oscyloskop = 16;
inline constexpr int SiatkaParametrow = 32;
inline constexpr int CzasyWtrysku = 64;
} // namespace Widoki
