#pragma once

#include <QList>

#include <cstdint>

// Readiness of the on-board monitors from the four bytes A B C D of PID 01 (since the codes
// were cleared) or PID 41 (this drive cycle), as SAE J1979 lays them out: A the warning lamp
// and the confirmed-code count; B the three continuous monitors (bits 0-2 supported, bits
// 4-6 not complete) and bit 3 the ignition type; C and D the monitors of that ignition type
// (C supported, D not complete). On PID 41 A is not used and supported reads as enabled in
// this drive cycle.

enum class TStanMonitora { Gotowy, NieGotowy, Nieobslugiwany };

struct TMonitor {
    const char* klucz; // stable English name, e.g. "catalyst"
    int tekst;         // its name in the text table
    TStanMonitora stan;
};

struct TGotowosc {
    bool mil = false;
    int kody = 0;                  // confirmed codes
    bool zaplonSamoczynny = false; // compression ignition (diesel)
    QList<TMonitor> monitory;      // every monitor of this ignition type, supported or not

    int Obslugiwane() const;
    int Gotowe() const;
};

TGotowosc DekodujGotowosc(std::uint32_t abcd);

// The state of a monitor for scripts: "ready", "not ready", "not supported".
const char* KluczStanu(TStanMonitora stan);
// The same for the user, as a text id of the text table.
int TekstStanu(TStanMonitora stan);
