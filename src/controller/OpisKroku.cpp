#include "OpisKroku.h"

#include "TSterownik.h"
#include "Teksty.h"
#include "TekstyNastaw.h"

#include <QLocale>

#include <set>

namespace {

constexpr int BitObd = 24;

QString Tekst(const TSterownik& s, int id) {
    return s.Teksty ? s.Teksty->PodajTekst(id) : QString();
}

// Text of a block by its bit; %1 is filled with the bank where the text has one.
QString NazwaBloku(const TSterownik& s, int bit) {
    switch (bit) {
    case 1:
    case 2:
        return Tekst(s, 1830).arg(bit);
    case 3:
    case 4:
        return Tekst(s, 1831).arg(bit - 2);
    case 16:
        return Tekst(s, 1832);
    case 17:
        return Tekst(s, 1833);
    case 20:
    case 22:
        return Tekst(s, 1834).arg(bit == 20 ? 1 : 2);
    case 21:
    case 23:
        return Tekst(s, 1835).arg(bit == 21 ? 1 : 2);
    case BitObd:
        return Tekst(s, 1842);
    default:
        return bit >= 8 && bit <= 13 ? Tekst(s, 1836 + bit - 8) : QString();
    }
}

// The catalogue entry a settings byte shows under: a trouble code's high byte is its low
// byte's entry.
int Wpis(const TSterownik& s, int bit, int bajt) {
    const int indeks = bit == BitObd ? 256 + bajt : bajt;
    if (indeks > 0 && FormaNastawy(s.ListaNastaw[indeks]) == Formy::KodBleduStarszy)
        return indeks - 1;
    return indeks;
}

// A setting's value before (or after) the step: its bytes as the step found (or left) them.
int Wartosc(const TSterownik& s, const TCofanie::TKrok& krok, int indeks, bool stara) {
    const int bit = indeks >= 256 ? BitObd : 0;
    const int bajt = indeks - (bit == BitObd ? 256 : 0);
    const auto bajtPo = [&](int b) {
        for (const TCofanie::TZmiana& z : krok.zmiany)
            if (z.bit == bit && z.bajt == b) return int(stara ? z.stara : z.nowa);
        return int(bit == BitObd ? s.NastawyObd[b] : s.Nastawy[b]);
    };
    if (FormaNastawy(s.ListaNastaw[indeks]) == Formy::KodBledu)
        return bajtPo(bajt) | (bajtPo(bajt + 1) << 8);
    return bajtPo(bajt);
}

} // namespace

QString OpisKroku(const TSterownik& s, const TCofanie::TKrok& krok, const QLocale& jezyk) {
    std::set<int> bloki;    // every block the step changed
    std::set<int> widoczne; // the same, a settings block only for a named setting
    std::set<int> nazwane;  // the named settings changed
    for (const TCofanie::TZmiana& z : krok.zmiany) {
        bloki.insert(z.bit);
        const bool nastawy = z.bit == 0 || z.bit == BitObd;
        const int indeks = nastawy ? Wpis(s, z.bit, z.bajt) : -1;
        // Break points and other unnamed settings go with the chart or grid they serve.
        if (nastawy && !PokazywanaNastawa(s.ListaNastaw[indeks])) continue;
        widoczne.insert(z.bit);
        if (nastawy) nazwane.insert(indeks);
    }
    if (widoczne.empty()) return Tekst(s, 1843).arg(krok.zmiany.size());
    if (widoczne.size() > 1) return Tekst(s, 1844).arg(bloki.size());
    const int bit = *widoczne.begin();
    if (nazwane.size() != 1)
        return bit == 0 ? Tekst(s, 1843).arg(nazwane.size()) : NazwaBloku(s, bit);
    const int indeks = *nazwane.begin();
    return NazwaNastawy(s, indeks) + QLatin1Char(' ') +
           TekstWartosci(s, indeks, Wartosc(s, krok, indeks, true), jezyk) +
           QStringLiteral(" -> ") +
           TekstWartosci(s, indeks, Wartosc(s, krok, indeks, false), jezyk);
}
