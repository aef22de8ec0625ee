#include "IdentyfikatorKomputera.h"

#ifdef Q_OS_WIN
#include <windows.h>

quint32 IdentyfikatorKomputera() {
    DWORD numer = 0;
    if (!GetVolumeInformationW(L"C:\\", nullptr, 0, &numer, nullptr, nullptr, nullptr, 0)) return 0;
    return quint32(numer);
}
#else
#include <QFile>

quint32 IdentyfikatorKomputera() {
    QFile plik(QStringLiteral("/etc/machine-id"));
    if (!plik.open(QIODevice::ReadOnly)) return 0;
    bool ok = false;
    const quint32 numer = plik.read(8).toUInt(&ok, 16);
    return ok ? numer : 0;
}
#endif
