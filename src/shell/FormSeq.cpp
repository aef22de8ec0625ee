#include "FormSeq.h"

#include "TNastawy.h"
#include "TSterownik.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <bit>

namespace {

const QColor Krzyz(0xB4, 0, 0), Jasnoszary(0xE1, 0xE1, 0xE1);

void Krzyzyk(QPainter& p, const QRect& r) {
    p.setPen(QPen(Krzyz, 3));
    const QRect w = r.adjusted(4, 4, -4, -4);
    p.drawLine(w.topLeft(), w.bottomRight());
    p.drawLine(w.bottomLeft(), w.topRight());
}

} // namespace

TSiatkaKomorek::TSiatkaKomorek(const QString& nazwa, QWidget* rodzic) : QWidget(rodzic) {
    setObjectName(nazwa);
}

void TSiatkaKomorek::Wymiary(int k, int w) {
    kolumn = k;
    wierszy = w;
    resize(kolumn * (Komorka + 1), wierszy * (Komorka + 1));
    update();
}

QRect TSiatkaKomorek::ProstokatKomorki(int k, int w) const {
    return {k * (Komorka + 1), w * (Komorka + 1), Komorka, Komorka};
}

void TSiatkaKomorek::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::gray);
    for (int w = 0; w < wierszy; ++w)
        for (int k = 0; k < kolumn; ++k)
            if (RysujKomorke) RysujKomorke(p, k, w, ProstokatKomorki(k, w));
}

void TSiatkaKomorek::mousePressEvent(QMouseEvent* z) {
    const QPoint q = z->position().toPoint();
    const int k = q.x() / (Komorka + 1), w = q.y() / (Komorka + 1);
    if (Klik && k < kolumn && w < wierszy) Klik(k, w);
}

TFormSeq::TFormSeq(TSterownik& sterownik, QWidget* rodzic) : TDialogNastaw(sterownik, rodzic) {
    setObjectName(QStringLiteral("FormSeq"));
    setFixedSize(470, 520);
    for (int i = 1; i <= 7; ++i)
        Etykieta(QStringLiteral("Label%1").arg(i));
    findChild<QLabel*>(QStringLiteral("Label5"))->hide(); // painted upright beside the rows
    macierz = new TSiatkaKomorek(QStringLiteral("StringGrid1"), this);
    wylaczone = new TSiatkaKomorek(QStringLiteral("StringGrid2"), this);
    banki = new TSiatkaKomorek(QStringLiteral("StringGrid3"), this);
    macierz->RysujKomorke = [this](QPainter& p, int k, int w, const QRect& r) {
        RysujMacierz(p, k, w, r);
    };
    macierz->Klik = [this](int k, int w) { KlikMacierzy(k, w); };
    wylaczone->RysujKomorke = [this](QPainter& p, int k, int, const QRect& r) {
        p.fillRect(r, Qt::white);
        if (Wylaczony(k + 1)) Krzyzyk(p, r);
        p.setPen(kolorTekstu);
        p.drawText(r, Qt::AlignCenter, QString::number(k + 1));
    };
    wylaczone->Klik = [this](int k, int) { KlikWylaczonego(k); };
    banki->RysujKomorke = [this](QPainter& p, int k, int w, const QRect& r) {
        if (k == 0 || w == 0) {
            p.fillRect(r, palette().window());
            p.setPen(kolorTekstu);
            if (k != 0 || w != 0) p.drawText(r, Qt::AlignCenter, QString::number(k == 0 ? w : k));
            return;
        }
        const bool drugi = s.Nastawy[30] & (1 << (w - 1));
        p.fillRect(r, (k == 2) == drugi ? Qt::black : Qt::white);
    };
    banki->Klik = [this](int k, int w) { KlikBanku(k, w); };
    comboBox1 = new QComboBox(this);
    comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    comboBox2 = new QComboBox(this);
    comboBox2->setObjectName(QStringLiteral("ComboBox2"));
    connect(comboBox1, &QComboBox::activated, this, [this](int i) {
        edytor->UstawNastawe(8, i, 1);
        comboBox2->setCurrentIndex(i);
        update();
        macierz->update();
    });
    connect(comboBox2, &QComboBox::activated, this,
            [this](int i) { edytor->UstawNastawe(56, i, 1); });
    edit1 = new QLineEdit(this);
    edit1->setObjectName(QStringLiteral("Edit1"));
    edit1->setReadOnly(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(370, 480, 90, 30);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int TFormSeq::n() const {
    return s.LiczbaWtryskiwaczy;
}

bool TFormSeq::Wypelnij() {
    if (n() != 4 && n() != 6 && n() != 8) return false;
    const auto L = [this](int i) { return findChild<QLabel*>(QStringLiteral("Label%1").arg(i)); };
    L(1)->setText(T(1376));
    L(2)->setText(edytor->StrNazwa(8));
    L(3)->setText(edytor->StrNazwa(56));
    L(4)->setText(T(1249));
    L(5)->setText(T(1244));
    L(6)->setText(edytor->StrNazwa(31));
    L(7)->setText(T(1720));
    edit1->setText(T(1377));
    // The matrix moves right as the channels get fewer.
    const int przesuniecie = (8 - n()) / 2 * 28;
    macierz->Wymiary(n() + 1, n() + 1);
    macierz->move(40 + przesuniecie, 130);
    wylaczone->Wymiary(n(), 1);
    wylaczone->move(68 + przesuniecie, 426 - przesuniecie);
    L(6)->setGeometry(68 + przesuniecie, 404 - przesuniecie, 300, 22);
    L(4)->setGeometry(68 + przesuniecie, 108, 200, 22);
    banki->Wymiary(3, n() + 1);
    banki->move(370, 130);
    banki->setVisible(s.PlytkaV3);
    L(7)->setGeometry(370, 108, 90, 22);
    L(7)->setVisible(s.PlytkaV3);
    L(1)->setGeometry(10, 10, 250, 22);
    edit1->setGeometry(260, 10, 200, 26);
    L(2)->setGeometry(10, 44, 250, 22);
    comboBox1->setGeometry(260, 44, 200, 26);
    L(3)->setGeometry(10, 76, 250, 22);
    comboBox2->setGeometry(260, 76, 200, 26);
    for (const auto& [lista, nastawa] : {std::pair{comboBox1, 8}, {comboBox2, 56}}) {
        const TNastawa& r = s.ListaNastaw[nastawa];
        lista->clear();
        for (int v = r.Min; v <= r.Max; ++v)
            lista->addItem(edytor->StrWartosc(nastawa, v));
        lista->setCurrentIndex(s.Nastawy[nastawa] - r.Min);
    }
    return true;
}

bool TFormSeq::Przypisany(int wejscie, int wtryskiwacz) const {
    return s.Nastawy[31 + wejscie] & (1 << (wtryskiwacz - 1));
}

bool TFormSeq::Wylaczony(int wtryskiwacz) const {
    return s.Nastawy[31] & (1 << (wtryskiwacz - 1));
}

// The cell each gas injector has under the current injection type.
bool TFormSeq::Naturalna(int k, int w) const {
    switch (s.Nastawy[8]) {
    case 0:
        return w == k;
    case 1:
        return w == (k % 2 ? 1 : 2);
    default:
        return w == 1;
    }
}

void TFormSeq::RysujMacierz(QPainter& p, int k, int w, const QRect& r) {
    if (k > 0 && w > 0) {
        p.fillRect(r, Qt::white);
        if (Naturalna(k, w)) p.fillRect(r.adjusted(1, 1, -1, -1), Jasnoszary);
        if (Przypisany(w, k)) p.fillRect(r.adjusted(1, 1, -1, -1), Qt::black);
        return;
    }
    p.fillRect(r, palette().window());
    if (k == 0 && w == 0) return;
    const bool bezWejscia = k == 0 && s.Nastawy[31 + w] == 0;
    if ((w == 0 && Wylaczony(k)) || bezWejscia) Krzyzyk(p, r);
    p.setPen(kolorTekstu);
    p.drawText(r, Qt::AlignCenter, QString::number(k == 0 ? w : k));
}

void TFormSeq::paintEvent(QPaintEvent* zdarzenie) {
    TDialogNastaw::paintEvent(zdarzenie);
    QPainter p(this);
    const QString t = findChild<QLabel*>(QStringLiteral("Label5"))->text();
    const int x = 8 + (8 - n()) / 2 * 28, y = 280 - (8 - n()) / 2 * 28;
    p.translate(x + p.fontMetrics().ascent(), y + p.fontMetrics().horizontalAdvance(t) / 2);
    p.rotate(-90);
    p.setPen(kolorTekstu);
    p.drawText(0, 0, t);
}

// A gas injector belongs to one petrol input at most; its present cell takes it off.
void TFormSeq::KlikMacierzy(int k, int w) {
    if (k < 1 || w < 1) return;
    const unsigned char bit = static_cast<unsigned char>(1 << (k - 1));
    const bool byl = Przypisany(w, k);
    for (int r = 1; r <= 8; ++r)
        s.Nastawy[31 + r] &= static_cast<unsigned char>(~bit);
    s.MaskaWtryskiwaczy &= static_cast<unsigned char>(~bit);
    if (!byl) {
        s.Nastawy[31 + w] |= bit;
        s.MaskaWtryskiwaczy |= bit;
    }
    PoZmianie();
}

void TFormSeq::KlikWylaczonego(int j) {
    const unsigned char bit = static_cast<unsigned char>(1 << j);
    if (Wylaczony(j + 1)) {
        s.Nastawy[32 + j] |= bit;
        s.MaskaWtryskiwaczy |= bit;
    } else {
        for (int r = 1; r <= 8; ++r)
            s.Nastawy[31 + r] &= static_cast<unsigned char>(~bit);
        s.MaskaWtryskiwaczy &= static_cast<unsigned char>(~bit);
    }
    PoZmianie();
}

void TFormSeq::PoZmianie() {
    s.ZmianaWtryskiwaczy = 1;
    unsigned char suma = 0;
    for (int r = 1; r <= 8; ++r)
        suma |= s.Nastawy[31 + r];
    edytor->UstawNastawe(31, static_cast<unsigned char>(~suma), 1);
    update();
    macierz->update();
    wylaczone->update();
}

void TFormSeq::KlikBanku(int k, int w) {
    if (w < 1 || k < 1) return;
    const int bit = 1 << (w - 1);
    const int v = k == 2 ? s.Nastawy[30] | bit : s.Nastawy[30] & ~bit;
    edytor->UstawNastawe(30, v, 1);
    banki->update();
}

void TFormSeq::BrakLacza() {
    edit1->setText(QStringLiteral("-"));
}

void TFormSeq::RamkaBiezaca(const unsigned char* r) {
    if (!isVisible()) return;
    const int obroty = (r[17] | (r[18] << 8)) * 10;
    if (obroty >= 2000 || r[19] >= 60) return;
    const int maska = (1 << n()) - 1;
    const int j = std::popcount(unsigned(r[21] & maska));
    if (j == 0)
        edit1->setText(QStringLiteral("?%i"));
    else
        edit1->setText(edytor->StrWartosc(8, j == n() ? 2 : j == 1 ? 0 : 1));
    macierz->update();
}
