#include "TabliceStale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace TabliceStale {

namespace {

constexpr double Zero = 273.15; // K at 0 °C

int Zaokraglij(double v, int min, int max) {
    return std::clamp(int(std::lround(v)), min, max);
}

std::array<int, 512> TablicaCisnienia() {
    // Injected gas mass grows with the absolute pressure, so the time needs the inverse:
    // 128 x (p_ref / p)^1.01 with p = index + 0.2 and p_ref = 139.7, limited to 35..255.
    std::array<int, 512> t{};
    for (int i = 0; i < 512; ++i)
        t[i] = Zaokraglij(128.0 * std::pow(139.7 / (i + 0.2), 1.01), 35, 255);
    return t;
}

std::array<int, 256> TablicaTemperatury() {
    // No correction between 31 and 48 °C; above, ideal-gas density (T / T_ref); below, the
    // cold reducer gives a steeper curve (exponent 2.21), down to 65.
    constexpr double Dolna = 31 + Zero, Gorna = 48 + Zero;
    std::array<int, 256> t{};
    for (int i = 0; i < 256; ++i) {
        const double T = i - 128 + Zero;
        double k = 128;
        if (T > Gorna) k = 128 * (T / Gorna);
        if (T < Dolna) k = 128 * std::pow(T / Dolna, 2.21);
        t[i] = Zaokraglij(k, 65, 255);
    }
    return t;
}

// An NTC thermistor (beta model) against a pull-up on an 8-bit input: reading =
// 255 x R / (R + Rp). Beta and Rp are chosen so that the reading `goraca` + 0.5 is 126.5 °C
// and the reading `zimna` is -40 °C; the sensor's nominal resistance then cancels out.
std::array<int, 256> TablicaTermistora(int goraca, int zimna) {
    const auto Iloraz = [](double odczyt) { return odczyt / (255 - odczyt); }; // R / Rp
    const double Tc = -40 + Zero, Th = 126.5 + Zero;
    const double qc = Iloraz(zimna), qh = Iloraz(goraca + 0.5);
    const double beta = std::log(qc / qh) / (1 / Tc - 1 / Th);
    std::array<int, 256> t{};
    for (int x = 0; x < 256; ++x) {
        if (x <= goraca)
            t[x] = 255;
        else if (x > zimna)
            t[x] = 0;
        else
            t[x] = Zaokraglij(1 / (1 / Tc + std::log(Iloraz(x) / qc) / beta) - Zero + 128, 88, 254);
    }
    return t;
}

template <std::size_t N> int Odczyt(const std::array<int, N>& t, int i) {
    return i >= 0 && i < int(N) ? t[std::size_t(i)] : -1;
}

} // namespace

int KorOdCis(int pozycja) {
    static const auto t = TablicaCisnienia();
    return Odczyt(t, pozycja);
}

int KorOdTempGazu(int pozycja) {
    static const auto t = TablicaTemperatury();
    return Odczyt(t, pozycja);
}

int Termistor2k2(int odczyt) {
    static const auto t = TablicaTermistora(4, 237);
    return Odczyt(t, odczyt);
}

int Termistor4k7(int odczyt) {
    static const auto t = TablicaTermistora(8, 243);
    return Odczyt(t, odczyt);
}

int Termistor6k8(int odczyt) {
    static const auto t = TablicaTermistora(12, 245);
    return Odczyt(t, odczyt);
}

int Termistor10k(int odczyt) {
    static const auto t = TablicaTermistora(16, 249);
    return Odczyt(t, odczyt);
}

} // namespace TabliceStale
