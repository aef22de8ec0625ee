// Live values through the trace catalogue: selection by view, reading, formatting, and the
// catalogue's adaptation to the connected board.

#include "TSterownik.h"

#include "Teksty.h"

#include <QLocale>

namespace {

QString Liczba(double wartosc, int miejsca) {
    // The fixed patterns have no thousands separator: 2570 rpm, never "2,570".
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    if (miejsca <= 0) return locale.toString(wartosc, 'g', QLocale::FloatingPointShortest);
    return locale.toString(wartosc, 'f', miejsca > 3 ? 3 : miejsca);
}

QString SystemPaliwa(unsigned char stan) {
    switch (stan) {
    case 1:
        return QStringLiteral("OL");
    case 2:
        return QStringLiteral("CL");
    case 4:
        return QStringLiteral("OL Load");
    case 8:
        return QStringLiteral("OL Fault");
    case 16:
        return QStringLiteral("CL Error");
    default:
        return QStringLiteral("-");
    }
}

} // namespace

int TSterownik::WidokZSerwisowymi(int widok) const {
    if (PokazSerwisowe && (widok & (Widoki::Listy | Widoki::TabelaParametrow)))
        widok |= Widoki::Serwisowe;
    return widok;
}

int TSterownik::PodajIleParamBiez(int widok) const {
    const int w = WidokZSerwisowymi(widok);
    int ile = 0;
    for (const TWykres& wykres : Wykresy)
        ile += (wykres.Widoki & w) != 0;
    return ile;
}

int TSterownik::PodajPozycje(int widok, int n) const {
    const int w = WidokZSerwisowymi(widok);
    const int rozmiar = int(Wykresy.size());
    for (int i = 0; i < rozmiar; ++i)
        if ((Wykresy[std::size_t(i)].Widoki & w) && n-- == 0) return i;
    return rozmiar;
}

QString TSterownik::StrParamBiez(int widok, int n) {
    const int i = PodajPozycje(widok, n);
    if (i < 0 || i >= int(Wykresy.size())) return {};
    TWykres& w = Wykresy[std::size_t(i)];
    const unsigned char* b = RamkaRx + w.Pozycja;
    const int slowo = b[0] | (b[1] << 8);
    double surowa = 0;
    switch (w.Typ) {
    case TypyWartosci::Bajt:
        surowa = b[0];
        break;
    case TypyWartosci::Slowo:
        surowa = slowo;
        break;
    case TypyWartosci::Afr:
        surowa = slowo;
        break;
    case TypyWartosci::BajtZPrzesunieciem:
        surowa = b[0] - 128;
        break;
    case TypyWartosci::Kelwiny:
        surowa = slowo - 273;
        break;
    case TypyWartosci::KorektaObd:
        if (b[0] == 0) return QStringLiteral("-");
        surowa = (b[0] - 128) * 100.0 / 128;
        break;
    case TypyWartosci::SystemPaliwa:
        return SystemPaliwa(b[0]);
    case TypyWartosci::CzasSterownika:
        return Liczba(Nastawy[89] * 0.004 - (Nastawy[90] - 128) * 0.02, 3);
    case TypyWartosci::DwaBajty:
        return Liczba(RamkaRx[38] * 0.1, 1) + QLatin1Char(' ') + Liczba(RamkaRx[39] * 0.1, 1);
    default:
        if (w.Typ < 0 || w.Typ > 7) return QStringLiteral(" ");
        surowa = (b[0] >> w.Typ) & 1;
    }
    double pokazana = surowa * w.Skala;
    if (w.Typ == TypyWartosci::Afr) pokazana = pokazana * 3 + 7.35;
    // An unchanged value gives no text, so the cell is not redrawn.
    if (pokazana == w.Ostatnia) return {};
    w.Ostatnia = pokazana;
    return Liczba(pokazana, w.Miejsca);
}

void TSterownik::ListaRpmLamMafAfr() {
    if (Wykresy.size() <= 8) return;
    TWykres& w = Wykresy[8];
    switch (Nastawy[4]) {
    case 0:
        w.Tekst = 3041;
        w.Jednostka = 1050;
        w.Typ = TypyWartosci::Slowo;
        break;
    case 1:
        w.Tekst = 3042;
        w.Jednostka = 1050;
        w.Typ = TypyWartosci::Slowo;
        break;
    case 2:
        w.Tekst = 3043;
        w.Jednostka = 1050;
        w.Typ = TypyWartosci::Slowo;
        break;
    case 3:
        w.Tekst = 3044;
        w.Jednostka = 0;
        w.Typ = TypyWartosci::Afr;
        break;
    default:
        break;
    }
}

void TSterownik::ListaParamOdPlytki() {
    unsigned char& kanaly = IdentSterownika[43];
    if (kanaly != 4 && kanaly != 6 && kanaly != 8) kanaly = 8;
    LiczbaWtryskiwaczy = kanaly;
    for (int i = 66; i <= 69; ++i)
        if (IdentSterownika[i] < 78 || IdentSterownika[i] > 178) IdentSterownika[i] = 128;

    // Boards from generation 3 have two banks and two lambda inputs instead of the RPM wire.
    PlytkaV3 = IdentSterownika[42] >= 3;
    ListaNastaw[4].Tekst = PlytkaV3 ? 3060 : 3040;
    Wykresy[8].Widoki = PlytkaV3 ? 0 : 3;
    Wykresy[9].Widoki = PlytkaV3 ? 3 : 0;
    Wykresy[10].Widoki = PlytkaV3 ? 3 : 0;

    // Rows 29..36 are channels 5..8, a petrol and a gas row each.
    constexpr int CzasyWidoczne = Widoki::Listy | Widoki::CzasyWtrysku;
    for (int wiersz = 29; wiersz <= 36; ++wiersz) {
        const int kanal = 5 + (wiersz - 29) / 2;
        Wykresy[std::size_t(wiersz)].Widoki = kanal <= LiczbaWtryskiwaczy ? CzasyWidoczne : 0;
    }
}

QString TSterownik::StrStanPracy(unsigned short stan, int forma) const {
    const bool pelna = forma == 1;
    int id = 0;
    if (!(stan & 0x100))
        id = 1242;
    else if (!(stan & 0x200))
        id = 1243;
    else
        switch (stan & 0xFF) {
        case 0:
            id = pelna ? 1245 : 1244;
            break;
        case 2:
            id = 1246;
            break;
        case 4:
        case 5:
            id = 1247;
            break;
        case 6:
            id = pelna ? 1250 : 1249;
            break;
        case 7:
            id = 1248;
            break;
        default:
            return {};
        }
    return Teksty ? Teksty->PodajTekst(id) : QString();
}

TKolor TSterownik::KolorStanuPracy(unsigned short stan) const {
    if (!(stan & 0x100)) return {0x808080};
    if (!(stan & 0x200)) return {0xC0C0C0};
    switch (stan & 0xFF) {
    case 0:
        return {0xFF0000};
    case 2:
        return {0xFF8040};
    case 4:
    case 5:
        return {0xEA00EA};
    case 6:
        return {0x00A000};
    case 7:
        return {0x0080FF};
    default:
        return {0x000000};
    }
}

QString TSterownik::StrInfoPracy(const unsigned char* ramka) const {
    int id = 0;
    if (ramka[6] == 0xF0) {
        const int powod = ramka[7];
        if (powod >= 1 && powod <= 17) id = 2000 + powod;
        if (powod >= 32 && powod <= 35) id = 2018 + powod - 32;
    } else if (ramka[6] == 0xF3 || ramka[6] == 0xF4) {
        id = 3810;
    }
    return id && Teksty ? Teksty->PodajTekst(id) : QString();
}
