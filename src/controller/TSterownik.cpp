#include "TSterownik.h"

#include "Bloki.h"

#include <QCoreApplication>
#include <QRandomGenerator>

TSterownik::TSterownik(const TMapaPortow& mapaPortow, const QString& bibliotekaD2xx,
                       QObject* rodzic)
    : TSerial(mapaPortow, bibliotekaD2xx, rodzic), losowe(QRandomGenerator::global()->generate()) {
    zegar.setInterval(25);
    QObject::connect(&zegar, &QTimer::timeout, this, [this] { Timer1OnTimer(); });
    zegar.start();
    UtworzWykresy();
    UtworzListeNastaw();
    WypelnijNastawyDomyslne();
    KasujMnoznik(3);
    KasujKorOdObr(3);
    KasujKorekty();
    KasujOpoznienia();
    KasujWzbogacenie();
    // Filling in defaults must not look like edits waiting to be written.
    DoZapisu = 0;
}

TSterownik::~TSterownik() {
    ZamknijPlikOsc();
    zegar.stop();
    zegar.disconnect();
    QCoreApplication::processEvents();
    PortClose();
}

void TSterownik::CzytajZeSterownika(int maska) {
    DoOdczytu |= maska;
    naZadanie |= maska & (Bloki::OpoznienieWtr | Bloki::Wzbogacenie);
}

void TSterownik::ZapiszDoSterownika(int maska) {
    // A write over a pending read would be overwritten by the reply; a lost link would
    // only pile up writes.
    if ((maska & DoOdczytu) != 0 || BezOdpowiedzi > 10) return;
    if (PortConnected()) DoZapisu |= maska;
}

void TSterownik::RozkazDoSterownika(int maska) {
    Rozkazy |= maska;
}

void TSterownik::CzytajBledyObd(int ktore) {
    if (ktore == 0) Rozkazy |= RozkazBledyObd;
}

void TSterownik::KasujBledyObd(int ktore) {
    if (ktore == 0) Rozkazy |= RozkazKasujBledyObd;
}

unsigned char* TSterownik::DaneBloku(int bit) {
    switch (bit) {
    case 0:
        return Nastawy;
    case 1:
        return Mnoznik1;
    case 2:
        return Mnoznik2;
    case 3:
        return KorOdObr1;
    case 4:
        return KorOdObr2;
    case 7:
        return Historia;
    case 8:
        return KorOdCis;
    case 9:
        return KorOdTempRed;
    case 10:
        return KorOdTempGazu;
    case 11:
        return EmulatorCis;
    case 12:
        return OpoznienieWtr;
    case 13:
        return Wzbogacenie;
    case 16:
        return MapaEcuBen;
    case 17:
        return MapaEcuGaz;
    case 20:
        return MapaObdBen1;
    case 21:
        return MapaObdGaz1;
    case 22:
        return MapaObdBen2;
    case 23:
        return MapaObdGaz2;
    default:
        return nullptr;
    }
}

void TSterownik::Opis(const char* tekst) {
    if (OnTekst) OnTekst(this, QLatin1Char('\n') + QString::fromUtf8(tekst), Kolory::Srebrny);
}

void TSterownik::Log(const QString& tekst, TKolor kolor) {
    if (OnTekst) OnTekst(this, tekst, kolor);
}

void TSterownik::Zdarzenie(int kod, int a1, int a2, int a3) {
    if (OnZdarzenie) OnZdarzenie(kod, a1, a2, a3);
}
