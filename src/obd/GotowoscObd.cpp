#include "GotowoscObd.h"

#include "TekstyObd.h"

#include <algorithm>

namespace {

struct TBitMonitora {
    int bit;
    const char* klucz;
    int tekst;
};

// Byte B: supported in bits 0-2, not complete in bits 4-6.
constexpr TBitMonitora Ciagle[] = {
    {0, "misfire", TekstyObd::MonitorWypadanie},
    {1, "fuelSystem", TekstyObd::MonitorUkladPaliwa},
    {2, "components", TekstyObd::MonitorPodzespoly},
};

constexpr TBitMonitora Iskrowe[] = {
    {0, "catalyst", TekstyObd::MonitorKatalizator},
    {1, "heatedCatalyst", TekstyObd::MonitorKatalizatorGrzany},
    {2, "evaporativeSystem", TekstyObd::MonitorParowanie},
    {3, "secondaryAirSystem", TekstyObd::MonitorPowietrzeWtorne},
    {4, "acRefrigerant", TekstyObd::MonitorKlimatyzacja},
    {5, "oxygenSensor", TekstyObd::MonitorSonda},
    {6, "oxygenSensorHeater", TekstyObd::MonitorGrzanieSondy},
    {7, "egrVvtSystem", TekstyObd::MonitorEgr},
};

// Bits 2 and 4 are reserved for compression ignition.
constexpr TBitMonitora Samoczynne[] = {
    {0, "nmhcCatalyst", TekstyObd::MonitorKatalizatorNmhc},
    {1, "noxScrMonitor", TekstyObd::MonitorNox},
    {3, "boostPressure", TekstyObd::MonitorDoladowanie},
    {5, "exhaustGasSensor", TekstyObd::MonitorCzujnikSpalin},
    {6, "pmFilter", TekstyObd::MonitorFiltrCzastek},
    {7, "egrVvtSystem", TekstyObd::MonitorEgr},
};

TStanMonitora Stan(std::uint32_t obslugiwane, std::uint32_t niekompletne, int bit) {
    if (((obslugiwane >> bit) & 1) == 0) return TStanMonitora::Nieobslugiwany;
    return ((niekompletne >> bit) & 1) != 0 ? TStanMonitora::NieGotowy : TStanMonitora::Gotowy;
}

template <std::size_t N>
void Dodaj(QList<TMonitor>& lista, const TBitMonitora (&bity)[N], std::uint32_t obslugiwane,
           std::uint32_t niekompletne) {
    for (const TBitMonitora& b : bity)
        lista << TMonitor{b.klucz, b.tekst, Stan(obslugiwane, niekompletne, b.bit)};
}

} // namespace

int TGotowosc::Obslugiwane() const {
    return static_cast<int>(std::count_if(monitory.begin(), monitory.end(), [](const TMonitor& m) {
        return m.stan != TStanMonitora::Nieobslugiwany;
    }));
}

int TGotowosc::Gotowe() const {
    return static_cast<int>(std::count_if(monitory.begin(), monitory.end(), [](const TMonitor& m) {
        return m.stan == TStanMonitora::Gotowy;
    }));
}

TGotowosc DekodujGotowosc(std::uint32_t abcd) {
    const std::uint32_t a = abcd >> 24, b = (abcd >> 16) & 0xFF, c = (abcd >> 8) & 0xFF,
                        d = abcd & 0xFF;
    TGotowosc g;
    g.mil = (a & 0x80) != 0;
    g.kody = static_cast<int>(a & 0x7F);
    g.zaplonSamoczynny = (b & 0x08) != 0;
    Dodaj(g.monitory, Ciagle, b & 0x07, b >> 4);
    if (g.zaplonSamoczynny)
        Dodaj(g.monitory, Samoczynne, c, d);
    else
        Dodaj(g.monitory, Iskrowe, c, d);
    return g;
}

const char* KluczStanu(TStanMonitora stan) {
    switch (stan) {
    case TStanMonitora::Gotowy:
        return "ready";
    case TStanMonitora::NieGotowy:
        return "not ready";
    case TStanMonitora::Nieobslugiwany:
        break;
    }
    return "not supported";
}

int TekstStanu(TStanMonitora stan) {
    switch (stan) {
    case TStanMonitora::Gotowy:
        return TekstyObd::MonitorGotowy;
    case TStanMonitora::NieGotowy:
        return TekstyObd::MonitorNieGotowy;
    case TStanMonitora::Nieobslugiwany:
        break;
    }
    return TekstyObd::MonitorNieobslugiwany;
}
