// The road calibration's proposal against maps worked by hand: which cells count, how the
// deviation near a break point is weighed, the new values and their bounds, and what
// applying them writes.

#include "Bloki.h"
#include "KrzywaMnoznika.h"
#include "PropozycjaMnoznika.h"
#include "Stanowisko.h"

#include <QTest>

#include <array>
#include <cstring>

namespace {

struct TPunkt {
    int pozycja, wartosc;
};

// One bank's tables and the two maps, filled the way a test reads them.
struct TMapy {
    std::array<unsigned char, 26> punkty{};
    std::array<unsigned char, 256> krzywa{};
    std::array<unsigned char, 256> ben{}, gaz{};
    int wolna = 0; // next free cell, from row 2 on

    // Break points 1.. and the last one at 200; the curve interpolated between them.
    void Punkty(std::initializer_list<TPunkt> lista) {
        int k = 0;
        for (TPunkt p : lista) {
            const int indeks = p.pozycja == 200 ? 25 : k++;
            punkty[size_t(indeks)] = static_cast<unsigned char>(p.pozycja);
            krzywa[size_t(p.pozycja)] = static_cast<unsigned char>(p.wartosc);
        }
        InterpolujMnoznik(krzywa.data(), punkty.data(), 1, 250);
    }
    // `ile` cells with petrol time p on petrol and g on gas, in rows 2..12.
    void Komorki(int p, int g, int ile) {
        for (int i = 0; i < ile; ++i) {
            const int c = 32 + wolna++;
            ben[size_t(c)] = static_cast<unsigned char>(p);
            gaz[size_t(c)] = static_cast<unsigned char>(g);
        }
    }
    TPropozycja Propozycja(int min = 50, int max = 150) const {
        return ZaproponujMnoznik(
            TDanePropozycji{punkty.data(), krzywa.data(), ben.data(), gaz.data(), 200, min, max},
            1);
    }
};

// Values of the proposal by position.
QList<int> Nowe(const TPropozycja& p) {
    QList<int> v;
    for (const TPunktPropozycji& punkt : p.punkty)
        v << punkt.nowa;
    return v;
}

} // namespace

class TestPropozycjaMnoznika : public QObject {
    Q_OBJECT

private slots:
    void onlyTheDeviationFitsCellsCount_data() {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("l");
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("g");
        QTest::addColumn<bool>("liczy");
        QTest::newRow("mid-map cell") << 5 << 7 << 60 << 55 << true;
        QTest::newRow("idle row counts too") << 0 << 0 << 25 << 24 << true;
        QTest::newRow("row 12 is the last") << 12 << 3 << 90 << 90 << true;
        QTest::newRow("row 13 is beyond the fit") << 13 << 3 << 90 << 90 << false;
        QTest::newRow("top row up to the ninth rpm point") << 8 << 15 << 150 << 150 << true;
        QTest::newRow("top row beyond it") << 9 << 15 << 150 << 150 << false;
        QTest::newRow("petrol at 0.9 M") << 4 << 4 << 180 << 170 << true;
        QTest::newRow("petrol beyond 0.9 M") << 4 << 4 << 181 << 170 << false;
        QTest::newRow("gas beyond 0.9 M") << 4 << 4 << 170 << 181 << false;
        QTest::newRow("no gas time") << 4 << 4 << 60 << 0 << false;
        QTest::newRow("no petrol time") << 4 << 4 << 0 << 60 << false;
    }
    void onlyTheDeviationFitsCellsCount() {
        QFETCH(int, r);
        QFETCH(int, l);
        QFETCH(int, p);
        QFETCH(int, g);
        QFETCH(bool, liczy);
        std::array<unsigned char, 256> ben{}, gaz{};
        ben[size_t(16 * r + l)] = static_cast<unsigned char>(p);
        gaz[size_t(16 * r + l)] = static_cast<unsigned char>(g);
        const auto komorki = KomorkiOdchylki(ben.data(), gaz.data(), 200);
        QCOMPARE(komorki.size(), size_t(liczy ? 1 : 0));
        if (liczy) QCOMPARE(komorki[0].gaz, g);
    }

    // Break point at 100 between neighbours at 50 and 150: weights 1 at 100, 0.5 at 75 and
    // 125, 0 at 50 and 150 and beyond.
    void cellsAreWeighedByTheBreakPointsReach() {
        const std::vector<TKomorkaOdchylki> komorki{
            {100, 90},  // -> 0.10, weight 1
            {75, 60},   // -> 0.20, weight 0.5
            {125, 100}, // -> 0.20, weight 0.5
            {50, 25},   // on the neighbour: weight 0
            {160, 80},  // beyond it
        };
        const TOszacowanie o = OszacujOdchylke(komorki, 50, 100, 150);
        QCOMPARE(o.komorek, 3);
        // (1 x 0.10 + 0.5 x 0.20 + 0.5 x 0.20) / 2 = 0.15
        QCOMPARE(o.odchylka, 0.15);
        // The first point's reach is to the right only: 50 (0.50) weighs 1 - 50/100 and
        // 75 (0.20) 1 - 75/100: (0.5 x 0.5 + 0.25 x 0.2) / 0.75 = 0.4.
        const TOszacowanie poczatek = OszacujOdchylke(komorki, 0, 0, 100);
        QCOMPARE(poczatek.komorek, 2);
        QCOMPARE(poczatek.odchylka, 0.4);
    }

    // Gas 10 % rich everywhere: on gas the ECU asks for 0.9 of its petrol time.
    void tenPercentRichEverywhereTakesTenPercentOff() {
        TMapy m;
        m.Punkty({{0, 120}, {25, 118}, {50, 110}, {100, 104}, {150, 100}, {200, 98}});
        for (int p = 10; p <= 180; p += 10)
            m.Komorki(p, p * 9 / 10, 2);
        const TPropozycja w = m.Propozycja();
        // 120 x 0.9 = 108, 118 x 0.9 = 106.2, 110 -> 99, 104 -> 93.6, 100 -> 90, 98 -> 88.2
        QCOMPARE(Nowe(w), (QList<int>{108, 106, 99, 94, 90, 88}));
        for (const TPunktPropozycji& p : w.punkty) {
            QVERIFY(!p.zaMaloKomorek && !p.ograniczona);
            QVERIFY2(std::abs(p.Procent() + 10) < 0.6, qPrintable(QString::number(p.Procent())));
        }
        // Cells strictly between the neighbours: 10, 20 (x2) for the first point, 160..180
        // (x2) for the last one.
        QCOMPARE(w.punkty.front().komorek, 4);
        QCOMPARE(w.punkty.back().komorek, 6);
        QCOMPARE(w.Zmienionych(), 6);
    }

    // Lean (the ECU asks for 10 % more on gas) only from 9 ms on; break points every 2 ms
    // from 1 ms. The one at 9 ms reaches back to 7 ms: cells at 8 (weight 0.5, no
    // deviation), 9 (1, -0.1) and 10 ms (0.5, -0.1) give -0.075.
    void leanAboveEightMillisecondsMovesOnlyThePointsAbove() {
        TMapy m;
        m.Punkty({{0, 120},
                  {10, 120},
                  {30, 120},
                  {50, 120},
                  {70, 120},
                  {90, 120},
                  {110, 120},
                  {130, 120},
                  {150, 120},
                  {170, 120},
                  {200, 120}});
        m.Komorki(5, 5, 3);
        for (int p = 10; p <= 160; p += 10)
            m.Komorki(p, p <= 80 ? p : p * 11 / 10, 3);
        const TPropozycja w = m.Propozycja();
        // 120 x 1.075 = 129, 120 x 1.1 = 132; nothing is collected beyond 16 ms.
        QCOMPARE(Nowe(w), (QList<int>{120, 120, 120, 120, 120, 129, 132, 132, 132, 132, 120}));
        QVERIFY(w.punkty.back().zaMaloKomorek);
        QCOMPARE(w.punkty.back().komorek, 0);
        for (size_t i = 0; i < 5; ++i)
            QVERIFY(!w.punkty[i].zaMaloKomorek);
    }

    void aBreakPointNeedsThreeCells_data() {
        QTest::addColumn<int>("komorek");
        QTest::addColumn<int>("nowa");
        QTest::newRow("two cells: stays") << 2 << 100;
        // 20 % rich: 100 x 0.8 = 80, cut to 85.
        QTest::newRow("three cells: moves") << 3 << 85;
    }
    void aBreakPointNeedsThreeCells() {
        QFETCH(int, komorek);
        QFETCH(int, nowa);
        TMapy m;
        m.Punkty({{0, 100}, {50, 100}, {100, 100}, {150, 100}, {200, 100}});
        m.Komorki(100, 80, komorek);
        const TPropozycja w = m.Propozycja();
        const TPunktPropozycji& p = w.punkty[2];
        QCOMPARE(p.pozycja, 100);
        QCOMPARE(p.komorek, komorek);
        QCOMPARE(p.zaMaloKomorek, komorek < 3);
        QCOMPARE(p.nowa, nowa);
        // Its neighbours see none of these cells.
        QCOMPARE(w.punkty[1].komorek, 0);
        QCOMPARE(w.punkty[3].nowa, 100);
    }

    void aStepIsBoundedByFifteenPercentAndTheLimits_data() {
        QTest::addColumn<int>("stara");
        QTest::addColumn<int>("g"); // gas-side petrol time where petrol is 100
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("nowa");
        QTest::addColumn<bool>("ograniczona");
        QTest::newRow("40 % rich") << 100 << 60 << 50 << 150 << 85 << true;
        QTest::newRow("40 % lean") << 100 << 140 << 50 << 150 << 115 << true;
        QTest::newRow("14 % rich stays whole") << 100 << 86 << 50 << 150 << 86 << false;
        // 110 x 0.85 = 93.5 -> 94 and 110 x 1.15 = 126.5 -> 126, never beyond 15 %.
        QTest::newRow("bound rounds inward, down") << 110 << 50 << 50 << 150 << 94 << true;
        QTest::newRow("bound rounds inward, up") << 110 << 150 << 50 << 150 << 126 << true;
        QTest::newRow("narrow range's top") << 140 << 110 << 50 << 150 << 150 << true;
        QTest::newRow("narrow range's bottom") << 55 << 80 << 50 << 150 << 50 << true;
        QTest::newRow("wide range's top") << 240 << 110 << 1 << 250 << 250 << true;
        QTest::newRow("wide range lets 15 % down") << 40 << 60 << 1 << 250 << 34 << true;
    }
    void aStepIsBoundedByFifteenPercentAndTheLimits() {
        QFETCH(int, stara);
        QFETCH(int, g);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, nowa);
        QFETCH(bool, ograniczona);
        TMapy m;
        m.Punkty({{0, stara}, {100, stara}, {200, stara}});
        m.Komorki(100, g, 3);
        const TPunktPropozycji p = m.Propozycja(min, max).punkty[1];
        QCOMPARE(p.nowa, nowa);
        QCOMPARE(p.ograniczona, ograniczona);
        QVERIFY(std::abs(p.nowa - p.stara) <= p.stara * 15 / 100 || p.nowa == min || p.nowa == max);
    }

    // Empty break points and ones beyond the axis are no part of it; the first is always set.
    void onlySetBreakPointsWithinTheAxisAreProposed() {
        TMapy m;
        m.Punkty({{0, 100}, {80, 100}, {200, 100}});
        m.punkty[5] = 0;   // empty
        m.punkty[6] = 210; // beyond M
        const TPropozycja w = m.Propozycja();
        QCOMPARE(w.punkty.size(), size_t(3));
        QCOMPARE(w.punkty[0].k, 0);
        QCOMPARE(w.punkty[1].k, 1);
        QCOMPARE(w.punkty[2].k, 25);
        QVERIFY(!w.Zmienia());
    }

    void applyWritesTheValuesKeepsThePositionsAndCopiesTheBank_data() {
        QTest::addColumn<int>("bank");
        QTest::addColumn<bool>("kopia");
        QTest::addColumn<int>("zapis");
        QTest::newRow("bank 1") << 1 << false << Bloki::Mnoznik1;
        QTest::newRow("bank 2") << 2 << false << Bloki::Mnoznik2;
        QTest::newRow("both alike")
            << 1 << true << (Bloki::Nastawy | Bloki::Mnoznik1 | Bloki::Mnoznik2);
    }
    void applyWritesTheValuesKeepsThePositionsAndCopiesTheBank() {
        QFETCH(int, bank);
        QFETCH(bool, kopia);
        QFETCH(int, zapis);
        TStanowisko st;
        QVERIFY(st.Otworz());
        TSterownik& s = *st.s;
        unsigned char* punkty = s.Nastawy + (bank == 2 ? PunktyMnoznika2 : PunktyMnoznika1);
        unsigned char* krzywa = bank == 2 ? s.Mnoznik2 : s.Mnoznik1;
        std::memset(punkty, 0, PunktowMnoznika);
        punkty[1] = 100;
        punkty[25] = 200;
        std::memset(krzywa, 100, 256);
        // 10 % rich around 10 ms, 3 cells: 100 -> 90 there, the ends keep 100.
        for (int i = 0; i < 3; ++i) {
            s.MapaEcuBen[40 + i] = 100;
            s.MapaEcuGaz[40 + i] = 90;
        }
        const QByteArray punktyPrzed(reinterpret_cast<const char*>(punkty), PunktowMnoznika);
        const TPropozycja p = ZaproponujMnoznik(s, bank);
        QVERIFY(PropozycjaAktualna(s, p));
        s.DoZapisu = 0;
        ZastosujPropozycje(s, p, kopia);
        QCOMPARE(s.DoZapisu, zapis);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(punkty), PunktowMnoznika), punktyPrzed);
        // Between 0 (100) and 10 ms (90): 100 - j x 0.1, truncated; from 10 to 20 ms back up.
        QCOMPARE(int(krzywa[0]), 100);
        QCOMPARE(int(krzywa[50]), 95);
        QCOMPARE(int(krzywa[55]), 94);
        QCOMPARE(int(krzywa[100]), 90);
        QCOMPARE(int(krzywa[150]), 95);
        QCOMPARE(int(krzywa[200]), 100);
        if (kopia) QCOMPARE(std::memcmp(s.Mnoznik1, s.Mnoznik2, 256), 0);
        // Applied, the proposal no longer describes the bank.
        QVERIFY(!PropozycjaAktualna(s, p));
    }
};

QTEST_GUILESS_MAIN(TestPropozycjaMnoznika)
#include "tst_propozycjamnoznika.moc"
