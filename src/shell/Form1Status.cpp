// The status panel, the diagnostics tab's warning colour and the lamps of the switch.

#include "Kontrolki.h"
#include "Lampki.h"
#include "TForm1.h"
#include "TSterownik.h"
#include "TekstyBledow.h"
#include "ZapisyOczekujace.h"

#include <QToolButton>

namespace {

void RozmiarCzcionki(QWidget* w, int punkty) {
    QFont f = w->font();
    f.setPointSize(punkty);
    w->setFont(f);
}

} // namespace

void TForm1::StatusRamki() {
    const unsigned char* r = sterownik->RamkaRx;
    const auto stan = static_cast<unsigned short>(r[10] | (r[11] << 8));
    QString tekst = sterownik->StrStanPracy(stan, 1);
    int punkty = 10;
    // With the engine turning the panel alternates each second with the waiting reason.
    if ((r[11] & 0x03) == 0x03 && r[6] != 0 && (licznikSekund & 1))
        if (const int id = PowodCzekania(r[6], r[7])) {
            tekst = PodajTekst(id);
            punkty = 8;
        }
    panelStatus->UstawKolory(QColor::fromRgb(QRgb(sterownik->KolorStanuPracy(stan).rgb)),
                             Qt::black);
    RozmiarCzcionki(panelStatus, punkty);
    panelStatus->setText(tekst);

    QColor diagnostyka = kolorDiagnostyki;
    if (r[11] & 0x08)
        diagnostyka = QColor(0xFF, 0x00, 0x00);
    else if (r[11] & 0x14)
        diagnostyka = QColor(0x00, 0x80, 0x00);
    UstawKolorNapisu(Przycisk(4), diagnostyka);
}

void TForm1::Lampki() {
    const unsigned char b13 = sterownik->RamkaRx[13], b14 = sterownik->RamkaRx[14];
    if (b13 == lampki13 && b14 == lampki14) return;
    lampki13 = b13;
    lampki14 = b14;
    RysujStacyjke(b13, b14);
}

void TForm1::RysujStacyjke(int b13, int b14) {
    QImage obraz = stacyjka;
    RysujLampki(obraz, static_cast<unsigned char>(b13), static_cast<unsigned char>(b14));
    image1->setPixmap(QPixmap::fromImage(obraz));
}

void TForm1::StanZapisow() {
    const int utracone = zapisy->Aktualizuj();
    if (utracone == 0) return;
    komunikatyLaczy.KomunikatTekst(
        PodajTekst(2117).arg(NazwyBlokow(utracone, teksty).join(QStringLiteral(", "))),
        TKomunikaty::Blad);
}

void TForm1::BrakPolaczenia() {
    if (zyweWartosci) GasZywe();
    panelStatus->UstawKolory(QColor(0xFF, 0xFB, 0xF0), QColor(0xFF, 0x00, 0x00));
    RozmiarCzcionki(panelStatus, 10);
    // A file on show is not the controller: the views say what they show.
    panelStatus->setText(PodajTekst(plikNaEkranie ? 2109 : 1240));
}
