// Maps, multiplier curves and corrections: resets and what they write, the multiplier
// interpolation, the folding of the learned adaptation, and the constant tables.

#include "Bloki.h"
#include "RamkaTestowa.h"
#include "Stanowisko.h"

#include <QTest>

#include <functional>

namespace {

QByteArray Blok(const unsigned char* b, int n = 256) {
    return QByteArray(reinterpret_cast<const char*>(b), n);
}

using TOperacja = std::function<void(TSterownik&)>;

} // namespace

Q_DECLARE_METATYPE(TOperacja)

class TestMapy : public QObject {
    Q_OBJECT

private slots:
    void resetsPostOrRequestTheirWrites_data() {
        QTest::addColumn<TOperacja>("operacja");
        QTest::addColumn<int>("zapis");       // DoZapisu afterwards, connected
        QTest::addColumn<int>("zapisOdczyt"); // with a read of every block pending
        QTest::newRow("petrol map")
            << TOperacja([](TSterownik& s) { s.KasujMapeEcuBen(); }) << 0x10000 << 0x10000;
        QTest::newRow("gas map") << TOperacja([](TSterownik& s) { s.KasujMapeEcuGaz(); }) << 0x20000
                                 << 0x20000;
        QTest::newRow("OBD petrol maps")
            << TOperacja([](TSterownik& s) { s.KasujMapeOdbBen(); }) << 0x500000 << 0x500000;
        QTest::newRow("OBD gas maps")
            << TOperacja([](TSterownik& s) { s.KasujMapeObdGaz(); }) << 0xA00000 << 0xA00000;
        QTest::newRow("multiplier 1")
            << TOperacja([](TSterownik& s) { s.KasujMnoznik(1); }) << 0x3 << 0x3;
        QTest::newRow("multiplier 2")
            << TOperacja([](TSterownik& s) { s.KasujMnoznik(2); }) << 0x5 << 0x5;
        QTest::newRow("rpm corrections")
            << TOperacja([](TSterownik& s) { s.KasujKorOdObr(3); }) << 0x18 << 0x18;
        QTest::newRow("corrections")
            << TOperacja([](TSterownik& s) { s.KasujKorekty(); }) << 0x700 << 0x700;
        QTest::newRow("delays are requested")
            << TOperacja([](TSterownik& s) { s.KasujOpoznienia(); }) << 0x1000 << 0;
        QTest::newRow("enrichment is requested")
            << TOperacja([](TSterownik& s) { s.KasujWzbogacenie(); }) << 0x2000 << 0;
    }
    void resetsPostOrRequestTheirWrites() {
        QFETCH(TOperacja, operacja);
        QFETCH(int, zapis);
        QFETCH(int, zapisOdczyt);
        TStanowisko st;
        QVERIFY(st.Otworz());
        operacja(*st.s);
        QCOMPARE(st.s->DoZapisu, zapis);
        st.s->DoZapisu = 0;
        st.s->DoOdczytu = 0x3FFF;
        operacja(*st.s);
        QCOMPARE(st.s->DoZapisu, zapisOdczyt);
    }

    void erasingTheBlockedPetrolMapUnblocksIt() {
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        std::memset(s.MapaEcuBen, 9, 256);
        s.Nastawy[79] = 1;
        s.KasujMapeEcuBen();
        QCOMPARE(Blok(s.MapaEcuBen), QByteArray(256, '\0'));
        QCOMPARE(int(s.Nastawy[79]), 0);
        QCOMPARE(s.DoZapisu, 0x10001);
    }

    void correctionCurvesResetToTheirLayout() {
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        std::memset(s.KorOdTempRed, 1, 256);
        s.KasujKorekty();
        QByteArray oczekiwana(50, '\0');
        oczekiwana[0] = 9;
        oczekiwana[2] = char(98);
        oczekiwana[3] = char(128);
        oczekiwana[16] = char(228);
        oczekiwana[17] = char(128);
        oczekiwana += QByteArray(206, char(128));
        QCOMPARE(Blok(s.KorOdTempRed), oczekiwana);
        QCOMPARE(int(s.KorOdCis[0]), 8);
        QCOMPARE(int(s.KorOdCis[2]), 50);
        QCOMPARE(int(s.KorOdCis[16]), 250);
        QCOMPARE(int(s.KorOdTempGazu[0]), 10);
    }

    void defaultDelaysGrowAboveTheDiagonal() {
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        QCOMPARE(Blok(s.OpoznienieWtr, 16),
                 QByteArray::fromHex("0204080a0c0e10121416181a1c1e2022"));
        QCOMPARE(Blok(s.OpoznienieWtr + 240, 16), QByteArray(16, 2));
        QCOMPARE(Blok(s.OpoznienieWtr + 16 * 5, 16),
                 QByteArray::fromHex("0202020202020408 0a0c0e1012141618").replace(' ', ""));
    }

    void multiplierWithOnlyTheLastPointRunsFromZeroToIt() {
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        s.Mnoznik1[0] = 150;
        s.Mnoznik1[200] = 50;
        s.WyliczMnoznik(0, 1, 255);
        QCOMPARE(int(s.Mnoznik1[0]), 150);
        QCOMPARE(int(s.Mnoznik1[100]), 100);
        QCOMPARE(int(s.Mnoznik1[199]), 50); // 150 - 199 x 0.5 truncated
        QCOMPARE(int(s.Mnoznik1[200]), 50);
        QCOMPARE(Blok(s.Mnoznik1 + 201, 55), QByteArray(55, 50));
        for (int i = 1; i <= 200; ++i)
            QVERIFY(s.Mnoznik1[i] <= s.Mnoznik1[i - 1]);
    }

    void multiplierPointNotAfterThePreviousBecomesTheNewStart() {
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        s.Nastawy[191] = 100;
        s.Nastawy[192] = 80; // before 100: no segment, but the next one starts here
        s.Nastawy[193] = 120;
        s.Mnoznik1[0] = 100;
        s.Mnoznik1[80] = 60;
        s.Mnoznik1[100] = 140;
        s.Mnoznik1[120] = 100;
        s.Mnoznik1[200] = 100;
        s.WyliczMnoznik(0, 1, 255);
        QCOMPARE(int(s.Mnoznik1[50]), 120); // 0..100 from 100 to 140
        // The first segment already overwrote position 80 with 132, so 80..120 runs from
        // 132 to 100.
        QCOMPARE(int(s.Mnoznik1[80]), 132);
        QCOMPARE(int(s.Mnoznik1[90]), 124);
        QCOMPARE(int(s.Mnoznik1[110]), 108);
        QCOMPARE(int(s.Mnoznik1[150]), 100);
    }

    void multiplierIsClampedAndCopiedToBankTwo() {
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        s.Nastawy[191] = 40;
        s.Mnoznik1[0] = 250;
        s.Mnoznik1[40] = 10;
        s.WyliczMnoznik(2, 50, 150);
        QCOMPARE(int(s.Mnoznik1[0]), 150);
        QCOMPARE(int(s.Mnoznik1[39]), 50);
        QCOMPARE(int(s.Nastawy[165]), 40);
        QCOMPARE(int(s.Mnoznik2[40]), 10); // bank 2 is the curve before interpolation
        QCOMPARE(int(s.Mnoznik2[0]), 250);
    }

    void neutralAdaptationStillWritesAndReadsBack() {
        TStanowisko st;
        QVERIFY(st.OtworzBezOdczytow());
        std::memset(st.s->IdentSterownika + 66, 128, 4);
        st.s->Mnoznik1[5] = 0;
        st.s->DodajAdaptacje();
        QCOMPARE(int(st.s->Nastawy[90]), 128);
        QCOMPARE(int(st.s->Mnoznik1[5]), 1);
        QCOMPARE(int(st.s->Mnoznik1[6]), 100);
        QCOMPARE(st.s->DoZapisu, 0x7);
        const QList<int> kody = st.ObsluzDo(0x89);
        QCOMPARE(kody, (QList<int>{0xF8, 0xF9, 0xFA, 0xC7, 0x89})); // with the history entry
        QCOMPARE(st.s->DoOdczytu, 0x71F);
    }

    void learnedAdaptationIsFoldedIntoSettingAndCurves() {
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        s.Nastawy[90] = 120;
        const unsigned char a[] = {141, 90, 150, 200};
        std::memcpy(s.IdentSterownika + 66, a, 4);
        s.Mnoznik2[3] = 250;
        s.DodajAdaptacje();
        QCOMPARE(int(s.Nastawy[90]), 120 + 70 + 75 - 128);
        QCOMPARE(int(s.Mnoznik1[0]), 100 + 90 - 128);
        QCOMPARE(int(s.Mnoznik2[0]), 172);
        QCOMPARE(int(s.Mnoznik2[3]), 255);
        QCOMPARE(Blok(s.IdentSterownika + 66, 4), QByteArray(4, char(128)));
        QCOMPARE(int(s.Fabryczne), 1);
    }

    void constantTablesMeetTheirLandmarks() {
        for (int p = 0; p <= 70; ++p)
            QCOMPARE(TSterownik::CzytajKorOdCis(p), 255);
        QVERIFY(TSterownik::CzytajKorOdCis(71) < 255);
        QCOMPARE(TSterownik::CzytajKorOdCis(139), 128);
        QCOMPARE(TSterownik::CzytajKorOdCis(140), 128);
        QCOMPARE(TSterownik::CzytajKorOdCis(276), 64);
        for (int p = 498; p <= 511; ++p)
            QCOMPARE(TSterownik::CzytajKorOdCis(p), 35);
        QCOMPARE(TSterownik::CzytajKorOdCis(512), -1);
        QCOMPARE(TSterownik::CzytajKorOdCis(-1), -1);

        for (int p = 0; p <= 79; ++p)
            QCOMPARE(TSterownik::CzytajKorOdTempGazu(p), 65);
        QVERIFY(TSterownik::CzytajKorOdTempGazu(80) > 65);
        for (int p = 159; p <= 176; ++p)
            QCOMPARE(TSterownik::CzytajKorOdTempGazu(p), 128);
        QCOMPARE(TSterownik::CzytajKorOdTempGazu(255), 159);
        QCOMPARE(TSterownik::CzytajKorOdTempGazu(256), -1);
    }

    void thermistorTablesMeetTheirLandmarks_data() {
        QTest::addColumn<int>("czujnik");
        QTest::addColumn<int>("goraca"); // last reading giving 255
        QTest::addColumn<int>("zimna");  // last reading giving 88 (-40 °C)
        QTest::newRow("2.2k") << 0 << 4 << 237;
        QTest::newRow("4.7k") << 1 << 8 << 243;
        QTest::newRow("6.8k") << 2 << 12 << 245;
        QTest::newRow("10k") << 3 << 16 << 249;
    }
    void thermistorTablesMeetTheirLandmarks() {
        QFETCH(int, czujnik);
        QFETCH(int, goraca);
        QFETCH(int, zimna);
        int (*const tablice[])(int) = {TSterownik::CzytajTabTer2k2, TSterownik::CzytajTabTer4k7,
                                       TSterownik::CzytajTabTer6k8, TSterownik::CzytajTabTer10k};
        const auto t = tablice[czujnik];
        for (int x = 0; x <= goraca; ++x)
            QCOMPARE(t(x), 255);
        QVERIFY(t(goraca + 1) < 255);
        QCOMPARE(t(zimna), 88);
        for (int x = zimna + 1; x < 256; ++x)
            QCOMPARE(t(x), 0);
        for (int x = 1; x <= zimna; ++x)
            QVERIFY(t(x) <= t(x - 1));
        QVERIFY(t(zimna / 2) > 128 && t(zimna / 2) < 200); // mid-range reads a plausible warm value
        QCOMPARE(t(256), -1);
        QCOMPARE(t(-1), -1);
    }

    void correctionTablesAreMonotonic() {
        for (int p = 1; p < 512; ++p)
            QVERIFY(TSterownik::CzytajKorOdCis(p) <= TSterownik::CzytajKorOdCis(p - 1));
        for (int p = 1; p < 256; ++p)
            QVERIFY(TSterownik::CzytajKorOdTempGazu(p) >= TSterownik::CzytajKorOdTempGazu(p - 1));
    }
};

QTEST_GUILESS_MAIN(TestMapy)
#include "tst_mapy.moc"
