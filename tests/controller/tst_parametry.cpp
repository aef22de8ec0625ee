// Live values through the trace catalogue: reading, scaling, formatting and its cache,
// view selection, the board's adaptation, and the work-state texts and colours.

#include "LokalizacjaTestu.h"
#include "MapaPortow.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QLocale>
#include <QTest>

namespace {

// A text table whose English cell of every id is "e" + id.
TTeksty TekstyTestowe() {
    QByteArray dane;
    for (int id :
         {1242, 1243, 1244, 1245, 1246, 1247, 1248, 1249, 1250, 2001, 2017, 2018, 2021, 3810})
        dane += QByteArray::number(id) + "\tp\te" + QByteArray::number(id) + "\n";
    TTeksty t;
    t.WczytajDane(dane);
    t.UstawJezyk(0);
    return t;
}

} // namespace

class TestParametry : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;
    TTeksty teksty = TekstyTestowe();

    // The place of a catalogue row in a view, -1 when the view does not list it.
    int Miejsce(int widok, int wiersz) const {
        for (int n = 0; n < s->PodajIleParamBiez(widok); ++n)
            if (s->PodajPozycje(widok, n) == wiersz) return n;
        return -1;
    }

    void Identyfikacja(int generacja, int kanaly) {
        s->IdentSterownika[42] = static_cast<unsigned char>(generacja);
        s->IdentSterownika[43] = static_cast<unsigned char>(kanaly);
        s->ListaParamOdPlytki();
    }

    void Slowo(int pozycja, int v) {
        s->RamkaRx[pozycja] = static_cast<unsigned char>(v & 0xFF);
        s->RamkaRx[pozycja + 1] = static_cast<unsigned char>(v >> 8);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init() {
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so"));
        s->Zegar().stop();
        s->Teksty = &teksty;
        s->PokazSerwisowe = true; // every row is reachable through view 2
        Identyfikacja(2, 8);
    }

    void catalogueHasItsRowsInOrder() {
        QCOMPARE(int(s->Wykresy.size()), 47);
        QCOMPARE(s->Wykresy[1].Tekst, 1400);
        QCOMPARE(s->Wykresy[21].Pozycja, 60);
        QCOMPARE(s->Wykresy[36].Pozycja, 90);
        QCOMPARE(s->Wykresy[36].Kolor, TKolor{0x5AA05A});
        QCOMPARE(s->Wykresy[46].Tekst, -39);
        QCOMPARE(s->Wykresy[12].Ostatnia, 0.0001);
    }

    void valueOfEveryType_data() {
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<QByteArray>("bajty"); // position:value pairs
        QTest::addColumn<QString>("tekst");
        QTest::newRow("rpm u16 x 10") << 1 << QByteArray("17:200,18:3") << "9680";
        QTest::newRow("vacuum 0.01 bar") << 3 << QByteArray("44:75,45:0") << "0.75";
        QTest::newRow("reducer temp offset") << 6 << QByteArray("40:100") << "-28";
        QTest::newRow("level 0.02 V") << 11 << QByteArray("50:101") << "2.02";
        QTest::newRow("supply 0.005 V") << 12 << QByteArray("52:0xB0,53:0x09") << "12.40";
        QTest::newRow("fuel system CL") << 13 << QByteArray("97:2") << "CL";
        QTest::newRow("fuel system unknown") << 13 << QByteArray("97:3") << "-";
        QTest::newRow("trim 192") << 14 << QByteArray("99:192") << "50.0";
        QTest::newRow("trim 64") << 14 << QByteArray("99:64") << "-50.0";
        QTest::newRow("trim not available") << 14 << QByteArray("99:0") << "-";
        QTest::newRow("OBD lambda byte") << 19 << QByteArray("95:180") << "0.90";
        QTest::newRow("petrol time 0.004 ms") << 21 << QByteArray("60:0xE8,61:0x03") << "4.00";
        QTest::newRow("kelvin") << 37 << QByteArray("54:0x2C,55:0x01") << "27";
        QTest::newRow("controller time from settings") << 38 << QByteArray() << "0.240";
        QTest::newRow("two bytes") << 45 << QByteArray("38:25,39:7") << "2.5 0.7";
        QTest::newRow("plus, offset x 0.025") << 44 << QByteArray("37:168") << "1.000";
    }
    void valueOfEveryType() {
        QFETCH(int, wiersz);
        QFETCH(QByteArray, bajty);
        QFETCH(QString, tekst);
        for (const QByteArray& para : bajty.split(',')) {
            if (para.isEmpty()) continue;
            const QList<QByteArray> pv = para.split(':');
            s->RamkaRx[pv[0].toInt()] = static_cast<unsigned char>(pv[1].toInt(nullptr, 0));
        }
        // The injection-time rows are in the lists only; everything else is in the table.
        const int widok = wiersz >= 21 && wiersz <= 36 ? Widoki::Listy : Widoki::TabelaParametrow;
        const int n = Miejsce(widok, wiersz);
        QVERIFY(n >= 0);
        QCOMPARE(s->StrParamBiez(widok, n), tekst);
    }

    void unchangedValueGivesNoTextUntilRebuilt() {
        const int n = Miejsce(Widoki::SiatkaParametrow, 1);
        Slowo(17, 85);
        QCOMPARE(s->StrParamBiez(Widoki::SiatkaParametrow, n), QStringLiteral("850"));
        QCOMPARE(s->StrParamBiez(Widoki::SiatkaParametrow, n), QString());
        Slowo(17, 86);
        QCOMPARE(s->StrParamBiez(Widoki::SiatkaParametrow, n), QStringLiteral("860"));
        s->UtworzWykresy();
        QCOMPARE(s->StrParamBiez(Widoki::SiatkaParametrow, n), QStringLiteral("860"));
    }

    void textsAreAlwaysGivenForTextTypes() {
        s->RamkaRx[99] = 0;
        const int n = Miejsce(Widoki::TabelaParametrow, 14);
        QCOMPARE(s->StrParamBiez(Widoki::TabelaParametrow, n), QStringLiteral("-"));
        QCOMPARE(s->StrParamBiez(Widoki::TabelaParametrow, n), QStringLiteral("-"));
    }

    void largeValuesHaveNoThousandsSeparator() {
        const TLokalizacjaTestu lokalizacja{QLocale(QLocale::English, QLocale::UnitedStates)};
        Slowo(17, 257);
        QCOMPARE(s->StrParamBiez(Widoki::SiatkaParametrow, Miejsce(Widoki::SiatkaParametrow, 1)),
                 QStringLiteral("2570"));
    }

    void decimalsFollowTheUserLocale() {
        const TLokalizacjaTestu lokalizacja{QLocale(QLocale::Polish)};
        Slowo(44, 75);
        QCOMPARE(s->StrParamBiez(Widoki::TabelaParametrow, Miejsce(Widoki::TabelaParametrow, 3)),
                 QStringLiteral("0,75"));
    }

    void rpmWireSettingRenamesRowEight_data() {
        QTest::addColumn<int>("ustawienie");
        QTest::addColumn<int>("tekst");
        QTest::addColumn<QString>("wartosc"); // of a raw 400
        QTest::newRow("rpm") << 0 << 3041 << "2.00";
        QTest::newRow("lambda") << 1 << 3042 << "2.00";
        QTest::newRow("maf") << 2 << 3043 << "2.00";
        QTest::newRow("afr") << 3 << 3044 << "13.35";
    }
    void rpmWireSettingRenamesRowEight() {
        QFETCH(int, ustawienie);
        QFETCH(int, tekst);
        QFETCH(QString, wartosc);
        s->Nastawy[4] = static_cast<unsigned char>(ustawienie);
        s->ListaRpmLamMafAfr();
        QCOMPARE(s->Wykresy[8].Tekst, tekst);
        QCOMPARE(s->Wykresy[8].Jednostka, ustawienie == 3 ? 0 : 1050);
        Slowo(58, 400);
        QCOMPARE(s->StrParamBiez(Widoki::Listy, Miejsce(Widoki::Listy, 8)), wartosc);
    }

    void beyondTheSelectionIsTheCatalogueSize() {
        const int ile = s->PodajIleParamBiez(Widoki::SiatkaParametrow);
        QCOMPARE(s->PodajPozycje(Widoki::SiatkaParametrow, ile), 47);
        QCOMPARE(s->StrParamBiez(Widoki::SiatkaParametrow, ile), QString());
    }

    void serviceRowsJoinListsOnlyWhenShown() {
        const int z = s->PodajIleParamBiez(Widoki::Listy);
        s->PokazSerwisowe = false;
        QCOMPARE(s->PodajIleParamBiez(Widoki::Listy), z - 10);
        // RPM, vacuum, gas pressure, the two temperatures, and channel 1's two times.
        QCOMPARE(s->PodajIleParamBiez(Widoki::Oscyloskop), 7);
    }

    void boardDecidesLambdaRowsAndInjectionChannels_data() {
        QTest::addColumn<int>("generacja");
        QTest::addColumn<int>("kanaly");
        QTest::addColumn<int>("oczekiwaneKanaly");
        QTest::addColumn<QList<int>>("wiersze"); // rows of view 1 beyond the common ones
        QTest::newRow("gen 2, 4 channels")
            << 2 << 4 << 4 << QList<int>{8, 21, 22, 23, 24, 25, 26, 27, 28};
        QTest::newRow("gen 2, 6 channels")
            << 2 << 6 << 6 << QList<int>{8, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
        QTest::newRow("gen 3, 8 channels")
            << 3 << 8 << 8
            << QList<int>{9, 10, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36};
        QTest::newRow("gen 3, 5 channels taken as 8")
            << 3 << 5 << 8
            << QList<int>{9, 10, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36};
    }
    void boardDecidesLambdaRowsAndInjectionChannels() {
        QFETCH(int, generacja);
        QFETCH(int, kanaly);
        QFETCH(int, oczekiwaneKanaly);
        QFETCH(QList<int>, wiersze);
        s->PokazSerwisowe = false;
        Identyfikacja(generacja, kanaly);
        QCOMPARE(s->LiczbaWtryskiwaczy, oczekiwaneKanaly);
        QCOMPARE(s->PlytkaV3, generacja >= 3);
        QCOMPARE(s->ListaNastaw[4].Tekst, generacja >= 3 ? 3060 : 3040);
        QList<int> lista;
        for (int n = 0; n < s->PodajIleParamBiez(Widoki::Listy); ++n) {
            const int w = s->PodajPozycje(Widoki::Listy, n);
            if (w >= 8 && w <= 10) lista.append(w);
            if (w >= 21) lista.append(w);
        }
        QCOMPARE(lista, wiersze);
    }

    void adaptationBytesOutOfRangeAreReset() {
        s->IdentSterownika[66] = 77;
        s->IdentSterownika[67] = 78;
        s->IdentSterownika[68] = 178;
        s->IdentSterownika[69] = 179;
        s->ListaParamOdPlytki();
        QCOMPARE(QByteArray(reinterpret_cast<char*>(s->IdentSterownika + 66), 4),
                 QByteArray::fromHex("804eb280"));
    }

    void workStateTextAndColour_data() {
        QTest::addColumn<int>("stan");
        QTest::addColumn<QString>("pelny");
        QTest::addColumn<QString>("krotki");
        QTest::addColumn<quint32>("kolor");
        QTest::newRow("no ignition, whatever the mode") << 0x0206 << "e1242"
                                                        << "e1242" << 0x808080u;
        QTest::newRow("not turning") << 0x0106 << "e1243"
                                     << "e1243" << 0xC0C0C0u;
        QTest::newRow("petrol") << 0x0300 << "e1245"
                                << "e1244" << 0xFF0000u;
        QTest::newRow("waiting") << 0x0302 << "e1246"
                                 << "e1246" << 0xFF8040u;
        QTest::newRow("switching 4") << 0x0304 << "e1247"
                                     << "e1247" << 0xEA00EAu;
        QTest::newRow("switching 5") << 0x0305 << "e1247"
                                     << "e1247" << 0xEA00EAu;
        QTest::newRow("gas") << 0x0306 << "e1250"
                             << "e1249" << 0x00A000u;
        QTest::newRow("mix") << 0x0307 << "e1248"
                             << "e1248" << 0x0080FFu;
        QTest::newRow("mode 3") << 0x0303 << ""
                                << "" << 0u;
        QTest::newRow("mode 9") << 0x0309 << ""
                                << "" << 0u;
    }
    void workStateTextAndColour() {
        QFETCH(int, stan);
        QFETCH(QString, pelny);
        QFETCH(QString, krotki);
        QFETCH(quint32, kolor);
        const auto st = static_cast<unsigned short>(stan);
        QCOMPARE(s->StrStanPracy(st, 1), pelny);
        QCOMPARE(s->StrStanPracy(st, 0), krotki);
        QCOMPARE(s->KolorStanuPracy(st), TKolor{kolor});
    }

    void switchReasons_data() {
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<int>("powod");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("1") << 0xF0 << 1 << "e2001";
        QTest::newRow("17") << 0xF0 << 17 << "e2017";
        QTest::newRow("18 unknown") << 0xF0 << 18 << "";
        QTest::newRow("32") << 0xF0 << 32 << "e2018";
        QTest::newRow("35") << 0xF0 << 35 << "e2021";
        QTest::newRow("36 unknown") << 0xF0 << 36 << "";
        QTest::newRow("adaptation") << 0xF4 << 0 << "e3810";
        QTest::newRow("map cell") << 0 << 1 << "";
    }
    void switchReasons() {
        QFETCH(int, rodzaj);
        QFETCH(int, powod);
        QFETCH(QString, tekst);
        unsigned char ramka[92] = {};
        ramka[6] = static_cast<unsigned char>(rodzaj);
        ramka[7] = static_cast<unsigned char>(powod);
        QCOMPARE(s->StrInfoPracy(ramka), tekst);
    }
};

QTEST_GUILESS_MAIN(TestParametry)
#include "tst_parametry.moc"
