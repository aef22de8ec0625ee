// The PID catalogue, finding the main ECU's answer, the decoding formulas, the supported
// bitmaps, the order of the cycle and the values handed to the controller.

#include "DekodowaniePid.h"
#include "ElmTekst.h"
#include "KatalogPidow.h"
#include "LokalizacjaTestu.h"
#include "StanowiskoObd.h"

#include <QLocale>
#include <QTest>

namespace {

// The reader's answer as the adapter sends it, prompt included.
QByteArray Odp(const char* linie) {
    return QByteArray(linie) + "\r\r>";
}

} // namespace

class TestDekodowaniePid : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void katalogMa129PidowWKolejnosci() {
        TStanowiskoObd st;
        const std::vector<pid>& p = st.obd->Pidy;
        QCOMPARE(p.size(), std::size_t(129));
        QCOMPARE(p[0x00].Nazwa, QStringLiteral("PIDs supported 01 - 20"));
        QCOMPARE(p[0x0C].Skrot, QStringLiteral("RPM"));
        QCOMPARE(p[0x05].Jednostka, QStringLiteral("°C"));
        QCOMPARE(p[0x30].Nazwa, QStringLiteral("# of warm-ups since codes cleared "));
        QCOMPARE(p[0x53].Jednostka, QStringLiteral("kpa"));
        QCOMPARE(p[0x7F].Bajty, 13);
        QCOMPARE(p[0x80].Nazwa, QStringLiteral("PIDs supported 81-A0"));
        QCOMPARE(p[0x80].Wzor, -1);
        // Bank and sensor as J1979 and the short names have them.
        QCOMPARE(p[0x3D].Nazwa, QStringLiteral("Catalyst Temperature Bank 2, Sensor 1"));
        QCOMPARE(p[0x3E].Nazwa, QStringLiteral("Catalyst Temperature Bank 1, Sensor 2"));
    }

    void poUruchomieniuWybraneSaPaliwoITrymy() {
        TStanowiskoObd st;
        QList<int> wybrane, obslugiwane;
        for (int i = 0; i < 129; ++i) {
            if (st.obd->Pidy[std::size_t(i)].Wybrany) wybrane << i;
            if (st.obd->Pidy[std::size_t(i)].Obslugiwany) obslugiwane << i;
        }
        QCOMPARE(wybrane, (QList<int>{0x03, 0x06, 0x07, 0x08, 0x09}));
        QVERIFY(obslugiwane.isEmpty());
    }

    void odpowiedzGlownegoEcu_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<int>("ecu");
        QTest::addColumn<int>("numer");
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<QByteArray>("dane"); // from the position found; empty: not found
        QTest::newRow("CAN 11-bit")
            << 6 << 0x7E8 << 0x0C << Odp("7E8 04 41 0C 1A F8") << QByteArray("1A F8\r\r>");
        QTest::newRow("CAN 11-bit, another ECU")
            << 6 << 0x7E9 << 0x0C << Odp("7E8 04 41 0C 1A F8") << QByteArray();
        QTest::newRow("CAN 11-bit, second line")
            << 8 << 0x7E9 << 0x05 << Odp("7E8 03 41 05 7B\r7E9 03 41 05 7C")
            << QByteArray("7C\r\r>");
        QTest::newRow("CAN 29-bit")
            << 7 << 0x10 << 0x0C << Odp("18 DA F1 10 04 41 0C 1A F8") << QByteArray("1A F8\r\r>");
        QTest::newRow("J1850") << 1 << 0x10 << 0x0C << Odp("41 6B 10 41 0C 1A F8 5E")
                               << QByteArray("1A F8 5E\r\r>");
        QTest::newRow("KWP") << 4 << 0x11 << 0x05 << Odp("83 F1 11 41 05 7B 4F")
                             << QByteArray("7B 4F\r\r>");
        QTest::newRow("CAN length byte must match")
            << 6 << 0x7E8 << 0x0C << Odp("7E8 05 41 0C 1A F8") << QByteArray();
        QTest::newRow("error") << 6 << 0x7E8 << 0x0C << Odp("NO DATA") << QByteArray();
        QTest::newRow("J1939") << 10 << 0x7E8 << 0x0C << Odp("7E8 04 41 0C 1A F8") << QByteArray();
        // More than 7 data bytes never fit one frame, and the length is written "011".
        QTest::newRow("CAN, 9 data bytes")
            << 6 << 0x7E8 << 0x70 << Odp("7E8 0B 41 70 01 02 03 04 05 06 07 08 09") << QByteArray();
    }
    void odpowiedzGlownegoEcu() {
        QFETCH(int, protokol);
        QFETCH(int, ecu);
        QFETCH(int, numer);
        QFETCH(QByteArray, odpowiedz);
        QFETCH(QByteArray, dane);
        TStanowiskoObd st;
        const int pozycja =
            SzukajEcuPid(odpowiedz, protokol, ecu, numer, st.obd->Pidy[std::size_t(numer)].Bajty);
        QCOMPARE(pozycja == 0 ? QByteArray() : odpowiedz.mid(pozycja - 1), dane);
    }

    void wzory_data() {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QByteArray>("bajty");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("RPM") << 0x0C << QByteArray("1A F8") << QStringLiteral("1726[rpm]");
        QTest::newRow("RPM quarter")
            << 0x0C << QByteArray("1A F9") << QStringLiteral("1726.25[rpm]");
        QTest::newRow("coolant") << 0x05 << QByteArray("7B") << QStringLiteral("83[°C]");
        QTest::newRow("coolant minimum") << 0x05 << QByteArray("00") << QStringLiteral("-40[°C]");
        QTest::newRow("trim 0") << 0x06 << QByteArray("80") << QStringLiteral("0.0[%]");
        QTest::newRow("trim -100") << 0x06 << QByteArray("00") << QStringLiteral("-100.0[%]");
        QTest::newRow("trim rounds half away")
            << 0x07 << QByteArray("88") << QStringLiteral("6.3[%]");
        QTest::newRow("trim negative half")
            << 0x08 << QByteArray("78") << QStringLiteral("-6.3[%]");
        QTest::newRow("EGR error uses the trim formula")
            << 0x2D << QByteArray("81") << QStringLiteral("0.8[%]");
        QTest::newRow("load full") << 0x04 << QByteArray("FF") << QStringLiteral("100.0[%]");
        QTest::newRow("load half") << 0x04 << QByteArray("80") << QStringLiteral("50.2[%]");
        QTest::newRow("relative throttle, no unit")
            << 0x45 << QByteArray("33") << QStringLiteral("20.0");
        QTest::newRow("codes since cleared")
            << 0x01 << QByteArray("83 07 65 04") << QStringLiteral("3");
        QTest::newRow("freeze DTC") << 0x02 << QByteArray("01 33") << QStringLiteral("307");
        QTest::newRow("fuel system CL") << 0x03 << QByteArray("02 00") << QStringLiteral("CL");
        QTest::newRow("fuel system OL Fault")
            << 0x03 << QByteArray("08 00") << QStringLiteral("OL Fault");
        QTest::newRow("fuel system unknown") << 0x03 << QByteArray("03 00") << QString();
        QTest::newRow("fuel pressure") << 0x0A << QByteArray("64") << QStringLiteral("300[kPa]");
        QTest::newRow("MAP") << 0x0B << QByteArray("64") << QStringLiteral("100[kPa]");
        QTest::newRow("speed") << 0x0D << QByteArray("32") << QStringLiteral("50[km/h]");
        QTest::newRow("timing advance") << 0x0E << QByteArray("91") << QStringLiteral("8.5[°]");
        QTest::newRow("MAF") << 0x10 << QByteArray("04 D2") << QStringLiteral("12.34[g/sec]");
        QTest::newRow("secondary air")
            << 0x12 << QByteArray("02") << QStringLiteral("Downstream of catalytic converter");
        QTest::newRow("secondary air unknown") << 0x12 << QByteArray("03") << QString();
        QTest::newRow("O2 sensors by bank")
            << 0x13 << QByteArray("A3") << QStringLiteral("B1:3 B2:10");
        QTest::newRow("O2 voltage") << 0x14 << QByteArray("5A 80") << QStringLiteral("0.45[V]");
        QTest::newRow("OBD standard")
            << 0x1C << QByteArray("06") << QStringLiteral("EOBD (Europe)");
        QTest::newRow("OBD standard 33")
            << 0x1C << QByteArray("21")
            << QStringLiteral("Heavy Duty Euro OBD Stage VI (HD EOBD-IV)");
        QTest::newRow("OBD standard unknown")
            << 0x1C << QByteArray("28") << QStringLiteral("Reserved");
        QTest::newRow("O2 sensors four banks")
            << 0x1D << QByteArray("E4") << QStringLiteral("B1:0 B2:1 B3:2 B4:3");
        QTest::newRow("run time") << 0x1F << QByteArray("01 2C") << QStringLiteral("300[sec]");
        QTest::newRow("reference torque")
            << 0x63 << QByteArray("01 2C") << QStringLiteral("300[Nm]");
        // Spark ignition: misfire, fuel, components (B = 07) and catalyst, evaporative, O2
        // sensor, its heater and EGR (C = E5) enabled, none incomplete (D = 00).
        QTest::newRow("monitors of this drive cycle")
            << 0x41 << QByteArray("00 07 E5 00") << QStringLiteral("8/8 ready");
        QTest::newRow("too few bytes stay hex")
            << 0x42 << QByteArray("3A") << QStringLiteral("0x3A[V]");
        QTest::newRow("emission requirements, bit encoded")
            << 0x5F << QByteArray("05") << QStringLiteral("0x5");
        QTest::newRow("bitmap") << 0x00 << QByteArray("BE 1F B8 11")
                                << QStringLiteral("0xBE1FB811");
    }
    void wzory() {
        QFETCH(int, numer);
        QFETCH(QByteArray, bajty);
        QFETCH(QString, tekst);
        TStanowiskoObd st;
        const pid& p = st.obd->Pidy[std::size_t(numer)];
        QCOMPARE(TekstPid(p, numer, bajty), tekst);
    }

    // Worked by hand from the J1979 scalings.
    void wzoryJ1979_data() {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QByteArray>("bajty");
        QTest::addColumn<QString>("tekst");
        const auto wiersz = [](const char* nazwa, int numer, const char* bajty, const char* tekst) {
            QTest::newRow(nazwa) << numer << QByteArray(bajty) << QString::fromUtf8(tekst);
        };
        wiersz("rail pressure 300 x 0.079", 0x22, "01 2C", "23.700[kPa]");
        wiersz("rail gauge pressure 300 x 10", 0x23, "01 2C", "3000[kPa]");
        wiersz("rail absolute pressure 100 x 10", 0x59, "00 64", "1000[kPa]");
        wiersz("lambda 1 and 4 V", 0x24, "80 00 80 00", "λ 1.000, 4.000 V");
        wiersz("lambda sensor 8", 0x2B, "40 00 20 00", "λ 0.500, 1.000 V");
        wiersz("lambda 0.5 and 0.5 mA", 0x34, "40 00 80 80", "λ 0.500, 0.500 mA");
        wiersz("lambda and negative current", 0x3B, "80 00 7F 00", "λ 1.000, -1.000 mA");
        wiersz("evap pressure -16 / 4", 0x32, "FF F0", "-4[Pa]");
        wiersz("evap pressure 1 / 4", 0x32, "00 01", "0.25[Pa]");
        wiersz("catalyst 4750 / 10 - 40", 0x3C, "12 8E", "435.0[°C]");
        wiersz("catalyst B2S1 minimum", 0x3D, "00 00", "-40.0[°C]");
        wiersz("catalyst B1S2", 0x3E, "01 91", "0.1[°C]");
        wiersz("catalyst B2S2", 0x3F, "FF FF", "6513.5[°C]");
        wiersz("module voltage 15000 mV", 0x42, "3A 98", "15.000[V]");
        wiersz("absolute load 255 x 100 / 255", 0x43, "00 FF", "100.0[%]");
        wiersz("equivalence ratio 1", 0x44, "80 00", "1.000");
        wiersz("maxima", 0x4F, "01 02 03 04", "λ 1, 2 V, 3 mA, 40 kPa");
        wiersz("maximum air flow 10 x 10", 0x50, "0A 00 00 00", "100[g/s]");
        wiersz("fuel type LPG", 0x51, "05", "LPG");
        wiersz("fuel type gasoline", 0x51, "01", "Gasoline");
        wiersz("fuel type bifuel diesel", 0x51, "17", "Bifuel running diesel");
        wiersz("fuel type reserved", 0x51, "30", "Reserved");
        wiersz("absolute evap 20000 / 200", 0x53, "4E 20", "100.000[kpa]");
        wiersz("evap pressure signed", 0x54, "80 00", "-32768[Pa]");
        wiersz("evap pressure positive", 0x54, "01 00", "256[Pa]");
        wiersz("secondary trims banks 1 and 3", 0x55, "80 90", "B1:0.0 B3:12.5[%]");
        wiersz("secondary trims banks 2 and 4", 0x58, "70 80", "B2:-12.5 B4:0.0[%]");
        wiersz("injection timing 27136 / 128 - 210", 0x5D, "6A 00", "2.00[°]");
        wiersz("injection timing minimum", 0x5D, "00 00", "-210.00[°]");
        wiersz("fuel rate 100 / 20", 0x5E, "00 64", "5.00[L/h]");
        wiersz("demanded torque 150 - 125", 0x61, "96", "25[%]");
        wiersz("actual torque 0 - 125", 0x62, "00", "-125[%]");
        wiersz("torque points", 0x64, "7D 87 91 9B A5", "Idle:0 P1:10 P2:20 P3:30 P4:40[%]");
        wiersz("MAF sensors 400 / 32, 32 / 32", 0x66, "03 01 90 00 20", "1:12.5 2:1[g/s]");
        wiersz("coolant sensor 1 only", 0x67, "01 7B 00", "1:83[°C]");
        wiersz("intake air B1S1 and B2S1", 0x68, "09 50 00 00 3C 00 00", "1:40 4:20[°C]");
        wiersz("compressor inlet B", 0x6F, "02 00 65", "2:101[kPa]");
        wiersz("exhaust pressure 10000 x 0.01", 0x73, "01 27 10 00 00", "1:100[kPa]");
        wiersz("turbo B speed", 0x74, "02 00 00 C3 50", "2:50000[rpm]");
        wiersz("charge air cooler B2S2", 0x77, "08 00 00 00 50", "4:40[°C]");
        wiersz("exhaust gas 1 and 3", 0x78, "05 12 8E 00 00 11 F8 00 00", "1:435 3:420[°C]");
        wiersz("exhaust gas bank 2", 0x79, "01 01 90 00 00 00 00 00 00", "1:0[°C]");
        wiersz("particulate filter outlet", 0x7C, "02 00 00 07 D0 00 00 00 00", "2:160[°C]");
        wiersz("run time total", 0x7F, "01 00 00 0E 10 00 00 00 00 00 00 00 00", "1:3600[sec]");
        wiersz("no sensor supported", 0x67, "00 7B 7B", "[°C]");
    }
    void wzoryJ1979() { wzory(); }

    void separatorDziesietnyZLokalizacji() {
        const TLokalizacjaTestu lokalizacja{QLocale(QLocale::Polish)};
        TStanowiskoObd st;
        const QString trym = TekstPid(st.obd->Pidy[0x06], 0x06, "88");
        const QString obroty = TekstPid(st.obd->Pidy[0x0C], 0x0C, "1A F9");
        QCOMPARE(trym, QStringLiteral("6,3[%]"));
        QCOMPARE(obroty, QStringLiteral("1726,25[rpm]")); // no group separator
    }

    void wyswietlPidPiszeWartoscIOddajeSterownikowi_data() {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QList<int>>("stanObd"); // bytes 3..11
        const QList<int> zera(9, 0);
        QTest::newRow("RPM touches only byte 11")
            << 0x0C << Odp("7E8 04 41 0C 1A F8") << QStringLiteral("1726[rpm]") << zera;
        QTest::newRow("RPM, next ECU line without trailing space")
            << 0x0C << Odp("7E8 04 41 0C 1A F8\r7E9 04 41 0C 0B B8") << QStringLiteral("1726[rpm]")
            << zera;
        QTest::newRow("trim 0x80 to byte 7")
            << 0x06 << Odp("7E8 03 41 06 80") << QStringLiteral("0.0[%]")
            << QList<int>{0, 0, 0, 0, 0x80, 0, 0, 0, 0};
        QTest::newRow("trim 0 is sent as 1")
            << 0x06 << Odp("7E8 03 41 06 00") << QStringLiteral("-100.0[%]")
            << QList<int>{0, 0, 0, 0, 1, 0, 0, 0, 0};
        QTest::newRow("long trim bank 2 to byte 10")
            << 0x09 << Odp("7E8 03 41 09 7A") << QStringLiteral("-4.7[%]")
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0x7A, 0};
        QTest::newRow("fuel systems to bytes 5, 6")
            << 0x03 << Odp("7E8 04 41 03 02 04") << QStringLiteral("CL")
            << QList<int>{0, 0, 2, 4, 0, 0, 0, 0, 0};
        QTest::newRow("O2 B1S1 trim byte to byte 3")
            << 0x14 << Odp("7E8 04 41 14 5A 80") << QStringLiteral("0.45[V]")
            << QList<int>{0x80, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("O2 B1S2 to byte 4")
            << 0x15 << Odp("7E8 04 41 15 5A 7F") << QStringLiteral("0.45[V]")
            << QList<int>{0, 0x7F, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("O2 B2S1 to byte 4")
            << 0x18 << Odp("7E8 04 41 18 10 6E") << QStringLiteral("0.08[V]")
            << QList<int>{0, 0x6E, 0, 0, 0, 0, 0, 0, 0};
    }
    void wyswietlPidPiszeWartoscIOddajeSterownikowi() {
        QFETCH(int, numer);
        QFETCH(QByteArray, odpowiedz);
        QFETCH(QString, tekst);
        QFETCH(QList<int>, stanObd);
        TStanowiskoObd st;
        st.obd->OpiszPid();
        st.sterownik.StanObd[11] = 0x55;
        st.obd->Protokol = 6;
        st.obd->Ecu = 0x7E8;
        st.obd->AktualnyPid = numer;
        st.obd->Odpowiedz = odpowiedz;
        QCOMPARE(st.obd->WyswietlPid(), 1);
        QCOMPARE(st.pidy.Komorka(4, numer), tekst);
        QCOMPARE(st.StanObd(3, 11), stanObd);
        QCOMPARE(st.sterownik.WyslijObd, 1);
    }

    void nieznalezionaOdpowiedzNiczegoNieZmienia_data() {
        QTest::addColumn<int>("ecu");
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::newRow("another ECU") << 0x7E9 << Odp("7E8 03 41 06 80");
        QTest::newRow("NO DATA") << 0x7E8 << Odp("NO DATA");
        QTest::newRow("time-out") << 0x7E8 << QByteArray();
        QTest::newRow("multi-frame") << 0x7E8 << Odp("7E8 10 0B 41 06 80 01\r7E8 21 02 03");
    }
    void nieznalezionaOdpowiedzNiczegoNieZmienia() {
        QFETCH(int, ecu);
        QFETCH(QByteArray, odpowiedz);
        TStanowiskoObd st;
        st.obd->OpiszPid();
        st.pidy.UstawKomorke(4, 6, QStringLiteral("stare"));
        st.sterownik.StanObd[7] = 0x42;
        st.obd->Protokol = 6;
        st.obd->Ecu = ecu;
        st.obd->AktualnyPid = 0x06;
        st.obd->Odpowiedz = odpowiedz;
        QCOMPARE(st.obd->WyswietlPid(), 0);
        QCOMPARE(st.pidy.Komorka(4, 6), QStringLiteral("stare"));
        QCOMPARE(st.sterownik.StanObd[7], 0x42);
        QCOMPARE(st.sterownik.WyslijObd, 0);
    }

    void wyswietlPidBezSterownikaIBezSiatki() {
        TStanowiskoObd st;
        st.obd->OpiszPid();
        st.pidy.UstawKomorke(4, 6, QStringLiteral("stare"));
        st.sterownik.StanObd[7] = 0x42;
        st.obd->Sterownik = nullptr;
        st.obd->SiatkaPid = nullptr;
        st.obd->Protokol = 6;
        st.obd->Ecu = 0x7E8;
        st.obd->AktualnyPid = 0x06;
        st.obd->Odpowiedz = Odp("7E8 03 41 06 80");
        QCOMPARE(st.obd->WyswietlPid(), 1);
        // Found, yet neither the detached grid nor the detached controller hears of it.
        QCOMPARE(st.pidy.Komorka(4, 6), QStringLiteral("stare"));
        QCOMPARE(st.sterownik.StanObd[7], 0x42);
        QCOMPARE(st.sterownik.WyslijObd, 0);
    }

    void mapaObslugiwanych0x00() {
        TStanowiskoObd st;
        st.obd->Pidy[0x40].Obslugiwany = true; // from an earlier car
        st.obd->Protokol = 6;
        st.obd->Ecu = 0x7E8;
        st.obd->Odpowiedz = Odp("7E8 06 41 00 BE 1F B8 11");
        st.obd->PIDsupported(0x00);
        QList<int> obslugiwane;
        for (int i = 0; i < 129; ++i)
            if (st.obd->Pidy[std::size_t(i)].Obslugiwany) obslugiwane << i;
        QCOMPARE(obslugiwane, (QList<int>{0x00, 0x01, 0x03, 0x04, 0x05, 0x06, 0x07, 0x0C, 0x0D,
                                          0x0E, 0x0F, 0x10, 0x11, 0x13, 0x14, 0x15, 0x1C, 0x20}));
        QVERIFY(st.Zalogowano(QStringLiteral("PIDs supported 0xBE1FB811"), TKolor{0x008000}));
    }

    void mapaObslugiwanychWyzszychBaz() {
        TStanowiskoObd st;
        st.obd->Protokol = 7;
        st.obd->Ecu = 0x10;
        st.obd->Odpowiedz = Odp("18 DA F1 10 06 41 60 80 00 00 01");
        st.obd->Pidy[0x05].Obslugiwany = true;
        st.obd->PIDsupported(0x60);
        QVERIFY(st.obd->Pidy[0x61].Obslugiwany);
        QVERIFY(!st.obd->Pidy[0x62].Obslugiwany);
        QVERIFY(st.obd->Pidy[0x80].Obslugiwany);
        QVERIFY(st.obd->Pidy[0x05].Obslugiwany); // only base 0 clears
    }

    void brakMapyZostawiaFlagi() {
        TStanowiskoObd st;
        st.obd->Protokol = 6;
        st.obd->Ecu = 0x7E8;
        st.obd->Pidy[0x0C].Obslugiwany = true;
        st.obd->Pidy[0x21].Obslugiwany = true;
        st.obd->Odpowiedz = Odp("NO DATA");
        st.obd->PIDsupported(0x20);
        QVERIFY(st.obd->Pidy[0x21].Obslugiwany);
        st.obd->PIDsupported(0x00);
        QVERIFY(st.obd->Pidy[0x00].Obslugiwany);
        QVERIFY(!st.obd->Pidy[0x0C].Obslugiwany);
        QVERIFY(!st.obd->Pidy[0x21].Obslugiwany);
    }

    void kolejnyPidKraziPoWybranychIObslugiwanych_data() {
        QTest::addColumn<QList<int>>("obslugiwane"); // the defaults 03, 06..09 stay selected
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("kolejne");
        QTest::newRow("defaults all supported")
            << QList<int>{3, 6, 7, 8, 9} << 0 << QList<int>{3, 6, 7, 8, 9, 3, 6};
        QTest::newRow("skips unsupported") << QList<int>{6, 9, 0x0C} << 9 << QList<int>{6, 9, 6};
        QTest::newRow("only one") << QList<int>{7} << 7 << QList<int>{7, 7, 7};
        QTest::newRow("out of range restarts at 0") << QList<int>{3, 6} << 500 << QList<int>{3, 6};
        QTest::newRow("negative restarts at 0") << QList<int>{3} << -1 << QList<int>{3, 3};
    }
    void kolejnyPidKraziPoWybranychIObslugiwanych() {
        QFETCH(QList<int>, obslugiwane);
        QFETCH(int, start);
        QFETCH(QList<int>, kolejne);
        TStanowiskoObd st;
        for (int n : obslugiwane)
            st.obd->Pidy[std::size_t(n)].Obslugiwany = true;
        st.obd->AktualnyPid = start;
        QList<int> wynik;
        for (qsizetype i = 0; i < kolejne.size(); ++i) {
            st.obd->KolejnyPid();
            wynik << st.obd->AktualnyPid;
        }
        QCOMPARE(wynik, kolejne);
    }

    void kolejnyPidWysylaZadanie() {
        TStanowiskoObd st;
        QVERIFY(st.Otworz());
        for (int n : PidyDomyslne)
            st.obd->Pidy[std::size_t(n)].Wybrany = false;
        st.obd->Pidy[0x0C].Wybrany = st.obd->Pidy[0x0C].Obslugiwany = true;
        st.obd->KolejnyPid();
        st.obd->KolejnyPid();
        QCOMPARE(st.pty.Reszta(), QByteArray("010C\r010C\r"));
    }

    void bezWybranychNicNieWysyla() {
        TStanowiskoObd st;
        QVERIFY(st.Otworz());
        for (pid& p : st.obd->Pidy)
            p.Obslugiwany = true;
        for (int n : PidyDomyslne)
            st.obd->Pidy[std::size_t(n)].Wybrany = false;
        st.obd->AktualnyPid = 0x0C;
        st.obd->KolejnyPid();
        QCOMPARE(st.obd->AktualnyPid, 0x0C);
        QVERIFY(!st.obd->CzekaNaOdpowiedz);
        QCOMPARE(st.pty.Reszta(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestDekodowaniePid)
#include "tst_dekodowaniepid.moc"
