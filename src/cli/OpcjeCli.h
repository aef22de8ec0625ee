#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for, checked before anything is opened.
struct TOpcjeCli {
    QString komenda;       // info, errors, backup, restore, live, record, osc2csv, show, diff, obd,
                           // flash, report, propose
    QStringList argumenty; // the command's files
    QString port;          // --port: a number or a device path
    QString portElm;       // --elm-port
    int jezyk = 0;         // text-table language index (English)
    int czasMs = 10000;    // --timeout: silence after which a link counts as dead
    QString dziennik;      // --trace
    bool nadpisz = false;  // --force
    int ile = 0;           // --count, 0 = until stopped
    int sekundy = 0;       // record --seconds, 0 = until stopped
    bool csv = false;
    bool kasuj = false;     // obd --clear
    bool cicho = false;     // --quiet
    bool json = false;      // one JSON document, or one object a line for live
    bool wszystkie = false; // show --all
    bool tak = false;       // flash --yes: an older version may go on
    bool zastosuj = false;  // propose --apply
    QString wyjscie;        // report -o: the PDF to write
};

// The outcome of reading the command line: options to run, or help, version or a usage
// error to print (with the exit code that goes with it).
struct TRozbiorOpcji {
    std::optional<TOpcjeCli> opcje;
    QString tekst; // help, version or the error message
    int kod = 0;   // exit code when there is nothing to run
};

TRozbiorOpcji RozbierzOpcje(const QStringList& argumenty);

// The usage text of --help.
QString TekstPomocy();
