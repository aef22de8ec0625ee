#include "Samochod.h"

namespace {

QByteArray Bajt(int b) {
    return QByteArray(1, static_cast<char>(b));
}

QByteArray Slowo(quint32 v) {
    return Bajt(static_cast<int>(v >> 24)) + Bajt((v >> 16) & 0xFF) + Bajt((v >> 8) & 0xFF) +
           Bajt(v & 0xFF);
}

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
        return z.size() == 2 ? Informacje(e, U8(z, 1)) : std::vector<QByteArray>{};
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

// Service 09 of the engine ECU: PID 00 the supported PIDs (01 and 02), 01 the number of
// messages the VIN takes, 02 the VIN: one long message on CAN, five of four bytes elsewhere
// (the first starting with three 00 bytes).
std::vector<QByteArray> TSamochod::Informacje(const TEcu& e, int pid) const {
    if (!e.definicja.silnik) return {};
    const QByteArray vin(Vin);
    switch (pid) {
    case 0x00:
        return {Bajt(0x49) + Bajt(0x00) + Slowo(0xC0000000u)};
    case 0x01:
        return {Bajt(0x49) + Bajt(0x01) + Bajt(can ? 1 : 5)};
    case 0x02: {
        if (can) return {Bajt(0x49) + Bajt(0x02) + Bajt(0x01) + vin};
        const QByteArray dane = QByteArray(3, '\0') + vin;
        std::vector<QByteArray> w;
        for (int i = 0; i < 5; ++i)
            w.push_back(Bajt(0x49) + Bajt(0x02) + Bajt(i + 1) + dane.mid(i * 4, 4));
        return w;
    }
    default:
        return {};
    }
}
