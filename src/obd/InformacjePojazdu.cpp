#include "InformacjePojazdu.h"

#include "ElmTekst.h"
#include "KodyBledow.h"
#include "Protokoly.h"

#include <algorithm>

namespace {

constexpr std::uint32_t Odpowiedz09 = 0x49;
constexpr qsizetype BajtyMapy = 4;
constexpr qsizetype BajtyKawalka = 4; // data bytes of one numbered K-line or J1850 message
constexpr qsizetype DlugoscKalibracji = 16;
constexpr qsizetype DlugoscCvn = 4;

bool NaCan(int protokol) {
    const TStylNaglowka styl = StylNaglowka(protokol);
    return styl == TStylNaglowka::Can11 || styl == TStylNaglowka::Can29;
}

// One message's part of an info type: its number (0 for a whole message) and its bytes.
struct TCzesc {
    std::uint32_t numer;
    QList<std::uint32_t> bajty;
};

struct TCzesciEcu {
    int ecu;
    QList<TCzesc> czesci;
};

TCzesc Czesc(const QList<std::uint32_t>& tresc, bool can, int typ) {
    // A bitmap is its last four bytes, after a message count off CAN.
    if (typ % 0x20 == 0) return {0, tresc.last(std::min(BajtyMapy, tresc.size()))};
    if (!can && tresc.size() == 1 + BajtyKawalka) return {tresc[0], tresc.mid(1)};
    return {0, tresc.mid(1)}; // the count of data items goes
}

QList<TCzesciEcu> Czesci(QByteArrayView odpowiedz, int protokol, int typ) {
    const bool can = NaCan(protokol);
    QList<TCzesciEcu> wynik;
    for (const TWiadomosc& w : WiadomosciEcu(odpowiedz, protokol)) {
        if (w.bajty.size() < 2 || w.bajty[0] != Odpowiedz09 ||
            w.bajty[1] != static_cast<std::uint32_t>(typ))
            continue;
        auto e = std::find_if(wynik.begin(), wynik.end(),
                              [&](const TCzesciEcu& c) { return c.ecu == w.ecu; });
        if (e == wynik.end()) e = wynik.insert(wynik.end(), TCzesciEcu{w.ecu, {}});
        e->czesci << Czesc(w.bajty.mid(2), can, typ);
    }
    return wynik;
}

QList<QList<std::uint32_t>> Kawalki(const QList<std::uint32_t>& bajty, qsizetype dlugosc) {
    QList<QList<std::uint32_t>> kawalki;
    for (qsizetype od = 0; od + dlugosc <= bajty.size(); od += dlugosc)
        kawalki << bajty.mid(od, dlugosc);
    return kawalki;
}

std::uint32_t Slowo(const QList<std::uint32_t>& bajty) {
    std::uint32_t v = 0;
    for (const std::uint32_t b : bajty)
        v = v << 8 | (b & 0xFF);
    return v;
}

void Zapisz(TInformacjeEcu& e, int typ, const QList<std::uint32_t>& bajty) {
    switch (typ) {
    case InfoMapa:
        e.mapa = Slowo(bajty);
        break;
    case InfoVin:
        e.vin = TekstAscii(bajty);
        break;
    case InfoKalibracje:
        e.kalibracje.clear();
        for (const auto& k : Kawalki(bajty, DlugoscKalibracji))
            e.kalibracje << TekstAscii(k);
        break;
    case InfoCvn:
        e.cvn.clear();
        for (const auto& k : Kawalki(bajty, DlugoscCvn))
            e.cvn << QString::fromLatin1(Hex(Slowo(k), 8));
        break;
    case InfoNazwaEcu:
        e.nazwa = TekstAscii(bajty);
        break;
    default:
        break;
    }
}

} // namespace

QList<TDaneInformacji> DaneInformacji(QByteArrayView odpowiedz, int protokol, int typ) {
    QList<TDaneInformacji> wynik;
    for (TCzesciEcu& e : Czesci(odpowiedz, protokol, typ)) {
        // Numbered messages in their order, whatever order they came in.
        std::stable_sort(e.czesci.begin(), e.czesci.end(),
                         [](const TCzesc& a, const TCzesc& b) { return a.numer < b.numer; });
        TDaneInformacji d{e.ecu, {}};
        for (const TCzesc& c : e.czesci)
            d.bajty += c.bajty;
        wynik << d;
    }
    return wynik;
}

void DodajInformacje(QList<TInformacjeEcu>& lista, QByteArrayView odpowiedz, int protokol,
                     int typ) {
    for (const TDaneInformacji& d : DaneInformacji(odpowiedz, protokol, typ)) {
        auto e = std::find_if(lista.begin(), lista.end(),
                              [&](const TInformacjeEcu& i) { return i.ecu == d.ecu; });
        if (e == lista.end())
            e = lista.insert(lista.end(), TInformacjeEcu{d.ecu, 0, {}, {}, {}, {}});
        Zapisz(*e, typ, d.bajty);
    }
}

QString TekstAscii(const QList<std::uint32_t>& bajty) {
    QString tekst;
    for (const std::uint32_t b : bajty) {
        if (b == 0) continue;
        tekst += b >= 0x20 && b < 0x7F ? QChar(char16_t(b)) : QChar(u'?');
    }
    return tekst;
}
