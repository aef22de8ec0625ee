#include "TekstyBledow.h"

#include "Teksty.h"

namespace {

// A run of bits of one byte, each naming text id + bit (or, for injector faults, one id
// followed by the injector number).
struct TGrupa {
    int bajt;
    int pierwszyBit, ostatniBit;
    int id;
    bool wtryskiwacz;
};

constexpr TGrupa Aktywne[] = {
    {6, 0, 7, 1901, false}, {7, 0, 1, 1911, false}, {7, 4, 6, 1913, false}, {8, 0, 7, 1921, false},
    {9, 0, 3, 1931, false}, {10, 0, 7, 1940, true}, {11, 0, 7, 1950, true}, {12, 0, 7, 1960, true},
};

// Counters: byte range, first text id; injector counters name one id and the injector.
struct TLiczniki {
    int odBajtu, doBajtu;
    int id;
    bool wtryskiwacz;
};

constexpr TLiczniki Liczniki[] = {
    {13, 20, 1901, false}, {21, 22, 1911, false}, {25, 27, 1913, false}, {29, 36, 1921, false},
    {37, 40, 1931, false}, {45, 52, 1940, true},  {53, 60, 1950, true},  {61, 68, 1960, true},
};

QString Tekst(const TTeksty& t, int id, bool wtryskiwacz, int n) {
    return wtryskiwacz ? t.PodajTekst(id) + QLatin1Char(' ') + QString::number(n + 1)
                       : t.PodajTekst(id + n);
}

} // namespace

QStringList LinieBledow(const unsigned char* r, bool zLicznikami, const TTeksty& t) {
    QStringList linie;
    for (const TGrupa& g : Aktywne)
        for (int b = g.pierwszyBit; b <= g.ostatniBit; ++b)
            if (r[g.bajt] & (1 << b)) linie << Tekst(t, g.id, g.wtryskiwacz, b - g.pierwszyBit);
    if (!zLicznikami) return linie;

    linie << QString() << QLatin1Char('\t') + t.PodajTekst(1233) + QLatin1Char(':') << QString();
    for (const TLiczniki& l : Liczniki)
        for (int b = l.odBajtu; b <= l.doBajtu; ++b)
            if (const int ile = r[b])
                linie << QString::number(ile) + QStringLiteral(" x ") +
                             Tekst(t, l.id, l.wtryskiwacz, b - l.odBajtu);
    return linie;
}

int PowodCzekania(unsigned char grupa, unsigned char bity) {
    int id = 0;
    auto bityGrupy = [&](int pierwszy, int ostatni, int pierwszeId) {
        for (int b = pierwszy; b <= ostatni; ++b)
            if (bity & (1 << b)) id = pierwszeId + b - pierwszy;
    };
    switch (grupa) {
    case 1:
        bityGrupy(1, 2, 1802);
        break;
    case 10:
        bityGrupy(0, 6, 1811);
        break;
    case 20:
        bityGrupy(0, 5, 1821);
        break;
    default:
        break;
    }
    return id;
}

QString LiniaHistorii(const QString& czas, const QString& powod) {
    QString linia = czas + QLatin1Char('\t');
    if (linia.size() <= 8) linia += QLatin1Char('\t');
    return linia + powod;
}
