// What an installer waits for: the time from the main window on screen to live values in
// every row of StringGridParametry, against selvar-sim on a pseudo-terminal.
// Usage: bench_okno [runs, default 5]

#include "ProcesSymulatora.h"
#include "SiatkaParametrow.h"
#include "TForm1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool WartosciWSiatce(const TSiatkaParametrow& siatka) {
    for (int w = 0; w < siatka.rowCount(); ++w)
        if (!siatka.item(w, 1) || siatka.item(w, 1)->text().isEmpty()) return false;
    return siatka.rowCount() > 0;
}

// Milliseconds from show() to a full grid, or -1 when it has not filled within 30 s.
qint64 Pomiar() {
    TProcesSymulatora symulator(
        QStringLiteral(SELVAR_SIM),
        {QStringLiteral("--warm"), QStringLiteral("--ignition-at"), QStringLiteral("0")});
    if (symulator.Sciezka().isEmpty()) return -1;
    QTemporaryDir katalog;
    QSettings ustawienia(katalog.filePath(QStringLiteral("selvar.ini")), QSettings::IniFormat);
    ustawienia.setValue(QStringLiteral("Selvar2/Lang"), 0);
    TOpcjeOkna opcje;
    opcje.PortSterownika = symulator.Sciezka();
    TForm1 okno(ustawienia, opcje);
    const auto* siatka = okno.findChild<TSiatkaParametrow*>(QStringLiteral("StringGridParametry"));
    if (!siatka) return -1;

    // A real event loop, so that the window's timers tick at their own pace.
    QEventLoop petla;
    QTimer sprawdzanie, limit;
    QObject::connect(&sprawdzanie, &QTimer::timeout, &petla, [&] {
        if (WartosciWSiatce(*siatka)) petla.quit();
    });
    QObject::connect(&limit, &QTimer::timeout, &petla, &QEventLoop::quit);
    QElapsedTimer czas;
    czas.start();
    okno.show();
    sprawdzanie.start(5);
    limit.start(30000);
    petla.exec();
    const qint64 ms = czas.elapsed();
    okno.close();
    return WartosciWSiatce(*siatka) ? ms : -1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window makes its folders under the documents folder: not the user's here.
    QStandardPaths::setTestModeEnabled(true);
    const int przebiegi = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<qint64> czasy;
    for (int i = 0; i < przebiegi; ++i) {
        const qint64 ms = Pomiar();
        if (ms < 0) {
            std::fprintf(stderr, "run %d: no live values within 30 s\n", i + 1);
            return 1;
        }
        std::printf("run %d: live values %lld ms after show\n", i + 1, ms);
        czasy.push_back(ms);
    }
    std::sort(czasy.begin(), czasy.end());
    std::printf("window to live values: min %lld ms, median %lld ms, max %lld ms\n", czasy.front(),
                czasy[czasy.size() / 2], czasy.back());
    return 0;
}
