// Readiness, freeze frame and vehicle information decoded from answers worked out by hand
// from SAE J1979: the monitor bytes of PIDs 01 and 41, service 02 frame 0 and service 09 on
// CAN (multi-frame) and on the K-line and J1850 buses.

#include "GotowoscObd.h"
#include "InformacjePojazdu.h"
#include "KatalogPidow.h"
#include "KodyBledow.h"
#include "ZamrozonaRamka.h"

#include <QTest>

namespace {

// One letter per monitor in list order: R ready, N not ready, - not supported.
QString Stany(const TGotowosc& g) {
    QString s;
    for (const TMonitor& m : g.monitory)
        s += m.stan == TStanMonitora::Gotowy      ? u'R'
             : m.stan == TStanMonitora::NieGotowy ? u'N'
                                                  : u'-';
    return s;
}

QStringList Klucze(const TGotowosc& g) {
    QStringList k;
    for (const TMonitor& m : g.monitory)
        k << QString::fromLatin1(m.klucz);
    return k;
}

pid Wpis(int numer) {
    const TOpisPid& o = TabelaPidow()[static_cast<std::size_t>(numer)];
    return pid{o.bajty,
               QString::fromUtf8(o.nazwa),
               QString::fromUtf8(o.skrot),
               QString::fromUtf8(o.jednostka),
               o.wzor,
               -1,
               false,
               false};
}

// "7E8:WVW... 7E9:..." for the comparisons of the info tables.
QString Opis(const QList<TInformacjeEcu>& lista) {
    QStringList czesci;
    for (const TInformacjeEcu& e : lista) {
        QStringList pola;
        if (!e.vin.isEmpty()) pola << QStringLiteral("vin=") + e.vin;
        if (!e.kalibracje.isEmpty()) pola << QStringLiteral("cal=") + e.kalibracje.join(u',');
        if (!e.cvn.isEmpty()) pola << QStringLiteral("cvn=") + e.cvn.join(u',');
        if (!e.nazwa.isEmpty()) pola << QStringLiteral("name=") + e.nazwa;
        czesci << QString::number(e.ecu, 16).toUpper() + u':' + pola.join(u' ');
    }
    return czesci.join(QStringLiteral("; "));
}

const QStringList Iskrowe{
    "misfire",        "fuelSystem",         "components",         "catalyst",
    "heatedCatalyst", "evaporativeSystem",  "secondaryAirSystem", "acRefrigerant",
    "oxygenSensor",   "oxygenSensorHeater", "egrVvtSystem"};
const QStringList Samoczynne{"misfire",          "fuelSystem",    "components",
                             "nmhcCatalyst",     "noxScrMonitor", "boostPressure",
                             "exhaustGasSensor", "pmFilter",      "egrVvtSystem"};

} // namespace

class TestDiagnozaObd : public QObject {
    Q_OBJECT

private slots:
    void monitory_data() {
        QTest::addColumn<quint32>("abcd");
        QTest::addColumn<bool>("mil");
        QTest::addColumn<int>("kody");
        QTest::addColumn<bool>("samoczynny");
        QTest::addColumn<QString>("stany");
        QTest::addColumn<int>("gotowe");
        QTest::addColumn<int>("obslugiwane");
        // B 07: the three continuous monitors supported and complete. C E5 = 1110 0101:
        // catalyst, evaporative, O2 sensor, O2 heater, EGR. D 04: evaporative not complete.
        QTest::newRow("spark, one incomplete")
            << quint32(0x0007E504) << false << 0 << false << "RRRR-N--RRR" << 7 << 8;
        // A 83: lamp on, 3 codes. B 17: misfire not complete (bit 4). C 01, D 01: catalyst
        // supported and not complete.
        QTest::newRow("spark, misfire incomplete, lamp on")
            << quint32(0x83170101) << true << 3 << false << "NRRN-------" << 2 << 4;
        // B 4F: compression (bit 3), components not complete (bit 6). C EB = 1110 1011:
        // NMHC, NOx, boost, exhaust sensor, PM filter, EGR. D 42: NOx and PM not complete.
        QTest::newRow("compression ignition")
            << quint32(0x004FEB42) << false << 0 << true << "RRNRNRRNR" << 6 << 9;
        // Bits 2 and 4 of C and D are reserved under compression ignition.
        QTest::newRow("compression, reserved bits only")
            << quint32(0x00081414) << false << 0 << true << "---------" << 0 << 0;
        // PID 41: A is not used, enabled in this drive cycle reads as supported. C 65 =
        // 0110 0101: catalyst, evaporative, O2 sensor, O2 heater; D 61: all but evaporative
        // not complete.
        QTest::newRow("this drive cycle")
            << quint32(0x00076561) << false << 0 << false << "RRRN-R--NN-" << 4 << 7;
    }
    void monitory() {
        QFETCH(quint32, abcd);
        const TGotowosc g = DekodujGotowosc(abcd);
        QTEST(g.mil, "mil");
        QTEST(g.kody, "kody");
        QTEST(g.zaplonSamoczynny, "samoczynny");
        QTEST(Stany(g), "stany");
        QTEST(g.Gotowe(), "gotowe");
        QTEST(g.Obslugiwane(), "obslugiwane");
        QCOMPARE(Klucze(g), g.zaplonSamoczynny ? Samoczynne : Iskrowe);
    }

    void kluczeStanow() {
        QCOMPARE(KluczStanu(TStanMonitora::Gotowy), "ready");
        QCOMPARE(KluczStanu(TStanMonitora::NieGotowy), "not ready");
        QCOMPARE(KluczStanu(TStanMonitora::Nieobslugiwany), "not supported");
    }

    // Frame 0 of a lean misfire at high load: six PIDs and the code, each its own answer.
    void zamrozonaRamka_data() {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("jednostka");
        // 0xC8 = 200: 200 x 100 / 255 = 78.43
        QTest::newRow("04 load") << 0x04 << QByteArray("7E8 04 42 04 00 C8 \r\r>") << "78.4"
                                 << "%";
        // 0x80 = 128: 128 - 40
        QTest::newRow("05 coolant") << 0x05 << QByteArray("7E8 04 42 05 00 80 \r\r>") << "88"
                                    << "°C";
        // 0x8C = 140: (140 - 128) x 100 / 128 = 9.375
        QTest::newRow("06 short trim") << 0x06 << QByteArray("7E8 04 42 06 00 8C 55 55 55") << "9.4"
                                       << "%";
        // 0x92 = 146: 18 x 100 / 128 = 14.06
        QTest::newRow("07 long trim") << 0x07 << QByteArray("7E8 04 42 07 00 92") << "14.1"
                                      << "%";
        // 0x30C0 = 12480: / 4
        QTest::newRow("0C rpm") << 0x0C << QByteArray("7E9 04 42 0C 00 11\r7E8 05 42 0C 00 30 C0")
                                << "3120"
                                << "rpm";
        QTest::newRow("0D speed, ISO 9141")
            << 0x0D << QByteArray("48 6B 10 42 0D 00 60 4A\r") << "96"
            << "km/h";
    }
    void zamrozonaRamka() {
        QFETCH(int, numer);
        QFETCH(QByteArray, odpowiedz);
        const int protokol = odpowiedz.startsWith("48") ? 3 : 6;
        const int ecu = protokol == 3 ? 0x10 : 0x7E8;
        const auto dane = DaneZamrozone(odpowiedz, protokol, ecu, numer);
        QVERIFY(dane);
        const TWartoscPid w = WartoscZBajtow(Wpis(numer), numer, *dane);
        QCOMPARE(w.pid, numer);
        QTEST(w.tekst, "tekst");
        QTEST(w.jednostka, "jednostka");
    }

    void kodIMapaRamki() {
        const auto kod = DaneZamrozone("7E8 05 42 02 00 03 00", 6, 0x7E8, 0x02);
        QCOMPARE(kod, (QList<std::uint32_t>{0x03, 0x00}));
        QCOMPARE(KodNaTekst((*kod)[0] << 8 | (*kod)[1]), QStringLiteral("P0300"));
        // A 5E = PIDs 02, 04, 05, 06, 07; B 18 = 0C, 0D.
        const auto mapa = DaneZamrozone("7E8 07 42 00 00 5E 18 00 00", 6, 0x7E8, 0x00);
        QCOMPARE(mapa, (QList<std::uint32_t>{0x5E, 0x18, 0x00, 0x00}));
        QCOMPARE(PidyZMapy(0x5E180000, 0x00),
                 (QList<int>{0x02, 0x04, 0x05, 0x06, 0x07, 0x0C, 0x0D}));
        QCOMPARE(PidyZMapy(0x00000001, 0x20), QList<int>{0x40});
        // Another ECU's frame, service 01 and frame 1 are no frame 0 of the main ECU.
        QVERIFY(!DaneZamrozone("7E9 05 42 02 00 03 00", 6, 0x7E8, 0x02));
        QVERIFY(!DaneZamrozone("7E8 04 41 0C 1A F8", 6, 0x7E8, 0x0C));
        QVERIFY(!DaneZamrozone("7E8 05 42 0C 01 30 C0", 6, 0x7E8, 0x0C));
        QVERIFY(!DaneZamrozone("NO DATA\r\r>", 6, 0x7E8, 0x02));
    }

    void informacje_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<int>("typ");
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<QString>("wynik");
        // 49 02 01 and 17 characters = 20 bytes: a first frame with 3 of them, two consecutive
        // frames with 7 each.
        const QByteArray vinCan = "7E8 10 14 49 02 01 57 56 57 \r"
                                  "7E8 21 5A 5A 5A 31 4B 5A 41 \r"
                                  "7E8 22 4D 30 31 32 33 34 35 \r\r>";
        QTest::newRow("VIN in three CAN frames")
            << 6 << InfoVin << vinCan << "7E8:vin=WVWZZZ1KZAM012345";
        QTest::newRow("VIN on 29-bit CAN, another ECU's frame between")
            << 7 << InfoVin
            << QByteArray("18 DA F1 10 10 14 49 02 01 57 56 57\r"
                          "18 DA F1 11 03 7F 09 12\r"
                          "18 DA F1 10 21 5A 5A 5A 31 4B 5A 41\r"
                          "18 DA F1 10 22 4D 30 31 32 33 34 35\r")
            << "10:vin=WVWZZZ1KZAM012345";
        // Five numbered messages of four bytes, the first with three 00 in front; they may
        // come in any order.
        QTest::newRow("VIN on ISO 9141 in five messages")
            << 3 << InfoVin
            << QByteArray("48 6B 10 49 02 02 56 57 5A 5A 71\r"
                          "48 6B 10 49 02 01 00 00 00 57 66\r"
                          "48 6B 10 49 02 03 5A 31 4B 5A 41\r"
                          "48 6B 10 49 02 04 41 4D 30 31 01\r"
                          "48 6B 10 49 02 05 32 33 34 35 E1\r\r>")
            << "10:vin=WVWZZZ1KZAM012345";
        // 0x94: a KWP format byte for 20 data bytes, the whole VIN on one line.
        QTest::newRow("VIN on KWP on one line")
            << 5 << InfoVin
            << QByteArray("94 F1 10 49 02 01 57 56 57 5A 5A 5A 31 4B 5A 41 4D 30 31 32 33 34 "
                          "35 86\r\r>")
            << "10:vin=WVWZZZ1KZAM012345";
        // 49 04 01 and 16 bytes = 19: 6 + 7 + 6, the last frame filled with 55.
        QTest::newRow("calibration IDs of two ECUs on CAN")
            << 6 << InfoKalibracje
            << QByteArray("7E8 10 13 49 04 01 43 41 4C \r"
                          "7E9 10 13 49 04 01 54 43 4D \r"
                          "7E8 21 2D 45 4E 47 2D 30 34 \r"
                          "7E9 21 2D 30 30 37 00 00 00 \r"
                          "7E8 22 31 32 00 00 00 00 55 \r"
                          "7E9 22 00 00 00 00 00 00 55 \r")
            << "7E8:cal=CAL-ENG-0412; 7E9:cal=TCM-007";
        QTest::newRow("two CVNs in a single frame")
            << 6 << InfoCvn << QByteArray("7E8 10 0B 49 06 02 1A 2B 3C \r7E8 21 4D 00 00 BE EF \r")
            << "7E8:cvn=1A2B3C4D,0000BEEF";
        QTest::newRow("CVN on J1850 VPW")
            << 2 << InfoCvn << QByteArray("48 6B 10 49 06 01 1A 2B 3C 4D 9F\r")
            << "10:cvn=1A2B3C4D";
        // The acronym filled to four bytes with 00, then "-" and the name.
        QTest::newRow("ECU name on CAN")
            << 6 << InfoNazwaEcu
            << QByteArray("7E8 10 17 49 0A 01 45 43 4D \r7E8 21 00 2D 45 6E 67 69 6E \r"
                          "7E8 22 65 43 6F 6E 74 72 6F \r7E8 23 6C 00 00 00 00 00 00 \r")
            << "7E8:name=ECM-EngineControl";
        QTest::newRow("no answer") << 6 << InfoVin << QByteArray("NO DATA\r\r>") << "";
        QTest::newRow("a control character")
            << 6 << InfoVin << QByteArray("7E8 06 49 02 01 41 07 42") << "7E8:vin=A?B";
    }
    void informacje() {
        QFETCH(int, protokol);
        QFETCH(int, typ);
        QFETCH(QByteArray, odpowiedz);
        QList<TInformacjeEcu> lista;
        DodajInformacje(lista, odpowiedz, protokol, typ);
        QTEST(Opis(lista), "wynik");
    }

    // Info type 00: the four bytes of the bitmap, after a message count off CAN.
    void mapaInformacji_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<quint32>("mapa");
        QTest::newRow("CAN") << 6 << QByteArray("7E8 06 49 00 54 40 00 00") << quint32(0x54400000);
        QTest::newRow("KWP") << 4 << QByteArray("87 F1 10 49 00 01 FC C0 00 00 00")
                             << quint32(0xFCC00000);
    }
    void mapaInformacji() {
        QFETCH(int, protokol);
        QFETCH(QByteArray, odpowiedz);
        QList<TInformacjeEcu> lista;
        DodajInformacje(lista, odpowiedz, protokol, InfoMapa);
        QCOMPARE(lista.size(), 1);
        QTEST(lista[0].mapa, "mapa");
    }

    // Later answers of an ECU fill in its entry instead of adding one.
    void informacjeJednegoEcuRazem() {
        QList<TInformacjeEcu> lista;
        DodajInformacje(lista, "7E8 06 49 00 54 40 00 00\r7E9 06 49 00 14 40 00 00", 6, InfoMapa);
        DodajInformacje(lista, "7E9 07 49 06 01 1A 2B 3C 4D", 6, InfoCvn);
        QCOMPARE(lista.size(), 2);
        QCOMPARE(lista[1].ecu, 0x7E9);
        QCOMPARE(lista[1].mapa, 0x14400000u);
        QCOMPARE(lista[1].cvn, QStringList{"1A2B3C4D"});
    }
};

QTEST_GUILESS_MAIN(TestDiagnozaObd)
#include "tst_diagnozaobd.moc"
