// Where the proposal's labels go on the multiplier chart, and the change they show.

#include "PropozycjaMnoznika.h"
#include "RysowaniePropozycji.h"

#include <QTest>

class TestRysowaniePropozycji : public QObject {
    Q_OBJECT

private slots:
    // A plot 400 x 300 from x 40, bottom at 325 (top 25); a label 60 x 28.
    void labelsGoAwayFromTheCurveAndStayInThePlot_data() {
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<bool>("wDol");
        QTest::addColumn<QRect>("miejsce");
        // Centred: 200 - 30; below: 175 + 10; above: 175 - 10 - 28.
        QTest::newRow("down: below") << QPoint(200, 175) << true << QRect(170, 185, 60, 28);
        QTest::newRow("up: above") << QPoint(200, 175) << false << QRect(170, 137, 60, 28);
        // 40 - 10 - 28 = 2 is above the top at 25; 300 + 10 + 28 = 338 is below 325.
        QTest::newRow("up at the top: below") << QPoint(200, 40) << false << QRect(170, 50, 60, 28);
        QTest::newRow("down at the bottom: above")
            << QPoint(200, 300) << true << QRect(170, 262, 60, 28);
        // Kept inside: left edge 40, right edge 440 - 60.
        QTest::newRow("at the left end") << QPoint(41, 175) << false << QRect(40, 137, 60, 28);
        QTest::newRow("at the right end") << QPoint(441, 175) << false << QRect(380, 137, 60, 28);
    }
    void labelsGoAwayFromTheCurveAndStayInThePlot() {
        QFETCH(QPoint, punkt);
        QFETCH(bool, wDol);
        QFETCH(QRect, miejsce);
        TObszarWykresu a;
        a.x0 = 40;
        a.w = 400;
        a.h = 300;
        a.yb = 325;
        QCOMPARE(MiejsceEtykietyPropozycji(a, punkt, QSize(60, 28), wDol), miejsce);
    }

    void changeTextHasItsSign_data() {
        QTest::addColumn<int>("stara");
        QTest::addColumn<int>("nowa");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("up") << 100 << 105 << "+5.0 %";
        QTest::newRow("down") << 110 << 106 << "-3.6 %"; // -4 / 110 = -3.64 %
        QTest::newRow("unchanged") << 100 << 100 << "";
    }
    void changeTextHasItsSign() {
        QFETCH(int, stara);
        QFETCH(int, nowa);
        QFETCH(QString, tekst);
        TPunktPropozycji p;
        p.stara = stara;
        p.nowa = nowa;
        QCOMPARE(ZmianaPunktu(p), tekst);
    }
};

QTEST_GUILESS_MAIN(TestRysowaniePropozycji)
#include "tst_rysowaniepropozycji.moc"
