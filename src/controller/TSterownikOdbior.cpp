#include "TSterownik.h"

#include "Bloki.h"
#include "Komunikat.h"
#include "Ramki.h"

#include <cstring>

namespace {

constexpr int RozmiarBloku = 256;
constexpr int BitObd = 24;
constexpr int RozmiarIdentyfikacji = 128;
constexpr int PoczatekDanych = 6;
// Positions 0..91 of a live frame; the OBD copy at 92..127 is ours.
constexpr int RozmiarBiezacych = 92;

bool Biezace(unsigned char kod) {
    return kod >= 0x90 && kod <= 0x9F;
}

struct TZnacznik {
    unsigned char bit;
    const char* tekst;
};

constexpr TZnacznik ZapisyEeprom[] = {{0x01, "Zapis eeprom - dane"},
                                      {0x02, "Zapis eeprom - mapy"},
                                      {0x04, "Zapis eeprom - błędy"},
                                      {0x08, "Zapis eeprom - kasuj błędy"}};
constexpr TZnacznik ZapisyFlash[] = {
    {0x01, "Zapis flash - nastawy"},   {0x02, "Zapis flash - kor.czas"},
    {0x04, "Zapis flash - kor.czas"},  {0x08, "Zapis flash - kor.obr.1"},
    {0x10, "Zapis flash - kor.obr.2"}, {0x20, "Zapis flash - his/kor"}};

const char* EtapObd(unsigned char etap) {
    switch (etap) {
    case 1:
        return " + len + TRAN:";
    case 2:
        return " + PID:";
    case 4:
        return " + ECU:";
    case 8:
        return " + SUP:";
    case 16:
        return " + LST:";
    case 32:
        return " + DTC:";
    default:
        return "";
    }
}

// The block bit of the map a live frame's cell update names: 0..2 petrol, 3..5 gas.
int BitMapyKomorki(unsigned char wybor) {
    constexpr int Bity[] = {16, 20, 22, 17, 21, 23};
    return wybor < 6 ? Bity[wybor] : -1;
}

} // namespace

bool TSterownik::AnalizaOdbioru(int dlugosc) {
    Ramki::Deszyfruj(RamkaRx, dlugosc);
    if (Ramki::Suma(RamkaRx, dlugosc) != 0) {
        Log(QStringLiteral("  błąd sumy "), Kolory::Czerwony);
        return false;
    }
    // Whatever lies beyond this frame belongs to an older one and must never be decoded.
    std::memset(RamkaRx + dlugosc, 0, sizeof RamkaRx - static_cast<std::size_t>(dlugosc));

    const unsigned char start = RamkaRx[0];
    const unsigned char kod = RamkaRx[3];
    bool rozpoznana = false;
    if (start == Ramki::OdpObd)
        rozpoznana = OdbiorObd(dlugosc);
    else if (start == Ramki::OdpSterownik)
        rozpoznana = OdbiorSterownika(dlugosc);

    const bool cichaBiezaca = start == Ramki::OdpSterownik && Biezace(kod) && !LogParam;
    const bool cichyStanObd = start == Ramki::OdpObd && (kod == 0x70 || kod == 0x75) && !LogObd;
    if (OnTekst && !cichaBiezaca && !cichyStanObd)
        Log(Ramki::Zrzut("  RX:", RamkaRx, dlugosc), Kolory::Niebieski);

    if (rozpoznana) {
        BezOdpowiedzi = 0;
        Oryginaly.PoOdpowiedzi();
        Zdarzenie(0, kod, dlugosc, 0);
    }
    return rozpoznana;
}

bool TSterownik::OdbiorSterownika(int dlugosc) {
    const unsigned char kod = RamkaRx[3];
    switch (kod) {
    case 0x80:
        if (LogParam) Log(QStringLiteral("\n Stan pracy komp"), Kolory::Srebrny);
        return true;
    case 0x81:
        OdbiorIdentyfikacji(dlugosc);
        return true;
    case 0x82:
        Rozkazy &= ~RozkazBledy;
        return true;
    case 0x83:
        KasujBledy = 0;
        Rozkazy |= RozkazBledy;
        return true;
    case 0x84:
        ZmianaPaliwaAuto = 0;
        return true;
    case 0x85:
        ZmianaPaliwaSzybka = 0;
        return true;
    case 0x86:
        ZmianaWtryskiwaczy = 0;
        return true;
    case 0x87:
        TestGlosnika = 0;
        return true;
    case 0x88:
        TestSzczelnosci = 0;
        return true;
    case 0x89:
        Fabryczne = 0;
        // The reset changed these blocks; reads still pending (maps, history) stay pending.
        DoOdczytu |= Bloki::PoFabrycznych;
        Cofanie.OdczytyDzialania(Bloki::PoFabrycznych);
        return true;
    case 0x8E:
    case 0x8F:
        return true;
    case 0xFF:
        PotwierdzenieBlokuFlash();
        return true;
    default:
        break;
    }
    if (Biezace(kod)) {
        // A short frame would zero the work state and the injector mask; keep the last ones.
        if (!PelnyBlok(dlugosc, RozmiarBiezacych - PoczatekDanych)) return false;
        OdbiorBiezacych();
        return true;
    }
    if (Bloki::PoKodzieOdczytu(kod)) return OdbiorBloku(dlugosc);
    if (Bloki::PoKodzieZapisu(kod)) return OdbiorZapisu();
    Log(QStringLiteral("\n Nie rozpoznany rozkaz"), Kolory::Czerwony);
    return false;
}

void TSterownik::OdbiorIdentyfikacji(int dlugosc) {
    Rozkazy &= ~RozkazIdentyfikacja;
    std::memset(IdentSterownika, 0, sizeof IdentSterownika);
    // Adaptation values: 128 is "none" until the side messages bring them.
    std::memset(IdentSterownika + 66, 128, 4);
    if (dlugosc < RozmiarIdentyfikacji)
        std::memcpy(IdentSterownika, RamkaRx, static_cast<std::size_t>(dlugosc));
    identZLacza.emplace();
    std::memcpy(identZLacza->data(), IdentSterownika, sizeof IdentSterownika);
    if (RamkaRx[5] == 0) {
        ListaParamOdPlytki();
        Rozkazy |= RozkazBledy;
        // The tables read on demand and the OBD module's settings are shown from memory too:
        // a new connection must not leave what an earlier one (or an edit while the link was
        // down) put there.
        DoOdczytu |= Bloki::WszystkieBloki | naZadanie | (ModulObd ? Bloki::NastawyObd : 0);
        Cofanie.NowePolaczenie();
        Oryginaly.NowePolaczenie();
    } else if (RamkaRx[5] == 1) {
        if (FlashUzbrojony)
            FlashZapis = 1;
        else if (Komunikaty)
            Komunikaty->Komunikat(1365, TKomunikaty::Blad);
    }
}

bool TSterownik::PelnyBlok(int dlugosc, int rozmiar) {
    if (dlugosc >= PoczatekDanych + rozmiar) return true;
    // A short reply would fill the block with bytes of an older frame; keep the read pending.
    Log(QStringLiteral("  za krótka ramka"), Kolory::Czerwony);
    return false;
}

void TSterownik::SumaBloku(const unsigned char* blok, int rozmiar, const char* blad) {
    const unsigned char suma = Ramki::Suma(blok, rozmiar);
    if (suma != 0) Log(QString::number(suma) + QString::fromUtf8(blad), Kolory::Czerwony);
}

bool TSterownik::OdbiorBloku(int dlugosc) {
    const Bloki::TOpisBloku* b = Bloki::PoKodzieOdczytu(RamkaRx[3]);
    if (!PelnyBlok(dlugosc, RozmiarBloku)) return false;
    DoOdczytu &= ~(1 << b->bit);
    std::memcpy(DaneBloku(b->bit), RamkaRx + PoczatekDanych, RozmiarBloku);
    Cofanie.Odczytany(b->bit, DaneBloku(b->bit));
    if (b->bit == 7) DopiszOdlozonaHistorie();
    if (b->bit == 0) {
        // The block is kept even when its sum is off: the installer sees what the controller has.
        SumaBloku(Nastawy, RozmiarBloku, "  błąd sumy nastaw");
        ListaRpmLamMafAfr();
    }
    return true;
}

bool TSterownik::OdbiorZapisu() {
    const int bit = Bloki::PoKodzieZapisu(RamkaRx[3])->bit;
    BezPotwierdzenia &= ~(1 << bit);
    Cofanie.Potwierdzony(bit);
    return true;
}

void TSterownik::OdbiorBiezacych() {
    std::memcpy(StanPracy, RamkaRx + 10, sizeof StanPracy);
    if (RamkaRx[3] & 1) EtapyKalibracji();
    if (!ZmianaWtryskiwaczy) MaskaWtryskiwaczy = RamkaRx[22];
    KomunikatBoczny();
    // OBD values become live-frame positions 92..127.
    std::memcpy(RamkaRx + 92, StanObd, sizeof StanObd);
}

void TSterownik::KomunikatBoczny() {
    const unsigned char rodzaj = RamkaRx[6];
    if (rodzaj == 0) {
        // A cell the controller learned is its own change, never the installer's.
        const int bit = BitMapyKomorki(RamkaRx[7]);
        if (bit >= 0 && RamkaRx[9] != 0) {
            DaneBloku(bit)[RamkaRx[8]] = RamkaRx[9];
            Cofanie.KomorkaOdSterownika(bit, RamkaRx[8], RamkaRx[9]);
        }
    } else if (rodzaj == 0xF3 || rodzaj == 0xF4) {
        const int pozycja = rodzaj == 0xF3 ? 66 : 68;
        IdentSterownika[pozycja] = RamkaRx[7];
        IdentSterownika[pozycja + 1] = RamkaRx[8];
    } else if ((rodzaj == 0xF1 || rodzaj == 0xF2) && OnTekst) {
        const bool eeprom = rodzaj == 0xF1;
        const TZnacznik* z = eeprom ? ZapisyEeprom : ZapisyFlash;
        const int ile = eeprom ? int(std::size(ZapisyEeprom)) : int(std::size(ZapisyFlash));
        for (int i = 0; i < ile; ++i)
            if (RamkaRx[7] & z[i].bit) Log(QString::fromUtf8(z[i].tekst), Kolory::Czarny);
    }
}

bool TSterownik::OdbiorObd(int dlugosc) {
    const unsigned char kod = RamkaRx[3];
    if (!ModulObd) {
        ModulObd = true;
        Rozkazy |= RozkazIdentyfikacjaObd;
        DoOdczytu |= Bloki::NastawyObd;
    }
    switch (kod) {
    case 0x70:
    case 0x75:
        if (!PelnyBlok(dlugosc, sizeof StanObd)) return false;
        std::memcpy(StanObd, RamkaRx + PoczatekDanych, sizeof StanObd);
        if (LogObd)
            Log(QStringLiteral("\n Stan pracy obd") + QString::fromLatin1(EtapObd(StanObd[11])),
                Kolory::Srebrny);
        break;
    case 0x71:
        Rozkazy &= ~RozkazIdentyfikacjaObd;
        std::memset(IdentObd, 0, sizeof IdentObd);
        if (dlugosc < RozmiarIdentyfikacji)
            std::memcpy(IdentObd, RamkaRx, static_cast<std::size_t>(dlugosc));
        if (RamkaRx[5] == 0) DoOdczytu |= Bloki::NastawyObd;
        break;
    case 0x72:
        if (!PelnyBlok(dlugosc, sizeof NastawyObd)) return false;
        DoOdczytu &= ~Bloki::NastawyObd;
        std::memcpy(NastawyObd, RamkaRx + PoczatekDanych, sizeof NastawyObd);
        Cofanie.Odczytany(BitObd, NastawyObd);
        SumaBloku(NastawyObd, sizeof NastawyObd, "  błąd sumy nastaw OBD");
        break;
    case 0x73:
        BezPotwierdzenia &= ~(1 << BitObd);
        Cofanie.Potwierdzony(BitObd);
        break;
    case 0x74:
        Rozkazy &= ~RozkazKasujBledyObd;
        break;
    case 0x76:
        Rozkazy &= ~RozkazBledyObd;
        break;
    default:
        Log(QStringLiteral("\n Nie rozpoznany rozkaz"), Kolory::Czerwony);
        return false;
    }
    LicznikObd = 0;
    return true;
}
