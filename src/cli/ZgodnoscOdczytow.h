#pragma once

#include <QByteArray>
#include <QList>

// When two reads of one block count as the same content. A controller is free to put
// anything in a reply's frame byte 4 (and its checksum byte 1 follows), its operating-time
// counters run while the engine turns, and it learns map cells and adaptation bytes while
// driving, telling each change in a live frame. Keys name blocks by their mask bit index;
// the identity reply has a key of its own.
namespace ZgodnoscOdczytow {

inline constexpr int Identyfikacja = -1;

// A read as it arrived: its bytes, when (ms since the first one) and its place among the
// replies.
struct TOdczyt {
    QByteArray bajty;
    qint64 ms = 0;
    int numer = 0;
};

// A change the controller reported in a live frame: a learned map cell (pozycja 0..255 of
// the block) or an adaptation byte (pozycja 66..69 of the identity).
struct TZgloszenie {
    int klucz = 0;
    int pozycja = 0;
    unsigned char wartosc = 0;
    int numer = 0; // the live frame's place among the replies
};

// The changes a plain live frame reports: one map cell, two adaptation bytes, or none.
QList<TZgloszenie> ZgloszeniaRamki(const unsigned char* ramka, int numer);

// pozycja of klucz was reported taking wartosc in a reply after the one numbered od.
bool Zgloszona(const QList<TZgloszenie>& zgloszenia, int klucz, int pozycja, unsigned char wartosc,
               int od);

// Read b, later than a, holds what a held: byte for byte, but for the reply bytes the
// controller may choose, counters that moved forward no faster than the time between the
// reads, and cells reported taking b's value since a.
bool Zgodne(int klucz, const TOdczyt& a, const TOdczyt& b, const QList<TZgloszenie>& zgloszenia);

} // namespace ZgodnoscOdczytow
