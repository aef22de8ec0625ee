#include "Cofanie.h"

#include "Bloki.h"
#include "TSterownik.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int BitObd = 24;

bool Cofalny(int bit) {
    return bit >= 0 && bit <= BitObd && (TCofanie::Cofalne & (1 << bit));
}

// Byte 0 of both settings blocks is their checksum, made afresh by every write.
int PierwszyBajt(int bit) {
    return bit == 0 || bit == BitObd ? 1 : 0;
}

} // namespace

TCofanie::TCofanie(TSterownik& sterownik) : s(sterownik) {}

int TCofanie::Rozmiar(int bit) {
    return bit == BitObd ? int(sizeof s.NastawyObd) : 256;
}

unsigned char* TCofanie::Blok(int bit) {
    return bit == BitObd ? s.NastawyObd : s.DaneBloku(bit);
}

void TCofanie::PoczatekDzialania() {
    if (trwa) return;
    trwa = true;
    biezacy = nastepnyId++;
}

void TCofanie::KoniecDzialania() {
    trwa = false;
}

void TCofanie::NowePolaczenie() {
    // Another connection may be another controller: nothing of the last one applies.
    znany.reset();
    wlascicielZapisu.fill(0);
    wlascicielOdczytu.fill(0);
    kroki.clear();
    ponowienia.clear();
    biezacy = 0;
}

void TCofanie::Wyslany(int bit, const unsigned char* dane) {
    if (!Cofalny(bit)) return;
    std::memcpy(wyslane[size_t(bit)].data(), dane, size_t(Rozmiar(bit)));
    wlascicielZapisu[size_t(bit)] = biezacy;
}

void TCofanie::Potwierdzony(int bit) {
    if (!Cofalny(bit)) return;
    Zapisz(wlascicielZapisu[size_t(bit)], bit, wyslane[size_t(bit)].data());
    wlascicielZapisu[size_t(bit)] = 0;
}

void TCofanie::Odczytany(int bit, const unsigned char* dane) {
    if (!Cofalny(bit)) return;
    Zapisz(wlascicielOdczytu[size_t(bit)], bit, dane);
    wlascicielOdczytu[size_t(bit)] = 0;
}

void TCofanie::KomorkaOdSterownika(int bit, int bajt, unsigned char wartosc) {
    if (Cofalny(bit) && bajt >= 0 && bajt < Rozmiar(bit))
        znane[size_t(bit)][size_t(bajt)] = wartosc;
}

void TCofanie::OdczytyDzialania(int maska) {
    for (int bit = 0; bit <= BitObd; ++bit)
        if (maska & (1 << bit)) wlascicielOdczytu[size_t(bit)] = biezacy;
}

// A step gets its place with its first change; a new change of the controller makes the
// undone steps void. Steps stay in the order their actions began.
TCofanie::TKrok* TCofanie::NowyKrok(int id) {
    ponowienia.clear();
    auto miejsce = std::upper_bound(kroki.begin(), kroki.end(), id,
                                    [](int i, const TKrok& k) { return i < k.id; });
    miejsce = kroki.insert(miejsce, TKrok{id, {}});
    if (int(kroki.size()) <= MaksKrokow) return &*miejsce;
    kroki.pop_front();
    return Krok(id);
}

TCofanie::TKrok* TCofanie::Krok(int id) {
    for (auto k = kroki.rbegin(); k != kroki.rend(); ++k)
        if (k->id == id) return &*k;
    return nullptr;
}

// The controller now holds `nowe`; what differs from what it held goes to the owner's step.
void TCofanie::Zapisz(int wlasciciel, int bit, const unsigned char* nowe) {
    TBlok& z = znane[size_t(bit)];
    const bool byl = znany.test(size_t(bit));
    znany.set(size_t(bit));
    std::vector<TZmiana> zmiany;
    for (int i = PierwszyBajt(bit); byl && i < Rozmiar(bit); ++i)
        if (z[size_t(i)] != nowe[i]) zmiany.push_back({bit, i, z[size_t(i)], nowe[i]});
    std::memcpy(z.data(), nowe, size_t(Rozmiar(bit)));
    if (zmiany.empty() || wlasciciel == 0) return;
    TKrok* krok = Krok(wlasciciel);
    if (!krok) krok = NowyKrok(wlasciciel);
    if (!krok) return; // older than every step kept
    for (const TZmiana& n : zmiany) {
        auto it = std::lower_bound(krok->zmiany.begin(), krok->zmiany.end(), n,
                                   [](const TZmiana& a, const TZmiana& b) {
                                       return a.bit != b.bit ? a.bit < b.bit : a.bajt < b.bajt;
                                   });
        // A byte changed twice in one step keeps its first old value.
        if (it != krok->zmiany.end() && it->bit == n.bit && it->bajt == n.bajt)
            it->nowa = n.nowa;
        else
            krok->zmiany.insert(it, n);
    }
}

bool TCofanie::Gotowy() const {
    const int wToku = s.DoZapisu | s.BezPotwierdzenia | s.DoOdczytu;
    return s.PortConnected() && s.BezOdpowiedzi <= 10 && (wToku & Cofalne) == 0 && !s.Fabryczne;
}

void TCofanie::Przywroc(const TKrok& krok, bool wstecz) {
    int maska = 0;
    for (const TZmiana& z : krok.zmiany) {
        Blok(z.bit)[z.bajt] = wstecz ? z.stara : z.nowa;
        maska |= 1 << z.bit;
    }
    // Undo and redo are nobody's step: their writes only update what the controller holds.
    biezacy = 0;
    s.DoZapisu |= maska;
}

// The step at the back of one list goes to the back of the other, its bytes written.
bool TCofanie::Przenies(std::deque<TKrok>& z, std::deque<TKrok>& na, bool wstecz) {
    if (z.empty() || !Gotowy()) return false;
    na.push_back(std::move(z.back()));
    z.pop_back();
    Przywroc(na.back(), wstecz);
    return true;
}

bool TCofanie::Cofnij() {
    return Przenies(kroki, ponowienia, true);
}

bool TCofanie::Ponow() {
    return Przenies(ponowienia, kroki, false);
}
