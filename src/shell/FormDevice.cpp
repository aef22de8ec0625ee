#include "FormDevice.h"

#include "CzekanieNaOdczyt.h"
#include "Kontrolki.h"
#include "Paleta.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormDevice::TFormDevice(TSterownik& ster, const TTeksty& tek, QWidget* rodzic)
    : QDialog(rodzic), s(ster), t(tek) {
    setObjectName(QStringLiteral("FormDevice"));
    resize(600, 400);
    QFont czcionka(QStringLiteral("Tahoma"), 12);
    czcionka.setBold(true);
    setFont(czcionka);
    auto* uklad = new QGridLayout(this);
    for (int i = 0; i < 5; ++i) {
        etykiety[std::size_t(i)] = new QLabel(this);
        etykiety[std::size_t(i)]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        pola[std::size_t(i)] = new QLineEdit(this);
        pola[std::size_t(i)]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        pola[std::size_t(i)]->setReadOnly(true);
        uklad->addWidget(etykiety[std::size_t(i)], i, 0);
        uklad->addWidget(pola[std::size_t(i)], i, 1);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    uklad->addWidget(ok, 5, 1, Qt::AlignRight);
    czekanie = new TCzekanieNaOdczyt(*this, s, [this] { Wypelnij(); });
}

void TFormDevice::Przygotuj(const TPaleta& paleta, const QString& tytul) {
    UstawTlo(this, paleta.Tlo, paleta.KolorDialogu);
    setWindowTitle(tytul);
    for (int i = 0; i < 5; ++i)
        etykiety[std::size_t(i)]->setText(t.PodajTekst(1331 + i));
}

void TFormDevice::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    Wypelnij();
    czekanie->Start();
}

void TFormDevice::Wypelnij() {
    const QString teksty[5] = {s.StrNazwaSterownika(), s.StrKodKreskowy(), s.StrDataProdukcji(),
                               s.StrWersjaCyframi(14), s.StrIleWtryskiwaczy()};
    for (int i = 0; i < 5; ++i)
        pola[std::size_t(i)]->setText(teksty[i]);
}
