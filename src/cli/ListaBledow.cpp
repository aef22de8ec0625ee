#include "ListaBledow.h"

#include "Teksty.h"

namespace {

constexpr int PierwszyBajt = 6;
constexpr int OstatniBajt = 12;
// The counter of source (byte, bit) sits at 13 + 8 (byte - 6) + bit.
constexpr int PierwszyLicznik = 13;

// The text of an error source, empty for bits that name none.
QString TekstZrodla(int bajt, int bit, const TTeksty& t) {
    switch (bajt) {
    case 6: return t.PodajTekst(1901 + bit); // sensor voltages
    case 7:
        if (bit <= 1) return t.PodajTekst(1911 + bit); // supply voltage
        if (bit >= 4 && bit <= 6) return t.PodajTekst(1913 + bit - 4); // missing supplies
        return {};
    case 8: return t.PodajTekst(1921 + bit);
    case 9: return bit <= 3 ? t.PodajTekst(1931 + bit) : QString();
    default: break;
    }
    // Bytes 10..12: a gas injector missing, short-circuited or fully open, by injector.
    return t.PodajTekst(1940 + 10 * (bajt - 10)) + u' ' + QString::number(bit + 1);
}

template <typename F> void ZaZrodlami(const TTeksty& t, F zrob) {
    for (int bajt = PierwszyBajt; bajt <= OstatniBajt; ++bajt)
        for (int bit = 0; bit < 8; ++bit)
            if (const QString tekst = TekstZrodla(bajt, bit, t); !tekst.isEmpty()) zrob(bajt, bit, tekst);
}

} // namespace

QStringList LinieListyBledow(const unsigned char* r, bool zapamietane, const TTeksty& t) {
    QStringList linie;
    ZaZrodlami(t, [&](int bajt, int bit, const QString& tekst) {
        if (r[bajt] & (1 << bit)) linie << tekst;
    });
    if (!zapamietane) return linie;
    linie << QString() << t.PodajTekst(1233) + u':' << QString();
    ZaZrodlami(t, [&](int bajt, int bit, const QString& tekst) {
        if (const int ile = r[PierwszyLicznik + 8 * (bajt - PierwszyBajt) + bit])
            linie << QString::number(ile) + QStringLiteral(" x ") + tekst;
    });
    return linie;
}
