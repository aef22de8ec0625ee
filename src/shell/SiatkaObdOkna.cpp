#include "SiatkaObdOkna.h"

#include "Kontrast.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// The reader answers the text colour of each cell while it draws the grid.
class TRysowanieObd : public QStyledItemDelegate {
public:
    TRysowanieObd(const TSiatkaObdOkna& s, QObject* rodzic)
        : QStyledItemDelegate(rodzic), siatka(s) {}

protected:
    void initStyleOption(QStyleOptionViewItem* opcje, const QModelIndex& indeks) const override {
        QStyledItemDelegate::initStyleOption(opcje, indeks);
        if (const TObslugaSiatki* o = siatka.Obsluga())
            if (const auto k = o->MyGridPidyDrawCell(indeks.column(), indeks.row()))
                opcje->palette.setColor(QPalette::Text,
                                        Kontrast::Czytelny(QColor::fromRgb(QRgb(k->rgb)),
                                                           opcje->palette.color(QPalette::Base)));
    }

private:
    const TSiatkaObdOkna& siatka;
};

// Keys of the PID grid go to the reader; Enter as the reader knows it (13).
class TKlawiszeObd : public QObject {
public:
    TKlawiszeObd(const TSiatkaObdOkna& s, QTableWidget& t) : QObject(&t), siatka(s), tabela(t) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || !siatka.Obsluga() || !siatka.Zdarzenia()) return false;
        const int k = static_cast<QKeyEvent*>(e)->key();
        const int kod = k == Qt::Key_Return || k == Qt::Key_Enter ? 13 : k;
        siatka.Obsluga()->MyGridPidyKeyDown(kod, tabela.currentColumn(), tabela.currentRow());
        return false;
    }

private:
    const TSiatkaObdOkna& siatka;
    QTableWidget& tabela;
};

} // namespace

TSiatkaObdOkna::TSiatkaObdOkna(QTableWidget& s) : siatka(s) {
    siatka.setItemDelegate(new TRysowanieObd(*this, &siatka));
    siatka.installEventFilter(new TKlawiszeObd(*this, siatka));
    siatka.horizontalHeader()->hide();
    siatka.verticalHeader()->hide();
    siatka.setEditTriggers(QAbstractItemView::NoEditTriggers);
    siatka.setTextElideMode(Qt::ElideNone);
    siatka.setWordWrap(false);
    // The reader's column widths are made for plain 8-point text in rows of that height.
    QFont czcionka = siatka.font();
    czcionka.setBold(false);
    siatka.setFont(czcionka);
    siatka.horizontalHeader()->setMinimumSectionSize(1);
    siatka.verticalHeader()->setMinimumSectionSize(1);
    siatka.verticalHeader()->setDefaultSectionSize(QFontMetrics(czcionka).height() + 4);
    QObject::connect(&siatka, &QTableWidget::cellClicked, &siatka, [this](int w, int k) {
        if (obsluga && zdarzenia) obsluga->MyGridPidyClick(k, w);
    });
    QObject::connect(&siatka, &QTableWidget::cellDoubleClicked, &siatka, [this](int w, int k) {
        if (obsluga && zdarzenia) obsluga->MyGridPidyDblClick(k, w);
    });
}

void TSiatkaObdOkna::UstawKomorke(int kolumna, int wiersz, const QString& tekst) {
    if (kolumna < 0 || wiersz < 0) return;
    if (kolumna >= siatka.columnCount()) siatka.setColumnCount(kolumna + 1);
    if (wiersz >= siatka.rowCount()) siatka.setRowCount(wiersz + 1);
    QTableWidgetItem* komorka = siatka.item(wiersz, kolumna);
    if (!komorka) {
        siatka.setItem(wiersz, kolumna, new QTableWidgetItem(tekst));
        return;
    }
    if (komorka->text() != tekst) komorka->setText(tekst);
}

void TSiatkaObdOkna::UstawLiczbeKolumn(int n) {
    siatka.setColumnCount(n);
    for (int k = 0; k < n; ++k)
        siatka.setColumnWidth(k, domyslnaSzerokosc);
}

void TSiatkaObdOkna::UstawLiczbeWierszy(int n) {
    siatka.setRowCount(n);
}

void TSiatkaObdOkna::UstawSzerokoscKolumny(int kolumna, int szerokosc) {
    if (kolumna >= 0) {
        siatka.setColumnWidth(kolumna, szerokosc);
        return;
    }
    domyslnaSzerokosc = szerokosc;
    siatka.horizontalHeader()->setDefaultSectionSize(szerokosc);
    for (int k = 0; k < siatka.columnCount(); ++k)
        siatka.setColumnWidth(k, szerokosc);
}

int TSiatkaObdOkna::Szerokosc() const {
    return siatka.width();
}

int TSiatkaObdOkna::WysokoscWiersza() const {
    return siatka.verticalHeader()->defaultSectionSize();
}

void TSiatkaObdOkna::UstawWysokosc(int wysokosc) {
    siatka.setMaximumHeight(wysokosc);
}

void TSiatkaObdOkna::UstawObsluge(TObslugaSiatki* o, bool z) {
    obsluga = o;
    zdarzenia = z;
    siatka.viewport()->update();
}

void TPanelObdOkna::Wyczysc() {
    tekst.clear();
}

void TPanelObdOkna::DodajLinie(const QString& linia, std::optional<TKolor> kolor) {
    DodajLinieKolorem(tekst, linia,
                      kolor ? std::optional<QColor>(QColor::fromRgb(QRgb(kolor->rgb)))
                            : std::nullopt);
}

void DodajLinieKolorem(QTextEdit& tekst, const QString& linia, std::optional<QColor> kolor) {
    QTextCursor kursor(tekst.document());
    kursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    // Without a colour of its own a line takes the panel's text colour, also after a scheme change.
    // The reader's and the log's colours are made for white: on a dark panel they are lightened.
    if (kolor)
        format.setForeground(Kontrast::Czytelny(*kolor, tekst.palette().color(QPalette::Base)));
    // Each line ends its paragraph, so an empty first line is kept like any other.
    kursor.insertText(linia, format);
    kursor.insertBlock();
    tekst.verticalScrollBar()->setValue(tekst.verticalScrollBar()->maximum());
}
