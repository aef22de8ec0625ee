#pragma once

#include "Cofanie.h"

#include <QString>

class QLocale;
class TSterownik;

// What a step changed, as the undo menu names it in the user's language:
// "Injectors 2 -> 5" for one setting, "multiplier, bank 1" for a chart edit (its break
// points in the settings block included), "15 blocks" for a settings file.
QString OpisKroku(const TSterownik& s, const TCofanie::TKrok& krok, const QLocale& jezyk);
