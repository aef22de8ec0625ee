#include "FormDevice.h"

#include "Kontrolki.h"
#include "Paleta.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// The history read; the identity reads are done when it is.
constexpr int BlokHistorii = 0x80;
} // namespace

TFormDevice::TFormDevice(TSterownik& ster, const TTeksty& tek, QWidget* rodzic) : QDialog(rodzic), s(ster), t(tek) {
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
    timer1.setObjectName(QStringLiteral("Timer1"));
    timer1.setInterval(100);
    // A dialog opened during the first reads shows the final values once they are in.
    connect(&timer1, &QTimer::timeout, this, [this] {
        if (s.DoOdczytu & BlokHistorii) return;
        timer1.stop();
        Wypelnij();
    });
    connect(this, &QDialog::finished, &timer1, &QTimer::stop);
}

void TFormDevice::Przygotuj(const TPaleta& paleta, const QString& tytul) {
    UstawTlo(this, paleta.Tlo, paleta.KolorDialogu);
    setWindowTitle(tytul);
    for (int i = 0; i < 5; ++i) etykiety[std::size_t(i)]->setText(t.PodajTekst(1331 + i));
}

void TFormDevice::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    Wypelnij();
    timer1.start();
}

void TFormDevice::Wypelnij() {
    const QString teksty[5] = {s.StrNazwaSterownika(), s.StrKodKreskowy(), s.StrDataProdukcji(),
                               s.StrWersjaCyframi(14), s.StrIleWtryskiwaczy()};
    for (int i = 0; i < 5; ++i) pola[std::size_t(i)]->setText(teksty[i]);
}
