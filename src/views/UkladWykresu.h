#pragma once

#include <QRect>
#include <QString>

#include <vector>

class TSterownik;

// Geometry of the map view's charts as plain arithmetic: the plot area, the multiplier
// scale, ticks and their labels, the live cursor.

// The plot: left edge x0, width w, height h, bottom yb (top = yb - h).
struct TObszarWykresu {
    int x0 = 40, w = 0, h = 0, yb = 0;
    int Gora() const { return yb - h; }
    bool Wewnatrz(QPoint p, int margines) const {
        return p.x() >= x0 - margines && p.x() <= x0 + w + margines && p.y() >= Gora() - margines &&
               p.y() <= yb + margines;
    }
};
TObszarWykresu ObszarWykresu(QSize widok, int tryb);

// The multiplier chart's scale: the curve's last position M and the wide range
// (1..250, 100 = 1.0) or the narrow one (50..150).
struct TSkalaMnoznika {
    int M = 200; // 20.0 ms
    bool Szeroka = false;
    int Min() const { return Szeroka ? 1 : 50; }
    int Max() const { return Szeroka ? 250 : 150; }
};
TSkalaMnoznika SkalaMnoznika(const TSterownik& s);

// A break point or a curve value in pixels, and the position and value under a pixel.
QPoint PunktKrzywej(const TObszarWykresu& o, const TSkalaMnoznika& sk, int pozycja, int wartosc);
int PozycjaPod(const TObszarWykresu& o, const TSkalaMnoznika& sk, int x);
int WartoscPod(const TObszarWykresu& o, const TSkalaMnoznika& sk, int y);

struct TPodzialka {
    int Polozenie; // x for the time axis, y for the others
    QString Etykieta;
};
std::vector<TPodzialka> PodzialkaCzasu(const TObszarWykresu& o, const TSkalaMnoznika& sk);
std::vector<TPodzialka> PodzialkaMnoznika(const TObszarWykresu& o, const TSkalaMnoznika& sk);
// The right axis of the scatter: load 0..100 % of the top of the load axis.
std::vector<TPodzialka> PodzialkaObciazenia(const TObszarWykresu& o, const TSterownik& s);
// y of the solid line at the neutral multiplier.
int LiniaNeutralna(const TObszarWykresu& o, const TSkalaMnoznika& sk);
// x of the calibration's petrol time (setting 83, 0.05 ms units).
int XKalibracji(const TObszarWykresu& o, const TSkalaMnoznika& sk, int czas);
// Baseline of the deviation points: a fifth of the plot above the bottom.
int LiniaOdchylki(const TObszarWykresu& o);

// The correction curves' axes (modes 2 and 3 temperature, 4 gas pressure): grid lines,
// ticks with labels, the correction scale, the switching threshold's x and label.
std::vector<int> SiatkaKrzywej(const TObszarWykresu& o, int tryb);
std::vector<TPodzialka> PodzialkaKrzywej(const TObszarWykresu& o, int tryb);
std::vector<TPodzialka> PodzialkaKorekty(const TObszarWykresu& o);
TPodzialka ProgPrzelaczenia(const TObszarWykresu& o, int tryb, const TSterownik& s);
// x of the live cursor of a curve mode: temperature or gas pressure of the frame.
int KursorKrzywej(const TObszarWykresu& o, int tryb, const unsigned char* ramka);

// The multiplier chart's legend: lines 20 pixels apart, its box 20 pixels inside a corner
// of the plot, at y 45 in the top left unless that covers a break point's circle; then the
// top right, the bottom left, the bottom right; the corner covering the fewest when each does.
inline constexpr int OdstepLegendy = 20;
QRect MiejsceLegendy(const TObszarWykresu& o, QSize legenda, const std::vector<QPoint>& punkty);

// The two arrow buttons at the view's right edge.
QRect PrzyciskWGore(QSize widok);
QRect PrzyciskWDol(QSize widok);

// The live cursor of the multiplier chart from a live frame: x from the petrol time,
// y from the load.
QPoint KursorMnoznika(const TObszarWykresu& o, const TSkalaMnoznika& sk, const TSterownik& s,
                      const unsigned char* ramka);
