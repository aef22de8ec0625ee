#pragma once

#include <QColor>

// Readability of text on a background by the WCAG 2 contrast ratio.
namespace Kontrast {
// Body text needs at least this ratio to its background.
inline constexpr double Minimalny = 4.5;

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double Luminancja(const QColor& kolor);
// A background on which white reads better than black.
bool Ciemny(const QColor& tlo);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double Stosunek(const QColor& a, const QColor& b);
// The text colour itself when it reaches the ratio on the background; otherwise the same
// hue mixed with black or white (whichever side the background leaves more room on) just far
// enough to reach it.
QColor Czytelny(const QColor& tekst, const QColor& tlo, double prog = Minimalny);
} // namespace Kontrast
