#include "Lampki.h"

#include <QImage>
#include <QPainter>

namespace {

const QColor Zielona(0x00, 0xA0, 0x00);
const QColor Czerwona(0xC8, 0x00, 0x00);
const QColor Zgaszona(0x00, 0x00, 0x00);

// Corners as the picture gives them, the right and bottom edges exclusive.
QRect Prostokat(int x1, int y1, int x2, int y2) {
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

QColor Dwukolorowa(unsigned char bajt) {
    if (bajt & 0x02) return Zielona;
    if (bajt & 0x01) return Czerwona;
    return Zgaszona;
}

} // namespace

std::array<TLampa, 6> Lampki(unsigned char bajt13, unsigned char bajt14) {
    std::array<TLampa, 6> l;
    for (int i = 0; i < 4; ++i) {
        const bool swieci = bajt13 & (0x20 >> i);
        l[std::size_t(i)] = {Prostokat(12, 14 + 15 * i, 20, 19 + 15 * i),
                             swieci ? Zielona : Zgaszona};
    }
    l[4] = {Prostokat(12, 74, 20, 79), Dwukolorowa(bajt13)};
    l[5] = {Prostokat(71, 14, 78, 19), Dwukolorowa(bajt14)};
    return l;
}

void RysujLampki(QImage& stacyjka, unsigned char bajt13, unsigned char bajt14) {
    QPainter p(&stacyjka);
    for (const TLampa& l : Lampki(bajt13, bajt14))
        p.fillRect(l.miejsce, l.kolor);
}
