#pragma once

#include "Bledy.h"
#include "KomunikatyBoczne.h"
#include "ModulObd.h"
#include "Nauka.h"
#include "Paliwo.h"
#include "Pamiec.h"
#include "Silnik.h"
#include "Tozsamosc.h"
#include "UkladGazowy.h"
#include "Wtrysk.h"

#include <random>

struct TOpcjeModelu {
    TPlanSilnika plan;
    double zbiornik = 60.0;   // tank level at start, percent
    bool nauka = true;        // maps and adaptation learn while driving
    bool liczniki = true;     // the operating-time counters run while the engine turns
    int celKalibracji = -1;   // the calibration scenario's setting 90; -1 = the ECU's own trim
    double czynnikGazu = 1.0; // gas delivered off by this factor
};

// The car with its gas system and the controller's own logic, advanced by model time, and
// the live frame the controller answers a poll with.
class TModel {
public:
    // The live frame is 92 bytes: header, values up to the eighth channel's gas time at 90..91.
    static constexpr std::size_t DlugoscLadunku = 88;

    TModel(const TOpcjeModelu& opcje, TPamiecSterownika& pamiec, TTozsamosc& tozsamosc,
           TBledy& bledy, const TModulObd* modul, std::mt19937& losowanie);

    // Advances the model by dt model seconds; teraz is the real time in seconds.
    void Krok(double dt, double teraz);
    // A poll with the calibration flag arrived: the driver keeps the engine at idle.
    void Kalibracja(double teraz) { ostatniaKalibracja = teraz; }

    TPaliwo& Paliwo() { return paliwo; }
    TWtrysk& Wtrysk() { return wtrysk; }
    TKomunikatyBoczne& Komunikaty() { return komunikaty; }
    const TStanSilnika& Silnik() const { return silnik.Stan(); }
    double Czas() const { return czas; }

    // Payload of the live reply (frame bytes 4..91); takes the next side message.
    TBajty RamkaBiezaca(std::uint8_t nonce, double teraz);

private:
    void KrokCzastkowy(double dt, double teraz);
    void Nastawy(TProgiPaliwa& progi) const;
    int Flagi(double teraz) const;
    int LampaTrybu() const;
    void Wartosci(TBajty& b) const;
    void Serwisowe(TBajty& b, const TCzasyWtrysku& czasy) const;
    void CzasyKanalow(TBajty& b, const TCzasyWtrysku& czasy) const;

    TPamiecSterownika& pamiec;
    TTozsamosc& tozsamosc;
    TBledy& bledy;
    const TModulObd* modul;
    TSilnik silnik;
    TUkladGazowy uklad;
    TPaliwo paliwo;
    TWtrysk wtrysk;
    TKomunikatyBoczne komunikaty;
    TNauka nauka;
    double czas = 0;
    double ostatniaKalibracja = -1e9;
    bool liczniki;
};
