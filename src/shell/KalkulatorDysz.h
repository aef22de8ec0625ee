#pragma once

#include <QString>

// The gas injector nozzle estimate of the injector calculator, as plain arithmetic.
struct TDaneKalkulatora {
    double moc = 100;      // as entered
    bool kilowaty = false; // the power unit list at "kW"
    int cylindry = 3;      // position in the cylinder list 1, 2, 3, 4, 5, 6, 8, 10, 12
    int cisnienie = 0;     // position in the pressure list 0.90 .. 2.20
    bool cng = false;
    int wtrysk = 0; // petrol injection type: 0 sequential, 1 semi-sequential, 2 full group
    int model = 1;  // gas injector model, setting 24's value
};

// The nozzle diameter in mm, for models with a nozzle.
double SrednicaDyszy(const TDaneKalkulatora& d);
// What the result box shows: the diameter with one decimal in the user's notation, or the
// class of models 8 to 10 ("A green" ...), which have no nozzle size.
QString WynikKalkulatora(const TDaneKalkulatora& d);
bool WynikJestKlasa(int model);
// Position in the pressure list for the working pressure setting (0.01 bar): 0.90 .. 1.40.
int PozycjaCisnienia(int nastawa86);

inline constexpr double KoniNaKilowat = 1.3596;
