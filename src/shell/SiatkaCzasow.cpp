#include "SiatkaCzasow.h"

#include "Kontrast.h"
#include "Kontrolki.h"
#include "Paleta.h"
#include "TSterownik.h"
#include "Wtryskiwacze.h"

#include <QHeaderView>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Settings bytes: the gas injectors of each petrol input (32 + k), the injectors that stay
// off, and the switching type.
constexpr int NastawaZestawow = 32;
constexpr int NastawaWylaczonych = 31;
constexpr int NastawaTypuPrzelaczania = 56;
constexpr double Niepokazany = 0.0001;

// A 16 x 16 tick box, ticked with the green check mark of every list.
void Pole(QPainter* p, const QRect& r, bool zaznaczone, const TPaleta& kolory) {
    p->setPen(kolory.KolorTekstu);
    p->setBrush(kolory.TloEdycji);
    p->drawRect(r.adjusted(0, 0, -1, -1));
    if (zaznaczone) RysujPtaszek(*p, r);
}

class TRysowanieCzasow : public QStyledItemDelegate {
public:
    explicit TRysowanieCzasow(TSiatkaCzasow& s) : QStyledItemDelegate(&s), siatka(s) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opcje,
               const QModelIndex& i) const override {
        const TPaleta& kolory = siatka.Paleta();
        const QRect r = opcje.rect;
        const int k = i.row();
        const unsigned char zestaw = siatka.Zestaw(k);
        p->save();
        if (i.column() == 0) {
            p->fillRect(r, kolory.TloEtykiet);
            p->setPen(QColor(0x80, 0x80, 0x80));
            p->drawRect(r.adjusted(0, 0, -1, -1));
            p->setFont(Czcionka(siatka.font(), siatka.RozmiarEtykiet, false));
            p->setPen(kolory.KolorTekstu);
            p->drawText(r, Qt::AlignCenter, QString::number(k + 1));
        } else if (zestaw == 0) {
            p->fillRect(r, kolory.TloEtykiet);
        } else if (i.column() == TSiatkaCzasow::KolumnaWtryskiwaczy) {
            Wtryskiwacze(p, r, k, zestaw);
        } else {
            p->fillRect(r, kolory.TloWartosci);
            p->setFont(Czcionka(siatka.font(), siatka.RozmiarWartosci, true));
            const QColor kolor =
                i.column() == 1 ? QColor(0xFF, 0x00, 0x00) : QColor(0x00, 0xA0, 0x00);
            p->setPen(siatka.BezLacza() ? kolory.TekstNieaktywny
                                        : Kontrast::Czytelny(kolor, kolory.TloWartosci));
            p->drawText(r.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter,
                        i.data().toString());
        }
        p->restore();
    }

private:
    void Wtryskiwacze(QPainter* p, const QRect& r, int k, unsigned char zestaw) const {
        const TPaleta& kolory = siatka.Paleta();
        TSterownik& s = siatka.Sterownik();
        p->fillRect(r, kolory.TloWartosci);
        QString numery;
        for (int b = 0; b < s.LiczbaWtryskiwaczy && b < 8; ++b)
            if (zestaw & (1 << b)) numery += QString::number(b + 1);
        QFont f = Czcionka(siatka.font(), siatka.RozmiarEtykiet, false);
        int szer = QFontMetrics(f).horizontalAdvance(numery);
        int x = r.center().x() - 10 - szer / 2;
        if (x < r.left()) {
            x = r.left();
            if (f.pointSize() > 9) f.setPointSize(f.pointSize() - 2);
        }
        p->setFont(f);
        p->setPen(kolory.KolorTekstu);
        p->drawText(QRect(x, r.top(), r.right() - x, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                    numery);
        const QRect pole(r.right() + 1 - 18, r.top() + (r.height() - 16) / 2, 16, 16);
        Pole(p, pole, s.MaskaWtryskiwaczy & (1 << k), kolory);
    }

    TSiatkaCzasow& siatka;
};

} // namespace

TSiatkaCzasow::TSiatkaCzasow(TSterownik& ster, const TPaleta& pal, QWidget* rodzic)
    : QTableWidget(rodzic), s(ster), p(pal) {
    PrzygotujSiatke(*this, QStringLiteral("StringGridCzasyWtr"), 4);
    setItemDelegate(new TRysowanieCzasow(*this));
    Wyczysc();
}

// Every row when the column has room: the scroll area's own hint is a fixed 192 pixels.
QSize TSiatkaCzasow::sizeHint() const {
    return {QTableWidget::sizeHint().width(), maximumHeight()};
}

unsigned char TSiatkaCzasow::Zestaw(int kanal) const {
    return kanal >= 0 && kanal < 8 ? s.Nastawy[NastawaZestawow + kanal] : 0;
}

int TSiatkaCzasow::WierszeWymagane() const {
    return Zwiniete ? 1 : std::clamp(s.LiczbaWtryskiwaczy, 1, 8);
}

void TSiatkaCzasow::Rozmiesc(int szerokosc, int wysokoscWiersza) {
    const int wiersze = WierszeWymagane();
    if (rowCount() != wiersze) {
        setRowCount(wiersze);
        for (int w = 0; w < wiersze; ++w)
            for (int k = 1; k < 4; k += 2)
                if (!item(w, k)) setItem(w, k, new QTableWidgetItem);
        benzyna.fill(Niepokazany);
        gaz.fill(Niepokazany);
    }
    verticalHeader()->setDefaultSectionSize(wysokoscWiersza);
    for (int w = 0; w < wiersze; ++w)
        setRowHeight(w, wysokoscWiersza);
    const int pelna = (wysokoscWiersza + 1) * wiersze + 3;
    setMinimumHeight(wysokoscWiersza + 4);
    setMaximumHeight(pelna);
    updateGeometry();
    // Narrower columns when the grid is too short for its rows and shows its scroll bar.
    const int zapas = verticalScrollBar()->isVisible() ? 5 : 0;
    const int k0 = szerokosc * 10 / 100 - zapas, k1 = szerokosc * 35 / 100 - zapas;
    const int k2 = szerokosc * 20 / 100 - zapas;
    setColumnWidth(0, k0);
    setColumnWidth(1, k1);
    setColumnWidth(2, k2);
    setColumnWidth(3, szerokosc - k0 - k1 - k2 - (zapas ? 20 : 3));
    viewport()->update();
}

bool TSiatkaCzasow::Aktualizuj() {
    if (rowCount() != WierszeWymagane()) return false;
    bezLacza = false;
    const QLocale locale;
    auto czas = [this](int pozycja) {
        return (s.RamkaRx[pozycja] | (s.RamkaRx[pozycja + 1] << 8)) * 0.004;
    };
    for (int k = 0; k < rowCount(); ++k) {
        const double b = czas(60 + 4 * k), g = czas(62 + 4 * k);
        if (b != benzyna[std::size_t(k)]) {
            benzyna[std::size_t(k)] = b;
            item(k, 1)->setText(locale.toString(b, 'f', 2));
        }
        if (g != gaz[std::size_t(k)]) {
            gaz[std::size_t(k)] = g;
            item(k, 3)->setText(locale.toString(g, 'f', 2));
        }
    }
    return true;
}

void TSiatkaCzasow::Wyczysc() {
    benzyna.fill(Niepokazany);
    gaz.fill(Niepokazany);
}

void TSiatkaCzasow::BrakLacza() {
    bezLacza = true;
    Wyczysc();
    for (int w = 0; w < rowCount(); ++w)
        for (int k : {1, 3})
            if (QTableWidgetItem* pole = item(w, k)) pole->setText(QStringLiteral("-"));
    viewport()->update();
}

void TSiatkaCzasow::mousePressEvent(QMouseEvent* zdarzenie) {
    const QModelIndex i = indexAt(zdarzenie->position().toPoint());
    if (i.isValid() && i.column() == KolumnaWtryskiwaczy && zdarzenie->button() == Qt::LeftButton)
        Przelacz(i.row());
}

void TSiatkaCzasow::Przelacz(int kanal) {
    s.MaskaWtryskiwaczy =
        PrzelaczWtryskiwacze(s.MaskaWtryskiwaczy, kanal, s.Nastawy[NastawaTypuPrzelaczania],
                             s.Nastawy[NastawaWylaczonych]);
    s.ZmianaWtryskiwaczy = 1;
    viewport()->update();
}
