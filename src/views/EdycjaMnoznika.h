#pragma once

#include "UkladWykresu.h"

#include <Qt>

class TSterownik;

// The multiplier curve under edit on the chart: the shown bank's 26 break points, the
// selection rules of keys and mouse, and the curve recomputed and written after every
// change. No window needed.
class TEdycjaMnoznika {
public:
    static constexpr int Ostatni = 25;

    // wybor: the view's bank choice (0 both alike, 1, 2), read at every call.
    TEdycjaMnoznika(TSterownik& sterownik, const int& wybor) : s(sterownik), wyborBanku(wybor) {}

    int Wybrany = 0; // selected break point, -1 none

    int Bank() const; // 1 or 2
    TSkalaMnoznika Skala() const;
    int Pozycja(int k) const;
    bool Ustawiony(int k) const { return k == 0 || Pozycja(k) != 0; }
    // The curve's value at the point's position, without the controller's adaptation.
    int Wartosc(int k) const;
    int Adaptacja() const; // added to every drawn value

    // Chart keys; false for a refusal (the caller beeps).
    bool Klawisz(int klawisz, Qt::KeyboardModifiers modyfikatory);
    // The selected point's value, or every set point's when none is selected.
    void ZmienWartosc(int zmiana);
    // A new point at a position (right click); false when all are taken.
    bool Wstaw(int pozycja);
    // Selects the point near a position and value (left click), or none.
    void WybierzPod(int pozycja, int wartosc);
    // Orders the points, parts equal ones, recomputes the curve and writes it.
    void Normalizuj();

private:
    unsigned char* Punkty() const;
    unsigned char* Krzywa() const;
    int Sasiad(int od, int krok) const; // next set point from od in a direction, -1 none
    int PunktNaPozycji(int pozycja) const;
    bool Przesun(int kierunek);
    bool Usun();
    bool WstawZaWybranym();
    void Sortuj();
    void ZachowajKonce();
    void Rozsun();

    TSterownik& s;
    const int& wyborBanku;
};
