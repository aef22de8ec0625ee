// The whole window against the controller simulator over its pseudo-terminal: the link
// connects by itself and live values reach the parameter grid.

#include "OknoTestowe.h"
#include "SiatkaParametrow.h"

#include <QElapsedTimer>
#include <QProcess>

class TestOknoE2e : public QObject {
    Q_OBJECT

private slots:
    void wartosciNaZywoWCiaguDwochSekund();
};

void TestOknoE2e::wartosciNaZywoWCiaguDwochSekund() {
    QProcess symulator;
    symulator.start(
        QStringLiteral(SELVAR_SIM),
        {QStringLiteral("--warm"), QStringLiteral("--ignition-at"), QStringLiteral("0")});
    QVERIFY(symulator.waitForStarted());
    QVERIFY(symulator.waitForReadyRead(5000));
    TOpcjeOkna opcje;
    opcje.PortSterownika = QString::fromLocal8Bit(symulator.readLine()).trimmed();
    QVERIFY(!opcje.PortSterownika.isEmpty());

    TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }, opcje);
    // From the window on screen: its timers run as they do after the first showing.
    QElapsedTimer zegar;
    zegar.start();
    t.Zegar(QStringLiteral("Timer1"))->start();
    t.s().Zegar().start();
    auto* siatka = t.W<TSiatkaParametrow>("StringGridParametry");
    const auto wartosci = [siatka] {
        for (int w = 0; w < siatka->rowCount(); ++w)
            if (siatka->item(w, 1)->text().isEmpty()) return false;
        return siatka->rowCount() > 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(wartosci(), 2000 - int(zegar.elapsed()));
    qInfo("live values after %lld ms", zegar.elapsed());
    QCOMPARE(t.W<QLabel>("PanelStatus")->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(t.okno->windowTitle().startsWith(QStringLiteral("SELVAR v2.04  -  SELVAR MAX+ v23")));
    t.okno->close();
    symulator.terminate();
    QVERIFY(symulator.waitForFinished(3000));
}

QTEST_MAIN(TestOknoE2e)
#include "tst_okno_e2e.moc"
