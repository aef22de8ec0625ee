#pragma once

#include "Usterki.h"
#include "WartosciPid.h"

#include <QString>
#include <QStringList>

#include <optional>

// The simulator's command line.
struct TOpcje {
    int protokol = 6;      // the car's bus, 1..9
    int ileEcu = 2;        // 1..3
    int wolnoMs = 0;       // extra delay before each answer
    double milczPo = -1;   // seconds until the adapter stops answering; < 0 never
    double zamknijPo = -1; // seconds until the line is closed and the program ends
    quint32 ziarno = 1;    // seed of the value noise
    QString dziennik;      // JSON log file, empty for none
    QString lacze;         // symbolic link to the line, empty for none
    TUsterki usterki;
    quint32 gotowosc = DomyslnaGotowosc; // bytes B C D of PID 01 once the monitors have run
};

// Parses the arguments (program name first). On an error or --help returns nothing and
// fills komunikat with the text to print; pomoc tells which of the two it was.
std::optional<TOpcje> CzytajOpcje(const QStringList& argumenty, QString& komunikat, bool& pomoc);
