// The window's frame: the right column of live panels, the centre and the bottom bar.

#include "Kontrolki.h"
#include "ListaWykresow.h"
#include "SiatkaCzasow.h"
#include "SiatkaParametrow.h"
#include "TForm1.h"
#include "TScope.h"
#include "TSterownik.h"
#include "ZapisyOczekujace.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget* Panel(const QString& nazwa, QWidget* rodzic) {
    auto* p = new QWidget(rodzic);
    p->setObjectName(nazwa);
    return p;
}

// A banner with its buttons at the ends: caption centred, buttons over it.
TPanel* Baner(const QString& nazwa, QWidget* rodzic, const QList<QToolButton*>& lewe,
              const QList<QToolButton*>& prawe) {
    auto* b = new TPanel(nazwa, rodzic);
    b->setFixedHeight(20);
    auto* l = new QHBoxLayout(b);
    l->setContentsMargins(1, 1, 1, 1);
    l->setSpacing(1);
    for (QToolButton* p : lewe) {
        p->setParent(b);
        l->addWidget(p);
    }
    l->addStretch();
    for (QToolButton* p : prawe) {
        p->setParent(b);
        l->addWidget(p);
    }
    return b;
}

} // namespace

void TForm1::Zbuduj() {
    auto* srodek = new QWidget(this);
    srodek->setObjectName(QStringLiteral("PanelGlowny"));
    setCentralWidget(srodek);
    auto* pion = UkladPionowy(srodek);
    auto* gora = new QHBoxLayout;
    gora->setContentsMargins(0, 0, 0, 0);
    gora->setSpacing(0);
    gora->addWidget(ZbudujSrodek(), 1);
    panelRightShow = new TPanel(QStringLiteral("PanelRightShow"), srodek, QStringLiteral("<"));
    panelRightShow->setToolTip(QStringLiteral("[R]"));
    panelRightShow->setFixedWidth(14);
    panelRightShow->hide();
    panelRightShow->NaKlik = [this] { ZwinPrawa(false); };
    gora->addWidget(panelRightShow);
    gora->addWidget(ZbudujKolumnePrawa());
    pion->addLayout(gora, 1);
    pion->addWidget(ZbudujPasekDolny());
}

QWidget* TForm1::ZbudujKolumnePrawa() {
    panelRight = Panel(QStringLiteral("PanelRight"), centralWidget());
    panelRight->setFixedWidth(200);
    auto* pion = UkladPionowy(panelRight);
    panelParam = Panel(QStringLiteral("PanelParam"), panelRight);
    auto* param = UkladPionowy(panelParam);

    QToolButton* zwin =
        NowyPrzycisk(QStringLiteral("SpeedButton8"), panelParam, QStringLiteral(">"), 0, false);
    zwin->setToolTip(QStringLiteral("[R]"));
    connect(zwin, &QToolButton::clicked, this, [this] { ZwinPrawa(true); });
    QToolButton* tabela =
        NowyPrzycisk(QStringLiteral("SpeedButton9"), panelParam, QStringLiteral("V"), 0, false);
    tabela->setToolTip(QStringLiteral("[R]"));
    connect(tabela, &QToolButton::clicked, this, [this] { TabelaParametrow(); });
    banerParametry = Baner(QStringLiteral("BanerParametry"), panelParam, {zwin}, {tabela});
    param->addWidget(banerParametry);
    siatkaParametrow = new TSiatkaParametrow(*sterownik, teksty, paleta, panelParam);
    param->addWidget(siatkaParametrow);

    QToolButton* zwinCzasy =
        NowyPrzycisk(QStringLiteral("SpeedButton10"), panelParam, QStringLiteral("-"), 0, false);
    connect(zwinCzasy, &QToolButton::clicked, this, [this, zwinCzasy] {
        siatkaCzasow->Zwiniete = !siatkaCzasow->Zwiniete;
        zwinCzasy->setText(siatkaCzasow->Zwiniete ? QStringLiteral("+") : QStringLiteral("-"));
        UlozPrawa();
    });
    banerCzasWtr = Baner(QStringLiteral("BanerCzasWtr"), panelParam, {zwinCzasy}, {});
    param->addWidget(banerCzasWtr);
    siatkaCzasow = new TSiatkaCzasow(*sterownik, paleta, panelParam);
    param->addWidget(siatkaCzasow);
    pion->addWidget(panelParam);
    pion->addStretch(1);

    panel1 = Panel(QStringLiteral("Panel1"), panelRight);
    panel1->setFixedHeight(91);
    auto* obrazy = new QHBoxLayout(panel1);
    obrazy->setContentsMargins(0, 0, 0, 0);
    obrazy->setSpacing(0);
    image2 = new TPanel(QStringLiteral("Image2"), panel1);
    image2->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    image2->setAutoFillBackground(false);
    obrazy->addWidget(image2, 1, Qt::AlignBottom);
    image1 = new TPanel(QStringLiteral("Image1"), panel1);
    image1->setFixedSize(91, 91);
    image1->setAutoFillBackground(false);
    image1->setToolTip(QStringLiteral("[SPACE]"));
    image1->NaKlik = [this] { sterownik->ZmianaPaliwaAuto = 1; };
    obrazy->addWidget(image1);
    pion->addWidget(panel1);
    return panelRight;
}

QWidget* TForm1::ZbudujPasekDolny() {
    panelBottomStatus = Panel(QStringLiteral("PanelBottomStatus"), centralWidget());
    panelBottomStatus->setFixedHeight(28);
    for (int i = 0; i < 4; ++i) {
        auto* b = new QPushButton(panelBottomStatus);
        b->setObjectName(QStringLiteral("Btn5%1").arg(i + 1));
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, b] { KomendaKlik(b); });
        btn[std::size_t(i)] = b;
    }
    progressBar1 = new QProgressBar(panelBottomStatus);
    progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1->setRange(0, 1024);
    progressBar1->setTextVisible(false);
    progressBar1->hide();
    panelStatus = new TPanel(QStringLiteral("PanelStatus"), panelBottomStatus);
    panelStatus->setToolTip(QStringLiteral("[F11]"));
    panelStatus->NaKlik = [this] { sterownik->ZmianaPaliwaSzybka = 1; };
    // At the status panel's left edge: what has not reached the controller yet.
    zapisy = new TZapisyOczekujace(*sterownik, teksty, panelStatus);

    panel50 = Panel(QStringLiteral("Panel50"), panelBottomStatus);
    auto* rzad = new QHBoxLayout(panel50);
    rzad->setContentsMargins(2, 2, 2, 2);
    rzad->setSpacing(1);
    struct TPrzyciskScope {
        int numer;
        const char* napis;
        bool przelacznik;
    };
    // Tags are the oscilloscope's commands: 1..7, layouts 10..12, zoom 20 and 21.
    const TPrzyciskScope przyciski[] = {{50, "\u25B6", true}, {51, "\u275A\u275A", true},
                                        {52, "\u25A0", true}, {53, "\u25CF", true},
                                        {54, "\u25B2", true}, {55, "\u2715", false},
                                        {56, "CSV", false},   {60, "1", true},
                                        {61, "2", true},      {62, "3", true},
                                        {70, "+", false},     {71, "\u2212", false}};
    const int tagi[] = {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 20, 21};
    for (std::size_t i = 0; i < std::size(przyciski); ++i) {
        const TPrzyciskScope& p = przyciski[i];
        QToolButton* b = NowyPrzycisk(QStringLiteral("SpeedButton%1").arg(p.numer), panel50,
                                      QString::fromUtf8(p.napis), tagi[i], p.przelacznik);
        rzad->addWidget(b);
        connect(b, &QToolButton::clicked, this,
                [this, b] { KomendaOscyloskopu(unsigned(Tag(b))); });
    }
    // Start, pause, stop and a file on show are one choice, and so are the band layouts.
    for (const QList<int>& grupa : {QList<int>{50, 51, 52, 54}, QList<int>{60, 61, 62}}) {
        auto* g = new QButtonGroup(panel50);
        for (int n : grupa)
            g->addButton(Przycisk(n));
    }
    Przycisk(62)->setChecked(true);
    panel50->hide();
    return panelBottomStatus;
}
