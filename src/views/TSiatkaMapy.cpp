#include "TSiatkaMapy.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

TSiatkaMapy::TSiatkaMapy(QWidget* rodzic) : QWidget(rodzic) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void TSiatkaMapy::Rozmiesc(const QRect& miejsce, int wysokosc, int szerokosc,
                           const QString& naroznik) {
    obraz.czcionka = font();
    DopasujSiatke(obraz, wysokosc, szerokosc, naroznik);
    setGeometry(miejsce);
    update();
}

QRect TSiatkaMapy::ProstokatKomorki(int kolumna, int wiersz) const {
    return ::ProstokatKomorki(obraz, kolumna, wiersz);
}

QPoint TSiatkaMapy::KomorkaPod(QPoint punkt) const {
    return {std::clamp((punkt.x() - 2) / obraz.e, 0, 16),
            std::clamp((punkt.y() - 2) / obraz.c, 0, 16)};
}

void TSiatkaMapy::paintEvent(QPaintEvent*) {
    obraz.tekst = Tekst;
    obraz.kolory = Kolory;
    obraz.ramka = Ramka ? Ramka() : QRect();
    obraz.zywa = Zywa;
    QPainter p(this);
    RysujSiatke(p, obraz);
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

void TSiatkaMapy::focusInEvent(QFocusEvent*) {
    if (OnFokus) OnFokus();
}

void TSiatkaMapy::focusOutEvent(QFocusEvent*) {
    if (OnFokus) OnFokus();
}
