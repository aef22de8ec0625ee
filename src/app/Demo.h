#pragma once

#include "Symulatory.h"

#include <QTemporaryDir>

class TForm1;
struct TOpcjeOkna;

// The demo: both simulators, their lines linked in a folder of this run that only its user
// may enter and that goes with the program, so the window never reaches a pseudo-terminal
// that the system has since given to another program.
class TDemo {
public:
    TDemo();
    // Starts the simulators of the links that have no port given and makes their links the
    // session's ports; false, with a message on stderr, when one cannot be started.
    bool Uruchom(TOpcjeOkna& opcje);
    // The window reports a simulator that ends while the program runs.
    void Obserwuj(TForm1& okno);
    TSymulator& Sterownik() { return sterownik; }

private:
    QString Port(TSymulator& symulator, const QString& podany);

    QTemporaryDir katalog;
    TSymulator sterownik;
    TSymulator adapter;
};
