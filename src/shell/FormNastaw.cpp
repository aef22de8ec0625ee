#include "FormNastaw.h"

#include "Strzalki.h"
#include "TNastawy.h"
#include "TSterownik.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int Glosnosc = 98;
}

TFormNastaw::TFormNastaw(TSterownik& sterownik, QWidget* rodzic)
    : TDialogNastaw(sterownik, rodzic) {
    setObjectName(QStringLiteral("FormNastaw"));
    setFixedSize(420, 208);
    for (int k = 0; k < 3; ++k) {
        const int y = 20 + k * 50;
        etykiety[size_t(k)] = Etykieta(QStringLiteral("Label%1").arg(k + 1));
        // Names of two lines wrap rather than run under the value box.
        etykiety[size_t(k)]->setGeometry(12, y - 8, 220, 42);
        etykiety[size_t(k)]->setWordWrap(true);
        pola[size_t(k)] = PoleWartosci(k + 1, QRect(240, y, 90, 26));
        strzalki[size_t(k)] = Strzalki(k + 1, QPoint(332, y), 26, [this, k](int v) { Krok(k, v); });
    }
    comboBox1 = new QComboBox(this);
    comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1->setGeometry(240, 20, 166, 26);
    connect(comboBox1, &QComboBox::activated, this, &TFormNastaw::Wybor);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(316, 170, 90, 30);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool TFormNastaw::Wypelnij() {
    struct TGrupa {
        int klucz;
        std::array<int, 3> nastawy;
        std::array<QString, 3> etykiety;
        int opcji; // choice list values 0..opcji-1, 0 none
    };
    const auto N = [this](int i) { return edytor->StrNazwa(i); };
    const TGrupa grupy[] = {
        {57, {0, 58, 0}, {N(57), N(58) + QLatin1Char(' ') + T(1054), QString()}, 3},
        {63,
         {63, 64, 69},
         {N(63) + QLatin1Char(' ') + T(1051), N(64) + QLatin1Char(' ') + T(1055), N(69)},
         0},
        {96, {0, 99, 98}, {N(96), N(99), N(98)}, 4},
    };
    const TGrupa* g = nullptr;
    for (const TGrupa& kandydat : grupy)
        if (kandydat.klucz == Klucz) g = &kandydat;
    if (!g) return false;
    nastawy = g->nastawy;
    for (int k = 0; k < 3; ++k) {
        etykiety[size_t(k)]->setText(g->etykiety[size_t(k)]);
        const bool uzyty = nastawy[size_t(k)] != 0;
        const bool wiersz = uzyty || (k == 0 && g->opcji > 0);
        etykiety[size_t(k)]->setVisible(wiersz);
        pola[size_t(k)]->setVisible(uzyty);
        strzalki[size_t(k)]->setVisible(uzyty);
        const TNastawa& n = s.ListaNastaw[nastawy[size_t(k)]];
        strzalki[size_t(k)]->UstawZakres(n.Min, n.Max);
        strzalki[size_t(k)]->UstawWartosc(s.Nastawy[nastawy[size_t(k)]]);
    }
    comboBox1->setVisible(g->opcji > 0);
    comboBox1->clear();
    for (int v = 0; v < g->opcji; ++v)
        comboBox1->addItem(edytor->StrWartosc(Klucz, v));
    // A stored value the list does not hold leaves it without a selection.
    comboBox1->setCurrentIndex(s.Nastawy[Klucz] < g->opcji ? s.Nastawy[Klucz] : -1);
    Teksty();
    return true;
}

void TFormNastaw::Wybor(int pozycja) {
    edytor->UstawNastawe(Klucz, pozycja, 1);
}

void TFormNastaw::Krok(int wiersz, int wartosc) {
    const int nastawa = nastawy[size_t(wiersz)];
    if (!edytor || nastawa == 0 || wartosc == s.Nastawy[nastawa]) return;
    edytor->UstawNastawe(nastawa, wartosc, 1);
    // The new volume is heard at once.
    if (nastawa == Glosnosc) s.TestGlosnika = 1;
    Teksty();
}

void TFormNastaw::Teksty() {
    for (int k = 0; k < 3; ++k)
        if (nastawy[size_t(k)] != 0)
            pola[size_t(k)]->setText(edytor->StrWartosc(nastawy[size_t(k)]));
}
