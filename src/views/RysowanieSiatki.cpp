#include "RysowanieSiatki.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

const QColor Magenta(255, 0, 255);
const QColor Linie(160, 160, 160);

void RysujKomorke(QPainter& p, const TObrazSiatki& o, int k, int w) {
    const QRect r = ProstokatKomorki(o, k, w);
    const TKoloryKomorki kolory = o.kolory ? o.kolory(k, w) : TKoloryKomorki{Qt::white};
    const bool dane = k > 0 && w > 0;
    // The selection's outer edges: magenta, then the cell refilled 2 pixels inside them.
    if (dane && o.ramka.isValid() && o.ramka.contains(k, w)) {
        p.fillRect(r, Magenta);
        const QMargins wciecie(k == o.ramka.left() ? 2 : 0, w == o.ramka.top() ? 2 : 0,
                               k == o.ramka.right() ? 2 : 0, w == o.ramka.bottom() ? 2 : 0);
        p.fillRect(r.marginsRemoved(wciecie), kolory.tlo);
    } else {
        p.fillRect(r, kolory.tlo);
    }
    QFont f = o.czcionka;
    f.setPointSize(k == 0 && w == 0 ? o.rozmiarNaroznika : o.rozmiar);
    p.setFont(f);
    p.setPen(kolory.tekst);
    const QString t = o.tekst ? o.tekst(k, w) : QString();
    const int srodekY =
        r.top() + (r.height() + p.fontMetrics().ascent() - p.fontMetrics().descent()) / 2;
    const int szer = p.fontMetrics().horizontalAdvance(t);
    const int x = dane ? r.right() - 1 - szer : r.left() + (r.width() - szer) / 2;
    p.drawText(x, srodekY, t);
    if (QPoint(k, w) == o.zywa && dane) {
        p.setPen(Qt::black);
        p.setBrush(Magenta);
        const int d = r.height() - 1;
        p.drawEllipse(r.left(), r.top(), d, d);
        p.setBrush(Qt::NoBrush);
    }
}

} // namespace

QRect ProstokatKomorki(const TObrazSiatki& o, int kolumna, int wiersz) {
    return {2 + kolumna * o.e, 2 + wiersz * o.c, o.e - 1, o.c - 1};
}

QSize RozmiarSiatki(const TObrazSiatki& o) {
    return {17 * o.e + 4, 17 * o.c + 4};
}

void RysujSiatke(QPainter& p, const TObrazSiatki& o) {
    p.fillRect(QRect(QPoint(0, 0), RozmiarSiatki(o)), Linie);
    for (int w = 0; w <= 16; ++w)
        for (int k = 0; k <= 16; ++k)
            RysujKomorke(p, o, k, w);
}

int RozmiarCzcionkiKomorki(const QFont& baza, const QString& tekst, int szerokosc, int wysokosc) {
    QFont f = baza;
    for (int r = 25; r >= 5; --r) {
        f.setPointSize(r);
        const QFontMetrics fm(f);
        if (fm.horizontalAdvance(tekst) < szerokosc && fm.height() < wysokosc) return r;
    }
    return 4;
}

void DopasujSiatke(TObrazSiatki& o, int wysokosc, int szerokosc, const QString& naroznik) {
    o.c = std::max(wysokosc, 2);
    o.e = std::max(szerokosc, 2);
    o.rozmiar = RozmiarCzcionkiKomorki(o.czcionka, QStringLiteral("5000"), o.e - 2, o.c - 1);
    o.rozmiarNaroznika = RozmiarCzcionkiKomorki(o.czcionka, naroznik, o.e - 4, o.c - 1);
}
