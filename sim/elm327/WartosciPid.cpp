#include "WartosciPid.h"

#include <algorithm>
#include <cmath>

namespace {

QByteArray B1(double v) {
    return QByteArray(1, static_cast<char>(std::clamp<long>(std::lround(v), 0, 255)));
}

QByteArray B2(double v) {
    const long x = std::clamp<long>(std::lround(v), 0, 65535);
    return B1(static_cast<double>(x >> 8)) + B1(static_cast<double>(x & 0xFF));
}

double Procent(double p) {
    return p * 255 / 100;
}
double Korekta(double p) {
    return 128 + p * 128 / 100;
}

// Bytes B C D; before the monitors have run, those of C are all not complete.
QByteArray Monitory(quint32 bcd, bool przebiegly) {
    const int c = (bcd >> 8) & 0xFF;
    return B1((bcd >> 16) & 0xFF) + B1(c) + B1(przebiegly ? (bcd & 0xFF) : c);
}

// PID 0x01: lamp and stored-code count, then the readiness of the monitors: right after a
// clearing every supported one of byte C shows not complete for a minute.
QByteArray Status(const TDiagnostyka& d) {
    const int a = (d.zapisane > 0 ? 0x80 : 0) | std::min(d.zapisane, 0x7F);
    return B1(a) + Monitory(d.gotowosc, d.odSkasowania > 60);
}

// PID 0x41: the same monitors in this drive cycle, complete once the engine has run 30 s.
QByteArray StatusCyklu(const TDiagnostyka& d, const TStanSilnika& s) {
    return B1(0) + Monitory(d.gotowosc, s.czas > 30);
}

QByteArray Sonda(double v, double korekta) {
    return B1(v / 0.005) + B1(korekta);
}

QByteArray Temperatura(double c) {
    return B1(c + 40);
}

} // namespace

QByteArray DanePid(int pid, const TStanSilnika& s, const TDiagnostyka& d) {
    const bool mil = d.zapisane > 0;
    switch (pid) {
    case 0x01:
        return Status(d);
    case 0x03:
        return B1(s.ukladPaliwa) + B1(s.ukladPaliwa);
    case 0x04:
        return B1(Procent(s.obciazenie));
    case 0x05:
        return Temperatura(s.plyn);
    case 0x06:
    case 0x08:
        return B1(Korekta(s.korektaKrotka[(pid - 0x06) / 2]));
    case 0x07:
    case 0x09:
        return B1(Korekta(s.korektaDluga[(pid - 0x07) / 2]));
    case 0x0B:
        return B1(s.cisnienie);
    case 0x0C:
        return B2(s.obroty * 4);
    case 0x0D:
        return B1(s.predkosc);
    case 0x0E:
        return B1((s.wyprzedzenie + 64) * 2);
    case 0x0F:
        return Temperatura(s.powietrze);
    case 0x10:
        return B2(s.przeplyw * 100);
    case 0x11:
        return B1(Procent(s.przepustnica));
    case 0x13:
        return B1(0x33); // bank 1 and bank 2, sensors 1 and 2
    case 0x14:
    case 0x18:
        return Sonda(s.sonda[(pid - 0x14) / 4], Korekta(s.korektaKrotka[(pid - 0x14) / 4]));
    case 0x15:
    case 0x19:
        return Sonda(s.sondaZa[(pid - 0x15) / 4], 0xFF); // not used for trim
    case 0x1C:
        return B1(6); // EOBD
    case 0x1F:
        return B2(s.czas);
    case 0x21:
        return B2(mil ? 12 + s.droga : 0);
    case 0x2E:
        return B1(Procent(s.ukladPaliwa == 2 ? 18 : 0));
    case 0x2F:
        return B1(Procent(62 - s.czas / 600));
    case 0x30:
        return B1(d.rozgrzania);
    case 0x31:
        return B2(d.drogaOdSkasowania);
    case 0x33:
        return B1(101);
    case 0x3C:
        return B2((380 + s.obciazenie * 4 + 40) * 10);
    case 0x41:
        return StatusCyklu(d, s);
    case 0x42:
        return B2(s.napiecie * 1000);
    case 0x43:
        return B2(Procent(s.obciazenie * 0.9));
    case 0x44:
        return B2((s.ukladPaliwa == 2 ? 1.0 : 0.92) * 32768);
    case 0x45:
        return B1(Procent(s.przepustnica * 0.8));
    case 0x46:
        return Temperatura(21);
    case 0x47:
        return B1(Procent(s.przepustnica + 3));
    case 0x49:
    case 0x4A:
        return B1(Procent(s.przepustnica * 0.9 + 14 + (pid - 0x49) * 2));
    case 0x4C:
        return B1(Procent(s.przepustnica));
    case 0x4D:
        return B2(mil ? 35 + s.czas / 60 : 0);
    case 0x4E:
        return B2(d.odSkasowania / 60);
    case 0x51:
        return B1(1); // gasoline
    case 0x61:
        return B1(125 + s.obciazenie * 0.8);
    case 0x62:
        return B1(125 + s.obciazenie * 0.75);
    case 0x63:
        return B2(180);
    default:
        return {};
    }
}
