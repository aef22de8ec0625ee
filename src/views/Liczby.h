#pragma once

#include <QLocale>
#include <QString>

// Numbers as the views show them: a fixed pattern ("0.00") or the shortest form, with the
// user's decimal separator and no thousands grouping.

inline QLocale LokalLiczb() {
    QLocale l;
    l.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
    return l;
}

inline QString LiczbaWzorca(double v, int miejsca) {
    return LokalLiczb().toString(v, 'f', miejsca);
}

inline QString LiczbaKrotka(double v) {
    return LokalLiczb().toString(v, 'g', 15);
}
