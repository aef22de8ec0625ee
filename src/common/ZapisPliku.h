#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file so that it either holds every byte of dane or stays exactly as it was:
// the bytes go to a temporary file beside it, which replaces the old file only when complete.
// On failure returns false with the reason in blad (when given); no partial file remains.
bool ZapiszCalyPlik(const QString& sciezka, const QByteArray& dane, QString* blad = nullptr);
