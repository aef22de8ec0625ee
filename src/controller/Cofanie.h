#pragma once

#include <array>
#include <bitset>
#include <deque>
#include <vector>

class TSterownik;

// The installer's changes to the controller, step by step, for undo and redo. It keeps,
// per block, the copy the controller is known to hold (the last one read or acknowledged),
// and records against it the bytes each acknowledged write of a user action changed. So a
// step holds only what the installer changed, never what the controller learned by itself,
// and undoing it writes back exactly those bytes.
class TCofanie {
public:
    // One byte of a block: its value before the step and after it.
    struct TZmiana {
        int bit;  // block's bit in the masks (0..24)
        int bajt; // position in the block
        unsigned char stara, nowa;
    };
    struct TKrok {
        int id = 0;
        std::vector<TZmiana> zmiany; // in block, then byte order
    };

    // Blocks the installer edits; the history is the controller's own record.
    static constexpr int Cofalne = 0x1F | 0x3F00 | 0xF30000 | 0x1000000;
    static constexpr int MaksKrokow = 200;

    explicit TCofanie(TSterownik& sterownik);

    // A user action (a key or button pressed, a dialog's change, a file load) begins: the
    // writes acknowledged from now on are its step, until the next action begins. Begins
    // inside an open action (a key pressed while a button is held) join it.
    void PoczatekDzialania();
    // The action's input has ended (the key or button released); its writes may still be
    // on their way and still belong to it.
    void KoniecDzialania();
    bool Trwa() const { return trwa; }

    // Steps newest last; what an undo or a redo would do next is at the back.
    const std::deque<TKrok>& Kroki() const { return kroki; }
    const std::deque<TKrok>& Ponowienia() const { return ponowienia; }
    // Undo and redo need a settled link: nothing of these blocks on its way or awaited.
    bool Gotowy() const;
    // Write the bytes of the last step back (or again); false, changing nothing, when there
    // is none or the link is not settled.
    bool Cofnij();
    bool Ponow();

    // Told by the link engine.
    void NowePolaczenie();
    void Wyslany(int bit, const unsigned char* dane);
    void Potwierdzony(int bit);
    void Odczytany(int bit, const unsigned char* dane);
    void KomorkaOdSterownika(int bit, int bajt, unsigned char wartosc);
    // The controller's own reset (factory command) changed these blocks; their next reads
    // show what it did, and that belongs to the action that asked for it.
    void OdczytyDzialania(int maska);

private:
    static int Rozmiar(int bit);
    void Zapisz(int wlasciciel, int bit, const unsigned char* nowe);
    unsigned char* Blok(int bit);
    TKrok* Krok(int id);
    TKrok* NowyKrok(int id);
    void Przywroc(const TKrok& krok, bool wstecz);
    bool Przenies(std::deque<TKrok>& z, std::deque<TKrok>& na, bool wstecz);

    TSterownik& s;
    using TBlok = std::array<unsigned char, 256>;
    std::array<TBlok, 25> znane{};   // what the controller holds
    std::array<TBlok, 25> wyslane{}; // what the last write of the block carried
    std::bitset<25> znany;
    std::array<int, 25> wlascicielZapisu{};  // step the write in flight belongs to
    std::array<int, 25> wlascicielOdczytu{}; // step a pending read belongs to
    std::deque<TKrok> kroki;
    std::deque<TKrok> ponowienia;
    int biezacy = 0; // id of the step collecting writes, 0 none
    int nastepnyId = 1;
    bool trwa = false;
};

// One user action for the length of a scope, for work that is an action by itself whatever
// started it (a settings file loaded from the menu); inside an open action it joins that one.
class TDzialanie {
public:
    explicit TDzialanie(TCofanie& cofanie) : c(cofanie), wlasne(!cofanie.Trwa()) {
        if (wlasne) c.PoczatekDzialania();
    }
    ~TDzialanie() {
        if (wlasne) c.KoniecDzialania();
    }
    TDzialanie(const TDzialanie&) = delete;
    TDzialanie& operator=(const TDzialanie&) = delete;

private:
    TCofanie& c;
    bool wlasne;
};
