#include "Ramki.h"

namespace Ramki {

namespace {

constexpr int DlugoscRamkiCan = 8;

QByteArray Bajt(int b) {
    return QByteArray(1, static_cast<char>(b));
}

QByteArray Dopelnij(QByteArray ramka, int dopelnienie) {
    if (dopelnienie >= 0)
        while (ramka.size() < DlugoscRamkiCan)
            ramka += Bajt(dopelnienie);
    return ramka;
}

QByteArray Token(const QByteArray& tekst, bool spacje) {
    return spacje ? tekst + ' ' : tekst;
}

QByteArray IdentyfikatorCan(const TProtokol& p, int indeks, bool spacje) {
    if (p.rodzina == TRodzina::Can11)
        return Token(QByteArray::number(AdresEcu(p.rodzina, indeks), 16).toUpper(), spacje);
    QByteArray id = QByteArrayLiteral("\x18\xDA\xF1");
    id += Bajt(AdresEcu(p.rodzina, indeks));
    return Hex(id, spacje);
}

// With CAN formatting on and headers off the adapter shows only the message: a single
// frame's data, or the length of a longer message followed by its numbered frames.
std::vector<QByteArray> LinieBezNaglowkow(const std::vector<QByteArray>& ramki, int dlugosc,
                                          bool spacje) {
    if (ramki.size() == 1) {
        const int n = ramki.front().at(0) & 0x0F;
        return {Hex(ramki.front().mid(1, n), spacje)};
    }
    std::vector<QByteArray> linie{QByteArray::number(dlugosc, 16).toUpper().rightJustified(3, '0')};
    for (std::size_t i = 0; i < ramki.size(); ++i) {
        const QByteArray numer = QByteArray::number(static_cast<int>(i % 16), 16).toUpper() + ':';
        linie.push_back(Token(numer, spacje) + Hex(ramki[i].mid(i == 0 ? 2 : 1), spacje));
    }
    return linie;
}

std::vector<QByteArray> LinieCan(const TProtokol& p, int indeks, const QByteArray& dane,
                                 int dopelnienie, const TUstawienia& u) {
    const std::vector<QByteArray> ramki = RamkiIsoTp(dane, dopelnienie);
    if (!u.naglowki && u.formatCan)
        return LinieBezNaglowkow(ramki, static_cast<int>(dane.size()), u.spacje);
    const QByteArray id = u.naglowki ? IdentyfikatorCan(p, indeks, u.spacje) : QByteArray();
    std::vector<QByteArray> linie;
    for (const QByteArray& r : ramki)
        linie.push_back(id + Hex(r, u.spacje));
    return linie;
}

QByteArray WiadomoscK(const TProtokol& p, int indeks, const QByteArray& dane) {
    QByteArray w;
    switch (p.rodzina) {
    case TRodzina::J1850Pwm:
        w = QByteArrayLiteral("\x41\x6B");
        break;
    case TRodzina::Kwp:
        w = Bajt(0x80 | dane.size()) + Bajt(0xF1);
        break;
    default:
        w = QByteArrayLiteral("\x48\x6B");
        break;
    }
    w += Bajt(AdresEcu(p.rodzina, indeks));
    w += dane;
    const bool j1850 = p.rodzina == TRodzina::J1850Pwm || p.rodzina == TRodzina::J1850Vpw;
    return w + Bajt(j1850 ? Crc8J1850(w) : SumaKontrolna(w));
}

} // namespace

int AdresEcu(TRodzina rodzina, int indeks) {
    return (rodzina == TRodzina::Can11 ? 0x7E8 : 0x10) + indeks;
}

std::vector<QByteArray> Linie(const TProtokol& protokol, int indeks, const QByteArray& dane,
                              int dopelnienie, const TUstawienia& u) {
    if (JestCan(protokol.rodzina)) return LinieCan(protokol, indeks, dane, dopelnienie, u);
    return {Hex(u.naglowki ? WiadomoscK(protokol, indeks, dane) : dane, u.spacje)};
}

std::vector<QByteArray> RamkiIsoTp(const QByteArray& dane, int dopelnienie) {
    const int n = static_cast<int>(dane.size());
    if (n <= 7) return {Dopelnij(Bajt(n) + dane, dopelnienie)};
    std::vector<QByteArray> ramki{Bajt(0x10 | (n >> 8)) + Bajt(n & 0xFF) + dane.left(6)};
    int numer = 1;
    for (int od = 6; od < n; od += 7, ++numer)
        ramki.push_back(Dopelnij(Bajt(0x20 | (numer & 0x0F)) + dane.mid(od, 7), dopelnienie));
    return ramki;
}

QByteArray Hex(const QByteArray& bajty, bool spacje) {
    QByteArray tekst;
    for (const char b : bajty)
        tekst += Token(QByteArray(1, b).toHex().toUpper(), spacje);
    return tekst;
}

quint8 SumaKontrolna(const QByteArray& bajty) {
    unsigned suma = 0;
    for (const char b : bajty)
        suma += static_cast<quint8>(b);
    return static_cast<quint8>(suma);
}

// SAE J1850: polynomial x^8 + x^4 + x^3 + x^2 + 1, start 0xFF, result inverted.
quint8 Crc8J1850(const QByteArray& bajty) {
    quint8 crc = 0xFF;
    for (const char b : bajty) {
        crc ^= static_cast<quint8>(b);
        for (int i = 0; i < 8; ++i)
            crc = static_cast<quint8>((crc & 0x80) ? (crc << 1) ^ 0x1D : crc << 1);
    }
    return static_cast<quint8>(~crc);
}

} // namespace Ramki
