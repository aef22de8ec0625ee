#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

class TTeksty;
struct TWykres;

// The oscilloscope's arithmetic as plain functions: zoom, the window of samples shown,
// the overview slider, jumps, bands, values and labels of traces.

inline constexpr int NajwiekszePowiekszenie = 8;
// Samples per pixel column at a zoom level 0..8.
double ProbekNaPiksel(int powiekszenie);
// The chart's width C for a view W wide.
inline int SzerokoscWykresu(int w) {
    return w - 120;
}
// The sample at the chart's left edge (may be negative).
int PoczatekWidoku(int koniec, int c, double f);
// The end after a zoom that keeps the sample d pixels left of the chart's right edge in place.
int KoniecPoPowiekszeniu(int koniec, int d, double nowe, double stare);
// The slider in the overview strip: left and right x, or none while recording follows the
// newest sample or with 10 samples or fewer.
std::optional<std::pair<int, int>> Suwak(int ileProbek, int poczatek, int koniec, int c, int tryb);
// The end after a zoom, anchored at the data's end when the window would show no sample.
int KoniecZProbkami(int koniec, int ileProbek, int c, double f);
// The view's end after a click in the strip at chart x.
int KoniecPoSkoku(int x, int ileProbek, int poczatek, int koniec, int c);

// Band height and each oscilloscope trace's baseline, for layout 1, 2 or 3. katalog holds
// the catalogue index of each trace drawn, in order.
struct TPasma {
    int u = 1;
    std::vector<int> bazy;
};
TPasma Pasma(int uklad, int h, const std::vector<int>& katalog);

// A trace's raw value in a sample, and its height for a band of p pixels; 0 outside the buffer.
int WartoscSladu(const TWykres& w, const unsigned char* probka);
int WysokoscSladu(const TWykres& w, const unsigned char* probka, int p);

// "Revolutions=850" and 26 spaces; without a sample the name alone.
QString EtykietaSladu(const TWykres& w, const TTeksty* teksty, const unsigned char* probka);
// The time of a sample count, 0.1 s each, "0.0" without thousands grouping: "1234.5".
QString CzasProbek(int probki);
// "5 [sec/div]     " for the time base of a zoom.
QString PodstawaCzasu(double f, const TTeksty* teksty);
