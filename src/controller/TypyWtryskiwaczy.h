#pragma once

#include <array>

// Gas injector types of setting 24 and the four parameters each stores in settings 25..28.
struct TTypWtryskiwacza {
    const char* Nazwa;
    std::array<int, 4> Parametry;
};

inline constexpr int LiczbaTypowWtryskiwaczy = 27; // value 0 has no name
extern const std::array<TTypWtryskiwacza, LiczbaTypowWtryskiwaczy> TypyWtryskiwaczy;
