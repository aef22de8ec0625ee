#pragma once

#include "UkladWykresu.h"

#include <QSize>

class QPainter;
class TEdycjaKrzywej;
class TEdycjaMnoznika;
class TSterownik;
class TTeksty;
struct TPaleta;

// What a chart's picture depends on. Drawing reads the tables and never changes them, so
// it serves the view, benchmarks and printing alike.
struct TObrazWykresu {
    const TSterownik& s;
    const TPaleta& paleta;
    QSize rozmiar;
    int tryb = 0;
    int poziom = 1;
    int wyborBanku = 0;    // of the multiplier
    bool przyciski = true; // the arrow buttons, which paper has no use for
};

// The background every chart mode shares (frame, grid, bank legend) with mode 0's axes,
// legend and arrow buttons.
void RysujTloMnoznika(QPainter& p, const TObrazWykresu& o);
// The multiplier chart's data: adaptation note, scatter and fits, deviation, curve.
void RysujDaneMnoznika(QPainter& p, const TObrazWykresu& o, const TEdycjaMnoznika& edycja,
                       bool fokus);

// The correction curves of modes 2 to 4: background, then the points and the curve.
void RysujTloKrzywej(QPainter& p, const TObrazWykresu& o);
void RysujKrzywaKorekty(QPainter& p, const TObrazWykresu& o, const TEdycjaKrzywej& edycja,
                        bool fokus);

// Shared by every chart mode.
void RysujRameWykresu(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& obszar);
void RysujLegendeBanku(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& obszar);
void RysujTytulOsiY(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& obszar,
                    const QString& tytul, int x);
