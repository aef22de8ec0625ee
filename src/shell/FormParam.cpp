#include "FormParam.h"

#include "Kontrolki.h"
#include "Paleta.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int WysokoscWiersza = 24;

class TRysowanieTabeli : public QStyledItemDelegate {
public:
    explicit TRysowanieTabeli(TFormParam& f, QObject* rodzic)
        : QStyledItemDelegate(rodzic), forma(f) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opcje,
               const QModelIndex& i) const override {
        const TPaleta* kolory = forma.Paleta();
        if (!kolory) return;
        const QRect r = opcje.rect;
        p->save();
        p->fillRect(r, kolory->Tlo);
        if (i.column() == 0) {
            const QRect pole = r.adjusted(2, 2, -3, -3);
            p->setPen(kolory->KolorTekstu);
            p->setBrush(kolory->TloEdycji);
            p->drawRect(pole);
            if (!i.data().toString().isEmpty()) RysujPtaszek(*p, pole);
        } else {
            p->setPen(kolory->KolorDialogu);
            p->drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                        i.data().toString());
        }
        p->restore();
    }

private:
    TFormParam& forma;
};

} // namespace

TFormParam::TFormParam(TSterownik& ster, const TTeksty& tek, QWidget* rodzic)
    : QDialog(rodzic), s(ster), t(tek), siatka(new QTableWidget(this)) {
    setObjectName(QStringLiteral("FormParam"));
    resize(320, 460);
    siatka->setObjectName(QStringLiteral("StringGrid1"));
    siatka->setColumnCount(2);
    siatka->horizontalHeader()->hide();
    siatka->verticalHeader()->hide();
    siatka->verticalHeader()->setDefaultSectionSize(WysokoscWiersza);
    siatka->setShowGrid(false);
    siatka->setSelectionMode(QAbstractItemView::NoSelection);
    siatka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    siatka->setColumnWidth(0, 24);
    QFont gruba = siatka->font();
    gruba.setPointSize(10);
    gruba.setBold(true);
    siatka->setFont(gruba);
    siatka->setItemDelegate(new TRysowanieTabeli(*this, siatka));
    connect(siatka, &QTableWidget::cellClicked, this, [this](int w, int) { Klik(w); });
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(siatka);
    zamknij = PrzyciskZamkniecia(*this, *uklad);
}

void TFormParam::Przygotuj(const TPaleta& p, const QString& tytul) {
    paleta = &p;
    UstawTlo(this, p.Tlo, p.KolorDialogu);
    setWindowTitle(tytul);
    zamknij->setText(t.PodajTekst(2205));
}

int TFormParam::Wykres(int wiersz) const {
    return s.PodajPozycje(Oferowane, wiersz);
}

void TFormParam::Przebuduj() {
    const int ile = s.PodajIleParamBiez(Oferowane);
    siatka->setRowCount(ile);
    for (int w = 0; w < ile; ++w) {
        const TWykres& wykres = s.Wykresy[std::size_t(Wykres(w))];
        const QString tick = (wykres.Widoki & Pokazywane) ? QStringLiteral("v") : QString();
        const QString nazwa = QLatin1Char(' ') + t.PodajTekst(wykres.Tekst);
        for (const auto& [k, tekst] : {std::pair{0, tick}, std::pair{1, nazwa}}) {
            if (QTableWidgetItem* it = siatka->item(w, k))
                it->setText(tekst);
            else
                siatka->setItem(w, k, new QTableWidgetItem(tekst));
        }
    }
    siatka->viewport()->update();
}

void TFormParam::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    Przebuduj();
    resize(width(), siatka->rowCount() * (WysokoscWiersza + 1));
}

void TFormParam::resizeEvent(QResizeEvent* zdarzenie) {
    QDialog::resizeEvent(zdarzenie);
    siatka->setColumnWidth(1, std::max(0, siatka->width() - 24 - 32));
}

void TFormParam::Klik(int wiersz) {
    const int i = Wykres(wiersz);
    if (i < 0 || i >= int(s.Wykresy.size())) return;
    TWykres& w = s.Wykresy[std::size_t(i)];
    w.Widoki ^= Pokazywane;
    w.Ostatnia = 0.0001;
    Przebuduj();
}
