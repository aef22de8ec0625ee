// The task loop tick by tick over a pseudo-terminal, the test playing an ELM327 adapter with
// a canned car: port check, initialisation, protocol search, capability scan, first readings,
// the PID cycle, trouble codes, user requests and the recoveries.

#include "StanowiskoObd.h"

#include <QSet>
#include <QTest>

namespace {

constexpr TKolor Czarny{0x000000};
constexpr TKolor Szary{0x808080};

// Answers each command the reader sends from a table, with echo until ATE0. A command with
// several answers gets them in turn, the last one from then on.
struct TAdapterTestowy : TStanowiskoObd {
    QMap<QByteArray, QList<QByteArray>> odpowiedzi{
        {"ATZ", {"\rELM327 v1.5"}},
        {"ATRV", {"12.4V"}},
        {"ATDPN", {"6"}},
        {"0100", {"7E8 06 41 00 BE 1F B8 11\r7E9 06 41 00 98 18 80 01"}},
        {"01001", {"7E8 06 41 00 BE 1F B8 11"}},
        {"0101", {"7E8 06 41 01 83 07 65 04"}},
        {"0120", {"7E8 06 41 20 80 00 00 00"}},
        {"0103", {"7E8 04 41 03 02 00"}},
        {"0106", {"7E8 03 41 06 85"}},
        {"0107", {"7E8 03 41 07 7A"}},
        {"03", {"7E8 10 08 43 03 C1 55 C1 01\r7E8 21 C1 21 00 00 00 00 00"}},
        {"07", {"7E8 04 47 01 10 55 00 00 00"}},
        {"04", {"7E8 01 44"}},
    };
    QList<QByteArray> komendy;
    bool echo = true;
    bool cichy = false;
    QSet<QByteArray> bezOdpowiedzi; // commands the vehicle leaves unanswered

    TAdapterTestowy() { Otworz(); }

    QByteArray Odpowiedz(const QByteArray& komenda) {
        auto it = odpowiedzi.find(komenda);
        if (it == odpowiedzi.end())
            return komenda.startsWith("AT") ? QByteArray("OK") : QByteArray("NO DATA");
        return it->size() > 1 ? it->takeFirst() : it->first();
    }

    void Obsluz() {
        const std::optional<QByteArray> k = pty.Komenda(0);
        if (!k) return;
        const QByteArray komenda = k->chopped(1);
        komendy << komenda;
        if (cichy || bezOdpowiedzi.contains(komenda)) return;
        QByteArray tekst = echo ? *k : QByteArray();
        if (komenda == "ATE0") echo = false;
        if (komenda == "ATE1" || komenda == "ATZ") echo = true;
        pty.Wyslij(tekst + Odpowiedz(komenda) + "\r\r>");
    }

    void Rozmawiaj(int n) {
        for (int i = 0; i < n; ++i) {
            Takt();
            Obsluz();
        }
    }

    bool DoStanu(int stan, int n = 600) {
        for (int i = 0; i < n && obd->Stan != stan; ++i)
            Rozmawiaj(1);
        return obd->Stan == stan;
    }

    // Ticks until the reader has sent the given number of further commands.
    QList<QByteArray> Komendy(int ile, int n = 2000) {
        const qsizetype od = komendy.size();
        for (int i = 0; i < n && komendy.size() < od + ile; ++i)
            Rozmawiaj(1);
        return komendy.mid(od);
    }

    int Zdarzen(int x) const {
        int ile = 0;
        for (const auto& z : zdarzenia)
            ile += z[0] == 100 && z[1] == x;
        return ile;
    }
};

// Ready of supported monitors, as the window's summary counts them.
struct TWidokDiagnozyTestowy : TWidokDiagnozy {
    int pokazan = 0;
    QString odSkasowania, cykl;
    void PokazDiagnoze(const TGotowosc* s, const TGotowosc* c,
                       const QList<TInformacjeEcu>&) override {
        ++pokazan;
        const auto opis = [](const TGotowosc* g) {
            return g ? QStringLiteral("%1/%2").arg(g->Gotowe()).arg(g->Obslugiwane()) : QString();
        };
        odSkasowania = opis(s);
        cykl = opis(c);
    }
};

const QList<QByteArray> Inicjalizacja{"ATZ", "ATE1", "ATL0", "ATCAF1", "ATH1", "ATM0", "ATRV"};
const QList<QByteArray> PoWyszukaniu{"ATDPN", "ATM1", "ATST32", "ATAL",
                                     "ATE0",  "ATH1", "01001",  "0100"};

} // namespace

class TestPetlaObd : public QObject {
    Q_OBJECT

private slots:
    void otwarciePortuZglaszaSieIPokazujePort() {
        TAdapterTestowy st;
        st.Takt();
        QCOMPARE(st.zdarzenia.value(0), (std::array<int, 4>{100, 3, 0, 0}));
        QCOMPARE(st.obd->Stan, 3);
        QCOMPARE(st.status.Komorka(1, 0), QStringLiteral("COMM 4"));
        QVERIFY(st.Zalogowano(QStringLiteral("2) połączono4"), Czarny));
        st.Takty(5); // 500 ms
        QCOMPARE(st.obd->Stan, 3);
        st.Takt();
        QCOMPARE(st.obd->Stan, 100);
        QCOMPARE(st.status.Komorka(1, 1), QStringLiteral("szukanie interfejsu"));
        QCOMPARE(st.obd->Protokol, -1);
        QCOMPARE(st.zdarzenia.value(1), (std::array<int, 4>{100, 101, -1, 0}));
        QVERIFY(st.Zalogowano(QStringLiteral("3) szukanie interfejsu"), Czarny));
        st.Takty(2); // 200 ms
        QCOMPARE(st.pty.Reszta(), QByteArray());
        st.Takt();
        QCOMPARE(st.pty.Komenda(), std::optional<QByteArray>("ATZ\r"));
    }

    void calaSciezkaNaCan() {
        TAdapterTestowy st;
        QList<QByteArray> oczekiwane = Inicjalizacja;
        oczekiwane << "ATTP6"
                   << "0100" << PoWyszukaniu << "0101"
                   << "0120"
                   << "0103"
                   << "0106"
                   << "0107"
                   << "0108"
                   << "0109"
                   << "ATRV"
                   << "0900"
                   << "0103"
                   << "0106"
                   << "0107"
                   << "0103";
        QCOMPARE(st.Komendy(int(oczekiwane.size())), oczekiwane);
        QCOMPARE(st.status.Kolumna(1, 7),
                 (QStringList{"COMM 4", "ELM327 v1.5", "12.4V", "CAN (11 bit ID, 500 kb)",
                              "7E8h 7E9h ", "3", "zapalony"}));
        QCOMPARE(st.status.Historia(1, 3),
                 (QStringList{"try CAN (11 bit ID, 500 Kbaud)", "CAN (11 bit ID, 500 kb)"}));
        QCOMPARE(st.zdarzenia,
                 (QList<std::array<int, 4>>{
                     {100, 3, 0, 0}, {100, 101, -1, 0}, {100, 102, 0, 1}, {100, 102, 6, 0}}));
        QCOMPARE(st.obd->Ecu, 0x7E8);
        QCOMPARE(st.obd->IleEcu, 2);
        QVERIFY(st.obd->Pidy[0x21].Obslugiwany);
        QVERIFY(!st.obd->Pidy[0x08].Obslugiwany);
        // Fuel systems and trims of bank 1 went to the controller.
        QCOMPARE(st.StanObd(5, 10), (QList<int>{2, 0, 0x85, 0x7A, 0, 0}));
        QCOMPARE(st.sterownik.WyslijObd, 1);
        QCOMPARE(st.pidy.Komorka(4, 0x06), QStringLiteral("3.9[%]"));
        QCOMPARE(st.pidy.Komorka(1, 0x06), QStringLiteral("on"));
        QCOMPARE(st.pidy.Komorka(1, 0x08), QStringLiteral("x"));
        QVERIFY(st.Zalogowano(QStringLiteral("ECU: 7E8h"), TKolor{0x008000}));
        QVERIFY(st.Zalogowano(QStringLiteral("status 0x83076504"), TKolor{0x008000}));
    }

    void atdpnZFlagaAutomatuToTenSamProtokol() {
        TAdapterTestowy st;
        st.odpowiedzi["ATDPN"] = {"A6"};
        QVERIFY(st.DoStanu(1001));
        QCOMPARE(st.obd->Protokol, 6);
        QCOMPARE(st.status.Komorka(1, 3), QStringLiteral("CAN (11 bit ID, 500 kb)"));
        QCOMPARE(st.status.Komorka(1, 4), QStringLiteral("7E8h 7E9h "));
        QCOMPARE(st.StanObd(7, 8), (QList<int>{0x85, 0x7A}));
        QCOMPARE(st.zdarzenia.last(), (std::array<int, 4>{100, 102, 6, 0}));
    }

    void nieznanyProtokolToZnakZapytania() {
        TAdapterTestowy st;
        st.odpowiedzi["ATDPN"] = {"?"};
        QVERIFY(st.DoStanu(302));
        QCOMPARE(st.obd->Protokol, 0);
        QCOMPARE(st.status.Komorka(1, 3), QStringLiteral("?"));
        QVERIFY(st.Zalogowano(QStringLiteral("nieznany protokół"), TKolor{0xFF0000}));
    }

    void bezAdapteraPonawiaCo5Sekund() {
        TAdapterTestowy st;
        st.cichy = true;
        QVERIFY(st.DoStanu(101));
        QVERIFY(st.DoStanu(3, 40)); // 30 ticks of waiting, the time-out, state 101
        QCOMPARE(st.obd->Opoznienie, 5000);
        QCOMPARE(st.status.Komorka(1, 1), QStringLiteral("brak interfejsu"));
        QVERIFY(!st.DoStanu(100, 50)); // the 5 s pause
        QVERIFY(st.DoStanu(100, 2));
        QCOMPARE(st.Zdarzen(101), 2);
        QCOMPARE(st.Komendy(1, 5), QList<QByteArray>{"ATZ"});
    }

    void ustawienieBezOkPonawia() {
        TAdapterTestowy st;
        st.odpowiedzi["ATCAF1"] = {"?"};
        QCOMPARE(st.Komendy(4), (QList<QByteArray>{"ATZ", "ATE1", "ATL0", "ATCAF1"}));
        QVERIFY(st.DoStanu(3, 3));
        QCOMPARE(st.obd->Opoznienie, 5000);
    }

    void napiecieZeZnakiemZapytania() {
        TAdapterTestowy st;
        st.odpowiedzi["ATRV"] = {"?"};
        QVERIFY(st.DoStanu(200));
        QCOMPARE(st.status.Komorka(1, 2), QStringLiteral("-"));
        QVERIFY(st.Zalogowano(QStringLiteral("nie odczytano napięcia"), TKolor{0xFF0000}));
    }

    void samochodMilczySzukanieWszystkichKandydatow() {
        TAdapterTestowy st;
        st.odpowiedzi["0100"] = {"SEARCHING...\rNO DATA"};
        QVERIFY(st.DoStanu(200));
        const QList<QByteArray> komendy = st.Komendy(24);
        QList<QByteArray> oczekiwane;
        for (const char* tp : {"6", "7", "2", "1", "3", "4", "5", "6", "7", "8", "9"})
            oczekiwane << "ATTP" + QByteArray(tp) << "0100";
        oczekiwane << "ATM1"
                   << "ATZ";
        QCOMPARE(komendy, oczekiwane);
        QCOMPARE(
            st.status.Historia(1, 3),
            (QStringList{"try CAN (11 bit ID, 500 Kbaud)", "try CAN (29 bit ID, 500 Kbaud)",
                         "try SAE J1850 VPW", "try SAE J1850 PWM", "try ISO 9141-2 (KL)",
                         "try KWP slow init", "try KWP fast init", "try CAN (11 bit ID, 500 Kbaud)",
                         "try CAN (29 bit ID, 500 Kbaud)", "try CAN (11 bit ID, 250 Kbaud)",
                         "try CAN (29 bit ID, 250 Kbaud)", "brak protokołu"}));
        QVERIFY(st.Zalogowano(QStringLiteral("ISO 9141-2 (KL) (5 baud init, 10.4 Kbaud)"), Czarny));
        QVERIFY(st.DoStanu(100, 80)); // the pause, then state 3 again
        QCOMPARE(st.Zdarzen(101), 2);
    }

    void szukanieKonczySieNaKandydacieKtoryOdpowiada() {
        TAdapterTestowy st;
        st.odpowiedzi["0100"] = {"NO DATA", "NO DATA", "48 6B 10 41 00 BE 1F B8 11 AA"};
        st.odpowiedzi["ATDPN"] = {"A2"};
        QVERIFY(st.DoStanu(200));
        QCOMPARE(st.Komendy(8), (QList<QByteArray>{"ATTP6", "0100", "ATTP7", "0100", "ATTP2",
                                                   "0100", "ATDPN", "ATM1"}));
        QCOMPARE(st.obd->Protokol, 2);
        QCOMPARE(st.status.Komorka(1, 3), QStringLiteral("SAE J1850 VPW"));
    }

    void bezPolaczeniaZProtokolemNastepnyKandydat() {
        TAdapterTestowy st;
        st.odpowiedzi["0100"] = {"SEARCHING...\rUNABLE TO CONNECT",
                                 "SEARCHING...\rUNABLE TO CONNECT",
                                 "18 DA F1 10 06 41 00 BE 1F B8 11"};
        st.odpowiedzi["ATDPN"] = {"A7"};
        QVERIFY(st.DoStanu(200));
        QCOMPARE(st.Komendy(7),
                 (QList<QByteArray>{"ATTP6", "0100", "ATTP7", "0100", "ATTP2", "0100", "ATDPN"}));
    }

    void kandydatBezOkZaczynaSzukanieOdNowa() {
        TAdapterTestowy st;
        st.odpowiedzi["ATTP6"] = {"?", "OK"};
        QVERIFY(st.DoStanu(201));
        QVERIFY(st.DoStanu(200, 3));
        QCOMPARE(st.obd->Opoznienie, 5000);
        QCOMPARE(st.Komendy(2, 60), (QList<QByteArray>{"ATTP6", "0100"}));
        QCOMPARE(st.Zdarzen(102), 2);
    }

    void bezMapy0x20SkanIdzieDoPierwszychOdczytow() {
        TAdapterTestowy st;
        st.odpowiedzi["0100"] = {"7E8 06 41 00 BE 1F B8 10"};
        QVERIFY(st.DoStanu(308));
        QCOMPARE(st.Komendy(2), (QList<QByteArray>{"0101", "0103"}));
    }

    void bezPid01Stan309NaTejSamejOdpowiedzi() {
        TAdapterTestowy st;
        st.odpowiedzi["0100"] = {"7E8 06 41 00 3E 1F B8 11"};
        QVERIFY(st.DoStanu(308));
        QCOMPARE(st.Komendy(2), (QList<QByteArray>{"0120", "0103"}));
        QCOMPARE(st.status.Komorka(1, 5), QString());
    }

    void wszystkieMapyAz0x80() {
        TAdapterTestowy st;
        st.odpowiedzi["0120"] = {"7E8 06 41 20 00 00 00 01"};
        st.odpowiedzi["0140"] = {"7E8 06 41 40 00 00 00 01"};
        st.odpowiedzi["0160"] = {"7E8 06 41 60 00 00 00 01"};
        QVERIFY(st.DoStanu(308));
        QCOMPARE(st.Komendy(6),
                 (QList<QByteArray>{"0101", "0120", "0140", "0160", "0180", "0103"}));
        QVERIFY(st.obd->Pidy[0x80].Obslugiwany);
    }

    void bladWSkanieInicjalizujeOdNowa() {
        TAdapterTestowy st;
        st.odpowiedzi["0100"] = {"7E8 06 41 00 BE 1F B8 11", "NO DATA"};
        QVERIFY(st.DoStanu(308));
        st.Rozmawiaj(1);
        QCOMPARE(st.obd->Stan, 100);
        QCOMPARE(st.Komendy(1), QList<QByteArray>{"ATZ"});
    }

    void ath1BezOkPoWyszukaniuInicjalizujeOdNowa() {
        TAdapterTestowy st;
        st.odpowiedzi["ATH1"] = {"OK", "?"};
        QVERIFY(st.DoStanu(306));
        st.Rozmawiaj(1);
        QCOMPARE(st.obd->Stan, 100);
    }

    void jedenascieBledowZRzeduWracaDo3() {
        TAdapterTestowy st;
        QVERIFY(st.DoStanu(1000));
        st.odpowiedzi["0103"] = st.odpowiedzi["0106"] = st.odpowiedzi["0107"] = {"NO DATA"};
        for (int i = 1; i <= 10; ++i) {
            QVERIFY(st.DoStanu(1001));
            QVERIFY(st.DoStanu(1000));
            QCOMPARE(st.obd->BledyOdczytu, i);
        }
        QVERIFY(st.DoStanu(1001));
        st.Rozmawiaj(1);
        QCOMPARE(st.obd->Stan, 3);
        QCOMPARE(st.obd->BledyOdczytu, 0);
    }

    void udanyOdczytZerujeLicznikBledow() {
        TAdapterTestowy st;
        QVERIFY(st.DoStanu(1000));
        st.odpowiedzi["0106"] = {"NO DATA"};
        st.Komendy(4); // 0106 fails, 0107 reads
        QVERIFY(st.DoStanu(1000));
        QCOMPARE(st.obd->BledyOdczytu, 0);
    }

    void milknacyAdapterWCykluWracaDo3() {
        TAdapterTestowy st;
        QVERIFY(st.DoStanu(1001));
        st.obd->CzasNaOdpowiedz = 300;
        st.cichy = true;
        QVERIFY(st.DoStanu(3, 11 * 7));
        QVERIFY(st.DoStanu(100));
        QCOMPARE(st.status.Komorka(1, 1), QStringLiteral("szukanie interfejsu"));
    }

    void zdarzenie101ZerujeStanObd() {
        TAdapterTestowy st;
        QVERIFY(st.DoStanu(1001));
        for (int i = 0; i < 36; ++i)
            st.sterownik.StanObd[i] = 0x44;
        st.obd->Stan = 3;
        st.Rozmawiaj(1);
        QCOMPARE(st.zdarzenia.last(), (std::array<int, 4>{100, 101, -1, 0}));
        QCOMPARE(st.StanObd(3, 11), QList<int>(9, 0));
        QCOMPARE(st.StanObd(0, 2), QList<int>(3, 0x44));
        QCOMPARE(st.StanObd(12, 35), QList<int>(24, 0x44));
    }

    void kodyBledowPoOdpowiedziNaPid() {
        TAdapterTestowy st;
        st.obd->UstawZrodloOpisow([](int) { return QByteArray(); });
        QVERIFY(st.DoStanu(1000));
        st.Takt();
        QCOMPARE(st.pty.Komenda(), std::optional<QByteArray>("0103\r"));
        st.sterownik.StanObd[5] = 0x77;
        st.obd->WcisnietoPrzycisk(3); // while the PID answer is awaited
        QVERIFY(st.obd->CzekaNaOdpowiedz);
        st.pty.Wyslij(st.Odpowiedz("0103") + "\r\r>");
        st.Takt(); // the answer arrives and is not decoded; 3000 sends 03
        QCOMPARE(st.sterownik.StanObd[5], 0x77);
        QCOMPARE(st.panel.wyczyszczen, 1);
        st.Obsluz();
        QCOMPARE(st.komendy.last(), QByteArray("03"));
        // Then readiness and the freeze frame, which this car does not answer.
        QCOMPARE(st.Komendy(5), (QList<QByteArray>{"07", "0A", "0101", "020200", "0106"}));
        QCOMPARE(st.panel.Teksty(),
                 (QStringList{"\tStored Trouble Codes  /  Błędy zarejestrowane :", "U0155", "U0101",
                              "U0121", "\tPending Trouble Codes  /  Błędy oczekujące :", "P1055"}));
        QCOMPARE(st.obd->Stan, 1001);
    }

    void kasowanieTylkoPoPotwierdzeniuGlownegoEcu_data() {
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<bool>("skasowano");
        QTest::addColumn<QStringList>("panel");
        const QString odmowa = QStringLiteral("The vehicle refused to clear the trouble codes");
        QTest::newRow("44 from the main ECU")
            << QByteArray("7E9 01 44\r7E8 01 44") << true << QStringList{};
        QTest::newRow("NO DATA") << QByteArray("NO DATA") << false
                                 << QStringList{odmowa + QStringLiteral(": NO DATA")};
        QTest::newRow("negative answer") << QByteArray("7E8 03 7F 04 22") << false
                                         << QStringList{odmowa + QStringLiteral(": 7F 04 22")};
        QTest::newRow("44 from another ECU only")
            << QByteArray("7E9 01 44") << false << QStringList{odmowa};
    }
    void kasowanieTylkoPoPotwierdzeniuGlownegoEcu() {
        QFETCH(QByteArray, odpowiedz);
        QFETCH(bool, skasowano);
        QFETCH(QStringList, panel);
        TTeksty teksty;
        QVERIFY(teksty.Wczytaj());
        teksty.UstawJezyk(Jezyki::Angielski);
        TAdapterTestowy st;
        st.obd->Teksty = &teksty;
        st.odpowiedzi["04"] = {odpowiedz};
        QVERIFY(st.DoStanu(1000));
        st.obd->WcisnietoPrzycisk(4);
        QVERIFY(st.DoStanu(1000));
        QCOMPARE(st.obd->Skasowano, std::optional<bool>(skasowano));
        QCOMPARE(st.panel.Teksty(), panel);
    }

    // An ignition that is off: the answer time runs out on every "0100" of the search.
    void pojazdBezOdpowiedziWidacWPoluEcu() {
        TAdapterTestowy st;
        st.bezOdpowiedzi = {"0100"};
        st.obd->CzasNaOdpowiedz = 300;
        const QString brak = QStringLiteral("brak odpowiedzi pojazdu (zapłon wyłączony?)");
        QVERIFY(st.DoStanu(200));
        QCOMPARE(st.Komendy(3), (QList<QByteArray>{"ATTP6", "0100", "ATTP7"}));
        QVERIFY(st.obd->BrakPojazdu);
        QCOMPARE(st.status.Komorka(1, 4), brak);
        QVERIFY(st.DoStanu(223, 2000));
        QVERIFY(st.DoStanu(100)); // the search starts over, and still says so
        QCOMPARE(st.status.Komorka(1, 1), QStringLiteral("szukanie interfejsu"));
        QCOMPARE(st.status.Komorka(1, 4), brak);
        st.bezOdpowiedzi.clear(); // the ignition is switched on
        QVERIFY(st.DoStanu(300, 2000));
        QVERIFY(!st.obd->BrakPojazdu);
        QCOMPARE(st.status.Komorka(1, 4), QString());
    }

    // After the first readings: readiness of this drive cycle and what every ECU tells in
    // service 09; after a reading of the codes: readiness and the freeze frame under them;
    // after clearing: readiness again, and no freeze frame.
    void gotowoscRamkaIInformacje() {
        TAdapterTestowy st;
        TWidokDiagnozyTestowy widok;
        st.obd->WidokDiagnozy = &widok;
        st.obd->UstawZrodloOpisow([](int) { return QByteArray(); });
        st.odpowiedzi["0120"] = {"7E8 06 41 20 80 00 00 01"};
        st.odpowiedzi["0140"] = {"7E8 06 41 40 80 00 00 00"};
        st.odpowiedzi["0141"] = {"7E8 06 41 41 00 07 65 61"};
        st.odpowiedzi["0900"] = {"7E8 06 49 00 54 40 00 00\r7E9 06 49 00 14 40 00 00"};
        st.odpowiedzi["0902"] = {"7E8 10 14 49 02 01 57 56 57 \r7E8 21 5A 5A 5A 31 4B 5A 41 \r"
                                 "7E8 22 4D 30 31 32 33 34 35 "};
        st.odpowiedzi["0904"] = {"7E8 10 13 49 04 01 43 41 4C \r7E9 10 13 49 04 01 54 43 4D \r"
                                 "7E8 21 2D 45 4E 47 2D 30 34 \r7E9 21 2D 30 30 37 00 00 00 \r"
                                 "7E8 22 31 32 00 00 00 00 55 \r7E9 22 00 00 00 00 00 00 55 "};
        st.odpowiedzi["0906"] = {"7E8 07 49 06 01 1A 2B 3C 4D\r7E9 07 49 06 01 00 00 BE EF"};
        st.odpowiedzi["090A"] = {"NO DATA"};
        st.odpowiedzi["020200"] = {"7E8 05 42 02 00 03 00"};
        st.odpowiedzi["020000"] = {"7E8 07 42 00 00 5E 18 00 00"};
        st.odpowiedzi["020400"] = {"7E8 04 42 04 00 C8"};
        st.odpowiedzi["020500"] = {"7E8 04 42 05 00 80"};
        st.odpowiedzi["020600"] = {"7E8 04 42 06 00 8C"};
        st.odpowiedzi["020700"] = {"7E8 04 42 07 00 92"};
        st.odpowiedzi["020C00"] = {"7E8 05 42 0C 00 30 C0"};
        st.odpowiedzi["020D00"] = {"7E8 04 42 0D 00 60"};
        QVERIFY(st.DoStanu(406));
        QCOMPARE(st.Komendy(7),
                 (QList<QByteArray>{"0141", "0900", "0902", "0904", "0906", "090A", "0103"}));
        QCOMPARE(widok.pokazan, 1);
        QCOMPARE(widok.odSkasowania, QStringLiteral("6/7"));
        QCOMPARE(widok.cykl, QStringLiteral("4/7"));
        QCOMPARE(st.obd->Informacje.size(), 2);
        QCOMPARE(st.obd->Informacje[0].vin, QStringLiteral("WVWZZZ1KZAM012345"));
        QCOMPARE(st.obd->Informacje[0].kalibracje, QStringList{"CAL-ENG-0412"});
        QCOMPARE(st.obd->Informacje[1].ecu, 0x7E9);
        QCOMPARE(st.obd->Informacje[1].cvn, QStringList{"0000BEEF"});
        QVERIFY(st.obd->Informacje[0].nazwa.isEmpty());

        QVERIFY(st.DoStanu(1000));
        st.obd->WcisnietoPrzycisk(3);
        QCOMPARE(st.Komendy(14),
                 (QList<QByteArray>{"03", "07", "0A", "0101", "0141", "020200", "020000", "020400",
                                    "020500", "020600", "020700", "020C00", "020D00", "0106"}));
        QCOMPARE(
            st.panel.Teksty().mid(6),
            (QStringList{"\tZamrożona ramka (kod P0300)", "Calculated engine load value: 78.4[%]",
                         "Engine coolant temperature: 88[°C]", "Short term fuel Bank 1: 9.4[%]",
                         "Long term fuel Bank 1: 14.1[%]", "Engine RPM: 3120[rpm]",
                         "Vehicle speed: 96[km/h]"}));
        QCOMPARE(st.obd->Zamrozona->wartosci.size(), 6);
        QCOMPARE(widok.pokazan, 2);

        QVERIFY(st.DoStanu(1000));
        st.odpowiedzi["0101"] = {"7E8 06 41 01 00 07 65 65"};
        st.obd->WcisnietoPrzycisk(4);
        QCOMPARE(st.Komendy(3), (QList<QByteArray>{"04", "0101", "0141"}));
        QVERIFY(st.DoStanu(1001));
        QVERIFY(!st.obd->Zamrozona);
        QCOMPARE(widok.odSkasowania, QStringLiteral("3/7"));
        QCOMPARE(st.status.Komorka(1, 6), QStringLiteral("zgaszony"));
    }

    void kasowanieKodowWracaDoCyklu() {
        TAdapterTestowy st;
        QVERIFY(st.DoStanu(1000));
        st.obd->WcisnietoPrzycisk(4);
        QCOMPARE(st.Komendy(3), (QList<QByteArray>{"04", "0101", "0103"}));
        QCOMPARE(st.panel.wyczyszczen, 0);
    }

    void komendaAtWCyklu() {
        TAdapterTestowy st;
        QVERIFY(st.DoStanu(1000));
        st.obd->AtCommand("ATI");
        st.Rozmawiaj(1);
        QCOMPARE(st.komendy.last(), QByteArray("ATI"));
        QCOMPARE(st.obd->Opoznienie, 1000);
        st.Rozmawiaj(10);
        QCOMPARE(st.komendy.last(), QByteArray("ATI"));
        QCOMPARE(st.Komendy(1, 2), QList<QByteArray>{"0103"});
    }

    void przycisk0InicjalizujeAdapter() {
        TAdapterTestowy st;
        QVERIFY(st.DoStanu(1000));
        st.obd->WcisnietoPrzycisk(0);
        QCOMPARE(st.Komendy(1), QList<QByteArray>{"ATZ"});
        st.obd->WcisnietoPrzycisk(7);
        QCOMPARE(st.obd->Stan, 101);
    }

    void naKLiniiPidCo4Takty_data() {
        QTest::addColumn<QByteArray>("protokol");
        QTest::addColumn<QByteArray>("odpowiedz0100");
        QTest::addColumn<int>("taktow");
        QTest::newRow("CAN") << QByteArray("6") << QByteArray("7E8 06 41 00 BE 1F B8 10") << 2;
        QTest::newRow("ISO 9141") << QByteArray("3") << QByteArray("48 6B 10 41 00 BE 1F B8 10 AA")
                                  << 4;
    }
    void naKLiniiPidCo4Takty() {
        QFETCH(QByteArray, protokol);
        QFETCH(QByteArray, odpowiedz0100);
        QFETCH(int, taktow);
        TAdapterTestowy st;
        st.odpowiedzi["ATDPN"] = {protokol};
        st.odpowiedzi["0100"] = {odpowiedz0100};
        st.odpowiedzi["0106"] = {"48 6B 10 41 06 80 AA", "7E8 03 41 06 80"};
        QVERIFY(st.DoStanu(1000));
        st.Komendy(1);
        int takty = 0;
        while (st.Komendy(1, 1).isEmpty() && takty < 20)
            ++takty;
        QCOMPARE(takty + 1, taktow);
    }

    void zamknietyPortWStanie2() {
        TStanowiskoObd st;
        for (int i = 0; i < 36; ++i)
            st.sterownik.StanObd[i] = 0x44;
        st.obd->SwiezoOtwarty = true; // opened, and gone before the tick
        st.Takt();
        QCOMPARE(st.obd->Stan, 0);
        QCOMPARE(st.status.Komorka(1, 0), QStringLiteral("brak połączenia"));
        QCOMPARE(st.obd->Opoznienie, 5000);
        QVERIFY(st.Zalogowano(QStringLiteral("2) brak połączenia"), Czarny));
        QCOMPARE(st.zdarzenia.last(), (std::array<int, 4>{100, 101, -1, 0}));
        QCOMPARE(st.StanObd(3, 11), QList<int>(9, 0));
        st.Takty(100);
        QCOMPARE(st.obd->Stan, 0);
    }

    void zamknietyPortWStanie3() {
        TAdapterTestowy st;
        QVERIFY(st.DoStanu(3));
        st.obd->PortClose();
        st.Rozmawiaj(6);
        QCOMPARE(st.obd->Stan, 0);
        QCOMPARE(st.status.Komorka(1, 0), QStringLiteral("brak połączenia"));
        QVERIFY(st.Zalogowano(QStringLiteral("3) brak połączenia"), Czarny));
    }

    void ponowneOtwarcieZaczynaOd2() {
        TAdapterTestowy st;
        QVERIFY(st.DoStanu(1001));
        QVERIFY(st.Otworz());
        st.Takt();
        QCOMPARE(st.obd->Stan, 3);
        QCOMPARE(st.zdarzenia.last(), (std::array<int, 4>{100, 3, 0, 0}));
    }

    void protokolStalyLaczyBezSzukania() {
        TAdapterTestowy st;
        QVERIFY(st.DoStanu(200));
        st.obd->SetProtokol(7);
        QCOMPARE(st.obd->Stan, 3);
        QVERIFY(st.DoStanu(200));
        QCOMPARE(st.Komendy(2), (QList<QByteArray>{"ATTP7", "ATDPN"}));
        QCOMPARE(st.status.Historia(1, 3), QStringList{"łączenie"});
        QVERIFY(st.Zalogowano(QStringLiteral("łączenie protokołu 7"), Czarny));
    }

    void samotestNicNieWysyla() {
        TAdapterTestowy st;
        st.obd->UstawZrodloOpisow([](int) { return QByteArray(); });
        st.obd->OpiszPid();
        st.obd->TESTY();
        QCOMPARE(st.pty.Reszta(), QByteArray());
        for (const char* grupa : {"J1850_PWM", "J1850_VPW", "ISO_14230", "CAN_11", "CAN_29"})
            QVERIFY2(st.Zalogowano(QString::fromLatin1(grupa), Szary), grupa);
        QVERIFY(st.Zalogowano(QStringLiteral("ECU: 11h"), TKolor{0x008000}));
        QVERIFY(st.Zalogowano(QStringLiteral("ECU: 1Fh"), TKolor{0x008000}));
        QVERIFY(st.Zalogowano(QStringLiteral("ECU: 7E8h"), TKolor{0x008000}));
        const QStringList panel = st.panel.Teksty();
        for (const char* kod :
             {"P2097", "U0155", "U0101", "U0121", "P0120", "P0443", "P0221", "P1055"})
            QVERIFY2(panel.contains(QString::fromLatin1(kod)), kod);
        QCOMPARE(st.pidy.Komorka(4, 0x07), QStringLiteral("3.9[%]"));
    }
};

QTEST_GUILESS_MAIN(TestPetlaObd)
#include "tst_petlaobd.moc"
