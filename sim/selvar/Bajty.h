#pragma once

#include <cstdint>
#include <vector>

// Byte buffers of the simulator; kept apart from QByteArray so that byte arithmetic
// needs no sign conversions.
using TBajty = std::vector<std::uint8_t>;

// Little-endian 16-bit store, the order of every u16 on the wire.
inline void WpiszU16(TBajty& b, std::size_t pozycja, unsigned wartosc) {
    b[pozycja] = static_cast<std::uint8_t>(wartosc & 0xFF);
    b[pozycja + 1] = static_cast<std::uint8_t>((wartosc >> 8) & 0xFF);
}

inline unsigned CzytajU16(const TBajty& b, std::size_t pozycja) {
    return b[pozycja] | (static_cast<unsigned>(b[pozycja + 1]) << 8);
}

// Clamps a computed value into one byte.
inline std::uint8_t DoBajtu(long wartosc) {
    return static_cast<std::uint8_t>(wartosc < 0 ? 0 : (wartosc > 255 ? 255 : wartosc));
}
