// The controller simulator as the application sees it: frames on its pseudo-terminal.
#include "SymulatorTestowy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

using RamkaTestu::Bajt;
using RamkaTestu::SumaZgodna;
using RamkaTestu::U16;

namespace {

// A simulator and the application's end of its line.
struct TStanowisko {
    explicit TStanowisko(const QStringList& argumenty) : sym(argumenty), port(sym.Sciezka()) {}
    bool Gotowe() const { return !sym.Sciezka().isEmpty() && port.Otwarty(); }
    TSymulatorTestowy sym;
    TPortTestowy port;
};

// Live polls every 50 ms until a frame satisfies the condition or the time runs out.
template <typename Warunek>
std::optional<QByteArray> CzekajNaBiezaca(TPortTestowy& port, int ms, Warunek warunek,
                                          quint8 kod = 0x90) {
    QElapsedTimer czas;
    czas.start();
    while (czas.elapsed() < ms) {
        const auto r = port.Zapytaj('e', kod, TPortTestowy::ZNonce(), 500);
        if (r && warunek(*r)) return r;
        QThread::msleep(50);
    }
    return std::nullopt;
}

// Gas seconds of an identity frame: whole hours and the seconds within the hour.
unsigned SekundyGazu(const QByteArray& ident) {
    return 3600 * U16(ident, 76) + U16(ident, 74);
}

QByteArray Blok256(quint8 ziarno) {
    QByteArray b(256, '\0');
    for (int i = 0; i < 256; ++i)
        b[i] = static_cast<char>((i * 37 + ziarno * 11 + 5) & 0xFF);
    return b;
}

QList<QJsonObject> LinieDziennika(const QString& sciezka) {
    QFile plik(sciezka);
    QList<QJsonObject> linie;
    if (!plik.open(QIODevice::ReadOnly)) return linie;
    for (const QByteArray& linia : plik.readAll().split('\n'))
        if (!linia.isEmpty()) linie.append(QJsonDocument::fromJson(linia).object());
    return linie;
}

} // namespace

class TestSelvarSim : public QObject {
    Q_OBJECT

private slots:
    void identityWorkedExampleGetsLayout_data();
    void identityWorkedExampleGetsLayout();
    void operatingTimeOnGasAdvancesWhileDriving();
    void errorListCarriesActiveBitsAndCounters();
    void eraseErrorsClearsCountersAndStandingFaultReturns();
    void oneShotCommandsAreAcknowledged_data();
    void oneShotCommandsAreAcknowledged();
    void blockWriteThenReadReturnsSameBytes_data();
    void blockWriteThenReadReturnsSameBytes();
    void writeOfWrongLengthIsNotAcknowledged();
    void settingsBlocksHaveValidChecksums();
    void factoryCommandKeepsWrittenBlocksAndForgetsAdaptation();
    void liveFrameHasLayoutAndPlausibleValues_data();
    void liveFrameHasLayoutAndPlausibleValues();
    void warmEngineSwitchesToGasWithEvent();
    void fuelChangeCommandGoesToPetrolAndBack();
    void injectorMaskSwitchesGasTimesOff();
    void gasTimesFollowMultiplierAndCorrections();
    void announcedMapCellsAreInTheMapBlocks();
    void obdModuleAnswersItsRequests();
    void withoutObdModuleItsRequestsGoUnanswered();
    void obdStateFrameReflectsHandedValues();
    void logRecordsEveryRequest();
    void dropAllAnswersNothing();
    void corruptedRepliesAlwaysFailTheChecksum();
    void unseenCorruptionPassesTheChecksumWithWrongData();
    void splitRepliesStillArriveWhole();
    void silentForTheFirstSeconds();
    void receiverResynchronises_data();
    void receiverResynchronises();
    void bootloaderTakesTheImage();
    void closeAfterHangsUpAndOpensNewLine();
    void linkNeverReplacesAFile();
    void freeReplyBytesVaryUnlessFixed_data();
    void freeReplyBytesVaryUnlessFixed();
    void repliesWaitTheLatencyGiven();
    void framesOfItsOwnComeBetweenRepliesAndAreLogged();
    void countersStandStillWhenFixed();
};

void TestSelvarSim::identityWorkedExampleGetsLayout_data() {
    QTest::addColumn<QStringList>("argumenty");
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("plytka");
    QTest::addColumn<int>("kanaly");
    QTest::addColumn<QByteArray>("wersja");
    QTest::addColumn<QByteArray>("daty"); // production date at 46..48, firmware date at 62..64
    QTest::addColumn<QByteArray>("kod");
    QTest::newRow("defaults") << QStringList{} << 2 << 3 << 4 << QByteArray("\x01\x04\x17", 3)
                              << QByteArray("\x16\x0B\x03\x17\x06\x0E", 6)
                              << QByteArray("5901234000123456");
    QTest::newRow("lite, board 2, 6 channels")
        << QStringList{"--model",         "lite",       "--board",           "2",
                       "--channels",      "6",          "--firmware",        "2.0.31",
                       "--firmware-date", "2024-02-29", "--production-date", "2021-12-01",
                       "--barcode",       "ABC"}
        << 1 << 2 << 6 << QByteArray("\x02\x00\x1F", 3) << QByteArray("\x15\x0C\x01\x18\x02\x1D", 6)
        << QByteArray("ABC\0\0\0\0\0\0\0\0\0\0\0\0\0", 16);
    QTest::newRow("8 channels") << QStringList{"--channels", "8"} << 2 << 3 << 8
                                << QByteArray("\x01\x04\x17", 3)
                                << QByteArray("\x16\x0B\x03\x17\x06\x0E", 6)
                                << QByteArray("5901234000123456");
}

void TestSelvarSim::identityWorkedExampleGetsLayout() {
    QFETCH(QStringList, argumenty);
    QFETCH(int, model);
    QFETCH(int, plytka);
    QFETCH(int, kanaly);
    QFETCH(QByteArray, wersja);
    QFETCH(QByteArray, daty);
    QFETCH(QByteArray, kod);
    TStanowisko s(argumenty << "--no-ignition"
                            << "--frames-after-live");
    QVERIFY(s.Gotowe());
    // The worked example: a request without payload, checksum 0x1A.
    s.port.Wyslij(QByteArray("\x65\x1A\x00\x81", 4));
    const auto r = s.port.Ramka(1000);
    QVERIFY(r);
    QCOMPARE(r->size(), 80);
    QVERIFY(SumaZgodna(*r));
    QCOMPARE(r->at(0), 'V');
    QCOMPARE(Bajt(*r, 2), 38);
    QCOMPARE(Bajt(*r, 3), 0x81);
    QCOMPARE(Bajt(*r, 5), 0); // the application runs
    QCOMPARE(r->mid(6, 16), kod);
    QCOMPARE(Bajt(*r, 38), model);
    QCOMPARE(Bajt(*r, 42), plytka);
    QCOMPARE(Bajt(*r, 43), kanaly);
    QCOMPARE(r->mid(58, 3), wersja);
    QCOMPARE(r->mid(46, 3), daty.left(3));
    QCOMPARE(r->mid(62, 3), daty.mid(3));
    QCOMPARE(r->mid(66, 4), QByteArray(4, '\x80'));
    QCOMPARE(U16(*r, 72), 312u);  // petrol hours
    QCOMPARE(U16(*r, 76), 1874u); // gas hours
    QVERIFY(U16(*r, 70) < 3600 && U16(*r, 74) < 3600);
}

void TestSelvarSim::operatingTimeOnGasAdvancesWhileDriving() {
    TStanowisko s({"--warm", "--speed", "50", "--ignition-at", "0"});
    QVERIFY(s.Gotowe());
    QVERIFY(CzekajNaBiezaca(s.port, 10000, [](const QByteArray& f) { return Bajt(f, 10) == 6; }));
    // 50 model seconds pass per real second, all of them on gas: read until a real second's
    // worth has passed, timing the readings from this side.
    QElapsedTimer czas;
    czas.start();
    const auto przed = s.port.Zapytaj('e', 0x81);
    QVERIFY(przed);
    const qint64 poPierwszej = czas.elapsed();
    std::optional<QByteArray> po;
    qint64 przedOstatnia = 0;
    do {
        QThread::msleep(50);
        przedOstatnia = czas.elapsed();
        po = s.port.Zapytaj('e', 0x81);
    } while (po && SekundyGazu(*po) < SekundyGazu(*przed) + 50 && czas.elapsed() < 10000);
    const qint64 poOstatniej = czas.elapsed();
    QVERIFY(po);
    // Each reading was taken within its measured window; a second of rounding on each side.
    const qint64 przyrost = qint64(SekundyGazu(*po)) - SekundyGazu(*przed);
    QCOMPARE_GE(przyrost, 50 * (przedOstatnia - poPierwszej) / 1000 - 2);
    QCOMPARE_LE(przyrost, 50 * poOstatniej / 1000 + 2);
    QCOMPARE(U16(*po, 72), U16(*przed, 72)); // no petrol hour passed
}

void TestSelvarSim::errorListCarriesActiveBitsAndCounters() {
    TStanowisko s({"--no-ignition", "--error", "10.2", "--error", "6.0"});
    QVERIFY(s.Gotowe());
    const auto r = s.port.Zapytaj('e', 0x82);
    QVERIFY(r);
    QCOMPARE(r->size(), 70);
    QVERIFY(SumaZgodna(*r));
    QCOMPARE(Bajt(*r, 6), 0x01);  // sensor voltage error 1
    QCOMPARE(Bajt(*r, 10), 0x04); // gas injector 3 missing
    QCOMPARE(Bajt(*r, 7) | Bajt(*r, 8) | Bajt(*r, 9) | Bajt(*r, 11) | Bajt(*r, 12), 0);
    QCOMPARE(Bajt(*r, 13), 1);     // counter of 6.0
    QCOMPARE(Bajt(*r, 45 + 2), 3); // two stored before, one now
    QCOMPARE(Bajt(*r, 21), 1);     // an old low-voltage occurrence
    // The live frame tells that there are active and stored errors.
    const auto f = s.port.Zapytaj('e', 0x90, TPortTestowy::ZNonce());
    QVERIFY(f);
    QCOMPARE(Bajt(*f, 11) & 0x18, 0x18);
}

void TestSelvarSim::eraseErrorsClearsCountersAndStandingFaultReturns() {
    TStanowisko s({"--no-ignition", "--error", "11.1"});
    QVERIFY(s.Gotowe());
    QVERIFY(s.port.Zapytaj('e', 0x83));
    // The standing fault is found again a moment after the erase.
    std::optional<QByteArray> r;
    QTRY_VERIFY_WITH_TIMEOUT((r = s.port.Zapytaj('e', 0x82)) && Bajt(*r, 11) == 0x02, 10000);
    QCOMPARE(Bajt(*r, 53 + 1), 1);
    QCOMPARE(Bajt(*r, 21), 0);
    QCOMPARE(Bajt(*r, 47), 0);
}

void TestSelvarSim::oneShotCommandsAreAcknowledged_data() {
    QTest::addColumn<int>("kod");
    QTest::addColumn<QByteArray>("dane");
    QTest::newRow("0x83 erase errors") << 0x83 << QByteArray();
    QTest::newRow("0x84 fuel change") << 0x84 << QByteArray();
    QTest::newRow("0x85 fast fuel change") << 0x85 << QByteArray();
    QTest::newRow("0x86 injector mask") << 0x86 << QByteArray("\x0F", 1);
    QTest::newRow("0x87 speaker test") << 0x87 << QByteArray();
    QTest::newRow("0x88 leak test") << 0x88 << QByteArray();
    QTest::newRow("0x89 factory settings") << 0x89 << QByteArray();
}

void TestSelvarSim::oneShotCommandsAreAcknowledged() {
    QFETCH(int, kod);
    QFETCH(QByteArray, dane);
    // Bytes 4 and 5 fixed, so that the acknowledgement is known to the byte.
    TStanowisko s({"--no-ignition", "--reply-byte4", "nonce", "--reply-status", "0"});
    QVERIFY(s.Gotowe());
    const auto r = s.port.Zapytaj('e', static_cast<quint8>(kod), TPortTestowy::ZNonce(dane, 0xC3));
    QVERIFY(r);
    QVERIFY(SumaZgodna(*r));
    QCOMPARE(r->size(), 6);
    QCOMPARE(Bajt(*r, 4), 0xC3); // the request's nonce comes back
    QCOMPARE(Bajt(*r, 5), 0);
}

void TestSelvarSim::blockWriteThenReadReturnsSameBytes_data() {
    QTest::addColumn<char>("start");
    QTest::addColumn<int>("odczyt");
    QTest::addColumn<int>("zapis");
    QTest::addColumn<int>("rozmiar");
    QTest::addColumn<QString>("plik");
    const struct {
        const char* nazwa;
        int odczyt, zapis;
    } bloki[] = {
        {"Nastawy", 0xE8, 0xF8},     {"Mnoznik1", 0xE9, 0xF9},      {"Mnoznik2", 0xEA, 0xFA},
        {"KorOdObr1", 0xEB, 0xFB},   {"KorOdObr2", 0xEC, 0xFC},     {"Historia", 0xA7, 0xC7},
        {"KorOdCis", 0xA8, 0xC8},    {"KorOdTempRed", 0xA9, 0xC9},  {"KorOdTempGazu", 0xAA, 0xCA},
        {"EmulatorCis", 0xAB, 0xCB}, {"OpoznienieWtr", 0xAC, 0xCC}, {"Wzbogacenie", 0xAD, 0xCD},
        {"MapaEcuBen", 0xE0, 0xF0},  {"MapaEcuGaz", 0xE1, 0xF1},    {"MapaObdBen1", 0xE2, 0xF2},
        {"MapaObdGaz1", 0xE3, 0xF3}, {"MapaObdBen2", 0xE4, 0xF4},   {"MapaObdGaz2", 0xE5, 0xF5}};
    for (const auto& b : bloki)
        QTest::newRow(b.nazwa) << 'e' << b.odczyt << b.zapis << 256 << QString(b.nazwa);
    QTest::newRow("NastawyObd") << 'c' << 0x72 << 0x73 << 48 << QString("NastawyObd");
}

void TestSelvarSim::blockWriteThenReadReturnsSameBytes() {
    QFETCH(char, start);
    QFETCH(int, odczyt);
    QFETCH(int, zapis);
    QFETCH(int, rozmiar);
    QFETCH(QString, plik);
    QTemporaryDir katalog;
    TStanowisko s({"--no-ignition", "--blocks-dir", katalog.path()});
    QVERIFY(s.Gotowe());
    const auto przed = s.port.Zapytaj(start, static_cast<quint8>(odczyt));
    QVERIFY(przed);
    QCOMPARE(przed->size(), 6 + rozmiar);
    const QByteArray nowy = RamkaTestu::ZSuma(Blok256(static_cast<quint8>(zapis)).left(rozmiar));
    QVERIFY(przed->mid(6) != nowy);
    const auto potwierdzenie =
        s.port.Zapytaj(start, static_cast<quint8>(zapis), TPortTestowy::ZNonce(nowy));
    QVERIFY(potwierdzenie);
    QCOMPARE(potwierdzenie->size(), 6);
    const auto po = s.port.Zapytaj(start, static_cast<quint8>(odczyt));
    QVERIFY(po);
    QVERIFY(SumaZgodna(*po));
    QCOMPARE(po->mid(6), nowy);
    QFile kopia(QDir(katalog.path()).filePath(plik + ".bin"));
    QVERIFY(kopia.open(QIODevice::ReadOnly));
    QCOMPARE(kopia.readAll(), nowy);
}

void TestSelvarSim::writeOfWrongLengthIsNotAcknowledged() {
    TStanowisko s({"--no-ignition"});
    QVERIFY(s.Gotowe());
    const auto przed = s.port.Zapytaj('e', 0xE8);
    QVERIFY(przed);
    QVERIFY(!s.port.Zapytaj('e', 0xF8, TPortTestowy::ZNonce(QByteArray(100, '\x11')), 300));
    const auto po = s.port.Zapytaj('e', 0xE8);
    QVERIFY(po);
    QCOMPARE(po->mid(6), przed->mid(6));
}

void TestSelvarSim::settingsBlocksHaveValidChecksums() {
    TStanowisko s({"--no-ignition", "--gas-hours", "1000"});
    QVERIFY(s.Gotowe());
    const auto n = s.port.Zapytaj('e', 0xE8);
    QVERIFY(n);
    const QByteArray nastawy = n->mid(6);
    QCOMPARE(nastawy.size(), 256);
    QVERIFY(SumaZgodna(nastawy));
    QCOMPARE(Bajt(nastawy, 3), 50);
    QCOMPARE(nastawy.mid(32, 8), QByteArray("\x01\x02\x04\x08\x10\x20\x40\x80", 8));
    QCOMPARE(Bajt(nastawy, 51), 168); // switch to gas above 40 degrees C
    QCOMPARE(Bajt(nastawy, 240), 12);
    QCOMPARE(Bajt(nastawy, 100), 1); // service reminder due 44 gas hours on
    QCOMPARE(U16(nastawy, 101), 1044u);
    const auto o = s.port.Zapytaj('c', 0x72);
    QVERIFY(o);
    QCOMPARE(o->size(), 54);
    QVERIFY(SumaZgodna(o->mid(6)));
}

// The tool writes what it wants before 0x89; the controller forgets what it learned.
void TestSelvarSim::factoryCommandKeepsWrittenBlocksAndForgetsAdaptation() {
    TStanowisko s({"--no-ignition"});
    QVERIFY(s.Gotowe());
    QVERIFY(s.port.Zapytaj('e', 0xF9, TPortTestowy::ZNonce(QByteArray(256, '\x77'))));
    QVERIFY(s.port.Zapytaj('e', 0x89));
    const auto m = s.port.Zapytaj('e', 0xE9);
    QVERIFY(m);
    QCOMPARE(m->mid(6), QByteArray(256, '\x77'));
    const auto n = s.port.Zapytaj('e', 0xE8);
    QVERIFY(n);
    QVERIFY(SumaZgodna(n->mid(6)));
    const auto id = s.port.Zapytaj('e', 0x81);
    QVERIFY(id);
    QCOMPARE(id->mid(66, 4), QByteArray(4, '\x80'));
}

void TestSelvarSim::liveFrameHasLayoutAndPlausibleValues_data() {
    QTest::addColumn<QStringList>("argumenty");
    QTest::addColumn<int>("kanaly");
    QTest::addColumn<int>("kod");
    QTest::newRow("4 channels") << QStringList{} << 4 << 0x90;
    QTest::newRow("6 channels, calibration flag") << QStringList{"--channels", "6"} << 6 << 0x91;
    QTest::newRow("8 channels, board 2, level flag")
        << QStringList{"--channels", "8", "--board", "2"} << 8 << 0x92;
}

void TestSelvarSim::liveFrameHasLayoutAndPlausibleValues() {
    QFETCH(QStringList, argumenty);
    QFETCH(int, kanaly);
    QFETCH(int, kod);
    argumenty << "--ignition-at"
              << "0"
              << "--speed"
              << "10";
    TStanowisko s(argumenty);
    QVERIFY(s.Gotowe());
    const auto f = CzekajNaBiezaca(
        s.port, 10000,
        [](const QByteArray& r) { return (Bajt(r, 11) & 0x03) == 0x03 && U16(r, 17) > 50; },
        static_cast<quint8>(kod));
    QVERIFY(f);
    QCOMPARE(f->size(), 92);
    QVERIFY(SumaZgodna(*f));
    QCOMPARE(Bajt(*f, 3), kod);
    QVERIFY(U16(*f, 17) * 10 < 8000);
    QVERIFY(Bajt(*f, 15) < 16 && Bajt(*f, 16) < 16);
    QVERIFY(U16(*f, 44) >= 10 && U16(*f, 44) <= 105); // manifold 0.10..1.05 bar
    QVERIFY(U16(*f, 52) * 0.005 > 13.0 && U16(*f, 52) * 0.005 < 15.0);
    QVERIFY(Bajt(*f, 40) >= 128 && Bajt(*f, 40) < 128 + 100);
    QCOMPARE(Bajt(*f, 22), 0xFF);
    QVERIFY(U16(*f, 54) > 273 && U16(*f, 54) < 273 + 100); // controller temperature in kelvin
    for (int k = 0; k < 8; ++k) {
        const double benzyna = U16(*f, 60 + 4 * k) * 0.004;
        if (k < kanaly)
            QVERIFY2(benzyna > 0.5 && benzyna < 15, qPrintable(QString::number(benzyna)));
        else
            QCOMPARE(U16(*f, 60 + 4 * k), 0u);
        QCOMPARE(U16(*f, 62 + 4 * k), 0u); // still on petrol: no gas
    }
    QVERIFY(Bajt(*f, 13) & 0x03); // the reserve lamp is lit in one colour
}

void TestSelvarSim::warmEngineSwitchesToGasWithEvent() {
    TStanowisko s({"--warm", "--speed", "40", "--ignition-at", "0"});
    QVERIFY(s.Gotowe());
    bool czekanie = false, zdarzenie = false, przelaczanie = false;
    const auto gaz = CzekajNaBiezaca(s.port, 10000, [&](const QByteArray& f) {
        czekanie |= Bajt(f, 10) == 2;
        przelaczanie |= Bajt(f, 10) == 4;
        zdarzenie |= Bajt(f, 6) == 0xF0 && Bajt(f, 7) == 3;
        return Bajt(f, 10) == 6;
    });
    QVERIFY(gaz);
    QVERIFY(czekanie);
    QVERIFY(przelaczanie);
    // The switch event may come with the first gas frame or just after it.
    zdarzenie = zdarzenie || CzekajNaBiezaca(s.port, 5000, [](const QByteArray& f) {
                                 return Bajt(f, 6) == 0xF0 && Bajt(f, 7) == 3;
                             }).has_value();
    QVERIFY(zdarzenie);
    QCOMPARE(Bajt(*gaz, 14), 0x02); // MODE lamp green
    QCOMPARE(Bajt(*gaz, 12), 0x0F); // all four channels on gas
    QVERIFY(U16(*gaz, 48) >= 90);   // gas pressure about 1.1 bar
    QVERIFY(U16(*gaz, 46) > U16(*gaz, 48));
}

void TestSelvarSim::fuelChangeCommandGoesToPetrolAndBack() {
    TStanowisko s({"--warm", "--speed", "40", "--ignition-at", "0"});
    QVERIFY(s.Gotowe());
    QVERIFY(CzekajNaBiezaca(s.port, 10000, [](const QByteArray& f) { return Bajt(f, 10) == 6; }));
    QVERIFY(s.port.Zapytaj('e', 0x84));
    QVERIFY(CzekajNaBiezaca(
        s.port, 10000, [](const QByteArray& f) { return Bajt(f, 6) == 0xF0 && Bajt(f, 7) == 1; }));
    const auto benzyna = s.port.Zapytaj('e', 0x90, TPortTestowy::ZNonce());
    QVERIFY(benzyna);
    QCOMPARE(Bajt(*benzyna, 10), 0);
    QCOMPARE(U16(*benzyna, 62), 0u);
    // The fast change back skips the delays: gas again within a few frames (counted, not
    // timed, so that a slow machine cannot fail it).
    QVERIFY(s.port.Zapytaj('e', 0x85));
    int ramki = 0;
    QVERIFY(CzekajNaBiezaca(s.port, 10000, [&](const QByteArray& f) {
        return ++ramki > 30 || (Bajt(f, 6) == 0xF0 && Bajt(f, 7) == 2);
    }));
    QCOMPARE_LE(ramki, 30);
}

void TestSelvarSim::injectorMaskSwitchesGasTimesOff() {
    TStanowisko s({"--warm", "--speed", "40", "--ignition-at", "0"});
    QVERIFY(s.Gotowe());
    QVERIFY(CzekajNaBiezaca(s.port, 10000, [](const QByteArray& f) { return Bajt(f, 10) == 6; }));
    QVERIFY(s.port.Zapytaj('e', 0x86, TPortTestowy::ZNonce(QByteArray("\x05", 1))));
    const auto f =
        CzekajNaBiezaca(s.port, 10000, [](const QByteArray& r) { return U16(r, 60) > 0; });
    QVERIFY(f);
    QCOMPARE(Bajt(*f, 22), 0x05);
    QVERIFY(U16(*f, 62) > 0 && U16(*f, 70) > 0); // gas injectors 1 and 3
    QCOMPARE(U16(*f, 66), 0u);                   // 2 and 4 off
    QCOMPARE(U16(*f, 74), 0u);
    QVERIFY(U16(*f, 64) > 0 && U16(*f, 72) > 0); // their petrol times stay measured
}

void TestSelvarSim::gasTimesFollowMultiplierAndCorrections() {
    TStanowisko s(
        {"--warm", "--speed", "40", "--ignition-at", "0", "--board", "2", "--no-learning"});
    QVERIFY(s.Gotowe());
    // An RPM correction that differs in every cell, so that the cell used shows.
    QByteArray korekta(256, '\0');
    for (int i = 0; i < 256; ++i)
        korekta[i] = static_cast<char>(85 + (i * 7) % 31);
    QVERIFY(s.port.Zapytaj('e', 0xFB, TPortTestowy::ZNonce(korekta)));
    const auto n = s.port.Zapytaj('e', 0xE8);
    const auto m = s.port.Zapytaj('e', 0xE9);
    QVERIFY(n && m);
    const QByteArray nastawy = n->mid(6), mnoznik = m->mid(6);
    QVERIFY(CzekajNaBiezaca(s.port, 10000, [](const QByteArray& f) { return Bajt(f, 10) == 6; }));
    int sprawdzone = 0;
    for (int proba = 0; proba < 40 && sprawdzone < 10; ++proba) {
        const auto f = s.port.Zapytaj('e', 0x90, TPortTestowy::ZNonce());
        QVERIFY(f);
        if (Bajt(*f, 10) != 6 || U16(*f, 60) == 0) continue;
        const int komorka = 16 * Bajt(*f, 15) + Bajt(*f, 16);
        for (int c = 0; c < 4; ++c) {
            const double p = U16(*f, 60 + 4 * c) * 0.004;
            const int pozycja = qMin(255, qRound(p * 10));
            const double oczekiwany =
                p * Bajt(mnoznik, pozycja) / 100.0 * Bajt(korekta, komorka) / 100.0 +
                (Bajt(nastawy, 216 + c) - 128) * 0.025 + (Bajt(nastawy, 90) - 128) * 0.02;
            const double gaz = U16(*f, 62 + 4 * c) * 0.004;
            // Allows for the 0.004 ms steps and a neighbouring curve position.
            QVERIFY2(qAbs(gaz - oczekiwany) < 0.006 * oczekiwany + 0.008,
                     qPrintable(QString("channel %1: p %2 gas %3 expected %4")
                                    .arg(c + 1)
                                    .arg(p)
                                    .arg(gaz)
                                    .arg(oczekiwany)));
        }
        ++sprawdzone;
        QThread::msleep(30);
    }
    QCOMPARE(sprawdzone, 10);
}

void TestSelvarSim::announcedMapCellsAreInTheMapBlocks() {
    TStanowisko s({"--warm", "--speed", "40", "--ignition-at", "0"});
    QVERIFY(s.Gotowe());
    const auto pusta = s.port.Zapytaj('e', 0xE0);
    QVERIFY(pusta);
    QCOMPARE(pusta->mid(6), QByteArray(256, '\0'));
    QList<QPair<int, int>> ogloszone; // (map selector, cell)
    CzekajNaBiezaca(s.port, 10000, [&](const QByteArray& f) {
        if (Bajt(f, 6) == 0 && Bajt(f, 9) != 0) ogloszone.append({Bajt(f, 7), Bajt(f, 8)});
        return ogloszone.size() > 5 && std::any_of(ogloszone.begin(), ogloszone.end(),
                                                   [](auto& o) { return o.first == 3; });
    });
    QVERIFY(ogloszone.size() > 5);
    const auto benzyna = s.port.Zapytaj('e', 0xE0);
    const auto gaz = s.port.Zapytaj('e', 0xE1);
    QVERIFY(benzyna && gaz);
    bool obie = false;
    for (const auto& [mapa, komorka] : ogloszone) {
        QVERIFY(mapa == 0 || mapa == 3);
        obie |= mapa == 3;
        QVERIFY(Bajt(mapa == 0 ? *benzyna : *gaz, 6 + komorka) != 0);
    }
    QVERIFY(obie);
}

void TestSelvarSim::obdModuleAnswersItsRequests() {
    TStanowisko s({"--no-ignition"});
    QVERIFY(s.Gotowe());
    const auto ident = s.port.Zapytaj('c', 0x71);
    QVERIFY(ident);
    QVERIFY(SumaZgodna(*ident));
    QCOMPARE(ident->at(0), '6');
    QVERIFY(ident->size() < 128);
    QCOMPARE(Bajt(*ident, 5), 0);
    const auto kody = s.port.Zapytaj('c', 0x76);
    QVERIFY(kody);
    QCOMPARE(Bajt(*kody, 6), 2);
    QCOMPARE(kody->mid(7, 4), QByteArray("\x01\x71\x04\x20", 4));
    QVERIFY(s.port.Zapytaj('c', 0x74));
    const auto poKasowaniu = s.port.Zapytaj('c', 0x76);
    QVERIFY(poKasowaniu);
    QCOMPARE(Bajt(*poKasowaniu, 6), 0);
}

void TestSelvarSim::withoutObdModuleItsRequestsGoUnanswered() {
    TStanowisko s({"--no-ignition", "--no-obd-module", "--frames-after-live"});
    QVERIFY(s.Gotowe());
    QVERIFY(!s.port.Zapytaj('c', 0x71, {}, 300));
    QVERIFY(s.port.Zapytaj('e', 0x81));
    // Nor does the controller send the module's state frames.
    QVERIFY(
        s.port.Zapytaj('e', 0x94, TPortTestowy::ZNonce(QByteArray("\x02\x00\x90\x88\x00\x00", 6))));
    QVERIFY(!s.port.Ramka(300));
}

void TestSelvarSim::obdStateFrameReflectsHandedValues() {
    TStanowisko s({"--no-ignition"});
    QVERIFY(s.Gotowe());
    const QByteArray wartosci("\x02\x00\x90\x88\x00\x00", 6);
    std::optional<QByteArray> stan;
    for (int i = 0; i < 30 && !stan; ++i) {
        s.port.Wyslij(RamkaTestu::Zadanie('e', 0x94, TPortTestowy::ZNonce(wartosci)));
        for (auto r = s.port.Ramka(100); r; r = s.port.Ramka(20))
            if (r->at(0) == '6' && (Bajt(*r, 3) == 0x70 || Bajt(*r, 3) == 0x75)) stan = r;
    }
    QVERIFY(stan);
    QVERIFY(SumaZgodna(*stan));
    QCOMPARE(stan->size(), 42);
    QCOMPARE(stan->mid(11, 6), wartosci); // module state bytes 5..10
    const auto f = s.port.Zapytaj('e', 0x90, TPortTestowy::ZNonce());
    QVERIFY(f);
    QCOMPARE(Bajt(*f, 11) & 0x04, 0x04);
}

void TestSelvarSim::logRecordsEveryRequest() {
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("log.json");
    TStanowisko s({"--no-ignition", "--no-obd-state", "--frames-after-live", "--log", plik});
    QVERIFY(s.Gotowe());
    QVERIFY(s.port.Zapytaj('e', 0x81));
    QVERIFY(s.port.Zapytaj('e', 0x94,
                           TPortTestowy::ZNonce(QByteArray("\x01\x02\x03\x04\x05\x06", 6), 0x3C)));
    QByteArray zepsute = RamkaTestu::Zadanie('e', 0x82, TPortTestowy::ZNonce());
    zepsute[5] = static_cast<char>(zepsute[5] ^ 0x10);
    s.port.Wyslij(zepsute);
    QVERIFY(!s.port.Ramka(200));
    const auto linie = LinieDziennika(plik);
    QCOMPARE(linie.size(), 3);
    QCOMPARE(linie[0]["start"].toInt(), 101);
    QCOMPARE(linie[0]["code"].toInt(), 129);
    QCOMPARE(linie[0]["payload"].toString(), QString());
    QCOMPARE(linie[0]["answered"].toBool(), true);
    QVERIFY(!linie[0].contains("bad"));
    QCOMPARE(linie[1]["code"].toInt(), 0x94);
    QCOMPARE(linie[1]["payload"].toString(), QString("3C 00 01 02 03 04 05 06"));
    QVERIFY(linie[1]["t"].toDouble() >= linie[0]["t"].toDouble());
    QCOMPARE(linie[2]["bad"].toBool(), true);
    QCOMPARE(linie[2]["answered"].toBool(), false);
}

void TestSelvarSim::dropAllAnswersNothing() {
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("log.json");
    TStanowisko s({"--no-ignition", "--drop", "1.0", "--frames-after-live", "--log", plik});
    QVERIFY(s.Gotowe());
    for (quint8 kod : {0x81, 0x90, 0xE8})
        s.port.Wyslij(RamkaTestu::Zadanie('e', kod));
    QVERIFY(s.port.Czytaj(500).isEmpty());
    const auto linie = LinieDziennika(plik);
    QCOMPARE(linie.size(), 3);
    for (const QJsonObject& l : linie)
        QCOMPARE(l["answered"].toBool(), false);
}

void TestSelvarSim::corruptedRepliesAlwaysFailTheChecksum() {
    TStanowisko s({"--no-ignition", "--corrupt", "1.0", "--seed", "7"});
    QVERIFY(s.Gotowe());
    for (int i = 0; i < 30; ++i) {
        const quint8 kod = i % 3 == 0 ? 0x81 : i % 3 == 1 ? 0x87 : 0xE9;
        const auto r = s.port.Zapytaj('e', kod);
        QVERIFY(r);
        QVERIFY2(!SumaZgodna(*r), qPrintable(QString("reply %1 passed its checksum").arg(i)));
    }
}

// The receiver's only check is the 8-bit sum: one bit position going 0 -> 1 in one byte and
// 1 -> 0 in another leaves it as it was.
void TestSelvarSim::unseenCorruptionPassesTheChecksumWithWrongData() {
    QTemporaryDir katalog;
    const QString dziennik = katalog.filePath("log.json");
    TStanowisko s({"--no-ignition", "--corrupt-unseen", "1.0", "--seed", "5", "--blocks-dir",
                   katalog.path(), "--log", dziennik});
    QVERIFY(s.Gotowe());
    QFile plik(QDir(katalog.path()).filePath("Mnoznik1.bin"));
    QVERIFY(plik.open(QIODevice::ReadOnly));
    const QByteArray blok = plik.readAll();
    QList<QByteArray> odebrane;
    for (int i = 0; i < 8; ++i) {
        const auto r = s.port.Zapytaj('e', 0xE9);
        QVERIFY(r);
        QVERIFY(SumaZgodna(*r));
        QList<int> rozne;
        for (int k = 0; k < 256; ++k)
            if (r->at(6 + k) != blok[k]) rozne << k;
        QCOMPARE(rozne.size(), 2);
        const quint8 a = quint8(blok[rozne[0]]) ^ Bajt(*r, 6 + rozne[0]);
        const quint8 b = quint8(blok[rozne[1]]) ^ Bajt(*r, 6 + rozne[1]);
        QCOMPARE(a, b);
        QCOMPARE(a & (a - 1), 0); // one bit
        QVERIFY((quint8(blok[rozne[0]]) & a) != (quint8(blok[rozne[1]]) & a));
        odebrane << *r;
    }
    // The log shows the frames as they went out, marked.
    const auto linie = LinieDziennika(dziennik);
    QCOMPARE(linie.size(), 8);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(linie[i]["unseen"].toInt(), 1);
        QCOMPARE(QByteArray::fromHex(linie[i]["replies"].toArray().at(0).toString().toLatin1()),
                 odebrane[i]);
    }
}

void TestSelvarSim::splitRepliesStillArriveWhole() {
    TStanowisko s({"--no-ignition", "--split", "--seed", "3"});
    QVERIFY(s.Gotowe());
    for (int i = 0; i < 10; ++i) {
        const auto r = s.port.Zapytaj('e', i % 2 ? 0xE8 : 0x81);
        QVERIFY(r);
        QVERIFY(SumaZgodna(*r));
    }
}

void TestSelvarSim::silentForTheFirstSeconds() {
    // Seconds of silence, so that a loaded machine still asks within them.
    TStanowisko s({"--no-ignition", "--silent-for", "2"});
    QVERIFY(s.Gotowe());
    QVERIFY(!s.port.Zapytaj('e', 0x81, {}, 200));
    QTRY_VERIFY_WITH_TIMEOUT(s.port.Zapytaj('e', 0x81, {}, 500), 10000);
}

void TestSelvarSim::receiverResynchronises_data() {
    QTest::addColumn<QByteArray>("przed");
    QTest::addColumn<int>("przerwaMs");
    // A flipped bit in the last wire byte changes only the last plain byte: the sum fails.
    QByteArray zepsute = RamkaTestu::Zadanie('e', 0xE8, TPortTestowy::ZNonce());
    zepsute[5] = static_cast<char>(zepsute[5] ^ 0x01);
    QTest::newRow("garbage before") << QByteArray("\x00\x13\xFF\x56\x36", 5) << 0;
    QTest::newRow("bad checksum right before") << zepsute << 0;
    QTest::newRow("torn frame, then a pause")
        << RamkaTestu::Zadanie('e', 0xF8, TPortTestowy::ZNonce(QByteArray(256, '\x01'))).left(40)
        << 120;
    QTest::newRow("start byte with a huge length") << QByteArray("e\x00\xFF", 3) << 120;
    // The request is swallowed as the torn frame's body at first, and found once the
    // torn frame is given up.
    QTest::newRow("torn frame, the request right behind")
        << RamkaTestu::Zadanie('e', 0xF8, TPortTestowy::ZNonce(QByteArray(256, '\x01'))).left(40)
        << 0;
}

void TestSelvarSim::receiverResynchronises() {
    QFETCH(QByteArray, przed);
    QFETCH(int, przerwaMs);
    TStanowisko s({"--no-ignition", "--frames-after-live"});
    QVERIFY(s.Gotowe());
    s.port.Wyslij(przed);
    QThread::msleep(static_cast<unsigned long>(przerwaMs));
    s.port.Wyslij(RamkaTestu::Zadanie('e', 0x81));
    // The first and only reply is the identity's.
    const auto r = s.port.Ramka(5000);
    QVERIFY(r);
    QCOMPARE(Bajt(*r, 3), 0x81);
    QVERIFY(SumaZgodna(*r));
    QVERIFY(!s.port.Ramka(150));
}

void TestSelvarSim::bootloaderTakesTheImage() {
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("image.bin");
    TStanowisko s({"--no-ignition", "--image", plik});
    QVERIFY(s.Gotowe());
    QVERIFY(s.port.Zapytaj('e', 0xFF, QByteArray(258, '\0'), 200) ==
            std::nullopt); // not in the bootloader
    QVERIFY(s.port.Zapytaj('e', 0x8E));
    const auto ident = s.port.Zapytaj('e', 0x81);
    QVERIFY(ident);
    QCOMPARE(Bajt(*ident, 5), 1);
    QVERIFY(!s.port.Zapytaj('e', 0x90, TPortTestowy::ZNonce(), 200));
    QByteArray obraz;
    for (int blok = 0; blok < 224; ++blok) {
        QByteArray dane(256, '\0');
        for (int i = 0; i < 256; ++i)
            dane[i] = static_cast<char>((blok * 7 + i) & 0xFF);
        QByteArray ladunek;
        ladunek.append(static_cast<char>(blok & 0xFF))
            .append(static_cast<char>(blok >> 8))
            .append(dane);
        const auto r = s.port.Zapytaj('e', 0xFF, ladunek);
        QVERIFY2(r, qPrintable(QString("block %1").arg(blok)));
        QVERIFY(SumaZgodna(*r));
        QCOMPARE(static_cast<int>(U16(*r, 6)), blok);
        obraz.append(dane);
    }
    QVERIFY(!s.port.Zapytaj('e', 0xFF, QByteArray("\xE0\x00", 2) + QByteArray(256, '\0'),
                            200)); // block 224
    QVERIFY(s.port.Zapytaj('e', 0x8F));
    const auto poPowrocie = s.port.Zapytaj('e', 0x81);
    QVERIFY(poPowrocie);
    QCOMPARE(Bajt(*poPowrocie, 5), 0);
    QFile zapisany(plik);
    QVERIFY(zapisany.open(QIODevice::ReadOnly));
    QCOMPARE(zapisany.readAll(), obraz);
}

void TestSelvarSim::closeAfterHangsUpAndOpensNewLine() {
    QTemporaryDir katalog;
    const QString lacze = katalog.filePath("selvar-line");
    TSymulatorTestowy sym(
        {"--no-ignition", "--close-after", "0.4", "--reopen-after", "0.3", "--link", lacze});
    QVERIFY(!sym.Sciezka().isEmpty());
    QCOMPARE(QFileInfo(lacze).symLinkTarget(), sym.Sciezka());
    {
        TPortTestowy port(lacze);
        QVERIFY(port.Otwarty());
        QVERIFY(port.Zapytaj('e', 0x81));
        QVERIFY(port.Rozlaczony(1500));
    }
    const QString nowa = sym.NastepnaLinia(10000);
    QVERIFY(!nowa.isEmpty());
    QCOMPARE(QFileInfo(lacze).symLinkTarget(), nowa);
    TPortTestowy port(lacze);
    QVERIFY(port.Otwarty());
    QVERIFY(port.Zapytaj('e', 0x81));
    QVERIFY(sym.Zakoncz());
    QVERIFY(!QFileInfo::exists(lacze));
}

void TestSelvarSim::linkNeverReplacesAFile() {
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath("notes.txt");
    QFile plik(sciezka);
    QVERIFY(plik.open(QIODevice::WriteOnly));
    plik.write("keep me");
    plik.close();
    QProcess proces;
    proces.start(QStringLiteral(SELVAR_SIM), {"--no-ignition", "--link", sciezka});
    QVERIFY(proces.waitForFinished(3000));
    QCOMPARE(proces.exitCode(), 1);
    QVERIFY(proces.readAllStandardOutput().isEmpty());
    QVERIFY(plik.open(QIODevice::ReadOnly));
    QCOMPARE(plik.readAll(), QByteArray("keep me"));
}

QTEST_GUILESS_MAIN(TestSelvarSim)
#include "tst_selvarsim.moc"

void TestSelvarSim::freeReplyBytesVaryUnlessFixed_data() {
    QTest::addColumn<QStringList>("argumenty");
    QTest::addColumn<int>("bajt4");  // -1 at random, -2 the request's nonce
    QTest::addColumn<int>("status"); // -1 at random
    QTest::addColumn<int>("wypelnienie");
    QTest::newRow("defaults") << QStringList{} << -1 << -1 << -1;
    QTest::newRow("seed 9") << QStringList{"--seed", "9"} << -1 << -1 << -1;
    QTest::newRow("fixed") << QStringList{"--reply-byte4", "nonce", "--reply-status", "7",
                                          "--padding",     "171"}
                           << -2 << 7 << 171;
    QTest::newRow("byte 4 constant") << QStringList{"--reply-byte4", "200"} << 200 << -1 << -1;
}

// Byte 4 of every reply, byte 5 of all but the identities and the padding byte of the odd
// trouble-code payload (3 + 2 n bytes) are the controller's to choose.
void TestSelvarSim::freeReplyBytesVaryUnlessFixed() {
    QFETCH(QStringList, argumenty);
    QFETCH(int, bajt4);
    QFETCH(int, status);
    QFETCH(int, wypelnienie);
    TStanowisko s(argumenty << "--no-ignition");
    QVERIFY(s.Gotowe());
    QSet<int> bajty4, statusy, wypelnienia;
    for (int i = 0; i < 12; ++i) {
        const quint8 nonce = static_cast<quint8>(0x10 + 7 * i);
        const auto id = s.port.Zapytaj('e', 0x81, TPortTestowy::ZNonce({}, nonce));
        const auto blok = s.port.Zapytaj('e', 0xE8, TPortTestowy::ZNonce({}, nonce));
        const auto kody = s.port.Zapytaj('c', 0x76, TPortTestowy::ZNonce({}, nonce));
        QVERIFY(id && blok && kody);
        QVERIFY(SumaZgodna(*id) && SumaZgodna(*blok) && SumaZgodna(*kody));
        QCOMPARE(Bajt(*id, 5), 0); // the application runs
        if (bajt4 == -2) QCOMPARE(Bajt(*id, 4), nonce);
        if (bajt4 >= 0) QCOMPARE(Bajt(*blok, 4), bajt4);
        if (status >= 0) QCOMPARE(Bajt(*blok, 5), status);
        const int ile = Bajt(*kody, 6);
        QCOMPARE(kody->size(), 4 + 3 + 2 * ile + 1);
        if (wypelnienie >= 0) QCOMPARE(Bajt(*kody, kody->size() - 1), wypelnienie);
        bajty4 << Bajt(*id, 4) << Bajt(*blok, 4);
        statusy << Bajt(*blok, 5) << Bajt(*kody, 5);
        wypelnienia << Bajt(*kody, kody->size() - 1);
    }
    // 24 draws from 256 values alike would be a chance of 256^-23.
    if (bajt4 == -1) QVERIFY(bajty4.size() > 1);
    if (status == -1) QVERIFY(statusy.size() > 1);
    if (wypelnienie == -1) QVERIFY(wypelnienia.size() > 1);
}

void TestSelvarSim::repliesWaitTheLatencyGiven() {
    TStanowisko s({"--no-ignition", "--latency", "30"});
    QVERIFY(s.Gotowe());
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer czas;
        czas.start();
        QVERIFY(s.port.Zapytaj('e', 0x81));
        QVERIFY2(czas.elapsed() >= 30, qPrintable(QString::number(czas.elapsed())));
    }
}

// The OBD module's state (0x70 or 0x75) and the controller's state notices (0x80) come with
// nobody asking; the log shows them with the next request, before its reply.
void TestSelvarSim::framesOfItsOwnComeBetweenRepliesAndAreLogged() {
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("log.json");
    TStanowisko s({"--no-ignition", "--seed", "5", "--log", plik});
    QVERIFY(s.Gotowe());
    QList<QByteArray> wlasne;
    QElapsedTimer czas;
    czas.start();
    while (czas.elapsed() < 6500)
        if (const auto r = s.port.Ramka(int(6500 - czas.elapsed()))) wlasne << *r;
    QSet<int> kody;
    for (const QByteArray& r : wlasne) {
        QVERIFY(SumaZgodna(r));
        kody << (r.at(0) == '6' ? 0 : 0x100) + Bajt(r, 3);
    }
    QVERIFY2(kody.contains(0x70) || kody.contains(0x75), qPrintable(QString::number(kody.size())));
    QVERIFY(kody.contains(0x180));
    QVERIFY(wlasne.size() >= 5); // about one module state a second
    QVERIFY(s.port.Zapytaj('e', 0x81));
    const auto linie = LinieDziennika(plik);
    QCOMPARE(linie.size(), 1);
    const QJsonArray logowane = linie[0]["unsolicited"].toArray();
    QCOMPARE(logowane.size(), wlasne.size());
    for (int i = 0; i < wlasne.size(); ++i)
        QCOMPARE(QByteArray::fromHex(logowane[i].toString().toLatin1()), wlasne[i]);

    TStanowisko cichy({"--no-ignition", "--frames-after-live"});
    QVERIFY(cichy.Gotowe());
    QVERIFY(!cichy.port.Ramka(2500));
}

void TestSelvarSim::countersStandStillWhenFixed() {
    TStanowisko s({"--warm", "--speed", "40", "--ignition-at", "0", "--no-counting"});
    QVERIFY(s.Gotowe());
    QVERIFY(CzekajNaBiezaca(s.port, 20000, [](const QByteArray& f) { return Bajt(f, 11) & 0x02; }));
    const auto przed = s.port.Zapytaj('e', 0x81);
    QThread::msleep(1000); // 40 model seconds of a turning engine
    const auto po = s.port.Zapytaj('e', 0x81);
    QVERIFY(przed && po);
    QCOMPARE(po->mid(70, 8), przed->mid(70, 8));
}
