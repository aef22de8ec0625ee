#include "FormInj.h"

#include "Strzalki.h"
#include "TNastawy.h"
#include "TSterownik.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int PierwszaKorekta = 216;
constexpr int WysokoscWiersza = 30;
} // namespace

TFormInj::TFormInj(TSterownik& sterownik, QWidget* rodzic) : TDialogNastaw(sterownik, rodzic) {
    setObjectName(QStringLiteral("FormInj"));
    setFixedSize(350, 350);
    for (int k = 0; k < Wierszy; ++k) {
        const int y = 16 + k * WysokoscWiersza;
        etykiety[size_t(k)] = Etykieta(QStringLiteral("Label%1").arg(k + 1));
        etykiety[size_t(k)]->setText(QString::number(k + 1));
        etykiety[size_t(k)]->setGeometry(30, y, 30, 24);
        pola[size_t(k)] = PoleWartosci(k + 1, QRect(70, y, 90, 24));
        strzalki[size_t(k)] =
            Strzalki(k + 1, QPoint(162, y), 24, [this, k](int v) { Zmiana(k, v); });
        strzalki[size_t(k)]->UstawZakres(78, 178);
        strzalki[size_t(k)]->UstawWartosc(128);
        jednostki[size_t(k)] = Etykieta(QStringLiteral("Label%1").arg(QChar('A' + k)));
        jednostki[size_t(k)]->setGeometry(190, y, 60, 24);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(240, 0, 90, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool TFormInj::Wypelnij() {
    const int kanaly = s.LiczbaWtryskiwaczy;
    const int widoczne = kanaly == 4 || kanaly == 6 || kanaly == 8 ? kanaly : -1;
    for (int k = 0; k < Wierszy; ++k) {
        strzalki[size_t(k)]->UstawWartosc(s.Nastawy[PierwszaKorekta + k]);
        jednostki[size_t(k)]->setText(T(1053));
        // Other channel counts keep the rows as they were.
        if (widoczne < 0) continue;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 etykiety[size_t(k)], pola[size_t(k)], strzalki[size_t(k)], jednostki[size_t(k)]})
            w->setVisible(k < widoczne);
    }
    const int wysokosc = kanaly == 4 ? 230 : kanaly == 6 ? 290 : 350;
    setFixedSize(350, wysokosc);
    findChild<QPushButton*>(QStringLiteral("BitBtn1"))->move(240, wysokosc - 40);
    Teksty();
    return true;
}

void TFormInj::Zmiana(int wiersz, int wartosc) {
    if (!edytor) return;
    edytor->UstawNastawe(PierwszaKorekta + wiersz, wartosc, 1);
    Teksty();
}

void TFormInj::Teksty() {
    for (int k = 0; k < Wierszy; ++k)
        pola[size_t(k)]->setText(edytor->StrWartosc(PierwszaKorekta + k));
}
