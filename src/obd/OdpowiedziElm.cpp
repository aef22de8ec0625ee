#include "OdpowiedziElm.h"

#include "ElmTekst.h"
#include "Protokoly.h"

#include <algorithm>

namespace {

// Answer lines shorter than this hold no whole "0100" answer.
constexpr qsizetype NajkrotszaLinia = 20;
// PIDs 06 and 07 in the first byte of the PID 00 bitmap.
constexpr std::uint32_t BityTrymow = 0x06;

bool KoniecLinii(char znak) {
    return znak == '\r' || znak == '\n';
}

// The first line, whether lines end in CR, LF or both; line ends before it are skipped.
QByteArray PierwszaLinia(const QByteArray& tekst) {
    const auto poczatek = std::find_if_not(tekst.begin(), tekst.end(), KoniecLinii);
    return QByteArray(poczatek, std::find_if(poczatek, tekst.end(), KoniecLinii) - poczatek);
}

// The view from position od on; empty when the text is shorter.
QByteArrayView Od(QByteArrayView tekst, qsizetype od) {
    return od < tekst.size() ? tekst.sliced(od) : QByteArrayView();
}

struct TLiniaEcu {
    std::uint32_t adres = 0;
    std::uint32_t a = 0; // first byte of the bitmap
};

// Reads the answer at the start of the copy; nullopt ends the search.
std::optional<TLiniaEcu> LiniaEcu(QByteArray& kopia, TStylNaglowka styl) {
    static constexpr QByteArrayView Odpowiedz0100 = " 41 00 ";
    static constexpr QByteArrayView Odpowiedz0100Can = " 06 41 00 ";
    switch (styl) {
    case TStylNaglowka::J1850Iso:
    case TStylNaglowka::Kwp: {
        const bool naglowek = styl == TStylNaglowka::J1850Iso ? Analizuj(kopia, "6B") == 4
                                                              : Analizuj(kopia, "86 F1 ") == 1;
        if (!naglowek) return std::nullopt;
        kopia.remove(0, 6);
        if (Analizuj(kopia, Odpowiedz0100) != 3) return std::nullopt;
        return TLiniaEcu{TekstNaInt(kopia, 1), TekstNaInt(Od(kopia, 9), 1)};
    }
    case TStylNaglowka::Can11:
    case TStylNaglowka::Can29: {
        const int p = Analizuj(kopia, Odpowiedz0100Can);
        if (p == 0) return std::nullopt;
        const QByteArrayView a = Od(kopia, p - 1 + Odpowiedz0100Can.size());
        const qsizetype poczatekAdresu = styl == TStylNaglowka::Can11 ? 0 : 9;
        return TLiniaEcu{TekstNaInt(Od(kopia, poczatekAdresu), 1), TekstNaInt(a, 1)};
    }
    case TStylNaglowka::Brak:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> TekstAdaptera(const QByteArray& odpowiedz) {
    const int p = Analizuj(odpowiedz, "ELM");
    if (p == 0) return std::nullopt;
    return PierwszaLinia(odpowiedz.mid(p - 1));
}

std::optional<QByteArray> TekstNapiecia(const QByteArray& odpowiedz) {
    QByteArray tekst = odpowiedz;
    if (Analizuj(tekst, "ATRV") != 0) tekst.remove(0, 5);
    if (tekst.contains('?')) return std::nullopt;
    return PierwszaLinia(tekst);
}

int NumerProtokolu(const QByteArray& odpowiedz) {
    QByteArray tekst = odpowiedz;
    if (Analizuj(tekst, "ATDPN") != 0) tekst.remove(0, 6);
    tekst = PierwszaLinia(tekst);
    if (tekst.size() > 1 && tekst.startsWith('A')) tekst.remove(0, 1);
    bool liczba = false;
    const int numer = tekst.toInt(&liczba, 10);
    return liczba ? numer : 0;
}

TEcu SzukajEcu(const QByteArray& odpowiedz, int protokol) {
    const TStylNaglowka styl = StylNaglowka(protokol);
    TEcu wynik;
    QByteArray kopia = odpowiedz;
    while (kopia.size() >= NajkrotszaLinia) {
        const std::optional<TLiniaEcu> linia = LiniaEcu(kopia, styl);
        if (!linia) break;
        wynik.lista += Hex(linia->adres, 2) + "h ";
        if (wynik.ile == 0 || (linia->a & BityTrymow) != 0)
            wynik.ecu = static_cast<int>(linia->adres);
        ++wynik.ile;
        const qsizetype cr = kopia.indexOf('\r');
        if (cr < 0) break;
        kopia.remove(0, cr + 1);
        if (kopia.startsWith('\n')) kopia.remove(0, 1); // CR LF line ends
    }
    return wynik;
}

std::optional<std::uint32_t> SlowoStatusu(const QByteArray& odpowiedz) {
    QByteArray tekst = odpowiedz;
    if (Analizuj(tekst, "0101") != 0) tekst.remove(0, 5);
    const int p = Analizuj(tekst, "41 01");
    if (p == 0) return std::nullopt;
    tekst.remove(0, p - 1 + 6); // through the space after "41 01"
    return TekstNaInt(tekst, 4);
}
