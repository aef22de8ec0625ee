#include "ZgodnoscOdczytow.h"

#include <iterator>

namespace ZgodnoscOdczytow {
namespace {

// Live-frame side message at frame bytes 6..9.
constexpr int Komunikat = 6;
constexpr unsigned char KomorkaMapy = 0x00;
constexpr unsigned char AdaptacjaBank1 = 0xF3; // identity bytes 66, 67
constexpr unsigned char AdaptacjaBank2 = 0xF4; // identity bytes 68, 69
// The live frame's map selector 0..5 as block bits: petrol, OBD petrol 1 and 2, gas, OBD
// gas 1 and 2.
constexpr int BitMapy[6] = {16, 20, 22, 17, 21, 23};

// Identity frame positions.
constexpr int Suma = 1;
constexpr int Wolny = 4; // frame byte 4 of a reply is not interpreted
constexpr int PoczatekAdaptacji = 66;
constexpr int KoniecAdaptacji = 70;
constexpr int LicznikBenzyny = 70; // seconds within the hour (u16), then hours (u16)
constexpr int LicznikGazu = 74;
constexpr int KoniecLicznikow = 78;
constexpr int SekundGodziny = 3600;
// Counters move with the controller's clock; the replies' travel adds to the time between.
constexpr qint64 ZapasMs = 2000;

int U16(const QByteArray& b, int i) {
    return quint8(b[i]) | (quint8(b[i + 1]) << 8);
}

// A counter in seconds; -1 when its seconds within the hour are out of range.
qint64 Sekundy(const QByteArray& b, int pozycja) {
    const int wGodzinie = U16(b, pozycja);
    if (wGodzinie >= SekundGodziny) return -1;
    return qint64(U16(b, pozycja + 2)) * SekundGodziny + wGodzinie;
}

// Both counters went forward, together no more than the time between the reads.
bool LicznikiZgodne(const QByteArray& a, const QByteArray& b, qint64 ms) {
    qint64 przyrost = 0;
    for (int pozycja : {LicznikBenzyny, LicznikGazu}) {
        const qint64 przed = Sekundy(a, pozycja), po = Sekundy(b, pozycja);
        if (przed < 0 || po < przed) return false;
        przyrost += po - przed;
    }
    return przyrost * 1000 <= ms + ZapasMs;
}

bool Licznik(int pozycja) {
    return pozycja >= LicznikBenzyny && pozycja < KoniecLicznikow;
}

bool Zgloszeniowa(int klucz, int pozycja) {
    if (klucz != Identyfikacja) return true;
    return pozycja >= PoczatekAdaptacji && pozycja < KoniecAdaptacji;
}

} // namespace

QList<TZgloszenie> ZgloszeniaRamki(const unsigned char* r, int numer) {
    const unsigned char kod = r[Komunikat];
    if (kod == KomorkaMapy) {
        // A value of 0 is no update; selectors past 5 name no map.
        if (r[9] == 0 || r[7] >= std::size(BitMapy)) return {};
        return {{BitMapy[r[7]], r[8], r[9], numer}};
    }
    if (kod == AdaptacjaBank1 || kod == AdaptacjaBank2) {
        const int pozycja = kod == AdaptacjaBank1 ? PoczatekAdaptacji : PoczatekAdaptacji + 2;
        return {{Identyfikacja, pozycja, r[7], numer}, {Identyfikacja, pozycja + 1, r[8], numer}};
    }
    return {};
}

bool Zgloszona(const QList<TZgloszenie>& zgloszenia, int klucz, int pozycja, unsigned char wartosc,
               int od) {
    for (const TZgloszenie& z : zgloszenia)
        if (z.numer > od && z.klucz == klucz && z.pozycja == pozycja && z.wartosc == wartosc)
            return true;
    return false;
}

bool Zgodne(int klucz, const TOdczyt& a, const TOdczyt& b, const QList<TZgloszenie>& zgloszenia) {
    if (a.bajty.size() != b.bajty.size()) return false;
    const bool identyfikacja = klucz == Identyfikacja;
    const bool liczniki = identyfikacja && b.bajty.size() >= KoniecLicznikow;
    if (liczniki && !LicznikiZgodne(a.bajty, b.bajty, b.ms - a.ms)) return false;
    for (int i = 0; i < b.bajty.size(); ++i) {
        if (a.bajty[i] == b.bajty[i]) continue;
        if (identyfikacja && (i == Suma || i == Wolny)) continue;
        if (liczniki && Licznik(i)) continue;
        if (!Zgloszeniowa(klucz, i) ||
            !Zgloszona(zgloszenia, klucz, i, quint8(b.bajty[i]), a.numer))
            return false;
    }
    return true;
}

} // namespace ZgodnoscOdczytow
