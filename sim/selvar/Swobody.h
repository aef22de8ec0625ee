#pragma once

#include "Bajty.h"

#include <random>

// Where the protocol leaves the controller free, and what the simulator makes of it: by
// default every freedom is used, varied by the seed; each option fixes one.
struct TOpcjeSwobod {
    static constexpr int Losowo = -1;
    static constexpr int JakNonce = -2; // byte 4 only: the request's nonce sent back

    int bajt4 = Losowo;        // reply frame byte 4, not interpreted by the tool
    int status = Losowo;       // reply frame byte 5 but in the identities, where it has no meaning
    int wypelnienie = Losowo;  // the padding byte of an odd payload
    int opoznienieMs = Losowo; // before each reply
    // Module state frames and controller state notices at moments of their own between
    // replies; off: the module's state right after a live reply only, always as 0x70.
    bool ramkiMiedzy = true;
};

// The controller's own choices within those freedoms, repeatable from the seed.
class TSwobody {
public:
    // Replies leave within the slot of the request they answer (a request every 100 ms), with
    // room for a block at the line's pace.
    static constexpr int MaksOpoznieniaMs = 30;

    TSwobody(const TOpcjeSwobod& opcje, unsigned ziarno);

    // Byte 4, and byte 5 where it carries no meaning, of a plain reply to a request with the
    // given nonce; the checksum made right again.
    void Naglowek(TBajty& odpowiedz, std::uint8_t nonce);
    std::uint8_t Wypelnienie();
    int OpoznienieMs();
    bool RamkiMiedzy() const { return opcje.ramkiMiedzy; }
    // Seconds until the next frame of one's own: the module state about once a second, a
    // controller state notice every few seconds.
    double DoStanuModulu();
    double DoStanuSterownika();
    // 0x70 or 0x75, both the module's state.
    std::uint8_t KodStanuModulu();

private:
    std::uint8_t Bajt(int ustalony);
    double Przerwa(double od, double do_);

    TOpcjeSwobod opcje;
    std::mt19937 los;
};
