#pragma once

#include <QByteArray>

// The adapter's settings that ATZ, ATWS and ATD bring back to their power-on values.
struct TUstawienia {
    bool echo = true;                 // ATE
    bool konceLinii = false;          // ATL: LF after every CR
    bool naglowki = false;            // ATH
    bool spacje = true;               // ATS
    bool pamiec = true;               // ATM: a protocol found is kept for the next reset
    bool formatCan = true;            // ATCAF: PCI bytes added to requests, taken off answers
    bool dlugie = false;              // ATAL: messages over 7 data bytes allowed
    int adaptacja = 1;                // ATAT0..2: wait less than the time-out after the last answer
    int czasOczekiwaniaMs = 0x32 * 4; // ATST hh, in units of 4 ms

    QByteArray Eol() const {
        return konceLinii ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
    }
};
