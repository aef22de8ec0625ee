#include "ListaWykresow.h"

#include "Kontrolki.h"
#include "Paleta.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QColorDialog>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

class TRysowanieListy : public QStyledItemDelegate {
public:
    explicit TRysowanieListy(TListaWykresow& l) : QStyledItemDelegate(&l), lista(l) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opcje,
               const QModelIndex& i) const override {
        const TPaleta& kolory = lista.Paleta();
        const QRect r = opcje.rect;
        const int w = lista.Wykres(i.row());
        const auto& wykresy = lista.Sterownik().Wykresy;
        if (w < 0 || w >= int(wykresy.size())) return;
        const TWykres& wykres = wykresy[std::size_t(w)];
        const bool rysowany = wykres.Widoki & TListaWykresow::Rysowany;
        p->save();
        p->fillRect(r, kolory.Tlo);
        p->setPen(kolory.KolorTekstu);
        if (i.column() == 0 && rysowany) {
            p->setBrush(QColor::fromRgb(QRgb(wykres.Kolor.rgb)));
            p->drawRect(r.adjusted(2, 2, -3, -3));
        } else if (i.column() == 1) {
            const QRect pole(r.right() + 1 - 18, r.top() + (r.height() - 14) / 2, 14, 14);
            p->setBrush(kolory.TloEdycji);
            p->drawRect(pole.adjusted(0, 0, -1, -1));
            if (rysowany) RysujPtaszek(*p, pole);
        } else if (i.column() == 2) {
            p->drawText(r.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                        i.data().toString());
        }
        p->restore();
    }

private:
    TListaWykresow& lista;
};

} // namespace

TListaWykresow::TListaWykresow(TSterownik& ster, const TTeksty& tek, const TPaleta& pal,
                               QWidget* rodzic)
    : QTableWidget(rodzic), s(ster), t(tek), p(pal) {
    PrzygotujSiatke(*this, QStringLiteral("StringGrid1"), 3);
    setItemDelegate(new TRysowanieListy(*this));
    WybierzKolor = [this](const QColor& c) { return QColorDialog::getColor(c, this); };
}

int TListaWykresow::Wykres(int wiersz) const {
    return s.PodajPozycje(Widok, wiersz);
}

void TListaWykresow::Przebuduj() {
    const int ile = s.PodajIleParamBiez(Widok);
    setRowCount(ile);
    const int wysokosc = ile > 0 ? std::clamp(height() / ile, 18, 22) : 18;
    verticalHeader()->setDefaultSectionSize(wysokosc);
    for (int w = 0; w < ile; ++w) {
        setRowHeight(w, wysokosc);
        const int i = Wykres(w);
        const QString nazwa = QLatin1Char(' ') + t.PodajTekst(s.Wykresy[std::size_t(i)].Tekst);
        if (QTableWidgetItem* k = item(w, 2))
            k->setText(nazwa);
        else
            setItem(w, 2, new QTableWidgetItem(nazwa));
    }
    setColumnWidth(0, wysokosc);
    setColumnWidth(1, wysokosc);
    setColumnWidth(2, std::max(0, width() - 2 * wysokosc - 4));
    viewport()->update();
}

void TListaWykresow::mousePressEvent(QMouseEvent* zdarzenie) {
    const QModelIndex i = indexAt(zdarzenie->position().toPoint());
    if (!i.isValid() || zdarzenie->button() != Qt::LeftButton) return;
    const int n = Wykres(i.row());
    if (n < 0 || n >= int(s.Wykresy.size())) return;
    TWykres& w = s.Wykresy[std::size_t(n)];
    if (i.column() == 0 && (w.Widoki & Rysowany)) {
        const QColor nowy = WybierzKolor(QColor::fromRgb(QRgb(w.Kolor.rgb)));
        if (nowy.isValid()) w.Kolor = TKolor{nowy.rgb() & 0xFFFFFFu};
    } else {
        w.Widoki ^= Rysowany;
    }
    viewport()->update();
    if (PoZmianie) PoZmianie();
}

void TListaWykresow::resizeEvent(QResizeEvent* zdarzenie) {
    QTableWidget::resizeEvent(zdarzenie);
    Przebuduj();
}
