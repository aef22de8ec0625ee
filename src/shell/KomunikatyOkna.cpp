#include "KomunikatyOkna.h"

#include "Teksty.h"

#include <QAbstractButton>
#include <QMessageBox>

TKomunikatyOkna::TKomunikatyOkna(const TTeksty& t, QWidget* o) : teksty(t), okno(o) {}

int TKomunikatyOkna::Komunikat(int idTekstu, int flagi) {
    return KomunikatTekst(teksty.PodajTekst(idTekstu), flagi);
}

int TKomunikatyOkna::KomunikatTekst(const QString& tekst, int flagi) {
    const QString tytul = QStringLiteral("SELVAR");
    switch (flagi) {
    case Pytanie: {
        QMessageBox pytanie(QMessageBox::Warning, tytul, tekst, QMessageBox::Yes | QMessageBox::No,
                            okno);
        pytanie.setDefaultButton(QMessageBox::No);
        // The toolkit's own captions follow the system's language, not the one chosen here.
        pytanie.button(QMessageBox::Yes)->setText(teksty.PodajTekst(1080));
        pytanie.button(QMessageBox::No)->setText(teksty.PodajTekst(1081));
        return pytanie.exec() == QMessageBox::Yes ? Tak : Nie;
    }
    case Blad:
        QMessageBox::critical(okno, tytul, tekst);
        return Ok;
    default:
        QMessageBox::information(okno, tytul, tekst);
        return Ok;
    }
}
