#include "Przebieg.h"

#include <cmath>
#include <iterator>

namespace Przebieg {
namespace {

struct TWezel {
    double t;
    TPunktJazdy punkt;
};

// One cycle: drive-off, cruise, overrun with fuel cut, idle, hard acceleration, braking.
constexpr TWezel Cykl[] = {
    {0, {0, 0.30}},     {6, {3200, 0.90}},  {8, {2600, 0.60}}, {22, {2500, 0.55}},
    {26, {1500, 0.18}}, {29, {0, 0.30}},    {36, {0, 0.30}},   {40, {4000, 0.95}},
    {44, {2000, 0.40}}, {48, {1100, 0.32}}, {52, {0, 0.30}},   {60, {0, 0.30}},
};

double Obroty(const TPunktJazdy& p, double jalowe) {
    return p.obroty > 0 ? p.obroty : jalowe;
}

} // namespace

TPunktJazdy Punkt(double t, double obrotyJalowe) {
    if (t < PostojPoStarcie) return {obrotyJalowe, 0.30};
    const double w = std::fmod(t - PostojPoStarcie, DlugoscCyklu);
    for (auto it = std::begin(Cykl); std::next(it) != std::end(Cykl); ++it) {
        const TWezel& a = *it;
        const TWezel& b = *std::next(it);
        if (w > b.t) continue;
        const double u = (w - a.t) / (b.t - a.t);
        const double oa = Obroty(a.punkt, obrotyJalowe), ob = Obroty(b.punkt, obrotyJalowe);
        return {oa + (ob - oa) * u,
                a.punkt.podcisnienie + (b.punkt.podcisnienie - a.punkt.podcisnienie) * u};
    }
    return {obrotyJalowe, 0.30};
}

} // namespace Przebieg
