#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The root of the preferences: HKCU\Software on Windows, so that the groups are the keys
// Software\Selvar2 and Software\Karvel; the user's settings file elsewhere.
std::unique_ptr<QSettings> KorzenPreferencji();

// Preferences are written to "Selvar2"; the older "Karvel" is read only while "Selvar2" is
// missing.
inline const QString GrupaPreferencji = QStringLiteral("Selvar2");
inline const QString GrupaDawnaPreferencji = QStringLiteral("Karvel");

// The group to read from, empty when neither exists.
QString GrupaDoOdczytu(const QSettings& korzen);
