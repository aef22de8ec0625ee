#pragma once

#include "Bajty.h"

#include <array>
#include <string>

struct TData {
    int rok = 0, miesiac = 0, dzien = 0;
};

// What the identity reply says about the device; chosen on the command line.
struct TOpisUrzadzenia {
    int model = 2;  // 1 "SELVAR LITE+", 2 "SELVAR MAX+"
    int plytka = 3; // board generation
    int kanaly = 4; // injection channels 4, 6 or 8
    std::string kodKreskowy = "5901234000123456";
    std::array<int, 3> wersja{1, 4, 23}; // shown as a.b.c; c is the main number
    int beta = 0;
    TData dataWersji{2023, 6, 14};
    TData dataProdukcji{2022, 11, 3};
};

// The identity reply 0x81 and the values it carries that change: the operating-time
// counters and the learned adaptation bytes.
class TTozsamosc {
public:
    // Hardware identification that firmware images must match (frame positions 40 and 44).
    static constexpr std::uint8_t Sprzet40 = 0x21;
    static constexpr std::uint8_t Sprzet44 = 0x03;
    // The identity frame is 80 bytes: everything up to the counters at 70..77, padded.
    static constexpr std::size_t DlugoscLadunku = 76;

    TTozsamosc(const TOpisUrzadzenia& opis, unsigned godzinyBenzyny, unsigned godzinyGazu);

    const TOpisUrzadzenia& Opis() const { return opis; }
    // A new application: its version, beta number and date.
    void UstawWersje(const std::array<int, 3>& wersja, int beta, const TData& data) {
        opis.wersja = wersja;
        opis.beta = beta;
        opis.dataWersji = data;
    }
    void DodajCzasPracy(bool naGazie, double sekundy);
    double SekundyGazu() const { return sekundyGazu; }

    // Frame positions 66..69: idle and multiplier adaptation of banks 1 and 2, 128 = none.
    std::uint8_t Adaptacja(int pozycja) const { return adaptacja[pozycja - 66]; }
    void UstawAdaptacje(int pozycja, std::uint8_t wartosc) { adaptacja[pozycja - 66] = wartosc; }

    // Payload (frame bytes 4..79) with the given status: 0 application, 1 bootloader.
    TBajty Ladunek(std::uint8_t nonce, std::uint8_t status) const;

private:
    TOpisUrzadzenia opis;
    double sekundyBenzyny;
    double sekundyGazu;
    std::array<std::uint8_t, 4> adaptacja{128, 128, 128, 128};
};
