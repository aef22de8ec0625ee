// The demo's window reaches only its own simulators: when the controller simulator ends,
// its link goes with it, a Connect never writes to a pseudo-terminal that the system has
// handed out again, and the window says once which simulator ended.

#include "Demo.h"
#include "KontrolerPty.h"
#include "OknoTestowe.h"

#include <QFileInfo>
#include <QMenuBar>

#include <csignal>

class TestDemoE2e : public QObject {
    Q_OBJECT

private slots:
    void endedSimulatorLeavesNoPathToAStranger() {
        TDemo demo;
        TOpcjeOkna opcje;
        QVERIFY(demo.Uruchom(opcje));
        const QString lacze = opcje.PortSterownika;
        QVERIFY(QFileInfo(lacze).isSymLink());
        // A folder of this run that only its user may enter.
        QCOMPARE(QFileInfo(QFileInfo(lacze).path()).permissions() &
                     (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::Permissions());

        TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }, opcje);
        demo.Obserwuj(*t.okno);
        t.s().CzasOtwarcia = 0;
        QVERIFY(t.s().PortOpen(-1));

        TOdpowiedz ok(QMessageBox::Ok);
        QVERIFY(::kill(static_cast<pid_t>(demo.Sterownik().Pid()), SIGKILL) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(ok.pokazano, 10000);
        QCOMPARE(ok.tekst, t.okno->PodajTekst(1391).arg(QStringLiteral("selvar-sim")));
        QVERIFY(!QFileInfo::exists(lacze) && !QFileInfo(lacze).isSymLink());

        // The system hands out pseudo-terminals again; one of them may be the old number.
        TKontrolerPty obcy;
        t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuConn0"))->trigger();
        for (int i = 0; i < 40; ++i)
            t.s().Timer1OnTimer();
        QVERIFY(!t.s().PortConnected());
        QVERIFY(!obcy.Odbierz(200));
    }
};

QTEST_MAIN(TestDemoE2e)
#include "tst_demo_e2e.moc"
