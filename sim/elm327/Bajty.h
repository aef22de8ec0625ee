#pragma once

#include <QByteArray>
#include <QtGlobal>

// Bytes of the ECUs' messages.

inline QByteArray Bajt(int b) {
    return QByteArray(1, static_cast<char>(b));
}

// Big-endian, as the bitmaps and CVNs go on the bus.
inline QByteArray Slowo(quint32 v) {
    return Bajt(static_cast<int>(v >> 24)) + Bajt((v >> 16) & 0xFF) + Bajt((v >> 8) & 0xFF) +
           Bajt(v & 0xFF);
}
