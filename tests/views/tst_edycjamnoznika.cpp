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
