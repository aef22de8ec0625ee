#pragma once

#include "Bajty.h"

#include <initializer_list>
#include <utility>

// What a block's start content depends on.
struct TKonfiguracjaBlokow {
    unsigned godzinyGazu = 0; // for the service reminder
    int plytka = 3;           // board generation; 3 and later have two banks
    int kanaly = 4;           // injection channels
};

// Contents of the blocks: the factory state, and the state of a controller that an
// installer has set up and that has driven for a while.
namespace BlokiPoczatkowe {

// Factory content of a block (settings with a valid checksum).
TBajty Fabryczny(unsigned bit);
// Content at start: factory settings with an installer's changes, shaped curves, a short
// history; the maps start empty and fill while the engine runs.
TBajty Blok(unsigned bit, const TKonfiguracjaBlokow& konfiguracja);

// Correction curve: table number, up to eight (x, y) points, 128 from byte 50 on.
TBajty Korekta(std::uint8_t numer, std::initializer_list<std::pair<int, int>> punkty);

} // namespace BlokiPoczatkowe
