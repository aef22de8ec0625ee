// The live frame: where each value of the model sits and in which unit.
#include "Model.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// Frame position p lies at payload index p - 4.
constexpr std::size_t L(std::size_t pozycja) {
    return pozycja - 4;
}

unsigned Jednostki(double wartosc, double jednostka) {
    return static_cast<unsigned>(std::clamp(std::lround(wartosc / jednostka), 0L, 65535L));
}

std::uint8_t Temperatura(double stopnie) {
    return DoBajtu(std::lround(stopnie) + 128);
}

} // namespace

TBajty TModel::RamkaBiezaca(std::uint8_t nonce, double teraz) {
    TBajty b(DlugoscLadunku, 0);
    b[0] = nonce;
    const TKomunikat k = komunikaty.Nastepny(
        pamiec, paliwo.TrybPracy() == Tryb::Oczekiwanie ? paliwo.PowodyCzekania() : 0);
    std::copy(k.begin(), k.end(), b.begin() + L(6));
    b[L(10)] = static_cast<std::uint8_t>(silnik.Stan().zaplon ? paliwo.TrybPracy() : Tryb::Benzyna);
    b[L(11)] = static_cast<std::uint8_t>(Flagi(teraz));
    b[L(12)] =
        static_cast<std::uint8_t>(paliwo.KanalyNaGazie()); // channels on gas, kept for the views
    Wartosci(b);
    return b;
}

// Bit 0 ignition, bit 1 turning, bit 2 OBD module receives current OBD values, bit 3 active
// errors, bit 4 stored errors.
int TModel::Flagi(double teraz) const {
    const TStanSilnika& s = silnik.Stan();
    int f = 0;
    if (s.zaplon) f |= 0x01;
    if (s.obraca) f |= 0x02;
    if (modul && modul->Trymy(teraz)) f |= 0x04;
    if (bledy.SaAktywne()) f |= 0x08;
    if (bledy.SaZapisane()) f |= 0x10;
    return f;
}

// MODE lamp: red on petrol, green on gas, blinking green while waiting or switching, both
// in mix.
int TModel::LampaTrybu() const {
    switch (paliwo.TrybPracy()) {
    case Tryb::Gaz:
        return 0x02;
    case Tryb::Mix:
        return 0x03;
    case Tryb::Benzyna:
        return 0x01;
    default:
        return std::fmod(czas, 1.0) < 0.5 ? 0x02 : 0x00;
    }
}

void TModel::Wartosci(TBajty& b) const {
    const TStanSilnika& s = silnik.Stan();
    const TCzasyWtrysku czasy = wtrysk.Czasy(s, paliwo);
    const TKomorka komorka = wtrysk.Komorka(s);
    const int typCzujnika = pamiec.Nastawa(40);
    const int poziom = uklad.NapiecieCzujnika(typCzujnika);
    const int progi[4] = {pamiec.Nastawa(41), pamiec.Nastawa(42), pamiec.Nastawa(43),
                          pamiec.Nastawa(44)};
    if (s.zaplon) {
        b[L(13)] = static_cast<std::uint8_t>(TUkladGazowy::Lampki(typCzujnika, poziom, progi));
        b[L(14)] = static_cast<std::uint8_t>(LampaTrybu());
    }
    b[L(15)] = static_cast<std::uint8_t>(komorka.r);
    b[L(16)] = static_cast<std::uint8_t>(komorka.l);
    WpiszU16(b, L(17), Jednostki(s.obroty, 10));
    Serwisowe(b, czasy);
    b[L(40)] = Temperatura(s.tReduktora);
    b[L(42)] = Temperatura(s.tGazu);
    WpiszU16(b, L(44), Jednostki(s.podcisnienie, 0.01));
    WpiszU16(b, L(46), Jednostki(s.podcisnienie + uklad.Cisnienie(), 0.01));
    WpiszU16(b, L(48), Jednostki(uklad.Cisnienie(), 0.01));
    b[L(50)] = DoBajtu(poziom);
    WpiszU16(b, L(52), Jednostki(s.napiecie, 0.005));
    WpiszU16(b, L(54), Jednostki(s.tSterownika + 273, 1));
    WpiszU16(b, L(56), Jednostki(s.lambda2, 0.005));
    // The wire of setting 4: 0 the RPM signal's level, 1 lambda, 2 a MAF meter, 3 a wide-band
    // AFR output (AFR = 3 U + 7.35).
    const double wejscie[4] = {s.obraca ? 7.5 : 0.0, s.lambda1, 1.0 + 3.5 * s.podcisnienie,
                               s.pracuje ? (14.7 - 7.35) / 3 : 0.0};
    WpiszU16(b, L(58), Jednostki(wejscie[std::min<int>(pamiec.Nastawa(4), 3)], 0.005));
    CzasyKanalow(b, czasy);
}

// Bytes 19..39: the operating point on the multiplier curve, the injector pattern, the
// enabled mask and the service values.
void TModel::Serwisowe(TBajty& b, const TCzasyWtrysku& czasy) const {
    const int n = tozsamosc.Opis().kanaly;
    double benzyna = 0, gaz = 0;
    for (int c = 0; c < n; ++c) {
        benzyna += czasy.benzyna[static_cast<std::size_t>(c)] / n;
        gaz += czasy.gaz[static_cast<std::size_t>(c)] / n;
    }
    b[L(19)] = DoBajtu(std::lround(benzyna * 10));
    b[L(20)] = DoBajtu(std::lround(gaz * 10));
    // Petrol injectors seen firing together: one (sequential), a pair, or all (full group).
    const int wszystkie = (1 << n) - 1;
    const int krok = static_cast<int>(czas * 20) % n;
    const int wzor[3] = {1 << krok, (1 << (krok % (n / 2))) | (1 << (krok % (n / 2) + n / 2)),
                         wszystkie};
    if (benzyna > 0)
        b[L(21)] = static_cast<std::uint8_t>(wzor[std::min<int>(pamiec.Nastawa(8), 2)]);
    b[L(22)] = wtrysk.Maska();
    b[L(29)] =
        static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(paliwo.KanalyNaGazie())));
    b[L(30)] = pamiec.Nastawa(94);
    b[L(31)] = DoBajtu(std::lround(uklad.Cisnienie() * 100));
    b[L(33)] = DoBajtu(std::lround(silnik.Stan().podcisnienie * 100));
    b[L(35)] = 128; // pressure and temperature correction factors, 128 = 1.0
    b[L(36)] = 128;
    b[L(37)] = DoBajtu(128 + std::lround((pamiec.Nastawa(90) - 128) * 0.8));
    b[L(38)] = DoBajtu(std::lround(benzyna * 10));
    b[L(39)] = DoBajtu(std::lround(gaz * 10));
}

void TModel::CzasyKanalow(TBajty& b, const TCzasyWtrysku& czasy) const {
    for (std::size_t c = 0; c < 8; ++c) {
        WpiszU16(b, L(60 + 4 * c), Jednostki(czasy.benzyna[c], 0.004));
        WpiszU16(b, L(62 + 4 * c), Jednostki(czasy.gaz[c], 0.004));
    }
}
