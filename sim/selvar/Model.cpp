#include "Model.h"

#include <algorithm>
#include <cmath>

namespace {

// Substep of the model, so that a fast time scale keeps the same behaviour.
constexpr double NajdluzszyKrok = 0.05;
constexpr double TrzymanieKalibracji = 1.0; // s after the last calibration poll

} // namespace

TModel::TModel(const TOpcjeModelu& opcje, TPamiecSterownika& p, TTozsamosc& t, TBledy& b,
               const TModulObd* m, std::mt19937& losowanie)
    : pamiec(p), tozsamosc(t), bledy(b), modul(m), silnik(opcje.plan, losowanie),
      uklad(opcje.zbiornik), paliwo(t.Opis().kanaly), wtrysk(p, t), nauka(p, t, komunikaty, wtrysk),
      liczniki(opcje.liczniki) {
    nauka.Wlacz(opcje.nauka);
    wtrysk.UstawCelKalibracji(opcje.celKalibracji);
    wtrysk.UstawCzynnikGazu(opcje.czynnikGazu);
    paliwo.PoZmianie = [this](std::uint8_t powod) {
        komunikaty.Zdarzenie({KodKomunikatu::Przelaczenie, powod, 0, 0});
    };
}

void TModel::Krok(double dt, double teraz) {
    while (dt > 1e-9) {
        const double krok = std::min(dt, NajdluzszyKrok);
        KrokCzastkowy(krok, teraz);
        dt -= krok;
    }
}

void TModel::KrokCzastkowy(double dt, double teraz) {
    czas += dt;
    silnik.Krok(czas, dt, teraz - ostatniaKalibracja < TrzymanieKalibracji);
    const TStanSilnika& s = silnik.Stan();
    TProgiPaliwa progi;
    Nastawy(progi);
    paliwo.Krok(dt, s, uklad.Cisnienie(), progi);
    const TCzasyWtrysku czasy = wtrysk.Czasy(s, paliwo);
    uklad.Krok(dt, paliwo.Zawory(), s, czasy.gaz[0]);
    wtrysk.Krok(dt, s, paliwo);
    nauka.Krok(dt, s, paliwo, modul ? modul->Trymy(teraz) : std::nullopt);
    if (s.pracuje && liczniki) tozsamosc.DodajCzasPracy(paliwo.KanalyNaGazie() != 0, dt);
    bledy.Zglos(7, 0, s.zaplon && s.napiecie < 9.0);
    bledy.Zglos(7, 1, s.napiecie > 16.0);
    bledy.Sprawdz();
}

void TModel::Nastawy(TProgiPaliwa& p) const {
    const auto n = [this](std::size_t i) { return static_cast<double>(pamiec.Nastawa(i)); };
    p.obrotyGaz = n(50) * 10;
    p.temperaturaGaz = n(51) - 128;
    p.poZaplonie = n(52);
    p.poZaworze = n(53) * 0.1;
    p.zimnySilnik = n(54);
    p.naCylinder = n(55) * 0.1;
    p.rodzajPrzelaczania = pamiec.Nastawa(56);
    p.obrotyMin = n(60) * 10;
    p.cisnienieMin = n(63) * 0.01;
    p.czasBleduCisnienia = n(64) * 0.01;
    p.naBenzynie = pamiec.Nastawa(31);
}
