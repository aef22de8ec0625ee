#pragma once

#include "Model.h"
#include "Swobody.h"
#include "Tozsamosc.h"
#include "Zaklocenia.h"

#include <QString>

#include <utility>
#include <vector>

// Everything the command line chooses.
struct TOpcje {
    TOpisUrzadzenia urzadzenie;
    unsigned godzinyBenzyny = 312;
    unsigned godzinyGazu = 1874;
    bool modulObd = true;
    bool stanObd = true; // the module's own state frames 0x70
    TOpcjeModelu model;
    double predkosc = 1.0;                  // model seconds per real second
    std::vector<std::pair<int, int>> bledy; // standing faults: frame byte, bit
    TOpcjeZaklocen zaklocenia;
    TOpcjeSwobod swobody;
    double zamknijPo = -1;      // s; negative = never
    double otworzPo = 1.0;      // s between hanging up and the new line
    bool zamknijKoniec = false; // end instead of opening a new line
    unsigned ziarno = 1;
    QString dziennik, obraz, katalogBlokow, lacze;
};

// Reads the options; on a wrong one writes the reason to stderr and returns false.
// --help prints the help and ends the program.
bool CzytajOpcje(const QStringList& argumenty, TOpcje& opcje);
