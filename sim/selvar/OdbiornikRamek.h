#pragma once

#include "Bajty.h"

#include <vector>

// One request as it arrived, unscrambled.
struct TZadanie {
    std::uint8_t start = 0;
    std::uint8_t kod = 0;
    TBajty ramka;         // the whole plain frame, header included
    bool zlaSuma = false; // the plain frame did not sum to 0

    // Payload byte i (frame byte 4 + i), 0 beyond the frame.
    std::uint8_t Bajt(std::size_t i) const { return 4 + i < ramka.size() ? ramka[4 + i] : 0; }
    std::size_t DlugoscLadunku() const { return ramka.size() - 4; }
};

// Cuts requests out of the incoming byte stream. Anything before a start byte is skipped;
// a frame that fails its checksum is reported once and then searched again from its second
// byte, so that a real request hidden behind a torn one is still found; a frame that stays
// incomplete after a pause of the line is given up the same way, byte by byte, so that a
// request that arrived right behind a torn one is still answered, only later.
class TOdbiornikRamek {
public:
    // Bytes that arrived at time czasMs (milliseconds of any steady clock).
    std::vector<TZadanie> Dodaj(const TBajty& bajty, long long czasMs);
    // Gives a torn frame up once the line has been quiet for the pause; returns the
    // requests found behind it.
    std::vector<TZadanie> Przeterminuj(long long czasMs);
    void Wyczysc();

    // Bytes skipped because they could not start a request.
    long long Pominiete() const { return pominiete; }

    // A request is written in one go; a longer pause inside one means it was torn.
    static constexpr long long PrzerwaMs = 50;

private:
    bool Rozpoznaj(std::vector<TZadanie>& wynik);
    void Usun(std::size_t ile);

    TBajty bufor;
    long long ostatniBajtMs = 0;
    // Bytes still to pass of a frame already reported as bad: candidates inside it are
    // not reported again.
    std::size_t wZlejRamce = 0;
    long long pominiete = 0;
};
