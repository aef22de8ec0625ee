// The centre panel: tab rows, the left trace list, the view area with the error panel,
// the map tools and the bottom area of history and OBD panels.

#include "Kontrolki.h"
#include "ListaWykresow.h"
#include "PanelDiagnozyObd.h"
#include "TForm1.h"
#include "TGrafika.h"
#include "Wypelnienie.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QTextEdit* Tekst(const QString& nazwa, QWidget* rodzic) {
    auto* t = Nowy<QTextEdit>(nazwa, rodzic);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::NoFocus);
    return t;
}

// A row of tab buttons placed by the tab row layout, one pressed at a time.
void Rzad(QWidget* rzad, const QList<int>& numery, const std::function<void(QToolButton*)>& klik) {
    for (int i = 0; i < numery.size(); ++i) {
        QToolButton* b =
            NowyPrzycisk(QStringLiteral("SpeedButton%1").arg(numery[i]), rzad, {}, i, true);
        b->setAutoExclusive(true);
        QObject::connect(b, &QToolButton::clicked, rzad, [b, klik] { klik(b); });
    }
}

} // namespace

QWidget* TForm1::ZbudujSrodek() {
    panelCenter = Nowy<QWidget>(QStringLiteral("PanelCenter"), centralWidget());
    auto* pion = UkladPionowy(panelCenter);
    pion->addWidget(ZbudujRzedyZakladek());

    splitter = Nowy<QSplitter>(QStringLiteral("Splitter1"), panelCenter);
    splitter->setOrientation(Qt::Vertical);
    splitter->setChildrenCollapsible(true);
    splitter->setHandleWidth(4);
    auto* gorna = Nowy<QWidget>(QStringLiteral("PanelSrodek"), splitter);
    auto* rzad = UkladPoziomy(gorna);

    panelLeft = Nowy<QWidget>(QStringLiteral("PanelLeft"), gorna);
    panelLeft->setFixedWidth(180);
    auto* lewa = UkladPionowy(panelLeft);
    QToolButton* zwin =
        NowyPrzycisk(QStringLiteral("SpeedButton7"), panelLeft, QStringLiteral("<"), 0, false);
    zwin->setToolTip(QStringLiteral("[L]"));
    connect(zwin, &QToolButton::clicked, this, [this] { ZwinLewa(true); });
    banerOsc = new TPanel(QStringLiteral("BanerOsc"), panelLeft);
    banerOsc->setFixedHeight(20);
    auto* banerL = UkladPoziomy(banerOsc);
    banerL->addStretch();
    banerL->addWidget(zwin);
    lewa->addWidget(banerOsc);
    auto* lista = Nowy<QWidget>(QStringLiteral("PanelOscLis"), panelLeft);
    listaWykresow = new TListaWykresow(*sterownik, teksty, paleta, lista);
    UkladPionowy(lista)->addWidget(listaWykresow);
    lewa->addWidget(lista, 1);
    rzad->addWidget(panelLeft);
    panelLeftShow = new TPanel(QStringLiteral("PanelLeftShow"), gorna, QStringLiteral(">"));
    panelLeftShow->setToolTip(QStringLiteral("[L]"));
    panelLeftShow->setFixedWidth(14);
    panelLeftShow->NaKlik = [this] { ZwinLewa(false); };
    rzad->addWidget(panelLeftShow);

    panelWidoku = Nowy<QWidget>(QStringLiteral("PanelWidoku"), gorna);
    rzad->addWidget(panelWidoku, 1);
    panelBledy = Nowy<QWidget>(QStringLiteral("PanelBledy"), panelWidoku);
    new TWypelnienie(panelBledy);
    auto* bledy = UkladPionowy(panelBledy);
    banerBledy = new TPanel(QStringLiteral("BanerBledy"), panelBledy);
    banerBledy->setFixedHeight(20);
    bledy->addWidget(banerBledy);
    richEditBledy = Tekst(QStringLiteral("RichEditBledy"), panelBledy);
    bledy->addWidget(richEditBledy);
    panelBledy->hide();
    rzad->addWidget(ZbudujNarzedziaMap());

    splitter->addWidget(gorna);
    splitter->addWidget(ZbudujDol());
    splitter->setStretchFactor(0, 1);
    connect(splitter, &QSplitter::splitterMoved, this, [this] {
        const int wysokosc = panelNasInfoObd->height();
        wysokoscDolu = [wysokosc] { return wysokosc; };
    });
    pion->addWidget(splitter, 1);
    return panelCenter;
}

QWidget* TForm1::ZbudujRzedyZakladek() {
    auto* rzedy = Nowy<QWidget>(QStringLiteral("PanelTopTabs"), panelCenter);
    auto* pion = UkladPionowy(rzedy);
    const QStringList nazwy = {QStringLiteral("PanelTopTab1"), QStringLiteral("PanelTopTab2"),
                               QStringLiteral("PanelTopTab3")};
    for (std::size_t i = 0; i < panelTopTab.size(); ++i) {
        panelTopTab[i] = Nowy<QWidget>(nazwy[qsizetype(i)], rzedy);
        pion->addWidget(panelTopTab[i]);
    }
    panelTopTab[0]->setFixedHeight(28);
    panelTopTab[1]->setFixedHeight(25);
    panelTopTab[2]->setFixedHeight(25);
    Rzad(panelTopTab[0], {1, 2, 3, 4, 5, 6}, [this](QToolButton* b) {
        zakladkaWybrana = true;
        ZakladkaGlownaKlik(b);
    });
    Rzad(panelTopTab[1], {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26}, [this](QToolButton* b) {
        zakladkaWybrana = true;
        ZakladkaMapyKlik(b);
    });
    Rzad(panelTopTab[2], {31, 32, 33, 34}, [this](QToolButton* b) {
        zakladkaWybrana = true;
        ZakladkaObdKlik(b);
    });
    // Sub-tab numbers: the first row 0..5, the second row 6..11.
    for (int n = 11; n <= 16; ++n)
        UstawTag(Przycisk(n), n - 11);
    for (int n = 21; n <= 26; ++n)
        UstawTag(Przycisk(n), n - 15);
    for (int n : {16, 23, 24, 25, 26})
        Przycisk(n)->hide();
    return rzedy;
}

QWidget* TForm1::ZbudujNarzedziaMap() {
    panel80 = Nowy<QWidget>(QStringLiteral("Panel80"), panelCenter);
    panel80->setFixedWidth(84);
    auto* pion = UkladPionowy(panel80);
    panel82 = Nowy<QWidget>(QStringLiteral("Panel82"), panel80);
    panel81 = Nowy<QWidget>(QStringLiteral("Panel81"), panel80);
    panel83 = Nowy<QWidget>(QStringLiteral("Panel83"), panel80);
    for (QWidget* p : {panel82, panel81, panel83}) {
        auto* l = UkladPionowy(p);
        l->setSpacing(2);
        pion->addWidget(p);
    }
    pion->addStretch(1);

    // Bank buttons: tags are UstawBank's arguments; the copy button's tag is set as it shows.
    const QList<std::pair<int, const char*>> banki = {{85, "1&&2"}, {86, "1"}, {87, "2"}};
    for (int i = 0; i < banki.size(); ++i) {
        QToolButton* b = NowyPrzycisk(QStringLiteral("SpeedButton%1").arg(banki[i].first), panel82,
                                      QString::fromLatin1(banki[i].second), i, true);
        b->setAutoExclusive(true);
        panel82->layout()->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, b] {
            grafika->UstawBank(Tag(b));
            UstawPrzyciskKopii();
        });
    }
    QToolButton* kopia =
        NowyPrzycisk(QStringLiteral("SpeedButton88"), panel82, QStringLiteral("->"), 3, false);
    panel82->layout()->addWidget(kopia);
    connect(kopia, &QToolButton::clicked, this, [this, kopia] {
        grafika->UstawBank(Tag(kopia));
        UstawPrzyciskKopii();
    });

    const QList<std::pair<int, const char*>> mapy = {{80, "B"}, {81, "G"}, {82, "B - G"}};
    for (int i = 0; i < mapy.size(); ++i) {
        QToolButton* b = NowyPrzycisk(QStringLiteral("SpeedButton%1").arg(mapy[i].first), panel81,
                                      QString::fromLatin1(mapy[i].second), i, true);
        b->setAutoExclusive(true);
        panel81->layout()->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, b] { grafika->UstawMape(Tag(b)); });
    }

    QToolButton* os = NowyPrzycisk(QStringLiteral("SpeedButton90"), panel83, {}, 0, false);
    connect(os, &QToolButton::clicked, this, [this, os] {
        grafika->ZmienOsObciazenia();
        os->setText(PodajTekst(grafika->OpisOsi()));
    });
    QToolButton* sasiednie =
        NowyPrzycisk(QStringLiteral("SpeedButton91"), panel83, QStringLiteral("\u2194"), 0, true);
    connect(sasiednie, &QToolButton::toggled, this,
            [this](bool w) { grafika->ZmieniajSasiednie(w); });
    panel83->layout()->addWidget(os);
    panel83->layout()->addWidget(sasiednie);
    // The buttons fill the column's width and stack from the top of their row.
    for (QToolButton* b : panel80->findChildren<QToolButton*>())
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (QWidget* p : {panel82, panel81, panel83})
        static_cast<QBoxLayout*>(p->layout())->addStretch(1);
    panel80->hide();
    return panel80;
}

QWidget* TForm1::ZbudujDol() {
    panelNasInfoObd = Nowy<QWidget>(QStringLiteral("PanelNasInfoObd"), splitter);
    auto* rzad = UkladPoziomy(panelNasInfoObd);

    panelInfo = Nowy<QWidget>(QStringLiteral("PanelInfo"), panelNasInfoObd);
    auto* info = UkladPionowy(panelInfo);
    banerInfo = new TPanel(QStringLiteral("BanerInfo"), panelInfo);
    banerInfo->setFixedHeight(20);
    info->addWidget(banerInfo);
    richEditInfo = Tekst(QStringLiteral("RichEditInfo"), panelInfo);
    info->addWidget(richEditInfo);
    rzad->addWidget(panelInfo);

    panelObd = Nowy<QWidget>(QStringLiteral("PanelObd"), panelNasInfoObd);
    auto* obdRzad = UkladPoziomy(panelObd);
    stringGridElm = Nowy<QTableWidget>(QStringLiteral("StringGridElm"), panelObd);
    stringGridElm->setFixedWidth(240);
    stringGridElm->setFocusPolicy(Qt::NoFocus);
    stringGridElm->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stringGridElm->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    obdRzad->addWidget(stringGridElm, 0, Qt::AlignTop);
    auto* prawa = new QWidget(panelObd);
    auto* prawaL = UkladPionowy(prawa);
    panelObdTab = Nowy<QWidget>(QStringLiteral("PanelObdTab"), prawa);
    panelObdTab->setFixedHeight(24);
    auto* zakladki = UkladPoziomy(panelObdTab);
    QToolButton* kody = NowyPrzycisk(QStringLiteral("SpeedButton41"), panelObdTab, {}, 0, true);
    QToolButton* pidy =
        NowyPrzycisk(QStringLiteral("SpeedButton42"), panelObdTab, QStringLiteral("PID"), 1, true);
    QToolButton* monitory = NowyPrzycisk(QStringLiteral("SpeedButton43"), panelObdTab, {}, 2, true);
    for (QToolButton* b : {kody, pidy, monitory}) {
        b->setAutoExclusive(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        zakladki->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this] { PrzelaczKodyPidy(); });
    }
    kody->setChecked(true);
    prawaL->addWidget(panelObdTab);
    richEditDtc = Tekst(QStringLiteral("RichEditDtc"), prawa);
    richEditDtc->viewport()->installEventFilter(this);
    prawaL->addWidget(richEditDtc, 1);
    stringGridPid = Nowy<QTableWidget>(QStringLiteral("StringGridPid"), prawa);
    prawaL->addWidget(stringGridPid, 1);
    panelMonitory = new TPanelDiagnozyObd(teksty, prawa);
    prawaL->addWidget(panelMonitory, 1);
    obdRzad->addWidget(prawa, 1);
    rzad->addWidget(panelObd);
    panelObd->hide();
    return panelNasInfoObd;
}
