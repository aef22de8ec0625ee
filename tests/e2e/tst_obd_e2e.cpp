// The OBD reader's whole task loop against elm327-sim over its pseudo-terminal, on each of
// the protocols 1 to 9: initialisation, the search, the main ECU, the supported PIDs, the
// first readings, the PID cycle, trouble codes read and cleared, and the way back to the
// adapter search when the adapter goes silent or its line closes.

#include "KoloryObd.h"
#include "ObdNaSymulatorze.h"
#include "Protokoly.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <optional>

namespace {

// Ticks come every 10 ms instead of 100 ms, so the loop runs ten times faster than on the
// window's timer; the answer time is stretched to match, 3 s of real time.
constexpr int OdstepMs = 10;
constexpr int CzasNaOdpowiedzE2e = 30000;
// Seconds after its start when the simulator stops answering or closes the line: well after
// the slowest search (protocol 9, about 4 s at this pace) and the first readings (readiness
// and vehicle information, about 3 s more on the K-line at the adapter's slowest answers)
// have reached the PID cycle.
constexpr int CiszaPoS = 10;

// Each simulated car: ECU 0x10 (or 7E8) without fuel trims, the second ECU with them.
int DrugieEcu(int protokol) {
    return StylNaglowka(protokol) == TStylNaglowka::Can11 ? 0x7E9 : 0x11;
}

// The transmission, which answers first, as the panel's headings name it.
QString PierwszeEcu(int protokol) {
    return StylNaglowka(protokol) == TStylNaglowka::Can11 ? QStringLiteral("7E8h")
                                                          : QStringLiteral("10h");
}

struct TObdE2e : TObdNaSymulatorze {
    explicit TObdE2e(const QStringList& opcje) : TObdNaSymulatorze(opcje, OdstepMs) {
        obd->CzasNaOdpowiedz = CzasNaOdpowiedzE2e;
    }
};

QStringList Opcje(int protokol, QStringList dalsze = {}) {
    return QStringList{"--protocol", QString::number(protokol), "--ecus", "2", "--seed", "7"} +
           dalsze;
}

void Protokoly() {
    QTest::addColumn<int>("protokol");
    for (int p = 1; p <= 9; ++p)
        QTest::addRow("%d %s", p, qPrintable(OpisProtokolu(p)->krotka)) << p;
}

// The candidate that found the protocol: the first one whose ATTP names it.
QString EtykietaKandydata(int protokol) {
    for (const TKandydat& k : KandydaciProtokolu())
        if (k.komenda == "ATTP" + QByteArray::number(protokol)) return k.etykieta;
    return {};
}

} // namespace

class TestObdE2e : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void odInicjalizacjiPoKasowanieKodow_data() { Protokoly(); }
    void odInicjalizacjiPoKasowanieKodow() {
        QFETCH(int, protokol);
        TObdE2e st(Opcje(protokol));
        QVERIFY(!st.sym.Sciezka().isEmpty());
        QVERIFY(st.Otworz());
        QVERIFY2(st.Czekaj([&] { return st.udane >= 8; }, 60000), "no PID cycle");

        // Initialisation and the search.
        QCOMPARE(st.status.Komorka(1, 0), QStringLiteral("COMM 4"));
        QCOMPARE(st.status.Komorka(1, 1), QStringLiteral("ELM327 v1.5"));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\dV$"))
                    .match(st.status.Komorka(1, 2))
                    .hasMatch());
        QCOMPARE(st.obd->Protokol, protokol);
        QCOMPARE(st.status.Komorka(1, 3), OpisProtokolu(protokol)->krotka);
        const QStringList proby = st.status.Historia(1, 3);
        QCOMPARE(proby.value(proby.size() - 2), EtykietaKandydata(protokol));
        QVERIFY(st.zdarzenia.contains(std::array<int, 4>{100, 102, protokol, 0}));

        // The main ECU is the one that reports fuel trims, and it offers them.
        QCOMPARE(st.obd->IleEcu, 2);
        QCOMPARE(st.obd->Ecu, DrugieEcu(protokol));
        QVERIFY(st.obd->Pidy[0x06].Obslugiwany && st.obd->Pidy[0x07].Obslugiwany);
        QVERIFY(!st.status.Komorka(1, 5).isEmpty() &&
                st.status.Komorka(1, 5) != QStringLiteral("-"));

        // First readings and the cycle: trims in the grid and handed to the controller.
        QCOMPARE(st.nieudane, 0);
        QVERIFY(st.sterownik.StanObd[5] != 0);
        QVERIFY(st.sterownik.StanObd[7] != 0 && st.sterownik.StanObd[8] != 0);
        QCOMPARE(st.sterownik.WyslijObd, 1);
        QVERIFY(st.pidy.Komorka(4, 0x06).endsWith(QStringLiteral("[%]")));
        QVERIFY(st.pidy.Komorka(4, 0x07).endsWith(QStringLiteral("[%]")));
        QVERIFY(!st.pidy.Komorka(4, 0x03).isEmpty());

        // Trouble codes: stored ones need a multi-frame answer on CAN.
        QVERIFY(st.Przycisk(3, 3005));
        const QMap<QString, QStringList> kody = st.KodyWPanelu();
        QCOMPARE(kody.value(QStringLiteral("Stored")),
                 (QStringList{"P0300", "P0171", "P0420", "U0101"}));
        QCOMPARE(kody.value(QStringLiteral("Pending")),
                 (QStringList{"P0301", "P0302", "P0133", "P2097", "P0455", "P0128", "P0442"}));
        QCOMPARE(kody.value(QStringLiteral("Permanent")), (QStringList{"P0420", "P0300", "P0171"}));
        // The transmission answers too, under headings with its address.
        const QString skrzynia = PierwszeEcu(protokol);
        QCOMPARE(kody.value(QStringLiteral("Stored ") + skrzynia), (QStringList{"P0700", "U0100"}));
        QVERIFY(kody.contains(QStringLiteral("Pending ") + skrzynia));
        QCOMPARE(kody.value(QStringLiteral("Permanent ") + skrzynia), QStringList{"P0700"});
        // Under the codes, the freeze frame of the first stored one with its six values.
        QVERIFY(kody.contains(QStringLiteral("Zamrożona")));
        QCOMPARE(st.obd->Zamrozona->kod, 0x0300u);
        QCOMPARE(st.obd->Zamrozona->wartosci.size(), 6);
        QCOMPARE(kody.size(), 7);

        // Clearing, then reading again.
        QVERIFY(st.Przycisk(4, 4001));
        QVERIFY(st.Wyslano(QStringLiteral("04")));
        QVERIFY(st.Przycisk(3, 3005));
        const QMap<QString, QStringList> poKasowaniu = st.KodyWPanelu();
        QVERIFY(poKasowaniu.contains(QStringLiteral("Stored")));
        QCOMPARE(poKasowaniu.value(QStringLiteral("Stored")), QStringList());
        QCOMPARE(poKasowaniu.value(QStringLiteral("Pending")), QStringList());
        QCOMPARE(poKasowaniu.value(QStringLiteral("Stored ") + skrzynia), QStringList());
        QCOMPARE(st.obd->Zamrozona->kod, 0u); // cleared with the codes
        QVERIFY(poKasowaniu.contains(QStringLiteral("brak")));

        const int przed = st.udane;
        QVERIFY(st.Czekaj([&] { return st.udane >= przed + 3; }, 10000));
        QCOMPARE(st.nieudane, 0);
    }

    // Three ECUs whose frames interleave, on an adapter that keeps CR LF line ends.
    void kodyKazdegoEcuMimoPrzeplotuICrLf_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<QStringList>("adresy"); // transmission, brakes
        QTest::newRow("11-bit") << 6 << QStringList{"7E8h", "7EAh"};
        QTest::newRow("29-bit") << 7 << QStringList{"10h", "12h"};
    }
    void kodyKazdegoEcuMimoPrzeplotuICrLf() {
        QFETCH(int, protokol);
        QFETCH(QStringList, adresy);
        TObdE2e st(
            {"--protocol", QString::number(protokol), "--ecus", "3", "--interleave", "--crlf"});
        QVERIFY(st.Otworz());
        QVERIFY2(st.Czekaj([&] { return st.udane >= 3; }, 60000), "no PID cycle");
        QCOMPARE(st.obd->IleEcu, 3);
        QVERIFY(st.Przycisk(3, 3005));
        const QMap<QString, QStringList> kody = st.KodyWPanelu();
        QCOMPARE(kody.value(QStringLiteral("Stored")),
                 (QStringList{"P0300", "P0171", "P0420", "U0101"}));
        QCOMPARE(kody.value(QStringLiteral("Pending")),
                 (QStringList{"P0301", "P0302", "P0133", "P2097", "P0455", "P0128", "P0442"}));
        QCOMPARE(kody.value(QStringLiteral("Stored ") + adresy[0]),
                 (QStringList{"P0700", "U0100"}));
        QCOMPARE(kody.value(QStringLiteral("Stored ") + adresy[1]), QStringList{"C0035"});
        QCOMPARE(kody.value(QStringLiteral("Pending ") + adresy[1]), QStringList{"C0040"});
    }

    void odmowaKasowaniaWPanelu_data() {
        QTest::addColumn<QString>("jak");
        QTest::addColumn<QString>("powod");
        QTest::newRow("negative") << QStringLiteral("negative") << QStringLiteral(": 7F 04 22");
        QTest::newRow("nodata") << QStringLiteral("nodata") << QStringLiteral(": NO DATA");
    }
    void odmowaKasowaniaWPanelu() {
        QFETCH(QString, jak);
        QFETCH(QString, powod);
        TObdE2e st(Opcje(6, {"--refuse-clear", jak}));
        QVERIFY(st.Otworz());
        QVERIFY2(st.Czekaj([&] { return st.udane >= 2; }, 60000), "no PID cycle");
        QVERIFY(st.Przycisk(4, 4001));
        QCOMPARE(st.obd->Skasowano, std::optional<bool>(false));
        QCOMPARE(st.panel.Teksty().value(0),
                 QStringLiteral("Pojazd odmówił skasowania błędów") + powod);
        QVERIFY(st.Przycisk(3, 3005));
        QCOMPARE(st.KodyWPanelu().value(QStringLiteral("Stored")).size(), 4); // still there
    }

    // The answer time runs out on every "0100": the ECU row says so while the search goes on.
    void zaplonWylaczonyBrakPojazdu() {
        TObdE2e st(Opcje(6, {"--ignition-off"}));
        QVERIFY(st.Otworz());
        QVERIFY(st.Czekaj([&] { return st.obd->BrakPojazdu; }, 20000));
        QCOMPARE(st.status.Komorka(1, 4),
                 QStringLiteral("brak odpowiedzi pojazdu (zapłon wyłączony?)"));
        QVERIFY(st.obd->Stan >= 200 && st.obd->Stan <= 224);
        QVERIFY(!st.Wyslano(QStringLiteral("ATDPN"))); // no protocol taken for found
    }

    // Odd protocols get an adapter that stops answering, even ones a line that closes.
    void milknacyLubZamknietyAdapterWracaDoStanu3_data() { Protokoly(); }
    void milknacyLubZamknietyAdapterWracaDoStanu3() {
        QFETCH(int, protokol);
        const bool zamkniecie = protokol % 2 == 0;
        const QString opcja =
            zamkniecie ? QStringLiteral("--close-after") : QStringLiteral("--silent-after");
        TObdE2e st(Opcje(protokol, {opcja, QString::number(CiszaPoS)}));
        QVERIFY(st.Otworz());
        QVERIFY2(st.Czekaj([&] { return st.udane >= 2; }, CiszaPoS * 1000), "no PID cycle before");
        QVERIFY(st.Czekaj([&] { return st.sym.Wiek() > CiszaPoS * 1000 + 200; }, CiszaPoS * 1000));
        QVERIFY(!zamkniecie || st.Czekaj([&] { return st.sym.Zakonczony(); }, 3000));
        st.obd->CzasNaOdpowiedz = 1000; // 100 ms of real time: the failures come sooner
        const qsizetype zdarzen = st.zdarzenia.size();
        // A closed line may be noticed by the port before eleven answers have failed.
        QVERIFY(st.Czekaj([&] { return st.obd->Stan == 3 || (zamkniecie && st.obd->Stan == 0); },
                          20000));
        if (st.obd->Stan == 0) {
            QVERIFY(!st.obd->PortConnected());
            QCOMPARE(st.status.Komorka(1, 0), QStringLiteral("brak połączenia"));
            return;
        }
        QVERIFY(st.nieudane >= 11);
        QVERIFY(st.Czekaj([&] { return st.obd->Stan != 3; }, 2000));
        QCOMPARE(st.zdarzenia.mid(zdarzen).value(0), (std::array<int, 4>{100, 101, -1, 0}));
        QCOMPARE(st.StanObd(3, 11), QList<int>(9, 0));
        if (zamkniecie && st.obd->Stan == 0) {
            // The port noticed the line gone.
            QCOMPARE(st.status.Komorka(1, 0), QStringLiteral("brak połączenia"));
            return;
        }
        // A new search for the adapter: it does not identify itself, so after a pause the
        // search starts over.
        QCOMPARE(st.obd->Stan, 100);
        QCOMPARE(st.status.Komorka(1, 1), QStringLiteral("szukanie interfejsu"));
        const int atz = st.IleWyslano(QStringLiteral("ATZ"));
        QVERIFY(st.Czekaj([&] { return st.IleWyslano(QStringLiteral("ATZ")) > atz; }, 2000));
        QVERIFY(st.DoStanu(3, 10000));
        QCOMPARE(st.status.Komorka(1, 1), QStringLiteral("brak interfejsu"));
    }
};

QTEST_GUILESS_MAIN(TestObdE2e)
#include "tst_obd_e2e.moc"
