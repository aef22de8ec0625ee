// PID readings per second of the OBD reader's cycle against elm327-sim, on CAN and on a
// K-line protocol: once at the window timer's pace (one step per 100 ms tick) and once with
// ticks as fast as the answers allow, to show where the limit lies.
// Usage: bench_obd [seconds per run, default 10]

#include "ObdNaSymulatorze.h"
#include "Protokoly.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

struct TPomiar {
    double naSekunde = 0;
    int udane = 0, nieudane = 0;
};

TPomiar Zmierz(int protokol, int odstepMs, int sekund) {
    TObdNaSymulatorze st({"--protocol", QString::number(protokol), "--ecus", "2"}, odstepMs);
    // Real time per tick may be below the 100 ms the loop counts; keep 3 s for an answer.
    st.obd->CzasNaOdpowiedz = 3000 * 100 / std::max(odstepMs, 1);
    if (st.sym.Sciezka().isEmpty() || !st.Otworz()) return {};
    if (!st.Czekaj([&] { return st.udane >= 2; }, 60000)) return {};
    const int przed = st.udane;
    const int bledyPrzed = st.nieudane;
    QElapsedTimer zegar;
    zegar.start();
    st.Czekaj([] { return false; }, sekund * 1000);
    const double s = static_cast<double>(zegar.elapsed()) / 1000.0;
    return {(st.udane - przed) / s, st.udane - przed, st.nieudane - bledyPrzed};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int sekund = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    std::printf("%-28s %-14s %10s %8s %8s\n", "protocol", "tick", "PIDs/s", "read", "failed");
    for (const int protokol : {6, 3}) {
        for (const int odstep : {100, 1}) {
            const TPomiar p = Zmierz(protokol, odstep, sekund);
            std::printf("%-28s %-14s %10.2f %8d %8d\n", qPrintable(OpisProtokolu(protokol)->krotka),
                        odstep == 100 ? "100 ms" : "unpaced (1 ms)", p.naSekunde, p.udane,
                        p.nieudane);
        }
    }
    // The pacing alone: CAN needs two ticks per PID (request, decode), the slower buses four
    // (request with a 200 ms pause, decode).
    std::printf("design limit at 100 ms ticks: CAN %.2f PIDs/s, other protocols %.2f PIDs/s\n",
                1000.0 / 200.0, 1000.0 / 400.0);
    return 0;
}
