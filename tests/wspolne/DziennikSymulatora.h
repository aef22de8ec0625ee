#pragma once

// What selvar-sim's request log says it sent.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>

// What each live reply the simulator sent makes of the receiver's 128-byte frame: the reply,
// then the OBD module's state (bytes 6..41 of its last 0x70 or 0x75 frame) at positions
// 92..127; a connection, which starts with the identity request, starts without that state.
// Frames the simulator sent of its own before a reply are logged with the request answered.
inline QList<QByteArray> RamkiWyslane(const QList<QJsonObject>& dziennik) {
    QList<QByteArray> ramki;
    QByteArray stan;
    for (const QJsonObject& l : dziennik) {
        if (l.value(QStringLiteral("code")).toInt() == 0x81) stan = QByteArray(36, '\0');
        QJsonArray wyslane = l.value(QStringLiteral("unsolicited")).toArray();
        for (const QJsonValue& v : l.value(QStringLiteral("replies")).toArray())
            wyslane.append(v);
        for (const QJsonValue& v : wyslane) {
            const QByteArray r = QByteArray::fromHex(v.toString().toLatin1());
            const int kod = quint8(r[3]);
            if (r.startsWith('6') && (kod == 0x70 || kod == 0x75)) stan = r.mid(6, 36);
            if (r.startsWith('V') && (quint8(r[3]) & 0xF0) == 0x90 && r.size() == 92)
                ramki << r + stan;
        }
    }
    return ramki;
}
