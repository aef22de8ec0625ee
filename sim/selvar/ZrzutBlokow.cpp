#include "ZrzutBlokow.h"

#include <QDir>
#include <QSaveFile>

TZrzutBlokow::TZrzutBlokow(QString k, const TPamiecSterownika& p)
    : katalog(std::move(k)), pamiec(p) {}

bool TZrzutBlokow::ZapiszWszystkie() {
    if (!Wlaczony()) return true;
    if (!QDir().mkpath(katalog)) return false;
    bool dobrze = true;
    for (std::size_t i = 0; i < TPamiecSterownika::LiczbaBlokow; ++i)
        dobrze = Zapisz(i) && dobrze;
    zmienione.reset();
    return dobrze;
}

void TZrzutBlokow::ZapiszZmienione() {
    if (!Wlaczony() || zmienione.none()) return;
    for (std::size_t i = 0; i < TPamiecSterownika::LiczbaBlokow; ++i)
        if (zmienione.test(i)) Zapisz(i);
    zmienione.reset();
}

bool TZrzutBlokow::Zapisz(std::size_t blok) {
    QSaveFile plik(
        QDir(katalog).filePath(QString(TPamiecSterownika::Opisy()[blok].nazwa) + ".bin"));
    // Unbuffered, so that a short write shows in write()'s count: a buffered QSaveFile may
    // commit a file cut short by a full disk.
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const TBajty& dane = pamiec.Blok(blok);
    const auto rozmiar = static_cast<qint64>(dane.size());
    return plik.write(reinterpret_cast<const char*>(dane.data()), rozmiar) == rozmiar &&
           plik.commit();
}
