// The link events of both links: title, status, errors, history, calibration, live frames.

#include "FormDevice.h"
#include "FormLevel.h"
#include "FormProg.h"
#include "FormSeq.h"
#include "Kontrolki.h"
#include "ListaWykresow.h"
#include "SiatkaCzasow.h"
#include "SiatkaObdOkna.h"
#include "SiatkaParametrow.h"
#include "TForm1.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TObd.h"
#include "TScope.h"
#include "TSterownik.h"
#include "TekstyBledow.h"
#include "ZapisyOczekujace.h"

#include <QAction>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace {

// Commands of the frames the window reacts to.
constexpr int Identyfikator = 129;
constexpr int ListaBledow = 130;
constexpr int BlokFirmware = 255;
bool Biezaca(int kod, int dlugosc) {
    return (kod & 0xF0) == 0x90 && dlugosc > 4;
}
bool BlokNowy(int kod) {
    return kod == 134 || kod == 232;
}

} // namespace

void TForm1::ZdarzenieLacza(int kod, int a1, int a2, int a3) {
    switch (kod) {
    case 0:
        // The module speaks in frames of its own, long before the next identity.
        if (sterownik->ModulObd != modulObdPokazany) PodzakladkiModulow();
        // Every acknowledgement is a reply: the indicator knows what is still waiting.
        zapisy->Aktualizuj();
        if (Biezaca(a1, a2))
            RamkaBiezaca();
        else if (a1 == Identyfikator)
            Identyfikacja();
        else if (a1 == ListaBledow)
            Bledy();
        else if (BlokNowy(a1))
            BlokDanych();
        else if (a1 == BlokFirmware)
            formProg->Potwierdzenie();
        break;
    case 2:
        Kalibracja(a1, a3);
        break;
    case 3:
        if (a1 == 0) setWindowTitle(TytulPodstawowy);
        plikNaEkranie = false;
        ofertaFirmware = false;
        break;
    case 4:
        PlikOffline();
        break;
    case 5:
        Przycisk(53)->setChecked(a1 != 0);
        break;
    case TObd::KodZdarzenia:
        if (a1 != 101 && a1 != 102) break;
        if (a1 == 102 && a2 != 0 && !zakladkaWybrana) WybierzZakladke(5);
        ProtokolObd = a2;
        UlozPrawa();
        break;
    default:
        break;
    }
}

void TForm1::Identyfikacja() {
    TSterownik& s = *sterownik;
    QString tytul = TytulPodstawowy;
    if (s.IdentSterownika[5] == 0) {
        tytul += QStringLiteral("  -  ") + s.StrNazwaSterownika() + QStringLiteral(" v") +
                 s.StrWersjaCyframi(1);
        Przycisk(31)->setChecked(true);
        PodzakladkiModulow();
        if (ZakladkaGlowna == 5) ZakladkaObdKlik(Przycisk(31));
        SprawdzWersjePoAktualizacji();
    } else if (s.IdentSterownika[5] == 1 && !s.FlashUzbrojony) {
        tytul +=
            QStringLiteral(" - ") + s.StrNazwaSterownika() + QLatin1Char(' ') + PodajTekst(1365);
        OfertaFirmware();
    }
    setWindowTitle(tytul);
    // The board decides which settings the editor offers.
    nastawy->UstawWidok(-1);
    nastawy->Rozmiesc();
    panelStatus->UstawKolory(QColor(0xFF, 0xFB, 0xF0), QColor(0x00, 0x80, 0x00));
    panelStatus->setText(PodajTekst(1241));
    UlozPrawa();
}

void TForm1::PodzakladkiModulow() {
    modulObdPokazany = sterownik->ModulObd;
    Przycisk(32)->setVisible(modulObdPokazany);
    Przycisk(33)->setVisible(sterownik->PlytkaV3);
    UlozZakladki();
}

void TForm1::Bledy() {
    richEditBledy->clear();
    const bool zLicznikami = sterownik->StanPracy[1] & 0x10;
    for (const QString& linia : LinieBledow(sterownik->RamkaRx, zLicznikami, teksty))
        DodajLinieKolorem(*richEditBledy, linia, std::nullopt);
}

void TForm1::BlokDanych() {
    listaWykresow->Przebuduj();
    NarzedziaMap();
    UlozPrawa();
    nastawy->UstawWidok(-1);
    grafika->Odswiez();
    siatkaParametrow->viewport()->update();
    siatkaCzasow->viewport()->update();
    Przycisk(90)->setText(PodajTekst(grafika->OpisOsi()));
}

void TForm1::PlikOffline() {
    plikNaEkranie = true;
    GasZywe();
    BrakPolaczenia();
    // No automatic reconnection while a file is on show.
    Akcja(QStringLiteral("MenuConn0"))->setData(-1);
    // The plain title and the file: a second file replaces the first in the title.
    setWindowTitle(TytulPodstawowy + QStringLiteral(" - [") + sterownik->PlikBiezacy +
                   QLatin1Char(']'));
    listaWykresow->Przebuduj();
    NarzedziaMap();
    grafika->Odswiez();
    Przycisk(90)->setText(PodajTekst(grafika->OpisOsi()));
}

void TForm1::Kalibracja(int etap, int krok) {
    progressBar1->setValue(krok);
    QPushButton* start = btn[3];
    const QString enter = QStringLiteral("  [Enter]");
    switch (etap) {
    case 1:
        start->setText(PodajTekst(1263) + enter);
        progressBar1->setValue(0);
        progressBar1->show();
        UlozKomendy();
        break;
    case 3:
    case 4:
    case 5:
        start->setText(PodajTekst(1261) + enter);
        progressBar1->hide();
        UlozKomendy();
        // Shown after the link's tick, which is still running here.
        if (etap == 3)
            komunikatyLaczy.KomunikatTekst(PodajTekst(1293) + QLatin1Char('\n') + PodajTekst(1294) +
                                               QLatin1Char('\n') + PodajTekst(1295),
                                           TKomunikaty::Informacja);
        else if (etap == 4)
            komunikatyLaczy.Komunikat(1292, TKomunikaty::Blad);
        break;
    default:
        break;
    }
    nastawy->update();
}

void TForm1::RamkaBiezaca() {
    const unsigned char* r = sterownik->RamkaRx;
    zyweWartosci = true;
    StatusRamki();
    Lampki();
    siatkaParametrow->Aktualizuj();
    if (!siatkaCzasow->Aktualizuj()) {
        UlozPrawa();
        siatkaCzasow->Aktualizuj();
    }
    grafika->DaneBiezace(r);
    scope->DodajProbke(r);
    formSeq->RamkaBiezaca(r);
    formLevel->RamkaBiezaca(r);
    HistoriaRamki();
}

void TForm1::HistoriaRamki() {
    const unsigned char rodzaj = sterownik->RamkaRx[6];
    if (rodzaj != 240 && rodzaj != 243 && rodzaj != 244) return;
    DodajLinieKolorem(
        *richEditInfo,
        LiniaHistorii(scope->CzasZapisu(), sterownik->StrInfoPracy(sterownik->RamkaRx)),
        std::nullopt);
}
