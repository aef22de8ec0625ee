#include "MenuPortowOkna.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

int TPozycjaMenuOkna::Tag() const {
    return akcja.data().toInt();
}

void TPozycjaMenuOkna::UstawTag(int tag) {
    akcja.setData(tag);
}

TMenuPortowOkna::TMenuPortowOkna(QMenu& m, std::function<void(QAction&)> k)
    : menu(m), klik(std::move(k)) {}

void TMenuPortowOkna::UsunPorty() {
    const QList<QAction*> akcje = menu.actions();
    for (qsizetype i = 2; i < akcje.size(); ++i) {
        menu.removeAction(akcje[i]);
        akcje[i]->deleteLater();
    }
}

void TMenuPortowOkna::DodajPort(const QString& opis, int tag, bool zaznaczony) {
    QActionGroup* grupa = menu.findChild<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (!grupa) grupa = new QActionGroup(&menu);
    QAction* a = menu.addAction(opis);
    a->setData(tag);
    a->setCheckable(true);
    a->setChecked(zaznaczony);
    a->setActionGroup(grupa);
    QObject::connect(a, &QAction::triggered, &menu, [this, a] { klik(*a); });
}
