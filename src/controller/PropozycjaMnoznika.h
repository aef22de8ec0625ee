#pragma once

#include <vector>

class TSterownik;

// The road calibration's arithmetic: from the collected petrol and gas maps, a new value for
// each break point of a multiplier, so that the ECU's petrol time on gas meets its time on
// petrol again. Positions never move; values move at most 15 % in one step.

// A collected cell that the chart's deviation line uses: the ECU's petrol time on petrol and
// on gas, 0.1 ms.
struct TKomorkaOdchylki {
    int benzyna = 0, gaz = 0;
};

// The cells of the two maps (16 x 16, cell 16 r + l) that enter the deviation fit: both
// collected, not the uncollected top row beyond the ninth RPM point, both times at most
// 0.9 of the axis end M, RPM index at most 12.
std::vector<TKomorkaOdchylki> KomorkiOdchylki(const unsigned char* mapaBenzyny,
                                              const unsigned char* mapaGazu, int M);

// The relative deviation (petrol on petrol - petrol on gas) / petrol on petrol near a break
// point at `pozycja`, whose neighbours sit at `lewa` and `prawa` (equal to pozycja at an end).
struct TOszacowanie {
    double odchylka = 0; // fraction: 0.1 = the ECU asks for 10 % less petrol on gas (rich)
    int komorek = 0;     // cells with a weight above 0
};
TOszacowanie OszacujOdchylke(const std::vector<TKomorkaOdchylki>& komorki, int lewa, int pozycja,
                             int prawa);

// Bounds of one step: at most 15 % either way, within the multiplier's limits.
inline constexpr int NajwiekszaZmianaProcent = 15;
inline constexpr int NajmniejKomorek = 3;
int OgraniczWartosc(int stara, double proponowana, int min, int max);

struct TPunktPropozycji {
    int k = 0;       // break point index 0..25
    int pozycja = 0; // 0.1 ms
    int stara = 0, nowa = 0;
    int komorek = 0;
    double odchylka = 0;
    bool zaMaloKomorek = false; // fewer than NajmniejKomorek cells: left as it is
    bool ograniczona = false;   // the 15 % bound or the limits cut the change
    double Procent() const { return stara ? 100.0 * (nowa - stara) / stara : 0; }
};

struct TPropozycja {
    int bank = 1;
    std::vector<TPunktPropozycji> punkty; // the set break points within the axis, in order
    bool Zmienia() const;
    int Zmienionych() const;
    double NajwiekszaZmiana() const; // largest |percentage|
};

// What the proposal reads: one bank's break-point positions (26) and curve (256), the maps,
// the axis end and the value limits.
struct TDanePropozycji {
    const unsigned char* punkty;
    const unsigned char* krzywa;
    const unsigned char* mapaBenzyny;
    const unsigned char* mapaGazu;
    int M = 200;
    int min = 50, max = 150;
};
TPropozycja ZaproponujMnoznik(const TDanePropozycji& d, int bank);

// The same from the controller's tables, for bank 1 or 2.
TPropozycja ZaproponujMnoznik(const TSterownik& s, int bank);
// The multiplier's value limits by setting 80 (bit 0: wide range 1..250, else 50..150).
int DolnaMnoznika(const TSterownik& s);
int GornaMnoznika(const TSterownik& s);
// The bank's break points still stand where the proposal found them, with the same values.
bool PropozycjaAktualna(const TSterownik& s, const TPropozycja& p);
// Writes the proposed values into the bank, the curve between them interpolated, and posts
// the writes; with kopiaDoDrugiego (both banks alike on a two-bank controller) bank 1 is then
// copied to bank 2, as every edit of the chart does.
void ZastosujPropozycje(TSterownik& s, const TPropozycja& p, bool kopiaDoDrugiego);
