#pragma once

#include <QtGlobal>

#include <random>

// What the engine and the car are doing at one moment.
struct TStanSilnika {
    double czas = 0;              // s since the engine started
    double obroty = 0;            // rpm
    double predkosc = 0;          // km/h
    double obciazenie = 0;        // %
    double przepustnica = 0;      // %
    double cisnienie = 0;         // manifold absolute pressure, kPa
    double przeplyw = 0;          // air mass flow, g/s
    double wyprzedzenie = 0;      // ignition advance, degrees
    double plyn = 0;              // coolant, °C
    double powietrze = 0;         // intake air, °C
    double korektaKrotka[2] = {}; // short term fuel trim per bank, %
    double korektaDluga[2] = {};  // long term fuel trim per bank, %
    double sonda[2] = {};         // upstream oxygen sensor per bank, V
    double sondaZa[2] = {};       // downstream oxygen sensor per bank, V
    int ukladPaliwa = 1;          // fuel system status: 1 open loop, 2 closed, 4 open for load
    double napiecie = 0;          // supply voltage, V
    double droga = 0;             // km driven since start
};

// A car on a 40-second drive cycle (idle, acceleration, cruise, deceleration) warming up
// from cold; the fuel trims and oxygen sensors swing as a closed-loop mixture control does.
class TSilnik {
public:
    explicit TSilnik(quint32 ziarno) : los(ziarno) {}

    // Times must not go backwards; the distance is summed from call to call.
    TStanSilnika Stan(double czas);

private:
    double Szum(double amplituda);
    void Mieszanka(TStanSilnika& s);

    std::mt19937 los;
    double ostatniCzas = 0;
    double droga = 0;
};
