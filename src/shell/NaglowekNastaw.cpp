#include "NaglowekNastaw.h"

#include "TSterownik.h"

QStringList NaglowekNastaw(TSterownik& s) {
    unsigned suma = 0;
    for (int i = 1; i < 256; ++i)
        suma += s.ListaNastaw[i].Domyslna;
    // The block sums to 0 with its checksum byte.
    s.ListaNastaw[0].Domyslna = static_cast<unsigned char>(0x100 - (suma & 0xFF));

    QStringList linie{QStringLiteral("  #define nil 0")};
    for (int i = 0; i < LiczbaNastaw; ++i) {
        const TNastawa& n = s.ListaNastaw[i];
        const QString wartosc =
            n.Rodzaj == 0 && i != 0 ? QStringLiteral("nil") : QString::number(n.Domyslna);
        linie << QStringLiteral("  #define def%1  %2").arg(i, 3, 10, QLatin1Char('0')).arg(wartosc);
    }
    return linie;
}
