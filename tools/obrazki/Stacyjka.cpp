// The fuel switch of the car: a dark plate with the four gas-level lamps, the R lamp, the
// MODE lamp and the change-over button. The program paints the lamps into the sockets:
// level (12, 14)-(20, 19) and every 15 pixels down, R (12, 74)-(20, 79), MODE (71, 14)-(78, 19).

#include "Rysunki.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

void Gniazdo(QPainter& p, int x1, int y1, int x2, int y2) {
    p.setPen(QColor(0x14, 0x14, 0x14));
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawRect(x1 - 2, y1 - 2, x2 - x1 + 4, y2 - y1 + 4);
}

void Napis(QPainter& p, const QRect& r, const QString& tekst, int rozmiar) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(rozmiar);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0xE8, 0xE8, 0xE8));
    p.drawText(r, Qt::AlignCenter, tekst);
}

} // namespace

QImage RysujStacyjke() {
    QImage obraz = NowyObraz(90, 90);
    QPainter p(&obraz);
    // No smoothing at the plate's edge: blended pixels would show as a light rim once the
    // white around it becomes transparent.
    QLinearGradient plyta(0, 0, 0, 90);
    plyta.setColorAt(0, QColor(0x6A, 0x72, 0x7A));
    plyta.setColorAt(1, QColor(0x34, 0x3A, 0x40));
    p.setPen(QColor(0x20, 0x24, 0x28));
    p.setBrush(plyta);
    p.drawRoundedRect(1, 1, 87, 87, 9, 9);

    for (int i = 0; i < 4; ++i)
        Gniazdo(p, 12, 14 + 15 * i, 20, 19 + 15 * i);
    Gniazdo(p, 12, 74, 20, 79);
    Gniazdo(p, 71, 14, 78, 19);

    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Napis(p, QRect(23, 8, 12, 12), QStringLiteral("F"), 8);
    Napis(p, QRect(23, 53, 12, 12), QStringLiteral("E"), 8);
    Napis(p, QRect(23, 70, 12, 12), QStringLiteral("R"), 9);
    Napis(p, QRect(58, 22, 34, 10), QStringLiteral("MODE"), 7);

    // The change-over button.
    const QPointF srodek(56, 58);
    QRadialGradient guzik(srodek - QPointF(6, 6), 26);
    guzik.setColorAt(0, QColor(0x9A, 0xA4, 0xAE));
    guzik.setColorAt(1, QColor(0x28, 0x2E, 0x34));
    p.setPen(QPen(QColor(0x16, 0x18, 0x1A), 2));
    p.setBrush(guzik);
    p.drawEllipse(srodek, 21, 21);
    p.setPen(QPen(QColor(0x80, 0x88, 0x90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(srodek, 16, 16);
    Napis(p, QRect(36, 51, 40, 14), QStringLiteral("LPG"), 11);
    return obraz;
}
