#include "Dziennik.h"

bool TDziennik::Otworz(const QString& sciezka) {
    czas.start();
    if (sciezka.isEmpty()) return true;
    plik.setFileName(sciezka);
    return plik.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void TDziennik::Zapisz(const char* lacze, const QString& tekst) {
    if (!plik.isOpen()) return;
    QString reszta = tekst;
    while (reszta.startsWith(u'\n'))
        reszta.remove(0, 1);
    const QString poczatek =
        QStringLiteral("%1 %2 ").arg(czas.elapsed() / 1000.0, 8, 'f', 3).arg(QLatin1String(lacze));
    for (const QString& linia : reszta.split(u'\n'))
        plik.write((poczatek + linia + u'\n').toUtf8());
    plik.flush();
}
