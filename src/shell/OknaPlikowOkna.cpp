#include "OknaPlikowOkna.h"

#include <QFileDialog>

QString TOknaPlikowOkna::FiltrQt(const QString& filtr) {
    const QStringList czesci = filtr.split(QLatin1Char('|'));
    QStringList opisy;
    for (qsizetype i = 0; i < czesci.size(); i += 2)
        opisy << czesci[i];
    return opisy.join(QStringLiteral(";;"));
}

QString TOknaPlikowOkna::Otworz(const TDialogPliku& d) {
    return QFileDialog::getOpenFileName(okno, d.tytul, d.katalog, FiltrQt(d.filtr));
}

QString TOknaPlikowOkna::Zapisz(const TDialogPliku& d) {
    QString sciezka = QFileDialog::getSaveFileName(okno, d.tytul, d.katalog, FiltrQt(d.filtr));
    if (!sciezka.isEmpty() && !d.rozszerzenie.isEmpty() && QFileInfo(sciezka).suffix().isEmpty())
        sciezka += QLatin1Char('.') + d.rozszerzenie;
    return sciezka;
}
