#pragma once

#include <QPainter>

// Text on the charts, placed by its top-left corner as the charts' coordinates count.

inline void Czcionka(QPainter& p, int rozmiar, bool gruba = false) {
    QFont f = p.font();
    f.setPointSize(rozmiar);
    f.setBold(gruba);
    p.setFont(f);
}

inline void Napis(QPainter& p, int x, int y, const QString& t) {
    p.drawText(x, y + p.fontMetrics().ascent(), t);
}

inline void NapisDoPrawej(QPainter& p, int prawa, int y, const QString& t) {
    Napis(p, prawa - p.fontMetrics().horizontalAdvance(t), y, t);
}
