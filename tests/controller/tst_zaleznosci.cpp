// What a change of one setting does to the others, what may be edited, and which block
// is written.

#include "Bloki.h"
#include "MapaPortow.h"
#include "Stanowisko.h"
#include "TSterownik.h"
#include "ZaleznosciNastaw.h"

#include <QTest>

class TestZaleznosci : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;

    int N(int i) const { return s->Nastawy[i]; }

private slots:
    void init() { s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so")); }

    void injectorsAsRpmSignal() {
        s->Nastawy[60] = 30;
        ZapiszNastawe(*s, 1, 7, TrybZakresu);
        QCOMPARE(N(2), 1);
        QCOMPARE(N(60), 0);
        QCOMPARE(N(65), 50);
        QCOMPARE(N(57), 1);
        QCOMPARE(N(68), 0);
        QVERIFY(NastawaDostepna(*s, 2));
        QVERIFY(!NastawaDostepna(*s, 3));
        QVERIFY(!NastawaDostepna(*s, 68));
        QVERIFY(NastawaDostepna(*s, 4));

        s->Nastawy[4] = 1;
        ZapiszNastawe(*s, 1, 6, TrybZakresu);
        QCOMPARE(N(2), 8);
        QCOMPARE(N(4), 0);
        QCOMPARE(N(65), 5);
        QCOMPARE(N(68), 1);
        QVERIFY(!NastawaDostepna(*s, 2));
        QVERIFY(!NastawaDostepna(*s, 4));

        // The generation-3 board keeps its RPM wire.
        s->PlytkaV3 = true;
        s->Nastawy[4] = 1;
        ZapiszNastawe(*s, 1, 8, TrybZakresu);
        QCOMPARE(N(2), 116);
        QCOMPARE(N(4), 1);
    }

    void injectionTypeMasks_data() {
        QTest::addColumn<int>("wtryskiwacze");
        QTest::addColumn<int>("typ");
        QTest::addColumn<QList<int>>("maski");
        QTest::newRow("semi-sequential, 4") << 4 << 1 << QList<int>{5, 10, 0, 0, 0, 0, 0, 0};
        QTest::newRow("semi-sequential, 8") << 8 << 1 << QList<int>{0x55, 0xAA, 0, 0, 0, 0, 0, 0};
        QTest::newRow("full group, 6") << 6 << 2 << QList<int>{0x3F, 0, 0, 0, 0, 0, 0, 0};
        // 37 and 39 are not masked, 36 and 38 are.
        QTest::newRow("sequential, 4") << 4 << 0 << QList<int>{1, 2, 4, 8, 0, 0x20, 0, 0x80};
        QTest::newRow("sequential, 6") << 6 << 0 << QList<int>{1, 2, 4, 8, 0x10, 0x20, 0, 0x80};
    }
    void injectionTypeMasks() {
        QFETCH(int, wtryskiwacze);
        QFETCH(int, typ);
        QFETCH(QList<int>, maski);
        s->LiczbaWtryskiwaczy = wtryskiwacze;
        s->Nastawy[8] = typ == 0 ? 1 : 0;
        ZapiszNastawe(*s, 8, typ, TrybZakresu);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(N(32 + k), maski[k]);
        QCOMPARE(N(56), typ);
        QCOMPARE(int(s->ZmianaWtryskiwaczy), 1);
        QCOMPARE(int(s->ZmianaPaliwaSzybka), 0); // the engine was on petrol
    }

    void injectionTypeOnGasAlsoRequestsTheFastChangeover() {
        s->StanPracy[0] = 3;
        ZapiszNastawe(*s, 8, 2, TrybZakresu);
        QCOMPARE(int(s->ZmianaPaliwaSzybka), 1);
        QVERIFY(!NastawaDostepna(*s, 67));
    }

    void tablesFollowTheirSettings() {
        ZapiszNastawe(*s, 24, 26, TrybZakresu);
        QCOMPARE((QList<int>{N(25), N(26), N(27), N(28)}), (QList<int>{30, 168, 128, 100}));
        ZapiszNastawe(*s, 40, 2, TrybZakresu);
        QCOMPARE((QList<int>{N(41), N(42), N(43), N(44)}), (QList<int>{58, 54, 40, 11}));
        ZapiszNastawe(*s, 10, 1, TrybZakresu);
        QCOMPARE(N(224), 12);
        QCOMPARE(N(226), 37);
        QCOMPARE(N(239), 200);
        // A MAF wire brings the load axis back and the engine type to 0.
        ZapiszNastawe(*s, 4, 2, TrybZakresu);
        QCOMPARE(N(224), 6);
        QCOMPARE(N(239), 100);
        QCOMPARE(N(10), 0);
    }

    void clampingCodesAndTheBlockWritten() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        ZapiszNastawe(*st.s, 61, 250, TrybZakresu);
        QCOMPARE(int(st.s->Nastawy[61]), 200);
        QCOMPARE(st.s->DoZapisu, Bloki::Nastawy);
        st.s->DoZapisu = 0;
        ZapiszNastawe(*st.s, 263, 0x0301, TrybKodu);
        QCOMPARE(int(st.s->NastawyObd[263 - 256]), 0x01);
        QCOMPARE(int(st.s->NastawyObd[264 - 256]), 0x03);
        QCOMPARE(st.s->DoZapisu, Bloki::NastawyObd);
    }

    void everyDependencyPostsOneWriteOfItsBlocks_data() {
        QTest::addColumn<int>("indeks");
        QTest::addColumn<int>("wartosc");
        QTest::addColumn<int>("bloki");
        for (const auto& [i, v] : {std::pair{1, 7},
                                   {4, 2},
                                   {8, 1},
                                   {10, 1},
                                   {12, 0},
                                   {24, 5},
                                   {40, 3},
                                   {85, 170},
                                   {86, 120},
                                   {50, 90}})
            QTest::addRow("setting %d := %d", i, v) << i << v << Bloki::Nastawy;
        // Switching adaptation off folds the learnt values into the multipliers.
        QTest::newRow("adaptation off")
            << 81 << 0 << (Bloki::Nastawy | Bloki::Mnoznik1 | Bloki::Mnoznik2);
        QTest::newRow("module protocol") << 257 << 3 << Bloki::NastawyObd;
    }
    void everyDependencyPostsOneWriteOfItsBlocks() {
        QFETCH(int, indeks);
        QFETCH(int, wartosc);
        QFETCH(int, bloki);
        TStanowisko st;
        QVERIFY(st.Otworz());
        st.s->Nastawy[81] = 1;
        ZapiszNastawe(*st.s, indeks, wartosc, TrybZakresu);
        QCOMPARE(st.s->DoZapisu, bloki);
    }

    void adaptationOffFoldsTheLearntValues() {
        s->Nastawy[81] = 1;
        s->IdentSterownika[67] = 138;
        s->IdentSterownika[69] = 128;
        s->Mnoznik1[10] = 100;
        ZapiszNastawe(*s, 81, 0, TrybZakresu);
        QCOMPARE(int(s->Mnoznik1[10]), 110);
        QCOMPARE(int(s->IdentSterownika[67]), 128);
        QVERIFY(!NastawaDostepna(*s, 75));
    }
};

QTEST_GUILESS_MAIN(TestZaleznosci)
#include "tst_zaleznosci.moc"
