// The two arrows of the map view's step buttons.

#include "Rysunki.h"

#include <QPainter>
#include <QPolygon>

QImage RysujStrzalke(bool wGore) {
    QImage obraz = NowyObraz(22, 22);
    QPainter p(&obraz);
    const QPolygon grot = wGore ? QPolygon({QPoint(11, 3), QPoint(19, 12), QPoint(3, 12)})
                                : QPolygon({QPoint(11, 18), QPoint(19, 9), QPoint(3, 9)});
    const QRect trzon = wGore ? QRect(8, 12, 6, 7) : QRect(8, 2, 6, 7);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawPolygon(grot);
    p.fillRect(trzon, QColor(0x30, 0x30, 0x30));
    return obraz;
}
