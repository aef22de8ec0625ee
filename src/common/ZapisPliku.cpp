#include "ZapisPliku.h"

#include <QSaveFile>

bool ZapiszCalyPlik(const QString& sciezka, const QByteArray& dane, QString* blad) {
    QSaveFile plik(sciezka);
    // Unbuffered, so that a short write (a full disk) shows in write()'s count: buffered, only
    // part of the buffer may reach the disk and QSaveFile still commits the cut file.
    const bool zapisany = plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                          plik.write(dane) == dane.size() && plik.commit();
    if (!zapisany && blad) *blad = plik.errorString();
    // An uncommitted QSaveFile removes its temporary file when it goes out of scope.
    return zapisany;
}
