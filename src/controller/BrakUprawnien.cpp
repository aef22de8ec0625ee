#include "BrakUprawnien.h"

#include "Teksty.h"

#include <QFileInfo>

QString TekstBrakuUprawnien(const TTeksty& teksty, const QString& sciezka) {
    // Serial adapters belong to "dialout" on Debian; a link is followed to its device.
    QString grupa = QFileInfo(QFileInfo(sciezka).canonicalFilePath()).group();
    if (grupa.isEmpty()) grupa = QStringLiteral("dialout");
    return teksty.PodajTekst(1390).arg(sciezka, grupa);
}
