#pragma once

#include <QSettings>

#include <memory>

// The root of the preferences: HKCU\Software on Windows, so that the groups are the keys
// Software\Selvar2 and Software\Karvel; the user's settings file elsewhere.
std::unique_ptr<QSettings> KorzenPreferencji();
