#pragma once

#include "Paliwo.h"
#include "Pamiec.h"
#include "Silnik.h"
#include "Tozsamosc.h"

#include <array>

// Petrol and gas injection time of every channel, ms; 0 = the injector does not fire.
struct TCzasyWtrysku {
    std::array<double, 8> benzyna{};
    std::array<double, 8> gaz{};
};

// The operating cell of the 16 x 16 tables: RPM index r and load index l (cell 16 r + l).
struct TKomorka {
    int r = 0, l = 0;
    int Indeks() const { return 16 * r + l; }
};

// Petrol times as the car's ECU gives them, and the gas times the controller makes from
// them: for channel c of bank b (bank 2 on boards of generation 3 for the channels of
// setting 30), with p its petrol time and P = p in 0.1 ms (at most 255),
//   gas = p x Mnoznik_b[P] / 100 x KorOdObr_b[cell] / 100 x A_b / 128
//         + (setting 216 + c - 128) x 0.025 ms + (setting 90|92 - 128) x 0.02 ms
//         + (I_b - 128) x 0.01 ms
// with A_b the learned multiplier adaptation (identity 67|69) and I_b the learned idle
// adaptation (identity 66|68); half of that in mix. On gas the ECU trims its petrol time
// until the gas delivered meets what the engine needs, as a real ECU's fuel trim does.
class TWtrysk {
public:
    TWtrysk(const TPamiecSterownika& pamiec, const TTozsamosc& tozsamosc);

    void UstawMaske(std::uint8_t maska) { maskaWtryskiwaczy = maska; }
    // With a target, the ECU's petrol time on gas follows setting 90 or 92 directly
    // instead of its own trim, so a calibration has a known answer.
    void UstawCelKalibracji(int cel) { celKalibracji = cel; }
    // Gas delivered times this factor, as from a multiplier that is off by it: the ECU's trim
    // on gas then makes up for it, and the gas map learns the trimmed petrol times.
    void UstawCzynnikGazu(double czynnik) { czynnikGazu = czynnik; }
    std::uint8_t Maska() const { return maskaWtryskiwaczy; }
    double KorektaEcu() const { return korektaEcu; }

    TKomorka Komorka(const TStanSilnika& silnik) const;
    TCzasyWtrysku Czasy(const TStanSilnika& silnik, const TPaliwo& paliwo) const;
    void Krok(double dt, const TStanSilnika& silnik, const TPaliwo& paliwo);

    double CzasGazu(int kanal, double benzyna, const TKomorka& komorka) const;
    // Petrol time of a channel on gas in the calibration scenario, ms.
    double BenzynaScenariusza(int kanal, double benzyna) const;

private:
    int Bank(int kanal) const;
    bool NaGazie(int kanal, const TPaliwo& paliwo) const;

    const TPamiecSterownika& pamiec;
    const TTozsamosc& tozsamosc;
    std::uint8_t maskaWtryskiwaczy = 0xFF;
    double korektaEcu = 0; // fraction added to the ECU's petrol time
    int celKalibracji = -1;
    double czynnikGazu = 1.0;
};
