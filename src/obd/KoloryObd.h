#pragma once

#include "Kolor.h"

// Colours of the OBD reader's log, grid and trouble-code panel.
namespace KoloryObd {
inline constexpr TKolor Komenda{0xFF00FF};        // commands sent, CAN code data
inline constexpr TKolor Odpowiedz{0x0000FF};      // answers received
inline constexpr TKolor Wynik{0x008000};          // results, headings, selected PIDs
inline constexpr TKolor Blad{0xFF0000};           // failures, trouble codes
inline constexpr TKolor Postep{0x000000};         // progress messages
inline constexpr TKolor Test{0x808080};           // self-test labels
inline constexpr TKolor Nieobslugiwany{0xC0C0C0}; // PIDs the ECU does not offer
} // namespace KoloryObd
