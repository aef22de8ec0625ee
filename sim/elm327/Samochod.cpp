#include "Samochod.h"

#include "Bajty.h"
#include "Informacje.h"

namespace {

quint8 U8(const QByteArray& b, int i) {
    return static_cast<quint8>(b.at(i));
}

constexpr int RozgrzaniaPrzedStartem = 14;
constexpr int KodyWWiadomosciK = 3;

} // namespace

TSamochod::TSamochod(int p, int ileEcu, quint32 ziarno, const TUsterki& u)
    : protokol(p), usterki(u), can(JestCan(::Protokol(p)->rodzina)), silnik(ziarno) {
    for (TDefinicjaEcu& d : SkladSamochodu(ileEcu)) {
        TEcu e{d, d.zapisane, d.oczekujace};
        ecu.push_back(std::move(e));
    }
}

double TSamochod::Napiecie(double czas) {
    return silnik.Stan(czas).napiecie;
}

std::vector<TOdpowiedzEcu> TSamochod::Odpowiedz(const QByteArray& zadanie, double czas) {
    std::vector<TOdpowiedzEcu> odpowiedzi;
    if (zadanie.isEmpty()) return odpowiedzi;
    for (std::size_t i = 0; i < ecu.size(); ++i) {
        std::vector<QByteArray> w = Usluga(ecu[i], zadanie, czas);
        if (!w.empty())
            odpowiedzi.push_back({static_cast<int>(i), std::move(w), ecu[i].definicja.dopelnienie});
    }
    return odpowiedzi;
}

std::vector<QByteArray> TSamochod::Usluga(TEcu& e, const QByteArray& z, double czas) {
    const quint8 usluga = U8(z, 0);
    const bool samaUsluga = z.size() == 1;
    switch (usluga) {
    case 0x01: {
        const QByteArray w = Pidy(e, z, czas);
        if (w.isEmpty()) return {};
        return {w};
    }
    case 0x03:
        return samaUsluga ? Kody(0x43, e.zapisane) : std::vector<QByteArray>{};
    case 0x07:
        return samaUsluga ? Kody(0x47, e.oczekujace) : std::vector<QByteArray>{};
    case 0x0A:
        return samaUsluga ? Kody(0x4A, e.definicja.stale) : std::vector<QByteArray>{};
    case 0x04:
        if (!samaUsluga || usterki.kasowanie == TUsterki::TKasowanie::BrakDanych) return {};
        if (usterki.kasowanie == TUsterki::TKasowanie::Odmowa)
            return {Bajt(0x7F) + Bajt(0x04) + Bajt(0x22)}; // conditions not correct
        e.zapisane.clear();
        e.oczekujace.clear();
        e.skasowano = czas;
        return {Bajt(0x44)};
    case 0x09:
        if (z.size() != 2) return {};
        return ::Informacje(e.definicja, U8(z, 1), ::Protokol(protokol)->rodzina);
    case 0x02: {
        if (z.size() != 3 || U8(z, 2) != 0) return {}; // frame 0 only
        const bool zapisana = !e.zapisane.empty();
        const QByteArray w =
            ZamrozonaRamka(e.definicja, zapisana, zapisana ? e.zapisane.front() : 0, U8(z, 1));
        if (w.isEmpty()) return {};
        return {w};
    }
    default:
        return {};
    }
}

// One PID everywhere, up to six in one request on CAN; the answer carries the supported
// ones, each PID followed by its data.
QByteArray TSamochod::Pidy(const TEcu& e, const QByteArray& z, double czas) {
    if (z.size() < 2 || z.size() > (can ? 7 : 2)) return {};
    const TStanSilnika s = silnik.Stan(czas);
    const TDiagnostyka d = Diagnostyka(e, s);
    QByteArray w = Bajt(0x41);
    for (int i = 1; i < z.size(); ++i) {
        const int pid = U8(z, i);
        if (!ObslugujePid(e.definicja.pidy, pid)) continue;
        const QByteArray dane =
            pid % 0x20 == 0 ? Slowo(MapaPidow(e.definicja.pidy, pid)) : DanePid(pid, s, d);
        if (!dane.isEmpty()) w += Bajt(pid) + dane;
    }
    return w.size() > 1 ? w : QByteArray();
}

TDiagnostyka TSamochod::Diagnostyka(const TEcu& e, const TStanSilnika& s) const {
    TDiagnostyka d;
    d.zapisane = static_cast<int>(e.zapisane.size());
    const bool kasowane = e.skasowano >= 0;
    d.odSkasowania = s.czas - (kasowane ? e.skasowano : -3600 * 5);
    d.drogaOdSkasowania = kasowane ? 0 : 212 + s.droga;
    d.rozgrzania = kasowane ? (s.plyn > 70 ? 1 : 0) : RozgrzaniaPrzedStartem;
    d.gotowosc = gotowosc;
    return d;
}

// CAN: reply byte, count, codes, in one ISO-TP message. Elsewhere: messages of three codes
// each, empty places 00 00, and one message of zeros when there are no codes at all.
std::vector<QByteArray> TSamochod::Kody(quint8 odpowiedz, const std::vector<quint16>& kody) const {
    if (can) {
        QByteArray w = Bajt(odpowiedz) + Bajt(static_cast<int>(kody.size()));
        for (const quint16 k : kody)
            w += Bajt(k >> 8) + Bajt(k & 0xFF);
        return {w};
    }
    std::vector<QByteArray> wiadomosci;
    for (std::size_t od = 0; od == 0 || od < kody.size(); od += KodyWWiadomosciK) {
        QByteArray w = Bajt(odpowiedz);
        for (std::size_t i = od; i < od + KodyWWiadomosciK; ++i) {
            const quint16 k = i < kody.size() ? kody[i] : 0;
            w += Bajt(k >> 8) + Bajt(k & 0xFF);
        }
        wiadomosci.push_back(w);
    }
    return wiadomosci;
}
