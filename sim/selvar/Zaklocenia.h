#pragma once

#include "Bajty.h"

#include <random>
#include <vector>

struct TOpcjeZaklocen {
    double pomin = 0;        // share of valid requests left unanswered
    double znieksztalc = 0;  // share of replies with one bit flipped on the line
    double niewidoczne = 0;  // share of replies with two bits flipped that the sum cannot see
    bool dziel = false;      // replies in pieces with gaps of 1..5 ms
    bool tempoLinii = false; // replies at the pace of 38400 baud
    double ciszaPrzez = 0;   // no answers for the first seconds
    // The bootloader: blocks written whose acknowledgement is lost, or damaged, on the line.
    double pominPotwierdzenia = 0;
    double znieksztalcPotwierdzenia = 0;
    int ciszaPoBlokach = -1; // silent once this many blocks are written; -1 never
    // The controller: this many first block writes stored without their acknowledgement.
    int zapisyBezPotwierdzenia = 0;
    double ciszaBlokowPrzez = 1e12; // s that silence lasts
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
    // True during the silence of the first seconds, when the line carries nothing at all.
    bool Cisza(double teraz) const { return teraz < opcje.ciszaPrzez; }
    // Flips one payload bit of a scrambled frame, for the share chosen; the flipped frame
    // always fails the receiver's checksum, since some flips would cancel out in the sum.
    void Znieksztalc(TBajty& naPrzewodzie);
    // Flips one bit position in two data bytes of a plain frame, 0 in one and 1 in the
    // other, for the share chosen: the sum stays as it was, so the receiver accepts the
    // wrong bytes. True when the frame was changed.
    bool ZnieksztalcNiewidocznie(TBajty& jawna);
    bool PominPotwierdzenie() { return Los(opcje.pominPotwierdzenia); }
    // True for the first block writes chosen, which are stored but not acknowledged.
    bool ZapisBezPotwierdzenia();
    void ZnieksztalcPotwierdzenie(TBajty& naPrzewodzie);
    // True while the bootloader, holding that many blocks, answers nothing.
    bool BootloaderMilczy(std::size_t odebrane, double teraz);
    // The pieces a frame goes out in.
    std::vector<TKawalek> Kawalki(const TBajty& ramka);

private:
    bool Los(double udzial);
    void Odwroc(TBajty& ramka);

    TOpcjeZaklocen opcje;
    std::mt19937 los;
    double poczatekCiszy = -1;
    int zapisow = 0;
};
