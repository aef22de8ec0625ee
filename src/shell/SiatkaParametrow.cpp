#include "SiatkaParametrow.h"

#include "Kontrolki.h"
#include "Paleta.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

class TRysowanieParametrow : public QStyledItemDelegate {
public:
    explicit TRysowanieParametrow(TSiatkaParametrow& s) : QStyledItemDelegate(&s), siatka(s) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opcje,
               const QModelIndex& i) const override {
        const TPaleta& kolory = siatka.Paleta();
        const QRect r = opcje.rect;
        p->save();
        if (i.column() == 0) {
            p->fillRect(r, kolory.TloEtykiet);
            p->setFont(Czcionka(siatka.font(), siatka.RozmiarEtykiet, false));
            p->setPen(kolory.KolorTekstu);
            p->drawText(r.adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                        siatka.Nazwa(i.row()));
            p->drawText(r.adjusted(4, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter,
                        siatka.Jednostka(i.row()));
        } else if (i.column() == 1) {
            p->fillRect(r, kolory.TloWartosci);
            p->setFont(Czcionka(siatka.font(), siatka.RozmiarWartosci, true));
            p->setPen(siatka.BezLacza() ? kolory.TekstNieaktywny : kolory.KolorBanera);
            p->drawText(r.adjusted(0, 0, -5, 0), Qt::AlignRight | Qt::AlignVCenter,
                        i.data().toString());
        }
        p->restore();
    }

private:
    TSiatkaParametrow& siatka;
};

} // namespace

TSiatkaParametrow::TSiatkaParametrow(TSterownik& ster, const TTeksty& tek, const TPaleta& pal,
                                     QWidget* rodzic)
    : QTableWidget(rodzic), s(ster), t(tek), p(pal) {
    PrzygotujSiatke(*this, QStringLiteral("StringGridParametry"), 3);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new TRysowanieParametrow(*this));
    UstawWiersze();
}

QString TSiatkaParametrow::Nazwa(int wiersz) const {
    const int i = s.PodajPozycje(Widok, wiersz);
    if (i >= int(s.Wykresy.size())) return {};
    const int id = s.Wykresy[std::size_t(i)].Tekst;
    // The narrow grid shows the short form that follows each long name of 1400..1432.
    const bool krotka = id >= 1400 && id <= 1432 && id % 2 == 0;
    return t.PodajTekst(krotka ? id + 1 : id);
}

QString TSiatkaParametrow::Jednostka(int wiersz) const {
    const int i = s.PodajPozycje(Widok, wiersz);
    if (i >= int(s.Wykresy.size())) return {};
    return t.PodajTekst(s.Wykresy[std::size_t(i)].Jednostka);
}

void TSiatkaParametrow::UstawWiersze() {
    const int ile = s.PodajIleParamBiez(Widok);
    if (rowCount() == ile) return;
    setRowCount(ile);
    for (int w = 0; w < ile; ++w)
        if (!item(w, 1)) setItem(w, 1, new QTableWidgetItem);
}

void TSiatkaParametrow::Rozmiesc(int szerokosc, int wysokoscWiersza) {
    UstawWiersze();
    WysokoscWiersza = wysokoscWiersza;
    verticalHeader()->setDefaultSectionSize(wysokoscWiersza);
    for (int w = 0; w < rowCount(); ++w)
        setRowHeight(w, wysokoscWiersza);
    const int k0 = szerokosc * 65 / 100;
    setColumnWidth(0, k0);
    setColumnWidth(1, szerokosc - k0 - 1);
    setColumnWidth(2, 0);
    setFixedHeight((wysokoscWiersza + 1) * rowCount() + 3);
    DobierzCzcionki();
    viewport()->update();
}

void TSiatkaParametrow::DobierzCzcionki() {
    QString najszerszy;
    const QFontMetrics miara(font());
    for (int w = 0; w < rowCount(); ++w) {
        // A blank between name and unit keeps the widest label from running them together.
        const QString etykieta = Nazwa(w) + QLatin1Char(' ') + Jednostka(w);
        if (miara.horizontalAdvance(etykieta) > miara.horizontalAdvance(najszerszy))
            najszerszy = etykieta;
    }
    for (int r = 20; r >= 7; --r) {
        const QFontMetrics m(Czcionka(font(), r, false));
        if (m.horizontalAdvance(najszerszy) + 4 < columnWidth(0) &&
            m.boundingRect(QStringLiteral("Tg")).height() < WysokoscWiersza) {
            RozmiarEtykiet = r;
            break;
        }
    }
    const QString wzor = QStringLiteral("188,88");
    for (int r = 26; r >= 7; --r) {
        const QFontMetrics m(Czcionka(font(), r, true));
        if (m.horizontalAdvance(wzor) + 5 < columnWidth(1) &&
            m.boundingRect(QStringLiteral("Tg")).height() < WysokoscWiersza) {
            RozmiarWartosci = r;
            break;
        }
    }
}

void TSiatkaParametrow::Aktualizuj() {
    UstawWiersze();
    bezLacza = false;
    for (int w = 0; w < rowCount(); ++w) {
        const QString tekst = s.StrParamBiez(Widok, w);
        if (!tekst.isEmpty()) item(w, 1)->setText(tekst);
    }
}

void TSiatkaParametrow::BrakLacza() {
    Wyczysc();
    bezLacza = true;
    for (int w = 0; w < rowCount(); ++w)
        if (QTableWidgetItem* k = item(w, 1)) k->setText(QStringLiteral("-"));
}

void TSiatkaParametrow::Wyczysc() {
    for (int w = 0; w < rowCount(); ++w)
        if (QTableWidgetItem* k = item(w, 1)) k->setText({});
    for (TWykres& w : s.Wykresy)
        w.Ostatnia = 0.0001;
    viewport()->update();
}
