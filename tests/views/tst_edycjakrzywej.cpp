// The correction curves: reset, insert, neighbour rules, limits, labels, delete, the table
// recomputed from the points and the block written.

#include "Bloki.h"
#include "EdycjaKrzywej.h"
#include "Stanowisko.h"
#include "UkladWykresu.h"

#include <QTest>

class TestEdycjaKrzywej : public QObject {
    Q_OBJECT

    std::unique_ptr<TStanowisko> st;
    int tryb = 2;
    std::unique_ptr<TEdycjaKrzywej> e;

    TSterownik& S() { return *st->s; }
    const unsigned char* T() { return tryb == 4 ? S().KorOdCis : S().KorOdTempRed; }

private slots:
    void init() {
        st = std::make_unique<TStanowisko>();
        QVERIFY(st->Otworz());
        tryb = 2;
        e = std::make_unique<TEdycjaKrzywej>(S(), tryb);
    }

    void resetIsFlatAndWritten() {
        std::memset(S().KorOdTempRed, 77, 256);
        e->Kasuj();
        QCOMPARE(int(T()[0]), 9);
        QCOMPARE(int(T()[1]), 0);
        QCOMPARE((QList<int>{T()[2], T()[3], T()[16], T()[17]}), (QList<int>{98, 128, 228, 128}));
        for (int i = 4; i < 16; ++i)
            QCOMPARE(int(T()[i]), 0);
        for (int m = 50; m < 256; ++m)
            QCOMPARE(int(T()[m]), 128);
        QCOMPARE(S().DoZapisu, Bloki::KorOdTempRed);
        QVERIFY(!e->Zgubiona());
    }

    void insertIntoAResetPressureCurve() {
        tryb = 4;
        e->Kasuj();
        QVERIFY(e->Klawisz(Qt::Key_Insert, {}));
        QCOMPARE(e->Wybrany, 1);
        QCOMPARE(e->X(1), 150);
        QCOMPARE(e->Y(1), 128);
        // Raised by 4: the table rises linearly to it from both ends.
        for (int n = 0; n < 4; ++n)
            e->Klawisz(Qt::Key_Up, {});
        QCOMPARE(int(T()[150]), 132);
        QCOMPARE(int(T()[100]), 130);
        QCOMPARE(int(T()[49]), 0); // the points' bytes are left alone
        QCOMPARE(S().DoZapisu, Bloki::KorOdCis);
    }

    void neighbourRules() {
        e->Kasuj();
        e->Wstaw(99);
        QCOMPARE(e->Wybrany, 1);
        // Point 0 sits at 98, one to the left: Left selects it.
        QVERIFY(e->Klawisz(Qt::Key_Left, {}));
        QCOMPARE(e->Wybrany, 0);
        QCOMPARE(e->X(1), 99);
        // Point 0 itself does not move.
        QVERIFY(!e->Klawisz(Qt::Key_Left, {}));
        e->Wybrany = 1;
        for (int n = 0; n < 227 - 99; ++n)
            QVERIFY(e->Klawisz(Qt::Key_Right, {}));
        QCOMPARE(e->X(1), 227);
        QVERIFY(e->Klawisz(Qt::Key_Right, {}));
        QCOMPARE(e->Wybrany, 7);
        QCOMPARE(e->X(1), 227);
    }

    void valueLimitsAndLabels() {
        e->Kasuj();
        e->Wybrany = 0;
        for (int n = 0; n < 70; ++n)
            e->Klawisz(Qt::Key_Up, {});
        QCOMPARE(e->Y(0), 192);
        QCOMPARE(EtykietaKorekty(140), QStringLiteral("+9"));
        QCOMPARE(EtykietaKorekty(100), QStringLiteral("-21"));
        QCOMPARE(EtykietaKorekty(128), QStringLiteral("0"));
    }

    void deleteSelectsTheLowerNeighbour() {
        e->Kasuj();
        for (int n = 0; n < 6; ++n)
            QVERIFY(e->Klawisz(Qt::Key_Insert, {}));
        QVERIFY(!e->Klawisz(Qt::Key_Insert, {}));
        e->Wybrany = 4;
        QVERIFY(e->Klawisz(Qt::Key_Delete, {}));
        QCOMPARE(e->Wybrany, 3);
        QVERIFY(!e->Ustawiony(4));
        e->Wybrany = 7;
        QVERIFY(!e->Klawisz(Qt::Key_Delete, {}));
    }

    void pointsKeptInOrder() {
        e->Kasuj();
        e->Wstaw(200);
        e->Wstaw(120); // point 2, left of point 1: they change places
        QCOMPARE(e->X(1), 120);
        QCOMPARE(e->X(2), 200);
        QCOMPARE(e->Wybrany, 1);
        e->WybierzPod(204, 128);
        QCOMPARE(e->Wybrany, 2);
        e->WybierzPod(205, 128);
        QCOMPARE(e->Wybrany, -1);
    }

    void axesAndCursor() {
        const TObszarWykresu o = ObszarWykresu({520, 463}, 2); // w 440
        const auto temperatura = PodzialkaKrzywej(o, 2);
        QCOMPARE(temperatura.front().Etykieta, QStringLiteral("-30"));
        QCOMPARE(temperatura.back().Etykieta, QStringLiteral("100"));
        QCOMPARE(PodzialkaKrzywej(o, 4)[1].Etykieta, QStringLiteral("0.75"));
        QCOMPARE(PodzialkaKorekty(o).front().Etykieta, QStringLiteral("-50"));
        S().Nastawy[63] = 60;
        QCOMPARE(ProgPrzelaczenia(o, 4, S()).Etykieta, QStringLiteral(" 0.60 "));
        QCOMPARE(ProgPrzelaczenia(o, 4, S()).Polozenie, 40 + 10 * 440 / 200);
        unsigned char ramka[128] = {};
        ramka[40] = 97; // below the axis
        QCOMPARE(KursorKrzywej(o, 2, ramka), 40);
        ramka[42] = 163; // 35 degrees: 65 of 130
        QCOMPARE(KursorKrzywej(o, 3, ramka), 40 + 220);
        ramka[48] = 150; // 1.50 bar: (150 - 50) x 1.28 = 128 of 256
        QCOMPARE(KursorKrzywej(o, 4, ramka), 40 + 220);
    }
};

QTEST_GUILESS_MAIN(TestEdycjaKrzywej)
#include "tst_edycjakrzywej.moc"
