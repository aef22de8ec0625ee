// elm327-sim as the application meets it: a child process, its pseudo-terminal opened with
// plain POSIX calls, commands in and answer texts out.

#include "ProcesSymulatora.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>
#include <set>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// The freedoms the adapter takes by default, fixed for the tests that compare its answers to
// the byte; they are tested on their own.
const QStringList BezSwobod{"--linefeeds", "off", "--trailing-space", "on",
                            "--latency",   "0",   "--ecu-order",      "fixed"};

// The simulator and the application's end of its line.
class TElm {
public:
    explicit TElm(const QStringList& argumenty, bool swobodny = false)
        : proces(QStringLiteral(ELM327_SIM), swobodny ? argumenty : argumenty + BezSwobod),
          sciezka(proces.Sciezka()) {
        if (!sciezka.isEmpty()) Otworz();
    }
    ~TElm() {
        if (fd >= 0) ::close(fd);
    }
    TElm(const TElm&) = delete;
    TElm& operator=(const TElm&) = delete;

    bool Gotowy() const { return fd >= 0; }
    TProcesSymulatora& Proces() { return proces; }

    void Otworz() { fd = ::open(qPrintable(sciezka), O_RDWR | O_NOCTTY | O_NONBLOCK); }
    void Zamknij() {
        ::close(fd);
        fd = -1;
    }

    void Pisz(const QByteArray& bajty) {
        QCOMPARE_GE(::write(fd, bajty.constData(), bajty.size()), 0);
    }

    // Whatever arrives within ms; with doZnaku, stops as soon as the text ends with it.
    QByteArray Czytaj(int ms, char doZnaku = 0) {
        QByteArray wynik;
        QElapsedTimer czas;
        czas.start();
        while (czas.elapsed() < ms) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0) continue;
            char bufor[512];
            const ssize_t n = ::read(fd, bufor, sizeof bufor);
            if (n <= 0) break;
            wynik.append(bufor, static_cast<int>(n));
            if (doZnaku && wynik.endsWith(doZnaku)) break;
        }
        return wynik;
    }

    // True when the other end of the line has gone within ms.
    bool Rozlaczony(int ms) {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, ms) == 1 && (p.revents & (POLLHUP | POLLERR));
    }

    // A command and its whole answer up to the prompt, echo included while echo is on.
    QByteArray Komenda(const QByteArray& komenda, int ms = 3000) {
        Pisz(komenda + '\r');
        return Czytaj(ms, '>');
    }

    // The answer without the echo, split into its lines (the blank line and prompt gone).
    QList<QByteArray> Linie(const QByteArray& komenda) {
        QByteArray tekst = Komenda(komenda);
        if (tekst.startsWith(komenda + '\r')) tekst.remove(0, komenda.size() + 1);
        QList<QByteArray> linie = tekst.split('\r');
        while (!linie.isEmpty() && (linie.back().isEmpty() || linie.back() == ">"))
            linie.removeLast();
        return linie;
    }

    // Settings most tests want: echo off, headers on.
    void Przygotuj(const QByteArray& protokol) {
        Komenda("ATE0");
        Komenda("ATH1");
        Komenda("ATSP" + protokol);
    }

private:
    TProcesSymulatora proces;
    QString sciezka;
    int fd = -1;
};

std::unique_ptr<TElm> Uruchom(const QStringList& argumenty = {}) {
    auto elm = std::make_unique<TElm>(argumenty);
    if (!elm->Gotowy()) qWarning("elm327-sim did not start");
    return elm;
}

QByteArray Hex(const QByteArray& tekst) {
    return QByteArray::fromHex(tekst.simplified().replace(' ', ""));
}

// The ISO-TP message an ECU sent as single or first and consecutive frames, from the
// answer lines "7E9 10 0A 43 04 ..." and "7E9 21 ..." of that ECU.
QByteArray Wiadomosc(const QList<QByteArray>& linie, const QByteArray& ecu) {
    QByteArray dane;
    int dlugosc = 0;
    for (const QByteArray& linia : linie) {
        if (!linia.startsWith(ecu + ' ')) continue;
        const QByteArray ramka = Hex(linia.mid(ecu.size()));
        const int pci = static_cast<quint8>(ramka.at(0));
        if (pci >> 4 == 0) return ramka.mid(1, pci);
        if (pci >> 4 == 1) {
            dlugosc = (pci & 0x0F) << 8 | static_cast<quint8>(ramka.at(1));
            dane = ramka.mid(2);
        } else {
            dane += ramka.mid(1);
        }
    }
    return dane.left(dlugosc);
}

// "P0300" style codes after the reply byte and the count of a CAN trouble-code answer.
QStringList Kody(const QByteArray& wiadomosc) {
    QStringList kody;
    for (int i = 2; i + 1 < wiadomosc.size(); i += 2) {
        const int k =
            static_cast<quint8>(wiadomosc.at(i)) << 8 | static_cast<quint8>(wiadomosc.at(i + 1));
        kody << QString(QChar::fromLatin1("PCBU"[k >> 14])) +
                    QString::number(k & 0x3FFF, 16).toUpper().rightJustified(4, '0');
    }
    return kody;
}

std::set<int> Pidy(const QByteArray& mapa) {
    std::set<int> pidy;
    for (int i = 0; i < 32; ++i)
        if (static_cast<quint8>(mapa.at(i / 8)) & (0x80 >> (i % 8))) pidy.insert(i + 1);
    return pidy;
}

} // namespace

class TestElm327Sim : public QObject {
    Q_OBJECT
private slots:
    void atzAnswersAfterTheResetDelayWithBanner();
    void echoFollowsAteAndComesAsBytesArrive();
    void linefeedsFollowAtl();
    void unknownCommandGetsQuestionMark();
    void settingCommandsAnswerOk_data();
    void settingCommandsAnswerOk();
    void headerStylesPerProtocol_data();
    void headerStylesPerProtocol();
    void checksumsOfKLineAndJ1850Answers_data();
    void checksumsOfKLineAndJ1850Answers();
    void atdpnShowsAWhileSearchingIsAutomatic();
    void searchingComesBeforeTheFirstAnswerOnly();
    void wrongProtocolIsUnableToConnect();
    void kLineInitialisesOnFirstRequest();
    void bitmapsPerEcuWithTrimsOnASecondEcu_data();
    void bitmapsPerEcuWithTrimsOnASecondEcu();
    void responseCountDigitStopsEarly();
    void unsupportedPidIsNoData();
    void storedCodesNeedMultiFrameOnCan();
    void pendingCodesTakeTwoConsecutiveFrames();
    void kLineCodesComeThreeToAMessage();
    void clearingEmptiesStoredAndPendingOnly();
    void valuesChangeOverTime();
    void lineSurvivesCloseAndReopen();
    void slowDelaysEveryAnswerAfterTheEcho();
    void silentAfterStopsAnswering();
    void closeAfterHangsUpAndExits();
    void logHasOneJsonLinePerCommand();
    void interleaveSplitsFirstAndConsecutiveFrames();
    void crlfStaysAfterAtl0();
    void refusedClearing_data();
    void refusedClearing();
    void ignitionOffAnswersAfterTheReaderGaveUp();
    void freedomsVaryBySeedUnlessFixed();
};

void TestElm327Sim::atzAnswersAfterTheResetDelayWithBanner() {
    auto elm = Uruchom();
    QElapsedTimer czas;
    czas.start();
    QCOMPARE(elm->Komenda("ATZ"), QByteArray("ATZ\r\r\rELM327 v1.5\r\r>"));
    QCOMPARE_GE(czas.elapsed(), 250);
    QCOMPARE(elm->Komenda("ATI"), QByteArray("ATI\rELM327 v1.5\r\r>"));
}

void TestElm327Sim::echoFollowsAteAndComesAsBytesArrive() {
    auto elm = Uruchom();
    elm->Pisz("at");
    QCOMPARE(elm->Czytaj(5000, 't'), QByteArray("at"));
    elm->Pisz(" i");
    QCOMPARE(elm->Czytaj(5000, 'i'), QByteArray(" i"));
    elm->Pisz("\r");
    QCOMPARE(elm->Czytaj(5000, '>'), QByteArray("\rELM327 v1.5\r\r>"));
    QCOMPARE(elm->Komenda("ATE0"), QByteArray("ATE0\rOK\r\r>"));
    QCOMPARE(elm->Komenda("ATI"), QByteArray("ELM327 v1.5\r\r>"));
    QCOMPARE(elm->Komenda("ATE1"), QByteArray("OK\r\r>"));
    QCOMPARE(elm->Komenda("ATI"), QByteArray("ATI\rELM327 v1.5\r\r>"));
}

void TestElm327Sim::linefeedsFollowAtl() {
    auto elm = Uruchom();
    elm->Komenda("ATE0");
    QCOMPARE(elm->Komenda("ATL1"), QByteArray("OK\r\n\r\n>"));
    QCOMPARE(elm->Komenda("ATI"), QByteArray("ELM327 v1.5\r\n\r\n>"));
    QCOMPARE(elm->Komenda("ATL0"), QByteArray("OK\r\r>"));
}

void TestElm327Sim::unknownCommandGetsQuestionMark() {
    auto elm = Uruchom();
    elm->Komenda("ATE0");
    QCOMPARE(elm->Komenda("ATXYZ"), QByteArray("?\r\r>"));
    QCOMPARE(elm->Komenda("01G0"), QByteArray("?\r\r>"));
    QCOMPARE(elm->Komenda("ATSPD"), QByteArray("?\r\r>"));
}

void TestElm327Sim::settingCommandsAnswerOk_data() {
    QTest::addColumn<QByteArray>("komenda");
    for (const char* k :
         {"ATE1", "ATL0", "ATH1", "ATS1", "ATM0", "ATM1", "ATCAF1", "ATCAF0", "ATAL", "ATAT1",
          "ATST32", "ATSP0", "ATSPA6", "ATTP6", "at sp 6", "atcaf1"})
        QTest::newRow(k) << QByteArray(k);
}

void TestElm327Sim::settingCommandsAnswerOk() {
    QFETCH(QByteArray, komenda);
    auto elm = Uruchom();
    elm->Komenda("ATE0");
    QCOMPARE(elm->Komenda(komenda), QByteArray("OK\r\r>"));
}

// The first ECU (0x10 or 7E8) answering 0100 on the car's own protocol, headers on and off.
void TestElm327Sim::headerStylesPerProtocol_data() {
    QTest::addColumn<QString>("protokol");
    QTest::addColumn<QByteArray>("zNaglowkiem");
    QTest::newRow("1 J1850 PWM") << "1" << QByteArray("41 6B 10 41 00 98 18 00 13 EE ");
    QTest::newRow("2 J1850 VPW") << "2" << QByteArray("48 6B 10 41 00 98 18 00 13 84 ");
    QTest::newRow("3 ISO 9141-2") << "3" << QByteArray("48 6B 10 41 00 98 18 00 13 C7 ");
    QTest::newRow("4 KWP slow") << "4" << QByteArray("86 F1 10 41 00 98 18 00 13 8B ");
    QTest::newRow("5 KWP fast") << "5" << QByteArray("86 F1 10 41 00 98 18 00 13 8B ");
    QTest::newRow("6 CAN 11/500") << "6" << QByteArray("7E8 06 41 00 98 18 00 13 ");
    QTest::newRow("7 CAN 29/500") << "7" << QByteArray("18 DA F1 10 06 41 00 98 18 00 13 ");
    QTest::newRow("8 CAN 11/250") << "8" << QByteArray("7E8 06 41 00 98 18 00 13 ");
    QTest::newRow("9 CAN 29/250") << "9" << QByteArray("18 DA F1 10 06 41 00 98 18 00 13 ");
}

void TestElm327Sim::headerStylesPerProtocol() {
    QFETCH(QString, protokol);
    QFETCH(QByteArray, zNaglowkiem);
    auto elm = Uruchom({"--protocol", protokol});
    elm->Przygotuj(protokol.toLatin1());
    QList<QByteArray> linie = elm->Linie("0100");
    if (!linie.isEmpty() && linie.front().startsWith("BUS INIT")) linie.removeFirst();
    QCOMPARE(linie.size(), 2);
    QCOMPARE(linie.front(), zNaglowkiem);
    elm->Komenda("ATH0");
    QCOMPARE(elm->Linie("0100"), (QList<QByteArray>{"41 00 98 18 00 13 ", "41 00 BF BF B9 93 "}));
    elm->Komenda("ATS0");
    QCOMPARE(elm->Linie("0100").front(), QByteArray("410098180013"));
}

// ISO 9141 and KWP end each message with the sum of its bytes, J1850 with its CRC-8.
void TestElm327Sim::checksumsOfKLineAndJ1850Answers_data() {
    QTest::addColumn<QString>("protokol");
    QTest::addColumn<bool>("crc");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("2") << "2" << true;
    QTest::newRow("3") << "3" << false;
    QTest::newRow("5") << "5" << false;
}

void TestElm327Sim::checksumsOfKLineAndJ1850Answers() {
    QFETCH(QString, protokol);
    QFETCH(bool, crc);
    auto elm = Uruchom({"--protocol", protokol, "--ecus", "3"});
    elm->Przygotuj(protokol.toLatin1());
    elm->Komenda("0100");
    const QList<QByteArray> linie = elm->Linie("07");
    QCOMPARE(linie.size(), 5); // one, three and one messages of the three ECUs
    for (const QByteArray& linia : linie) {
        const QByteArray b = Hex(linia);
        quint8 s = crc ? 0xFF : 0;
        for (int i = 0; i + 1 < b.size(); ++i) {
            const auto x = static_cast<quint8>(b.at(i));
            if (!crc) s = static_cast<quint8>(s + x);
            for (int bit = 7; crc && bit >= 0; --bit) {
                const bool gora = ((s >> 7) ^ (x >> bit)) & 1;
                s = static_cast<quint8>((s << 1) ^ (gora ? 0x1D : 0));
            }
        }
        QCOMPARE(static_cast<quint8>(b.back()), crc ? static_cast<quint8>(~s) : s);
    }
}

void TestElm327Sim::atdpnShowsAWhileSearchingIsAutomatic() {
    auto elm = Uruchom();
    elm->Komenda("ATE0");
    QCOMPARE(elm->Komenda("ATDPN"), QByteArray("A0\r\r>"));
    elm->Komenda("ATSP0");
    QCOMPARE(elm->Linie("0100").front(), QByteArray("SEARCHING..."));
    QCOMPARE(elm->Komenda("ATDPN"), QByteArray("A6\r\r>"));
    elm->Komenda("ATTP6");
    QCOMPARE(elm->Komenda("ATDPN"), QByteArray("A6\r\r>"));
    elm->Komenda("ATSP6");
    QCOMPARE(elm->Komenda("ATDPN"), QByteArray("6\r\r>"));
}

void TestElm327Sim::searchingComesBeforeTheFirstAnswerOnly() {
    auto elm = Uruchom();
    elm->Przygotuj("0");
    elm->Komenda("ATTP6");
    const QList<QByteArray> pierwsza = elm->Linie("0100");
    QCOMPARE(pierwsza.size(), 3);
    QCOMPARE(pierwsza[0], QByteArray("SEARCHING..."));
    QVERIFY(pierwsza[1].startsWith("7E8 06 41 00 "));
    QCOMPARE(elm->Linie("0100").size(), 2);
    elm->Komenda("ATTP6");
    QCOMPARE(elm->Linie("0100").front(), QByteArray("SEARCHING..."));
}

void TestElm327Sim::wrongProtocolIsUnableToConnect() {
    auto elm = Uruchom({"--protocol", "3"});
    elm->Przygotuj("0");
    elm->Komenda("ATTP6");
    QCOMPARE(elm->Linie("0100"), (QList<QByteArray>{"SEARCHING...", "UNABLE TO CONNECT"}));
    QCOMPARE(elm->Linie("0100"), (QList<QByteArray>{"SEARCHING...", "UNABLE TO CONNECT"}));
    elm->Komenda("ATTP3");
    QVERIFY(elm->Linie("0100").last().startsWith("48 6B 11 41 00 "));
}

void TestElm327Sim::kLineInitialisesOnFirstRequest() {
    auto elm = Uruchom({"--protocol", "4", "--ecus", "1"});
    elm->Komenda("ATE0");
    elm->Komenda("ATSP4");
    QCOMPARE(elm->Komenda("0100"), QByteArray("BUS INIT: ...OK\r41 00 BF BF B9 93 \r\r>"));
    QCOMPARE(elm->Komenda("0100"), QByteArray("41 00 BF BF B9 93 \r\r>"));
    elm->Komenda("ATSP5");
    QCOMPARE(elm->Komenda("0100"), QByteArray("BUS INIT: ...ERROR\r\r>"));
}

// The main ECU is the one with the fuel trims (PIDs 06 and 07); with two or three ECUs it
// answers second.
void TestElm327Sim::bitmapsPerEcuWithTrimsOnASecondEcu_data() {
    QTest::addColumn<QString>("ecu");
    QTest::addColumn<QList<QByteArray>>("naglowki");
    QTest::addColumn<int>("zKorektami");
    QTest::newRow("1") << "1" << QList<QByteArray>{"7E8"} << 0;
    QTest::newRow("2") << "2" << QList<QByteArray>{"7E8", "7E9"} << 1;
    QTest::newRow("3") << "3" << QList<QByteArray>{"7E8", "7E9", "7EA"} << 1;
}

void TestElm327Sim::bitmapsPerEcuWithTrimsOnASecondEcu() {
    QFETCH(QString, ecu);
    QFETCH(QList<QByteArray>, naglowki);
    QFETCH(int, zKorektami);
    auto elm = Uruchom({"--ecus", ecu});
    elm->Przygotuj("6");
    const QList<QByteArray> linie = elm->Linie("0100");
    QCOMPARE(linie.size(), naglowki.size());
    for (int i = 0; i < linie.size(); ++i) {
        const QByteArray w = Wiadomosc(linie, naglowki[i]);
        QCOMPARE(w.left(2), QByteArray("\x41\x00", 2));
        const std::set<int> pidy = Pidy(w.mid(2));
        QCOMPARE(pidy.count(0x06) == 1 && pidy.count(0x07) == 1, i == zKorektami);
        QVERIFY(pidy.count(0x01));
        // Every PID the bitmap offers answers.
        for (const int pid : {0x0C, 0x0D, 0x05})
            if (pidy.count(pid))
                QVERIFY(!Wiadomosc(
                             elm->Linie("01" + QByteArray::number(pid, 16).rightJustified(2, '0')),
                             naglowki[i])
                             .isEmpty());
    }
    const QByteArray glowny = naglowki[zKorektami];
    QVERIFY(Pidy(Wiadomosc(elm->Linie("0120"), glowny).mid(2)).count(0x20)); // 0x40 offered
    QVERIFY(Pidy(Wiadomosc(elm->Linie("0140"), glowny).mid(2)).count(0x20)); // 0x60 offered
    QCOMPARE(Wiadomosc(elm->Linie("0160"), glowny).size(), 6);
}

void TestElm327Sim::responseCountDigitStopsEarly() {
    auto elm = Uruchom({"--ecus", "3"});
    elm->Przygotuj("6");
    QCOMPARE(elm->Linie("0100").size(), 3);
    const QList<QByteArray> jedna = elm->Linie("01001");
    QCOMPARE(jedna.size(), 1);
    QVERIFY(jedna[0].startsWith("7E8 06 41 00 "));
}

void TestElm327Sim::unsupportedPidIsNoData() {
    auto elm = Uruchom();
    elm->Przygotuj("6");
    elm->Komenda("ATST19"); // 100 ms
    QElapsedTimer czas;
    czas.start();
    QCOMPARE(elm->Komenda("01FF"), QByteArray("NO DATA\r\r>"));
    QCOMPARE_GE(czas.elapsed(), 90);
    QCOMPARE(elm->Komenda("0902"),
             QByteArray("7E9 10 14 49 02 01 56 46 31 \r7E9 21 53 45 4C 56 41 52 30 \r"
                        "7E9 22 45 33 32 37 30 30 31 \r\r>"));
}

void TestElm327Sim::storedCodesNeedMultiFrameOnCan() {
    auto elm = Uruchom();
    elm->Przygotuj("6");
    const QList<QByteArray> linie = elm->Linie("03");
    QVERIFY(linie.contains("7E9 10 0A 43 04 03 00 01 71 "));
    QCOMPARE(Kody(Wiadomosc(linie, "7E9")), (QStringList{"P0300", "P0171", "P0420", "U0101"}));
    QCOMPARE(Kody(Wiadomosc(linie, "7E8")), (QStringList{"P0700", "U0100"}));
    elm->Komenda("ATH0");
    const QList<QByteArray> bez = elm->Linie("03");
    QVERIFY(bez.contains("00A"));
    QVERIFY(bez.contains("0: 43 04 03 00 01 71 "));
    QVERIFY(bez.contains("1: 04 20 C1 01 00 00 00 "));
}

void TestElm327Sim::pendingCodesTakeTwoConsecutiveFrames() {
    auto elm = Uruchom({"--protocol", "7"});
    elm->Przygotuj("7");
    const QList<QByteArray> linie = elm->Linie("07");
    QVERIFY(linie.contains("18 DA F1 10 02 47 00 "));
    QVERIFY(std::any_of(linie.begin(), linie.end(),
                        [](const QByteArray& l) { return l.startsWith("18 DA F1 11 22 "); }));
    QCOMPARE(Kody(Wiadomosc(linie, "18 DA F1 11")),
             (QStringList{"P0301", "P0302", "P0133", "P2097", "P0455", "P0128", "P0442"}));
    QCOMPARE(Kody(Wiadomosc(elm->Linie("0A"), "18 DA F1 11")),
             (QStringList{"P0420", "P0300", "P0171"}));
}

void TestElm327Sim::kLineCodesComeThreeToAMessage() {
    auto elm = Uruchom({"--protocol", "5", "--ecus", "1"});
    elm->Przygotuj("5");
    elm->Komenda("0100");
    const QList<QByteArray> linie = elm->Linie("03");
    QCOMPARE(linie.size(), 2);
    QVERIFY(linie[0].startsWith("87 F1 10 43 03 00 01 71 04 20 "));
    QVERIFY(linie[1].startsWith("87 F1 10 43 C1 01 00 00 00 00 "));
}

void TestElm327Sim::clearingEmptiesStoredAndPendingOnly() {
    auto elm = Uruchom({"--ecus", "1"});
    elm->Przygotuj("6");
    QVERIFY(elm->Linie("0101").front().startsWith("7E8 06 41 01 84 "));
    QCOMPARE(elm->Linie("04"), QList<QByteArray>{"7E8 01 44 00 00 00 00 00 00 "});
    QCOMPARE(elm->Linie("03"), QList<QByteArray>{"7E8 02 43 00 00 00 00 00 00 "});
    QCOMPARE(elm->Linie("07"), QList<QByteArray>{"7E8 02 47 00 00 00 00 00 00 "});
    QVERIFY(elm->Linie("0101").front().startsWith("7E8 06 41 01 00 "));
    QCOMPARE(Kody(Wiadomosc(elm->Linie("0A"), "7E8")), (QStringList{"P0420", "P0300", "P0171"}));
}

void TestElm327Sim::valuesChangeOverTime() {
    auto elm = Uruchom({"--ecus", "1"});
    elm->Przygotuj("6");
    auto czasPracy = [&] {
        const QByteArray w = Wiadomosc(elm->Linie("011F"), "7E8");
        return w.size() == 4 ? static_cast<quint8>(w.at(2)) * 256 + static_cast<quint8>(w.at(3))
                             : -1;
    };
    const int przed = czasPracy();
    QTRY_VERIFY_WITH_TIMEOUT(czasPracy() > przed, 10000);
    std::map<int, int> obroty;
    for (int i = 0; i < 5; ++i) {
        const QByteArray w = Wiadomosc(elm->Linie("010C"), "7E8");
        QCOMPARE(w.size(), 4);
        const int rpm = (static_cast<quint8>(w.at(2)) * 256 + static_cast<quint8>(w.at(3))) / 4;
        QVERIFY2(rpm > 500 && rpm < 4000, qPrintable(QString::number(rpm)));
        ++obroty[rpm];
    }
    QCOMPARE_GT(obroty.size(), std::size_t{1});
}

void TestElm327Sim::lineSurvivesCloseAndReopen() {
    auto elm = Uruchom();
    elm->Komenda("ATE0");
    elm->Zamknij();
    elm->Otworz();
    QCOMPARE(elm->Komenda("ATI"), QByteArray("ELM327 v1.5\r\r>"));
}

void TestElm327Sim::slowDelaysEveryAnswerAfterTheEcho() {
    auto elm = Uruchom({"--slow", "300"});
    QElapsedTimer czas;
    czas.start();
    elm->Pisz("ATI\r");
    QCOMPARE(elm->Czytaj(5000, '\r'), QByteArray("ATI\r"));
    QCOMPARE(elm->Czytaj(5000, '>'), QByteArray("ELM327 v1.5\r\r>"));
    QCOMPARE_GE(czas.elapsed(), 300);
}

void TestElm327Sim::silentAfterStopsAnswering() {
    // Seconds of margin for a loaded machine to ask before the silence begins.
    auto elm = Uruchom({"--silent-after", "2"});
    QCOMPARE(elm->Komenda("ATI"), QByteArray("ATI\rELM327 v1.5\r\r>"));
    QTRY_VERIFY_WITH_TIMEOUT(elm->Komenda("ATI", 500).isEmpty(), 10000);
    QVERIFY(!elm->Proces().Zakonczony());
}

void TestElm327Sim::closeAfterHangsUpAndExits() {
    auto elm = Uruchom({"--close-after", "2"});
    QCOMPARE(elm->Komenda("ATI"), QByteArray("ATI\rELM327 v1.5\r\r>"));
    QVERIFY(elm->Proces().ZakonczylSie(10000));
    QVERIFY(elm->Rozlaczony(500));
}

void TestElm327Sim::logHasOneJsonLinePerCommand() {
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("elm.jsonl");
    {
        auto elm = Uruchom({"--log", plik});
        elm->Komenda("ATI");
        elm->Komenda("at e0");
    }
    QFile f(plik);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> linie = f.readAll().split('\n');
    QCOMPARE(linie.size(), 3);
    const QJsonObject pierwsza = QJsonDocument::fromJson(linie[0]).object();
    QCOMPARE(pierwsza.value("rx").toString(), QString("ATI"));
    QCOMPARE(pierwsza.value("tx").toString(), QString("ELM327 v1.5\r\r>"));
    QVERIFY(pierwsza.value("t").isDouble());
    QCOMPARE(QJsonDocument::fromJson(linie[1]).object().value("rx").toString(), QString("at e0"));
}

// Line feeds from power-on and a space after a line's last byte are each adapter's own, the
// order of the ECUs' answers each request's; an option fixes each.
void TestElm327Sim::freedomsVaryBySeedUnlessFixed() {
    QSet<QByteArray> banner, pierwszeEcu;
    QSet<bool> spacjaNaKoncu;
    for (int ziarno = 1; ziarno <= 8; ++ziarno) {
        TElm elm({"--seed", QString::number(ziarno)}, true);
        QVERIFY(elm.Gotowy());
        banner << elm.Komenda("ATZ", 5000);
        elm.Komenda("ATE0");
        // ATL0 leaves CR alone, whatever the power-on state.
        QCOMPARE(elm.Komenda("ATL0"), QByteArray("OK\r\r>"));
        elm.Komenda("ATH1");
        for (int i = 0; i < 4; ++i) {
            QList<QByteArray> linie = elm.Linie("0100");
            if (!linie.isEmpty() && linie.front().startsWith("SEARCHING")) linie.removeFirst();
            QVERIFY(linie.size() >= 2);
            spacjaNaKoncu << linie.front().endsWith(' ');
            pierwszeEcu << linie.front().left(3);
        }
    }
    QCOMPARE(banner,
             (QSet<QByteArray>{"ATZ\r\r\rELM327 v1.5\r\r>", "ATZ\r\r\n\r\nELM327 v1.5\r\n\r\n>"}));
    QCOMPARE(spacjaNaKoncu.size(), 2);
    QCOMPARE(pierwszeEcu, (QSet<QByteArray>{"7E8", "7E9"}));

    TElm staly({"--ecu-order", "fixed", "--trailing-space", "off", "--latency", "40", "--linefeeds",
                "off"},
               true);
    QVERIFY(staly.Gotowy());
    staly.Komenda("ATE0");
    staly.Komenda("ATH1");
    for (int i = 0; i < 4; ++i) {
        QElapsedTimer czas;
        czas.start();
        QList<QByteArray> linie = staly.Linie("0100");
        QCOMPARE_GE(czas.elapsed(), 40);
        if (!linie.isEmpty() && linie.front().startsWith("SEARCHING")) linie.removeFirst();
        QVERIFY(linie.size() >= 2);
        QVERIFY(linie.front().startsWith("7E8 ") && !linie.front().endsWith(' '));
    }
}

QTEST_GUILESS_MAIN(TestElm327Sim)
#include "tst_elm327sim.moc"

void TestElm327Sim::interleaveSplitsFirstAndConsecutiveFrames() {
    auto elm = Uruchom({"--ecus", "3", "--interleave"});
    elm->Przygotuj("6");
    const QList<QByteArray> linie = elm->Linie("03");
    QCOMPARE(linie.size(), 4);
    QVERIFY(linie[1].startsWith("7E9 10 "));
    QVERIFY(!linie[2].startsWith("7E9 ")); // another ECU's frame in between
    QVERIFY(linie[3].startsWith("7E9 21 "));
    QCOMPARE(Kody(Wiadomosc(linie, "7E9")), (QStringList{"P0300", "P0171", "P0420", "U0101"}));
}

void TestElm327Sim::crlfStaysAfterAtl0() {
    auto elm = Uruchom({"--crlf"});
    QCOMPARE(elm->Komenda("ATE0"), QByteArray("ATE0\rOK\r\n\r\n>")); // the echo as sent
    QCOMPARE(elm->Komenda("ATL0"), QByteArray("OK\r\n\r\n>"));
    QCOMPARE(elm->Komenda("ATZ"), QByteArray("\r\n\r\nELM327 v1.5\r\n\r\n>"));
}

void TestElm327Sim::refusedClearing_data() {
    QTest::addColumn<QString>("jak");
    QTest::addColumn<QList<QByteArray>>("linie");
    QTest::newRow("negative") << QStringLiteral("negative")
                              << QList<QByteArray>{"7E8 03 7F 04 22 00 00 00 00 "};
    QTest::newRow("nodata") << QStringLiteral("nodata") << QList<QByteArray>{"NO DATA"};
}
void TestElm327Sim::refusedClearing() {
    QFETCH(QString, jak);
    QFETCH(QList<QByteArray>, linie);
    auto elm = Uruchom({"--ecus", "1", "--refuse-clear", jak});
    elm->Przygotuj("6");
    QCOMPARE(elm->Linie("04"), linie);
    QCOMPARE(Kody(Wiadomosc(elm->Linie("03"), "7E8")),
             (QStringList{"P0300", "P0171", "P0420", "U0101"}));
}

void TestElm327Sim::ignitionOffAnswersAfterTheReaderGaveUp() {
    auto elm = Uruchom({"--ignition-off"});
    elm->Przygotuj("6");
    QCOMPARE(elm->Linie("ATRV").size(), 1); // the adapter itself answers at once
    QElapsedTimer czas;
    czas.start();
    QCOMPARE(elm->Komenda("0100", 8000), QByteArray("NO DATA\r\r>"));
    QCOMPARE_GE(czas.elapsed(), 4000);
}
