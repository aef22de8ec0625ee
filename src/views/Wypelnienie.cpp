#include "Wypelnienie.h"

#include <QEvent>
#include <QWidget>

TWypelnienie::TWypelnienie(QWidget* w) : QObject(w), widok(w) {
    if (widok->parentWidget()) Przenies(widok->parentWidget());
}

void TWypelnienie::Przenies(QWidget* rodzic) {
    if (QWidget* stary = widok->parentWidget()) stary->removeEventFilter(this);
    const bool ukryty = widok->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
                        widok->testAttribute(Qt::WA_WState_Hidden);
    if (widok->parentWidget() != rodzic) widok->setParent(rodzic);
    rodzic->installEventFilter(this);
    Dopasuj();
    // setParent hides a widget; the caller decides on visibility, not the move.
    widok->setVisible(!ukryty);
}

bool TWypelnienie::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == widok->parentWidget() && zdarzenie->type() == QEvent::Resize) Dopasuj();
    return false;
}

void TWypelnienie::Dopasuj() {
    if (QWidget* rodzic = widok->parentWidget()) widok->setGeometry(rodzic->rect());
}
