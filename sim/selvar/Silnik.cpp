#include "Silnik.h"

#include "Przebieg.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// First-order approach of x to its target over dt with time constant tau.
double Zbliz(double x, double cel, double dt, double tau) {
    return cel + (x - cel) * std::exp(-dt / tau);
}

constexpr double TemperaturaPracy = 90.0;

} // namespace

TSilnik::TSilnik(const TPlanSilnika& p, std::mt19937& losowanie) : plan(p), los(losowanie) {
    const double poczatek = plan.cieply ? 75.0 : plan.otoczenie;
    stan.tCieczy = stan.tReduktora = poczatek;
    stan.tGazu = plan.otoczenie + (poczatek - plan.otoczenie) * 0.4;
    stan.tSterownika = poczatek;
    stan.podcisnienie = 1.0;
}

double TSilnik::Szum(double amplituda) {
    return std::uniform_real_distribution<double>(-amplituda, amplituda)(los);
}

void TSilnik::Krok(double t, double dt, bool trzymajJalowe) {
    Zaplon(t);
    if (stan.zaplon) stan.czasOdZaplonu += dt;
    if (stan.pracuje) stan.czasPracy += dt;
    Temperatury(dt);
    Ruch(dt, trzymajJalowe);
    Mieszanka(t);
}

void TSilnik::Zaplon(double t) {
    const bool klucz = plan.zaplonPo >= 0 && t >= plan.zaplonPo &&
                       (plan.wylaczeniePo < 0 || t < plan.wylaczeniePo);
    if (klucz && !stan.zaplon) {
        stan.czasOdZaplonu = 0;
        czasRozruchu = 0;
    }
    stan.zaplon = klucz;
    if (!klucz) {
        stan.pracuje = false;
        stan.czasPracy = 0;
        return;
    }
    const double poKluczu = stan.czasOdZaplonu;
    if (!stan.pracuje && poKluczu >= Zasysanie + Rozruch) stan.pracuje = true;
}

void TSilnik::Temperatury(double dt) {
    if (stan.pracuje) {
        stan.tCieczy = Zbliz(stan.tCieczy, TemperaturaPracy, dt, 90.0);
    } else {
        stan.tCieczy = Zbliz(stan.tCieczy, plan.otoczenie, dt, 1200.0);
    }
    // The reducer is heated by the coolant; the gas leaves it at part of that warmth.
    stan.tReduktora = Zbliz(stan.tReduktora, stan.tCieczy, dt, 15.0);
    stan.tGazu =
        Zbliz(stan.tGazu, plan.otoczenie + 0.4 * (stan.tReduktora - plan.otoczenie), dt, 30.0);
    stan.tSterownika = Zbliz(
        stan.tSterownika, plan.otoczenie + 12.0 + 0.1 * (stan.tCieczy - plan.otoczenie), dt, 120.0);
}

void TSilnik::Ruch(double dt, bool trzymajJalowe) {
    const bool rozruch = stan.zaplon && !stan.pracuje && stan.czasOdZaplonu >= Zasysanie;
    if (rozruch) {
        stan.obroty = 220 + Szum(40);
        stan.podcisnienie = 0.95;
    } else if (stan.pracuje) {
        const double zimno = std::clamp((50.0 - stan.tCieczy) / 40.0, 0.0, 1.0);
        const double jalowe = 800 + 350 * zimno;
        const TPunktJazdy cel =
            trzymajJalowe ? TPunktJazdy{jalowe, 0.30} : Przebieg::Punkt(stan.czasPracy, jalowe);
        stan.obroty = std::max(0.0, Zbliz(stan.obroty, cel.obroty, dt, 0.5) + Szum(8));
        stan.podcisnienie =
            std::clamp(Zbliz(stan.podcisnienie, cel.podcisnienie, dt, 0.3) + Szum(0.004), 0.1, 1.0);
    } else {
        stan.obroty = Zbliz(stan.obroty, 0, dt, 0.3);
        if (stan.obroty < 50) stan.obroty = 0;
        stan.podcisnienie = Zbliz(stan.podcisnienie, 1.0, dt, 1.0);
    }
    stan.obraca = stan.obroty > 0;
    stan.napiecie = !stan.zaplon   ? 12.4
                    : rozruch      ? 9.8 + Szum(0.2)
                    : stan.pracuje ? 14.1 + Szum(0.05)
                                   : 12.2;
}

void TSilnik::Mieszanka(double t) {
    const bool rozruch = stan.zaplon && !stan.pracuje && stan.obraca;
    stan.odciecie = stan.pracuje && stan.podcisnienie < 0.22 && stan.obroty > 1400;
    if (rozruch) {
        stan.czasBenzyny = 6.0;
    } else if (!stan.pracuje || stan.odciecie) {
        stan.czasBenzyny = 0;
    } else {
        const double zimno = std::clamp((50.0 - stan.tCieczy) / 40.0, 0.0, 1.0);
        const double napelnienie = 0.92 + 0.08 * std::min(1.0, stan.obroty / 3000.0);
        stan.czasBenzyny = 1.0 + 10.5 * std::max(0.0, stan.podcisnienie - 0.15) / 0.85 *
                                     napelnienie * (1 + 0.25 * zimno);
    }
    // Closed loop swings the narrow-band sensors around 0.45 V; rich at full load, lean on
    // overrun, steady while the engine is cold.
    const double faza = 2 * std::numbers::pi * 1.2 * t;
    if (!stan.pracuje) {
        stan.lambda1 = stan.lambda2 = stan.zaplon ? 0.45 : 0;
    } else if (stan.odciecie) {
        stan.lambda1 = stan.lambda2 = 0.05;
    } else if (stan.podcisnienie > 0.85) {
        stan.lambda1 = stan.lambda2 = 0.85;
    } else if (stan.tCieczy < 30) {
        stan.lambda1 = stan.lambda2 = 0.45;
    } else {
        stan.lambda1 = 0.45 + 0.35 * std::sin(faza);
        stan.lambda2 = 0.45 + 0.35 * std::sin(faza + 1.3);
    }
}
