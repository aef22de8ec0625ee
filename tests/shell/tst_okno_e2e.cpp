// The whole window against the controller simulator over its pseudo-terminal: the link
// connects by itself and live values reach the parameter grid.

#include "OknoTestowe.h"
#include "ProcesSymulatora.h"
#include "SiatkaParametrow.h"

class TestOknoE2e : public QObject {
    Q_OBJECT

private slots:
    void wartosciNaZywoPoPolaczeniu();
};

void TestOknoE2e::wartosciNaZywoPoPolaczeniu() {
    // The window reaches the simulator through a link in a folder of this test only.
    QTemporaryDir katalog;
    const QString lacze = katalog.filePath(QStringLiteral("selvar"));
    TProcesSymulatora symulator(QStringLiteral(SELVAR_SIM),
                                {QStringLiteral("--warm"), QStringLiteral("--ignition-at"),
                                 QStringLiteral("0"), QStringLiteral("--link"), lacze});
    QVERIFY(!symulator.Sciezka().isEmpty());
    TOpcjeOkna opcje;
    opcje.PortSterownika = lacze;

    TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }, opcje);
    // From the window on screen: its timers run as they do after the first showing.
    t.Zegar(QStringLiteral("Timer1"))->start();
    t.s().Zegar().start();
    auto* siatka = t.W<TSiatkaParametrow>("StringGridParametry");
    const auto wartosci = [siatka] {
        for (int w = 0; w < siatka->rowCount(); ++w)
            if (siatka->item(w, 1)->text().isEmpty()) return false;
        return siatka->rowCount() > 0;
    };
    // About 1.6 s on an idle machine (bench_okno measures it); the margin is for a loaded one.
    QTRY_VERIFY_WITH_TIMEOUT(wartosci(), 10000);
    QCOMPARE(t.W<QLabel>("PanelStatus")->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(t.okno->windowTitle().startsWith(QStringLiteral("SELVAR v2.04  -  SELVAR MAX+ v23")));
    t.okno->close();
    QVERIFY(symulator.Zakoncz());
}

QTEST_MAIN(TestOknoE2e)
#include "tst_okno_e2e.moc"
