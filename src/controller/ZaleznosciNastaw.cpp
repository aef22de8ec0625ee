#include "ZaleznosciNastaw.h"

#include "Bloki.h"
#include "TSterownik.h"
#include "TekstyNastaw.h"
#include "TypyWtryskiwaczy.h"

#include <algorithm>

namespace {

int Bajt(const TSterownik& s, int indeks) {
    return s.Nastawy[indeks];
}

void Domyslne(TSterownik& s, int od, int doWlacznie) {
    for (int i = od; i <= doWlacznie; ++i)
        s.Nastawy[i] = s.ListaNastaw[i].Domyslna;
}

void SygnalObrotow(TSterownik& s, int v) {
    static const unsigned char Dzielniki[] = {1, 2, 3, 4, 5, 6, 8, 1};
    s.Nastawy[2] = v >= 0 && v <= 7 ? Dzielniki[v] : 116;
    if (v == 7) {
        s.Nastawy[60] = 0;
        s.Nastawy[65] = 50;
        s.Nastawy[57] = 1;
        s.Nastawy[68] = 0;
        return;
    }
    if (!s.PlytkaV3) s.Nastawy[4] = 0;
    s.Nastawy[65] = 5;
    s.Nastawy[68] = 1;
}

void PrzewodObrotow(TSterownik& s, int v) {
    if (v == 2) {
        Domyslne(s, 224, 239);
        s.Nastawy[10] = 0;
    }
    s.ObliczKorekteOdniesienia();
}

// Which petrol inputs drive each gas channel.
void TypWtrysku(TSterownik& s, int v) {
    const int m = s.LiczbaWtryskiwaczy == 4 ? 0x0F : s.LiczbaWtryskiwaczy == 6 ? 0x3F : 0xFF;
    unsigned char* k = s.Nastawy + 32;
    if (v >= 0 && v <= 2) std::fill(k, k + 8, 0);
    if (v == 0) {
        const int maski[] = {1, 2, 4, 8, m & 0x10, 0x20, m & 0x40, 0x80};
        std::copy(std::begin(maski), std::end(maski), k);
    } else if (v == 1) {
        k[0] = m & 0x55;
        k[1] = m & 0xAA;
    } else if (v == 2) {
        k[0] = m;
    }
    s.Nastawy[56] = v;
    if (s.StanPracy[0] != 0) s.ZmianaPaliwaSzybka = 1;
    s.ZmianaWtryskiwaczy = 1;
}

void TypSilnika(TSterownik& s, int v) {
    if (v == 0 || Bajt(s, 4) == 2) {
        Domyslne(s, 224, 239);
    } else if (v == 1) {
        for (int i = 0; i < 16; ++i)
            s.Nastawy[224 + i] = (i + 1) * 200 / 16;
    }
    s.ObliczKorekteOdniesienia();
}

void Wtryskiwacze(TSterownik& s, int v) {
    if (v < 0 || v >= LiczbaTypowWtryskiwaczy) return;
    const auto& p = TypyWtryskiwaczy[v].Parametry;
    for (int i = 0; i < 4; ++i)
        s.Nastawy[25 + i] = std::clamp(p[i], 0, 255);
}

void CzujnikPoziomu(TSterownik& s, int v) {
    static const unsigned char Progi[4][4] = {
        {44, 39, 20, 8}, {8, 20, 39, 44}, {58, 54, 40, 11}, {11, 40, 54, 58}};
    if (v < 0 || v > 3) return;
    std::copy(Progi[v], Progi[v] + 4, s.Nastawy + 41);
}

void Zaleznosci(TSterownik& s, int indeks, int v) {
    switch (indeks) {
    case 1:
        SygnalObrotow(s, v);
        break;
    case 4:
        PrzewodObrotow(s, v);
        break;
    case 8:
        TypWtrysku(s, v);
        break;
    case 10:
        TypSilnika(s, v);
        break;
    case 12:
        if (v == 0) s.ZmianaWtryskiwaczy = 1;
        break;
    case 24:
        Wtryskiwacze(s, v);
        break;
    case 40:
        CzujnikPoziomu(s, v);
        break;
    case 81:
        if (v == 0) s.DodajAdaptacje();
        break;
    case 85:
    case 86:
        s.ObliczKorekteOdniesienia();
        break;
    default:
        break;
    }
}

} // namespace

bool NastawaDostepna(const TSterownik& s, int indeks) {
    switch (indeks) {
    case 2:
        return Bajt(s, 1) > 6;
    case 3:
        return Bajt(s, 1) != 7;
    case 4:
        return Bajt(s, 1) == 7 || s.PlytkaV3;
    case 68:
        return Bajt(s, 1) != 7;
    case 67:
        return Bajt(s, 8) != 2;
    case 75:
        return Bajt(s, 81) != 0;
    default:
        return true;
    }
}

void ZapiszNastawe(TSterownik& s, int indeks, int wartosc, int tryb) {
    if (indeks < 0 || indeks >= LiczbaNastaw) return;
    const TNastawa& n = s.ListaNastaw[indeks];
    if (tryb == TrybZakresu) wartosc = std::clamp(wartosc, int(n.Min), int(n.Max));
    ZapiszBajtNastawy(s, indeks, wartosc & 0xFF);
    if (tryb == TrybKodu) ZapiszBajtNastawy(s, indeks + 1, (wartosc >> 8) & 0xFF);
    Zaleznosci(s, indeks, WartoscNastawy(s, indeks));
    s.ZapiszDoSterownika(indeks < PierwszaNastawaObd ? Bloki::Nastawy : Bloki::NastawyObd);
}
