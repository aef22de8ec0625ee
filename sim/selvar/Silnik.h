#pragma once

#include <random>

// When the driver turns the key, and how the engine starts.
struct TPlanSilnika {
    double zaplonPo = 1.0;      // model seconds until ignition on; negative = never
    double wylaczeniePo = -1.0; // model seconds until ignition off; negative = never
    bool cieply = false;        // started hot (a short stop), otherwise at the ambient
    double otoczenie = 15.0;    // ambient temperature, degrees C
};

// What the controller's sensors see of the engine.
struct TStanSilnika {
    bool zaplon = false;       // ignition on
    bool obraca = false;       // the crankshaft turns (cranking or running)
    bool pracuje = false;      // running by itself
    bool odciecie = false;     // overrun fuel cut: the ECU injects nothing
    double obroty = 0;         // rpm
    double podcisnienie = 1.0; // manifold absolute pressure, bar
    double tCieczy = 15, tReduktora = 15, tGazu = 15, tSterownika = 15; // degrees C
    double napiecie = 12.4;                                             // supply, V
    double lambda1 = 0, lambda2 = 0; // narrow-band sensor voltages, V
    double czasBenzyny = 0;          // ECU petrol injection time per injection, ms
    double czasOdZaplonu = 0;        // s
    double czasPracy = 0;            // s since the engine runs by itself
};

// A petrol engine with its ECU, driven by time: key on, cranking, warm-up idle, driving
// cycles, overrun fuel cut, key off.
class TSilnik {
public:
    // Fuel pump priming between key on and cranking, and the cranking itself, seconds.
    static constexpr double Zasysanie = 2.0;
    static constexpr double Rozruch = 1.2;

    TSilnik(const TPlanSilnika& plan, std::mt19937& losowanie);

    // Advances by dt model seconds; trzymajJalowe keeps the car at idle (calibration).
    void Krok(double t, double dt, bool trzymajJalowe);
    const TStanSilnika& Stan() const { return stan; }

private:
    void Zaplon(double t);
    void Temperatury(double dt);
    void Ruch(double dt, bool trzymajJalowe);
    void Mieszanka(double t);
    double Szum(double amplituda);

    TPlanSilnika plan;
    std::mt19937& los;
    TStanSilnika stan;
    double czasRozruchu = 0;
};
