// Where the main window opens: a stored placement on a present screen, or most of the main
// screen when there is none or it lies off every screen.

#include "PolozenieOkna.h"

#include <QTest>

class TestPolozenieOkna : public QObject {
    Q_OBJECT

private slots:
    void placement_data() {
        QTest::addColumn<std::optional<QRect>>("zapisane");
        QTest::addColumn<QRect>("oczekiwane");
        const QRect laptop(0, 0, 1366, 768);
        // 90 % of 1366 x 768 is 1229 x 691, centred: left (1366 - 1229) / 2 = 68, top 38.
        const QRect domyslne(68, 38, 1229, 691);
        QTest::newRow("first start") << std::optional<QRect>() << domyslne;
        QTest::newRow("stored on the laptop")
            << std::optional<QRect>(QRect(10, 20, 900, 600)) << QRect(10, 20, 900, 600);
        QTest::newRow("stored on the second monitor, present")
            << std::optional<QRect>(QRect(1500, 100, 1200, 800)) << QRect(1500, 100, 1200, 800);
        QTest::newRow("stored on a monitor now gone")
            << std::optional<QRect>(QRect(3500, 100, 1200, 800)) << domyslne;
        QTest::newRow("title bar above the screen")
            << std::optional<QRect>(QRect(100, -50, 900, 600)) << domyslne;
        QTest::newRow("smaller than the window can be")
            << std::optional<QRect>(QRect(10, 10, 200, 100)) << domyslne;
    }
    void placement() {
        QFETCH(std::optional<QRect>, zapisane);
        QFETCH(QRect, oczekiwane);
        const QList<QRect> ekrany{QRect(0, 0, 1366, 768), QRect(1366, 0, 1920, 1080)};
        QCOMPARE(PolozenieOkna(zapisane, ekrany, ekrany[0], QSize(640, 480)), oczekiwane);
    }

    void smallScreenStillGetsTheMinimum() {
        const QRect maly(0, 0, 640, 480);
        QCOMPARE(PolozenieOkna(std::nullopt, {maly}, maly, QSize(640, 480)), QRect(0, 0, 640, 480));
    }
};

QTEST_GUILESS_MAIN(TestPolozenieOkna)
#include "tst_polozenieokna.moc"
