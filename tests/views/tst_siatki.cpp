// The map grids' rules: layout by mode and level, texts, colours, block edits with their
// feathering, the axis entries; a whole grid as it is drawn, on screen and on paper.

#include "LokalizacjaTestu.h"
#include "MapaPortow.h"
#include "RysowanieSiatki.h"
#include "Siatki.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QImage>
#include <QPainter>
#include <QTest>

class TestSiatki : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init() { s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so")); }

    void layoutByModeAndLevel() {
        // 700 x 600: two grids of cells 690 / 17 = 40 wide and (300 - 30) / 17 = 15 high.
        TUkladSiatek u = UkladSiatek({700, 600}, 1, 1);
        QVERIFY(u.PokazA);
        QCOMPARE(u.E, 40);
        QCOMPARE(u.C, 15);
        QCOMPARE(u.A, QRect(5, 16, 17 * 40 + 4, 17 * 15 + 4));
        QCOMPARE(u.B.topLeft(), QPoint(5, 300 + 21));
        // Level 0, or the delay and enrichment grids: grid B alone, at the top, full height.
        for (const auto& [tryb, poziom] : {std::pair{1, 0}, {6, 2}, {7, 1}}) {
            u = UkladSiatek({700, 600}, tryb, poziom);
            QVERIFY(!u.PokazA);
            QCOMPARE(u.B.topLeft(), QPoint(5, 16));
            QCOMPARE(u.C, 580 / 17);
        }
    }

    void featheringFollowsAtFallingRates() {
        const TTablicaB t{s->KorOdObr1, 50, 150, 0x8};
        const QRect blok(6, 6, 2, 2); // r 6..7, l 6..7
        for (int licznik = 1; licznik <= 4; ++licznik)
            QVERIFY(ZmienBlok(t, blok, 1, licznik, true));
        const auto c = [&](int r, int l) { return int(s->KorOdObr1[16 * r + l]); };
        QCOMPARE(c(6, 6), 104);
        QCOMPARE(c(5, 7), 102); // distance 1
        QCOMPARE(c(9, 9), 101); // distance 2
        QCOMPARE(c(3, 6), 100); // distance 3
        QCOMPARE(c(0, 0), 100);
        // Without feathering only the block moves.
        QVERIFY(ZmienBlok(t, blok, -1, 2, false));
        QCOMPARE(c(6, 7), 103);
        QCOMPARE(c(5, 7), 102);
    }

    void limitsOfTheCorrections() {
        const TTablicaB t{s->KorOdObr1, 50, 150, 0x8};
        s->KorOdObr1[0] = 150;
        QVERIFY(!ZmienBlok(t, QRect(0, 0, 1, 1), 1, 1, false));
        QCOMPARE(int(s->KorOdObr1[0]), 150);
        s->KorOdObr1[0] = 50;
        QVERIFY(!ZmienBlok(t, QRect(0, 0, 1, 1), -1, 1, false));
        std::memset(s->KorOdObr1, 150, 256);
        QVERIFY(!ZmienWszystko(t, 1));
        QVERIFY(ZmienWszystko(t, -1));
        QCOMPARE(int(s->KorOdObr1[255]), 149);
    }

    void ringCellsChangingAloneCountAsAChange() {
        // The block at its limit, its ring of distance 1 not: the ring's change is written.
        const TTablicaB t{s->KorOdObr1, 50, 150, 0x8};
        const QRect blok(6, 6, 1, 1);
        s->KorOdObr1[16 * 6 + 6] = 150;
        QVERIFY(!ZmienBlok(t, blok, 1, 1, true)); // an odd press leaves the ring
        QVERIFY(ZmienBlok(t, blok, 1, 2, true));
        QCOMPARE(int(s->KorOdObr1[16 * 6 + 6]), 150);
        QCOMPARE(int(s->KorOdObr1[16 * 5 + 7]), 101);
        QVERIFY(!ZmienBlok(t, blok, 1, 2, false));
    }

    void numbersInTheUsersNotation() {
        const TLokalizacjaTestu polski{QLocale(QLocale::Polish, QLocale::Poland)};
        s->Nastawy[224 + 3] = 125;
        const int k = 16 * 2 + 5;
        s->MapaEcuBen[k] = 45;
        s->MapaEcuGaz[k] = 30;
        s->OpoznienieWtr[k] = 12;
        QCOMPARE(NaglowekWiersza(*s, {1, 2, 1}, 3, false), QStringLiteral("1,25"));
        QCOMPARE(TekstA(*s, {1, 0, 1}, 2, 5), QStringLiteral("4,5"));
        QCOMPARE(TekstA(*s, {1, 2, 1}, 2, 5), QStringLiteral("+1,5"));
        QCOMPARE(TekstB(*s, {6, 2, 1}, 2, 5), QStringLiteral("1,2"));
        // What the header shows is taken back as typed.
        QCOMPARE(WpisObciazenia(NaglowekWiersza(*s, {1, 2, 1}, 3, false), false).value_or(-1), 125);
    }

    void axisEntries() {
        QCOMPARE(WpisObrotow(QStringLiteral("20000")).value_or(-1), 200);
        QCOMPARE(WpisObrotow(QStringLiteral("30")).value_or(-1), 1);
        QVERIFY(!WpisObrotow(QStringLiteral("abc")));
        QCOMPARE(WpisObciazenia(QStringLiteral("1,25"), false).value_or(-1), 125);
        QCOMPARE(WpisObciazenia(QStringLiteral("9"), false).value_or(-1), 255);
        QCOMPARE(WpisObciazenia(QStringLiteral("2,00"), true).value_or(-1), 100);
        QVERIFY(!WpisObciazenia(QStringLiteral("x"), false));
        QVERIFY(!WpisObciazenia(QStringLiteral("0"), false));
        s->Nastawy[224 + 3] = 125;
        const TWidokSiatek w{1, 2, 1};
        QCOMPARE(NaglowekWiersza(*s, w, 3, true), QStringLiteral("1.25"));
        s->Nastawy[4] = 2;
        s->Nastawy[224 + 3] = 100;
        QCOMPARE(NaglowekWiersza(*s, w, 3, true), QStringLiteral("2.00"));
        s->Nastawy[76] = 1; // petrol time as load: 16 steps of 1.6 ms in grid B
        QCOMPARE(NaglowekWiersza(*s, w, 3, true), QStringLiteral("6.4"));
        QCOMPARE(NaroznikB(*s, w), -50);
        QCOMPARE(NaglowekKolumny(*s, 0), QStringLiteral("600"));
    }

    void cellTextsAndColours() {
        const int k = 16 * 2 + 5;
        s->MapaEcuBen[k] = 45;
        s->MapaEcuGaz[k] = 30;
        QCOMPARE(TekstA(*s, {1, 0, 1}, 2, 5), QStringLiteral("4.5"));
        QCOMPARE(TekstA(*s, {1, 2, 1}, 2, 5), QStringLiteral("+1.5"));
        const TKoloryKomorki odchylka = KoloryA(*s, {1, 2, 1}, 2, 5);
        QCOMPARE(odchylka.tlo, QColor(255, 255, 210));
        QCOMPARE(odchylka.tekst, QColor(176, 0, 0)); // 15 above the limit of 10
        QCOMPARE(TekstA(*s, {1, 2, 1}, 2, 6), QString());
        // OBD maps: percent around 128; the deviation of bank 2 is not shown.
        s->MapaObdBen2[k] = 140;
        s->MapaObdGaz2[k] = 136;
        QCOMPARE(TekstA(*s, {5, 0, 2}, 2, 5), QStringLiteral("9.4"));
        QCOMPARE(TekstA(*s, {5, 2, 1}, 2, 5), QStringLiteral("+3.1"));
        QCOMPARE(TekstA(*s, {5, 2, 2}, 2, 5), QString());
        s->KorOdObr1[k] = 130;
        QCOMPARE(TekstB(*s, {1, 0, 1}, 2, 5), QStringLiteral("30"));
        QCOMPARE(KoloryB(*s, {1, 0, 1}, 2, 5).tlo, QColor(255, 205, 205));
        s->KorOdObr1[k] = 90;
        QCOMPARE(KoloryB(*s, {1, 0, 1}, 2, 5).tlo, QColor(225, 225, 255));
        QCOMPARE(TekstB(*s, {7, 0, 1}, 0, 0), QStringLiteral("0"));
    }

    void wholeGridCellsWithHeadersAndCorner() {
        TTeksty teksty; // the corner's captions need no table
        s->Teksty = &teksty;
        s->MapaEcuBen[16 * 2 + 5] = 45; // r 2, l 5: grid column 3, row 16 - 5
        s->Nastawy[240] = 12;           // first RPM column, 50 rpm units
        s->Nastawy[224] = 6;            // lowest load row, 0.01 bar units
        const TWidokSiatek benzyna{1, 0, 1};
        QCOMPARE(TekstSiatki(*s, benzyna, false, 3, 11), QStringLiteral("4.5"));
        QCOMPARE(TekstSiatki(*s, benzyna, false, 0, 0), QStringLiteral("bar/rpm"));
        QCOMPARE(TekstSiatki(*s, benzyna, true, 1, 0), QStringLiteral("600"));
        QCOMPARE(TekstSiatki(*s, benzyna, true, 0, 16), QStringLiteral("0.06"));
        const QColor szary(225, 225, 225), rozowy(255, 190, 190);
        QCOMPARE(KoloryKomorkiSiatki(*s, benzyna, false, 0, 0).tlo, szary);
        QCOMPARE(KoloryKomorkiSiatki(*s, benzyna, false, 4, 0).tlo, rozowy);
        QCOMPARE(KoloryKomorkiSiatki(*s, benzyna, true, 4, 0).tlo, szary);
        QCOMPARE(KoloryKomorkiSiatki(*s, benzyna, false, 3, 11).tlo, rozowy);
    }

    void gridDrawsIntoAnyPicture() {
        TObrazSiatki o;
        DopasujSiatke(o, 20, 40, QStringLiteral("bar/rpm"));
        QCOMPARE(RozmiarSiatki(o), QSize(17 * 40 + 4, 17 * 20 + 4));
        const QRect r = ProstokatKomorki(o, 3, 11);
        QCOMPARE(r, QRect(2 + 3 * 40, 2 + 11 * 20, 39, 19));
        o.kolory = [](int k, int w) {
            return TKoloryKomorki{k == 3 && w == 11 ? QColor(Qt::yellow) : QColor(Qt::white)};
        };
        o.ramka = QRect(5, 5, 2, 2); // columns 5..6, rows 5..6
        o.zywa = {8, 2};
        QImage obraz(RozmiarSiatki(o), QImage::Format_RGB32);
        obraz.fill(Qt::black);
        QPainter p(&obraz);
        RysujSiatke(p, o);
        p.end();
        const QColor linie(160, 160, 160), magenta(255, 0, 255);
        QCOMPARE(obraz.pixelColor(1, 1), linie);
        QCOMPARE(obraz.pixelColor(r.right() + 1, r.center().y()), linie);
        QCOMPARE(obraz.pixelColor(r.left() + 2, r.top() + 2), QColor(Qt::yellow));
        // The frame: two magenta pixels on the outer edges, the cell's colour inside.
        const QRect rama = ProstokatKomorki(o, 5, 5);
        QCOMPARE(obraz.pixelColor(rama.topLeft()), magenta);
        QCOMPARE(obraz.pixelColor(rama.left() + 1, rama.top() + 1), magenta);
        QCOMPARE(obraz.pixelColor(rama.left() + 3, rama.top() + 3), QColor(Qt::white));
        QCOMPARE(obraz.pixelColor(ProstokatKomorki(o, 6, 6).bottomRight()), magenta);
        // The live cell: a magenta disc at its left.
        const QRect zywa = ProstokatKomorki(o, 8, 2);
        QCOMPARE(obraz.pixelColor(zywa.left() + 9, zywa.top() + 9), magenta);
    }
};

QTEST_MAIN(TestSiatki)
#include "tst_siatki.moc"
