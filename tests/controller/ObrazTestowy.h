#pragma once

// Firmware image files for tests: the header built by hand from the file layout, the image
// a counting pattern so that a misplaced block shows.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace ObrazTestowy {

// Hardware of the identity the tests answer with: positions 40, 42, 43, 44.
inline constexpr char Sprzet40 = 0x21, Plytka = 3, Kanaly = 4, Sprzet44 = 0x03;

inline QByteArray Plik(int wersja, int beta = 0, int dlugosc = 256 + 57344) {
    QByteArray p(dlugosc, '\0');
    for (int i = 256; i < dlugosc; ++i)
        p[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    p.replace(0, 8, "img file");
    p[8] = Sprzet44;
    p[18] = Sprzet40;
    p[19] = static_cast<char>(beta);
    p[20] = Plytka;
    p[21] = Kanaly;
    p[22] = static_cast<char>(wersja);
    p[24] = 24; // 2024-03-05
    p[25] = 3;
    p[26] = 5;
    // Where selvar-sim's application finds its version: 1.5.<wersja>, the same beta and date.
    if (dlugosc >= 256 + 57344)
        p.replace(256 + 57344 - 16, 15,
                  QByteArray("SELVARFW") + QByteArray::fromRawData("\x01\x05", 2) + char(wersja) +
                      char(beta) + QByteArray::fromRawData("\x18\x03\x05", 3));
    return p;
}

inline bool Zapisz(const QString& sciezka, const QByteArray& dane) {
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(dane) == dane.size();
}

// Identity payload from frame position 6 of an 80-byte reply with that hardware and the
// installed version 1.4.<wersja>.
inline QByteArray Tozsamosc(int wersja = 23) {
    QByteArray d(74, '\0');
    d[40 - 6] = Sprzet40;
    d[42 - 6] = Plytka;
    d[43 - 6] = Kanaly;
    d[44 - 6] = Sprzet44;
    d[58 - 6] = 1;
    d[59 - 6] = 4;
    d[60 - 6] = static_cast<char>(wersja);
    return d;
}

} // namespace ObrazTestowy
