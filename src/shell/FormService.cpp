#include "FormService.h"

#include "CzekanieNaOdczyt.h"
#include "Kontrolki.h"
#include "Paleta.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int BlokNastaw = 0x1;
constexpr int NastawaPrzypomnienia = 100;
// The service interval is chosen in km and kept in gas hours, at 50 km an hour.
constexpr int KmNaGodzine = 50;

QLineEdit* Pole(const QString& nazwa, QWidget* rodzic) {
    auto* p = Nowy<QLineEdit>(nazwa, rodzic);
    p->setReadOnly(true);
    return p;
}

} // namespace

TFormService::TFormService(TSterownik& ster, const TTeksty& tek, QWidget* rodzic)
    : QDialog(rodzic), s(ster), t(tek) {
    setObjectName(QStringLiteral("FormService"));
    resize(600, 480);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(ZbudujStatystyke(), 1);
    uklad->addWidget(ZbudujPrzeglad());
    zamknij = PrzyciskZamkniecia(*this, *uklad);
    czekanie = new TCzekanieNaOdczyt(*this, s, [this] { Wypelnij(); });
}

QWidget* TFormService::ZbudujStatystyke() {
    groupBox1 = Nowy<QGroupBox>(QStringLiteral("GroupBox1"), this);
    auto* siatka = new QGridLayout(groupBox1);
    label1 = Nowy<QLabel>(QStringLiteral("Label1"), groupBox1);
    label2 = Nowy<QLabel>(QStringLiteral("Label2"), groupBox1);
    label3 = Nowy<QLabel>(QStringLiteral("Label3"), groupBox1);
    edit1 = Pole(QStringLiteral("Edit1"), groupBox1);
    edit2 = Pole(QStringLiteral("Edit2"), groupBox1);
    edit3 = Pole(QStringLiteral("Edit3"), groupBox1);
    siatka->addWidget(label1, 0, 0);
    siatka->addWidget(edit1, 0, 1);
    siatka->addWidget(label2, 1, 0);
    siatka->addWidget(edit2, 1, 1);
    siatka->addWidget(label3, 2, 0);
    siatka->addWidget(edit3, 2, 1);
    stringGrid1 = Nowy<QTableWidget>(QStringLiteral("StringGrid1"), groupBox1);
    stringGrid1->setColumnCount(6);
    stringGrid1->setRowCount(33);
    stringGrid1->verticalHeader()->hide();
    stringGrid1->horizontalHeader()->hide();
    stringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int w = 0; w < 33; ++w)
        for (int k = 0; k < 6; ++k)
            stringGrid1->setItem(w, k, new QTableWidgetItem);
    siatka->addWidget(stringGrid1, 3, 0, 1, 2);
    return groupBox1;
}

QWidget* TFormService::ZbudujPrzeglad() {
    groupBox2 = Nowy<QGroupBox>(QStringLiteral("GroupBox2"), this);
    auto* siatka = new QGridLayout(groupBox2);
    label4 = Nowy<QLabel>(QStringLiteral("Label4"), groupBox2);
    edit5 = Pole(QStringLiteral("Edit5"), groupBox2);
    checkBox1 = Nowy<QCheckBox>(QStringLiteral("CheckBox1"), groupBox2);
    label5 = Nowy<QLabel>(QStringLiteral("Label5"), groupBox2);
    comboBox1 = Nowy<QComboBox>(QStringLiteral("ComboBox1"), groupBox2);
    for (int km = 1000; km <= 25000; km += 1000)
        comboBox1->addItem(QStringLiteral("%1").arg(km, 5));
    comboBox1->setCurrentText(QStringLiteral("10000"));
    label6 = Nowy<QLabel>(QStringLiteral("Label6"), groupBox2);
    bitBtn2 = Nowy<QPushButton>(QStringLiteral("BitBtn2"), groupBox2);
    bitBtn3 = Nowy<QPushButton>(QStringLiteral("BitBtn3"), groupBox2);
    bitBtn3->setText(QStringLiteral("+1h"));
    siatka->addWidget(label4, 0, 0);
    siatka->addWidget(edit5, 0, 1);
    siatka->addWidget(checkBox1, 0, 2, 1, 2);
    siatka->addWidget(label5, 1, 0);
    siatka->addWidget(comboBox1, 1, 1);
    siatka->addWidget(label6, 1, 2);
    siatka->addWidget(bitBtn2, 1, 3);
    siatka->addWidget(bitBtn3, 1, 4);
    connect(checkBox1, &QCheckBox::clicked, this, [this] { Przypomnienie(); });
    connect(bitBtn2, &QPushButton::clicked, this,
            [this] { UstawPrzeglad((comboBox1->currentIndex() + 1) * 1000 / KmNaGodzine); });
    connect(bitBtn3, &QPushButton::clicked, this, [this] { UstawPrzeglad(1); });
    return groupBox2;
}

void TFormService::Przygotuj(const TPaleta& paleta, const QString& tytul) {
    UstawTlo(this, paleta.Tlo, paleta.KolorDialogu);
    setWindowTitle(tytul);
    groupBox1->setTitle(QLatin1Char(' ') + t.PodajTekst(1341) + QLatin1Char(' '));
    groupBox2->setTitle(QLatin1Char(' ') + t.PodajTekst(1342) + QLatin1Char(' '));
    label1->setText(t.PodajTekst(1343));
    label2->setText(t.PodajTekst(1344));
    label3->setText(t.PodajTekst(1345));
    label4->setText(t.PodajTekst(1352));
    label5->setText(t.PodajTekst(1353));
    label6->setText(t.PodajTekst(1058));
    checkBox1->setText(t.PodajTekst(1355));
    bitBtn2->setText(t.PodajTekst(1354));
    zamknij->setText(t.PodajTekst(2205));
    for (int k = 0; k < 5; ++k)
        stringGrid1->item(0, k)->setText(t.PodajTekst(1347 + k));
    stringGrid1->item(0, 5)->setText(t.PodajTekst(1346));
    for (int k = 0; k < 6; ++k) {
        stringGrid1->item(0, k)->setBackground(paleta.Tlo);
        stringGrid1->item(0, k)->setForeground(paleta.KolorDialogu);
    }
}

void TFormService::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    Wypelnij();
    czekanie->Start();
}

void TFormService::Wypelnij() {
    edit1->setText(s.StrCzasNaBenzynie());
    edit2->setText(s.StrCzasNaGazie());
    edit3->setText(s.StrIdentWlasny());
    for (int wpis = 0; wpis < 32; ++wpis)
        for (unsigned k = 0; k < 6; ++k)
            stringGrid1->item(wpis + 1, int(k))->setText(s.StrHistoria(k, wpis));
    edit5->setText(s.StrCzasPrzegladu());
    checkBox1->setChecked(s.Nastawy[NastawaPrzypomnienia] != 0);
    edit5->setEnabled(checkBox1->isChecked());
}

void TFormService::Przypomnienie() {
    s.Nastawy[NastawaPrzypomnienia] = s.Nastawy[NastawaPrzypomnienia] ? 0 : 1;
    checkBox1->setChecked(s.Nastawy[NastawaPrzypomnienia] != 0);
    edit5->setEnabled(checkBox1->isChecked());
    s.ZapiszDoSterownika(BlokNastaw);
}

void TFormService::UstawPrzeglad(int godziny) {
    s.UstawPrzeglad(godziny);
    edit5->setText(s.StrCzasPrzegladu());
    checkBox1->setChecked(true);
    edit5->setEnabled(true);
}
