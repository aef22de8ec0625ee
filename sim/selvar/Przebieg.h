#pragma once

// The road the simulated car drives: RPM and manifold pressure over time, repeating.
struct TPunktJazdy {
    double obroty;       // rpm; 0 = idle speed of the moment
    double podcisnienie; // manifold absolute pressure, bar
};

namespace Przebieg {

// Idle after the start before the first drive-off, seconds.
constexpr double PostojPoStarcie = 10.0;
// Length of one driving cycle, seconds.
constexpr double DlugoscCyklu = 60.0;

// Operating point t seconds after the engine started, with the given idle speed.
TPunktJazdy Punkt(double t, double obrotyJalowe);

} // namespace Przebieg
