#include "KodyBledow.h"

#include "ElmTekst.h"
#include "Protokoly.h"

#include <QByteArrayList>

#include <algorithm>
#include <optional>

namespace {

constexpr int KodowWWiadomosciIso = 3; // six data bytes, 00 00 in empty places
constexpr int BajtyNaKod = 2;

// The bytes of a line, nullopt when a token is not two hexadecimal digits (a line cut short,
// or no answer at all).
std::optional<QList<std::uint32_t>> Bajty(const QByteArrayList& tokeny, qsizetype od) {
    QList<std::uint32_t> bajty;
    for (qsizetype i = od; i < tokeny.size(); ++i) {
        bool ok = false;
        const uint b = tokeny[i].toUInt(&ok, 16);
        if (!ok || tokeny[i].size() != 2) return std::nullopt;
        bajty << b;
    }
    return bajty;
}

// A J1850, ISO 9141 or KWP line: priority or format byte, the tester, the ECU, the data
// and a checksum.
std::optional<TWiadomosc> LiniaIso(const QByteArrayList& tokeny, std::uint32_t tester) {
    const auto b = Bajty(tokeny, 0);
    if (!b || b->size() < 5 || (*b)[1] != tester) return std::nullopt;
    return TWiadomosc{static_cast<int>((*b)[2]), false, b->mid(3, b->size() - 4)};
}

// A CAN frame: the ECU and the frame's bytes from its PCI byte on.
struct TRamka {
    int ecu = 0;
    QList<std::uint32_t> bajty;
};

std::optional<TRamka> RamkaCan(const QByteArrayList& tokeny, bool bity29) {
    const qsizetype naglowek = bity29 ? 4 : 1;
    if (tokeny.size() <= naglowek) return std::nullopt;
    bool ok = false;
    int ecu = 0;
    if (bity29) {
        const auto id = Bajty(tokeny.mid(0, 4), 0);
        if (!id || (*id)[0] != 0x18 || (*id)[1] != 0xDA || (*id)[2] != 0xF1) return std::nullopt;
        ecu = static_cast<int>((*id)[3]);
    } else {
        if (tokeny[0].size() != 3) return std::nullopt;
        ecu = static_cast<int>(tokeny[0].toUInt(&ok, 16));
        if (!ok) return std::nullopt;
    }
    const auto b = Bajty(tokeny, naglowek);
    if (!b) return std::nullopt;
    return TRamka{ecu, *b};
}

// ISO-TP reassembly, one message under way per ECU.
class TSkladanie {
public:
    void Dodaj(const TRamka& r) {
        const std::uint32_t pci = r.bajty[0];
        const auto dane = r.bajty.mid(1);
        switch (pci >> 4) {
        case 0: // single frame
            wynik << TWiadomosc{r.ecu, false, dane.first(std::min<qsizetype>(pci, dane.size()))};
            break;
        case 1: // first frame: the length goes on in the next byte
            if (dane.isEmpty()) break;
            wynik << TWiadomosc{r.ecu, true, dane.mid(1)};
            dlugosci << Dlugosc{wynik.size() - 1, ((pci & 0x0F) << 8) | dane[0], 1};
            break;
        case 2: // consecutive frame: joined to the ECU's message under way
            for (auto d = dlugosci.rbegin(); d != dlugosci.rend(); ++d) {
                TWiadomosc& w = wynik[d->indeks];
                if (w.ecu != r.ecu) continue;
                if ((pci & 0x0F) == d->nastepna) {
                    w.bajty += dane;
                    d->nastepna = (d->nastepna + 1) & 0x0F;
                }
                break;
            }
            break;
        default:
            break;
        }
    }

    QList<TWiadomosc> Wiadomosci() {
        for (const Dlugosc& d : dlugosci) // the frames' filler bytes go
            wynik[d.indeks].bajty = wynik[d.indeks].bajty.first(
                std::min<qsizetype>(d.dlugosc, wynik[d.indeks].bajty.size()));
        return wynik;
    }

private:
    struct Dlugosc {
        qsizetype indeks;
        std::uint32_t dlugosc;
        std::uint32_t nastepna; // sequence number expected next
    };
    QList<TWiadomosc> wynik;
    QList<Dlugosc> dlugosci;
};

// The codes of one message that starts with the reply byte; nullopt for any other message.
std::optional<QList<std::uint32_t>> KodyWiadomosci(const TWiadomosc& w, bool can,
                                                   unsigned char rodzaj) {
    if (w.bajty.isEmpty() || w.bajty[0] != rodzaj) return std::nullopt;
    QList<std::uint32_t> kody;
    qsizetype od = 1;
    qsizetype ile = KodowWWiadomosciIso;
    if (can) {
        if (w.bajty.size() < 2) return kody;
        ile = w.bajty[1];
        od = 2;
        // A single frame must hold exactly its count of codes, else only the heading shows.
        if (!w.wieloramkowa && w.bajty.size() != od + BajtyNaKod * ile) return kody;
    }
    for (qsizetype i = 0; i < ile && od + BajtyNaKod * (i + 1) <= w.bajty.size(); ++i) {
        const std::uint32_t kod = w.bajty[od + 2 * i] << 8 | w.bajty[od + 2 * i + 1];
        if (kod == 0) break;
        kody << kod;
    }
    return kody;
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

QString NaglowekKodowEcu(unsigned char odpowiedz, int ecu) {
    return NaglowekKodow(odpowiedz) +
           QStringLiteral(" ECU %1h")
               .arg(QString::fromLatin1(Hex(static_cast<std::uint32_t>(ecu), 2)));
}

QString KodNaTekst(std::uint32_t kod) {
    static constexpr char Litery[] = {'P', 'C', 'B', 'U'};
    return QChar::fromLatin1(Litery[(kod >> 14) & 3]) + QString::fromLatin1(Hex(kod & 0x3FFF, 4));
}

QList<TWiadomosc> WiadomosciEcu(QByteArrayView odpowiedz, int protokol) {
    const TStylNaglowka styl = StylNaglowka(protokol);
    QList<TWiadomosc> iso;
    TSkladanie can;
    QByteArray tekst = odpowiedz.toByteArray();
    tekst.replace('\n', '\r');
    for (const QByteArray& linia : tekst.split('\r')) {
        const QByteArrayList tokeny = linia.simplified().split(' ');
        switch (styl) {
        case TStylNaglowka::J1850Iso:
        case TStylNaglowka::Kwp:
            if (const auto w = LiniaIso(tokeny, styl == TStylNaglowka::Kwp ? 0xF1 : 0x6B))
                iso << *w;
            break;
        case TStylNaglowka::Can11:
        case TStylNaglowka::Can29:
            if (const auto r = RamkaCan(tokeny, styl == TStylNaglowka::Can29)) can.Dodaj(*r);
            break;
        case TStylNaglowka::Brak:
            return {};
        }
    }
    return styl == TStylNaglowka::Can11 || styl == TStylNaglowka::Can29 ? can.Wiadomosci() : iso;
}

QList<TKodyEcu> KodyEcu(QByteArrayView odpowiedz, int protokol, unsigned char rodzaj) {
    const TStylNaglowka styl = StylNaglowka(protokol);
    const bool can = styl == TStylNaglowka::Can11 || styl == TStylNaglowka::Can29;
    QList<TKodyEcu> wynik;
    for (const TWiadomosc& w : WiadomosciEcu(odpowiedz, protokol)) {
        const auto kody = KodyWiadomosci(w, can, rodzaj);
        if (!kody) continue;
        auto ecu = std::find_if(wynik.begin(), wynik.end(),
                                [&](const TKodyEcu& k) { return k.ecu == w.ecu; });
        if (ecu == wynik.end()) ecu = wynik.insert(wynik.end(), TKodyEcu{w.ecu, {}});
        ecu->kody += *kody;
    }
    return wynik;
}

std::optional<QString> OdmowaKasowania(QByteArrayView odpowiedz, int protokol, int ecu) {
    static constexpr std::uint32_t Potwierdzenie = 0x44;
    static constexpr std::uint32_t Negatywna = 0x7F;
    static constexpr std::uint32_t Kasowanie = 0x04;
    for (const TWiadomosc& w : WiadomosciEcu(odpowiedz, protokol)) {
        if (w.ecu != ecu || w.bajty.isEmpty()) continue;
        if (w.bajty[0] == Potwierdzenie) return std::nullopt;
        if (w.bajty.size() >= 3 && w.bajty[0] == Negatywna && w.bajty[1] == Kasowanie)
            return QStringLiteral("7F 04 %1").arg(QString::fromLatin1(Hex(w.bajty[2], 2)));
    }
    if (odpowiedz.contains("NO DATA")) return QStringLiteral("NO DATA");
    return QString();
}
