#include "Symulatory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

TSymulator::TSymulator(const QString& n) : nazwa(n), program(ZnajdzProgram(n)) {
    QObject::connect(&proces, &QProcess::finished, [this] {
        UsunLacze();
        if (OnKoniec) OnKoniec();
    });
}

TSymulator::~TSymulator() {
    Zakoncz();
}

void TSymulator::Zakoncz() {
    // An end asked for here is no news to report.
    QObject::disconnect(&proces, &QProcess::finished, nullptr, nullptr);
    if (proces.state() != QProcess::NotRunning) {
        proces.terminate();
        if (!proces.waitForFinished(2000)) proces.kill();
        proces.waitForFinished(1000);
    }
    UsunLacze();
}

// A link left behind would point at a pseudo-terminal number the system hands out again,
// to somebody else's terminal. Only a link is removed, never a file of that name.
void TSymulator::UsunLacze() {
    if (!lacze.isEmpty() && QFileInfo(lacze).isSymLink()) QFile::remove(lacze);
}

QString TSymulator::Uruchom(const QString& l) {
    if (program.isEmpty()) return {};
    lacze = l;
    proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_LINUX
    // The simulator ends with the program, however the program ends.
    proces.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    proces.start(program, {QStringLiteral("--link"), lacze});
    if (!proces.waitForStarted(3000)) return {};
    while (!proces.canReadLine())
        if (!proces.waitForReadyRead(5000)) return {};
    proces.readLine();
    return QFileInfo(lacze).isSymLink() ? lacze : QString();
}
