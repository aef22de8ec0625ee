// How settings read: value texts of every form, trouble codes, the pages' cell maps.

#include "MapaPortow.h"
#include "StronyNastaw.h"
#include "TSterownik.h"
#include "Teksty.h"
#include "TekstyNastaw.h"

#include <QLocale>
#include <QTest>

class TestTekstyNastaw : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    TTeksty teksty;
    std::unique_ptr<TSterownik> s;
    const QLocale angielski{QLocale::English, QLocale::UnitedStates};
    const QLocale polski{QLocale::Polish, QLocale::Poland};

    QString Tekst(int indeks, int wartosc, const QLocale& jezyk) {
        return TekstWartosci(*s, indeks, wartosc, jezyk);
    }

private slots:
    void init() {
        QVERIFY(teksty.Wczytaj());
        teksty.UstawJezyk(Jezyki::Angielski);
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so"));
        s->Teksty = &teksty;
    }

    void numbers_data() {
        QTest::addColumn<int>("indeks");
        QTest::addColumn<int>("wartosc");
        QTest::addColumn<QString>("poAngielsku");
        QTest::addColumn<QString>("poPolsku");
        // 50 x 0.06 V, two decimals.
        QTest::newRow("signal level") << 3 << 50 << "3.00"
                                      << "3,00";
        // 255 x 10 rpm, no decimals and no thousands separator.
        QTest::newRow("switching RPM") << 50 << 255 << "2550"
                                       << "2550";
        // (108 - 128) x 1 degree.
        QTest::newRow("offset below zero") << 62 << 108 << "-20"
                                           << "-20";
        // (140 - 128) x 0.025 ms, three decimals.
        QTest::newRow("three decimals") << 26 << 140 << "0.300"
                                        << "0,300";
        // 7 x 0.1 s, one decimal.
        QTest::newRow("one decimal") << 55 << 7 << "0.7"
                                     << "0,7";
        // (131 - 128) x 0.025 ms in the shortest form: no decimals set does not mean none shown.
        QTest::newRow("injector correction") << 217 << 131 << "0.075"
                                             << "0,075";
        QTest::newRow("no correction") << 217 << 128 << "0"
                                       << "0";
        // 181 x 0.0078125, shown with two decimals.
        QTest::newRow("rounded") << 94 << 181 << "1.41"
                                 << "1,41";
    }
    void numbers() {
        QFETCH(int, indeks);
        QFETCH(int, wartosc);
        QFETCH(QString, poAngielsku);
        QFETCH(QString, poPolsku);
        QCOMPARE(Tekst(indeks, wartosc, angielski), poAngielsku);
        QCOMPARE(Tekst(indeks, wartosc, polski), poPolsku);
    }

    void idleCorrectionAddsTheBanksAdaptation() {
        // (130 - 128) x 0.02 + 1 + (b - 128) x 0.02
        s->IdentSterownika[66] = 128;
        QCOMPARE(Tekst(90, 130, angielski), QStringLiteral("1.04"));
        s->IdentSterownika[66] = 153;
        QCOMPARE(Tekst(90, 130, angielski), QStringLiteral("1.54"));
        s->IdentSterownika[68] = 78;
        QCOMPARE(Tekst(92, 128, angielski), QStringLiteral("0.00"));
    }

    void enumerationsAndSwitches() {
        QCOMPARE(Tekst(1, 6, angielski), QStringLiteral("1 coil per 8 cylinders"));
        QCOMPARE(Tekst(21, 1, angielski), QStringLiteral("Yes"));
        QCOMPARE(Tekst(21, 0, angielski), QStringLiteral("No"));
        // Outside the range reads as the nearest limit (setting 1 allows 0..8).
        QCOMPARE(Tekst(1, 200, angielski), Tekst(1, 8, angielski));
        QCOMPARE(Tekst(4, 2, angielski), QStringLiteral("MAF (Valvetronic)"));
        s->PlytkaV3 = true;
        QCOMPARE(Tekst(4, 0, angielski), QStringLiteral("Not connected"));
        QCOMPARE(Tekst(24, 26, angielski), QString::fromUtf16(u"r > 10 \u2126 (PWM 100%)"));
        QCOMPARE(Tekst(24, 2, angielski), QStringLiteral("Napoleon"));
        QCOMPARE(Tekst(40, 0, angielski), QString::fromUtf16(u"90 \u2126 growing"));
        QCOMPARE(Tekst(257, 0, angielski), QStringLiteral("Off"));
        QCOMPARE(Tekst(257, 1, angielski), QStringLiteral("Automatic"));
        QCOMPARE(Tekst(257, 10, angielski), QStringLiteral("SEA J1850 VPW"));
        QCOMPARE(Tekst(109, 10, angielski), QStringLiteral("ISO 9141-2")); // 109 stops at 8
        QCOMPARE(TekstJednostki(&teksty, 3), QStringLiteral("[mm]"));
        QCOMPARE(TekstJednostki(&teksty, 9), QString());
    }

    void troubleCodes() {
        QCOMPARE(Tekst(115, 0x0301, angielski), QStringLiteral("P0301"));
        QCOMPARE(Tekst(115, 0xC1AB, angielski), QStringLiteral("U01AB"));
        QCOMPARE(Tekst(115, 256, angielski), QStringLiteral("Off"));
        QCOMPARE(Tekst(115, 257, angielski), QStringLiteral("P0101"));
        s->Nastawy[115] = 0x01;
        s->Nastawy[116] = 0x43;
        QCOMPARE(WartoscNastawy(*s, 115), 0x4301);
        QCOMPARE(Tekst(115, WartoscNastawy(*s, 115), angielski), QStringLiteral("C0301"));
    }

    void codeEntries_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("kod");
        QTest::newRow("lower case") << "p0301" << 0x0301;
        QTest::newRow("below 256 is none") << "P00FF" << 0;
        QTest::newRow("network") << "U1234" << 0xD234;
        QTest::newRow("bad letter") << "X1234" << -1;
        QTest::newRow("bad digit") << "P12G4" << -1;
        QTest::newRow("space inside") << "P 123" << -1;
        QTest::newRow("sign") << "P+123" << -1;
        QTest::newRow("short") << "P030" << -1;
    }
    void codeEntries() {
        QFETCH(QString, tekst);
        QFETCH(int, kod);
        QCOMPARE(KodBleduZTekstu(tekst).value_or(-1), kod);
    }

    void pageRowCounts() {
        QCOMPARE(MapaStrony(Strony::Glowna, 0, false).size(), size_t(16));
        QCOMPARE(MapaStrony(Strony::Glowna, 1, false).size(), size_t(19));
        QCOMPARE(MapaStrony(Strony::Glowna, 2, false).size(), size_t(24));
        QCOMPARE(MapaStrony(Strony::Kalibracja, 0, false).size(), size_t(3));
        QCOMPARE(MapaStrony(Strony::ObdSterownik, 0, false).size(), size_t(9));
        QVERIFY(MapaStrony(7, 0, false).empty());
    }

    void pageCells() {
        const TMapaStrony zero = MapaStrony(Strony::Glowna, 0, false);
        QCOMPARE(zero[3], (TWierszStrony{3, Komorki::Pusta}));
        QCOMPARE(zero[8], (TWierszStrony{Komorki::Przyciski, 46}));
        QCOMPARE(zero[14], (TWierszStrony{55, 63}));
        const TMapaStrony jeden = MapaStrony(Strony::Glowna, 1, false);
        QCOMPARE(jeden[9], (TWierszStrony{Komorki::Przyciski, 47}));
        QCOMPARE(jeden[17], (TWierszStrony{57, 96}));
        const TMapaStrony dwa = MapaStrony(Strony::Glowna, 2, false);
        QCOMPARE(dwa[5], (TWierszStrony{5, 68}));
        QCOMPARE(dwa[20], (TWierszStrony{59, 67}));
        QCOMPARE(MapaStrony(Strony::Glowna, 2, true)[5], (TWierszStrony{Komorki::Pusta, 68}));
        QCOMPARE(MapaStrony(Strony::ObdSterownik, 0, false)[1], (TWierszStrony{109, 112}));
        QCOMPARE(MapaStrony(Strony::Obd, 0, false)[7], (TWierszStrony{Komorki::Pusta, 269}));
        QCOMPARE(TytulRamki(Komorki::RamkaNaBenzyne), 1280);
    }
};

QTEST_GUILESS_MAIN(TestTekstyNastaw)
#include "tst_tekstynastaw.moc"
