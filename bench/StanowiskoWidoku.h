#pragma once

// What the view benchmarks share: a controller with its catalogue and texts, the default
// colours, and the centre panel of a maximised 1920 x 1080 window without the right column.

#include "MapaPortow.h"
#include "Paleta.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QElapsedTimer>
#include <QWidget>

struct TStanowiskoWidoku {
    TMapaPortow mapa;
    TTeksty teksty;
    TSterownik s{mapa, QStringLiteral("/nonexistent/lib.so")};
    TPaleta paleta;
    QWidget panel;

    TStanowiskoWidoku() {
        teksty.Wczytaj();
        s.Teksty = &teksty;
        panel.resize(1500, 960);
    }
};

template <typename F> double MilisekundNaRaz(int ile, F&& f) {
    QElapsedTimer zegar;
    zegar.start();
    for (int i = 0; i < ile; ++i)
        f();
    return double(zegar.nsecsElapsed()) / 1e6 / ile;
}
