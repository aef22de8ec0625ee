#include "Pamiec.h"

#include "KodekRamki.h"

const std::array<TOpisBloku, TPamiecSterownika::LiczbaBlokow>& TPamiecSterownika::Opisy() {
    static const std::array<TOpisBloku, LiczbaBlokow> opisy{{
        {0, "Nastawy", 0xE8, 0xF8, 256, false},        {1, "Mnoznik1", 0xE9, 0xF9, 256, false},
        {2, "Mnoznik2", 0xEA, 0xFA, 256, false},       {3, "KorOdObr1", 0xEB, 0xFB, 256, false},
        {4, "KorOdObr2", 0xEC, 0xFC, 256, false},      {7, "Historia", 0xA7, 0xC7, 256, false},
        {8, "KorOdCis", 0xA8, 0xC8, 256, false},       {9, "KorOdTempRed", 0xA9, 0xC9, 256, false},
        {10, "KorOdTempGazu", 0xAA, 0xCA, 256, false}, {11, "EmulatorCis", 0xAB, 0xCB, 256, false},
        {12, "OpoznienieWtr", 0xAC, 0xCC, 256, false}, {13, "Wzbogacenie", 0xAD, 0xCD, 256, false},
        {16, "MapaEcuBen", 0xE0, 0xF0, 256, false},    {17, "MapaEcuGaz", 0xE1, 0xF1, 256, false},
        {20, "MapaObdBen1", 0xE2, 0xF2, 256, false},   {21, "MapaObdGaz1", 0xE3, 0xF3, 256, false},
        {22, "MapaObdBen2", 0xE4, 0xF4, 256, false},   {23, "MapaObdGaz2", 0xE5, 0xF5, 256, false},
        {24, "NastawyObd", 0x72, 0x73, 48, true},
    }};
    return opisy;
}

namespace {

std::optional<std::size_t> Szukaj(std::uint8_t start, std::uint8_t kod, bool zapis) {
    const bool doModulu = start == Kodek::StartDoModulu;
    const auto& opisy = TPamiecSterownika::Opisy();
    for (std::size_t i = 0; i < opisy.size(); ++i) {
        if (opisy[i].modul != doModulu) continue;
        if ((zapis ? opisy[i].zapis : opisy[i].odczyt) == kod) return i;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::size_t> TPamiecSterownika::PoOdczycie(std::uint8_t start, std::uint8_t kod) {
    return Szukaj(start, kod, false);
}

std::optional<std::size_t> TPamiecSterownika::PoZapisie(std::uint8_t start, std::uint8_t kod) {
    return Szukaj(start, kod, true);
}

std::size_t TPamiecSterownika::PoBicie(unsigned bit) {
    const auto& opisy = Opisy();
    for (std::size_t i = 0; i < opisy.size(); ++i)
        if (opisy[i].bit == bit) return i;
    return 0;
}

TPamiecSterownika::TPamiecSterownika(const TKonfiguracjaBlokow& konfiguracja) {
    for (std::size_t i = 0; i < LiczbaBlokow; ++i)
        bloki[i] = BlokiPoczatkowe::Blok(Opisy()[i].bit, konfiguracja);
}

bool TPamiecSterownika::Zapisz(std::size_t indeks, const TBajty& dane) {
    if (dane.size() != Opisy()[indeks].rozmiar) return false;
    bloki[indeks] = dane;
    Zmieniony(indeks);
    return true;
}

void TPamiecSterownika::UstawKomorke(unsigned bit, std::size_t komorka, std::uint8_t wartosc) {
    const std::size_t indeks = PoBicie(bit);
    if (bloki[indeks][komorka] == wartosc) return;
    bloki[indeks][komorka] = wartosc;
    Zmieniony(indeks);
}

void TPamiecSterownika::Zmieniony(std::size_t indeks) {
    if (PoZmianie) PoZmianie(indeks);
}
