#include "FormLevel.h"

#include "Strzalki.h"
#include "TNastawy.h"
#include "TSterownik.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor Szary(0xA0, 0xA0, 0xA4), Zielony(0x00, 0xA0, 0x00), Czerwony(0xC8, 0x00, 0x00);
// The live request that carries the level sensor's reading.
constexpr int FlagaPoziomu = 0x2;

void Pomaluj(QFrame* f, const QColor& c) {
    f->setStyleSheet(QStringLiteral("background: %1; border: 1px solid black;").arg(c.name()));
    f->setProperty("kolor", c);
}

} // namespace

TFormLevel::TFormLevel(TSterownik& sterownik, QWidget* rodzic) : TDialogNastaw(sterownik, rodzic) {
    setObjectName(QStringLiteral("FormLevel"));
    setFixedSize(600, 400);
    // Top down: levels 4 to 1, then the reserve, each followed by its threshold.
    const char* nazwy[] = {"ShapeR", "Shape1", "Shape2", "Shape3", "Shape4"};
    for (int i = 4; i >= 0; --i) {
        auto* f = new QFrame(this);
        f->setObjectName(QLatin1String(nazwy[i]));
        f->setGeometry(30, 30 + (4 - i) * 72, 40, 30);
        lampki[size_t(i)] = f;
    }
    for (int k = 0; k < 4; ++k) { // setting 44 - k, between lamp k and lamp k + 1
        const int nastawa = 44 - k;
        const int y = 30 + (3 - k) * 72 + 40;
        pola[size_t(k)] = PoleWartosci(k + 1, QRect(90, y, 110, 26));
        strzalki[size_t(k)] =
            Strzalki(k + 1, QPoint(202, y), 26, [this, nastawa](int v) { Krok(nastawa, v); });
        strzalki[size_t(k)]->UstawZakres(0, 255);
    }
    // Column headings; the thresholds' names their unit.
    Etykieta(QStringLiteral("LabelLampki"))->setGeometry(20, 4, 66, 22);
    Etykieta(QStringLiteral("LabelProgi"))->setGeometry(90, 4, 200, 22);
    Etykieta(QStringLiteral("Label1"))->setGeometry(320, 20, 260, 24);
    comboBox1 = new QComboBox(this);
    comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1->setGeometry(320, 48, 260, 26);
    connect(comboBox1, &QComboBox::activated, this, &TFormLevel::Typ);
    Etykieta(QStringLiteral("Label2"))->setGeometry(320, 100, 260, 24);
    edit5 = new QLineEdit(this);
    edit5->setObjectName(QStringLiteral("Edit5"));
    edit5->setReadOnly(true);
    edit5->setGeometry(320, 128, 100, 26);
    Etykieta(QStringLiteral("Label3"))->setGeometry(426, 128, 60, 26);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(490, 360, 90, 30);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool TFormLevel::Wypelnij() {
    s.FlagiParam |= FlagaPoziomu;
    ostatnieLampki = ostatnieNapiecie = 255;
    findChild<QLabel*>(QStringLiteral("Label1"))->setText(edytor->StrNazwa(40));
    findChild<QLabel*>(QStringLiteral("Label2"))->setText(T(1373));
    findChild<QLabel*>(QStringLiteral("Label3"))->setText(T(1050));
    findChild<QLabel*>(QStringLiteral("LabelLampki"))->setText(T(2118));
    findChild<QLabel*>(QStringLiteral("LabelProgi"))->setText(T(2119) + QLatin1Char(' ') + T(1050));
    const TNastawa& n = s.ListaNastaw[40];
    comboBox1->clear();
    for (int v = n.Min; v <= n.Max; ++v)
        comboBox1->addItem(edytor->StrWartosc(40, v));
    comboBox1->setCurrentIndex(s.Nastawy[40] - n.Min);
    for (QFrame* f : lampki)
        Pomaluj(f, Szary);
    edit5->clear();
    WezProgi();
    Sprawdz();
    return true;
}

void TFormLevel::done(int wynik) {
    s.FlagiParam &= ~FlagaPoziomu;
    TDialogNastaw::done(wynik);
}

void TFormLevel::Typ(int pozycja) {
    edytor->UstawNastawe(40, pozycja + s.ListaNastaw[40].Min, 1);
    // The thresholds follow the type.
    WezProgi();
    Sprawdz();
}

void TFormLevel::WezProgi() {
    for (int k = 0; k < 4; ++k)
        strzalki[size_t(k)]->UstawWartosc(s.Nastawy[44 - k]);
}

void TFormLevel::Krok(int nastawa, int wartosc) {
    if (!edytor) return;
    if (wartosc != s.Nastawy[nastawa]) edytor->UstawNastawe(nastawa, wartosc, 1);
    Sprawdz();
}

// Growing sensors need 44 <= 43 <= 42 <= 41, falling ones the reverse; a box shows red
// when a pair it belongs to is out of order.
void TFormLevel::Sprawdz() {
    const bool rosnacy = s.Nastawy[40] == 0 || s.Nastawy[40] == 2;
    const auto zle = [&](int pierwsza, int druga) {
        return rosnacy ? s.Nastawy[druga] < s.Nastawy[pierwsza]
                       : s.Nastawy[pierwsza] < s.Nastawy[druga];
    };
    const bool a = zle(44, 43), b = zle(43, 42), c = zle(42, 41);
    const bool czerwone[] = {a, a || b, b || c, c}; // settings 44, 43, 42, 41
    for (int k = 0; k < 4; ++k) {
        pola[size_t(k)]->setText(edytor->StrWartosc(44 - k));
        QPalette p = pola[size_t(k)]->palette();
        p.setColor(QPalette::Text, czerwone[k] ? QColor(Qt::red) : QColor(Qt::black));
        pola[size_t(k)]->setPalette(p);
    }
}

void TFormLevel::BrakLacza() {
    ostatnieLampki = ostatnieNapiecie = 255;
    for (QFrame* f : lampki)
        Pomaluj(f, Szary);
    edit5->setText(QStringLiteral("-"));
}

void TFormLevel::RamkaBiezaca(const unsigned char* r) {
    if (!isVisible()) return;
    if (r[13] != ostatnieLampki) {
        ostatnieLampki = r[13];
        for (int poziom = 1; poziom <= 4; ++poziom)
            Pomaluj(lampki[size_t(poziom)], (r[13] >> (poziom + 1)) & 1 ? Zielony : Szary);
        Pomaluj(lampki[0], r[13] & 0x2 ? Zielony : r[13] & 0x1 ? Czerwony : Szary);
    }
    if (r[50] != ostatnieNapiecie) {
        ostatnieNapiecie = r[50];
        edit5->setText(QLocale().toString(r[50] * 0.02, 'f', 2));
    }
}
