// The link's pace against selvar-sim: how long a fresh connection takes to read the whole
// controller, and how many requests go out per second once it idles on live polls.

#include "MapaPortow.h"
#include "SymulatorTestowy.h"
#include "TSterownik.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Runs a real event loop (QTest's waits sleep between slices and would slow the ticks)
// until the condition holds or the time is up.
bool Czekaj(const std::function<bool()>& warunek, int ms) {
    QEventLoop petla;
    QTimer sprawdzanie, limit;
    QObject::connect(&sprawdzanie, &QTimer::timeout, &petla, [&] {
        if (warunek()) petla.quit();
    });
    QObject::connect(&limit, &QTimer::timeout, &petla, &QEventLoop::quit);
    sprawdzanie.start(5);
    limit.start(ms);
    petla.exec();
    return warunek();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // No OBD module: the read is the identity, the errors and the fifteen blocks.
    TSymulatorTestowy symulator(
        {QStringLiteral("--no-ignition"), QStringLiteral("--no-obd-module")});
    if (symulator.Sciezka().isEmpty()) {
        std::fprintf(stderr, "selvar-sim did not start\n");
        return 1;
    }
    TMapaPortow mapa;
    mapa.UstawPrzypisanie(1, symulator.Sciezka());
    TSterownik s(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
    int zadania = 0, identyfikacje = 0;
    s.OnZdarzenie = [&](int kod, int a1, int, int) {
        zadania += kod == 1;
        identyfikacje += kod == 0 && a1 == 0x81;
    };

    QElapsedTimer czas;
    czas.start();
    if (!s.PortOpen(1)) return 1;
    const bool przeczytany =
        Czekaj([&] { return identyfikacje > 0 && s.DoOdczytu == 0 && s.Rozkazy == 0; }, 20000);
    const qint64 odczyt = czas.elapsed();
    const int zadaniaOdczytu = zadania;

    zadania = 0;
    czas.restart();
    Czekaj([] { return false; }, 10000);
    const double naSekunde = zadania * 1000.0 / double(czas.elapsed());

    std::printf("full read: %s in %lld ms, %d requests (%.0f ms per request)\n",
                przeczytany ? "done" : "NOT done", odczyt, zadaniaOdczytu,
                double(odczyt) / zadaniaOdczytu);
    std::printf("idle pacing: %.2f requests/s (%.0f ms per request)\n", naSekunde,
                1000.0 / naSekunde);
    return przeczytany ? 0 : 1;
}
