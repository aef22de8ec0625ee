#include "PropozycjaMnoznika.h"

#include "Bloki.h"
#include "KrzywaMnoznika.h"
#include "TSterownik.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The top row's cells beyond the ninth RPM point are not collected.
bool Pominieta(int r, int l) {
    return l == 15 && r > 8;
}

// A break point's value shapes the curve from its left neighbour to its right one, fading
// linearly to nothing at both, as the interpolation between break points does. So the cells
// are weighted by that same hat: 1 at the break point, 0 at and beyond its neighbours.
double Waga(int p, int lewa, int pozycja, int prawa) {
    if (p == pozycja) return 1;
    if (p < pozycja) return p > lewa ? double(p - lewa) / (pozycja - lewa) : 0;
    return p < prawa ? double(prawa - p) / (prawa - pozycja) : 0;
}

struct TUstawiony {
    int k, pozycja;
};

// The set break points within the axis, ordered by position.
std::vector<TUstawiony> Ustawione(const unsigned char* punkty, int M) {
    std::vector<TUstawiony> u;
    for (int k = 0; k < PunktowMnoznika; ++k)
        if ((k == 0 || punkty[k] != 0) && punkty[k] <= M) u.push_back({k, punkty[k]});
    std::stable_sort(u.begin(), u.end(),
                     [](TUstawiony a, TUstawiony b) { return a.pozycja < b.pozycja; });
    return u;
}

const unsigned char* PunktyBanku(const TSterownik& s, int bank) {
    return s.Nastawy + (bank == 2 ? PunktyMnoznika2 : PunktyMnoznika1);
}

const unsigned char* KrzywaBanku(const TSterownik& s, int bank) {
    return bank == 2 ? s.Mnoznik2 : s.Mnoznik1;
}

constexpr int OsMnoznika = 200; // the curve's last position, 20.0 ms

} // namespace

std::vector<TKomorkaOdchylki> KomorkiOdchylki(const unsigned char* ben, const unsigned char* gaz,
                                              int M) {
    std::vector<TKomorkaOdchylki> komorki;
    for (int r = 0; r <= 12; ++r)
        for (int l = 0; l < 16; ++l) {
            const int p = ben[16 * r + l], g = gaz[16 * r + l];
            if (p == 0 || g == 0 || Pominieta(r, l) || p > 0.9 * M || g > 0.9 * M) continue;
            komorki.push_back({p, g});
        }
    return komorki;
}

// A local mean of the relative deviation rather than a fit of the deviation itself: a wrong
// multiplier puts the gas off by a share of the time, and a mean of shares needs no cells on
// both sides of the break point, where a local line would run away at the axis ends.
TOszacowanie OszacujOdchylke(const std::vector<TKomorkaOdchylki>& komorki, int lewa, int pozycja,
                             int prawa) {
    TOszacowanie o;
    double wagi = 0, suma = 0;
    for (const TKomorkaOdchylki& c : komorki) {
        const double w = Waga(c.benzyna, lewa, pozycja, prawa);
        if (w <= 0) continue;
        ++o.komorek;
        wagi += w;
        suma += w * (c.benzyna - c.gaz) / c.benzyna;
    }
    if (wagi > 0) o.odchylka = suma / wagi;
    return o;
}

int OgraniczWartosc(int stara, double proponowana, int min, int max) {
    // In whole units, so that 15 % of 100 is exactly 85..115.
    const int dol = (stara * (100 - NajwiekszaZmianaProcent) + 99) / 100;
    const int gora = stara * (100 + NajwiekszaZmianaProcent) / 100;
    const int v = std::clamp(int(std::lround(proponowana)), dol, gora);
    return std::clamp(v, min, max);
}

bool TPropozycja::Zmienia() const {
    return Zmienionych() > 0;
}

int TPropozycja::Zmienionych() const {
    return int(std::count_if(punkty.begin(), punkty.end(),
                             [](const TPunktPropozycji& p) { return p.nowa != p.stara; }));
}

double TPropozycja::NajwiekszaZmiana() const {
    double najwieksza = 0;
    for (const TPunktPropozycji& p : punkty)
        najwieksza = std::max(najwieksza, std::abs(p.Procent()));
    return najwieksza;
}

TPropozycja ZaproponujMnoznik(const TDanePropozycji& d, int bank) {
    TPropozycja wynik;
    wynik.bank = bank;
    const std::vector<TKomorkaOdchylki> komorki = KomorkiOdchylki(d.mapaBenzyny, d.mapaGazu, d.M);
    const std::vector<TUstawiony> u = Ustawione(d.punkty, d.M);
    for (size_t i = 0; i < u.size(); ++i) {
        const int lewa = i > 0 ? u[i - 1].pozycja : u[i].pozycja;
        const int prawa = i + 1 < u.size() ? u[i + 1].pozycja : u[i].pozycja;
        const TOszacowanie o = OszacujOdchylke(komorki, lewa, u[i].pozycja, prawa);
        TPunktPropozycji p;
        p.k = u[i].k;
        p.pozycja = u[i].pozycja;
        p.stara = p.nowa = d.krzywa[p.pozycja];
        p.komorek = o.komorek;
        p.odchylka = o.odchylka;
        p.zaMaloKomorek = o.komorek < NajmniejKomorek;
        if (!p.zaMaloKomorek) {
            // m' = m (x - d(x)) / x, with d(x) = odchylka x.
            const double proponowana = p.stara * (1 - o.odchylka);
            p.nowa = OgraniczWartosc(p.stara, proponowana, d.min, d.max);
            p.ograniczona = p.nowa != int(std::lround(proponowana));
        }
        wynik.punkty.push_back(p);
    }
    return wynik;
}

int DolnaMnoznika(const TSterownik& s) {
    return s.Nastawy[80] & 1 ? 1 : 50;
}

int GornaMnoznika(const TSterownik& s) {
    return s.Nastawy[80] & 1 ? 250 : 150;
}

TPropozycja ZaproponujMnoznik(const TSterownik& s, int bank) {
    const TDanePropozycji d{PunktyBanku(s, bank), KrzywaBanku(s, bank), s.MapaEcuBen,
                            s.MapaEcuGaz,         OsMnoznika,           DolnaMnoznika(s),
                            GornaMnoznika(s)};
    return ZaproponujMnoznik(d, bank);
}

bool PropozycjaAktualna(const TSterownik& s, const TPropozycja& p) {
    const std::vector<TUstawiony> u = Ustawione(PunktyBanku(s, p.bank), OsMnoznika);
    if (u.size() != p.punkty.size()) return false;
    const unsigned char* krzywa = KrzywaBanku(s, p.bank);
    for (size_t i = 0; i < u.size(); ++i)
        if (u[i].k != p.punkty[i].k || u[i].pozycja != p.punkty[i].pozycja ||
            krzywa[u[i].pozycja] != p.punkty[i].stara)
            return false;
    return true;
}

void ZastosujPropozycje(TSterownik& s, const TPropozycja& p, bool kopiaDoDrugiego) {
    unsigned char* krzywa = p.bank == 2 ? s.Mnoznik2 : s.Mnoznik1;
    for (const TPunktPropozycji& punkt : p.punkty)
        krzywa[punkt.pozycja] = static_cast<unsigned char>(punkt.nowa);
    InterpolujMnoznik(krzywa, PunktyBanku(s, p.bank), DolnaMnoznika(s), GornaMnoznika(s));
    s.ZapiszDoSterownika(p.bank == 2 ? Bloki::Mnoznik2 : Bloki::Mnoznik1);
    if (!kopiaDoDrugiego || p.bank != 1) return;
    std::memcpy(s.Mnoznik2, s.Mnoznik1, sizeof s.Mnoznik1);
    std::memcpy(s.Nastawy + PunktyMnoznika2, s.Nastawy + PunktyMnoznika1, PunktowMnoznika);
    s.ZapiszDoSterownika(Bloki::Nastawy | Bloki::Mnoznik1 | Bloki::Mnoznik2);
}
