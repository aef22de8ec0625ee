// Sizes of the frame: columns, bars, tab rows and the command bar.

#include "Kontrolki.h"
#include "TForm1.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "UkladPaska.h"
#include "ZapisyOczekujace.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>

namespace {

int SzerokoscNapisu(const QFont& baza, const QString& napis, int rozmiar) {
    QFont f(baza);
    f.setPointSize(rozmiar);
    QString tekst = napis;
    tekst.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return QFontMetrics(f).horizontalAdvance(tekst);
}

void UstawRozmiar(QWidget* w, int rozmiar) {
    QFont f = w->font();
    f.setPointSize(rozmiar);
    w->setFont(f);
}

// What a tool button adds around its caption (frame and margins of the style).
int RamkaPrzycisku(const QToolButton& b) {
    return b.sizeHint().width() - QFontMetrics(b.font()).horizontalAdvance(b.text());
}

// A caption too wide even at 6 points goes on two lines, broken at the space nearest its
// middle; the rows are tall enough for two lines of that size.
QString Zawin(const QString& napis) {
    const qsizetype srodek = napis.size() / 2;
    qsizetype najblizsza = -1;
    for (qsizetype i = 0; i < napis.size(); ++i)
        if (napis[i] == QLatin1Char(' ') &&
            (najblizsza < 0 || qAbs(i - srodek) < qAbs(najblizsza - srodek)))
            najblizsza = i;
    if (najblizsza < 0) return napis;
    QString zawiniety = napis;
    zawiniety[najblizsza] = QLatin1Char('\n');
    return zawiniety;
}

// Lays a row's captions out: one font size for the row, chosen by the captions of
// wzorcowe (all of them when empty), each caption whole within its part.
void UlozRzad(const QList<QToolButton*>& przyciski, int czesc, int od,
              const QList<QToolButton*>& wzorcowe = {}) {
    if (przyciski.isEmpty()) return;
    for (QToolButton* b : przyciski)
        b->setText(b->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    const QList<QToolButton*>& miara = wzorcowe.isEmpty() ? przyciski : wzorcowe;
    QStringList napisy;
    for (const QToolButton* b : miara)
        napisy << b->text();
    const QFont baza = przyciski.front()->font();
    const int wolne = czesc - RamkaPrzycisku(*przyciski.front());
    const int rozmiar = RozmiarCzcionkiRzedu(napisy, wolne, od, [&baza](const QString& n, int r) {
        return SzerokoscNapisu(baza, n, r);
    });
    for (QToolButton* b : przyciski) {
        UstawRozmiar(b, rozmiar);
        if (SzerokoscNapisu(b->font(), b->text(), rozmiar) > wolne - 2)
            b->setText(Zawin(b->text()));
    }
}

} // namespace

QToolButton* TForm1::Przycisk(int numer) const {
    return findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(numer));
}

void TForm1::resizeEvent(QResizeEvent* zdarzenie) {
    QMainWindow::resizeEvent(zdarzenie);
    if (sterownik) Rozmiar();
}

void TForm1::Rozmiar() {
    const int setki = width() / 100;
    const int status = setki > 8 ? 20 * setki : 180;
    panelStatus->setFixedWidth(status);
    panelRight->setFixedWidth(status);
    const int wysokosc = height() <= 550 ? 28 : 32;
    panelTopTab[0]->setFixedHeight(wysokosc);
    panelBottomStatus->setFixedHeight(wysokosc);
    panelStatus->setFixedHeight(wysokosc);
    progressBar1->setFixedHeight(wysokosc - 4);
    for (QPushButton* b : btn) {
        b->setFixedHeight(wysokosc);
        UstawRozmiar(b, wysokosc == 28 ? 8 : 10);
    }
    DopasujRzadMap();
    UlozZakladki();
    UlozKomendy();
    UlozPrawa();
}

void TForm1::UlozKomendy() {
    std::array<int, 4> napisy{};
    for (std::size_t i = 0; i < btn.size(); ++i)
        napisy[i] = btn[i]->isHidden()
                        ? -1
                        : QFontMetrics(btn[i]->font()).horizontalAdvance(btn[i]->text());
    const int szerokosc = panelBottomStatus->width();
    const TUkladKomend u = ::UlozKomendy(napisy, szerokosc, panelStatus->width());
    const int wysokosc = panelBottomStatus->height();
    for (std::size_t i = 0; i < btn.size(); ++i)
        btn[i]->setGeometry(u.przyciski[i].lewo, 0, u.przyciski[i].szerokosc, wysokosc);
    if (u.szerokoscPostepu > 0) progressBar1->setGeometry(4, 2, u.szerokoscPostepu, wysokosc - 4);
    panelStatus->move(szerokosc - panelStatus->width(), 0);
    zapisy->setGeometry(2, 0, 22, panelStatus->height());
    panel50->setGeometry(0, 0, 421, wysokosc);
}

void TForm1::UlozZakladki() {
    const int wysokosc = panelTopTab[0]->height();
    const int szosta = panelTopTab[0]->width() / 6;
    QList<QToolButton*> glowne;
    for (int i = 0; i < 6; ++i) {
        Przycisk(i + 1)->setGeometry(i * szosta, 0, szosta, wysokosc);
        glowne << Przycisk(i + 1);
    }
    UlozRzad(glowne, szosta, 14);

    const int piata = panelTopTab[1]->width() / 5;
    QList<QToolButton*> mapy;
    for (int i = 0; i < 5; ++i) {
        Przycisk(11 + i)->setGeometry(i * piata, 0, piata, 25);
        mapy << Przycisk(11 + i);
    }
    QList<QToolButton*> wszystkieMapy = mapy;
    for (int i = 0; i < 5; ++i) {
        Przycisk(21 + i)->setGeometry(i * piata, 25, piata, 25);
        wszystkieMapy << Przycisk(21 + i);
    }
    wszystkieMapy << Przycisk(16) << Przycisk(26);
    // The font is chosen by the first row alone.
    UlozRzad(wszystkieMapy, piata, 12, mapy);

    const int czwarta = panelTopTab[2]->width() / 4;
    QList<QToolButton*> rzadObd{Przycisk(31)};
    Przycisk(31)->setGeometry(0, 0, czwarta, panelTopTab[2]->height());
    int x = czwarta;
    for (int n : {32, 33, 34}) {
        QToolButton* b = Przycisk(n);
        if (b->isHidden()) continue;
        b->setGeometry(x, 0, czwarta, panelTopTab[2]->height());
        x += czwarta;
        rzadObd << b;
    }
    UlozRzad(rzadObd, czwarta, 14);
    for (int n : {32, 33, 34})
        UstawRozmiar(Przycisk(n), Przycisk(31)->font().pointSize());
}

void TForm1::PokazLewa(bool widoczna) {
    lewaWidoczna = widoczna;
    panelLeft->setVisible(widoczna && !lewaZwinieta);
    panelLeftShow->setVisible(widoczna && lewaZwinieta);
}

void TForm1::ZwinLewa(bool zwin) {
    lewaZwinieta = zwin;
    PokazLewa(lewaWidoczna);
    if (!zwin) Rozmiar();
}

void TForm1::ZwinPrawa(bool zwin) {
    prawaZwinieta = zwin;
    panelRight->setVisible(!zwin);
    panelRightShow->setVisible(zwin);
    if (!zwin) Rozmiar();
}

void TForm1::PoZmianieRozmiaru(QObject* obiekt) {
    if (!sterownik || zamkniete) return;
    if (obiekt == panelTopTab[0] || obiekt == panelTopTab[1] || obiekt == panelTopTab[2])
        UlozZakladki();
    else if (obiekt == panelBottomStatus)
        UlozKomendy();
    else if (obiekt == splitter)
        DopasujDol();
    else if (obiekt == panelRight)
        UlozPrawa();
    else if (obiekt == panelWidoku)
        DopasujRzadMap();
}

void TForm1::DopasujRzadMap() {
    if (panel81->height() > 1 && !panel81->isHidden())
        panel81->setFixedHeight(panelWidoku->height() / 2 + 5);
}
