#include "SymulatorElm.h"

TSymulatorElm::TSymulatorElm(const QStringList& opcje) {
    proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proces.start(QStringLiteral(ELM327_SIM), opcje);
    if (!proces.waitForStarted(5000)) return;
    while (!proces.canReadLine() && proces.waitForReadyRead(5000)) {
    }
    sciezka = QString::fromLocal8Bit(proces.readLine()).trimmed();
    zegar.start();
}

TSymulatorElm::~TSymulatorElm() {
    if (proces.state() == QProcess::NotRunning) return;
    proces.terminate();
    if (!proces.waitForFinished(2000)) proces.kill();
    proces.waitForFinished(2000);
}

bool TSymulatorElm::Zakonczony() {
    return proces.state() == QProcess::NotRunning || proces.waitForFinished(0);
}
