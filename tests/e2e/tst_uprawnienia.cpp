// A serial device the user may not open, as on a fresh laptop where the user is not in the
// group that owns it: selvar-cli, run as an unprivileged user (the tests run as root, where
// permission bits refuse nothing), names the device, its group and the remedy, and exits 2.

#include "Pty.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <unistd.h>

class TestUprawnienia : public QObject {
    Q_OBJECT

private slots:
    void cliNamesTheDeviceAndItsGroup() {
        if (geteuid() != 0) QSKIP("needs root to run selvar-cli as another user");
        if (QFileInfo(QStringLiteral("/usr/bin/setpriv")).isExecutable() == false)
            QSKIP("setpriv (util-linux) is missing");
        TPty pty;
        const QFileInfo urzadzenie(pty.Sciezka());
        // A pseudo-terminal belongs to root and its group, not readable by others.
        QVERIFY(!(urzadzenie.permissions() & QFileDevice::ReadOther));

        QProcess p;
        p.start(QStringLiteral("/usr/bin/setpriv"),
                {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                 QStringLiteral("--clear-groups"), QStringLiteral(SELVAR_CLI),
                 QStringLiteral("info"), QStringLiteral("--lang"), QStringLiteral("en"),
                 QStringLiteral("--port"), pty.Sciezka()});
        QVERIFY(p.waitForFinished(30000));
        const QString wyjscie = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitCode(), 2);
        QVERIFY2(
            wyjscie.contains(QStringLiteral("No permission to open the port ") + pty.Sciezka()),
            qPrintable(wyjscie));
        QVERIFY2(wyjscie.contains(QStringLiteral("group \"%1\"").arg(urzadzenie.group())),
                 qPrintable(wyjscie));
    }
};

QTEST_GUILESS_MAIN(TestUprawnienia)
#include "tst_uprawnienia.moc"
