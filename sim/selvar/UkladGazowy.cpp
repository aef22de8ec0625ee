#include "UkladGazowy.h"

#include <algorithm>
#include <cmath>

namespace {

double Zbliz(double x, double cel, double dt, double tau) {
    return cel + (x - cel) * std::exp(-dt / tau);
}

} // namespace

void TUkladGazowy::Krok(double dt, bool zawory, const TStanSilnika& silnik, double gasMs) {
    const bool jestGaz = poziom > 0;
    if (zawory && jestGaz) {
        // The reducer holds about 1.1 bar above the manifold, a little less at full load.
        const double cel = 1.10 - 0.12 * std::max(0.0, silnik.podcisnienie - 0.3);
        cisnienie = Zbliz(cisnienie, cel, dt, 0.6);
    } else {
        cisnienie = Zbliz(cisnienie, zawory ? 0.0 : 0.05, dt, zawory ? 3.0 : 30.0);
    }
    if (zawory && gasMs > 0) {
        // About two hours of driving from a full tank.
        poziom = std::max(0.0, poziom - dt * 0.0015 * (silnik.obroty / 1000.0) * (gasMs / 3.0));
    }
}

int TUkladGazowy::NapiecieCzujnika(int typ) const {
    const double u = poziom / 100.0;
    const double zakres = (typ >= 2) ? 230.0 : 44.0;
    const double dol = (typ >= 2) ? 10.0 : 4.0;
    const bool malejacy = typ == 1 || typ == 3;
    return static_cast<int>(std::lround(dol + zakres * (malejacy ? 1.0 - u : u)));
}

int TUkladGazowy::Lampki(int typ, int napiecie, const int (&progi)[4]) {
    const bool malejacy = typ == 1 || typ == 3;
    const auto ponad = [&](int prog) { return malejacy ? napiecie <= prog : napiecie >= prog; };
    int swiecace = 0;
    for (int i = 0; i < 4; ++i)
        if (ponad(progi[i])) {
            swiecace = 4 - i;
            break;
        }
    // Lamps light from the bottom: bit 2 is the lowest, bit 5 the top one.
    int bity = 0;
    for (int k = 0; k < swiecace; ++k)
        bity |= 1 << (2 + k);
    // The reserve lamp R: green above the lowest threshold, red below it.
    bity |= ponad(progi[3]) ? 0x02 : 0x01;
    return bity;
}
