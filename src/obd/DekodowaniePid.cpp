#include "DekodowaniePid.h"

#include "ElmTekst.h"
#include "FormatLiczb.h"
#include "GotowoscObd.h"
#include "Protokoly.h"
#include "WzoryJ1979.h"

#include <array>
#include <vector>

namespace {

QString Calkowita(long long x) {
    return QString::number(x);
}

QString StanPaliwa(std::uint32_t a) {
    switch (a) {
    case 1:
        return QStringLiteral("OL");
    case 2:
        return QStringLiteral("CL");
    case 4:
        return QStringLiteral("OL Load");
    case 8:
        return QStringLiteral("OL Fault");
    case 16:
        return QStringLiteral("CL Error");
    default:
        return {};
    }
}

QString PowietrzeWtorne(std::uint32_t a) {
    switch (a) {
    case 1:
        return QStringLiteral("Upstream");
    case 2:
        return QStringLiteral("Downstream of catalytic converter");
    case 4:
        return QStringLiteral("From the outside atmosphere or off");
    case 8:
        return QStringLiteral("Pump commanded on for diagnostics");
    default:
        return {};
    }
}

QString CzujnikiO2(std::uint32_t a, int bityNaBank, int bankow) {
    QString tekst;
    const std::uint32_t maska = (1u << bityNaBank) - 1;
    for (int b = 0; b < bankow; ++b) {
        if (b > 0) tekst += u' ';
        tekst += QStringLiteral("B%1:%2").arg(b + 1).arg((a >> (b * bityNaBank)) & maska);
    }
    return tekst;
}

QString WartoscPid(const pid& p, int numerPid, QByteArrayView dane) {
    const std::uint32_t v = TekstNaInt(dane, p.Bajty);
    const std::uint32_t a = TekstNaInt(dane, 1);
    const auto A = static_cast<long long>(a);
    switch (p.Wzor) {
    case 1:
        return Calkowita(A & 0x7F);
    case 2:
    case 31:
        return Calkowita(v);
    case 3:
        return StanPaliwa(a);
    case 4:
        return LiczbaStala(A * 100.0 / 255.0, 1);
    case 5:
        return Calkowita(A - 40);
    case 6:
        return LiczbaStala((A - 128) * 100.0 / 128.0, 1);
    case 10:
        return Calkowita(3 * A);
    case 11:
        return Calkowita(A);
    case 12:
        return LiczbaOgolna(v / 4.0);
    case 14:
        return LiczbaOgolna(A / 2.0 - 64);
    case 16:
        return LiczbaOgolna(v / 100.0);
    case 18:
        return PowietrzeWtorne(a);
    case 19:
        return CzujnikiO2(a, 4, 2);
    case 20:
        return LiczbaOgolna(A * 0.005); // the trim byte B is not shown
    case 28:
        return StandardObd(a);
    case 29:
        return CzujnikiO2(a, 2, 4);
    case 65: { // monitors of this drive cycle
        const TGotowosc g = DekodujGotowosc(v);
        return QStringLiteral("%1/%2 ready").arg(g.Gotowe()).arg(g.Obslugiwane());
    }
    default: {
        const std::vector<std::uint32_t> bajty = BajtyDanych(dane, p.Bajty);
        if (const auto tekst = WartoscJ1979(p.Wzor, numerPid, bajty)) return *tekst;
        return QStringLiteral("0x") + QString::fromLatin1(Hex(v, p.Bajty));
    }
    }
}

} // namespace

int SzukajEcuPid(const QByteArray& odpowiedz, int protokol, int ecu, int numerPid, int bajty) {
    const auto adres = static_cast<std::uint32_t>(ecu);
    const QByteArray p2 = Hex(static_cast<std::uint32_t>(numerPid), 2);
    const QByteArray dlugosc = " 0" + QByteArray::number(bajty + 2) + " 41 ";
    QByteArray wzor;
    switch (StylNaglowka(protokol)) {
    case TStylNaglowka::J1850Iso:
        wzor = "6B " + Hex(adres, 2) + " 41 " + p2;
        break;
    case TStylNaglowka::Kwp:
        wzor = "F1 " + Hex(adres, 2) + " 41 " + p2;
        break;
    case TStylNaglowka::Can11:
        wzor = Hex(adres, 3) + dlugosc + p2;
        break;
    case TStylNaglowka::Can29:
        wzor = Hex(adres, 2) + dlugosc + p2;
        break;
    case TStylNaglowka::Brak:
        return 0;
    }
    const int p = Analizuj(odpowiedz, wzor);
    return p == 0 ? 0 : p + static_cast<int>(wzor.size()) + 1;
}

QString TekstPid(const pid& p, int numerPid, QByteArrayView dane) {
    QString tekst = WartoscPid(p, numerPid, dane);
    if (!p.Jednostka.isEmpty()) tekst += u'[' + p.Jednostka + u']';
    return tekst;
}

QString StandardObd(std::uint32_t a) {
    static const std::array<const char*, 34> Standardy{
        "Reserved",
        "OBD-II as defined by the CARB",
        "OBD as defined by the EPA",
        "OBD and OBD-II",
        "OBD-I",
        "Not OBD compliant",
        "EOBD (Europe)",
        "EOBD and OBD-II",
        "EOBD and OBD",
        "EOBD, OBD and OBD II",
        "JOBD (Japan)",
        "JOBD and OBD II",
        "JOBD and EOBD",
        "JOBD, EOBD, and OBD II",
        "Reserved",
        "Reserved",
        "Reserved",
        "Engine Manufacturer Diagnostics (EMD)",
        "Engine Manufacturer Diagnostics Enhanced (EMD+)",
        "Heavy Duty On-Board Diagnostics (Child/Partial) (HD OBD-C)",
        "Heavy Duty On-Board Diagnostics (HD OBD)",
        "World Wide Harmonized OBD (WWH OBD)",
        "Reserved",
        "Heavy Duty Euro OBD Stage I without NOx control (HD EOBD-I)",
        "Heavy Duty Euro OBD Stage I with NOx control (HD EOBD-I N)",
        "Heavy Duty Euro OBD Stage II without NOx control (HD EOBD-II)",
        "Heavy Duty Euro OBD Stage II with NOx control (HD EOBD-II N)",
        "Reserved",
        "Brazil OBD Phase 1 (OBDBr-1)",
        "Brazil OBD Phase 2 (OBDBr-2)",
        "Korean OBD (KOBD)",
        "India OBD I (IOBD I)",
        "India OBD II (IOBD II)",
        "Heavy Duty Euro OBD Stage VI (HD EOBD-IV)",
    };
    return QString::fromLatin1(a < Standardy.size() ? Standardy[a] : Standardy[0]);
}
