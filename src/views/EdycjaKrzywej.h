#pragma once

#include <Qt>

class TSterownik;

// The correction curves of the map view's modes 2 (reducer temperature), 3 (gas
// temperature) and 4 (gas pressure): up to eight break points in the table's bytes 2..17,
// the 256-byte table recomputed from them and written after every change. No window needed.

struct TOsKrzywej {
    int Start, Rozpietosc; // axis from Start over Rozpietosc positions
    int Numer;             // table number in byte 0
    int Blok;              // block bit of its write
    int Koniec() const { return Start + Rozpietosc; }
};
TOsKrzywej OsKrzywej(int tryb);
unsigned char* TablicaKrzywej(TSterownik& s, int tryb);

// Pixels of a position and a value, and back.
int XKrzywej(const TOsKrzywej& os, int x0, int w, int pozycja);
int YKrzywej(int yb, int h, int wartosc);
// The correction a value stands for, as its label: "+9" for 140, "-21" for 100.
QString EtykietaKorekty(int wartosc);

class TEdycjaKrzywej {
public:
    static constexpr int Punktow = 8;
    static constexpr int Najmniej = 64, Najwiecej = 192;

    // tryb: the view's mode, read at every call.
    TEdycjaKrzywej(TSterownik& sterownik, const int& tryb) : s(sterownik), trybMapy(tryb) {}

    int Wybrany = -1; // selected point, -1 none

    TOsKrzywej Os() const { return OsKrzywej(trybMapy); }
    int X(int i) const;
    int Y(int i) const;
    bool Ustawiony(int i) const { return Y(i) != 0; }
    int Wartosc(int pozycja) const; // the table's value there
    // At most one set point: the curve has lost its points.
    bool Zgubiona() const;

    // Flat at 128 between the axis ends, written.
    void Kasuj();
    // Orders the points, fills the table from them and writes it.
    void Przelicz();
    // Keys; false for a refusal (the caller beeps).
    bool Klawisz(int klawisz, Qt::KeyboardModifiers modyfikatory);
    // A new point at a position (right click), on the curve as it is.
    void Wstaw(int pozycja);
    void WybierzPod(int pozycja, int wartosc);

private:
    unsigned char* Tablica() const;
    void Ustaw(int i, int x, int y);
    int Nastepny(int od, int krok) const; // next set point in a direction, -1 none
    bool Przesun(int kierunek);
    void ZmienWartosc(int zmiana);
    bool WstawPosrodku();
    bool Usun();
    void Uporzadkuj();

    TSterownik& s;
    const int& trybMapy;
};
