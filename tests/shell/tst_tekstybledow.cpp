// The error panel's lines, the waiting reasons and the history lines.

#include "Teksty.h"
#include "TekstyBledow.h"

#include <QTest>

class TestTekstyBledow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void aktywneBledyWKolejnosci_data();
    void aktywneBledyWKolejnosci();
    void licznikiPodNaglowkiem();
    void licznikBezZnakuNieUjemny();
    void pominieteBajtyLicznikow();
    void powodCzekaniaNajwyzszyBit_data();
    void powodCzekaniaNajwyzszyBit();
    void liniaHistoriiWyrownana();

private:
    QString T(int id) const { return teksty.PodajTekst(id); }
    TTeksty teksty;
};

void TestTekstyBledow::initTestCase() {
    QVERIFY(teksty.Wczytaj());
    teksty.UstawJezyk(Jezyki::Angielski);
}

void TestTekstyBledow::aktywneBledyWKolejnosci_data() {
    QTest::addColumn<int>("bajt");
    QTest::addColumn<int>("wartosc");
    QTest::addColumn<QStringList>("linie");
    QTest::newRow("sensor voltages") << 6 << 0x81 << QStringList{T(1901), T(1908)};
    QTest::newRow("supply") << 7 << 0x73
                            << QStringList{T(1911), T(1912), T(1913), T(1914), T(1915)};
    QTest::newRow("gas pressure") << 8 << 0x02 << QStringList{T(1922)};
    QTest::newRow("two fuels") << 9 << 0x0F << QStringList{T(1931), T(1932), T(1933), T(1934)};
    QTest::newRow("injectors 1 and 3 missing")
        << 10 << 0x05
        << QStringList{T(1940) + QStringLiteral(" 1"), T(1940) + QStringLiteral(" 3")};
    QTest::newRow("short circuit 8") << 11 << 0x80 << QStringList{T(1950) + QStringLiteral(" 8")};
    QTest::newRow("fully open 2") << 12 << 0x02 << QStringList{T(1960) + QStringLiteral(" 2")};
}

void TestTekstyBledow::aktywneBledyWKolejnosci() {
    QFETCH(int, bajt);
    QFETCH(int, wartosc);
    unsigned char r[70] = {};
    r[bajt] = static_cast<unsigned char>(wartosc);
    QTEST(LinieBledow(r, false, teksty), "linie");
}

void TestTekstyBledow::licznikiPodNaglowkiem() {
    unsigned char r[70] = {};
    r[6] = 0x01;
    r[13] = 3; // 1901
    r[22] = 1; // 1912
    r[27] = 2; // 1915
    r[48] = 5; // 1940, injector 4
    r[68] = 9; // 1960, injector 8
    const QStringList linie = LinieBledow(r, true, teksty);
    const QStringList oczekiwane = {T(1901),
                                    QString(),
                                    QStringLiteral("\t") + T(1233) + QStringLiteral(":"),
                                    QString(),
                                    QStringLiteral("3 x ") + T(1901),
                                    QStringLiteral("1 x ") + T(1912),
                                    QStringLiteral("2 x ") + T(1915),
                                    QStringLiteral("5 x ") + T(1940) + QStringLiteral(" 4"),
                                    QStringLiteral("9 x ") + T(1960) + QStringLiteral(" 8")};
    QCOMPARE(linie, oczekiwane);
    QVERIFY(!T(1233).isEmpty());
}

void TestTekstyBledow::licznikBezZnakuNieUjemny() {
    unsigned char r[70] = {};
    r[30] = 200;
    QCOMPARE(LinieBledow(r, true, teksty).last(), QStringLiteral("200 x ") + T(1922));
}

void TestTekstyBledow::pominieteBajtyLicznikow() {
    unsigned char r[70] = {};
    for (int b : {23, 24, 28, 41, 42, 43, 44})
        r[b] = 1;
    QCOMPARE(LinieBledow(r, true, teksty).size(), 3);
}

void TestTekstyBledow::powodCzekaniaNajwyzszyBit_data() {
    QTest::addColumn<int>("grupa");
    QTest::addColumn<int>("bity");
    QTest::addColumn<int>("id");
    QTest::newRow("group 1 bit 1") << 1 << 0x02 << 1802;
    QTest::newRow("group 1 bits 1 and 2") << 1 << 0x06 << 1803;
    QTest::newRow("group 1 bit 0 only") << 1 << 0x01 << 0;
    QTest::newRow("group 10 bit 0") << 10 << 0x01 << 1811;
    QTest::newRow("group 10 bit 6") << 10 << 0x41 << 1817;
    QTest::newRow("group 10 bit 7 ignored") << 10 << 0x80 << 0;
    QTest::newRow("group 20 bit 5") << 20 << 0x3F << 1826;
    QTest::newRow("other group") << 5 << 0xFF << 0;
}

void TestTekstyBledow::powodCzekaniaNajwyzszyBit() {
    QFETCH(int, grupa);
    QFETCH(int, bity);
    QTEST(PowodCzekania(static_cast<unsigned char>(grupa), static_cast<unsigned char>(bity)), "id");
}

void TestTekstyBledow::liniaHistoriiWyrownana() {
    // Short times get a second TAB so that the reasons line up.
    QCOMPARE(LiniaHistorii(QStringLiteral("1.5 [s]"), QStringLiteral("x")),
             QStringLiteral("1.5 [s]\t\tx"));
    QCOMPARE(LiniaHistorii(QStringLiteral("12.5 [s]"), QStringLiteral("x")),
             QStringLiteral("12.5 [s]\tx"));
    QCOMPARE(LiniaHistorii(QStringLiteral("1.5 [s]"), QString()), QStringLiteral("1.5 [s]\t\t"));
}

QTEST_MAIN(TestTekstyBledow)
#include "tst_tekstybledow.moc"
