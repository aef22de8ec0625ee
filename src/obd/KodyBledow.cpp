#include "KodyBledow.h"

#include "ElmTekst.h"
#include "Protokoly.h"

namespace {

constexpr qsizetype ZnakowNaKod = 6; // "C1 55 "
constexpr int KodowWMessage = 3;     // ISO: six data bytes, 00 00 in empty places
constexpr int BajtowWRamceKolejnej = 7;

QByteArray Naglowek29(int ecu) {
    return "18 DA F1 " + Hex(static_cast<std::uint32_t>(ecu), 2);
}

// The number of codes from the start of a CAN reply, consuming what precedes the codes.
// 0 with pierwsza false and ok false: not a reply this reader knows.
struct TLiczba {
    bool ok = false;
    bool pierwsza = false; // a first frame: consecutive frames follow
    int n = 0;
};

TLiczba LiczbaKodowCan(QByteArray& tekst, const QByteArray& r2) {
    for (int n = 0; n <= 2; ++n) {
        const QByteArray sf =
            "0" + QByteArray::number(2 + 2 * n) + " " + r2 + " 0" + QByteArray::number(n);
        if (tekst.startsWith(sf)) {
            tekst.remove(0, 9);
            return {true, false, n};
        }
    }
    if (tekst.startsWith("10") && tekst.mid(6, 2) == r2) {
        const int n = static_cast<int>(TekstNaInt(QByteArrayView(tekst).sliced(9), 1));
        tekst.remove(0, 12);
        return {true, true, n};
    }
    return {};
}

// Joins consecutive frame k (0-based) to the data: its CR, header and sequence byte go.
void DolaczRamke(QByteArray& tekst, int protokol, int ecu, int k, const TLogKodow& log) {
    const QByteArray p = Hex(static_cast<std::uint32_t>(ecu), 2) + " 2" + QByteArray::number(k + 1);
    const bool can29 = StylNaglowka(protokol) == TStylNaglowka::Can29;
    // On 29-bit CAN "10 21" is also a pair of data bytes; only a frame header counts.
    const QByteArray szukany = can29 ? "18 DA F1 " + p : p;
    const qsizetype naglowek = tekst.indexOf(szukany);
    const qsizetype pozycja = naglowek < 0 ? -1 : naglowek + szukany.size() - p.size();
    if (log) {
        log(QString::fromLatin1(p), true);
        log(QString::number(pozycja + 1), true);
    }
    if (pozycja < 0) return;
    const qsizetype od = std::max<qsizetype>(0, naglowek - 1); // the CR ending the last frame
    const qsizetype ile = pozycja + p.size() + 1 - od;
    tekst.remove(od, ile);
    // Lines without a trailing space would otherwise run two bytes together.
    if (od > 0 && od < tekst.size() && tekst[od - 1] != ' ') tekst.insert(od, ' ');
}

} // namespace

QString NaglowekKodow(unsigned char odpowiedz) {
    switch (odpowiedz) {
    case OdpowiedzZapisane:
        return QStringLiteral("Stored Trouble Codes  /  Błędy zarejestrowane :");
    case OdpowiedzOczekujace:
        return QStringLiteral("Pending Trouble Codes  /  Błędy oczekujące :");
    case OdpowiedzPermanentne:
        return QStringLiteral("Permanent Trouble Codes  /  Błędy permanentne :");
    default:
        return {};
    }
}

bool SzukajEcuMode(QByteArray& tekst, int protokol, int ecu, unsigned char odpowiedz) {
    const auto adres = static_cast<std::uint32_t>(ecu);
    const QByteArray r2 = Hex(odpowiedz, 2);
    const TStylNaglowka styl = StylNaglowka(protokol);
    QByteArray wzor;
    switch (styl) {
    case TStylNaglowka::J1850Iso:
        wzor = "6B " + Hex(adres, 2) + " " + r2;
        break;
    case TStylNaglowka::Kwp:
        wzor = "F1 " + Hex(adres, 2) + " " + r2;
        break;
    case TStylNaglowka::Can11:
        wzor = Hex(adres, 3);
        break;
    case TStylNaglowka::Can29:
        wzor = Naglowek29(ecu);
        break;
    case TStylNaglowka::Brak:
        return false;
    }
    const int p = Analizuj(tekst, wzor);
    if (p == 0) return false;
    tekst.remove(0, p - 1 + wzor.size() + 1);
    if (styl == TStylNaglowka::J1850Iso || styl == TStylNaglowka::Kwp) return true;
    const int r = Analizuj(tekst, r2);
    return r == 4 || r == 7; // "04 43 ..." single frame, "10 08 43 ..." first frame
}

QString KodNaTekst(std::uint32_t kod) {
    static constexpr char Litery[] = {'P', 'C', 'B', 'U'};
    return QChar::fromLatin1(Litery[(kod >> 14) & 3]) + QString::fromLatin1(Hex(kod & 0x3FFF, 4));
}

TKodyEcu KodyIso(QByteArray tekst, int protokol, int ecu, unsigned char odpowiedz) {
    TKodyEcu wynik;
    while (SzukajEcuMode(tekst, protokol, ecu, odpowiedz)) {
        wynik.jest = true;
        for (int i = 0; i < KodowWMessage; ++i) {
            const std::uint32_t kod = TekstNaInt(tekst, 2);
            if (kod == 0) break;
            wynik.kody.append(kod);
            tekst.remove(0, ZnakowNaKod);
            if (tekst.size() < ZnakowNaKod) break;
        }
        if (tekst.size() < 7) break; // no room left for another message
    }
    return wynik;
}

TKodyEcu KodyCan(QByteArray tekst, int protokol, int ecu, unsigned char odpowiedz,
                 const TLogKodow& log) {
    TKodyEcu wynik;
    if (!SzukajEcuMode(tekst, protokol, ecu, odpowiedz)) return wynik;
    wynik.jest = true;
    const TLiczba liczba = LiczbaKodowCan(tekst, Hex(odpowiedz, 2));
    if (!liczba.ok || (liczba.pierwsza && liczba.n == 0)) return wynik;
    const int n = liczba.n;
    if (liczba.pierwsza) {
        // The first frame holds two codes, each consecutive frame seven bytes.
        for (int k = 0; (n - 2) * 2 > BajtowWRamceKolejnej * k; ++k)
            DolaczRamke(tekst, protokol, ecu, k, log);
    }
    if (log) {
        log(QString::number(n), false);
        log(TekstDoLogu(tekst), false);
    }
    for (int i = 0; i < n; ++i) {
        const std::uint32_t kod = TekstNaInt(tekst, 2);
        if (kod == 0) break;
        wynik.kody.append(kod);
        tekst.remove(0, ZnakowNaKod);
    }
    return wynik;
}
