// The oscilloscope's arithmetic: zoom and time base, the window shown, the slider, jumps,
// bands, and the value, height and label of a trace for every way a value is stored.

#include "TWykres.h"
#include "Teksty.h"
#include "UkladScope.h"

#include <QTest>

#include <array>

class TestUkladScope : public QObject {
    Q_OBJECT

    TTeksty teksty;

    static TWykres Slad(int typ, int pozycja, double skala, int miejsca, double wzmocnienie) {
        TWykres w;
        w.Tekst = 1400;
        w.Typ = typ;
        w.Pozycja = pozycja;
        w.Skala = skala;
        w.Miejsca = miejsca;
        w.Wzmocnienie = wzmocnienie;
        return w;
    }

private slots:
    void initTestCase() {
        QVERIFY(teksty.Wczytaj());
        teksty.UstawJezyk(Jezyki::Angielski);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void timeBase() {
        QCOMPARE(PodstawaCzasu(ProbekNaPiksel(3), &teksty), QStringLiteral("5 [sec/div]     "));
        QCOMPARE(PodstawaCzasu(ProbekNaPiksel(0), &teksty).left(3), QStringLiteral("0.5"));
        QCOMPARE(PodstawaCzasu(ProbekNaPiksel(8), &teksty).left(4), QStringLiteral("200 "));
    }

    void windowAndSlider() {
        // Start with 25 samples on a 500-pixel chart at one sample per pixel.
        QCOMPARE(PoczatekWidoku(25, 500, 1), -475);
        QVERIFY(!Suwak(25, -475, 25, 500, 1));
        QVERIFY(Suwak(25, -475, 25, 500, 2).has_value());
        QVERIFY(!Suwak(10, -490, 10, 500, 2));
        // 1000 samples, C 300, the window 400..700: slider from 120 to 210 plus the margins.
        QCOMPARE(*Suwak(1000, 400, 700, 300, 2), std::make_pair(120 + 9, 210 + 11));
        // Zoom about the middle: 150 pixels from the right edge, 1 -> 2 samples per pixel.
        QCOMPARE(KoniecPoPowiekszeniu(700, 150, 2, 1), 850);
    }

    void jumps() {
        // 1000 samples, C 300, window 400..700: a click at 150 centres sample 500.
        QCOMPARE(KoniecPoSkoku(150, 1000, 400, 700, 300), 650);
        // At 30: sample 100 is below half the window, which starts at 0.
        QCOMPARE(KoniecPoSkoku(30, 1000, 400, 700, 300), 300);
        // A window still before sample 0 ends at the clicked sample.
        QCOMPARE(KoniecPoSkoku(150, 1000, -100, 200, 300), 500);
        QCOMPARE(KoniecPoSkoku(299, 1000, 400, 700, 300), 1000);
    }

    void bands() {
        // Layout 3: three traces share H - 98 = 300.
        TPasma p = Pasma(3, 398, {0, 3, 5});
        QCOMPARE(p.u, 100);
        QCOMPARE(p.bazy, (std::vector<int>{140, 240, 340}));
        // Layout 2: traces 2..7 by pairs; trace 9 keeps the baseline before it.
        p = Pasma(2, 498, {1, 2, 5, 9});
        QCOMPARE(p.u, 100);
        QCOMPARE(p.bazy, (std::vector<int>{140, 240, 340, 340}));
        p = Pasma(1, 498, {1, 2});
        QCOMPARE(p.bazy, (std::vector<int>{440, 440}));
        QCOMPARE(Pasma(3, 50, {1, 2}).u, 1); // no room: at least one pixel
    }

    void valuesAndHeights_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("b0");
        QTest::addColumn<int>("b1");
        QTest::addColumn<double>("wzmocnienie");
        QTest::addColumn<int>("surowa");
        QTest::addColumn<int>("wysokosc"); // for a band of 100 pixels
        QTest::newRow("bit 3 set") << 3 << 0x08 << 0 << 1.0 << 1 << 100;
        QTest::newRow("byte") << 10 << 200 << 0 << 1.0 << 200 << 78;         // 20000 / 256
        QTest::newRow("word") << 11 << 0x00 << 0x02 << 2.0 << 512 << 100;    // 512 x 200 / 1024
        QTest::newRow("offset byte") << 20 << 100 << 0 << 1.0 << -28 << -10; // -2800 / 256
        QTest::newRow("kelvin") << 21 << 0x36 << 0x01 << 1.0 << 37 << 3;     // 310 - 273
        QTest::newRow("trim") << 22 << 192 << 0 << 1.0 << 50 << 50;
        QTest::newRow("trim missing") << 22 << 0 << 0 << 1.0 << 0 << 0;
        QTest::newRow("fuel system closed loop") << 23 << 2 << 0 << 1.0 << 2 << 50;
        QTest::newRow("fuel system open loop") << 23 << 1 << 0 << 1.0 << 1 << 0;
        QTest::newRow("unknown") << 12 << 50 << 0 << 1.0 << 0 << 0;
    }
    void valuesAndHeights() {
        QFETCH(int, typ);
        QFETCH(int, b0);
        QFETCH(int, b1);
        QFETCH(double, wzmocnienie);
        QFETCH(int, surowa);
        QFETCH(int, wysokosc);
        std::array<unsigned char, 128> probka{};
        probka[60] = static_cast<unsigned char>(b0);
        probka[61] = static_cast<unsigned char>(b1);
        const TWykres w = Slad(typ, 60, 1, 0, wzmocnienie);
        QCOMPARE(WartoscSladu(w, probka.data()), surowa);
        QCOMPARE(WysokoscSladu(w, probka.data(), 100), wysokosc);
        QCOMPARE(WysokoscSladu(w, nullptr, 100), 0);
    }

    void labels() {
        std::array<unsigned char, 128> probka{};
        probka[17] = 0x52; // 850 = 0x352
        probka[18] = 0x03;
        const TWykres obroty = Slad(11, 17, 10, 0, 1);
        // The short name (the id after 1400) and 26 spaces.
        QCOMPARE(EtykietaSladu(obroty, &teksty, probka.data()),
                 teksty.PodajTekst(1401) + QStringLiteral("=8500") + QString(26, QLatin1Char(' ')));
        QCOMPARE(EtykietaSladu(obroty, &teksty, nullptr).trimmed(), teksty.PodajTekst(1401));
        const TWykres cisnienie = Slad(11, 17, 0.01, 2, 1);
        QVERIFY(
            EtykietaSladu(cisnienie, &teksty, probka.data()).contains(QStringLiteral("=8.50 ")));
        TWykres system = Slad(23, 17, 1, 0, 1);
        probka[17] = 4;
        QVERIFY(
            EtykietaSladu(system, &teksty, probka.data()).contains(QStringLiteral("= OL Load")));
    }
};

QTEST_GUILESS_MAIN(TestUkladScope)
#include "tst_ukladscope.moc"
