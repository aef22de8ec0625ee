// Switching gas injectors from the injection-time grid, and the lamps of the switch picture.

#include "Lampki.h"
#include "Wtryskiwacze.h"

#include <QImage>
#include <QTest>

class TestWtryskiwacze : public QObject {
    Q_OBJECT

private slots:
    void maskaPrzelaczenia_data();
    void maskaPrzelaczenia();
    void wylaczoneNaStaleZostajaWylaczone();
    void lampki_data();
    void lampki();
    void lampkiNaObrazie();
};

void TestWtryskiwacze::maskaPrzelaczenia_data() {
    QTest::addColumn<int>("kanal");
    QTest::addColumn<int>("typ");
    QTest::addColumn<int>("maska");
    QTest::newRow("one by one, channel 1") << 0 << 0 << 0x01;
    QTest::newRow("one by one, channel 6") << 5 << 0 << 0x20;
    QTest::newRow("groups, channel 3") << 2 << 1 << 0x55;
    QTest::newRow("groups, channel 4") << 3 << 1 << 0xAA;
    QTest::newRow("all at once") << 6 << 2 << 0xFF;
    QTest::newRow("unknown type") << 1 << 7 << 0x02;
}

void TestWtryskiwacze::maskaPrzelaczenia() {
    QFETCH(int, kanal);
    QFETCH(int, typ);
    QTEST(int(MaskaPrzelaczenia(kanal, static_cast<unsigned char>(typ))), "maska");
}

void TestWtryskiwacze::wylaczoneNaStaleZostajaWylaczone() {
    // Injectors 1, 3, 5, 7 switch off together; injector 2 stays off whatever is toggled.
    QCOMPARE(int(PrzelaczWtryskiwacze(0xFF, 2, 1, 0x00)), 0xAA);
    QCOMPARE(int(PrzelaczWtryskiwacze(0xAA, 2, 1, 0x02)), 0xFD);
    QCOMPARE(int(PrzelaczWtryskiwacze(0x00, 1, 0, 0x02)), 0x00);
}

void TestWtryskiwacze::lampki_data() {
    QTest::addColumn<int>("b13");
    QTest::addColumn<int>("b14");
    QTest::addColumn<QList<QColor>>("kolory");
    const QColor z(0x00, 0xA0, 0x00), c(0xC8, 0x00, 0x00), n(0, 0, 0);
    QTest::newRow("dark") << 0 << 0 << QList<QColor>{n, n, n, n, n, n};
    QTest::newRow("full tank, R green") << 0x3E << 0 << QList<QColor>{z, z, z, z, z, n};
    QTest::newRow("lowest lamp, R red, MODE red")
        << 0x05 << 0x01 << QList<QColor>{n, n, n, z, c, c};
    QTest::newRow("green wins over red") << 0x03 << 0x03 << QList<QColor>{n, n, n, n, z, z};
}

void TestWtryskiwacze::lampki() {
    QFETCH(int, b13);
    QFETCH(int, b14);
    QFETCH(QList<QColor>, kolory);
    const auto l = Lampki(static_cast<unsigned char>(b13), static_cast<unsigned char>(b14));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(l[std::size_t(i)].kolor, kolory[i]);
}

void TestWtryskiwacze::lampkiNaObrazie() {
    QImage obraz(91, 91, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    RysujLampki(obraz, 0x20, 0x02);
    // The top level lamp (12, 14)-(20, 19) and the MODE lamp (71, 14)-(78, 19), green.
    QCOMPARE(obraz.pixelColor(12, 14), QColor(0x00, 0xA0, 0x00));
    QCOMPARE(obraz.pixelColor(19, 18), QColor(0x00, 0xA0, 0x00));
    QCOMPARE(obraz.pixelColor(20, 19), QColor(Qt::white));
    QCOMPARE(obraz.pixelColor(71, 14), QColor(0x00, 0xA0, 0x00));
    QCOMPARE(obraz.pixelColor(12, 29), QColor(Qt::black));
    QCOMPARE(obraz.pixelColor(12, 74), QColor(Qt::black));
}

QTEST_MAIN(TestWtryskiwacze)
#include "tst_wtryskiwacze.moc"
