// The settings editor's geometry: rows, zones, font size, the value list's place, the
// step buttons' repeat pace.

#include "TNastawa.h"
#include "UkladNastaw.h"

#include <QTest>

class TestUkladNastaw : public QObject {
    Q_OBJECT

private slots:
    void rowsFitOrScroll() {
        // 19 rows in 600 pixels: 31 each, columns half of 800.
        TUkladNastaw u = UkladNastaw({800, 600}, 19, false);
        QCOMPARE(u.WysokoscWiersza, 31);
        QCOMPARE(u.SzerokoscKolumny, 400);
        QCOMPARE(u.Przycisk, 31);
        QVERIFY(!u.Przewijanie);
        // 24 rows in 300 pixels would be 12: 20-pixel rows that scroll, columns 10 narrower.
        u = UkladNastaw({800, 300}, 24, false);
        QCOMPARE(u.WysokoscWiersza, 20);
        QCOMPARE(u.SzerokoscKolumny, 390);
        QVERIFY(u.Przewijanie);
        // The bottom strips: 24-pixel rows whatever the height.
        u = UkladNastaw({1000, 80}, 3, true);
        QCOMPARE(u.WysokoscWiersza, 24);
        QCOMPARE(u.SzerokoscKolumny, 500);
        // Buttons: at most 50 and a tenth of the column.
        QCOMPARE(UkladNastaw({2000, 2000}, 16, false).Przycisk, 50);
        QCOMPARE(UkladNastaw({300, 2000}, 16, false).Przycisk, 15);
    }

    void zonesOfBothColumns() {
        // W = 400, d = 30.
        const TStrefy lewa = StrefyKolumny(0, 400, 30);
        QCOMPARE(lewa, (TStrefy{7, 0, 218, 329, 361, 393, 187, 217}));
        const TStrefy prawa = StrefyKolumny(1, 400, 30);
        QCOMPARE(prawa, (TStrefy{407, 0, 618, 729, 761, 793, 587, 617}));
        QCOMPARE(KoniecPola(lewa, Formy::Liczba), 329);
        QCOMPARE(KoniecPola(lewa, Formy::Wybor), 361);
        QCOMPARE(KoniecPola(lewa, Formy::Przelacznik), 361);
        QCOMPARE(KoniecPola(lewa, Formy::KodBledu), 393);
    }

    void fontSizeIsTheLargestThatFits() {
        // A name 10 pixels per point and a line 2 pixels per point: room 121, row 30.
        const auto nazwa = [](int r) { return 10 * r; };
        const auto linia = [](int r) { return 2 * r; };
        QCOMPARE(RozmiarCzcionki(121, 30, nazwa, linia), 12);
        QCOMPARE(RozmiarCzcionki(1000, 30, nazwa, linia), 13); // 2 x 13 = 26 < 28
        QCOMPARE(RozmiarCzcionki(50, 30, nazwa, linia), 7);    // nothing fits
    }

    void repeatPace() {
        // Three repeats at 600 ms, seven at 300, twenty at 100, then 30.
        QList<int> odstepy;
        for (int n = 0; n <= 31; ++n)
            odstepy << OdstepPowtorzenia(n);
        QCOMPARE(odstepy.count(600), 3);
        QCOMPARE(odstepy.count(300), 7);
        QCOMPARE(odstepy.count(100), 20);
        QCOMPARE(odstepy.mid(30), (QList<int>{30, 30}));
    }

    void valueListStaysInside() {
        const QRect komorka(0, 100, 400, 20);
        // 5 items of 16: 85 high, under the cell.
        QCOMPARE(PolozenieListy(komorka, 218, 143, 5, 16, 600), QRect(218, 120, 143, 85));
        // Would reach below 200: moved up to end there.
        QCOMPARE(PolozenieListy(komorka, 218, 143, 5, 16, 200), QRect(218, 115, 143, 85));
        // Taller than the editor: the editor's height from the top.
        QCOMPARE(PolozenieListy(komorka, 218, 143, 27, 16, 300), QRect(218, 0, 143, 300));
    }

    void cellUnderAPoint() {
        const TUkladNastaw u = UkladNastaw({800, 300}, 24, false);
        QCOMPARE(KomorkaPod({100, 45}, u, 0, 24), (TKomorka{0, 2}));
        QCOMPARE(KomorkaPod({391, 45}, u, 5, 24), (TKomorka{1, 7}));
        // Below the last row counts as the last row.
        QCOMPARE(KomorkaPod({100, 295}, u, 10, 24), (TKomorka{0, 23}));
    }
};

QTEST_GUILESS_MAIN(TestUkladNastaw)
#include "tst_ukladnastaw.moc"
