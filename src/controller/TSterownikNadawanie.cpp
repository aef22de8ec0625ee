#include "TSterownik.h"

#include "Bloki.h"
#include "Ramki.h"

#include <cstring>

namespace {

constexpr int RozmiarBloku = 256;
constexpr int BitObd = 24;

unsigned char DopelnienieSumy(const unsigned char* dane, int n) {
    return static_cast<unsigned char>(256 - Ramki::Suma(dane, n));
}

} // namespace

void TSterownik::NadawanieTx() {
    if (CzekajSloty > 0) {
        --CzekajSloty;
        return;
    }
    RamkaTx[4] =
        static_cast<unsigned char>(losowe() & 0xFF); // nonce: equal requests differ on the wire
    RamkaTx[5] = 0;
    if (NadajBootloader()) return;
    if (FlashZapis) {
        ZapisBlokuFlash();
        return;
    }
    if (Rozkazy & RozkazIdentyfikacja) {
        CzekajSloty = 1;
        Opis("  Numer seryjny i wersja");
        Ramka(0x81, 0);
        return;
    }
    // Polls the bootloader never answers would only make the link count as lost and
    // reconnect over and over; it waits here for an update.
    if (BootloaderBezAktualizacji()) return;
    if (licznikSlotow % 2 == 0)
        NadajParametry(false);
    else
        NadawanieKolejki();
}

bool TSterownik::NadajBootloader() {
    if (SkokDoBootloadera) {
        Opis("  Skok do bootloader-a");
        CzekajSloty = 8;
        SkokDoBootloadera = 0;
        Rozkazy |= RozkazIdentyfikacja;
        Ramka(0x8E, 0);
        HistoriaZmian(0);
        return true;
    }
    if (PowrotZBootloadera) {
        Opis("  Powrót z bootloader-a");
        CzekajSloty = 2;
        PowrotZBootloadera = 0;
        Rozkazy |= RozkazIdentyfikacja;
        Ramka(0x8F, 0);
        return true;
    }
    return false;
}

void TSterownik::NadawanieKolejki() {
    const int w = DoZapisu | BezPotwierdzenia;
    if (NadajRozkaz() || NadajZapisBloku(w)) return;
    if (TestGlosnika) {
        Opis("  Test głośnika");
        Ramka(0x87, 0);
    } else if (TestSzczelnosci) {
        Opis("  Test szczelności");
        Ramka(0x88, 0);
    } else if (Fabryczne) {
        Opis("  Nastawy fabryczne");
        Ramka(0x89, 0);
        HistoriaZmian(1);
    } else if (!NadajOdczytBloku() && !NadajObd(w)) {
        NadajParametry(WyslijObd != 0);
    }
}

bool TSterownik::NadajRozkaz() {
    if (Rozkazy & RozkazBledy) {
        Opis("  Odczyt błędów");
        Ramka(0x82, 0);
    } else if (KasujBledy) {
        Opis("  Kasowanie błędów");
        CzekajSloty = 4;
        Ramka(0x83, 0);
        HistoriaZmian(2);
    } else if (ZmianaPaliwaAuto) {
        Opis("  Zmiana paliwa automatyczna");
        Ramka(0x84, 0);
    } else if (ZmianaPaliwaSzybka) {
        Opis("  Zmiana paliwa szybka");
        Ramka(0x85, 0);
    } else if (ZmianaWtryskiwaczy) {
        Opis("  Zmiana załączonych wtryskiwaczy");
        RamkaTx[6] = MaskaWtryskiwaczy;
        Ramka(0x86, 3);
    } else {
        return false;
    }
    return true;
}

bool TSterownik::NadajZapisBloku(int w) {
    for (const Bloki::TOpisBloku& b : Bloki::Kolejnosc) {
        const int maska = 1 << b.bit;
        if (!(w & maska)) continue;
        BezPotwierdzenia |= maska;
        DoZapisu &= ~maska;
        unsigned char* blok = DaneBloku(b.bit);
        if (maska == Bloki::Nastawy) {
            blok[0] = DopelnienieSumy(blok + 1, RozmiarBloku - 1);
            ListaRpmLamMafAfr();
        }
        Opis(b.tekstZapisu);
        Oryginaly.PrzedZapisem();
        Cofanie.Wyslany(b.bit, blok);
        ZapiszBlok(b.zapis, blok, RozmiarBloku, b.czekajSloty);
        if (b.historia >= 0) HistoriaZmian(static_cast<unsigned char>(b.historia));
        return true;
    }
    return false;
}

bool TSterownik::NadajOdczytBloku() {
    for (const Bloki::TOpisBloku& b : Bloki::Kolejnosc) {
        if (!(DoOdczytu & (1 << b.bit))) continue;
        Opis(b.tekstOdczytu);
        Ramka(b.odczyt, 0);
        return true;
    }
    return false;
}

bool TSterownik::NadajObd(int w) {
    if (Rozkazy & RozkazIdentyfikacjaObd) {
        Opis("  Numer seryjny i wersja OBD");
        RamkaObd(0x71, 0);
    } else if (Rozkazy & RozkazBledyObd) {
        Opis("  Czytaj DTC OBD");
        RamkaObd(0x76, 0);
    } else if (Rozkazy & RozkazKasujBledyObd) {
        Opis("  Kasuj DTC OBD");
        RamkaObd(0x74, 0);
    } else if (w & Bloki::NastawyObd) {
        BezPotwierdzenia |= Bloki::NastawyObd;
        DoZapisu &= ~Bloki::NastawyObd;
        NastawyObd[0] = DopelnienieSumy(NastawyObd + 1, sizeof NastawyObd - 1);
        Opis("  Zapis nastaw OBD");
        Oryginaly.PrzedZapisem();
        Cofanie.Wyslany(BitObd, NastawyObd);
        std::memcpy(RamkaTx + 6, NastawyObd, sizeof NastawyObd);
        CzekajSloty = 2;
        RamkaObd(0x73, 2 + sizeof NastawyObd);
    } else if (DoOdczytu & Bloki::NastawyObd) {
        Opis("  Odczyt nastaw OBD");
        RamkaObd(0x72, 0);
    } else {
        return false;
    }
    return true;
}

void TSterownik::NadajParametry(bool zObd) {
    if (LogParam) Opis("  Paramerte bieżące");
    if (zObd) {
        WyslijObd = 0;
        std::memcpy(RamkaTx + 6, StanObd + 5, 6); // fuel systems and the four trims
        Ramka(static_cast<unsigned char>(0x94 | FlagiParam), 8);
    } else {
        Ramka(static_cast<unsigned char>(0x90 | FlagiParam), 0);
    }
}

void TSterownik::ZapiszBlok(unsigned char kod, const unsigned char* blok, int rozmiar, int czekaj) {
    CzekajSloty = czekaj;
    std::memcpy(RamkaTx + 6, blok, static_cast<std::size_t>(rozmiar));
    Ramka(kod, 2 + rozmiar);
}

void TSterownik::Ramka(unsigned char kod, int dlugoscDanych) {
    RamkaAll(Ramki::StartSterownik, kod, dlugoscDanych);
}

void TSterownik::RamkaObd(unsigned char kod, int dlugoscDanych) {
    RamkaAll(Ramki::StartObd, kod, dlugoscDanych);
    // A controller without a working OBD module must not keep its queue busy forever.
    if (++LicznikObd > 10) {
        LicznikObd = 0;
        DoOdczytu &= ~(1 << BitObd);
        DoZapisu &= ~(1 << BitObd);
    }
}

void TSterownik::RamkaAll(unsigned char start, unsigned char kod, int dlugoscDanych) {
    if (!PortConnected()) return;
    if (BezOdpowiedzi < 255) ++BezOdpowiedzi;
    const int dlugosc = Ramki::Zbuduj(RamkaTx, start, kod, dlugoscDanych);
    const bool biezace = kod >= 0x90 && kod <= 0x9F;
    if (OnTekst && (!biezace || LogParam))
        Log(Ramki::Zrzut("  TX:", RamkaTx, dlugosc), Kolory::Bordowy);
    Zdarzenie(1, kod, dlugosc, 0);
    Ramki::Szyfruj(RamkaTx, dlugosc);
    PortWrite(RamkaTx, dlugosc);
}
