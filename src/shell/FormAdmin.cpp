#include "FormAdmin.h"

#include "SiatkaObdOkna.h"

#include <QEvent>
#include <QFontDatabase>
#include <QTextEdit>
#include <QVBoxLayout>

TFormAdmin::TFormAdmin(QWidget* rodzic) : QDialog(rodzic), tekst(new QTextEdit(this)) {
    setObjectName(QStringLiteral("FormAdmin"));
    setWindowTitle(QStringLiteral("FormAdmin"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    resize(643, 304);
    tekst->setObjectName(QStringLiteral("RichEdit1"));
    tekst->setReadOnly(true);
    tekst->setLineWrapMode(QTextEdit::NoWrap);
    tekst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tekst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont stala = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    stala.setPointSize(8);
    tekst->setFont(stala);
    tekst->viewport()->installEventFilter(this);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(tekst);
}

void TFormAdmin::Pokaz(QWidget* okno) {
    if (!isVisible()) move(okno->geometry().center() - rect().center());
    show();
}

void TFormAdmin::DodajLinie(const QString& linia, TKolor kolor) {
    if (!isVisible()) return;
    DodajLinieKolorem(*tekst, linia, QColor::fromRgb(QRgb(kolor.rgb)));
}

void TFormAdmin::Wyczysc() {
    tekst->clear();
}

bool TFormAdmin::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == tekst->viewport() && zdarzenie->type() == QEvent::MouseButtonDblClick) {
        tekst->clear();
        return true;
    }
    return false;
}
