#include "Kontrolki.h"

#include "Kontrast.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QDialog>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVariant>

#include <algorithm>

TPanel::TPanel(const QString& nazwa, QWidget* rodzic, const QString& napis)
    : QLabel(napis, rodzic) {
    setObjectName(nazwa);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void TPanel::UstawKolory(const QColor& tlo, const QColor& tekst) {
    UstawTlo(this, tlo, Kontrast::Czytelny(tekst, tlo));
}

QColor TPanel::Tlo() const {
    return palette().color(QPalette::Window);
}

QColor TPanel::KolorTekstu() const {
    return palette().color(QPalette::WindowText);
}

void TPanel::mousePressEvent(QMouseEvent* zdarzenie) {
    if (NaKlik && zdarzenie->button() == Qt::LeftButton) {
        NaKlik();
        return;
    }
    QLabel::mousePressEvent(zdarzenie);
}

int Tag(const QObject* obiekt) {
    return obiekt->property("Tag").toInt();
}

void UstawTag(QObject* obiekt, int tag) {
    obiekt->setProperty("Tag", tag);
}

QToolButton* NowyPrzycisk(const QString& nazwa, QWidget* rodzic, const QString& napis, int tag,
                          bool przelacznik) {
    auto* p = new QToolButton(rodzic);
    p->setObjectName(nazwa);
    p->setText(napis);
    p->setCheckable(przelacznik);
    // Buttons never hold the focus: the window's keys must reach the window.
    p->setFocusPolicy(Qt::NoFocus);
    UstawTag(p, tag);
    return p;
}

void UstawKolorNapisu(QAbstractButton* przycisk, const QColor& kolor) {
    QPalette p = przycisk->palette();
    const QColor czytelny = Kontrast::Czytelny(kolor, p.color(QPalette::Button));
    p.setColor(QPalette::ButtonText, czytelny);
    p.setColor(QPalette::WindowText, czytelny);
    przycisk->setPalette(p);
}

QColor KolorNapisu(const QAbstractButton* przycisk) {
    return przycisk->palette().color(QPalette::ButtonText);
}

void UstawTlo(QWidget* w, const QColor& tlo, const QColor& tekst) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, tlo);
    p.setColor(QPalette::WindowText, tekst);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

namespace {

QBoxLayout* Uklad(QWidget* w, QBoxLayout::Direction kierunek) {
    auto* l = new QBoxLayout(kierunek, w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    return l;
}

} // namespace

QBoxLayout* UkladPionowy(QWidget* w) {
    return Uklad(w, QBoxLayout::TopToBottom);
}

QBoxLayout* UkladPoziomy(QWidget* w) {
    return Uklad(w, QBoxLayout::LeftToRight);
}

QPushButton* PrzyciskZamkniecia(QDialog& okno, QBoxLayout& uklad) {
    auto* rzad = new QHBoxLayout;
    rzad->setContentsMargins(4, 4, 4, 4);
    rzad->addStretch(1);
    auto* zamknij = Nowy<QPushButton>(QStringLiteral("BtnZamknij"), &okno);
    zamknij->setAutoDefault(false);
    QObject::connect(zamknij, &QPushButton::clicked, &okno, &QDialog::reject);
    rzad->addWidget(zamknij);
    uklad.addLayout(rzad);
    return zamknij;
}

void PrzygotujSiatke(QTableWidget& siatka, const QString& nazwa, int kolumny) {
    siatka.setObjectName(nazwa);
    siatka.setColumnCount(kolumny);
    siatka.horizontalHeader()->hide();
    siatka.verticalHeader()->hide();
    // Hidden headers still hold columns and rows to a font-sized minimum.
    siatka.horizontalHeader()->setMinimumSectionSize(1);
    siatka.verticalHeader()->setMinimumSectionSize(1);
    siatka.setShowGrid(false);
    siatka.setSelectionMode(QAbstractItemView::NoSelection);
    siatka.setEditTriggers(QAbstractItemView::NoEditTriggers);
    siatka.setFocusPolicy(Qt::NoFocus);
    siatka.setFrameShape(QFrame::NoFrame);
    siatka.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void RysujPtaszek(QPainter& p, const QRect& pole) {
    p.save();
    // Inside the box's edge line, whatever the pen's width does at the ends.
    const QRect wnetrze = pole.adjusted(1, 1, -1, -1);
    p.setClipRect(wnetrze);
    p.setRenderHint(QPainter::Antialiasing);
    const double grubosc = std::max(2.0, pole.width() / 7.0);
    p.setPen(QPen(QColor(0x00, 0x80, 0x00), grubosc, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF r(wnetrze);
    const auto punkt = [&r](double x, double y) {
        return QPointF(r.left() + x * r.width(), r.top() + y * r.height());
    };
    const QPointF ptaszek[] = {punkt(0.2, 0.5), punkt(0.42, 0.74), punkt(0.8, 0.24)};
    p.drawPolyline(ptaszek, 3);
    p.restore();
}

QFont Czcionka(const QFont& baza, int rozmiar, bool gruba) {
    QFont f(baza);
    f.setPointSize(rozmiar);
    f.setBold(gruba);
    return f;
}
