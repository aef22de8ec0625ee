// Editing the multiplier's break points: selection by keys and clicks, inserts, deletes,
// the normalised order, the recomputed curve and the blocks written.

#include "Bloki.h"
#include "EdycjaMnoznika.h"
#include "Stanowisko.h"

#include <QTest>

class TestEdycjaMnoznika : public QObject {
    Q_OBJECT

    std::unique_ptr<TStanowisko> st;
    int wybor = 0;
    std::unique_ptr<TEdycjaMnoznika> e;

    TSterownik& S() { return *st->s; }
    // Break points of bank 1 at these positions, in order from point 1.
    void Punkty(std::initializer_list<int> pozycje) {
        int k = 1;
        for (int x : pozycje)
            S().Nastawy[190 + k++] = static_cast<unsigned char>(x);
    }
    int X(int k) { return S().Nastawy[190 + k]; }

private slots:
    void init() {
        st = std::make_unique<TStanowisko>();
        QVERIFY(st->Otworz());
        wybor = 0;
        e = std::make_unique<TEdycjaMnoznika>(S(), wybor);
    }

    void rightClickWithEveryPointSetIsRefused() {
        for (int k = 1; k <= 24; ++k)
            S().Nastawy[190 + k] = static_cast<unsigned char>(5 * k);
        QVERIFY(!e->Wstaw(130));
        QCOMPARE(X(24), 120);
        QCOMPARE(S().DoZapisu, 0);
    }

    void leftClickSelectsOnlyNearby() {
        Punkty({50});
        e->WybierzPod(55, 100);
        QCOMPARE(e->Wybrany, -1);
        e->WybierzPod(54, 100);
        QCOMPARE(e->Wybrany, 1);
        e->WybierzPod(50, 105);
        QCOMPARE(e->Wybrany, -1);
        e->WybierzPod(50, 96);
        QCOMPARE(e->Wybrany, 1);
    }

    void stepOntoANeighbourSelectsIt() {
        Punkty({100, 102});
        e->Normalizuj(); // set points gather at the end: 23 and 24
        QCOMPARE(X(23), 100);
        e->Wybrany = 23;
        QVERIFY(e->Klawisz(Qt::Key_Right, {}));
        QCOMPARE(X(23), 101);
        QVERIFY(e->Klawisz(Qt::Key_Right, {}));
        QCOMPARE(e->Wybrany, 24);
        QCOMPARE(X(23), 101);
        QVERIFY(e->Klawisz(Qt::Key_Left, {}));
        QCOMPARE(e->Wybrany, 23);
        // From the last point, Left goes to the nearest set point.
        e->Wybrany = 25;
        QVERIFY(e->Klawisz(Qt::Key_Left, {}));
        QCOMPARE(e->Wybrany, 24);
        QVERIFY(e->Klawisz(Qt::Key_Home, {}));
        QVERIFY(e->Klawisz(Qt::Key_PageUp, {}));
        QCOMPARE(e->Wybrany, 23);
    }

    void equalPositionsEndOnePositionApart() {
        Punkty({50, 50, 200});
        e->Normalizuj();
        QCOMPARE(X(22), 50);
        QCOMPARE(X(23), 51);
        // At the axis end the lower one steps back.
        QCOMPARE(X(24), 199);
        QCOMPARE(X(25), 200);
    }

    void crowdedPointsArePartedInsideTheAxis_data() {
        QTest::addColumn<QList<int>>("pozycje");
        QTest::addColumn<QList<int>>("wynik"); // points 1..24 that are set, in order
        QTest::newRow("three at the axis start") << QList<int>{1, 1, 1} << QList<int>{1, 2, 3};
        QTest::newRow("four near it") << QList<int>{2, 1, 2, 1} << QList<int>{1, 2, 3, 4};
        QTest::newRow("three at the axis end")
            << QList<int>{200, 200, 200} << QList<int>{197, 198, 199};
        QTest::newRow("beyond the end, with one below")
            << QList<int>{230, 199, 255} << QList<int>{197, 198, 199};
    }

    void crowdedPointsArePartedInsideTheAxis() {
        QFETCH(QList<int>, pozycje);
        QFETCH(QList<int>, wynik);
        int k = 1;
        for (int x : pozycje)
            S().Nastawy[190 + k++] = static_cast<unsigned char>(x);
        e->Normalizuj();
        QList<int> ustawione;
        for (int i = 1; i <= 24; ++i)
            if (X(i) != 0) ustawione << X(i);
        QCOMPARE(ustawione, wynik);
        QCOMPARE(X(0), 0);
        QCOMPARE(X(25), 200);
    }

    void aPointHeldInTheFirstSlotIsKept() {
        // As read from a controller: settings 190..194 = 10, 25, 45, 70, 110.
        for (const auto& [k, x] : {std::pair{0, 10}, {1, 25}, {2, 45}, {3, 70}, {4, 110}})
            S().Nastawy[190 + k] = static_cast<unsigned char>(x);
        S().Mnoznik1[10] = 120;
        e->Wybrany = 25;
        QVERIFY(e->Klawisz(Qt::Key_Up, {}));
        QList<int> pozycje;
        for (int i = 0; i <= 25; ++i)
            if (i == 0 || X(i) != 0) pozycje << X(i);
        QCOMPARE(pozycje, (QList<int>{0, 10, 25, 45, 70, 110, 200}));
        QCOMPARE(int(S().Mnoznik1[10]), 120);
    }

    void arrowMovesKeepThePointsValue() {
        // Point 24 at 150 with 120, the axis end at 101: a slope of 0.38 a position, so
        // the curve at 151 is 119.62, stored 119.
        S().Mnoznik1[0] = 100;
        S().Mnoznik1[150] = 120;
        S().Mnoznik1[200] = 101;
        Punkty({150});
        e->Normalizuj();
        QCOMPARE(int(S().Mnoznik1[151]), 119);
        e->Wybrany = 24;
        for (int n = 0; n < 3; ++n)
            QVERIFY(e->Klawisz(Qt::Key_Right, {}));
        QCOMPARE(X(24), 153);
        QCOMPARE(e->Wartosc(24), 120);
        QVERIFY(e->Klawisz(Qt::Key_Left, {}));
        QCOMPARE(X(24), 152);
        QCOMPARE(e->Wartosc(24), 120);
        QCOMPARE(int(S().Mnoznik1[200]), 101);
    }

    void insertAndDelete() {
        Punkty({50});
        e->Wybrany = 1;
        QVERIFY(e->Klawisz(Qt::Key_Insert, {}));
        // The new point sits 10 positions on; empties gather after point 0.
        QCOMPARE(X(23), 50);
        QCOMPARE(X(24), 60);
        QCOMPARE(e->Wybrany, 24);
        QVERIFY(e->Klawisz(Qt::Key_Delete, {}));
        QCOMPARE(X(24), 50);
        QCOMPARE(e->Wybrany, 24);
        e->Wybrany = 0;
        QVERIFY(!e->Klawisz(Qt::Key_Delete, {}));
        QVERIFY(!e->Klawisz(Qt::Key_PageDown, {}));
        e->Wybrany = 25;
        QVERIFY(!e->Klawisz(Qt::Key_PageUp, {}));
    }

    void valuesAndTheCurve() {
        S().Mnoznik1[0] = 120;
        Punkty({100});
        e->Normalizuj();
        QCOMPARE(int(S().Mnoznik1[50]), 110);
        // Up with nothing selected raises every point, within 50..150.
        e->Wybrany = -1;
        S().Mnoznik1[0] = 150;
        QVERIFY(e->Klawisz(Qt::Key_Up, {}));
        QCOMPARE(int(S().Mnoznik1[0]), 150);
        QCOMPARE(int(S().Mnoznik1[100]), 101);
        QCOMPARE(int(S().Mnoznik1[255]), 101);
        QCOMPARE(S().DoZapisu, Bloki::Nastawy | Bloki::Mnoznik1);
    }

    void twoBanksAlikeStayAlike() {
        S().PlytkaV3 = true;
        Punkty({80});
        e->Wybrany = 1;
        QVERIFY(e->Klawisz(Qt::Key_Down, {}));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(S().Mnoznik2), 256),
                 QByteArray(reinterpret_cast<char*>(S().Mnoznik1), 256));
        QCOMPARE(int(S().Nastawy[164 + 24]), 80);
        QCOMPARE(S().DoZapisu, Bloki::Nastawy | Bloki::Mnoznik1 | Bloki::Mnoznik2);
        // Bank 2 alone: bank 1 untouched.
        S().DoZapisu = 0;
        wybor = 2;
        e->Wybrany = 24;
        QVERIFY(e->Klawisz(Qt::Key_Up, {}));
        QVERIFY(e->Klawisz(Qt::Key_Up, {}));
        QCOMPARE(int(S().Mnoznik2[80]), 101);
        QCOMPARE(int(S().Mnoznik1[80]), 99);
        QCOMPARE(S().DoZapisu, Bloki::Nastawy | Bloki::Mnoznik2);
    }
};

QTEST_GUILESS_MAIN(TestEdycjaMnoznika)
#include "tst_edycjamnoznika.moc"
