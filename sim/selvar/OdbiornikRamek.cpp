#include "OdbiornikRamek.h"

#include "KodekRamki.h"

namespace {

bool StartZadania(std::uint8_t b) {
    return b == Kodek::StartDoSterownika || b == Kodek::StartDoModulu;
}

} // namespace

std::vector<TZadanie> TOdbiornikRamek::Dodaj(const TBajty& bajty, long long czasMs) {
    bufor.insert(bufor.end(), bajty.begin(), bajty.end());
    ostatniBajtMs = czasMs;
    std::vector<TZadanie> wynik;
    while (Rozpoznaj(wynik)) {
    }
    return wynik;
}

std::vector<TZadanie> TOdbiornikRamek::Przeterminuj(long long czasMs) {
    std::vector<TZadanie> wynik;
    if (bufor.empty() || czasMs - ostatniBajtMs < PrzerwaMs) return wynik;
    // Every byte waiting is old now: a frame that starts in them and is still incomplete
    // is torn as well, so none is waited for again.
    while (!bufor.empty()) {
        ++pominiete;
        Usun(1);
        while (Rozpoznaj(wynik)) {
        }
    }
    return wynik;
}

void TOdbiornikRamek::Wyczysc() {
    bufor.clear();
    wZlejRamce = 0;
}

void TOdbiornikRamek::Usun(std::size_t ile) {
    bufor.erase(bufor.begin(), bufor.begin() + static_cast<std::ptrdiff_t>(ile));
    wZlejRamce = wZlejRamce > ile ? wZlejRamce - ile : 0;
}

// Takes one step on the buffer; false when it must wait for more bytes.
bool TOdbiornikRamek::Rozpoznaj(std::vector<TZadanie>& wynik) {
    std::size_t zbedne = 0;
    while (zbedne < bufor.size() && !StartZadania(bufor[zbedne]))
        ++zbedne;
    if (zbedne > 0) {
        pominiete += static_cast<long long>(zbedne);
        Usun(zbedne);
    }
    if (bufor.size() < Kodek::Naglowek) return false;
    const std::size_t dlugosc = Kodek::DlugoscRamki(bufor);
    if (bufor.size() < dlugosc) return false;

    TZadanie zadanie;
    zadanie.ramka.assign(bufor.begin(), bufor.begin() + static_cast<std::ptrdiff_t>(dlugosc));
    Kodek::Odszyfruj(zadanie.ramka);
    zadanie.start = zadanie.ramka[0];
    zadanie.kod = zadanie.ramka[3];
    if (Kodek::Suma(zadanie.ramka) == 0) {
        Usun(dlugosc);
        wynik.push_back(std::move(zadanie));
        return true;
    }
    zadanie.zlaSuma = true;
    if (wZlejRamce == 0) {
        wynik.push_back(std::move(zadanie));
        wZlejRamce = dlugosc;
    }
    ++pominiete;
    Usun(1);
    return true;
}
