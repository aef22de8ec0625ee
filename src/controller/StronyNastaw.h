#pragma once

#include <array>
#include <vector>

// Where the settings editor shows each setting: the pages and their two-column cell maps.
// A cell holds a setting index (1..303) or one of the markers below.
namespace Komorki {
inline constexpr int Pusta = -1;
inline constexpr int RamkaSilnika = -2;      // top of the full-width frame
inline constexpr int RamkaWtryskiwaczy = -3; // tops of column frames
inline constexpr int RamkaCzujnikow = -4;
inline constexpr int RamkaNaGaz = -5;
inline constexpr int RamkaNaBenzyne = -6;
inline constexpr int DolCalej = -7;   // bottom of the full-width frame
inline constexpr int DolKolumny = -8; // bottom of a column frame
inline constexpr int Przyciski = -10; // injector corrections | calculator
} // namespace Komorki

namespace Strony {
inline constexpr int Glowna = 0;     // the Settings tab
inline constexpr int Kalibracja = 1; // strip under the Calibration tab
inline constexpr int Mapa = 20;      // strip under the multiplier chart
inline constexpr int Obd = 50;       // OBD module
inline constexpr int ObdSterownik = 51;
} // namespace Strony

using TWierszStrony = std::array<int, 2>;
using TMapaStrony = std::vector<TWierszStrony>;

// The cell map of a page; page 0 depends on the view level (0..2) and the board.
// An unknown page gives an empty map.
TMapaStrony MapaStrony(int strona, int poziom, bool plytkaV3);

// Text id of a frame's title, 0 for cells without one.
int TytulRamki(int komorka);
