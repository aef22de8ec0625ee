#pragma once

#include "UkladWykresu.h"

#include <QString>

#include <vector>

class QPainter;
class TEdycjaMnoznika;
struct TObrazWykresu;
struct TPropozycja;
struct TPunktPropozycji;

// The road calibration's proposal on the multiplier chart: the proposed curve dashed over the
// shown one, above each break point it changes the change in percent and the cells behind
// it, at those with too few cells their count; and the chart's note about the proposal.

// The proposed break points in pixels, drawn as the curve's are (with the adaptation).
std::vector<QPoint> PunktyPropozycji(const TObszarWykresu& a, const TEdycjaMnoznika& e,
                                     const TPropozycja& propozycja);
// A label box of the given size for a proposed break point, centred on it and away from the
// shown curve: below a point that goes down, above one that goes up, unless that side would
// leave the plot.
QRect MiejsceEtykietyPropozycji(const TObszarWykresu& a, QPoint punkt, QSize rozmiar, bool wDol);
// "-10.2 %" of a changed point, empty for one that stays.
QString ZmianaPunktu(const TPunktPropozycji& p);

// propozycja: nullptr when none is shown, or one of another bank (then only the note).
void RysujPropozycje(QPainter& p, const TObrazWykresu& o, const TEdycjaMnoznika& e,
                     const TPropozycja* propozycja, int nota);
