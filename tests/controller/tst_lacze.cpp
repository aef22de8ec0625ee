// The link engine tick by tick over a real pseudo-terminal, the test playing the controller.

#include "Bloki.h"
#include "RamkaTestowa.h"
#include "Stanowisko.h"

#include <QTest>

namespace {

constexpr int Nic = -1;

QByteArray Blok256(char wartosc) {
    return QByteArray(256, wartosc);
}

} // namespace

class TestLacze : public QObject {
    Q_OBJECT

    // Answers every request as a well-behaved controller would, for n slots.
    static QList<int> Obsluguj(TStanowisko& st, int n) {
        QList<int> kody;
        for (int i = 0; i < n; ++i) {
            const auto z = st.Slot();
            kody.append(z ? z->kod : Nic);
            if (!z) continue;
            const auto kod = static_cast<std::uint8_t>(z->kod);
            const bool odczyt = Bloki::PoKodzieOdczytu(kod) != nullptr;
            st.pty.Wyslij(RamkaTestowa::Odpowiedz(
                kod,
                odczyt ? Blok256('\x11') : QByteArray(kod >= 0x90 && kod <= 0x9F ? 86 : 0, '\0')));
        }
        return kody;
    }

private slots:
    void openingRaisesEventThreeAndAsksForIdentity() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        st.s->Timer1OnTimer();
        QCOMPARE(st.zdarzenia.first(), (std::array<int, 4>{3, 0, 0, 0}));
        QCOMPARE(st.s->Rozkazy, TSterownik::RozkazIdentyfikacja);
    }

    void identityGoesOutEverySecondSlotUntilAnswered() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        QCOMPARE(st.Sloty(8), (QList<int>{0x81, Nic, 0x81, Nic, 0x81, Nic, 0x81, Nic}));
        QCOMPARE(st.s->BezOdpowiedzi, 4);
    }

    void identityRequestIsTheWorkedExampleOnTheWire() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        st.Slot();
        // The test codec re-reads the frame; check the raw bytes against the worked example too.
        QVERIFY(st.Zalogowano(QStringLiteral("  TX: 65 1A 00 81  "), Kolory::Bordowy));
        QVERIFY(st.Zalogowano(QStringLiteral("\n  Numer seryjny i wersja"), Kolory::Srebrny));
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x82));
        st.Slot();
        QVERIFY(st.Zalogowano(QStringLiteral("  RX: 56 27 01 82   00 00"), Kolory::Niebieski));
    }

    void identityReplyStartsFullReadWithPendingWritesFirst() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        QCOMPARE(st.Sloty(1), QList<int>{0x81});
        // A write posted before the reads exist is served first on the queue's slots.
        std::memset(st.s->OpoznienieWtr, 7, 256);
        st.s->ZapiszDoSterownika(Bloki::OpoznienieWtr);
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, QByteArray(60, '\0')));
        const QList<int> kody = Obsluguj(st, 44);
        QList<int> oczekiwane = {Nic, 0x82, 0x90, 0xCC,
                                 Nic, Nic,  0x90}; // the write waits two slots
        for (int odczyt : {0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xA7})
            oczekiwane << odczyt << 0x90;
        // The write's history entry waited for the controller's history, then goes out.
        oczekiwane << 0xC7 << Nic << Nic << 0x90;
        for (int odczyt : {0xA8, 0xA9, 0xAA})
            oczekiwane << odczyt << 0x90;
        oczekiwane << 0x90 << 0x90 << 0x90; // nothing queued: the odd slots poll too
        QCOMPARE(kody, oczekiwane);
        QCOMPARE(st.s->DoOdczytu, 0);
        QCOMPARE(st.s->BezPotwierdzenia, 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(st.s->KorOdTempGazu), 256),
                 Blok256('\x11'));
        QCOMPARE(st.s->BezOdpowiedzi, 1); // the last poll is still unanswered
    }

    void writeIsResentUntilAcknowledged() {
        TStanowisko st;
        QVERIFY(st.OtworzBezOdczytow());
        for (int i = 0; i < 256; ++i)
            st.s->KorOdCis[i] = static_cast<unsigned char>(i);
        st.s->ZapiszDoSterownika(Bloki::KorOdCis);
        // The write's history entry goes next; the write itself is sent again after it.
        QCOMPARE(st.Sloty(5), (QList<int>{0xC8, Nic, Nic, 0x90, 0xC7}));
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0xC7));
        QCOMPARE(st.Sloty(3), (QList<int>{Nic, Nic, 0x90}));
        QVERIFY(st.s->BezPotwierdzenia & Bloki::KorOdCis);
        const auto zapis = st.Slot();
        QVERIFY(zapis);
        QCOMPARE(zapis->kod, 0xC8);
        QCOMPARE(zapis->dane.mid(2),
                 QByteArray(reinterpret_cast<const char*>(st.s->KorOdCis), 256));
        QVERIFY(zapis->sumaZgodna);
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0xC8));
        QCOMPARE(st.Sloty(6), (QList<int>{Nic, Nic, 0x90, 0x90, 0x90, 0x90}));
        QCOMPARE(st.s->BezPotwierdzenia, 0);
    }

    void mapWriteSkipsThreeSlotsEvenLivePolls() {
        TStanowisko st;
        QVERIFY(st.OtworzBezOdczytow());
        st.s->ZapiszDoSterownika(Bloki::MapaEcuBen);
        QCOMPARE(st.Sloty(5),
                 (QList<int>{0xF0, Nic, Nic, Nic, 0xF0})); // unacknowledged: sent again
    }

    void settingsWriteCarriesFreshBlockChecksum() {
        TStanowisko st;
        QVERIFY(st.OtworzBezOdczytow());
        for (int i = 0; i < 256; ++i)
            st.s->Nastawy[i] = static_cast<unsigned char>(i * 3);
        st.s->ZapiszDoSterownika(Bloki::Nastawy);
        const auto z = st.Slot();
        QVERIFY(z);
        QCOMPARE(z->kod, 0xF8);
        const QByteArray blok = z->dane.mid(2);
        QCOMPARE(blok.size(), 256);
        QCOMPARE(RamkaTestowa::Suma(blok), std::uint8_t(0));
        QCOMPARE(blok.mid(1), QByteArray(reinterpret_cast<const char*>(st.s->Nastawy + 1), 255));
    }

    void replyInPiecesCompletesOnlyWhenWholeAndHoldsTheTicks() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        st.Slot();
        const QByteArray odp = RamkaTestowa::Odpowiedz(0x81, QByteArray(60, '\0'));
        const qsizetype wyslane = st.Wyslane();
        // A held header with part of its body waiting stops the transmit clock.
        st.pty.Wyslij(odp.left(20));
        for (int i = 0; i < 5; ++i)
            st.s->Timer1OnTimer();
        QCOMPARE(st.Wyslane(), wyslane);
        st.pty.Wyslij(odp.mid(20, 14));
        for (int i = 0; i < 5; ++i)
            st.s->Timer1OnTimer();
        QCOMPARE(st.Wyslane(), wyslane);
        QVERIFY(!st.BylaOdpowiedz(0x81));
        st.pty.Wyslij(odp.mid(34));
        st.s->Timer1OnTimer();
        QVERIFY(st.BylaOdpowiedz(0x81));
    }

    void replySplitAtEveryByteIsDecodedOnce() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        st.s->Timer1OnTimer();
        const QByteArray odp = RamkaTestowa::Odpowiedz(0xE9, Blok256('\x42'));
        for (int podzial = 1; podzial < odp.size(); ++podzial) {
            st.s->DoOdczytu = Bloki::Mnoznik1;
            st.s->Mnoznik1[255] = 0;
            st.zdarzenia.clear();
            st.pty.Wyslij(odp.left(podzial));
            st.s->OdbiorRx();
            st.pty.Wyslij(odp.mid(podzial));
            st.s->OdbiorRx();
            st.s->OdbiorRx();
            QCOMPARE(st.zdarzenia.size(), 1);
            QCOMPARE(st.s->DoOdczytu, 0);
            QCOMPARE(int(st.s->Mnoznik1[255]), 0x42);
        }
    }

    void bodyThatNeverCompletesIsDroppedAndTheLinkResumes() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        st.Slot();
        const qsizetype wyslane = st.Wyslane();
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, QByteArray(60, '\0')).left(30));
        for (int i = 0; i < 13; ++i)
            st.s->Timer1OnTimer();
        QCOMPARE(st.Wyslane(), wyslane);
        st.s->Timer1OnTimer();
        QVERIFY(st.Zalogowano(QStringLiteral("  niepełna ramka")));
        QCOMPARE(st.pty.CzekajaceUAplikacji(), 0);
        QCOMPARE(st.Sloty(2), (QList<int>{Nic, 0x81})); // asked again after its wait slot
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, QByteArray(60, '\0')));
        st.Slot();
        QVERIFY(st.BylaOdpowiedz(0x81));
    }

    void headerWithoutStartByteEmptiesTheQueue() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        st.s->Timer1OnTimer();
        st.pty.Wyslij(QByteArray::fromHex("0011223344556677") + RamkaTestowa::Odpowiedz(0x82));
        QCOMPARE(st.s->OdbiorRx(), -1);
        QVERIFY(st.Zalogowano(QStringLiteral("  brak bajtu startowego :  00 11 22 33"),
                              Kolory::Czerwony));
        QCOMPARE(st.pty.CzekajaceUAplikacji(), 0);
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x83));
        QCOMPARE(st.s->OdbiorRx(), -2);
        QCOMPARE(st.s->OdbiorRx(), 6);
        QVERIFY(st.BylaOdpowiedz(0x83));
        QVERIFY(!st.BylaOdpowiedz(0x82));
    }

    void floodBeyondTheBufferIsDiscarded() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        st.s->Timer1OnTimer();
        st.pty.Wyslij(QByteArray(1500, 'V'));
        QCOMPARE(st.s->OdbiorRx(), -1);
        QVERIFY(st.Zalogowano(QStringLiteral("  przekroczenie bufora")));
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x84));
        st.s->OdbiorRx();
        QCOMPARE(st.s->OdbiorRx(), 6);
    }

    void reopeningDropsCommandsButKeepsBlockSets() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        st.s->Timer1OnTimer();
        st.s->RozkazDoSterownika(TSterownik::RozkazBledy | TSterownik::RozkazBledyObd);
        st.s->CzytajZeSterownika(Bloki::Historia);
        st.s->ZapiszDoSterownika(Bloki::Mnoznik2);
        st.s->BezPotwierdzenia = Bloki::KorOdObr1;
        st.s->FlashUzbrojony = 1;
        QVERIFY(st.s->PortOpen(-1));
        st.zdarzenia.clear();
        st.s->Timer1OnTimer();
        QCOMPARE(st.zdarzenia.first()[0], 3);
        QCOMPARE(st.s->Rozkazy, TSterownik::RozkazIdentyfikacja);
        QCOMPARE(st.s->DoOdczytu, Bloki::Historia);
        QCOMPARE(st.s->DoZapisu, Bloki::Mnoznik2);
        QCOMPARE(st.s->BezPotwierdzenia, Bloki::KorOdObr1);
        QCOMPARE(int(st.s->FlashUzbrojony), 0);
    }

    void writeRefusalRules_data() {
        QTest::addColumn<bool>("polaczony");
        QTest::addColumn<int>("odczyt");
        QTest::addColumn<int>("bezOdpowiedzi");
        QTest::addColumn<int>("zapis");
        QTest::newRow("accepted") << true << 0 << 0 << Bloki::Mnoznik1;
        QTest::newRow("read of another block pending")
            << true << Bloki::Mnoznik2 << 0 << Bloki::Mnoznik1;
        QTest::newRow("read of the same block pending") << true << Bloki::Mnoznik1 << 0 << 0;
        QTest::newRow("ten unanswered is still a link") << true << 0 << 10 << Bloki::Mnoznik1;
        QTest::newRow("link lost") << true << 0 << 11 << 0;
        QTest::newRow("not connected") << false << 0 << 0 << 0;
    }
    void writeRefusalRules() {
        QFETCH(bool, polaczony);
        QFETCH(int, odczyt);
        QFETCH(int, bezOdpowiedzi);
        QFETCH(int, zapis);
        TStanowisko st;
        if (polaczony) QVERIFY(st.Otworz());
        st.s->DoOdczytu = odczyt;
        st.s->BezOdpowiedzi = bezOdpowiedzi;
        st.s->ZapiszDoSterownika(Bloki::Mnoznik1);
        QCOMPARE(st.s->DoZapisu, zapis);
    }

    void obdModuleIsGivenUpAfterElevenUnansweredRequests() {
        TStanowisko st;
        QVERIFY(st.OtworzBezOdczytow());
        st.s->DoOdczytu = Bloki::NastawyObd;
        QList<int> obd;
        for (int i = 0; i < 30; ++i) {
            const auto z = st.Slot();
            if (z && z->start == 'c') obd.append(z->kod);
        }
        QCOMPARE(obd, QList<int>(11, 0x72));
        QCOMPARE(st.s->DoOdczytu, 0);
        QCOMPARE(st.s->LicznikObd, 0);
    }

    void obdValuesRideOnTheQueueSidePoll() {
        TStanowisko st;
        QVERIFY(st.OtworzBezOdczytow());
        for (int i = 0; i < 36; ++i)
            st.s->StanObd[i] = static_cast<unsigned char>(i);
        st.s->WyslijObd = 1;
        st.s->FlagiParam = 1;
        const QList<int> kody = st.Sloty(3);
        QCOMPARE(kody, (QList<int>{0x95, 0x91, 0x91}));
        QCOMPARE(int(st.s->WyslijObd), 0);
    }

    void obdPollPayloadCarriesFuelSystemsAndTrims() {
        TStanowisko st;
        QVERIFY(st.OtworzBezOdczytow());
        for (int i = 0; i < 36; ++i)
            st.s->StanObd[i] = static_cast<unsigned char>(0xA0 + i);
        st.s->WyslijObd = 1;
        const auto z = st.Slot();
        QVERIFY(z);
        QCOMPARE(z->kod, 0x94);
        QCOMPARE(z->dane.size(), 8);
        QCOMPARE(z->dane.mid(2), QByteArray::fromHex("a5a6a7a8a9aa"));
        QCOMPARE(int(static_cast<std::uint8_t>(z->dane[1])), 0);
    }
};

QTEST_GUILESS_MAIN(TestLacze)
#include "tst_lacze.moc"
