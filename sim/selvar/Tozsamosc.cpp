#include "Tozsamosc.h"

#include <algorithm>
#include <cmath>

namespace {

// Serial-number bytes, frame positions 22..34.
constexpr std::uint8_t NumerSeryjny[13] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0x0B, 0xC1,
                                           0x5E, 0x1F, 0x00, 0x47, 0x11, 0x03};

// Frame position p lies at payload index p - 4.
constexpr std::size_t L(std::size_t pozycja) {
    return pozycja - 4;
}

void WpiszDate(TBajty& b, std::size_t pozycja, const TData& d) {
    b[L(pozycja)] = static_cast<std::uint8_t>(d.rok - 2000);
    b[L(pozycja + 1)] = static_cast<std::uint8_t>(d.miesiac);
    b[L(pozycja + 2)] = static_cast<std::uint8_t>(d.dzien);
}

// Hours, then seconds within the hour, of a counter.
void WpiszLicznik(TBajty& b, std::size_t pozycja, double sekundy) {
    const auto calkowite = static_cast<unsigned long>(std::floor(sekundy));
    WpiszU16(b, L(pozycja), static_cast<unsigned>(calkowite % 3600));
    WpiszU16(b, L(pozycja + 2), static_cast<unsigned>(std::min(calkowite / 3600, 65535ul)));
}

} // namespace

TTozsamosc::TTozsamosc(const TOpisUrzadzenia& opisUrzadzenia, unsigned godzinyBenzyny,
                       unsigned godzinyGazu)
    : opis(opisUrzadzenia), sekundyBenzyny(3600.0 * godzinyBenzyny + 1234),
      sekundyGazu(3600.0 * godzinyGazu + 2345) {}

void TTozsamosc::DodajCzasPracy(bool naGazie, double sekundy) {
    (naGazie ? sekundyGazu : sekundyBenzyny) += sekundy;
}

TBajty TTozsamosc::Ladunek(std::uint8_t nonce, std::uint8_t status) const {
    TBajty b(DlugoscLadunku, 0);
    b[0] = nonce;
    b[1] = status;
    for (std::size_t i = 0; i < 16; ++i)
        b[L(6 + i)] =
            i < opis.kodKreskowy.size() ? static_cast<std::uint8_t>(opis.kodKreskowy[i]) : 0;
    for (std::size_t i = 0; i < 13; ++i)
        b[L(22 + i)] = NumerSeryjny[i];
    b[L(38)] = static_cast<std::uint8_t>(opis.model);
    b[L(40)] = Sprzet40;
    b[L(42)] = static_cast<std::uint8_t>(opis.plytka);
    b[L(43)] = static_cast<std::uint8_t>(opis.kanaly);
    b[L(44)] = Sprzet44;
    WpiszDate(b, 46, opis.dataProdukcji);
    b[L(50)] = 0x01; // further version bytes: bootloader 1.2, hardware revision 0x0B
    b[L(51)] = 0x02;
    b[L(52)] = 0x0B;
    b[L(53)] = static_cast<std::uint8_t>(opis.plytka - 1); // hardware letter, 0 = "A"
    b[L(57)] = static_cast<std::uint8_t>(opis.beta);
    for (std::size_t i = 0; i < 3; ++i)
        b[L(58 + i)] = static_cast<std::uint8_t>(opis.wersja[i]);
    WpiszDate(b, 62, opis.dataWersji);
    for (std::size_t i = 0; i < 4; ++i)
        b[L(66 + i)] = adaptacja[i];
    WpiszLicznik(b, 70, sekundyBenzyny);
    WpiszLicznik(b, 74, sekundyGazu);
    return b;
}
