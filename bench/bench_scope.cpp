// The oscilloscope with a full hour of samples (36000) at the size of a maximised 1920 x 1080
// window: one redraw at every zoom level and every band layout; the slowest is what a user
// would feel.

#include "TScope.h"

#include "StanowiskoWidoku.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TStanowiskoWidoku st;
    TSterownik& s = st.s;
    TPaleta& paleta = st.paleta;
    QWidget& panel = st.panel;
    auto* o = new TScope(s, &panel);
    o->Umiesc(&panel);
    o->UstawPalete(&paleta);
    panel.show();
    o->show();
    QApplication::processEvents();
    // Filled while hidden: the bench measures redraws, not an hour of them.
    o->hide();
    // An hour of driving: RPM, pressures and temperatures that move, a switch now and then.
    std::array<unsigned char, 128> r{};
    for (int i = 0; i < TScope::MaksProbek - 1; ++i) {
        const int obroty = 800 + int(2000 * (1 + std::sin(i / 300.0)));
        r[10] = static_cast<unsigned char>(i % 5000 < 200 ? 0 : 6);
        r[17] = static_cast<unsigned char>(obroty & 0xFF);
        r[18] = static_cast<unsigned char>(obroty >> 8);
        r[44] = static_cast<unsigned char>(30 + (i * 7) % 60);
        r[40] = static_cast<unsigned char>(128 + std::min(i / 100, 80));
        r[6] = i % 3000 == 0 ? 0xF0 : 0;
        o->DodajProbke(r.data());
    }
    o->show();
    o->Komenda(3);
    double najdluzszy = 0, suma = 0;
    int rysunkow = 0;
    for (int uklad = 10; uklad <= 12; ++uklad) {
        o->Komenda(unsigned(uklad));
        for (int powiekszenie = 0; powiekszenie <= 8; ++powiekszenie) {
            o->Powiekszenie = powiekszenie;
            QElapsedTimer zegar;
            zegar.start();
            o->Przerysuj();
            const double ms = double(zegar.nsecsElapsed()) / 1e6;
            najdluzszy = std::max(najdluzszy, ms);
            suma += ms;
            ++rysunkow;
        }
    }
    std::printf("oscilloscope %dx%d, %d samples, %d redraws (3 layouts x 9 zoom levels)\n",
                o->width(), o->height(), o->IleProbek, rysunkow);
    std::printf("  mean redraw:    %.2f ms\n", suma / rysunkow);
    std::printf("  slowest redraw: %.2f ms\n", najdluzszy);
    return 0;
}
