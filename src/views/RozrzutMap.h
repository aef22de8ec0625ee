#pragma once

#include "Dopasowanie.h"
#include "UkladWykresu.h"

#include <QPoint>

#include <vector>

class TSterownik;

// The collected maps as the multiplier chart shows them: each cell's injection time
// against its load, and the petrol-gas deviation, with the points their fits use.

struct TRozrzut {
    std::vector<QPoint> Punkty;
    std::vector<QPointF> DoDopasowania;
};
TRozrzut RozrzutMapy(const TSterownik& s, const unsigned char* mapa, const TObszarWykresu& o,
                     const TSkalaMnoznika& sk);

struct TOdchylka {
    std::vector<QPoint> Punkty;
    std::vector<QPointF> DoDopasowania;
    int Gornych = 0, Dolnych = 0; // cells of high load, and of low load and RPM
};
TOdchylka OdchylkaMap(const TSterownik& s, const TObszarWykresu& o, const TSkalaMnoznika& sk);

// The fitted curve as pixels over every x between the fit's ends, inside the plot.
std::vector<QPoint> KrzywaDopasowania(const std::vector<QPointF>& punkty, int stopien,
                                      const TObszarWykresu& o);

// The lean or rich note at the calibration time, from the fitted line's y there and its
// distance e from the baseline (e > 3 lean, e < -3 rich), and at the line's end (slope
// above 0.04 lean, below -0.04 rich): text id or 0.
int NotaOdchylki(const TObszarWykresu& o, double yLinii);
int NotaNachylenia(double nachylenie);
