#include "Strzalki.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QWheelEvent>

namespace {
// A page key steps as far as ten clicks.
constexpr int KrokStrony = 10;

QToolButton* Strzalka(QWidget* rodzic, Qt::ArrowType kierunek, const char* nazwa) {
    auto* b = new QToolButton(rodzic);
    b->setObjectName(QLatin1String(nazwa));
    b->setArrowType(kierunek);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
} // namespace

TStrzalki::TStrzalki(QWidget* rodzic)
    : QWidget(rodzic), gora(Strzalka(this, Qt::UpArrow, "Gora")),
      dol(Strzalka(this, Qt::DownArrow, "Dol")) {
    setFocusPolicy(Qt::StrongFocus);
    connect(gora, &QToolButton::clicked, this, [this] { Krok(1); });
    connect(dol, &QToolButton::clicked, this, [this] { Krok(-1); });
    Odswiez();
}

void TStrzalki::UstawZakres(int od, int doo) {
    min = od;
    max = qMax(od, doo);
    UstawWartosc(wartosc);
}

void TStrzalki::UstawWartosc(int w) {
    wartosc = qBound(min, w, max);
    Odswiez();
}

void TStrzalki::Krok(int o) {
    const int nowa = qBound(min, wartosc + o, max);
    if (nowa == wartosc) return;
    wartosc = nowa;
    Odswiez();
    if (PoZmianie) PoZmianie(wartosc);
}

void TStrzalki::Odswiez() {
    gora->setEnabled(wartosc < max);
    dol->setEnabled(wartosc > min);
}

void TStrzalki::keyPressEvent(QKeyEvent* z) {
    switch (z->key()) {
    case Qt::Key_Up:
        Krok(1);
        break;
    case Qt::Key_Down:
        Krok(-1);
        break;
    case Qt::Key_PageUp:
        Krok(KrokStrony);
        break;
    case Qt::Key_PageDown:
        Krok(-KrokStrony);
        break;
    default:
        QWidget::keyPressEvent(z);
    }
}

void TStrzalki::wheelEvent(QWheelEvent* z) {
    const int y = z->angleDelta().y();
    if (y != 0) Krok(y > 0 ? 1 : -1);
    z->accept();
}

void TStrzalki::resizeEvent(QResizeEvent*) {
    const int polowa = height() / 2;
    gora->setGeometry(0, 0, width(), polowa);
    dol->setGeometry(0, polowa, width(), height() - polowa);
}
