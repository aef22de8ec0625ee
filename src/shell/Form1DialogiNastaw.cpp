// The dialogs the settings editor's buttons open.

#include "FormCal.h"
#include "FormInj.h"
#include "FormLevel.h"
#include "FormNastaw.h"
#include "FormSeq.h"
#include "TForm1.h"
#include "TNastawy.h"

void TForm1::OtworzDialogNastaw(DialogNastaw d, int indeks) {
    const auto tytul = [this](int id) { return QStringLiteral("SELVAR - ") + PodajTekst(id); };
    TDialogNastaw* dialog = nullptr;
    QString naglowek = QStringLiteral("SELVAR");
    switch (d) {
    case DialogNastaw::KorektyWtryskiwaczy:
        dialog = formInj;
        naglowek = tytul(1281);
        break;
    case DialogNastaw::Kalkulator:
        dialog = formCal;
        naglowek = tytul(1380);
        break;
    case DialogNastaw::Sekwencja:
        dialog = formSeq;
        naglowek = tytul(1375);
        break;
    case DialogNastaw::CzujnikPoziomu:
        dialog = formLevel;
        naglowek = tytul(1372);
        break;
    case DialogNastaw::Grupa:
        formNastaw->Klucz = indeks;
        dialog = formNastaw;
        naglowek = QStringLiteral("SELVAR - ") + nastawy->StrNazwa(indeks);
        break;
    }
    dialog->Przygotuj(nastawy, paleta, naglowek);
    dialog->exec();
    nastawy->update();
}
