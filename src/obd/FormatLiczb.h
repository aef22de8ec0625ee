#pragma once

#include <QString>

// Numbers as the PID grid shows them, with the locale's decimal separator and no group
// separator.

// A fixed number of decimal places, halves away from zero, never "-0.0".
QString LiczbaStala(double x, int miejsca);

// The shortest form with up to 15 significant digits.
QString LiczbaOgolna(double x);
