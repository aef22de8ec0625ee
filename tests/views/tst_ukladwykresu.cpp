// The multiplier chart's geometry, scales, fits and scatter as plain arithmetic.

#include "Dopasowanie.h"
#include "LokalizacjaTestu.h"
#include "MapaPortow.h"
#include "RozrzutMap.h"
#include "TSterownik.h"
#include "UkladWykresu.h"

#include <QTest>

class TestUkladWykresu : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init() { s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so")); }

    void plotAndTimeAxis() {
        // View 520 x 462.5: plot 400 wide in mode 0, 440 in the curve modes; 400 high.
        const TObszarWykresu o = ObszarWykresu({520, 463}, 0);
        QCOMPARE(o.w, 400);
        QCOMPARE(o.h, 400);
        QCOMPARE(o.yb, 425);
        QCOMPARE(ObszarWykresu({520, 463}, 3).w, 440);
        QList<int> x;
        QStringList etykiety;
        for (const TPodzialka& p : PodzialkaCzasu(o, {}))
            x << p.Polozenie - o.x0, etykiety << p.Etykieta;
        QCOMPARE(x, (QList<int>{0, 40, 80, 120, 160, 200, 240, 280, 320, 360, 400}));
        QCOMPARE(etykiety.first(), QStringLiteral("0"));
        QCOMPARE(etykiety.last(), QStringLiteral("20"));
    }

    void multiplierScales() {
        const TObszarWykresu o = ObszarWykresu({520, 463}, 0);
        const TSkalaMnoznika waska{200, false}, szeroka{200, true};
        QCOMPARE(LiniaNeutralna(o, waska), 425 - 200);
        QCOMPARE(LiniaNeutralna(o, szeroka), 425 - 160); // 100 of 250
        // 250 on the wide scale is the top (+1 pixel, as points are drawn).
        QCOMPARE(PunktKrzywej(o, szeroka, 200, 250), QPoint(441, 26));
        // 150 on the narrow one as well; 100 at the neutral line.
        QCOMPARE(PunktKrzywej(o, waska, 0, 150), QPoint(41, 26));
        QCOMPARE(PunktKrzywej(o, waska, 100, 100), QPoint(241, 226));
        QCOMPARE(PozycjaPod(o, waska, 240), 100);
        QCOMPARE(WartoscPod(o, waska, 225), 100);
        QCOMPARE(WartoscPod(o, szeroka, 25), 250);
        const auto lewa = PodzialkaMnoznika(o, waska);
        QCOMPARE(lewa.size(), size_t(11));
        QCOMPARE(lewa.front().Etykieta, QStringLiteral("0.5"));
        QCOMPARE(lewa.back().Etykieta, QStringLiteral("1.5"));
        QCOMPARE(PodzialkaMnoznika(o, szeroka).back().Etykieta, QStringLiteral("2.5"));
        // Calibration at 2.60 ms (52 x 0.05): 26 positions of 200 across 400 pixels.
        QCOMPARE(XKalibracji(o, waska, 52), 40 + 52);
    }

    void loadAxisAndCursor() {
        const TObszarWykresu o = ObszarWykresu({520, 463}, 0);
        s->Nastawy[239] = 100; // 1.00 bar
        const auto prawa = PodzialkaObciazenia(o, *s);
        QCOMPARE(prawa[5].Etykieta, QStringLiteral("0.5"));
        QCOMPARE(prawa[10].Etykieta, QStringLiteral("1"));
        s->Nastawy[4] = 2; // MAF reads twice the range
        QCOMPARE(PodzialkaObciazenia(o, *s)[10].Etykieta, QStringLiteral("2"));
        unsigned char ramka[128] = {};
        ramka[19] = 50;  // 5.0 ms
        ramka[58] = 200; // MAF input, limited to 4 x 100
        QCOMPARE(KursorMnoznika(o, {}, *s, ramka), QPoint(40 + 100, 425 - 200));
        s->Nastawy[4] = 0;
        ramka[19] = 255; // beyond the axis: at its end
        ramka[44] = 0x2C;
        ramka[45] = 0x01; // 3.00 bar, limited to the top
        QCOMPARE(KursorMnoznika(o, {}, *s, ramka), QPoint(440, 25));
    }

    void leastSquares() {
        // A line through (0,1), (1,3), (2,5), (3,7).
        const TWspolczynniki l = Dopasuj({{0, 1}, {1, 3}, {2, 5}, {3, 7}}, 1);
        QVERIFY(qAbs(l[0] - 1) < 1e-9 && qAbs(l[1] - 2) < 1e-9 && l[2] == 0);
        // y = x^2 - 2x + 3 through five points.
        std::vector<QPointF> p;
        for (int x = -2; x <= 2; ++x)
            p.push_back(QPointF(x, x * x - 2 * x + 3));
        const TWspolczynniki q = Dopasuj(p, 2);
        QVERIFY(qAbs(q[0] - 3) < 1e-9 && qAbs(q[1] + 2) < 1e-9 && qAbs(q[2] - 1) < 1e-9);
        // Noisy points: slope Sxy / Sxx = 4.5 / 5, intercept 2.25 - 0.9 x 1.5.
        const TWspolczynniki n = Dopasuj({{0, 1}, {1, 2}, {2, 2}, {3, 4}}, 1);
        QVERIFY(qAbs(n[1] - 0.9) < 1e-9 && qAbs(n[0] - 0.9) < 1e-9);
        // One x only: the slope cannot be found and stays 0.
        const TWspolczynniki z = Dopasuj({{0, 4}, {0, 6}}, 1);
        QCOMPARE(z[0], 5.0);
        QCOMPARE(z[1], 0.0);
        QCOMPARE(StopienDopasowania(2), 0);
        QCOMPARE(StopienDopasowania(8), 1);
        QCOMPARE(StopienDopasowania(9), 2);
    }

    void scatterOfAMap() {
        const TObszarWykresu o = ObszarWykresu({520, 463}, 0);
        const TSkalaMnoznika sk;
        s->Nastawy[10] = 1;
        unsigned char m[256] = {};
        m[16 * 4 + 7] = 50;   // r 4, l 7: fitted
        m[16 * 1 + 7] = 60;   // r 1: drawn, not fitted
        m[16 * 10 + 15] = 70; // l 15, r 10: not collected
        m[16 * 5 + 5] = 190;  // beyond 0.9 M: drawn, not fitted
        m[16 * 6 + 6] = 201;  // beyond M: not drawn
        const TRozrzut r = RozrzutMapy(*s, m, o, sk);
        QCOMPARE(r.Punkty.size(), size_t(3));
        QCOMPARE(r.DoDopasowania.size(), size_t(1));
        // x = 40 + 50 x 400 / 200; y = 425 - 400 x 50/100 x (1 - 12 x 0.1 / 16) = 240.
        QCOMPARE(r.Punkty[1], QPoint(40 + 50 * 400 / 200, 425 - 185));
        QCOMPARE(r.DoDopasowania.front(), QPointF(r.Punkty[1]));
    }

    void deviationPointsOnlyWithinTheAxis() {
        const TObszarWykresu o = ObszarWykresu({520, 463}, 0);
        s->MapaEcuBen[16 * 3 + 4] = 230; // 23.0 ms, beyond M = 200
        s->MapaEcuGaz[16 * 3 + 4] = 220;
        s->MapaEcuBen[16 * 3 + 5] = 100;
        s->MapaEcuGaz[16 * 3 + 5] = 90;
        const TOdchylka d = OdchylkaMap(*s, o, {});
        // x = 100 x 400 / 200 + 40; y = 425 - 80 - 10 x 400 / 400.
        QCOMPARE(d.Punkty, (std::vector<QPoint>{QPoint(240, 335)}));
    }

    void leanOrRichFromTheBaselineItself_data() {
        QTest::addColumn<double>("yLinii");
        QTest::addColumn<int>("nota");
        // View 520 x 360: h = 297, yb = 322, the baseline at 322 - 59.4 = 262.6.
        QTest::newRow("3.7 below: not yet lean") << 266.3 << 0;
        QTest::newRow("4.1 below: lean") << 266.7 << 1710;
        QTest::newRow("3.6 above: not yet rich") << 259.0 << 0;
        QTest::newRow("4.1 above: rich") << 258.5 << 1711;
    }

    void leanOrRichFromTheBaselineItself() {
        QFETCH(double, yLinii);
        QFETCH(int, nota);
        const TObszarWykresu o = ObszarWykresu({520, 360}, 0);
        QCOMPARE(o.h, 297);
        QCOMPARE(NotaOdchylki(o, yLinii), nota);
    }

    void legendLeavesTheBreakPointsFree_data() {
        QTest::addColumn<std::vector<QPoint>>("punkty");
        QTest::addColumn<QPoint>("miejsce");
        // Plot 40..440 x 25..425, legend 100 x 75: corners at x 60 or 320, y 45 or 330.
        QTest::newRow("no points") << std::vector<QPoint>{} << QPoint(60, 45);
        QTest::newRow("circle just clear of it")
            << std::vector<QPoint>{{166, 80}} << QPoint(60, 45);
        QTest::newRow("circle touching it") << std::vector<QPoint>{{165, 80}} << QPoint(320, 45);
        QTest::newRow("both top corners taken")
            << std::vector<QPoint>{{100, 80}, {400, 60}} << QPoint(60, 330);
        QTest::newRow("every corner taken, the fewest")
            << std::vector<QPoint>{{100, 80}, {110, 90}, {400, 60}, {100, 400}, {400, 400}}
            << QPoint(320, 45);
    }

    void legendLeavesTheBreakPointsFree() {
        QFETCH(std::vector<QPoint>, punkty);
        QFETCH(QPoint, miejsce);
        const TObszarWykresu o = ObszarWykresu({520, 463}, 0);
        QCOMPARE(MiejsceLegendy(o, {100, 75}, punkty), QRect(miejsce, QSize(100, 75)));
    }

    void labelsInTheUsersNotation() {
        const TLokalizacjaTestu polski{QLocale(QLocale::Polish, QLocale::Poland)};
        const TObszarWykresu o = ObszarWykresu({520, 463}, 0);
        QCOMPARE(PodzialkaMnoznika(o, {}).front().Etykieta, QStringLiteral("0,5"));
        s->Nastawy[239] = 93;
        QCOMPARE(PodzialkaObciazenia(o, *s)[10].Etykieta, QStringLiteral("0,93"));
        const TObszarWykresu k = ObszarWykresu({520, 463}, 4);
        QCOMPARE(PodzialkaKrzywej(k, 4)[1].Etykieta, QStringLiteral("0,75"));
        s->Nastawy[63] = 80; // minimum gas pressure 0.80 bar
        QCOMPARE(ProgPrzelaczenia(k, 4, *s).Etykieta, QStringLiteral(" 0,80 "));
    }
};

QTEST_GUILESS_MAIN(TestUkladWykresu)
#include "tst_ukladwykresu.moc"
