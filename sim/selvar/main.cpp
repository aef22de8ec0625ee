// selvar-sim: the SELVAR controller on a pseudo-terminal, for the workshop application's
// end-to-end tests and demo mode.
#include "Opcje.h"
#include "Sygnaly.h"
#include "Symulator.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication aplikacja(argc, argv);
    QCoreApplication::setApplicationName("selvar-sim");
    TOpcje opcje;
    if (!CzytajOpcje(QCoreApplication::arguments(), opcje)) return 2;
    KonczPrzySygnale(aplikacja);
    TSymulator symulator(opcje);
    QObject::connect(&symulator, &TSymulator::Koniec, &aplikacja, &QCoreApplication::quit);
    if (!symulator.Start()) return 1;
    return QCoreApplication::exec();
}
