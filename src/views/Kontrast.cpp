#include "Kontrast.h"

#include <cmath>

namespace {

double Liniowy(int kanal) {
    const double c = kanal / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// k of 255 steps of the way from c to the target channel value.
int Mieszaj(int c, int cel, int k) {
    return c + int(std::lround((cel - c) * k / 255.0));
}

} // namespace

double Kontrast::Luminancja(const QColor& kolor) {
    return 0.2126 * Liniowy(kolor.red()) + 0.7152 * Liniowy(kolor.green()) +
           0.0722 * Liniowy(kolor.blue());
}

double Kontrast::Stosunek(const QColor& a, const QColor& b) {
    const double la = Luminancja(a), lb = Luminancja(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool Kontrast::Ciemny(const QColor& tlo) {
    return Stosunek(Qt::white, tlo) > Stosunek(Qt::black, tlo);
}

QColor Kontrast::Czytelny(const QColor& tekst, const QColor& tlo, double prog) {
    if (Stosunek(tekst, tlo) >= prog) return tekst;
    const int cel = Ciemny(tlo) ? 255 : 0;
    QColor c = tekst;
    for (int k = 1; k <= 255; ++k) {
        c = QColor(Mieszaj(tekst.red(), cel, k), Mieszaj(tekst.green(), cel, k),
                   Mieszaj(tekst.blue(), cel, k));
        if (Stosunek(c, tlo) >= prog) break;
    }
    return c;
}
