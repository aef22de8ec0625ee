#include "Silnik.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Cykl = 40.0;
constexpr double Pi = 3.14159265358979;

double Gladko(double od, double doo, double x) {
    const double u = std::clamp(x, 0.0, 1.0);
    return od + (doo - od) * u * u * (3 - 2 * u);
}

struct TFaza {
    double obroty, predkosc, przepustnica, obciazenie;
};

// Idle 0-10 s, acceleration 10-18 s, cruise 18-30 s, deceleration with fuel cut 30-40 s.
TFaza Jazda(double t) {
    const double f = std::fmod(t, Cykl);
    if (f < 10) return {780, 0, 12, 22};
    if (f < 18) return {Gladko(780, 3200, (f - 10) / 8), Gladko(0, 72, (f - 10) / 8), 45, 72};
    if (f < 30) return {Gladko(3200, 2100, (f - 18) / 2), 72, 22, 38};
    return {Gladko(2100, 780, (f - 30) / 10), Gladko(72, 0, (f - 30) / 10), 0, 14};
}

bool Hamowanie(double t) {
    return std::fmod(t, Cykl) >= 30;
}

} // namespace

double TSilnik::Szum(double amplituda) {
    std::uniform_real_distribution<double> r(-amplituda, amplituda);
    return r(los);
}

TStanSilnika TSilnik::Stan(double czas) {
    const TFaza j = Jazda(czas);
    TStanSilnika s;
    s.czas = czas;
    s.obroty = std::max(0.0, j.obroty + Szum(15));
    s.predkosc = j.predkosc;
    s.przepustnica = std::clamp(j.przepustnica + Szum(0.5), 0.0, 100.0);
    s.obciazenie = std::clamp(j.obciazenie + Szum(1), 0.0, 100.0);
    s.cisnienie = 28 + s.obciazenie * 0.7;
    s.przeplyw = s.obroty * s.obciazenie / 2400;
    s.wyprzedzenie = 10 + s.obroty / 300 - s.obciazenie / 10;
    s.plyn = 90 - 55 * std::exp(-czas / 120);
    s.powietrze = 28 + Szum(0.4);
    s.napiecie = 14.0 + 0.2 * std::sin(czas / 7) + Szum(0.05);
    droga += std::max(0.0, czas - ostatniCzas) * s.predkosc / 3600;
    ostatniCzas = std::max(ostatniCzas, czas);
    s.droga = droga;
    Mieszanka(s);
    return s;
}

// Open loop while cold, at full load and in the fuel cut; otherwise the short trims swing
// around the learnt long trims and the upstream sensors switch rich and lean.
void TSilnik::Mieszanka(TStanSilnika& s) {
    const double t = s.czas;
    if (s.plyn < 40)
        s.ukladPaliwa = 1;
    else if (s.obciazenie > 65 || Hamowanie(t))
        s.ukladPaliwa = 4;
    else
        s.ukladPaliwa = 2;
    s.korektaDluga[0] = 3.1 + 0.5 * std::sin(t / 50);
    s.korektaDluga[1] = -1.6 + 0.4 * std::sin(t / 43);
    const bool petla = s.ukladPaliwa == 2;
    for (int b = 0; b < 2; ++b) {
        const double faza = 2 * Pi * t / (1.3 + 0.4 * b) + b;
        const bool bogata = std::sin(faza) > 0;
        s.korektaKrotka[b] = petla ? 5 * std::sin(faza + 0.5) + Szum(0.8) : 0;
        if (petla)
            s.sonda[b] = (bogata ? 0.80 : 0.12) + Szum(0.03);
        else
            s.sonda[b] = Hamowanie(t) ? 0.05 : 0.45;
        s.sondaZa[b] = 0.62 + Szum(0.02);
    }
}
