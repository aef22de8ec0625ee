#include "KodekRamki.h"

namespace Kodek {
namespace {

constexpr std::uint8_t Klucz = 0xD3;

// The position term of the chain: 255 - (i mod 256).
std::uint8_t Pozycyjny(std::size_t i) {
    return static_cast<std::uint8_t>(255 - (i & 0xFF));
}

} // namespace

std::uint8_t Suma(const TBajty& bajty) {
    unsigned suma = 0;
    for (auto b : bajty)
        suma += b;
    return static_cast<std::uint8_t>(suma & 0xFF);
}

void UstawSumeBloku(TBajty& blok) {
    blok[0] = 0;
    blok[0] = static_cast<std::uint8_t>(256 - Suma(blok));
}

TBajty ZbudujRamke(std::uint8_t start, std::uint8_t kod, const TBajty& ladunek,
                   std::uint8_t wypelnienie) {
    const std::size_t parzysta = (ladunek.size() + 1) & ~static_cast<std::size_t>(1);
    TBajty ramka(Naglowek + parzysta, wypelnienie);
    ramka[0] = start;
    ramka[2] = static_cast<std::uint8_t>(parzysta / 2);
    ramka[3] = kod;
    for (std::size_t i = 0; i < ladunek.size(); ++i)
        ramka[Naglowek + i] = ladunek[i];
    UstawSume(ramka);
    return ramka;
}

void UstawSume(TBajty& ramka) {
    ramka[1] = 0;
    ramka[1] = static_cast<std::uint8_t>(256 - Suma(ramka));
}

void Zaszyfruj(TBajty& ramka) {
    std::uint8_t poprzedni = ramka[1] ^ Klucz;
    for (std::size_t i = Naglowek; i < ramka.size(); ++i) {
        const std::uint8_t jawny = ramka[i];
        ramka[i] = jawny ^ poprzedni ^ Pozycyjny(i);
        poprzedni = jawny;
    }
}

void Odszyfruj(TBajty& ramka) {
    std::uint8_t poprzedni = ramka[1] ^ Klucz;
    for (std::size_t i = Naglowek; i < ramka.size(); ++i) {
        ramka[i] = ramka[i] ^ poprzedni ^ Pozycyjny(i);
        poprzedni = ramka[i];
    }
}

} // namespace Kodek
