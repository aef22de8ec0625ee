#pragma once

#include "Bajty.h"
#include "Nauka.h"

#include <optional>
#include <vector>

// The controller's OBD module: its identity, the car's trouble codes it reads, and the OBD
// values the tool hands over with the 0x94 polls, which it reports back in its state frames
// (0x70) and which the controller learns its OBD maps from. Its settings block is kept in
// the controller's memory (bit 24).
class TModulObd {
public:
    // Values count as current for this long after the last 0x94, real seconds.
    static constexpr double WaznoscTrymow = 3.0;

    TModulObd();

    void Przyjmij(const TTrymyObd& trymy, double czas);
    std::optional<TTrymyObd> Trymy(double czas) const;

    // Payload of the identity reply 0x71 (frame bytes 4..79).
    TBajty Tozsamosc(std::uint8_t nonce) const;
    // Payload of the trouble-code reply 0x76: count, then each code high byte first.
    TBajty KodyUsterek(std::uint8_t nonce) const;
    void KasujKody() { kody.clear(); }
    // Payload of a state frame 0x70: frame bytes 6..41 are the module's 36-byte state.
    TBajty Stan(double lambda1, double lambda2, double czas) const;

private:
    TTrymyObd trymy{};
    double czasTrymow = -1e9;
    std::vector<unsigned> kody;
};
