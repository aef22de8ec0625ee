#include "TNastawy.h"

#include "Paleta.h"
#include "Wypelnienie.h"

#include <QPainter>

TNastawy::TNastawy(TSterownik& sterownik, QWidget* rodzic)
    : QWidget(rodzic), s(sterownik), wypelnienie(new TWypelnienie(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void TNastawy::Umiesc(QWidget* panel) {
    wypelnienie->Przenies(panel);
}

void TNastawy::UstawWidok(int strona) {
    if (strona >= 0) Strona = strona;
    update();
}

void TNastawy::UstawPoziom(int poziom) {
    Poziom = poziom;
    UstawWidok(-1);
}

void TNastawy::Rozmiesc() {
    update();
}

void TNastawy::Ukryj() {
    hide();
}

void TNastawy::KlawiszKodu(int) {}

void TNastawy::UstawPalete(const TPaleta* p) {
    paleta = p;
    update();
}

void TNastawy::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    malarz.fillRect(rect(), paleta ? paleta->Tlo : palette().window().color());
}
