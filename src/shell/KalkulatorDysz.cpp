#include "KalkulatorDysz.h"

#include <QLocale>

#include <algorithm>
#include <array>

namespace {

// The list's "8" divides by 7.
constexpr std::array<int, 9> Dzielniki{1, 2, 3, 4, 5, 6, 7, 10, 12};
constexpr std::array<double, 14> PoprawkaA{0.40, 0.35, 0.30, 0.25,  0.20,  0.15,  0.10,
                                           0.05, 0.00, 0.00, -0.05, -0.05, -0.10, -0.10};
constexpr std::array<double, 14> PoprawkaB{0.15,  0.10,  0.00,  -0.05, -0.10, -0.15, -0.20,
                                           -0.20, -0.25, -0.25, -0.25, -0.30, -0.30, -0.30};

} // namespace

double SrednicaDyszy(const TDaneKalkulatora& d) {
    const double moc = d.kilowaty ? d.moc * KoniNaKilowat : d.moc;
    const double p = moc / Dzielniki[size_t(std::clamp(d.cylindry, 0, 8))];
    const size_t i = size_t(std::clamp(d.cisnienie, 0, 13));
    double s = d.model >= 1 && d.model <= 4 ? (0.3 * p + 14) * 0.1 + PoprawkaA[i]
                                            : 0.0625 * p + 0.2 + PoprawkaB[i];
    if (d.cng) s += 0.2;
    if (d.wtrysk == 1) s -= 0.1;
    if (d.wtrysk == 2) s -= 0.2;
    if (d.model == 1) s += 0.2;
    return s;
}

bool WynikJestKlasa(int model) {
    return model >= 8 && model <= 10;
}

QString WynikKalkulatora(const TDaneKalkulatora& d) {
    const double s = SrednicaDyszy(d);
    if (!WynikJestKlasa(d.model)) return QLocale().toString(s, 'f', 1);
    if (s < 2.0) return QStringLiteral("C black");
    if (s < 2.4) return QStringLiteral("B red");
    if (s < 3.0) return QStringLiteral("A green");
    return QStringLiteral("A+ blue");
}

int PozycjaCisnienia(int nastawa86) {
    return std::clamp(nastawa86 / 10 - 10, 0, 5);
}
