#include "PanelDiagnozyObd.h"

#include "Kontrolki.h"
#include "Teksty.h"
#include "TekstyObd.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor Gotowy(0x00, 0x80, 0x00);
const QColor NieGotowy(0xFF, 0x00, 0x00);
const QColor Nieobslugiwany(0x80, 0x80, 0x80);

const TMonitor* Monitor(const std::optional<TGotowosc>& g, int wiersz) {
    if (!g || wiersz >= g->monitory.size()) return nullptr;
    return &g->monitory[wiersz];
}

QColor Kolor(const TMonitor* m) {
    if (!m || m->stan == TStanMonitora::Nieobslugiwany) return Nieobslugiwany;
    return m->stan == TStanMonitora::Gotowy ? Gotowy : NieGotowy;
}

QLabel* Etykieta(const QString& nazwa, QWidget* rodzic) {
    auto* l = new QLabel(rodzic);
    l->setObjectName(nazwa);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setWordWrap(true);
    return l;
}

} // namespace

TPanelDiagnozyObd::TPanelDiagnozyObd(const TTeksty& t, QWidget* rodzic)
    : QWidget(rodzic), teksty(t) {
    setObjectName(QStringLiteral("PanelMonitory"));
    auto* pion = UkladPionowy(this);
    podsumowanie = Etykieta(QStringLiteral("LabelGotowosc"), this);
    pion->addWidget(podsumowanie);
    monitory = new QTableWidget(this);
    monitory->setObjectName(QStringLiteral("StringGridMonitory"));
    monitory->setColumnCount(3);
    monitory->verticalHeader()->hide();
    monitory->verticalHeader()->setDefaultSectionSize(monitory->fontMetrics().height() + 6);
    monitory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    monitory->setSelectionMode(QAbstractItemView::NoSelection);
    monitory->setFocusPolicy(Qt::NoFocus);
    monitory->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    monitory->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    monitory->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    pion->addWidget(monitory, 1);
    informacje = Etykieta(QStringLiteral("LabelInformacje"), this);
    pion->addWidget(informacje);
    Odswiez();
}

void TPanelDiagnozyObd::PokazDiagnoze(const TGotowosc* s, const TGotowosc* c,
                                      const QList<TInformacjeEcu>& i) {
    odSkasowania = s ? std::optional<TGotowosc>(*s) : std::nullopt;
    cykl = c ? std::optional<TGotowosc>(*c) : std::nullopt;
    ecu = i;
    Odswiez();
}

void TPanelDiagnozyObd::Odswiez() {
    monitory->setHorizontalHeaderLabels({teksty.PodajTekst(TekstyObd::Monitory),
                                         teksty.PodajTekst(TekstyObd::GotowoscOdSkasowania),
                                         teksty.PodajTekst(TekstyObd::GotowoscCyklu)});
    PokazMonitory();
    PokazInformacje();
}

QString TPanelDiagnozyObd::TekstKomorki(const std::optional<TGotowosc>& g, int wiersz) const {
    const TMonitor* m = Monitor(g, wiersz);
    return m ? teksty.PodajTekst(TekstStanu(m->stan)) : QStringLiteral("-");
}

// The rows follow the reading since the codes were cleared, the cycle's when only it was read.
void TPanelDiagnozyObd::PokazMonitory() {
    const std::optional<TGotowosc>& wzor = odSkasowania ? odSkasowania : cykl;
    if (!wzor) {
        podsumowanie->clear();
        monitory->setRowCount(0);
        return;
    }
    const QString zaplon = teksty.PodajTekst(wzor->zaplonSamoczynny ? TekstyObd::ZaplonSamoczynny
                                                                    : TekstyObd::ZaplonIskrowy);
    podsumowanie->setText(QStringLiteral("%1 (%2)").arg(
        teksty.PodajTekst(TekstyObd::GotoweMonitory).arg(wzor->Gotowe()).arg(wzor->Obslugiwane()),
        zaplon));
    monitory->setRowCount(static_cast<int>(wzor->monitory.size()));
    for (int w = 0; w < monitory->rowCount(); ++w) {
        monitory->setItem(w, 0, new QTableWidgetItem(teksty.PodajTekst(wzor->monitory[w].tekst)));
        const std::optional<TGotowosc>* zrodla[] = {&odSkasowania, &cykl};
        for (int k = 0; k < 2; ++k) {
            auto* komorka = new QTableWidgetItem(TekstKomorki(*zrodla[k], w));
            komorka->setForeground(Kolor(Monitor(*zrodla[k], w)));
            monitory->setItem(w, k + 1, komorka);
        }
    }
}

void TPanelDiagnozyObd::PokazInformacje() {
    QStringList linie;
    for (const TInformacjeEcu& e : ecu) {
        QStringList pola;
        const auto dodaj = [&](int etykieta, const QString& wartosc) {
            if (!wartosc.isEmpty())
                pola << QStringLiteral("%1: %2").arg(teksty.PodajTekst(etykieta), wartosc);
        };
        dodaj(TekstyObd::Vin, e.vin);
        dodaj(TekstyObd::NazwaEcu, e.nazwa);
        dodaj(TekstyObd::Kalibracja, e.kalibracje.join(QStringLiteral(", ")));
        dodaj(TekstyObd::Cvn, e.cvn.join(QStringLiteral(", ")));
        if (!pola.isEmpty())
            linie << QStringLiteral("ECU %1h  ")
                             .arg(QString::number(e.ecu, 16).toUpper().rightJustified(2, u'0')) +
                         pola.join(QStringLiteral("  "));
    }
    informacje->setText(linie.join(u'\n'));
}
