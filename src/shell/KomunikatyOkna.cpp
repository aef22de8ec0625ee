#include "KomunikatyOkna.h"

#include "Teksty.h"

#include <QMessageBox>

TKomunikatyOkna::TKomunikatyOkna(const TTeksty& t, QWidget* o) : teksty(t), okno(o) {}

int TKomunikatyOkna::Komunikat(int idTekstu, int flagi) {
    return KomunikatTekst(teksty.PodajTekst(idTekstu), flagi);
}

int TKomunikatyOkna::KomunikatTekst(const QString& tekst, int flagi) {
    const QString tytul = QStringLiteral("SELVAR");
    switch (flagi) {
    case Pytanie:
        return QMessageBox::warning(okno, tytul, tekst, QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::No) == QMessageBox::Yes
                   ? Tak
                   : Nie;
    case Blad:
        QMessageBox::critical(okno, tytul, tekst);
        return Ok;
    default:
        QMessageBox::information(okno, tytul, tekst);
        return Ok;
    }
}
