#pragma once

#include "Silnik.h"

// Tank, solenoid valves and reducer: gas pressure above the manifold and the tank level.
class TUkladGazowy {
public:
    explicit TUkladGazowy(double poziomProcent) : poziom(poziomProcent) {}

    // Valves open or closed over dt; gasMs is the gas injection time per injection used.
    void Krok(double dt, bool zawory, const TStanSilnika& silnik, double gasMs);

    double Cisnienie() const { return cisnienie; } // bar above the manifold
    double Poziom() const { return poziom; }       // percent of the tank

    // Level sensor output in 0.02 V by the sensor type (setting 40): 90 Ohm sensors give
    // 0.08..0.96 V, 50 kOhm sensors 0.2..4.8 V; "falling" types run the other way.
    int NapiecieCzujnika(int typ) const;
    // Switch lamps (frame byte 13) from the sensor output and the four thresholds
    // (settings 41..44, from the top lamp down).
    static int Lampki(int typ, int napiecie, const int (&progi)[4]);

private:
    double cisnienie = 0.05;
    double poziom;
};
