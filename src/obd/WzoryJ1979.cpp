#include "WzoryJ1979.h"

#include "FormatLiczb.h"

#include <QStringList>

#include <array>

namespace {

using TBajty = std::span<const std::uint32_t>;

// The big-endian value of n bytes from position od.
double Slowo(TBajty b, std::size_t od, std::size_t n = 2) {
    std::uint32_t v = 0;
    for (std::size_t i = od; i < od + n; ++i)
        v = (v << 8) | b[i];
    return v;
}

double ZeZnakiem16(TBajty b, std::size_t od) {
    const auto v = static_cast<std::uint32_t>(Slowo(b, od));
    return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(v)));
}

double Lambda(TBajty b) {
    return Slowo(b, 0) * 2.0 / 65536.0;
}

double Trym(std::uint32_t x) {
    return (static_cast<double>(x) - 128.0) * 100.0 / 128.0;
}

// A record behind a support byte A: value i (of width bytes from position 1 + i * width)
// is shown as "i+1:value" when bit i of A is set.
struct TCzujniki {
    std::size_t ile;
    std::size_t szerokosc;
    double dzielnik; // dividing keeps 400 / 10 exact where 400 * 0.1 is not
    double przesuniecie;
};

QString Czujniki(TBajty b, const TCzujniki& c) {
    QStringList wartosci;
    for (std::size_t i = 0; i < c.ile; ++i) {
        if (((b[0] >> i) & 1) == 0) continue;
        const double x = Slowo(b, 1 + i * c.szerokosc, c.szerokosc) / c.dzielnik + c.przesuniecie;
        wartosci << QStringLiteral("%1:%2").arg(i + 1).arg(LiczbaOgolna(x));
    }
    return wartosci.join(u' ');
}

std::optional<TCzujniki> RekordCzujnikow(int wzor) {
    switch (wzor) {
    case 102: // mass air flow sensors A and B
        return TCzujniki{2, 2, 32, 0};
    case 103: // coolant temperature sensors 1 and 2
        return TCzujniki{2, 1, 1, -40};
    case 104: // intake air temperature, bank 1 sensors 1-3, bank 2 sensors 1-3
        return TCzujniki{6, 1, 1, -40};
    case 111: // turbocharger compressor inlet pressure sensors A and B
        return TCzujniki{2, 1, 1, 0};
    case 115: // exhaust pressure, banks 1 and 2
        return TCzujniki{2, 2, 100, 0};
    case 116: // turbocharger A and B speed
        return TCzujniki{2, 2, 1, 0};
    case 119: // charge air cooler temperature, bank 1 sensors 1-2, bank 2 sensors 1-2
        return TCzujniki{4, 1, 1, -40};
    case 120: // exhaust gas temperature sensors 1-4 of a bank
    case 124: // particulate filter inlet and outlet temperature, banks 1 and 2
        return TCzujniki{4, 2, 10, -40};
    case 127: // total, idle and PTO run time
        return TCzujniki{3, 4, 1, 0};
    default:
        return std::nullopt;
    }
}

// Data bytes each formula needs.
std::size_t Potrzebne(int wzor) {
    switch (wzor) {
    case 80:
    case 81:
    case 97:
        return 1;
    case 36:
    case 52:
    case 79:
        return 4;
    case 100:
        return 5;
    default:
        if (const auto c = RekordCzujnikow(wzor)) return 1 + c->ile * c->szerokosc;
        return 2;
    }
}

std::optional<QString> Wzor(int wzor, int numerPid, TBajty b) {
    switch (wzor) {
    case 34: // fuel rail pressure relative to manifold vacuum
        return LiczbaStala(Slowo(b, 0) * 0.079, 3);
    case 35: // fuel rail gauge or absolute pressure
        return QString::number(Slowo(b, 0) * 10, 'f', 0);
    case 36: // wide-band sensor: equivalence ratio and voltage
        return QStringLiteral("λ %1, %2 V")
            .arg(LiczbaStala(Lambda(b), 3), LiczbaStala(Slowo(b, 2) * 8.0 / 65536.0, 3));
    case 50: // evaporative system vapour pressure, signed
        return LiczbaOgolna(ZeZnakiem16(b, 0) / 4.0);
    case 52: // wide-band sensor: equivalence ratio and current
        return QStringLiteral("λ %1, %2 mA")
            .arg(LiczbaStala(Lambda(b), 3), LiczbaStala(Slowo(b, 2) / 256.0 - 128.0, 3));
    case 60: // catalyst temperature
        return LiczbaStala(Slowo(b, 0) / 10.0 - 40.0, 1);
    case 66: // control module voltage
        return LiczbaStala(Slowo(b, 0) / 1000.0, 3);
    case 67: // absolute load
        return LiczbaStala(Slowo(b, 0) * 100.0 / 255.0, 1);
    case 68: // commanded equivalence ratio
        return LiczbaStala(Lambda(b), 3);
    case 79: // maxima of equivalence ratio, sensor voltage, sensor current, manifold pressure
        return QStringLiteral("λ %1, %2 V, %3 mA, %4 kPa")
            .arg(b[0])
            .arg(b[1])
            .arg(b[2])
            .arg(b[3] * 10);
    case 80: // maximum air flow rate
        return QString::number(b[0] * 10);
    case 81:
        return RodzajPaliwa(b[0]);
    case 83: // absolute evaporative system vapour pressure
        return LiczbaStala(Slowo(b, 0) / 200.0, 3);
    case 84: // evaporative system vapour pressure, signed
        return QString::number(ZeZnakiem16(b, 0), 'f', 0);
    case 85: { // secondary oxygen sensor trims: banks 1 and 3, or 2 and 4
        const int bank = numerPid <= 0x56 ? 1 : 2;
        return QStringLiteral("B%1:%2 B%3:%4")
            .arg(bank)
            .arg(LiczbaStala(Trym(b[0]), 1))
            .arg(bank + 2)
            .arg(LiczbaStala(Trym(b[1]), 1));
    }
    case 93: // fuel injection timing
        return LiczbaStala(Slowo(b, 0) / 128.0 - 210.0, 2);
    case 94: // engine fuel rate
        return LiczbaStala(Slowo(b, 0) / 20.0, 2);
    case 97: // percent torque
        return QString::number(static_cast<int>(b[0]) - 125);
    case 100: { // percent torque at idle and at engine points 1 to 4
        static constexpr std::array<const char*, 5> Punkty{"Idle", "P1", "P2", "P3", "P4"};
        QStringList czesci;
        for (std::size_t i = 0; i < Punkty.size(); ++i)
            czesci << QStringLiteral("%1:%2").arg(QLatin1String(Punkty[i])).arg(int(b[i]) - 125);
        return czesci.join(u' ');
    }
    default:
        if (const auto c = RekordCzujnikow(wzor)) return Czujniki(b, *c);
        return std::nullopt;
    }
}

} // namespace

std::optional<QString> WartoscJ1979(int wzor, int numerPid, std::span<const std::uint32_t> bajty) {
    if (bajty.size() < Potrzebne(wzor)) return std::nullopt;
    return Wzor(wzor, numerPid, bajty);
}

QString RodzajPaliwa(std::uint32_t a) {
    static constexpr std::array<const char*, 24> Rodzaje{
        "Not available",
        "Gasoline",
        "Methanol",
        "Ethanol",
        "Diesel",
        "LPG",
        "CNG",
        "Propane",
        "Electric",
        "Bifuel running Gasoline",
        "Bifuel running Methanol",
        "Bifuel running Ethanol",
        "Bifuel running LPG",
        "Bifuel running CNG",
        "Bifuel running Propane",
        "Bifuel running Electricity",
        "Bifuel running electric and combustion engine",
        "Hybrid gasoline",
        "Hybrid Ethanol",
        "Hybrid Diesel",
        "Hybrid Electric",
        "Hybrid running electric and combustion engine",
        "Hybrid Regenerative",
        "Bifuel running diesel",
    };
    return QString::fromLatin1(a < Rodzaje.size() ? Rodzaje[a] : "Reserved");
}
