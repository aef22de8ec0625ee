#include "Paliwo.h"

void TPaliwo::Krok(double dt, const TStanSilnika& silnik, double cisnienie, const TProgiPaliwa& p) {
    if (!silnik.pracuje) {
        // Without a running engine everything closes; losing it on gas is an RPM loss.
        if (tryb != Tryb::Benzyna && tryb != Tryb::Oczekiwanie) Zglos(Powod::UtrataObrotow);
        tryb = Tryb::Benzyna;
        kanaly = 0;
        zawory = false;
        powody = 0;
        czasWarunkow = czasZaworu = 0;
        zimnyStart.reset();
        return;
    }
    if (!zimnyStart) zimnyStart = silnik.tReduktora < p.temperaturaGaz;
    switch (tryb) {
    case Tryb::Benzyna:
        if (chceGaz) tryb = Tryb::Oczekiwanie;
        powody = 0;
        break;
    case Tryb::Oczekiwanie:
        Czekaj(dt, silnik, cisnienie, p);
        break;
    case Tryb::Przelaczanie:
    case Tryb::PrzelaczanieSzybkie:
        Przelaczaj(dt, p);
        break;
    default:
        PilnujGazu(dt, silnik, cisnienie, p);
        break;
    }
}

void TPaliwo::Czekaj(double dt, const TStanSilnika& silnik, double cisnienie,
                     const TProgiPaliwa& p) {
    int braki = 0;
    if (silnik.tReduktora < p.temperaturaGaz) braki |= Czekanie::Temperatura;
    if (silnik.obroty < p.obrotyGaz) braki |= Czekanie::Obroty;
    if (silnik.czasOdZaplonu < p.poZaplonie) braki |= Czekanie::PoZaplonie;
    czasWarunkow = braki ? 0 : czasWarunkow + dt;
    if (!braki && zimnyStart.value_or(false) && !szybkie && czasWarunkow < p.zimnySilnik)
        braki |= Czekanie::ZimnySilnik;
    zawory = braki == 0;
    czasZaworu = zawory ? czasZaworu + dt : 0;
    if (zawory && !szybkie && czasZaworu < p.poZaworze)
        braki |= Czekanie::Zawor;
    else if (zawory && cisnienie < p.cisnienieMin)
        braki |= Czekanie::Cisnienie;
    powody = braki;
    if (braki) return;
    tryb = (szybkie || p.rodzajPrzelaczania == 2) ? Tryb::PrzelaczanieSzybkie : Tryb::Przelaczanie;
    kanaly = 0;
    czasPrzelaczania = 0;
}

int TPaliwo::WszystkieKanaly(const TProgiPaliwa& p) const {
    return ((1 << liczbaKanalow) - 1) & ~p.naBenzynie;
}

void TPaliwo::Przelaczaj(double dt, const TProgiPaliwa& p) {
    powody = 0;
    const int wszystkie = WszystkieKanaly(p);
    if (tryb == Tryb::PrzelaczanieSzybkie) {
        kanaly = wszystkie;
    } else {
        czasPrzelaczania += dt;
        // One channel per delay in sequence; odd then even channels in two groups.
        const int kroki =
            p.naCylinder > 0 ? static_cast<int>(czasPrzelaczania / p.naCylinder) : liczbaKanalow;
        int maska = 0;
        for (int c = 0; c < liczbaKanalow; ++c) {
            const int krok = p.rodzajPrzelaczania == 1 ? (c % 2) : c;
            if (krok < kroki) maska |= 1 << c;
        }
        kanaly = maska & wszystkie;
        if (p.rodzajPrzelaczania == 1 ? kroki < 2 : kroki < liczbaKanalow) return;
    }
    tryb = Tryb::Gaz;
    Zglos(reczne ? Powod::RecznieGaz : Powod::AutomatycznieGaz);
    reczne = szybkie = false;
}

void TPaliwo::PilnujGazu(double dt, const TStanSilnika& silnik, double cisnienie,
                         const TProgiPaliwa& p) {
    kanaly = WszystkieKanaly(p);
    if (silnik.obroty < p.obrotyMin) {
        NaBenzyne(Powod::UtrataObrotow);
        return;
    }
    const bool niskie = cisnienie < p.cisnienieMin;
    if (tryb == Tryb::Gaz && niskie) {
        tryb = Tryb::Mix;
        czasNiskiego = 0;
        Zglos(Powod::MixCisnienie);
    } else if (tryb == Tryb::Mix) {
        czasNiskiego = niskie ? czasNiskiego + dt : 0;
        if (!niskie)
            tryb = Tryb::Gaz;
        else if (czasNiskiego > p.czasBleduCisnienia)
            NaBenzyne(Powod::BrakCisnienia);
    }
}

void TPaliwo::NaBenzyne(std::uint8_t powod) {
    tryb = Tryb::Benzyna;
    kanaly = 0;
    zawory = false;
    czasWarunkow = czasZaworu = 0;
    Zglos(powod);
}

void TPaliwo::Przelacz(bool szybko) {
    // The button toggles between petrol and the gas side (waiting, switching, gas, mix).
    if (tryb == Tryb::Benzyna) {
        chceGaz = true;
        reczne = true;
        szybkie = szybko;
        return;
    }
    chceGaz = false;
    NaBenzyne(Powod::RecznieBenzyna);
}

void TPaliwo::Restart() {
    tryb = Tryb::Benzyna;
    kanaly = 0;
    zawory = false;
    chceGaz = true;
    reczne = szybkie = false;
    powody = 0;
    czasWarunkow = czasZaworu = 0;
}

void TPaliwo::Zglos(std::uint8_t powod) {
    if (PoZmianie) PoZmianie(powod);
}
