#pragma once

#include "Silnik.h"

#include <cstdint>
#include <functional>
#include <optional>

// Work modes of the controller (frame byte 10).
namespace Tryb {
constexpr int Benzyna = 0, Oczekiwanie = 2, Przelaczanie = 4, PrzelaczanieSzybkie = 5, Gaz = 6,
              Mix = 7;
} // namespace Tryb

// Reason codes of fuel-switch events (frame byte 7 after 0xF0). 1, 4 and 32 are the
// controller's documented ones; the others are this simulator's choice.
namespace Powod {
constexpr std::uint8_t RecznieBenzyna = 1;   // driver's button or tool: to petrol
constexpr std::uint8_t RecznieGaz = 2;       // driver's button or tool: to gas
constexpr std::uint8_t AutomatycznieGaz = 3; // switching conditions met
constexpr std::uint8_t UtrataObrotow = 4;    // RPM lost on gas: to petrol
constexpr std::uint8_t BrakCisnienia = 5;    // gas pressure low past the error time: to petrol
constexpr std::uint8_t MixCisnienie = 32;    // gas pressure below the minimum: to mix
} // namespace Powod

// Waiting reasons, group 10 (frame byte 6 = 10, bits in byte 7).
namespace Czekanie {
constexpr int Temperatura = 0x01; // reducer below the switching temperature (setting 51)
constexpr int Obroty = 0x02;      // RPM below the switching RPM (setting 50)
constexpr int PoZaplonie = 0x04;  // delay after ignition (setting 52)
constexpr int ZimnySilnik = 0x08; // extra delay after a cold start (setting 54)
constexpr int Cisnienie = 0x10;   // gas pressure below its minimum (setting 63)
constexpr int Zawor = 0x20;       // delay after the solenoid valve (setting 53)
} // namespace Czekanie

// The settings that rule the fuel changes, read from the settings block.
struct TProgiPaliwa {
    double obrotyGaz = 700;          // 50: x 10 rpm
    double temperaturaGaz = 40;      // 51: - 128 degrees C
    double poZaplonie = 6;           // 52: s
    double poZaworze = 2;            // 53: x 0.1 s
    double zimnySilnik = 10;         // 54: s
    double naCylinder = 1;           // 55: x 0.1 s
    int rodzajPrzelaczania = 0;      // 56: 0 in sequence, 1 two groups, 2 all at once
    double obrotyMin = 300;          // 60: x 10 rpm
    double cisnienieMin = 0.60;      // 63: x 0.01 bar
    double czasBleduCisnienia = 0.2; // 64: x 0.01 s
    int naBenzynie = 0;              // 31: gas injectors that stay off
};

// The controller's fuel logic: petrol, waiting for the switching conditions, switching
// channel by channel, gas, and mix or petrol when the gas pressure fails.
class TPaliwo {
public:
    explicit TPaliwo(int liczba) : liczbaKanalow(liczba) {}

    void Krok(double dt, const TStanSilnika& silnik, double cisnienieGazu,
              const TProgiPaliwa& progi);
    // The driver's button (0x84) or the fast change (0x85).
    void Przelacz(bool szybko);
    // The controller restarts (return from the bootloader): petrol, then the usual rules.
    void Restart();

    int TrybPracy() const { return tryb; }
    int KanalyNaGazie() const { return kanaly; } // bit c = channel c + 1 runs on gas
    bool Zawory() const { return zawory; }
    int PowodyCzekania() const { return powody; }

    std::function<void(std::uint8_t powod)> PoZmianie;

private:
    void Czekaj(double dt, const TStanSilnika& silnik, double cisnienie, const TProgiPaliwa& p);
    void Przelaczaj(double dt, const TProgiPaliwa& p);
    void PilnujGazu(double dt, const TStanSilnika& silnik, double cisnienie, const TProgiPaliwa& p);
    void NaBenzyne(std::uint8_t powod);
    void Zglos(std::uint8_t powod);
    int WszystkieKanaly(const TProgiPaliwa& p) const;

    int liczbaKanalow;
    int tryb = Tryb::Benzyna;
    int kanaly = 0;
    bool zawory = false;
    bool chceGaz = true;            // the switch stands on gas
    bool reczne = false;            // the coming switch to gas was asked for
    bool szybkie = false;           // ... and asked for as a fast change
    std::optional<bool> zimnyStart; // the reducer was below the switching temperature at start
    int powody = 0;
    double czasWarunkow = 0; // s the temperature/RPM/ignition conditions have held
    double czasZaworu = 0;   // s the valves have been open while waiting
    double czasPrzelaczania = 0;
    double czasNiskiego = 0; // s of low gas pressure in mix
};
