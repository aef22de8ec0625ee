#pragma once

#include "Silnik.h"

#include <QByteArray>

// What one ECU knows about its own trouble codes for service 01.
struct TDiagnostyka {
    int zapisane = 0;             // stored codes; the warning lamp is on while any are
    double odSkasowania = 0;      // s since the codes were last cleared
    double drogaOdSkasowania = 0; // km since then
    int rozgrzania = 0;           // warm-ups since then
    quint32 gotowosc = 0;         // bytes B C D of PID 01 once the monitors have run
};

// Spark ignition; misfire, fuel system, components, catalyst, evaporative system, oxygen
// sensor, its heater and EGR supported; all complete but the evaporative system: 7 of 8.
constexpr quint32 DomyslnaGotowosc = 0x07E504;

// The data bytes of a service 01 PID (without the 41 and the PID), SAE J1979 scaling;
// empty for a PID this model does not compute. The bitmap PIDs are not handled here.
QByteArray DanePid(int pid, const TStanSilnika& s, const TDiagnostyka& d);
