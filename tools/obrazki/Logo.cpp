// The start-up picture: the product name over a dark blue field with a gas flame.

#include "Rysunki.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

void Plomien(QPainter& p, const QPointF& podstawa, double wysokosc, const QColor& zewnatrz,
             const QColor& wewnatrz) {
    QPainterPath ksztalt;
    const double w = wysokosc * 0.42;
    ksztalt.moveTo(podstawa);
    ksztalt.cubicTo(podstawa + QPointF(-w, -wysokosc * 0.1),
                    podstawa + QPointF(-w * 0.6, -wysokosc * 0.7),
                    podstawa + QPointF(0, -wysokosc));
    ksztalt.cubicTo(podstawa + QPointF(w * 0.6, -wysokosc * 0.7),
                    podstawa + QPointF(w, -wysokosc * 0.1), podstawa);
    QLinearGradient kolor(podstawa, podstawa - QPointF(0, wysokosc));
    kolor.setColorAt(0, wewnatrz);
    kolor.setColorAt(1, zewnatrz);
    p.setPen(Qt::NoPen);
    p.setBrush(kolor);
    p.drawPath(ksztalt);
}

void Tekst(QPainter& p, const QRect& r, const QString& tekst, int rozmiar, bool gruby,
           const QColor& kolor, Qt::Alignment wyrownanie = Qt::AlignCenter) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(rozmiar);
    f.setBold(gruby);
    p.setFont(f);
    p.setPen(kolor);
    p.drawText(r, wyrownanie, tekst);
}

} // namespace

QImage RysujLogo() {
    QImage obraz = NowyObraz(700, 482);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient tlo(0, 0, 700, 482);
    tlo.setColorAt(0, QColor(0x0B, 0x1E, 0x3C));
    tlo.setColorAt(1, QColor(0x04, 0x4A, 0x6E));
    p.fillRect(obraz.rect(), tlo);

    QRadialGradient poswiata(QPointF(580, 200), 260);
    poswiata.setColorAt(0, QColor(0x30, 0x90, 0xD0, 110));
    poswiata.setColorAt(1, QColor(0x30, 0x90, 0xD0, 0));
    p.fillRect(obraz.rect(), poswiata);

    Plomien(p, QPointF(590, 300), 190, QColor(0x40, 0xA0, 0xFF), QColor(0x10, 0x30, 0xC0));
    Plomien(p, QPointF(590, 300), 120, QColor(0xB0, 0xE8, 0xFF), QColor(0x30, 0x70, 0xF0));

    Tekst(p, QRect(50, 110, 460, 120), QStringLiteral("SELVAR"), 104, true,
          QColor(0xF4, 0xF8, 0xFC), Qt::AlignLeft | Qt::AlignVCenter);
    Tekst(p, QRect(56, 228, 440, 40), QStringLiteral("II"), 34, true, QColor(0x40, 0xA0, 0xFF),
          Qt::AlignLeft | Qt::AlignVCenter);
    Tekst(p, QRect(56, 270, 440, 30), QStringLiteral("Sequential gas injection controller"), 22,
          false, QColor(0xC8, 0xDC, 0xEC), Qt::AlignLeft | Qt::AlignVCenter);
    Tekst(p, QRect(56, 300, 440, 30), QStringLiteral("LPG  ·  CNG"), 20, false,
          QColor(0x8C, 0xB4, 0xD4), Qt::AlignLeft | Qt::AlignVCenter);

    p.setPen(QPen(QColor(0x40, 0xA0, 0xFF), 3));
    p.drawLine(56, 350, 644, 350);
    Tekst(p, QRect(56, 360, 588, 30), QStringLiteral("Workshop configuration and diagnostics"), 18,
          false, QColor(0xC8, 0xDC, 0xEC), Qt::AlignLeft | Qt::AlignVCenter);
    Tekst(p, QRect(56, 360, 588, 30), QStringLiteral("v2.04"), 18, true, QColor(0xF4, 0xF8, 0xFC),
          Qt::AlignRight | Qt::AlignVCenter);
    return obraz;
}
