#include "FormLogo.h"

#include "Kontrolki.h"
#include "Obrazki.h"

#include <QVBoxLayout>

TFormLogo::TFormLogo(QWidget* rodzic) : QDialog(rodzic, Qt::FramelessWindowHint | Qt::Dialog) {
    setObjectName(QStringLiteral("FormLogo"));
    setFixedSize(708, 490);
    auto* obraz = new TPanel(QStringLiteral("Image1"), this);
    obraz->setPixmap(Obrazki::Wczytaj(Obrazki::Logo));
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(4, 4, 4, 4);
    uklad->addWidget(obraz);
}

void TFormLogo::Pokaz(const QColor& tlo) {
    UstawTlo(this, tlo, Qt::black);
    if (QWidget* okno = parentWidget()) move(okno->geometry().center() - rect().center());
    // Modal to the user, yet the timers and the links keep running under it.
    setWindowModality(Qt::ApplicationModal);
    show();
}
