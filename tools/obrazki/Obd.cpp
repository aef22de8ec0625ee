// The OBD status pictures: the vehicle's diagnostic socket and the state beside it.
// OFF: no adapter; ON: the adapter answers, no protocol yet; the others: the protocol family.

#include "Rysunki.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The 16-pin socket: a trapezoid with two rows of eight pins.
void Gniazdo(QPainter& p, const QColor& obudowa, const QColor& styki) {
    QPainterPath ksztalt;
    ksztalt.moveTo(4, 8);
    ksztalt.lineTo(60, 8);
    ksztalt.lineTo(54, 40);
    ksztalt.lineTo(10, 40);
    ksztalt.closeSubpath();
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
    p.setBrush(obudowa);
    p.drawPath(ksztalt);
    p.setPen(Qt::NoPen);
    p.setBrush(styki);
    for (int i = 0; i < 8; ++i) {
        p.drawRect(11 + 6 * i, 15, 3, 6);
        p.drawRect(14 + 5 * i, 27, 3, 6);
    }
}

struct TWyglad {
    QColor obudowa, styki, tekst;
    QString napis;
};

TWyglad Wyglad(const QString& rodzaj) {
    if (rodzaj == QLatin1String("OFF"))
        return {QColor(0x90, 0x90, 0x90), QColor(0x60, 0x60, 0x60), QColor(0x80, 0x80, 0x80),
                QStringLiteral("OFF")};
    if (rodzaj == QLatin1String("ON"))
        return {QColor(0x40, 0x48, 0x50), QColor(0xE0, 0xC0, 0x40), QColor(0x00, 0x90, 0x00),
                QStringLiteral("OBD")};
    return {QColor(0x40, 0x48, 0x50), QColor(0x40, 0xE0, 0x40), QColor(0x00, 0x50, 0xC8), rodzaj};
}

} // namespace

QImage RysujObd(const QString& rodzaj) {
    // On a transparent ground: the edges of the letters blend into any background, where on
    // white they left a light fringe on the dark schemes.
    QImage obraz = PrzezroczystyObraz(135, 48);
    QPainter p(&obraz);
    const TWyglad w = Wyglad(rodzaj);
    Gniazdo(p, w.obudowa, w.styki);
    if (rodzaj == QLatin1String("OFF")) {
        p.setPen(QPen(QColor(0xC8, 0x00, 0x00), 3));
        p.drawLine(14, 10, 50, 38);
        p.drawLine(50, 10, 14, 38);
    }
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(w.tekst);
    p.drawText(QRect(64, 4, 70, 40), Qt::AlignCenter, w.napis);
    return obraz;
}
