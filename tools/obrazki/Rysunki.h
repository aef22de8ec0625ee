#pragma once

#include <QImage>
#include <QString>

// The pictures, each drawn on white: white is the transparent colour of every one of them.
QImage RysujStacyjke();                 // RC_CEN_BMP, 90 x 90, with the lamp sockets
QImage RysujLogo();                     // RC_LOGO_BMP, 700 x 482
QImage RysujObd(const QString& rodzaj); // RC_OBD_*, 135 x 48
QImage RysujStrzalke(bool wGore);       // RC_DIA_UP / RC_DIA_DOWN, 22 x 22

// A white picture of the size, ready to draw on.
QImage NowyObraz(int szerokosc, int wysokosc);
