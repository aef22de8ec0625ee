// A USB cable pulled and plugged back, played by the controller simulator: its line hangs
// up, its device path goes away for a while and comes back, and the window reconnects by
// itself although its failed automatic opening had stopped the attempts.

#include "OknoTestowe.h"
#include "ProcesSymulatora.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenuBar>

class TestPonowneE2e : public QObject {
    Q_OBJECT

private slots:
    void replugReconnects() {
        QTemporaryDir katalog;
        const QString lacze = katalog.filePath(QStringLiteral("selvar"));
        TProcesSymulatora symulator(QStringLiteral(SELVAR_SIM),
                                    {QStringLiteral("--link"), lacze,
                                     QStringLiteral("--close-after"), QStringLiteral("3"),
                                     QStringLiteral("--reopen-after"), QStringLiteral("4")});
        QVERIFY(!symulator.Sciezka().isEmpty());
        TOpcjeOkna opcje;
        opcje.PortSterownika = lacze;
        TOknoTestowe t({}, opcje);
        t.Zegar(QStringLiteral("Timer1"))->start();
        t.s().Zegar().start();
        auto* polacz = t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuConn0"));

        QTRY_VERIFY_WITH_TIMEOUT(t.s().PortConnected(), 10000);
        // Hung up, and the device gone: the automatic opening fails and stops.
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(lacze), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(polacz->data().toInt(), -2, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lacze), 15000);
        QElapsedTimer odPowrotu;
        odPowrotu.start();
        QTRY_VERIFY_WITH_TIMEOUT(t.s().PortConnected() && t.s().BezOdpowiedzi == 0, 10000);
        qInfo("reconnected %lld ms after the device came back", odPowrotu.elapsed());
        QCOMPARE(polacz->data().toInt(), 0);
        t.okno->close();
    }

    void chosenDisconnectStaysDisconnected() {
        QTemporaryDir katalog;
        const QString lacze = katalog.filePath(QStringLiteral("selvar"));
        TProcesSymulatora symulator(QStringLiteral(SELVAR_SIM), {QStringLiteral("--link"), lacze});
        TOpcjeOkna opcje;
        opcje.PortSterownika = lacze;
        TOknoTestowe t({}, opcje);
        QVERIFY(t.s().PortOpen(-1));
        auto* polacz = t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuConn0"));
        polacz->trigger();
        QVERIFY(!t.s().PortConnected());
        // The device is there all along; ten seconds of ticks never reopen it.
        for (int i = 0; i < 100; ++i)
            t.okno->Timer1OnTimer();
        QVERIFY(!t.s().PortConnected());
        t.okno->close();
    }
};

QTEST_MAIN(TestPonowneE2e)
#include "tst_ponowne_e2e.moc"
