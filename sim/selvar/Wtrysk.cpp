#include "Wtrysk.h"

#include <algorithm>
#include <cmath>

namespace {

// Index of the axis point nearest to the value (axis in settings first..first+15).
int NajblizszyPunkt(const TPamiecSterownika& p, std::size_t pierwszy, double wartosc,
                    double jednostka) {
    int najlepszy = 0;
    double odleglosc = 1e9;
    for (int i = 0; i < 16; ++i) {
        const double d =
            std::abs(p.Nastawa(pierwszy + static_cast<std::size_t>(i)) * jednostka - wartosc);
        if (d < odleglosc) {
            odleglosc = d;
            najlepszy = i;
        }
    }
    return najlepszy;
}

// Gas time the engine really needs for a petrol time, ms.
double PotrzebnyGaz(double benzyna) {
    return benzyna * (0.98 + 0.30 * std::exp(-benzyna / 3.0)) + 0.12;
}

} // namespace

TWtrysk::TWtrysk(const TPamiecSterownika& p, const TTozsamosc& t) : pamiec(p), tozsamosc(t) {}

TKomorka TWtrysk::Komorka(const TStanSilnika& silnik) const {
    TKomorka k;
    k.r = NajblizszyPunkt(pamiec, 240, silnik.obroty, 50.0);
    // Setting 76: the maps take the petrol time as load, in 16 steps of 1.6 ms.
    if (pamiec.Nastawa(76) != 0)
        k.l = std::min(15, static_cast<int>(silnik.czasBenzyny / 1.6));
    else
        k.l = NajblizszyPunkt(pamiec, 224, silnik.podcisnienie, 0.01);
    return k;
}

int TWtrysk::Bank(int kanal) const {
    const bool dwaBanki = tozsamosc.Opis().plytka >= 3;
    return dwaBanki && (pamiec.Nastawa(30) >> kanal & 1) ? 2 : 1;
}

bool TWtrysk::NaGazie(int kanal, const TPaliwo& paliwo) const {
    return (paliwo.KanalyNaGazie() >> kanal & 1) && (maskaWtryskiwaczy >> kanal & 1);
}

double TWtrysk::CzasGazu(int kanal, double benzyna, const TKomorka& komorka) const {
    if (benzyna <= 0) return 0;
    const int bank = Bank(kanal);
    const auto pozycja = static_cast<std::size_t>(std::min(255L, std::lround(benzyna * 10)));
    const TBajty& mnoznik = pamiec.BlokBitu(bank == 1 ? BitBloku::Mnoznik1 : BitBloku::Mnoznik2);
    const TBajty& korekta = pamiec.BlokBitu(bank == 1 ? BitBloku::KorOdObr1 : BitBloku::KorOdObr2);
    const int adaptacja = tozsamosc.Adaptacja(bank == 1 ? 67 : 69);
    const int jalowa = tozsamosc.Adaptacja(bank == 1 ? 66 : 68);
    const double czas = benzyna * mnoznik[pozycja] / 100.0 *
                            korekta[static_cast<std::size_t>(komorka.Indeks())] / 100.0 *
                            adaptacja / 128.0 +
                        (pamiec.Nastawa(216 + static_cast<std::size_t>(kanal)) - 128) * 0.025 +
                        (pamiec.Nastawa(bank == 1 ? 90 : 92) - 128) * 0.02 + (jalowa - 128) * 0.01;
    return std::max(0.0, czas * czynnikGazu);
}

double TWtrysk::BenzynaScenariusza(int kanal, double benzyna) const {
    static constexpr int Przesuniecia[8] = {2, -2, 1, -1, 3, -3, 0, 0};
    const int nastawa = pamiec.Nastawa(Bank(kanal) == 1 ? 90 : 92);
    // Too much gas (setting above the target) makes the ECU ask for less petrol.
    return std::max(0.0, benzyna - (nastawa - celKalibracji - Przesuniecia[kanal]) * 0.05);
}

TCzasyWtrysku TWtrysk::Czasy(const TStanSilnika& silnik, const TPaliwo& paliwo) const {
    TCzasyWtrysku czasy;
    const int n = tozsamosc.Opis().kanaly;
    const bool grupowy = pamiec.Nastawa(8) == 2;
    const TKomorka komorka = Komorka(silnik);
    const double mix = paliwo.TrybPracy() == Tryb::Mix ? 0.5 : 1.0;
    for (int c = 0; c < n; ++c) {
        // Injectors differ a little; the ECU also trims its time while the engine is on gas.
        const double rozrzut = grupowy ? 1.0 : 1.0 + 0.012 * (c - (n - 1) / 2.0);
        double benzyna = silnik.czasBenzyny * rozrzut * (1.0 + korektaEcu);
        if (celKalibracji >= 0 && NaGazie(c, paliwo)) benzyna = BenzynaScenariusza(c, benzyna);
        czasy.benzyna[static_cast<std::size_t>(c)] = benzyna;
        if (NaGazie(c, paliwo))
            czasy.gaz[static_cast<std::size_t>(c)] = mix * CzasGazu(c, benzyna, komorka);
    }
    return czasy;
}

void TWtrysk::Krok(double dt, const TStanSilnika& silnik, const TPaliwo& paliwo) {
    const int n = tozsamosc.Opis().kanaly;
    if (silnik.czasBenzyny <= 0 || celKalibracji >= 0) return;
    const TCzasyWtrysku czasy = Czasy(silnik, paliwo);
    double blad = 0;
    int naGazie = 0;
    for (int c = 0; c < n; ++c) {
        if (czasy.gaz[static_cast<std::size_t>(c)] <= 0) continue;
        const double potrzeba =
            PotrzebnyGaz(czasy.benzyna[static_cast<std::size_t>(c)] / (1.0 + korektaEcu));
        blad += (potrzeba - czasy.gaz[static_cast<std::size_t>(c)]) / potrzeba;
        ++naGazie;
    }
    if (naGazie == 0) {
        korektaEcu *= std::exp(-dt / 2.0);
        return;
    }
    korektaEcu = std::clamp(korektaEcu + blad / n * dt / 1.5, -0.3, 0.3);
}
