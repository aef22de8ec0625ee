#include "Ramki.h"

namespace Ramki {

namespace {
constexpr unsigned char Klucz = 0xD3;

unsigned char Maska(int i) {
    return static_cast<unsigned char>(255 - (i % 256));
}
} // namespace

unsigned char Suma(const unsigned char* dane, int n) {
    unsigned char s = 0;
    for (int i = 0; i < n; ++i)
        s = static_cast<unsigned char>(s + dane[i]);
    return s;
}

int Zbuduj(unsigned char* ramka, unsigned char start, unsigned char kod, int dlugoscDanych) {
    const int dane = (dlugoscDanych + 1) & ~1;
    ramka[0] = start;
    ramka[1] = 0;
    ramka[2] = static_cast<unsigned char>(dane / 2);
    ramka[3] = kod;
    const int dlugosc = Naglowek + dane;
    ramka[1] = static_cast<unsigned char>(256 - Suma(ramka, dlugosc));
    return dlugosc;
}

void Szyfruj(unsigned char* ramka, int dlugosc) {
    unsigned char poprzedni = ramka[1] ^ Klucz;
    for (int i = Naglowek; i < dlugosc; ++i) {
        const unsigned char jawny = ramka[i];
        ramka[i] = jawny ^ poprzedni ^ Maska(i);
        poprzedni = jawny;
    }
}

void Deszyfruj(unsigned char* ramka, int dlugosc) {
    unsigned char poprzedni = ramka[1] ^ Klucz;
    for (int i = Naglowek; i < dlugosc; ++i) {
        ramka[i] = ramka[i] ^ poprzedni ^ Maska(i);
        poprzedni = ramka[i];
    }
}

QString Bajty(const unsigned char* dane, int n) {
    static const char Cyfry[] = "0123456789ABCDEF";
    QString tekst;
    tekst.reserve(3 * n);
    for (int i = 0; i < n; ++i) {
        tekst += QLatin1Char(' ');
        tekst += QLatin1Char(Cyfry[dane[i] >> 4]);
        tekst += QLatin1Char(Cyfry[dane[i] & 0xF]);
    }
    return tekst;
}

QString Zrzut(const char* przedrostek, const unsigned char* ramka, int dlugosc) {
    const int naglowek = dlugosc < Naglowek ? dlugosc : Naglowek;
    return QString::fromLatin1(przedrostek) + Bajty(ramka, naglowek) + QLatin1String("  ") +
           Bajty(ramka + naglowek, dlugosc - naglowek);
}

} // namespace Ramki
