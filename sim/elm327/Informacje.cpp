#include "Informacje.h"

#include "Bajty.h"

namespace {

constexpr int DlugoscKalibracji = 16;
constexpr int DlugoscNazwy = 20;
constexpr int BajtyKawalka = 4;

QByteArray Wypelnij(QByteArray tekst, int dlugosc) {
    tekst.resize(dlugosc, '\0');
    return tekst;
}

// The items of a type, one after another, and how many there are.
struct TDane {
    int ile = 0;
    QByteArray bajty;
};

TDane Dane(const TDefinicjaEcu& e, int typ) {
    TDane d;
    switch (typ) {
    case 0x02:
        if (e.silnik) d = {1, QByteArray(Vin)};
        break;
    case 0x04:
        for (const char* k : e.kalibracje)
            d.bajty += Wypelnij(k, DlugoscKalibracji);
        d.ile = static_cast<int>(e.kalibracje.size());
        break;
    case 0x06:
        for (const quint32 c : e.cvn)
            d.bajty += Slowo(c);
        d.ile = static_cast<int>(e.cvn.size());
        break;
    case 0x0A:
        if (!e.nazwaEcu.isEmpty()) d = {1, Wypelnij(e.nazwaEcu, DlugoscNazwy)};
        break;
    default:
        break;
    }
    return d;
}

// Numbered messages of four bytes; the VIN's 17 characters get three 00 in front.
std::vector<QByteArray> Ponumerowane(int typ, QByteArray bajty) {
    if (typ == 0x02) bajty.prepend(QByteArray(3, '\0'));
    std::vector<QByteArray> w;
    for (int od = 0, numer = 1; od < bajty.size(); od += BajtyKawalka, ++numer)
        w.push_back(Bajt(0x49) + Bajt(typ) + Bajt(numer) + bajty.mid(od, BajtyKawalka));
    return w;
}

quint32 Mapa(const TDefinicjaEcu& e, bool can) {
    quint32 mapa = 0;
    for (int typ = 0x02; typ <= 0x0A; typ += 2) {
        if (Dane(e, typ).ile == 0) continue;
        mapa |= 1u << (32 - typ);
        if (!can) mapa |= 1u << (32 - (typ - 1)); // the message count before it
    }
    return mapa;
}

} // namespace

std::vector<QByteArray> Informacje(const TDefinicjaEcu& e, int typ, TRodzina rodzina) {
    const bool can = JestCan(rodzina);
    if (typ == 0x00) {
        const quint32 mapa = Mapa(e, can);
        if (mapa == 0) return {};
        return {Bajt(0x49) + Bajt(0x00) + (can ? QByteArray() : Bajt(1)) + Slowo(mapa)};
    }
    if (typ % 2 == 1) { // the message count of the next type, only off CAN
        const TDane d = Dane(e, typ + 1);
        if (can || d.ile == 0) return {};
        const int wiadomosci =
            typ == 0x01 && rodzina == TRodzina::Kwp
                ? 1
                : static_cast<int>(d.bajty.size() + (typ == 0x01 ? 3 : 0)) / BajtyKawalka;
        return {Bajt(0x49) + Bajt(typ) + Bajt(wiadomosci)};
    }
    const TDane d = Dane(e, typ);
    if (d.ile == 0) return {};
    if (can || (typ == 0x02 && rodzina == TRodzina::Kwp))
        return {Bajt(0x49) + Bajt(typ) + Bajt(d.ile) + d.bajty};
    return Ponumerowane(typ, d.bajty);
}

QByteArray ZamrozonaRamka(const TDefinicjaEcu& e, bool zapisana, quint16 kod, int pid) {
    if (!e.silnik) return {};
    const QByteArray p = Bajt(0x42) + Bajt(pid) + Bajt(0x00);
    if (!zapisana) {
        if (pid == 0x00) return p + Slowo(0x40000000u); // PID 02 only
        if (pid == 0x02) return p + Bajt(0) + Bajt(0);
        return {};
    }
    // A misfire at high load on gas: 78 % load, 88 °C, trims +9.4 % and +14.1 %, 3120 rpm,
    // 96 km/h. Bitmap: 02, 04 to 07 in A (5E), 0C and 0D in B (18).
    switch (pid) {
    case 0x00:
        return p + Slowo(0x5E180000u);
    case 0x02:
        return p + Bajt(kod >> 8) + Bajt(kod & 0xFF);
    case 0x04:
        return p + Bajt(0xC8);
    case 0x05:
        return p + Bajt(0x80);
    case 0x06:
        return p + Bajt(0x8C);
    case 0x07:
        return p + Bajt(0x92);
    case 0x0C:
        return p + Bajt(0x30) + Bajt(0xC0);
    case 0x0D:
        return p + Bajt(0x60);
    default:
        return {};
    }
}
