#include "Zaklocenia.h"

#include "KodekRamki.h"

#include <algorithm>

namespace {

// 38400 baud, 10 bits a byte: 38 bytes every 10 ms.
constexpr std::size_t BajtyNaTakt = 38;
constexpr int TaktMs = 10;
// Data proper starts after the header and the two bytes of nonce and status.
constexpr std::size_t PoczatekDanych = Kodek::Naglowek + 2;

bool Bit(std::uint8_t bajt, int bit) {
    return (bajt >> bit) & 1;
}

bool PrzechodziSume(TBajty ramka) {
    Kodek::Odszyfruj(ramka);
    return Kodek::Suma(ramka) == 0;
}

} // namespace

TZaklocenia::TZaklocenia(const TOpcjeZaklocen& o, unsigned ziarno) : opcje(o), los(ziarno) {}

bool TZaklocenia::Los(double udzial) {
    if (udzial <= 0) return false;
    if (udzial >= 1) return true;
    return std::uniform_real_distribution<double>(0, 1)(los) < udzial;
}

bool TZaklocenia::Pomin(double teraz) {
    if (Cisza(teraz)) return true;
    return Los(opcje.pomin);
}

void TZaklocenia::Znieksztalc(TBajty& ramka) {
    if (Los(opcje.znieksztalc)) Odwroc(ramka);
}

bool TZaklocenia::ZapisBezPotwierdzenia() {
    return zapisow++ < opcje.zapisyBezPotwierdzenia;
}

void TZaklocenia::ZnieksztalcPotwierdzenie(TBajty& ramka) {
    if (Los(opcje.znieksztalcPotwierdzenia)) Odwroc(ramka);
}

bool TZaklocenia::BootloaderMilczy(std::size_t odebrane, double teraz) {
    if (opcje.ciszaPoBlokach < 0 || odebrane < static_cast<std::size_t>(opcje.ciszaPoBlokach))
        return false;
    if (poczatekCiszy < 0) poczatekCiszy = teraz;
    return teraz - poczatekCiszy < opcje.ciszaBlokowPrzez;
}

void TZaklocenia::Odwroc(TBajty& ramka) {
    if (ramka.size() <= Kodek::Naglowek) return;
    std::uniform_int_distribution<std::size_t> bajt(Kodek::Naglowek, ramka.size() - 1);
    std::uniform_int_distribution<int> bit(0, 7);
    for (int proba = 0; proba < 16; ++proba) {
        const std::size_t i = bajt(los);
        const auto maska = static_cast<std::uint8_t>(1u << bit(los));
        ramka[i] ^= maska;
        if (!PrzechodziSume(ramka)) return;
        ramka[i] ^= maska;
    }
    // A flip in the last byte changes only that plain byte, so the sum always fails.
    ramka.back() ^= 0x01;
}

bool TZaklocenia::ZnieksztalcNiewidocznie(TBajty& ramka) {
    if (ramka.size() < PoczatekDanych + 2 || !Los(opcje.niewidoczne)) return false;
    const std::size_t dane = ramka.size() - PoczatekDanych;
    const std::size_t i =
        PoczatekDanych + std::uniform_int_distribution<std::size_t>(0, dane - 1)(los);
    const int pierwszyBit = std::uniform_int_distribution<int>(0, 7)(los);
    const std::size_t przesuniecie = std::uniform_int_distribution<std::size_t>(1, dane - 1)(los);
    // The first byte from a random place on whose bit differs: +2^b there, -2^b here.
    for (int b = 0; b < 8; ++b) {
        const int bit = (pierwszyBit + b) % 8;
        for (std::size_t k = 0; k < dane; ++k) {
            const std::size_t j = PoczatekDanych + (i - PoczatekDanych + przesuniecie + k) % dane;
            if (j == i || Bit(ramka[j], bit) == Bit(ramka[i], bit)) continue;
            const auto maska = static_cast<std::uint8_t>(1u << bit);
            ramka[i] ^= maska;
            ramka[j] ^= maska;
            return true;
        }
    }
    return false; // all data bytes equal: no flip keeps the sum
}

std::vector<TKawalek> TZaklocenia::Kawalki(const TBajty& ramka) {
    std::vector<TKawalek> kawalki;
    const auto tnij = [&](std::size_t od, std::size_t ile, int przerwa) {
        kawalki.push_back({TBajty(ramka.begin() + static_cast<std::ptrdiff_t>(od),
                                  ramka.begin() + static_cast<std::ptrdiff_t>(od + ile)),
                           przerwa});
    };
    if (opcje.tempoLinii) {
        for (std::size_t od = 0; od < ramka.size(); od += BajtyNaTakt)
            tnij(od, std::min(BajtyNaTakt, ramka.size() - od), od == 0 ? 0 : TaktMs);
    } else if (opcje.dziel && ramka.size() > 1) {
        // Two to four pieces, cut at random places.
        const int ile = std::uniform_int_distribution<int>(2, 4)(los);
        std::vector<std::size_t> ciecia{0, ramka.size()};
        for (int k = 1; k < ile; ++k)
            ciecia.push_back(std::uniform_int_distribution<std::size_t>(1, ramka.size() - 1)(los));
        std::sort(ciecia.begin(), ciecia.end());
        ciecia.erase(std::unique(ciecia.begin(), ciecia.end()), ciecia.end());
        for (std::size_t k = 0; k + 1 < ciecia.size(); ++k)
            tnij(ciecia[k], ciecia[k + 1] - ciecia[k],
                 k == 0 ? 0 : std::uniform_int_distribution<int>(1, 5)(los));
    } else {
        tnij(0, ramka.size(), 0);
    }
    return kawalki;
}
