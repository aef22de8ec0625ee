#include "TSiatkaMapy.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {
const QColor Magenta(255, 0, 255);
}

TSiatkaMapy::TSiatkaMapy(QWidget* rodzic) : QWidget(rodzic) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void TSiatkaMapy::Rozmiesc(const QRect& miejsce, int wysokosc, int szerokosc) {
    c = std::max(wysokosc, 2);
    e = std::max(szerokosc, 2);
    setGeometry(miejsce);
    update();
}

void TSiatkaMapy::UstawCzcionki(int komorki, int naroznik) {
    rozmiar = komorki;
    rozmiarNaroznika = naroznik;
    update();
}

QRect TSiatkaMapy::ProstokatKomorki(int kolumna, int wiersz) const {
    return {2 + kolumna * e, 2 + wiersz * c, e - 1, c - 1};
}

QPoint TSiatkaMapy::KomorkaPod(QPoint punkt) const {
    return {std::clamp((punkt.x() - 2) / e, 0, 16), std::clamp((punkt.y() - 2) / c, 0, 16)};
}

void TSiatkaMapy::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(160, 160, 160));
    for (int w = 0; w <= 16; ++w)
        for (int k = 0; k <= 16; ++k)
            RysujKomorke(p, k, w);
}

void TSiatkaMapy::RysujKomorke(QPainter& p, int k, int w) {
    const QRect r = ProstokatKomorki(k, w);
    const TKoloryKomorki kolory = Kolory ? Kolory(k, w) : TKoloryKomorki{Qt::white};
    const bool dane = k > 0 && w > 0;
    // The selection's outer edges: magenta, then the cell refilled 2 pixels inside them.
    if (dane && Ramka.isValid() && Ramka.contains(k, w)) {
        p.fillRect(r, Magenta);
        const QMargins wciecie(k == Ramka.left() ? 2 : 0, w == Ramka.top() ? 2 : 0,
                               k == Ramka.right() ? 2 : 0, w == Ramka.bottom() ? 2 : 0);
        p.fillRect(r.marginsRemoved(wciecie), kolory.tlo);
    } else {
        p.fillRect(r, kolory.tlo);
    }
    QFont f = font();
    f.setPointSize(k == 0 && w == 0 ? rozmiarNaroznika : rozmiar);
    p.setFont(f);
    p.setPen(kolory.tekst);
    const QString t = Tekst ? Tekst(k, w) : QString();
    const int srodekY =
        r.top() + (r.height() + p.fontMetrics().ascent() - p.fontMetrics().descent()) / 2;
    const int szer = p.fontMetrics().horizontalAdvance(t);
    const int x = dane ? r.right() - 1 - szer : r.left() + (r.width() - szer) / 2;
    p.drawText(x, srodekY, t);
    if (QPoint(k, w) == Zywa && dane) {
        p.setPen(Qt::black);
        p.setBrush(Magenta);
        const int d = r.height() - 1;
        p.drawEllipse(r.left(), r.top(), d, d);
        p.setBrush(Qt::NoBrush);
    }
}

void TSiatkaMapy::Zaznacz(QPoint od, QPoint doKomorki) {
    const auto ogranicz = [](QPoint q) {
        return QPoint(std::clamp(q.x(), 1, 16), std::clamp(q.y(), 1, 16));
    };
    kotwica = ogranicz(od);
    biezaca = ogranicz(doKomorki);
    const QRect nowe = QRect(kotwica, biezaca).normalized();
    if (nowe == Zaznaczenie) return;
    Zaznaczenie = nowe;
    if (OnZaznaczenie) OnZaznaczenie();
    update();
}

void TSiatkaMapy::mousePressEvent(QMouseEvent* zdarzenie) {
    const QPoint k = KomorkaPod(zdarzenie->position().toPoint());
    if (OnKlik) OnKlik(k.x(), k.y());
    if (k.x() > 0 && k.y() > 0) Zaznacz(k, k);
}

void TSiatkaMapy::mouseMoveEvent(QMouseEvent* zdarzenie) {
    if (zdarzenie->buttons() & Qt::LeftButton)
        Zaznacz(kotwica, KomorkaPod(zdarzenie->position().toPoint()));
}

void TSiatkaMapy::keyPressEvent(QKeyEvent* zdarzenie) {
    if (OnKlawisz && OnKlawisz(zdarzenie)) return;
    QPoint krok;
    switch (zdarzenie->key()) {
    case Qt::Key_Left:
        krok = {-1, 0};
        break;
    case Qt::Key_Right:
        krok = {1, 0};
        break;
    case Qt::Key_Up:
        krok = {0, -1};
        break;
    case Qt::Key_Down:
        krok = {0, 1};
        break;
    default:
        QWidget::keyPressEvent(zdarzenie);
        return;
    }
    const QPoint cel = biezaca + krok;
    Zaznacz(zdarzenie->modifiers() & Qt::ShiftModifier ? kotwica : cel, cel);
}
