#include "Nauka.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double OkresMap = 0.5;       // s between map samples
constexpr double OkresAdaptacji = 5.0; // s between adaptation steps
constexpr double OkresZapisu = 60.0;   // s between EEPROM saves of the maps

bool Pracuje(const TStanSilnika& s) {
    return s.pracuje && !s.odciecie && s.czasBenzyny > 0;
}

} // namespace

TNauka::TNauka(TPamiecSterownika& p, TTozsamosc& t, TKomunikatyBoczne& k, const TWtrysk& w)
    : pamiec(p), tozsamosc(t), komunikaty(k), wtrysk(w) {}

void TNauka::Krok(double dt, const TStanSilnika& silnik, const TPaliwo& paliwo,
                  const std::optional<TTrymyObd>& trymy) {
    if (!wlaczona) return;
    doMap += dt;
    doAdaptacji += dt;
    doZapisu += dt;
    if (doMap >= OkresMap) {
        doMap = 0;
        if (Pracuje(silnik)) Mapy(silnik, paliwo, trymy);
    }
    if (doAdaptacji >= OkresAdaptacji) {
        doAdaptacji = 0;
        if (Pracuje(silnik) && paliwo.TrybPracy() == Tryb::Gaz && pamiec.Nastawa(81) != 0)
            Adaptacja(silnik, paliwo);
    }
    if (doZapisu >= OkresZapisu) {
        doZapisu = 0;
        if (mapyZmienione) komunikaty.Zapis(KodKomunikatu::Eeprom, 0x02);
        mapyZmienione = false;
    }
}

void TNauka::Mapy(const TStanSilnika& silnik, const TPaliwo& paliwo,
                  const std::optional<TTrymyObd>& trymy) {
    const int tryb = paliwo.TrybPracy();
    const bool benzyna = tryb == Tryb::Benzyna || tryb == Tryb::Oczekiwanie;
    if (!benzyna && tryb != Tryb::Gaz) return;
    // Maps are collected from a warm engine only (setting 77, offset 128).
    if (silnik.tReduktora < pamiec.Nastawa(77) - 128) return;
    const TKomorka komorka = wtrysk.Komorka(silnik);
    const TCzasyWtrysku czasy = wtrysk.Czasy(silnik, paliwo);
    const int n = tozsamosc.Opis().kanaly;
    double suma = 0;
    for (int c = 0; c < n; ++c)
        suma += czasy.benzyna[static_cast<std::size_t>(c)];
    Ucz(benzyna ? 0 : 3, komorka, static_cast<int>(std::lround(suma / n * 10)));
    if (!trymy) return;
    const TTrymyObd& t = *trymy;
    // Bank trims: short plus long term, in the map's unit of 100/128 %.
    if (t[2] && t[3]) Ucz(benzyna ? 1 : 4, komorka, t[2] + t[3] - 128);
    if (t[4] && t[5]) Ucz(benzyna ? 2 : 5, komorka, t[4] + t[5] - 128);
}

void TNauka::Ucz(std::uint8_t mapa, const TKomorka& komorka, int wartosc) {
    const unsigned bit = TKomunikatyBoczne::BitMapy(mapa);
    const auto indeks = static_cast<std::size_t>(komorka.Indeks());
    const int stara = pamiec.BlokBitu(bit)[indeks];
    // A new cell takes the sample; a known one moves a quarter of the way towards it.
    const int nowa = std::clamp(stara == 0 ? wartosc : (3 * stara + wartosc + 2) / 4, 1, 255);
    if (nowa == stara) return;
    pamiec.UstawKomorke(bit, indeks, static_cast<std::uint8_t>(nowa));
    komunikaty.KomorkaMapy(mapa, static_cast<std::uint8_t>(indeks));
    mapyZmienione = true;
}

// When the ECU asks for more petrol on gas than the petrol map holds for the cell, the gas
// is too lean: the multiplier adaptation (or at idle the idle adaptation) goes up.
void TNauka::Adaptacja(const TStanSilnika& silnik, const TPaliwo& paliwo) {
    const TKomorka komorka = wtrysk.Komorka(silnik);
    const int wzor =
        pamiec.BlokBitu(BitBloku::MapaEcuBen)[static_cast<std::size_t>(komorka.Indeks())];
    if (wzor == 0) return;
    const TCzasyWtrysku czasy = wtrysk.Czasy(silnik, paliwo);
    const double odchylenie = (czasy.benzyna[0] * 10 - wzor) / wzor;
    if (std::abs(odchylenie) < 0.02) return;
    const int kierunek = odchylenie > 0 ? 1 : -1;
    const bool jalowe = komorka.r <= 1;
    if (Przesun(jalowe ? 66 : 67, kierunek))
        komunikaty.Zdarzenie(
            {KodKomunikatu::AdaptacjaBank1, tozsamosc.Adaptacja(66), tozsamosc.Adaptacja(67), 0});
    if (tozsamosc.Opis().plytka >= 3 && Przesun(jalowe ? 68 : 69, kierunek))
        komunikaty.Zdarzenie(
            {KodKomunikatu::AdaptacjaBank2, tozsamosc.Adaptacja(68), tozsamosc.Adaptacja(69), 0});
}

bool TNauka::Przesun(int pozycja, int kierunek) {
    const int stara = tozsamosc.Adaptacja(pozycja);
    const int nowa = std::clamp(stara + kierunek, 98, 158);
    if (nowa == stara) return false;
    tozsamosc.UstawAdaptacje(pozycja, static_cast<std::uint8_t>(nowa));
    return true;
}
