#include "KorzenPreferencji.h"

std::unique_ptr<QSettings> KorzenPreferencji() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Selvar2"), QStringLiteral("selvar"));
#endif
}

QString GrupaDoOdczytu(const QSettings& korzen) {
    const QStringList grupy = korzen.childGroups();
    if (grupy.contains(GrupaPreferencji)) return GrupaPreferencji;
    if (grupy.contains(GrupaDawnaPreferencji)) return GrupaDawnaPreferencji;
    return {};
}
