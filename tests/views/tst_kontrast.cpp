// The contrast ratio of text on its background and the mending of pairs that do not read.

#include "Kontrast.h"

#include <QTest>

class TestKontrast : public QObject {
    Q_OBJECT

private slots:
    void stosunekWzoremWcag_data();
    void stosunekWzoremWcag();
    void czytelnyPrzesuwaTylkoDoProgu_data();
    void czytelnyPrzesuwaTylkoDoProgu();
    void czytelnyZostawiaOdcienIPrzechodziProgNajmniejszymKrokiem_data();
    void czytelnyZostawiaOdcienIPrzechodziProgNajmniejszymKrokiem();
};

void TestKontrast::stosunekWzoremWcag_data() {
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("stosunek");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("equal") << QColor(0x80, 0x10, 0x40) << QColor(0x80, 0x10, 0x40) << 1.0;
    // The well-known pair just below 4.5 and the one just above.
    QTest::newRow("#777 on white") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
    QTest::newRow("#767676 on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
    // Order does not matter; the trouble-code headings on the dark panels: about 2.5.
    QTest::newRow("#323232 under #008000")
        << QColor(0x32, 0x32, 0x32) << QColor(0x00, 0x80, 0x00) << 2.49;
}

void TestKontrast::stosunekWzoremWcag() {
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, stosunek);
    QVERIFY2(qAbs(Kontrast::Stosunek(a, b) - stosunek) < 0.01,
             qPrintable(QString::number(Kontrast::Stosunek(a, b))));
}

void TestKontrast::czytelnyPrzesuwaTylkoDoProgu_data() {
    QTest::addColumn<QColor>("tekst");
    QTest::addColumn<QColor>("tlo");
    QTest::addColumn<QColor>("wynik");
    QTest::newRow("already reads")
        << QColor(0x00, 0x00, 0xB4) << QColor(0xD2, 0xD2, 0xD2) << QColor(0x00, 0x00, 0xB4);
    // L(#EBEBEB) = 0.8308: the text needs L <= 0.1457; grey 106 has 0.1441, 107 has 0.1470.
    QTest::newRow("grey darkened")
        << QColor(0xAA, 0xAA, 0xAA) << QColor(0xEB, 0xEB, 0xEB) << QColor(0x6A, 0x6A, 0x6A);
    // L(#F0F0F0) = 0.8714: red needs L <= 0.1548; red 221 has 0.1537, 222 has 0.1553.
    QTest::newRow("red darkened") << QColor(0xFF, 0x00, 0x00) << QColor(0xF0, 0xF0, 0xF0)
                                  << QColor(0xDD, 0x00, 0x00);
    // On black the text needs L >= 0.175: grey 117 has 0.1778, 116 has 0.1746.
    QTest::newRow("grey lightened")
        << QColor(0x3C, 0x3C, 0x3C) << QColor(Qt::black) << QColor(0x75, 0x75, 0x75);
}

void TestKontrast::czytelnyPrzesuwaTylkoDoProgu() {
    QFETCH(QColor, tekst);
    QFETCH(QColor, tlo);
    QTEST(Kontrast::Czytelny(tekst, tlo), "wynik");
}

void TestKontrast::czytelnyZostawiaOdcienIPrzechodziProgNajmniejszymKrokiem_data() {
    QTest::addColumn<QColor>("tekst");
    QTest::addColumn<QColor>("tlo");
    QTest::newRow("OBD heading on dark panel")
        << QColor(0x00, 0x80, 0x00) << QColor(0x32, 0x32, 0x32);
    QTest::newRow("navy on dark button") << QColor(0x00, 0x00, 0x80) << QColor(0x32, 0x32, 0x32);
    QTest::newRow("green title on grey") << QColor(0x00, 0xA0, 0x00) << QColor(0xD2, 0xD2, 0xD2);
    QTest::newRow("silver on white") << QColor(0xC0, 0xC0, 0xC0) << QColor(Qt::white);
}

void TestKontrast::czytelnyZostawiaOdcienIPrzechodziProgNajmniejszymKrokiem() {
    QFETCH(QColor, tekst);
    QFETCH(QColor, tlo);
    const QColor c = Kontrast::Czytelny(tekst, tlo);
    QVERIFY(Kontrast::Stosunek(c, tlo) >= 4.5);
    // Moved no further than it needs: a ratio close above the threshold.
    QVERIFY(Kontrast::Stosunek(c, tlo) < 4.7);
    // Mixing with black or white keeps the hue, up to rounding of the channels.
    QVERIFY2(qAbs(c.hue() - tekst.hue()) <= 2, qPrintable(c.name()));
}

QTEST_MAIN(TestKontrast)
#include "tst_kontrast.moc"
