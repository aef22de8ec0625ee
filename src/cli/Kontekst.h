#pragma once

#include "Dziennik.h"
#include "Konsola.h"
#include "MapaPortow.h"
#include "OpcjeCli.h"
#include "Teksty.h"

#include <functional>

// What every command shares: its options, the text table in the chosen language, the port
// numbering, the terminal and the trace file.
struct TKontekst {
    explicit TKontekst(const TOpcjeCli& opcje);

    const TOpcjeCli& opcje;
    TTeksty teksty;
    TMapaPortow mapa;
    mutable TKonsola konsola; // messages go out from const paths too
    TDziennik dziennik;

    // An output file may be written: it does not exist yet, or --force was given.
    bool WolnoZapisac(const QString& plik) const;
};

// Lets the event loop, and with it the links' timers, run until koniec() holds; it is
// asked every 20 ms.
void Czekaj(const std::function<bool()>& koniec);

// Ctrl-C ends a wait instead of the program, so that ports are closed and files complete.
void LapPrzerwanie();
bool Przerwano();
