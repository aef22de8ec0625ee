#include "Bledy.h"

#include <algorithm>

TBledy::TBledy() {
    // History of an installation that has run a while: a missing gas injector 3 twice and
    // one low supply voltage.
    liczniki[Licznik(10, 2)] = 2;
    liczniki[Licznik(7, 0)] = 1;
}

void TBledy::UstawStale(std::vector<std::pair<int, int>> stale) {
    staleBledy = std::move(stale);
    Sprawdz();
}

void TBledy::Zglos(int bajt, int bit, bool aktywny) {
    std::uint8_t& b = aktywne[static_cast<std::size_t>(bajt - PierwszyBajt)];
    const auto maska = static_cast<std::uint8_t>(1u << bit);
    if (!aktywny) {
        b = static_cast<std::uint8_t>(b & ~maska);
        return;
    }
    if (b & maska) return;
    b |= maska;
    std::uint8_t& licznik = liczniki[Licznik(bajt, bit)];
    if (licznik < 255) ++licznik;
    if (PoZapisie) PoZapisie();
}

void TBledy::Kasuj() {
    aktywne.fill(0);
    liczniki.fill(0);
}

void TBledy::Sprawdz() {
    for (auto [bajt, bit] : staleBledy)
        Zglos(bajt, bit, true);
}

bool TBledy::SaAktywne() const {
    return std::any_of(aktywne.begin(), aktywne.end(), [](std::uint8_t b) { return b != 0; });
}

bool TBledy::SaZapisane() const {
    return std::any_of(liczniki.begin(), liczniki.end(), [](std::uint8_t b) { return b != 0; });
}

TBajty TBledy::Ladunek(std::uint8_t nonce) const {
    TBajty b(DlugoscLadunku, 0);
    b[0] = nonce;
    std::copy(aktywne.begin(), aktywne.end(), b.begin() + (PierwszyBajt - 4));
    std::copy(liczniki.begin(), liczniki.end(), b.begin() + (PierwszyBajt + LiczbaBajtow - 4));
    return b;
}
