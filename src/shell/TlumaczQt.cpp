#include "TlumaczQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

QLocale Jezyk(int jezyk) {
    switch (jezyk) {
    case 1:
        return QLocale(QLocale::Polish);
    case 2:
        return QLocale(QLocale::Russian);
    case 3:
        return QLocale(QLocale::Spanish);
    default:
        return QLocale(QLocale::English);
    }
}

} // namespace

TTlumaczQt::~TTlumaczQt() {
    if (zainstalowany) QCoreApplication::removeTranslator(&tlumacz);
}

bool TTlumaczQt::Ustaw(int jezyk) {
    if (jezyk == obecny) return zainstalowany;
    obecny = jezyk;
    if (zainstalowany) QCoreApplication::removeTranslator(&tlumacz);
    zainstalowany = false;
    if (jezyk < 1 || jezyk > 3) return false;
    // "qt_xx" gathers the catalogues of every Qt module the system has translated.
    if (!tlumacz.load(Jezyk(jezyk), QStringLiteral("qt"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    zainstalowany = QCoreApplication::installTranslator(&tlumacz);
    return zainstalowany;
}
