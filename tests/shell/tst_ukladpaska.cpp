// Layout of the command bar and the font of the tab rows.

#include "UkladPaska.h"

#include <QTest>

class TestUkladPaska : public QObject {
    Q_OBJECT

private slots:
    void przyciskiOdLewej();
    void ostatniDoPrawejPrzyStatusie();
    void samOstatniSzerokiZPaskiemPostepu();
    void ciasnoCzteryUpakowane();
    void czcionkaNajwiekszaMieszczaca_data();
    void czcionkaNajwiekszaMieszczaca();
};

void TestUkladPaska::przyciskiOdLewej() {
    const TUkladKomend u = UlozKomendy({50, 60, 70, -1}, 800, 180);
    QCOMPARE(u.przyciski[0].lewo, 8);
    QCOMPARE(u.przyciski[0].szerokosc, 70);
    QCOMPARE(u.przyciski[1].lewo, 86);
    QCOMPARE(u.przyciski[1].szerokosc, 80);
    QCOMPARE(u.przyciski[2].lewo, 174);
    QCOMPARE(u.przyciski[2].szerokosc, 90);
    QCOMPARE(u.szerokoscPostepu, -1);
}

void TestUkladPaska::ostatniDoPrawejPrzyStatusie() {
    const TUkladKomend u = UlozKomendy({50, 60, -1, 40}, 800, 180);
    QCOMPARE(u.przyciski[3].szerokosc, 60);
    QCOMPARE(u.przyciski[3].lewo, 800 - 60 - 180 - 8);
}

void TestUkladPaska::samOstatniSzerokiZPaskiemPostepu() {
    const TUkladKomend u = UlozKomendy({-1, -1, -1, 40}, 800, 180);
    QCOMPARE(u.przyciski[3].szerokosc, 160);
    QCOMPARE(u.przyciski[3].lewo, 452);
    QCOMPARE(u.szerokoscPostepu, 440);
}

void TestUkladPaska::ciasnoCzteryUpakowane() {
    // 600 - 120 - 180 - 8 = 292 is less than 100 + 110 + 120 + 32.
    const TUkladKomend u = UlozKomendy({80, 90, 100, 100}, 600, 180);
    QCOMPARE(u.przyciski[0].lewo, 0);
    QCOMPARE(u.przyciski[0].szerokosc, 84);
    QCOMPARE(u.przyciski[1].lewo, 86);
    QCOMPARE(u.przyciski[2].lewo, 86 + 94 + 2);
    QCOMPARE(u.przyciski[3].lewo, 86 + 94 + 2 + 104 + 2);
    QCOMPARE(u.przyciski[3].szerokosc, 104);
    // With room to spare they are not packed.
    const TUkladKomend szeroki = UlozKomendy({80, 90, 100, 100}, 800, 180);
    QCOMPARE(szeroki.przyciski[0].lewo, 8);
    QCOMPARE(szeroki.przyciski[3].lewo, 800 - 120 - 180 - 8);
}

void TestUkladPaska::czcionkaNajwiekszaMieszczaca_data() {
    QTest::addColumn<int>("czesc");
    QTest::addColumn<int>("rozmiar");
    // A caption is one pixel per character and point: "ABCD" at 10 points is 40 wide and
    // fits a part of 42 (2 pixels to spare), not one of 41.
    QTest::newRow("wide") << 60 << 14;
    QTest::newRow("exact") << 42 << 10;
    QTest::newRow("one short") << 41 << 9;
    QTest::newRow("smallest") << 30 << 7;
    QTest::newRow("none fits") << 29 << 6;
}

void TestUkladPaska::czcionkaNajwiekszaMieszczaca() {
    QFETCH(int, czesc);
    const auto szerokosc = [](const QString& n, int r) { return int(n.size()) * r; };
    QTEST(
        RozmiarCzcionkiRzedu({QStringLiteral("AB"), QStringLiteral("ABCD")}, czesc, 14, szerokosc),
        "rozmiar");
}

QTEST_MAIN(TestUkladPaska)
#include "tst_ukladpaska.moc"
