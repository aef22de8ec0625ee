// The main tabs, the map and OBD sub-tabs and the map tools.

#include "Kontrolki.h"
#include "ListaWykresow.h"
#include "PanelDiagnozyObd.h"
#include "TForm1.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TScope.h"
#include "TSterownik.h"

#include <QApplication>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>

namespace {

QColor KolorOkna() {
    return QApplication::palette().color(QPalette::WindowText);
}

// A tool row in use has its height; one not in use shrinks to nothing.
void Wysokosc(QWidget* rzad, int wysokosc) {
    rzad->setVisible(wysokosc > 1);
    rzad->setFixedHeight(wysokosc);
}

const QColor Czerwony(0xFF, 0x00, 0x00);
const QColor Zielony(0x00, 0xA0, 0x00);
const QColor Fioletowy(0x80, 0x00, 0x80);

} // namespace

void TForm1::WybierzZakladke(int tag) {
    QToolButton* b = nullptr;
    if (tag >= 0) {
        b = Przycisk(tag + 1);
        b->setChecked(true);
    }
    ZakladkaGlownaKlik(b);
}

void TForm1::ZakladkaGlownaKlik(QToolButton* b) {
    if (b) ZakladkaGlowna = Tag(b);
    for (int i = 0; i < 6; ++i)
        UstawKolorNapisu(Przycisk(i + 1), i == ZakladkaGlowna ? paleta.KolorWybrany : KolorOkna());
    if (ZakladkaGlowna != 5) {
        panelObd->hide();
        richEditDtc->hide();
        stringGridPid->hide();
    }
    UkryjKomendy();
    for (QWidget* w : {panel50, panelBledy, panelInfo, panel80, panelTopTab[1], panelTopTab[2]})
        w->hide();
    switch (ZakladkaGlowna) {
    case 0:
        ZakladkaUstawien();
        break;
    case 1:
        ZakladkaKalibracji();
        break;
    case 2:
        ZakladkaMapyGlowna();
        break;
    case 3:
        ZakladkaDiagnostyki();
        break;
    case 4:
        ZakladkaOscyloskopu();
        break;
    default:
        ZakladkaObdGlowna();
        break;
    }
    UlozKomendy();
    if (ZakladkaGlowna <= 1) {
        nastawy->UstawWidok(ZakladkaGlowna);
        nastawy->Rozmiesc();
    }
    kolorDiagnostyki = KolorNapisu(Przycisk(4));
}

void TForm1::ZakladkaUstawien() {
    grafika->Ukryj();
    scope->hide();
    PokazLewa(false);
    UstawDol(0);
    nastawy->Umiesc(panelWidoku);
    nastawy->show();
    Komenda(1260, 101, paleta.KolorWybrany, 3);
}

void TForm1::ZakladkaKalibracji() {
    grafika->Ukryj();
    PrzeniesNastawy(panelNasInfoObd, 80);
    scope->show();
    // A scope file on show stays on show.
    if (scope->Tryb != 5) {
        scope->Komenda(1);
        Przycisk(50)->setChecked(true);
    }
    PokazLewa(Widok == 2);
    Komenda(1261, 201, paleta.KolorWybrany, 3, QStringLiteral("  [Enter]"));
}

void TForm1::ZakladkaMapyGlowna() {
    scope->hide();
    PokazLewa(false);
    const bool dwaRzedy = TrybSerwisowy == 3 || DrugiRzad;
    panelTopTab[1]->setFixedHeight(dwaRzedy ? 50 : 25);
    for (int n : {21, 22})
        Przycisk(n)->setVisible(dwaRzedy);
    panelTopTab[1]->show();
    UstawDol(0);
    ZakladkaMapyKlik(nullptr);
}

void TForm1::ZakladkaDiagnostyki() {
    nastawy->Ukryj();
    grafika->Ukryj();
    scope->hide();
    PokazLewa(false);
    panelBledy->show();
    panelInfo->show();
    UstawDol([this] { return panelCenter->height() / 3; });
    Komenda(1265, 402, KolorOkna(), 0);
    Komenda(1266, 403, KolorOkna(), 1);
    Komenda(1264, 401, paleta.KolorWybrany, 3);
    sterownik->RozkazDoSterownika(TSterownik::RozkazBledy);
}

void TForm1::ZakladkaOscyloskopu() {
    nastawy->Ukryj();
    grafika->Ukryj();
    scope->show();
    PokazLewa(Widok == 2);
    UstawDol(0);
    panel50->show();
    listaWykresow->Przebuduj();
}

void TForm1::ZakladkaObdGlowna() {
    nastawy->Umiesc(panelWidoku);
    nastawy->Ukryj();
    grafika->Ukryj();
    scope->hide();
    PokazLewa(false);
    panelTopTab[2]->show();
    UstawDol([this] { return panelCenter->height() / 2; });
    ZakladkaObdKlik(nullptr);
}

void TForm1::ZakladkaMapyKlik(QToolButton*) {
    ZakladkaMapy = -1;
    for (int n : {11, 12, 13, 14, 15, 21, 22})
        if (Przycisk(n)->isChecked()) ZakladkaMapy = Tag(Przycisk(n));
    UkryjKomendy();
    if (ZakladkaMapy == 0) {
        PrzeniesNastawy(panelNasInfoObd, 80);
        nastawy->UstawWidok(20);
        nastawy->Rozmiesc();
    } else {
        UstawDol(0);
        nastawy->Ukryj();
    }
    switch (ZakladkaMapy) {
    case 0:
        KomendyMnoznika();
        break;
    case 1:
        if (Widok > 0) {
            Komenda(1268, 321, Czerwony, 0);
            Komenda(1269, 322, Zielony, 1);
            Komenda(1272, 323, paleta.KolorWybrany, 2);
        } else {
            Komenda(1272, 323, paleta.KolorWybrany, 0);
        }
        break;
    case 2:
    case 3:
    case 4:
        Komenda(1272, 331, Fioletowy, 0);
        break;
    case 6:
        Komenda(1272, 361, Fioletowy, 0);
        break;
    case 7:
        Komenda(1272, 371, Fioletowy, 0);
        break;
    default:
        break;
    }
    NarzedziaMap();
    grafika->UstawTryb(ZakladkaMapy);
    grafika->show();
    for (int n : {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26})
        UstawKolorNapisu(Przycisk(n), Przycisk(n)->isChecked() ? paleta.KolorWybrany : KolorOkna());
    UlozKomendy();
}

void TForm1::KomendyMnoznika() {
    Komenda(1268, 311, Czerwony, 0);
    Komenda(1269, 312, Zielony, 1);
    if (grafika->Propozycja()) {
        Komenda(2251, 315, paleta.KolorWybrany, 2);
        Komenda(2252, 316, KolorOkna(), 3);
    } else {
        Komenda(1271, 313, Fioletowy, 2);
        Komenda(2250, 314, KolorOkna(), 3);
    }
}

void TForm1::ZakladkaObdKlik(QToolButton*) {
    ZakladkaObd = 0;
    for (int n : {32, 33, 34})
        if (Przycisk(n)->isChecked()) ZakladkaObd = Tag(Przycisk(n));
    UkryjKomendy();
    if (ZakladkaObd == 3) {
        UstawDol(0);
        nastawy->Ukryj();
        grafika->UstawTryb(5);
        grafika->show();
        Komenda(1268, 324, Czerwony, 0);
        Komenda(1269, 325, Zielony, 1);
        Komenda(1272, 323, paleta.KolorWybrany, 2);
    } else {
        grafika->Ukryj();
        richEditDtc->clear();
        panelInfo->hide();
        panelObd->show();
        if (ZakladkaObd == 0) {
            UstawDol([this] { return panelCenter->height() - 65; });
            nastawy->Ukryj();
            stringGridElm->show();
            panelObdTab->show();
            PrzelaczKodyPidy();
            Komenda(1273, 391, KolorOkna(), 0);
            Komenda(1274, 392, KolorOkna(), 1);
            Komenda(1118, 390, KolorOkna(), 3);
        } else {
            UstawDol([this] { return panelCenter->height() / 2; });
            richEditDtc->show();
            stringGridPid->hide();
            panelMonitory->hide();
            stringGridElm->hide();
            panelObdTab->hide();
            nastawy->Umiesc(panelWidoku);
            nastawy->show();
            nastawy->UstawWidok(ZakladkaObd == 1 ? 50 : 51);
            nastawy->Rozmiesc();
            Komenda(1273, ZakladkaObd == 1 ? 393 : 395, KolorOkna(), 0);
            Komenda(1274, ZakladkaObd == 1 ? 394 : 396, KolorOkna(), 1);
        }
    }
    NarzedziaMap();
    UlozKomendy();
}

void TForm1::PrzelaczKodyPidy() {
    richEditDtc->setVisible(Przycisk(41)->isChecked());
    stringGridPid->setVisible(Przycisk(42)->isChecked());
    panelMonitory->setVisible(Przycisk(43)->isChecked());
    for (int n : {41, 42, 43})
        UstawKolorNapisu(Przycisk(n), Przycisk(n)->isChecked() ? paleta.KolorWybrany : KolorOkna());
}

void TForm1::NarzedziaMap() {
    const bool mnoznik = ZakladkaGlowna == 2 && ZakladkaMapy == 0;
    const bool wUzyciu = (ZakladkaGlowna == 2 && (ZakladkaMapy == 0 || ZakladkaMapy == 1)) ||
                         (ZakladkaGlowna == 5 && ZakladkaObd == 3);
    panel80->setVisible(wUzyciu);
    if (!wUzyciu) return;
    Wysokosc(panel81, Widok >= 1 && !mnoznik ? panelWidoku->height() / 2 + 5 : 1);
    Przycisk(80 + grafika->Mapa)->setChecked(true);
    Wysokosc(panel82, sterownik->PlytkaV3 ? 104 : 1);
    if (sterownik->PlytkaV3) {
        const int bank = mnoznik ? grafika->BankMnoznika() : grafika->BankKorekt();
        Przycisk(85 + bank)->setChecked(true);
        UstawPrzyciskKopii();
    }
    panel83->setVisible(!mnoznik);
    Przycisk(90)->setText(PodajTekst(grafika->OpisOsi()));
}

void TForm1::UstawPrzyciskKopii() {
    const bool mnoznik = ZakladkaGlowna == 2 && ZakladkaMapy == 0;
    const int wybor = mnoznik ? grafika->WyborBankuMnoznika : grafika->WyborBankuKorekt;
    QToolButton* kopia = Przycisk(88);
    kopia->setVisible(wybor != 0);
    kopia->setText(wybor == 2 ? QStringLiteral("2 -> 1") : QStringLiteral("1 -> 2"));
    UstawTag(kopia, wybor == 2 ? 4 : 3);
}

void TForm1::Komenda(int idNapisu, int tag, const QColor& kolor, int ktory,
                     const QString& dopisek) {
    QPushButton* b = btn[std::size_t(ktory)];
    b->setText(PodajTekst(idNapisu) + dopisek);
    UstawKolorNapisu(b, kolor);
    UstawTag(b, tag);
    b->show();
}

void TForm1::UkryjKomendy() {
    for (QPushButton* b : btn)
        b->hide();
}

void TForm1::UstawDol(int wysokosc) {
    UstawDol([wysokosc] { return wysokosc; });
}

void TForm1::UstawDol(std::function<int()> wysokosc) {
    wysokoscDolu = std::move(wysokosc);
    panelNasInfoObd->setVisible(wysokoscDolu() > 0);
    DopasujDol();
}

void TForm1::DopasujDol() {
    const int dol = wysokoscDolu ? wysokoscDolu() : 0;
    if (dol <= 0) return;
    const int razem = splitter->height() - splitter->handleWidth();
    if (razem > dol) splitter->setSizes({razem - dol, dol});
}

void TForm1::PrzeniesNastawy(QWidget* panel, int wysokosc) {
    nastawy->Umiesc(panel);
    nastawy->show();
    if (panel != panelNasInfoObd) return;
    panelInfo->hide();
    panelObd->hide();
    UstawDol(wysokosc);
}
