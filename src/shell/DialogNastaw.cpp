#include "DialogNastaw.h"

#include "Kontrolki.h"
#include "Paleta.h"
#include "Strzalki.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

TDialogNastaw::TDialogNastaw(TSterownik& sterownik, QWidget* rodzic)
    : QDialog(rodzic), s(sterownik) {}

void TDialogNastaw::Przygotuj(TNastawy* e, const TPaleta& paleta, const QString& tytul) {
    edytor = e;
    kolorTekstu = paleta.KolorDialogu;
    UstawTlo(this, paleta.Tlo, paleta.KolorDialogu);
    setWindowTitle(tytul);
}

void TDialogNastaw::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    // Without an editor there is nothing to edit.
    if (!edytor || !Wypelnij()) QTimer::singleShot(0, this, &QDialog::reject);
}

QString TDialogNastaw::T(int id) const {
    return s.Teksty ? s.Teksty->PodajTekst(id) : QString();
}

QLabel* TDialogNastaw::Etykieta(const QString& nazwa) {
    auto* l = new QLabel(this);
    l->setObjectName(nazwa);
    return l;
}

QLineEdit* TDialogNastaw::PoleWartosci(int n, const QRect& miejsce) {
    auto* pole = new QLineEdit(this);
    pole->setObjectName(QStringLiteral("Edit%1").arg(n));
    pole->setReadOnly(true);
    pole->setGeometry(miejsce);
    return pole;
}

TStrzalki* TDialogNastaw::Strzalki(int n, const QPoint& miejsce, int wysokosc,
                                   std::function<void(int)> poZmianie) {
    constexpr int Szerokosc = 20;
    auto* strzalki = new TStrzalki(this);
    strzalki->setObjectName(QStringLiteral("UpDown%1").arg(n));
    strzalki->setGeometry(QRect(miejsce, QSize(Szerokosc, wysokosc)));
    strzalki->PoZmianie = std::move(poZmianie);
    return strzalki;
}
