#pragma once

#include "Bajty.h"

#include <array>
#include <functional>
#include <utility>
#include <vector>

// The controller's error list: 56 error sources in frame bytes 6..12 (one active bit each)
// with a stored counter each in frame bytes 13..68, counter of source (byte, bit) at
// 13 + 8 (byte - 6) + bit.
class TBledy {
public:
    static constexpr int PierwszyBajt = 6;
    static constexpr int LiczbaBajtow = 7;
    // Error reply payload: frame bytes 4..69 (69 is padding).
    static constexpr std::size_t DlugoscLadunku = 66;

    TBledy();

    // Faults that stay active until the simulator ends (given as frame byte and bit).
    void UstawStale(std::vector<std::pair<int, int>> stale);
    // State of a monitored source; becoming active counts one occurrence.
    void Zglos(int bajt, int bit, bool aktywny);
    // Erases active bits and counters; the standing faults come back at the next check.
    void Kasuj();
    // Re-raises the standing faults; called regularly by the engine model.
    void Sprawdz();

    bool SaAktywne() const;
    bool SaZapisane() const;
    TBajty Ladunek(std::uint8_t nonce) const;

    // Called when a new occurrence has been stored.
    std::function<void()> PoZapisie;

private:
    static std::size_t Licznik(int bajt, int bit) {
        return static_cast<std::size_t>(8 * (bajt - 6) + bit);
    }

    std::array<std::uint8_t, LiczbaBajtow> aktywne{};
    std::array<std::uint8_t, 8 * LiczbaBajtow> liczniki{};
    std::vector<std::pair<int, int>> staleBledy;
};
