#pragma once

// The test side's own frame codec, written apart from the application's so that a fault
// in one is not mirrored by the other.

#include <QByteArray>

#include <cstdint>

namespace RamkaTestowa {

inline std::uint8_t Suma(const QByteArray& b) {
    std::uint8_t s = 0;
    for (char c : b)
        s = static_cast<std::uint8_t>(s + static_cast<std::uint8_t>(c));
    return s;
}

// A plain frame: start, checksum, words, code, payload padded to whole words.
inline QByteArray Jawna(char start, std::uint8_t kod, QByteArray dane) {
    if (dane.size() % 2) dane.append('\0');
    QByteArray r;
    r.append(start);
    r.append('\0');
    r.append(static_cast<char>(dane.size() / 2));
    r.append(static_cast<char>(kod));
    r.append(dane);
    r[1] = static_cast<char>(static_cast<std::uint8_t>(0x100 - Suma(r)));
    return r;
}

// The wire form of a plain frame: payload bytes chained through the previous plain byte.
inline QByteArray NaLinie(QByteArray r) {
    std::uint8_t poprz = static_cast<std::uint8_t>(r[1]) ^ 0xD3;
    for (int i = 4; i < r.size(); ++i) {
        const std::uint8_t p = static_cast<std::uint8_t>(r[i]);
        r[i] = static_cast<char>(p ^ poprz ^ static_cast<std::uint8_t>(255 - i % 256));
        poprz = p;
    }
    return r;
}

inline QByteArray ZLinii(QByteArray r) {
    std::uint8_t poprz = static_cast<std::uint8_t>(r[1]) ^ 0xD3;
    for (int i = 4; i < r.size(); ++i) {
        const std::uint8_t p =
            static_cast<std::uint8_t>(r[i]) ^ poprz ^ static_cast<std::uint8_t>(255 - i % 256);
        r[i] = static_cast<char>(p);
        poprz = p;
    }
    return r;
}

// A controller reply as it travels: payload = status pair (0, status) followed by the data.
inline QByteArray Odpowiedz(std::uint8_t kod, const QByteArray& dane = {}, std::uint8_t status = 0,
                            char start = 'V') {
    QByteArray ladunek;
    ladunek.append('\0');
    ladunek.append(static_cast<char>(status));
    ladunek.append(dane);
    return NaLinie(Jawna(start, kod, ladunek));
}

} // namespace RamkaTestowa
