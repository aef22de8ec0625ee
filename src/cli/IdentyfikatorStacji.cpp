#include "IdentyfikatorStacji.h"

#ifdef Q_OS_WIN
#include <windows.h>

quint32 IdentyfikatorStacji() {
    DWORD numer = 0;
    return GetVolumeInformationW(L"C:\\", nullptr, 0, &numer, nullptr, nullptr, nullptr, 0) ? quint32(numer) : 0;
}
#else
#include <QFile>

quint32 IdentyfikatorStacji() {
    QFile plik(QStringLiteral("/etc/machine-id"));
    if (!plik.open(QIODevice::ReadOnly)) return 0;
    bool ok = false;
    const quint32 numer = plik.read(8).toUInt(&ok, 16);
    return ok ? numer : 0;
}
#endif
