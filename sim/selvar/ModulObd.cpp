#include "ModulObd.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

namespace {

// Stages of the module's OBD task in state byte 11.
constexpr std::uint8_t EtapTransmisja = 1;
constexpr std::uint8_t EtapPid = 2;

} // namespace

// The car has a lean mixture code and a catalyst efficiency code stored.
TModulObd::TModulObd() : kody{0x0171, 0x0420} {}

void TModulObd::Przyjmij(const TTrymyObd& t, double czas) {
    trymy = t;
    czasTrymow = czas;
}

std::optional<TTrymyObd> TModulObd::Trymy(double czas) const {
    if (czas - czasTrymow > WaznoscTrymow) return std::nullopt;
    return trymy;
}

TBajty TModulObd::Tozsamosc(std::uint8_t nonce) const {
    TBajty b(76, 0);
    b[0] = nonce;
    const std::string kod = "OBD0000000004711";
    std::copy(kod.begin(), kod.end(), b.begin() + 2);
    // Module version 1.0.5 of 2023-02-01 at the controller's identity positions 58..64.
    const std::uint8_t wersja[7] = {1, 0, 5, 0, 23, 2, 1};
    std::copy(std::begin(wersja), std::end(wersja), b.begin() + 54);
    return b;
}

TBajty TModulObd::KodyUsterek(std::uint8_t nonce) const {
    TBajty b{nonce, 0, static_cast<std::uint8_t>(kody.size())};
    for (unsigned kod : kody) {
        b.push_back(static_cast<std::uint8_t>(kod >> 8));
        b.push_back(static_cast<std::uint8_t>(kod & 0xFF));
    }
    return b;
}

TBajty TModulObd::Stan(double lambda1, double lambda2, double czas) const {
    TBajty b(38, 0);
    const auto naBajt = [](double v) { return DoBajtu(std::lround(v / 0.005)); };
    const bool swieze = Trymy(czas).has_value();
    // State byte k sits at payload index k + 2.
    b[2 + 3] = naBajt(lambda1);
    b[2 + 4] = naBajt(lambda2);
    if (swieze) std::copy(trymy.begin(), trymy.end(), b.begin() + 2 + 5);
    b[2 + 11] = swieze ? EtapPid : EtapTransmisja;
    return b;
}
