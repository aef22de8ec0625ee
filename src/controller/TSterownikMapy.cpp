// Maps, multiplier curves and correction tables: their resets, the multiplier
// interpolation and the folding of the controller's learned adaptation.

#include "TSterownik.h"

#include "Bloki.h"
#include "KrzywaMnoznika.h"
#include "TabliceStale.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr unsigned char OstatniaPozycja = 200; // 20.0 ms

void KasujKrzywa(unsigned char* krzywa, unsigned char numer, unsigned char x0, unsigned char x7) {
    std::memset(krzywa, 0, 50);
    std::memset(krzywa + 50, 128, 206);
    krzywa[0] = numer;
    krzywa[2] = x0;
    krzywa[3] = 128;
    krzywa[16] = x7;
    krzywa[17] = 128;
}

unsigned char Ogranicz(int v, int min, int max) {
    return static_cast<unsigned char>(std::clamp(v, min, max));
}

} // namespace

void TSterownik::KasujMapeEcuBen() {
    std::memset(MapaEcuBen, 0, sizeof MapaEcuBen);
    DoZapisu |= Bloki::MapaEcuBen;
    // A blocked map would never be collected again.
    if (Nastawy[79] != 0) {
        Nastawy[79] = 0;
        DoZapisu |= Bloki::Nastawy;
    }
}

void TSterownik::KasujMapeEcuGaz() {
    std::memset(MapaEcuGaz, 0, sizeof MapaEcuGaz);
    DoZapisu |= Bloki::MapaEcuGaz;
}

void TSterownik::KasujMapeOdbBen() {
    std::memset(MapaObdBen1, 0, sizeof MapaObdBen1);
    std::memset(MapaObdBen2, 0, sizeof MapaObdBen2);
    DoZapisu |= Bloki::MapaObdBen1 | Bloki::MapaObdBen2;
}

void TSterownik::KasujMapeObdGaz() {
    std::memset(MapaObdGaz1, 0, sizeof MapaObdGaz1);
    std::memset(MapaObdGaz2, 0, sizeof MapaObdGaz2);
    DoZapisu |= Bloki::MapaObdGaz1 | Bloki::MapaObdGaz2;
}

void TSterownik::KasujMnoznik(unsigned char banki) {
    if (banki & 1) {
        std::memset(Mnoznik1, 100, sizeof Mnoznik1);
        std::memset(Nastawy + PunktyMnoznika1, 0, PunktowMnoznika - 1);
        Nastawy[PunktyMnoznika1 + PunktowMnoznika - 1] = OstatniaPozycja;
        DoZapisu |= Bloki::Nastawy | Bloki::Mnoznik1;
    }
    if (banki & 2) {
        std::memset(Mnoznik2, 100, sizeof Mnoznik2);
        std::memset(Nastawy + PunktyMnoznika2, 0, PunktowMnoznika - 1);
        Nastawy[PunktyMnoznika2 + PunktowMnoznika - 1] = OstatniaPozycja;
        DoZapisu |= Bloki::Nastawy | Bloki::Mnoznik2;
    }
}

void TSterownik::KasujKorOdObr(unsigned char banki) {
    if (banki & 1) {
        std::memset(KorOdObr1, 100, sizeof KorOdObr1);
        DoZapisu |= Bloki::KorOdObr1;
    }
    if (banki & 2) {
        std::memset(KorOdObr2, 100, sizeof KorOdObr2);
        DoZapisu |= Bloki::KorOdObr2;
    }
}

void TSterownik::KasujKorekty() {
    KasujKrzywa(KorOdCis, 8, 50, 250);
    KasujKrzywa(KorOdTempRed, 9, 98, 228); // -30 °C and 100 °C
    KasujKrzywa(KorOdTempGazu, 10, 98, 228);
    DoZapisu |= Bloki::KorOdCis | Bloki::KorOdTempRed | Bloki::KorOdTempGazu;
}

void TSterownik::KasujOpoznienia() {
    // Rows are RPM, columns load: the delay grows with the load above the diagonal.
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c)
            OpoznienieWtr[16 * r + c] = static_cast<unsigned char>(c <= r       ? 2
                                                                   : c == r + 1 ? 4
                                                                                : 2 * (c - r) + 4);
    ZapiszDoSterownika(Bloki::OpoznienieWtr);
}

void TSterownik::KasujWzbogacenie() {
    std::memset(Wzbogacenie, 128, sizeof Wzbogacenie);
    ZapiszDoSterownika(Bloki::Wzbogacenie);
}

void TSterownik::WyliczMnoznik(int tryb, int dolna, int gorna) {
    unsigned char* p = Mnoznik1;
    const unsigned char* x = Nastawy + PunktyMnoznika1;
    if (tryb == 2) {
        std::memcpy(Nastawy + PunktyMnoznika2 + 1, Nastawy + PunktyMnoznika1 + 1,
                    PunktowMnoznika - 1);
        std::memcpy(Mnoznik2, Mnoznik1, sizeof Mnoznik1);
    }
    InterpolujMnoznik(p, x, dolna, gorna);
}

void TSterownik::DodajAdaptacje() {
    unsigned char* a = IdentSterownika;
    Nastawy[90] = Ogranicz(Nastawy[90] + a[66] / 2 + a[68] / 2 - 128, 0, 255);
    a[66] = a[68] = 128;
    for (int i = 0; i < 256; ++i) {
        Mnoznik1[i] = Ogranicz(Mnoznik1[i] + a[67] - 128, 1, 255);
        Mnoznik2[i] = Ogranicz(Mnoznik2[i] + a[69] - 128, 1, 255);
    }
    a[67] = a[69] = 128;
    ZapiszDoSterownika(Bloki::Nastawy | Bloki::Mnoznik1 | Bloki::Mnoznik2);
    // Its acknowledgement makes the tool read the folded blocks back.
    Fabryczne = 1;
}

void TSterownik::WykonajAdaptacje() {}

int TSterownik::CzytajKorOdCis(int pozycja) {
    return TabliceStale::KorOdCis(pozycja);
}
int TSterownik::CzytajKorOdTempGazu(int pozycja) {
    return TabliceStale::KorOdTempGazu(pozycja);
}
int TSterownik::CzytajTabTer2k2(int pozycja) {
    return TabliceStale::Termistor2k2(pozycja);
}
int TSterownik::CzytajTabTer4k7(int pozycja) {
    return TabliceStale::Termistor4k7(pozycja);
}
int TSterownik::CzytajTabTer6k8(int pozycja) {
    return TabliceStale::Termistor6k8(pozycja);
}
int TSterownik::CzytajTabTer10k(int pozycja) {
    return TabliceStale::Termistor10k(pozycja);
}
