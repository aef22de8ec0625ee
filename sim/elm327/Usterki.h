#pragma once

#include "Swobody.h"

// Ways in which real adapters and cars differ from the well-behaved ones, played on request.
struct TUsterki {
    enum class TKasowanie { Kasuje, BrakDanych, Odmowa };

    bool przeplot = false;   // the ECUs' CAN frames interleave on the bus
    bool zawszeCrLf = false; // LF after every CR from power-on, and ATL0 changes nothing
    TKasowanie kasowanie = TKasowanie::Kasuje; // service 04: cleared, NO DATA, or 7F 04 22
    bool zaplonWylaczony = false; // OBD requests answered only after the reader gave up
    TSwobody swobody;             // used by default, unlike the faults above

    static constexpr int OdpowiedzBezZaplonuMs = 4500;
};
