#include "FormCal.h"

#include "KalkulatorDysz.h"
#include "TNastawy.h"
#include "TSterownik.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

TFormCal::TFormCal(TSterownik& sterownik, QWidget* rodzic) : TDialogNastaw(sterownik, rodzic) {
    setObjectName(QStringLiteral("FormCal"));
    setFixedSize(520, 460);
    groupBox1 = new QGroupBox(this);
    groupBox1->setObjectName(QStringLiteral("GroupBox1"));
    groupBox1->setGeometry(10, 10, 500, 150);
    groupBox2 = new QGroupBox(this);
    groupBox2->setObjectName(QStringLiteral("GroupBox2"));
    groupBox2->setGeometry(10, 170, 500, 150);
    groupBox3 = new QGroupBox(this);
    groupBox3->setObjectName(QStringLiteral("GroupBox3"));
    groupBox3->setGeometry(10, 330, 500, 80);
    const auto etykieta = [this](const QString& nazwa, int x, int y, int id) {
        QLabel* l = Etykieta(nazwa);
        l->setGeometry(x, y, 230, 24);
        l->setProperty("tekst", id);
        return l;
    };
    etykieta(QStringLiteral("Label1"), 24, 36, 1383);
    etykieta(QStringLiteral("Label2"), 24, 76, 1384);
    etykieta(QStringLiteral("Label3"), 24, 116, 1385);
    etykieta(QStringLiteral("LabelA"), 440, 116, 1051)->setFixedWidth(60);
    label4 = etykieta(QStringLiteral("Label4"), 24, 196, 0);
    label5 = etykieta(QStringLiteral("Label5"), 24, 236, 0);
    label6 = etykieta(QStringLiteral("Label6"), 24, 276, 0);
    etykieta(QStringLiteral("Label7"), 24, 356, 1386);
    labelB = etykieta(QStringLiteral("LabelB"), 340, 356, 1052);
    etykieta(QStringLiteral("Label8"), 24, 384, 1387)->setFixedWidth(480);
    upDown1 = new QSpinBox(this);
    upDown1->setObjectName(QStringLiteral("UpDown1"));
    upDown1->setRange(25, 1000);
    upDown1->setValue(100);
    upDown1->setGeometry(260, 36, 100, 26);
    comboBox1 = Lista(QStringLiteral("ComboBox1"), 370, 36, 130);
    comboBox2 = Lista(QStringLiteral("ComboBox2"), 260, 76, 100);
    for (const char* c : {"1", "2", "3", "4", "5", "6", "8", "10", "12"})
        comboBox2->addItem(QLatin1String(c));
    comboBox2->setCurrentIndex(3);
    comboBox3 = Lista(QStringLiteral("ComboBox3"), 260, 116, 100);
    for (int i = 0; i < 14; ++i)
        comboBox3->addItem(QString::number(0.9 + i * 0.1, 'f', 2));
    comboBox4 = Lista(QStringLiteral("ComboBox4"), 260, 196, 240);
    comboBox5 = Lista(QStringLiteral("ComboBox5"), 260, 236, 240);
    comboBox6 = Lista(QStringLiteral("ComboBox6"), 260, 276, 240);
    edit2 = new QLineEdit(this);
    edit2->setObjectName(QStringLiteral("Edit2"));
    edit2->setReadOnly(true);
    edit2->setGeometry(260, 356, 76, 26);
    edit2->setStyleSheet(QStringLiteral("background: rgb(255, 235, 172); color: black;"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(410, 420, 100, 30);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(upDown1, &QSpinBox::valueChanged, this, &TFormCal::Oblicz);
}

QComboBox* TFormCal::Lista(const QString& nazwa, int x, int y, int szerokosc) {
    auto* l = new QComboBox(this);
    l->setObjectName(nazwa);
    l->setGeometry(x, y, szerokosc, 26);
    connect(l, &QComboBox::currentIndexChanged, this, &TFormCal::Oblicz);
    return l;
}

// The setting's option texts from its minimum up, positioned at its value.
void TFormCal::Opcje(QComboBox* lista, int indeks) {
    const QSignalBlocker cisza(lista);
    const TNastawa& n = s.ListaNastaw[indeks];
    lista->clear();
    for (int v = n.Min; v <= n.Max; ++v)
        lista->addItem(edytor->StrWartosc(indeks, v));
    lista->setCurrentIndex(s.Nastawy[indeks] - n.Min);
}

bool TFormCal::Wypelnij() {
    groupBox1->setTitle(QLatin1Char(' ') + T(1381) + QLatin1Char(' '));
    groupBox2->setTitle(QLatin1Char(' ') + T(1382) + QLatin1Char(' '));
    for (QLabel* l : findChildren<QLabel*>())
        if (const int id = l->property("tekst").toInt()) l->setText(T(id));
    label4->setText(edytor->StrNazwa(20));
    label5->setText(edytor->StrNazwa(8));
    label6->setText(edytor->StrNazwa(24));
    {
        const QSignalBlocker cisza(comboBox1);
        comboBox1->clear();
        comboBox1->addItems({T(1060), T(1061)});
        comboBox1->setCurrentIndex(0);
        const QSignalBlocker cisza3(comboBox3);
        comboBox3->setCurrentIndex(PozycjaCisnienia(s.Nastawy[86]));
    }
    Opcje(comboBox4, 20);
    Opcje(comboBox5, 8);
    Opcje(comboBox6, 24);
    Oblicz();
    return true;
}

void TFormCal::Oblicz() {
    if (!edytor) return;
    TDaneKalkulatora d;
    d.moc = upDown1->value();
    d.kilowaty = comboBox1->currentIndex() == 1;
    d.cylindry = comboBox2->currentIndex();
    d.cisnienie = comboBox3->currentIndex();
    d.cng = comboBox4->currentIndex() > 0;
    d.wtrysk = comboBox5->currentIndex();
    d.model = comboBox6->currentIndex() + s.ListaNastaw[24].Min;
    edit2->setText(WynikKalkulatora(d));
    labelB->setVisible(!WynikJestKlasa(d.model));
}
