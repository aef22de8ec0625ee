// The dialogs the settings editor's buttons open.

#include "Kontrolki.h"
#include "TForm1.h"
#include "TNastawy.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

int TytulDialogu(DialogNastaw d) {
    switch (d) {
    case DialogNastaw::KorektyWtryskiwaczy:
        return 1281;
    case DialogNastaw::Kalkulator:
        return 1380;
    case DialogNastaw::Sekwencja:
        return 1375;
    case DialogNastaw::CzujnikPoziomu:
        return 1372;
    case DialogNastaw::Grupa:
        return 0;
    }
    return 0;
}

} // namespace

void TForm1::OtworzDialogNastaw(DialogNastaw d, int indeks) {
    const int tytul = TytulDialogu(d);
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("DialogNastaw"));
    dialog.setWindowTitle(tytul ? QStringLiteral("SELVAR - ") + PodajTekst(tytul)
                                : QStringLiteral("SELVAR"));
    UstawTlo(&dialog, paleta.Tlo, paleta.KolorDialogu);
    auto* uklad = new QVBoxLayout(&dialog);
    uklad->addWidget(new QLabel(indeks > 0 ? nastawy->StrNazwa(indeks) : PodajTekst(tytul)));
    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    connect(przyciski, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    uklad->addWidget(przyciski);
    dialog.exec();
    nastawy->update();
}
