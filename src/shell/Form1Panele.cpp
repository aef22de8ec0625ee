// The right column: live grids, the OBD status picture, and the parameter table dialog.

#include "FormLevel.h"
#include "FormParam.h"
#include "FormSeq.h"
#include "Kontrolki.h"
#include "Obrazki.h"
#include "SiatkaCzasow.h"
#include "SiatkaParametrow.h"
#include "TForm1.h"

#include <QPainter>

void TForm1::ZerujPanele() {
    siatkaCzasow->Wyczysc();
    UlozPrawa();
}

// Nothing the controller no longer says stays on show: grids, lamps, the dialogs' values.
void TForm1::GasZywe() {
    zyweWartosci = false;
    siatkaParametrow->BrakLacza();
    siatkaCzasow->BrakLacza();
    lampki13 = lampki14 = -1;
    RysujStacyjke(0, 0);
    formSeq->BrakLacza();
    formLevel->BrakLacza();
}

void TForm1::UlozPrawa() {
    RysujObrazObd();
    const int wiersz = std::max(18, panelRight->height() / 20);
    // The column's own width: its children are laid out only after it has resized.
    const int szerokosc = panelRight->width();
    siatkaParametrow->Rozmiesc(szerokosc, wiersz);
    siatkaCzasow->RozmiarEtykiet = siatkaParametrow->RozmiarEtykiet;
    siatkaCzasow->RozmiarWartosci = siatkaParametrow->RozmiarWartosci;
    siatkaCzasow->Rozmiesc(szerokosc, siatkaParametrow->WysokoscWiersza);
}

void TForm1::RysujObrazObd() {
    if (panel1->width() <= 100) return;
    const int szerokosc = panel1->width() - 90;
    const qreal skala = devicePixelRatioF();
    QPixmap obszar(QSize(szerokosc, 48) * skala);
    obszar.setDevicePixelRatio(skala);
    obszar.fill(paleta.Tlo);
    const QPixmap obraz = Obrazki::Wczytaj(Obrazki::Obd(ProtokolObd), skala);
    QPainter p(&obszar);
    if (szerokosc < 136) {
        const int w = szerokosc - 4, h = w * 48 / 135;
        p.drawPixmap(QRect(0, 48 - h, w, h), obraz);
    } else {
        p.drawPixmap((szerokosc - int(obraz.deviceIndependentSize().width())) / 2, 0, obraz);
    }
    p.end();
    image2->setPixmap(obszar);
    image2->setProperty("Obraz", Obrazki::Obd(ProtokolObd));
}

void TForm1::TabelaParametrow() {
    formParam->Przygotuj(paleta, QStringLiteral("SELVAR - ") + PodajTekst(1230));
    formParam->exec();
    siatkaParametrow->Wyczysc();
    UlozPrawa();
}
