// The PID grid's two views, cell colours and the choice of PIDs by click, double click and
// Enter; the status grid's set-up on the first tick.

#include "StanowiskoObd.h"

#include <QTest>

namespace {

void Obsluguj(TObd& obd, std::initializer_list<int> numery) {
    for (int n : numery)
        obd.Pidy[std::size_t(n)].Obslugiwany = true;
}

} // namespace

class TestSiatkiPid : public QObject {
    Q_OBJECT

private slots:
    void calyKatalogWKolejnosciPid() {
        TStanowiskoObd st;
        Obsluguj(*st.obd, {0x00, 0x03, 0x0C});
        st.obd->OpiszPid();
        QCOMPARE(st.pidy.kolumny, 5);
        QCOMPARE(st.pidy.wiersze, 129);
        QCOMPARE(st.pidy.szerokosci, (QMap<int, int>{{-1, 70}, {0, 20}, {1, 20}, {2, 200}}));
        QCOMPARE(st.pidy.Kolumna(0, 4), (QStringList{"00", "01", "02", "03"}));
        QCOMPARE(st.pidy.Komorka(0, 128), QStringLiteral("80"));
        QCOMPARE(st.pidy.Komorka(0, 0x2A), QStringLiteral("2A"));
        QCOMPARE(st.pidy.Komorka(2, 128), QStringLiteral("PIDs supported 81-A0"));
        QCOMPARE(st.pidy.Komorka(3, 0x0C), QStringLiteral("RPM"));
        // Not supported, supported and selected, supported and not selected.
        QCOMPARE(st.pidy.Komorka(1, 0x06), QStringLiteral("x"));
        QCOMPARE(st.pidy.Komorka(1, 0x03), QStringLiteral("on"));
        QCOMPARE(st.pidy.Komorka(1, 0x0C), QStringLiteral("off"));
        for (int i = 0; i < 129; ++i)
            QCOMPARE(st.obd->Pidy[std::size_t(i)].Wiersz, i);
        QCOMPARE(st.pidy.obsluga, st.obd.get());
        QVERIFY(st.pidy.zdarzenia);
    }

    void przebudowaCzysciWartosci() {
        TStanowiskoObd st;
        st.obd->OpiszPid();
        st.pidy.UstawKomorke(4, 0x0C, QStringLiteral("1726[rpm]"));
        st.obd->OpiszPid();
        QCOMPARE(st.pidy.Komorka(4, 0x0C), QString());
    }

    void listaWybranych() {
        TStanowiskoObd st;
        Obsluguj(*st.obd, {0x03, 0x07, 0x0C, 0x09});
        st.obd->Pidy[0x0C].Wybrany = true;
        st.obd->ZmianaListy(1);
        QCOMPARE(st.pidy.kolumny, 3);
        QCOMPARE(st.pidy.wiersze, 4);
        QCOMPARE(st.pidy.szerokosci, (QMap<int, int>{{-1, 70}, {0, 220}}));
        QCOMPARE(st.pidy.Kolumna(0, 4), (QStringList{"Fuel system status", "Long term fuel Bank 1",
                                                     "Long term fuel Bank 2", "Engine RPM"}));
        QCOMPARE(st.pidy.Kolumna(1, 4), (QStringList{"Fuel sys", "LONG FT1", "LONG FT2", "RPM"}));
        QCOMPARE(st.obd->Pidy[0x0C].Wiersz, 3);
        QCOMPARE(st.obd->Pidy[0x06].Wiersz, -1); // selected, not supported
        QCOMPARE(st.obd->Pidy[0x00].Wiersz, -1);
        QVERIFY(!st.pidy.zdarzenia); // drawing only
    }

    void listaWybranychPustaMaZeroWierszy() {
        TStanowiskoObd st;
        st.obd->ZmianaListy(1);
        QCOMPARE(st.pidy.wiersze, 0);
        QCOMPARE(st.pidy.Komorka(0, 0), QString());
    }

    void wartoscWListachWybranychWKolumnie2() {
        TStanowiskoObd st;
        Obsluguj(*st.obd, {0x07});
        st.obd->ZmianaListy(1);
        st.obd->Protokol = 6;
        st.obd->Ecu = 0x7E8;
        st.obd->AktualnyPid = 0x07;
        st.obd->Odpowiedz = "7E8 03 41 07 80\r\r>";
        QCOMPARE(st.obd->WyswietlPid(), 1);
        QCOMPARE(st.pidy.Komorka(2, 0), QStringLiteral("0.0[%]"));
        QCOMPARE(st.pidy.Komorka(4, 0x07), QString());
    }

    void kolorKomorek_data() {
        QTest::addColumn<int>("kolumna");
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<std::optional<TKolor>>("kolor");
        QTest::newRow("unsupported, any column")
            << 2 << 0x06 << std::optional<TKolor>(TKolor{0xC0C0C0});
        QTest::newRow("selected, column 1") << 1 << 0x03 << std::optional<TKolor>(TKolor{0x008000});
        QTest::newRow("selected, column 2") << 2 << 0x03 << std::optional<TKolor>();
        QTest::newRow("not selected, column 1") << 1 << 0x0C << std::optional<TKolor>();
        QTest::newRow("outside the grid") << 1 << 200 << std::optional<TKolor>();
    }
    void kolorKomorek() {
        QFETCH(int, kolumna);
        QFETCH(int, wiersz);
        QFETCH(std::optional<TKolor>, kolor);
        TStanowiskoObd st;
        Obsluguj(*st.obd, {0x03, 0x0C});
        st.obd->OpiszPid();
        QCOMPARE(st.obd->MyGridPidyDrawCell(kolumna, wiersz), kolor);
    }

    void wListachWybranychKolorCzcionki() {
        TStanowiskoObd st;
        st.obd->ZmianaListy(1);
        QCOMPARE(st.obd->MyGridPidyDrawCell(1, 0x06), std::optional<TKolor>());
    }

    void klikWKolumnie1PrzelaczaObslugiwany() {
        TStanowiskoObd st;
        Obsluguj(*st.obd, {0x0C, 0x03});
        st.obd->OpiszPid();
        st.pidy.Klik(1, 0x0C);
        QVERIFY(st.obd->Pidy[0x0C].Wybrany);
        QCOMPARE(st.pidy.Komorka(1, 0x0C), QStringLiteral("on"));
        st.pidy.Klik(1, 0x03);
        QVERIFY(!st.obd->Pidy[0x03].Wybrany);
        QCOMPARE(st.pidy.Komorka(1, 0x03), QStringLiteral("off"));
    }

    void klikNieWybieraNieobslugiwanegoAniInnejKolumny() {
        TStanowiskoObd st;
        Obsluguj(*st.obd, {0x0C});
        st.obd->OpiszPid();
        st.pidy.Klik(1, 0x06); // a default selection the ECU does not offer
        QVERIFY(st.obd->Pidy[0x06].Wybrany);
        st.pidy.Klik(2, 0x0C);
        QVERIFY(!st.obd->Pidy[0x0C].Wybrany);
        st.pidy.Klik(1, 500);
    }

    void podwojnyKlikPrzelaczaIZerujeStanObd() {
        TStanowiskoObd st;
        Obsluguj(*st.obd, {0x0C});
        st.obd->OpiszPid();
        for (int i = 0; i < 36; ++i)
            st.sterownik.StanObd[i] = 0x33;
        st.pidy.PodwojnyKlik(3, 0x0C);
        QVERIFY(st.obd->Pidy[0x0C].Wybrany);
        QCOMPARE(st.StanObd(3, 11), QList<int>(9, 0));
        QCOMPARE(st.StanObd(0, 2), QList<int>(3, 0x33));
        QCOMPARE(st.StanObd(12, 12), QList<int>{0x33});
        QCOMPARE(st.pidy.Komorka(1, 0x0C), QStringLiteral("on"));
    }

    void podwojnyKlikWKolumnie1NicNieRobi() {
        TStanowiskoObd st;
        Obsluguj(*st.obd, {0x0C});
        st.obd->OpiszPid();
        st.sterownik.StanObd[7] = 0x33;
        st.pidy.PodwojnyKlik(1, 0x0C);
        QVERIFY(!st.obd->Pidy[0x0C].Wybrany);
        QCOMPARE(st.sterownik.StanObd[7], 0x33);
    }

    void enterPrzelacza_data() {
        QTest::addColumn<int>("klawisz");
        QTest::addColumn<bool>("wybrany");
        QTest::newRow("Enter") << 13 << true;
        QTest::newRow("space") << 32 << false;
    }
    void enterPrzelacza() {
        QFETCH(int, klawisz);
        QFETCH(bool, wybrany);
        TStanowiskoObd st;
        Obsluguj(*st.obd, {0x0C});
        st.obd->OpiszPid();
        st.pidy.Klawisz(klawisz, 2, 0x0C);
        QCOMPARE(st.obd->Pidy[0x0C].Wybrany, wybrany);
        QCOMPARE(st.pidy.Komorka(1, 0x0C), wybrany ? QStringLiteral("on") : QStringLiteral("off"));
    }

    void wListachWybranychWyborNieDziala() {
        TStanowiskoObd st;
        Obsluguj(*st.obd, {0x03});
        st.obd->ZmianaListy(1);
        st.obd->MyGridPidyClick(1, 0x03);
        st.obd->MyGridPidyKeyDown(13, 1, 0x03);
        QVERIFY(st.obd->Pidy[0x03].Wybrany);
    }

    void pierwszyTaktUstawiaSiatkiIPanel() {
        TStanowiskoObd st;
        st.status.szerokosc = 250;
        st.obd->OnTimer0();
        QCOMPARE(st.status.Kolumna(0, 7),
                 (QStringList{"PORT:", "ELM:", "PWR:", "OBD:", "ECU:", "DTC:", "MIL:"}));
        QCOMPARE(st.status.szerokosci, (QMap<int, int>{{-1, 40}, {1, 200}}));
        QCOMPARE(st.status.wysokosc, 7 * 18 + 2);
        QCOMPARE(st.status.obsluga, nullptr);
        QCOMPARE(st.pidy.wiersze, 129);
        QCOMPARE(st.panel.wyczyszczen, 1);
        QCOMPARE(st.obd->Zegar().interval(), 100);
        QVERIFY(st.obd->Zegar().isActive());
        st.obd->Zegar().stop();
    }

    void pierwszyTaktBezSiatek() {
        TStanowiskoObd st;
        st.obd->SiatkaStatusu = nullptr;
        st.obd->SiatkaPid = nullptr;
        st.obd->PanelDtc = nullptr;
        st.obd->OnTimer0();
        QCOMPARE(st.obd->Zegar().interval(), 100);
        st.obd->Zegar().stop();
    }

    void zniszczenieOdlaczaSiatkePid() {
        TStanowiskoObd st;
        st.obd->OpiszPid();
        QVERIFY(st.pidy.obsluga);
        st.obd.reset();
        QCOMPARE(st.pidy.obsluga, nullptr);
        st.pidy.Klik(1, 3); // must not reach the destroyed reader
    }
};

QTEST_GUILESS_MAIN(TestSiatkiPid)
#include "tst_siatkipid.moc"
