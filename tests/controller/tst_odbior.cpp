// Every reply the controller and its OBD module send, decoded into the data model.

#include "Komunikat.h"
#include "MapaPortow.h"
#include "RamkaTestowa.h"
#include "TSterownik.h"

#include <QTest>

#include <cstring>
#include <memory>

namespace {

struct TKomunikatyZapisane : TKomunikaty {
    QList<QPair<int, int>> pokazane;
    int Komunikat(int id, int flagi) override {
        pokazane.append({id, flagi});
        return Ok;
    }
    int KomunikatTekst(const QString&, int) override { return Ok; }
};

QByteArray Wzor(int n, int ziarno) {
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b.append(static_cast<char>((i * 13 + ziarno) & 0xFF));
    return b;
}

QByteArray Blok(const unsigned char* b, int n) {
    return QByteArray(reinterpret_cast<const char*>(b), n);
}

} // namespace

class TestOdbior : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;
    TKomunikatyZapisane komunikaty;
    QList<std::array<int, 4>> zdarzenia;
    QStringList log;

    bool Odbierz(const QByteArray& linia) {
        std::memcpy(s->RamkaRx, linia.constData(), static_cast<size_t>(linia.size()));
        return s->AnalizaOdbioru(int(linia.size()));
    }

    // The live frame: 88 bytes after the status pair, positions 6..91.
    QByteArray Biezace(int kod, QByteArray dane = QByteArray(86, '\0')) {
        return RamkaTestowa::Odpowiedz(static_cast<std::uint8_t>(kod), dane);
    }

private slots:
    void init() {
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
        s->Zegar().stop();
        s->Komunikaty = &komunikaty;
        komunikaty.pokazane.clear();
        zdarzenia.clear();
        log.clear();
        s->OnZdarzenie = [this](int k, int a1, int a2, int a3) {
            zdarzenia.append({k, a1, a2, a3});
        };
        s->OnTekst = [this](TSerial*, const QString& t, TKolor) { log.append(t); };
    }

    void blockReadLandsInItsBlock_data() {
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("bit");
        const QList<QPair<int, int>> bloki = {
            {0xE8, 0},  {0xE9, 1},  {0xEA, 2},  {0xEB, 3},  {0xEC, 4},  {0xA7, 7},
            {0xA8, 8},  {0xA9, 9},  {0xAA, 10}, {0xAB, 11}, {0xAC, 12}, {0xAD, 13},
            {0xE0, 16}, {0xE1, 17}, {0xE2, 20}, {0xE3, 21}, {0xE4, 22}, {0xE5, 23}};
        for (const auto& [kod, bit] : bloki)
            QTest::addRow("0x%X", kod) << kod << bit;
    }
    void blockReadLandsInItsBlock() {
        QFETCH(int, kod);
        QFETCH(int, bit);
        const std::array<unsigned char*, 24> bloki = {
            s->Nastawy,       s->Mnoznik1,    s->Mnoznik2,      s->KorOdObr1,   s->KorOdObr2,
            nullptr,          nullptr,        s->Historia,      s->KorOdCis,    s->KorOdTempRed,
            s->KorOdTempGazu, s->EmulatorCis, s->OpoznienieWtr, s->Wzbogacenie, nullptr,
            nullptr,          s->MapaEcuBen,  s->MapaEcuGaz,    nullptr,        nullptr,
            s->MapaObdBen1,   s->MapaObdGaz1, s->MapaObdBen2,   s->MapaObdGaz2};
        s->DoOdczytu = 0xF3379F;
        QByteArray dane = Wzor(256, kod);
        if (bit == 0) dane[0] = static_cast<char>(0x100 - RamkaTestowa::Suma(dane.mid(1)));
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(static_cast<std::uint8_t>(kod), dane)));
        QCOMPARE(s->DoOdczytu, 0xF3379F & ~(1 << bit));
        for (int b = 0; b < 24; ++b) {
            if (!bloki[b]) continue;
            QCOMPARE(Blok(bloki[b], 256) == dane, b == bit);
        }
        QCOMPARE(zdarzenia.size(), 1);
        QCOMPARE(zdarzenia[0], (std::array<int, 4>{0, kod, 262, 0}));
        QVERIFY(!log.contains(QStringLiteral("0  błąd sumy nastaw")));
    }

    void settingsWithBadSumAreKeptAndReported() {
        s->DoOdczytu = 1;
        QByteArray dane = Wzor(256, 1);
        dane[0] = static_cast<char>(0x100 - RamkaTestowa::Suma(dane.mid(1)) + 5);
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0xE8, dane)));
        QCOMPARE(Blok(s->Nastawy, 256), dane);
        QVERIFY(log.contains(QStringLiteral("5  błąd sumy nastaw")));
        QCOMPARE(s->DoOdczytu, 0);
    }

    void shortBlockReplyLeavesBlockAndReadPending() {
        std::memset(s->Mnoznik1, 100, 256);
        s->DoOdczytu = 2;
        QVERIFY(!Odbierz(RamkaTestowa::Odpowiedz(0xE9, Wzor(40, 3))));
        QCOMPARE(Blok(s->Mnoznik1, 256), QByteArray(256, 100));
        QCOMPARE(s->DoOdczytu, 2);
        QVERIFY(zdarzenia.isEmpty());
    }

    void writeAcknowledgementClearsOnlyItsBit_data() {
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("bit");
        const QList<QPair<int, int>> zapisy = {
            {0xF8, 0},  {0xF9, 1},  {0xFA, 2},  {0xFB, 3},  {0xFC, 4},  {0xC7, 7},
            {0xC8, 8},  {0xC9, 9},  {0xCA, 10}, {0xCB, 11}, {0xCC, 12}, {0xCD, 13},
            {0xF0, 16}, {0xF1, 17}, {0xF2, 20}, {0xF3, 21}, {0xF4, 22}, {0xF5, 23}};
        for (const auto& [kod, bit] : zapisy)
            QTest::addRow("0x%X", kod) << kod << bit;
    }
    void writeAcknowledgementClearsOnlyItsBit() {
        QFETCH(int, kod);
        QFETCH(int, bit);
        s->BezPotwierdzenia = 0x1F3379F;
        s->DoZapisu = 0x1F3379F;
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(static_cast<std::uint8_t>(kod))));
        QCOMPARE(s->BezPotwierdzenia, 0x1F3379F & ~(1 << bit));
        QCOMPARE(s->DoZapisu, 0x1F3379F);
    }

    void oneShotReplyClearsItsFlag_data() {
        QTest::addColumn<int>("kod");
        for (int k = 0x83; k <= 0x89; ++k)
            QTest::addRow("0x%X", k) << k;
    }
    void oneShotReplyClearsItsFlag() {
        QFETCH(int, kod);
        unsigned char* const flagi[] = {
            &s->KasujBledy,   &s->ZmianaPaliwaAuto, &s->ZmianaPaliwaSzybka, &s->ZmianaWtryskiwaczy,
            &s->TestGlosnika, &s->TestSzczelnosci,  &s->Fabryczne};
        for (unsigned char* f : flagi)
            *f = 1;
        s->DoOdczytu = 0x1000;
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(static_cast<std::uint8_t>(kod))));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(int(*flagi[i]), i == kod - 0x83 ? 0 : 1);
        // Erasing errors asks for the list again; a factory reset re-reads what it changed.
        QCOMPARE(bool(s->Rozkazy & TSterownik::RozkazBledy), kod == 0x83);
        QCOMPARE(s->DoOdczytu, kod == 0x89 ? 0x1000 | 0x71F : 0x1000);
    }

    void errorListClearsItsRequest() {
        s->Rozkazy = TSterownik::RozkazBledy | TSterownik::RozkazIdentyfikacja;
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x82, Wzor(30, 0))));
        QCOMPARE(s->Rozkazy, TSterownik::RozkazIdentyfikacja);
    }

    void identityOfRunningApplicationStartsTheFullRead() {
        s->Rozkazy = TSterownik::RozkazIdentyfikacja;
        QByteArray dane = Wzor(80, 9);
        dane[43 - 6] = 6; // a board the catalogue accepts as it is
        dane.replace(66 - 6, 4, QByteArray(4, char(100)));
        const QByteArray linia = RamkaTestowa::Odpowiedz(0x81, dane, 0);
        QVERIFY(Odbierz(linia));
        QCOMPARE(s->Rozkazy, TSterownik::RozkazBledy);
        QCOMPARE(s->DoOdczytu, 0xF3079F);
        const QByteArray jawna = RamkaTestowa::ZLinii(linia);
        QCOMPARE(Blok(s->IdentSterownika, jawna.size()), jawna);
        QCOMPARE(Blok(s->IdentSterownika + jawna.size(), 128 - int(jawna.size())),
                 QByteArray(128 - jawna.size(), '\0'));
        QVERIFY(komunikaty.pokazane.isEmpty());
    }

    void identityLongerThan127BytesLeavesIdentityZeroed() {
        std::memset(s->IdentSterownika, 0x55, 128);
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x81, Wzor(130, 2), 0)));
        QByteArray oczekiwana(128, '\0');
        oczekiwana.replace(66, 4, QByteArray(4, char(128)));
        oczekiwana[43] = 8; // no channel count: taken as 8
        QCOMPARE(Blok(s->IdentSterownika, 128), oczekiwana);
    }

    void bootloaderIdentityWithoutUpdateShowsSoftwareError() {
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x81, Wzor(60, 0), 1)));
        QCOMPARE(komunikaty.pokazane, (QList<QPair<int, int>>{{1365, TKomunikaty::Blad}}));
        QCOMPARE(s->DoOdczytu, 0);
        QCOMPARE(int(s->FlashZapis), 0);
    }

    void bootloaderIdentityWithArmedUpdateStartsWriting() {
        s->FlashUzbrojony = 1;
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x81, Wzor(60, 0), 1)));
        QCOMPARE(int(s->FlashZapis), 1);
        QVERIFY(komunikaty.pokazane.isEmpty());
    }

    void unknownCodeIsReportedAndNotCounted() {
        s->BezOdpowiedzi = 5;
        QVERIFY(!Odbierz(RamkaTestowa::Odpowiedz(0x99 - 0x20)));
        QVERIFY(log.contains(QStringLiteral("\n Nie rozpoznany rozkaz")));
        QCOMPARE(s->BezOdpowiedzi, 5);
        QVERIFY(zdarzenia.isEmpty());
    }

    void badChecksumChangesNothing() {
        s->DoOdczytu = 2;
        const QByteArray mnoznik1 = Blok(s->Mnoznik1, 256), mnoznik2 = Blok(s->Mnoznik2, 256);
        QByteArray linia = RamkaTestowa::Odpowiedz(0xE9, Wzor(256, 4));
        linia[3] = static_cast<char>(0xEA); // still a known code, but the sum no longer holds
        QVERIFY(!Odbierz(linia));
        QCOMPARE(log, QStringList{QStringLiteral("  błąd sumy ")});
        QCOMPARE(Blok(s->Mnoznik1, 256), mnoznik1);
        QCOMPARE(Blok(s->Mnoznik2, 256), mnoznik2);
        QCOMPARE(s->DoOdczytu, 2);
        QVERIFY(zdarzenia.isEmpty());
    }

    void requestEchoIsLoggedButRaisesNothing() {
        s->BezOdpowiedzi = 3;
        QVERIFY(
            !Odbierz(RamkaTestowa::NaLinie(RamkaTestowa::Jawna('c', 0x71, QByteArray(2, '\0')))));
        QCOMPARE(log, QStringList{QStringLiteral("  RX: 63 2B 01 71   00 00")});
        QVERIFY(zdarzenia.isEmpty());
        QCOMPARE(s->BezOdpowiedzi, 3);
    }

    void liveFrameMapCellUpdate_data() {
        QTest::addColumn<int>("wybor");
        QTest::addColumn<int>("wartosc");
        QTest::addColumn<int>("zmieniona"); // index into the six maps, -1 none
        QTest::newRow("petrol ECU") << 0 << 77 << 0;
        QTest::newRow("petrol OBD 1") << 1 << 77 << 1;
        QTest::newRow("petrol OBD 2") << 2 << 77 << 2;
        QTest::newRow("gas ECU") << 3 << 77 << 3;
        QTest::newRow("gas OBD 1") << 4 << 77 << 4;
        QTest::newRow("gas OBD 2") << 5 << 77 << 5;
        QTest::newRow("selector 6") << 6 << 77 << -1;
        QTest::newRow("value 0") << 0 << 0 << -1;
    }
    void liveFrameMapCellUpdate() {
        QFETCH(int, wybor);
        QFETCH(int, wartosc);
        QFETCH(int, zmieniona);
        unsigned char* const mapy[] = {s->MapaEcuBen, s->MapaObdBen1, s->MapaObdBen2,
                                       s->MapaEcuGaz, s->MapaObdGaz1, s->MapaObdGaz2};
        for (unsigned char* m : mapy)
            std::memset(m, 9, 256);
        QByteArray dane(86, '\0');
        dane[1] = static_cast<char>(wybor);
        dane[2] = static_cast<char>(0x3A); // row 3, column 10
        dane[3] = static_cast<char>(wartosc);
        QVERIFY(Odbierz(Biezace(0x90, dane)));
        for (int m = 0; m < 6; ++m)
            for (int k = 0; k < 256; ++k)
                QCOMPARE(int(mapy[m][k]), m == zmieniona && k == 0x3A ? wartosc : 9);
    }

    void liveFrameCarriesStateMaskAdaptationAndObdValues() {
        for (int i = 0; i < 36; ++i)
            s->StanObd[i] = static_cast<unsigned char>(200 + i % 50);
        QByteArray dane(86, '\0');
        dane[0] = static_cast<char>(0xF4);
        dane[1] = 0x21;
        dane[2] = 0x22;
        dane[4] = 3;     // byte 10: work mode
        dane[5] = 1;     // byte 11: ignition
        dane[6] = 42;    // byte 12
        dane[16] = 0x0F; // byte 22: injector mask
        const QByteArray linia = Biezace(0x90, dane);
        QVERIFY(Odbierz(linia));
        QCOMPARE(Blok(s->StanPracy, 3), QByteArray::fromHex("03012a"));
        QCOMPARE(int(s->MaskaWtryskiwaczy), 0x0F);
        QCOMPARE(int(s->IdentSterownika[68]), 0x21);
        QCOMPARE(int(s->IdentSterownika[69]), 0x22);
        QCOMPARE(Blok(s->RamkaRx + 92, 36), Blok(s->StanObd, 36));
        QCOMPARE(Blok(s->RamkaRx, 92), RamkaTestowa::ZLinii(linia).left(92));
        QVERIFY(log.isEmpty()); // live frames stay out of the log unless asked for
    }

    void pendingInjectorChangeKeepsTheMask() {
        s->ZmianaWtryskiwaczy = 1;
        s->MaskaWtryskiwaczy = 0x3F;
        QVERIFY(Odbierz(Biezace(0x90)));
        QCOMPARE(int(s->MaskaWtryskiwaczy), 0x3F);
    }

    void shortLiveFrameKeepsStateAndMask() {
        std::memcpy(s->StanPracy, "\x03\x01\x2a", 3);
        s->MaskaWtryskiwaczy = 0x0F;
        QVERIFY(!Odbierz(Biezace(0x90, QByteArray(20, '\0'))));
        QCOMPARE(Blok(s->StanPracy, 3), QByteArray::fromHex("03012a"));
        QCOMPARE(int(s->MaskaWtryskiwaczy), 0x0F);
        QVERIFY(zdarzenia.isEmpty());
        QVERIFY(log.contains(QStringLiteral("  za krótka ramka")));
    }
    void writeNoticesAreLoggedPerBit() {
        QByteArray dane(86, '\0');
        dane[0] = static_cast<char>(0xF2);
        dane[1] = 0x29; // bits 0, 3, 5
        QVERIFY(Odbierz(Biezace(0x90, dane)));
        QCOMPARE(log, (QStringList{QStringLiteral("Zapis flash - nastawy"),
                                   QStringLiteral("Zapis flash - kor.obr.1"),
                                   QStringLiteral("Zapis flash - his/kor")}));
        log.clear();
        dane[0] = static_cast<char>(0xF1);
        dane[1] = 0x04;
        QVERIFY(Odbierz(Biezace(0x90, dane)));
        QCOMPARE(log, QStringList{QStringLiteral("Zapis eeprom - błędy")});
    }

    void firstObdModuleFrameAnnouncesTheModule() {
        QVERIFY(!s->ModulObd);
        s->LicznikObd = 7;
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x70, Wzor(36, 5), 0, '6')));
        QVERIFY(s->ModulObd);
        QCOMPARE(s->Rozkazy, TSterownik::RozkazIdentyfikacjaObd);
        QCOMPARE(s->DoOdczytu, 1 << 24);
        QCOMPARE(Blok(s->StanObd, 36), Wzor(36, 5));
        QCOMPARE(s->LicznikObd, 0);
        QVERIFY(log.isEmpty());
    }

    void obdModuleReplies() {
        s->ModulObd = true;
        s->Rozkazy = TSterownik::RozkazIdentyfikacjaObd | TSterownik::RozkazBledyObd |
                     TSterownik::RozkazKasujBledyObd;
        s->BezPotwierdzenia = 1 << 24;
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x71, Wzor(40, 1), 0, '6')));
        QCOMPARE(s->DoOdczytu, 1 << 24);
        QByteArray nastawy = Wzor(48, 6);
        nastawy[0] = static_cast<char>(0x100 - RamkaTestowa::Suma(nastawy.mid(1)));
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x72, nastawy, 0, '6')));
        QCOMPARE(Blok(s->NastawyObd, 48), nastawy);
        QCOMPARE(s->DoOdczytu, 0);
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x73, {}, 0, '6')));
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x74, {}, 0, '6')));
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x76, {}, 0, '6')));
        QCOMPARE(s->Rozkazy, 0);
        QCOMPARE(s->BezPotwierdzenia, 0);
        QVERIFY(!log.join(QString()).contains(QStringLiteral("błąd sumy")));
    }

    void obdStateLogNamesTheStage_data() {
        QTest::addColumn<int>("etap");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("1") << 1 << QStringLiteral("\n Stan pracy obd + len + TRAN:");
        QTest::newRow("8") << 8 << QStringLiteral("\n Stan pracy obd + SUP:");
        QTest::newRow("32") << 32 << QStringLiteral("\n Stan pracy obd + DTC:");
        QTest::newRow("3") << 3 << QStringLiteral("\n Stan pracy obd");
    }
    void obdStateLogNamesTheStage() {
        QFETCH(int, etap);
        QFETCH(QString, tekst);
        s->ModulObd = true;
        s->LogObd = 1;
        QByteArray stan(36, '\0');
        stan[11] = static_cast<char>(etap);
        QVERIFY(Odbierz(RamkaTestowa::Odpowiedz(0x75, stan, 0, '6')));
        QCOMPARE(log.first(), tekst);
        QVERIFY(log.last().startsWith(QStringLiteral("  RX: 36 ")));
    }
};

QTEST_GUILESS_MAIN(TestOdbior)
#include "tst_odbior.moc"
