#pragma once

#include "Siatki.h"

#include <QFont>
#include <QPoint>
#include <QRect>

#include <functional>

class QPainter;

// One 17 x 17 grid of the map view as it is drawn: headers in row 0 and column 0, a
// table's cells in the rest. Grid coordinates: column 0..16, row 0..16.
struct TObrazSiatki {
    int c = 20, e = 40; // cell height and width, line included
    QFont czcionka;
    int rozmiar = 8, rozmiarNaroznika = 8; // points: cells, the corner's caption
    std::function<QString(int kolumna, int wiersz)> tekst;
    std::function<TKoloryKomorki(int kolumna, int wiersz)> kolory;
    QRect ramka;         // a selection to frame, empty for none
    QPoint zywa{-1, -1}; // the live cell
};

QRect ProstokatKomorki(const TObrazSiatki& o, int kolumna, int wiersz);
QSize RozmiarSiatki(const TObrazSiatki& o);
// The grid with its lines, from the painter's origin.
void RysujSiatke(QPainter& p, const TObrazSiatki& o);

// The largest size from 25 down to 5 at which a text fits a cell's width and a line its
// height; 4 when none does.
int RozmiarCzcionkiKomorki(const QFont& baza, const QString& tekst, int szerokosc, int wysokosc);
// Cell sizes of a grid's layout and the fonts that fit them, for the corner's caption too.
void DopasujSiatke(TObrazSiatki& o, int wysokosc, int szerokosc, const QString& naroznik);
