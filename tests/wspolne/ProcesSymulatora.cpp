#include "ProcesSymulatora.h"

namespace {
// Generous: a loaded machine may take seconds to start a process.
constexpr int StartMs = 10000;

// SELVAR_ZIARNO_SYMULATORA=N gives every simulator started without a seed of its own the
// seed N, so that a suite runs against other choices of the freedoms the simulators take.
QStringList ZZiarnem(QStringList argumenty) {
    const QString ziarno = qEnvironmentVariable("SELVAR_ZIARNO_SYMULATORA");
    if (!ziarno.isEmpty() && !argumenty.contains(QStringLiteral("--seed")))
        argumenty << QStringLiteral("--seed") << ziarno;
    return argumenty;
}

} // namespace

TProcesSymulatora::TProcesSymulatora(const QString& program, const QStringList& argumenty) {
    proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proces.start(program, ZZiarnem(argumenty));
    if (proces.waitForStarted(StartMs)) sciezka = NastepnaLinia(StartMs);
    zegar.start();
}

TProcesSymulatora::~TProcesSymulatora() {
    if (proces.state() == QProcess::NotRunning) return;
    proces.terminate();
    if (!proces.waitForFinished(2000)) proces.kill();
    proces.waitForFinished(2000);
}

QString TProcesSymulatora::NastepnaLinia(int ms) {
    QElapsedTimer czas;
    czas.start();
    while (!proces.canReadLine() && czas.elapsed() < ms && proces.state() != QProcess::NotRunning)
        proces.waitForReadyRead(static_cast<int>(ms - czas.elapsed()));
    return proces.canReadLine() ? QString::fromLocal8Bit(proces.readLine()).trimmed() : QString();
}

bool TProcesSymulatora::Zakoncz() {
    proces.terminate();
    return ZakonczylSie(StartMs);
}

bool TProcesSymulatora::ZakonczylSie(int ms) {
    return (proces.state() == QProcess::NotRunning || proces.waitForFinished(ms)) &&
           proces.exitStatus() == QProcess::NormalExit && proces.exitCode() == 0;
}

bool TProcesSymulatora::Zakonczony() {
    return proces.state() == QProcess::NotRunning || proces.waitForFinished(0);
}
