#pragma once

#include <QPointF>

#include <array>
#include <vector>

// Least-squares polynomial y = a0 + a1 x (+ a2 x^2) through points, for the fitted curves
// of the multiplier chart.
using TWspolczynniki = std::array<double, 3>; // a0, a1, a2; unused degrees are 0

TWspolczynniki Dopasuj(const std::vector<QPointF>& punkty, int stopien);

// Degree of the fit for a number of points: none (0) below 3, a line up to 8, a parabola.
int StopienDopasowania(int punktow);

inline double Wielomian(const TWspolczynniki& a, double x) {
    return a[0] + a[1] * x + a[2] * x * x;
}
