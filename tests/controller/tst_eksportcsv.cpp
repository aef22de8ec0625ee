// The oscilloscope's CSV export: raw values by type, the number patterns, the columns of
// the chart lists, and whole exports byte for byte.

#include "EksportCsv.h"
#include "MapaPortow.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QTest>

#include <array>

namespace {

using TProbka = std::array<unsigned char, TSterownik::RozmiarProbki>;

struct TStanowiskoCsv {
    TMapaPortow mapa;
    TTeksty teksty;
    TSterownik s{mapa, QStringLiteral("/nonexistent/libftd2xx.so")};

    explicit TStanowiskoCsv(int jezyk = Jezyki::Angielski) {
        s.Zegar().stop();
        teksty.Wczytaj();
        teksty.UstawJezyk(jezyk);
        s.Teksty = &teksty;
    }

    // Four traces of the chart lists, one of the oscilloscope only, one without a pattern.
    void MalyKatalog() {
        s.Wykresy.clear();
        s.DodajWykres(1400, 1056, TypyWartosci::Slowo, 17, 10, 0, {}, 1, Widoki::Listy);
        s.DodajWykres(1404, 1051, TypyWartosci::Slowo, 44, 0.01, 2, {}, 1, Widoki::Listy);
        s.DodajWykres(1406, 1051, TypyWartosci::Slowo, 48, 0.01, 2, {}, 1, Widoki::Oscyloskop);
        s.DodajWykres(1412, 1054, TypyWartosci::BajtZPrzesunieciem, 42, 1, 0, {}, 1, Widoki::Listy);
        s.DodajWykres(1452, 1057, TypyWartosci::KorektaObd, 99, 1, 1, {}, 1, Widoki::Listy | 2);
        s.DodajWykres(1430, 1050, TypyWartosci::Bajt, 50, 0.02, 4, {}, 1, Widoki::Listy);
    }
};

// 850 rpm, 0.42 bar, 20 °C, no trim; 2600 rpm, 4 bar, -28 °C, +50 %; all zero.
std::array<TProbka, 3> TrzyProbki() {
    std::array<TProbka, 3> p{};
    p[0][17] = 85;
    p[0][44] = 42;
    p[0][42] = 148;
    p[1][17] = 0x04;
    p[1][18] = 0x01;
    p[1][44] = 0x90;
    p[1][45] = 0x01;
    p[1][42] = 100;
    p[1][99] = 192;
    return p;
}

TWykres Wykres(int typ, int pozycja, double skala = 1, int miejsca = 0) {
    TWykres w;
    w.Typ = typ;
    w.Pozycja = pozycja;
    w.Skala = skala;
    w.Miejsca = miejsca;
    return w;
}

} // namespace

class TestEksportCsv : public QObject {
    Q_OBJECT

private slots:
    void rawValueFollowsTheTraceType_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QByteArray>("bajty"); // at position 10 of the sample
        QTest::addColumn<double>("skala");
        QTest::addColumn<int>("surowa");
        QTest::newRow("bit 3 set") << 3 << QByteArray("\x08") << 1.0 << 1;
        QTest::newRow("bit 3 clear") << 3 << QByteArray("\xF7") << 1.0 << 0;
        QTest::newRow("bit 0") << 0 << QByteArray("\x01") << 1.0 << 1;
        QTest::newRow("byte") << 10 << QByteArray("\xC8") << 1.0 << 200;
        QTest::newRow("word, low byte first") << 11 << QByteArray("\x34\x12") << 1.0 << 0x1234;
        QTest::newRow("byte with offset") << 20 << QByteArray("\x64") << 1.0 << -28;
        QTest::newRow("kelvin word") << 21 << QByteArray("\x2C\x01") << 1.0 << 27;
        QTest::newRow("kelvin below zero") << 21 << QByteArray("\xFA\x00") << 1.0 << -23;
        QTest::newRow("trim +50 %") << 22 << QByteArray("\xC0") << 1.0 << 50;
        QTest::newRow("trim not available") << 22 << QByteArray("\x00", 1) << 1.0 << 0;
        // -21.875 truncates toward zero.
        QTest::newRow("trim truncated") << 22 << QByteArray("\x64") << 1.0 << -21;
        QTest::newRow("fuel system status") << 23 << QByteArray("\x04") << 1.0 << 4;
        // 2.00 V as AFR: 3 x 400 + 7.35 / 0.005.
        QTest::newRow("afr") << 24 << QByteArray("\x90\x01") << 0.005 << 2670;
        QTest::newRow("controller time") << 12 << QByteArray("\xFF\xFF") << 0.004 << 0;
        QTest::newRow("two bytes") << 13 << QByteArray("\xFF\xFF") << 0.1 << 0;
        QTest::newRow("unknown type") << 99 << QByteArray("\xFF") << 1.0 << 0;
    }
    void rawValueFollowsTheTraceType() {
        QFETCH(int, typ);
        QFETCH(QByteArray, bajty);
        QFETCH(double, skala);
        QFETCH(int, surowa);
        TProbka p{};
        std::copy(bajty.begin(), bajty.end(), p.begin() + 10);
        QCOMPARE(WartoscSurowa(Wykres(typ, 10, skala), p.data()), surowa);
    }

    void cellIsScaledAndFormattedByDecimals_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QByteArray>("bajty");
        QTest::addColumn<double>("skala");
        QTest::addColumn<int>("miejsca");
        QTest::addColumn<QString>("jezyk");
        QTest::addColumn<QString>("komorka");
        QTest::newRow("general") << 11 << QByteArray("\x55\x00", 2) << 10.0 << 0 << "en_US"
                                 << "850;";
        QTest::newRow("general, 15 digits") << 10 << QByteArray("\x03") << 0.1 << 0 << "en_US"
                                            << "0.3;";
        QTest::newRow("general negative") << 20 << QByteArray("\x00", 1) << 1.0 << 0 << "en_US"
                                          << "-128;";
        QTest::newRow("one decimal") << 22 << QByteArray("\xC0") << 1.0 << 1 << "en_US"
                                     << "50.0;";
        QTest::newRow("two decimals") << 24 << QByteArray("\x90\x01") << 0.005 << 2 << "en_US"
                                      << "13.35;";
        QTest::newRow("three decimals") << 11 << QByteArray("\xD2\x04") << 0.004 << 3 << "en_US"
                                        << "4.936;";
        QTest::newRow("no thousands grouping")
            << 11 << QByteArray("\x39\x30") << 1.0 << 1 << "en_US"
            << "12345.0;";
        QTest::newRow("polish comma") << 11 << QByteArray("\x2A\x00", 2) << 0.01 << 2 << "pl_PL"
                                      << "0,42;";
        QTest::newRow("polish general") << 10 << QByteArray("\x03") << 0.5 << 0 << "pl_PL"
                                        << "1,5;";
        QTest::newRow("four decimals: nothing") << 10 << QByteArray("\x03") << 1.0 << 4 << "en_US"
                                                << "";
        QTest::newRow("negative decimals: nothing")
            << 10 << QByteArray("\x03") << 1.0 << -1 << "en_US"
            << "";
    }
    void cellIsScaledAndFormattedByDecimals() {
        QFETCH(int, typ);
        QFETCH(QByteArray, bajty);
        QFETCH(double, skala);
        QFETCH(int, miejsca);
        QFETCH(QString, jezyk);
        QFETCH(QString, komorka);
        TProbka p{};
        std::copy(bajty.begin(), bajty.end(), p.begin() + 20);
        QCOMPARE(KomorkaCsv(Wykres(typ, 20, skala, miejsca), p.data(), QLocale(jezyk)), komorka);
    }

    void exportIsByteExact() {
        TStanowiskoCsv st;
        st.MalyKatalog();
        const auto p = TrzyProbki();
        const QByteArray csv =
            TekstCsv(st.s, p[0].data(), 3, QLocale(QLocale::English, QLocale::UnitedStates));
        // The column without a pattern keeps its name but adds nothing to the rows.
        QCOMPARE(csv, QByteArray("sec;Revolutions;Vacuum;Gas temp.;SHRT FT 1;Level sensor;\r\n"
                                 "0.0;850;0.42;20;0.0;\r\n"
                                 "0.1;2600;4.00;-28;50.0;\r\n"
                                 "0.2;0;0.00;-128;0.0;\r\n"));
    }

    void polishExportUsesCommasAndTheLocalCodePage() {
        TStanowiskoCsv st(Jezyki::Polski);
        st.MalyKatalog();
        const auto p = TrzyProbki();
        const QByteArray csv =
            TekstCsv(st.s, p[0].data(), 2, QLocale(QLocale::Polish, QLocale::Poland));
        const QString oczekiwany =
            QStringLiteral("sec;Obroty;Podciśnienie;Temp. gazu;SHRT FT 1;Czujnik poziomu;\r\n"
                           "0,0;850;0,42;20;0,0;\r\n"
                           "0,1;2600;4,00;-28;50,0;\r\n");
        QCOMPARE(csv, oczekiwany.toLocal8Bit());
    }

    void noSamplesGiveTheHeaderAlone() {
        TStanowiskoCsv st;
        st.MalyKatalog();
        QCOMPARE(TekstCsv(st.s, nullptr, 0, QLocale::c()),
                 QByteArray("sec;Revolutions;Vacuum;Gas temp.;SHRT FT 1;Level sensor;\r\n"));
    }

    void rowTimeCountsTenthsOfASecond() {
        TStanowiskoCsv st;
        st.MalyKatalog();
        const TProbka p{};
        QVERIFY(WierszCsv(st.s, 123, p.data(), QLocale::c()).startsWith(QLatin1String("12.3;")));
        QVERIFY(
            WierszCsv(st.s, 36000, p.data(), QLocale::c()).startsWith(QLatin1String("3600.0;")));
    }

    void columnsAreTheChartListsOfTheConnectedBoard() {
        TStanowiskoCsv st;
        // A generation 3 board with four channels: two lambda inputs, four injector pairs.
        st.s.IdentSterownika[42] = 3;
        st.s.IdentSterownika[43] = 4;
        st.s.ListaParamOdPlytki();
        QCOMPARE(NaglowekCsv(st.s),
                 QStringLiteral(
                     "sec;Revolutions;Vacuum;Gas pressure;ABS gas press.;Reducer temp.;Gas temp.;"
                     "Lambda 1;Lambda 2;Level sensor;Power supply;Fuel sys 1;SHRT FT 1;LONG FT 1;"
                     "Fuel sys 2;SHRT FT 2;LONG FT 2;Lambda 1;Lambda 2;"
                     "P 1;G 1;P 2;G 2;P 3;G 3;P 4;G 4;"));
    }

    void defaultRowReadsEveryColumnFromItsPosition() {
        TStanowiskoCsv st;
        st.s.IdentSterownika[42] = 2; // the RPM wire instead of a second lambda
        st.s.IdentSterownika[43] = 4;
        st.s.ListaParamOdPlytki();
        TProbka p{};
        p[17] = 85;       // 850 rpm
        p[40] = 128 + 61; // reducer 61 °C
        p[58] = 0x90;     // 2.00 V on the RPM wire
        p[59] = 0x01;
        p[97] = 2;    // fuel system 1 closed loop
        p[60] = 0xE2; // P 1: 1250 x 0.004 ms
        p[61] = 0x04;
        QCOMPARE(WierszCsv(st.s, 0, p.data(), QLocale::c()),
                 QStringLiteral("0.0;850;0.00;0.00;0.00;61;-128;2.00;0.00;0.00;2;0.0;0.0;0;0.0;0.0;"
                                "0.00;0.00;5.00;0.00;0.00;0.00;0.00;0.00;0.00;0.00;"));
    }

    void serviceRowsJoinWhenShown() {
        TStanowiskoCsv st;
        st.s.PokazSerwisowe = true;
        const QString naglowek = NaglowekCsv(st.s);
        QVERIFY2(naglowek.endsWith(
                     QStringLiteral("; t. ster.; plus; mnożnik; kor. obr.; kor. cis.; kor. temp.;"
                                    " kor. razem; plus; otw/nat; test;")),
                 qPrintable(naglowek));
        // The computed controller time is no sample value: the export shows 0.
        TProbka p{};
        p[60] = 0xFF;
        QVERIFY(WierszCsv(st.s, 0, p.data(), QLocale::c()).contains(QLatin1String(";0.000;")));
    }
};

QTEST_GUILESS_MAIN(TestEksportCsv)
#include "tst_eksportcsv.moc"
