#include "ZnacznikDzialan.h"

#include "Cofanie.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// Shift, Ctrl and the like only change another key; alone they change nothing.
bool Modyfikator(const QKeyEvent& k) {
    switch (k.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return true;
    default:
        return false;
    }
}

} // namespace

TZnacznikDzialan::TZnacznikDzialan(TCofanie& c, QObject* rodzic) : QObject(rodzic), cofanie(c) {
    QCoreApplication::instance()->installEventFilter(this);
}

TZnacznikDzialan::~TZnacznikDzialan() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool TZnacznikDzialan::eventFilter(QObject*, QEvent* zdarzenie) {
    switch (zdarzenie->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        cofanie.PoczatekDzialania();
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(zdarzenie)->buttons() == Qt::NoButton)
            cofanie.KoniecDzialania();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* k = static_cast<QKeyEvent*>(zdarzenie);
        if (k->isAutoRepeat() || Modyfikator(*k)) break;
        if (zdarzenie->type() == QEvent::KeyPress)
            cofanie.PoczatekDzialania();
        else
            cofanie.KoniecDzialania();
        break;
    }
    case QEvent::Wheel:
        if (cofanie.Trwa()) break;
        cofanie.PoczatekDzialania();
        cofanie.KoniecDzialania();
        break;
    default:
        break;
    }
    return false;
}
