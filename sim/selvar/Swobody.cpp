#include "Swobody.h"

#include "KodekRamki.h"

namespace {

constexpr std::uint8_t Identyfikacja = 0x81;
constexpr std::uint8_t IdentyfikacjaModulu = 0x71;

} // namespace

TSwobody::TSwobody(const TOpcjeSwobod& o, unsigned ziarno) : opcje(o), los(ziarno) {}

std::uint8_t TSwobody::Bajt(int ustalony) {
    if (ustalony >= 0) return static_cast<std::uint8_t>(ustalony);
    return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(los));
}

double TSwobody::Przerwa(double od, double do_) {
    return std::uniform_real_distribution<double>(od, do_)(los);
}

void TSwobody::Naglowek(TBajty& r, std::uint8_t nonce) {
    if (r.size() <= Kodek::Naglowek + 1) return;
    r[4] = opcje.bajt4 == TOpcjeSwobod::JakNonce ? nonce : Bajt(opcje.bajt4);
    const bool zeStatusem = r[3] == Identyfikacja || r[3] == IdentyfikacjaModulu;
    if (!zeStatusem) r[5] = Bajt(opcje.status);
    Kodek::UstawSume(r);
}

std::uint8_t TSwobody::Wypelnienie() {
    return Bajt(opcje.wypelnienie);
}

int TSwobody::OpoznienieMs() {
    if (opcje.opoznienieMs >= 0) return opcje.opoznienieMs;
    return std::uniform_int_distribution<int>(0, MaksOpoznieniaMs)(los);
}

double TSwobody::DoStanuModulu() {
    return Przerwa(0.6, 1.4);
}

double TSwobody::DoStanuSterownika() {
    return Przerwa(2.0, 6.0);
}

std::uint8_t TSwobody::KodStanuModulu() {
    return std::bernoulli_distribution(0.5)(los) ? 0x75 : 0x70;
}
