#pragma once

#include "Bajty.h"

#include <random>
#include <vector>

struct TOpcjeZaklocen {
    double pomin = 0;        // share of valid requests left unanswered
    double znieksztalc = 0;  // share of replies with one bit flipped on the line
    bool dziel = false;      // replies in pieces with gaps of 1..5 ms
    bool tempoLinii = false; // replies at the pace of 38400 baud
    double ciszaPrzez = 0;   // no answers for the first seconds
};

// A piece of a reply and the pause before it, ms.
struct TKawalek {
    TBajty dane;
    int przerwaMs = 0;
};

// Line faults, repeatable from their seed: lost requests, corrupted and torn replies.
class TZaklocenia {
public:
    TZaklocenia(const TOpcjeZaklocen& opcje, unsigned ziarno);

    // True when the request at time teraz (s since start) is to go unanswered.
    bool Pomin(double teraz);
    // Flips one payload bit of a scrambled frame, for the share chosen; the flipped frame
    // always fails the receiver's checksum, since some flips would cancel out in the sum.
    void Znieksztalc(TBajty& naPrzewodzie);
    // The pieces a frame goes out in.
    std::vector<TKawalek> Kawalki(const TBajty& ramka);

private:
    bool Los(double udzial);

    TOpcjeZaklocen opcje;
    std::mt19937 los;
};
