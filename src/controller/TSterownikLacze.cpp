#include "TSterownik.h"

#include "Ramki.h"

void TSterownik::Timer1OnTimer() {
    if (!PortConnected() || straznik) return;
    if (SwiezoOtwarty) {
        SwiezoOtwarty = false;
        // A new connection starts from the identity; commands of the old one are void.
        Rozkazy = RozkazIdentyfikacja;
        // An update cut off by the reopening must not jump later without being armed.
        FlashUzbrojony = 0;
        FlashZapis = 0;
        SkokDoBootloadera = 0;
        BlokBezPotwierdzenia = 0;
        WersjaPoAktualizacji = 0;
        identZLacza.reset();
        Zdarzenie(3, 0, 0, 0);
    }
    straznik = true;
    zegar.start(zegar.interval()); // a long tick must not be followed by a burst of queued ones
    if (OdbiorRx() != -2) ++licznikTykniec;
    if (licznikTykniec >= 4) {
        licznikTykniec = 0;
        ++licznikSlotow;
        NadawanieTx();
    }
    straznik = false;
}

int TSterownik::OdbiorRx() {
    const int q = PortInQueCount();
    // A body that never completes would hold the transmit clock for good: the controller
    // only speaks when asked. The longest frame takes 135 ms at 38400 baud.
    const bool cialoUtknelo = naglowekRx != 0 && ++tykniecNaCialo > MaksTykniecNaCialo;
    if (!cialoUtknelo && q <= 0) return -1;
    if (naglowekRx == 0 && q < Ramki::Naglowek) return -1;
    if (cialoUtknelo) {
        Log(QStringLiteral("  niepełna ramka"), Kolory::Czerwony);
    } else if (naglowekRx + q >= Ramki::MaksRamka) {
        Log(QStringLiteral("  przekroczenie bufora"), Kolory::Czerwony);
    } else if (naglowekRx == 0) {
        PortRead(RamkaRx, Ramki::Naglowek);
        naglowekRx = Ramki::Naglowek;
        tykniecNaCialo = 0;
        const unsigned char start = RamkaRx[0];
        if (start == Ramki::OdpSterownik || start == Ramki::OdpObd || start == Ramki::StartObd) {
            dlugoscCiala = 2 * RamkaRx[2];
            return -2;
        }
        if (OnTekst)
            Log(QStringLiteral("  brak bajtu startowego : ") +
                    Ramki::Bajty(RamkaRx, Ramki::Naglowek),
                Kolory::Czerwony);
    } else if (q < dlugoscCiala) {
        return -2;
    } else {
        const int przeczytane = PortRead(RamkaRx + Ramki::Naglowek, dlugoscCiala);
        const int dlugosc = Ramki::Naglowek + dlugoscCiala;
        naglowekRx = 0;
        dlugoscCiala = 0;
        if (przeczytane != dlugosc - Ramki::Naglowek) {
            PortPurgeRx();
            return -1;
        }
        AnalizaOdbioru(dlugosc);
        return dlugosc;
    }
    naglowekRx = 0;
    dlugoscCiala = 0;
    PortPurgeRx();
    return -1;
}
