#include "Kontrolki.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>
#include <QToolButton>
#include <QVariant>

TPanel::TPanel(const QString& nazwa, QWidget* rodzic, const QString& napis)
    : QLabel(napis, rodzic) {
    setObjectName(nazwa);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void TPanel::UstawKolory(const QColor& tlo, const QColor& tekst) {
    UstawTlo(this, tlo, tekst);
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
    p.setColor(QPalette::ButtonText, kolor);
    p.setColor(QPalette::WindowText, kolor);
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

void RysujPtaszek(QPainter& p, int x, int y, int dx) {
    p.setPen(QPen(QColor(0x00, 0x80, 0x00), 3));
    p.drawPolyline(
        QPolygon({QPoint(x + dx, y + 6), QPoint(x + dx + 5, y + 12), QPoint(x + dx + 12, y - 1)}));
}

QFont Czcionka(const QFont& baza, int rozmiar, bool gruba) {
    QFont f(baza);
    f.setPointSize(rozmiar);
    f.setBold(gruba);
    return f;
}
