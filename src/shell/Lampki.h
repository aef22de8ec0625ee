#pragma once

#include <QColor>
#include <QRect>

#include <array>

class QImage;

// The lamps of the switch picture from live-frame bytes 13 and 14.
struct TLampa {
    QRect miejsce;
    QColor kolor;
};

// The four gas-level lamps from the top (byte 13 bits 5..2), then R (byte 13 bits 1 green,
// 0 red) and MODE (byte 14 bits 1 green, 0 red); an unlit lamp is black.
std::array<TLampa, 6> Lampki(unsigned char bajt13, unsigned char bajt14);
void RysujLampki(QImage& stacyjka, unsigned char bajt13, unsigned char bajt14);
