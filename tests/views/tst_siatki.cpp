// The map grids' rules: layout by mode and level, texts, colours, block edits with their
// feathering, the axis entries.

#include "MapaPortow.h"
#include "Siatki.h"
#include "TSterownik.h"

#include <QTest>

class TestSiatki : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;

private slots:
    void init() { s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so")); }

    void layoutByModeAndLevel() {
        // 700 x 600: two grids of cells 690 / 17 = 40 wide and (300 - 30) / 17 = 15 high.
        TUkladSiatek u = UkladSiatek({700, 600}, 1, 1);
        QVERIFY(u.PokazA);
        QCOMPARE(u.E, 40);
        QCOMPARE(u.C, 15);
        QCOMPARE(u.A, QRect(5, 16, 17 * 40 + 4, 17 * 15 + 4));
        QCOMPARE(u.B.topLeft(), QPoint(5, 300 + 21));
        // Level 0, or the delay and enrichment grids: grid B alone, at the top, full height.
        for (const auto& [tryb, poziom] : {std::pair{1, 0}, {6, 2}, {7, 1}}) {
            u = UkladSiatek({700, 600}, tryb, poziom);
            QVERIFY(!u.PokazA);
            QCOMPARE(u.B.topLeft(), QPoint(5, 16));
            QCOMPARE(u.C, 580 / 17);
        }
    }

    void featheringFollowsAtFallingRates() {
        const TTablicaB t{s->KorOdObr1, 50, 150, 0x8};
        const QRect blok(6, 6, 2, 2); // r 6..7, l 6..7
        for (int licznik = 1; licznik <= 4; ++licznik)
            QVERIFY(ZmienBlok(t, blok, 1, licznik, true));
        const auto c = [&](int r, int l) { return int(s->KorOdObr1[16 * r + l]); };
        QCOMPARE(c(6, 6), 104);
        QCOMPARE(c(5, 7), 102); // distance 1
        QCOMPARE(c(9, 9), 101); // distance 2
        QCOMPARE(c(3, 6), 100); // distance 3
        QCOMPARE(c(0, 0), 100);
        // Without feathering only the block moves.
        QVERIFY(ZmienBlok(t, blok, -1, 2, false));
        QCOMPARE(c(6, 7), 103);
        QCOMPARE(c(5, 7), 102);
    }

    void limitsOfTheCorrections() {
        const TTablicaB t{s->KorOdObr1, 50, 150, 0x8};
        s->KorOdObr1[0] = 150;
        QVERIFY(!ZmienBlok(t, QRect(0, 0, 1, 1), 1, 1, false));
        QCOMPARE(int(s->KorOdObr1[0]), 150);
        s->KorOdObr1[0] = 50;
        QVERIFY(!ZmienBlok(t, QRect(0, 0, 1, 1), -1, 1, false));
        std::memset(s->KorOdObr1, 150, 256);
        QVERIFY(!ZmienWszystko(t, 1));
        QVERIFY(ZmienWszystko(t, -1));
        QCOMPARE(int(s->KorOdObr1[255]), 149);
    }

    void axisEntries() {
        QCOMPARE(WpisObrotow(QStringLiteral("20000")).value_or(-1), 200);
        QCOMPARE(WpisObrotow(QStringLiteral("30")).value_or(-1), 1);
        QVERIFY(!WpisObrotow(QStringLiteral("abc")));
        QCOMPARE(WpisObciazenia(QStringLiteral("1,25"), false).value_or(-1), 125);
        QCOMPARE(WpisObciazenia(QStringLiteral("9"), false).value_or(-1), 255);
        QCOMPARE(WpisObciazenia(QStringLiteral("2,00"), true).value_or(-1), 100);
        QVERIFY(!WpisObciazenia(QStringLiteral("x"), false));
        QVERIFY(!WpisObciazenia(QStringLiteral("0"), false));
        s->Nastawy[224 + 3] = 125;
        const TWidokSiatek w{1, 2, 1};
        QCOMPARE(NaglowekWiersza(*s, w, 3, true), QStringLiteral("1.25"));
        s->Nastawy[4] = 2;
        s->Nastawy[224 + 3] = 100;
        QCOMPARE(NaglowekWiersza(*s, w, 3, true), QStringLiteral("2.00"));
        s->Nastawy[76] = 1; // petrol time as load: 16 steps of 1.6 ms in grid B
        QCOMPARE(NaglowekWiersza(*s, w, 3, true), QStringLiteral("6.4"));
        QCOMPARE(NaroznikB(*s, w), -50);
        QCOMPARE(NaglowekKolumny(*s, 0), QStringLiteral("600"));
    }

    void cellTextsAndColours() {
        const int k = 16 * 2 + 5;
        s->MapaEcuBen[k] = 45;
        s->MapaEcuGaz[k] = 30;
        QCOMPARE(TekstA(*s, {1, 0, 1}, 2, 5), QStringLiteral("4.5"));
        QCOMPARE(TekstA(*s, {1, 2, 1}, 2, 5), QStringLiteral("+1.5"));
        const TKoloryKomorki odchylka = KoloryA(*s, {1, 2, 1}, 2, 5);
        QCOMPARE(odchylka.tlo, QColor(255, 255, 210));
        QCOMPARE(odchylka.tekst, QColor(176, 0, 0)); // 15 above the limit of 10
        QCOMPARE(TekstA(*s, {1, 2, 1}, 2, 6), QString());
        // OBD maps: percent around 128; the deviation of bank 2 is not shown.
        s->MapaObdBen2[k] = 140;
        s->MapaObdGaz2[k] = 136;
        QCOMPARE(TekstA(*s, {5, 0, 2}, 2, 5), QStringLiteral("9.4"));
        QCOMPARE(TekstA(*s, {5, 2, 1}, 2, 5), QStringLiteral("+3.1"));
        QCOMPARE(TekstA(*s, {5, 2, 2}, 2, 5), QString());
        s->KorOdObr1[k] = 130;
        QCOMPARE(TekstB(*s, {1, 0, 1}, 2, 5), QStringLiteral("30"));
        QCOMPARE(KoloryB(*s, {1, 0, 1}, 2, 5).tlo, QColor(255, 205, 205));
        s->KorOdObr1[k] = 90;
        QCOMPARE(KoloryB(*s, {1, 0, 1}, 2, 5).tlo, QColor(225, 225, 255));
        QCOMPARE(TekstB(*s, {7, 0, 1}, 0, 0), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestSiatki)
#include "tst_siatki.moc"
