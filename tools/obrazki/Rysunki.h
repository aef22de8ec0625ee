#pragma once

#include <QImage>
#include <QString>

// The pictures, each drawn on white: white is the transparent colour of every one of them.
QImage RysujStacyjke();                 // RC_CEN_BMP, 90 x 90, with the lamp sockets
QImage RysujLogo();                     // RC_LOGO_BMP, 700 x 482
QImage RysujObd(const QString& rodzaj); // RC_OBD_*, 135 x 48
QImage RysujStrzalke(bool wGore);       // RC_DIA_UP / RC_DIA_DOWN, 22 x 22

// The scale the pictures are drawn at: 1, and 2 for the "@2x" files of high-density screens.
extern int Skala;
// A white picture of the size in points, Skala pixels a point, ready to draw on in points.
QImage NowyObraz(int szerokosc, int wysokosc);
// The same, transparent.
QImage PrzezroczystyObraz(int szerokosc, int wysokosc);
