#include "Symulatory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

QString ZnajdzProgram(const QString& nazwa) {
    const QDir tutaj(QCoreApplication::applicationDirPath());
    // Installed side by side, or in the build tree: build/src/app and build/sim/<name>.
    const QStringList kandydaci = {tutaj.filePath(nazwa),
                                   tutaj.filePath(QStringLiteral("../../sim/selvar/") + nazwa),
                                   tutaj.filePath(QStringLiteral("../../sim/elm327/") + nazwa)};
    for (const QString& k : kandydaci)
        if (QFileInfo(k).isExecutable()) return QFileInfo(k).canonicalFilePath();
    return {};
}

} // namespace

TSymulator::TSymulator(const QString& nazwa) : program(ZnajdzProgram(nazwa)) {}

TSymulator::~TSymulator() {
    if (proces.state() == QProcess::NotRunning) return;
    proces.terminate();
    if (!proces.waitForFinished(2000)) proces.kill();
    proces.waitForFinished(1000);
}

QString TSymulator::Uruchom(const QStringList& argumenty) {
    if (program.isEmpty()) return {};
    proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_LINUX
    // The simulator ends with the program, however the program ends.
    proces.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    proces.start(program, argumenty);
    if (!proces.waitForStarted(3000)) return {};
    while (!proces.canReadLine())
        if (!proces.waitForReadyRead(5000)) return {};
    return QString::fromLocal8Bit(proces.readLine()).trimmed();
}
