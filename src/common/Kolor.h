#pragma once

#include <cstdint>

// A colour as plain 0xRRGGBB; the core never touches QColor.
struct TKolor {
    std::uint32_t rgb = 0;

    constexpr int R() const { return int((rgb >> 16) & 0xFF); }
    constexpr int G() const { return int((rgb >> 8) & 0xFF); }
    constexpr int B() const { return int(rgb & 0xFF); }
    friend constexpr bool operator==(TKolor, TKolor) = default;
};

// Colours of the transmission log.
namespace Kolory {
inline constexpr TKolor Srebrny{0xC0C0C0};   // request descriptions, state notices
inline constexpr TKolor Bordowy{0x800000};   // frames sent
inline constexpr TKolor Niebieski{0x0000FF}; // frames received
inline constexpr TKolor Czerwony{0xFF0000};  // errors
inline constexpr TKolor Czarny{0x000000};    // notices
} // namespace Kolory
