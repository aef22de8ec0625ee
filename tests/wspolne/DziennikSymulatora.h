#pragma once

// What selvar-sim's request log says it sent.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>

// What each live reply the simulator sent makes of the receiver's 128-byte frame: the reply,
// then the OBD module's state (bytes 6..41 of its last 0x70 frame) at positions 92..127; a
// connection, which starts with the identity request, starts without that state.
inline QList<QByteArray> RamkiWyslane(const QList<QJsonObject>& dziennik) {
    QList<QByteArray> ramki;
    QByteArray stan;
    for (const QJsonObject& l : dziennik) {
        if (l.value(QStringLiteral("code")).toInt() == 0x81) stan = QByteArray(36, '\0');
        for (const QJsonValue& v : l.value(QStringLiteral("replies")).toArray()) {
            const QByteArray r = QByteArray::fromHex(v.toString().toLatin1());
            if (r.startsWith('6') && quint8(r[3]) == 0x70) stan = r.mid(6, 36);
            if (r.startsWith('V') && (quint8(r[3]) & 0xF0) == 0x90 && r.size() == 92)
                ramki << r + stan;
        }
    }
    return ramki;
}
