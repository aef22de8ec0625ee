#pragma once

#include <QLabel>

class TSterownik;
class TTeksty;

// The blocks written but not yet acknowledged by the controller, beside the status panel:
// their count while any wait, a tick once the controller holds everything, nothing while no
// controller is connected.
class TZapisyOczekujace : public QLabel {
public:
    TZapisyOczekujace(const TSterownik& s, const TTeksty& t, QWidget* rodzic);

    // Shows the state of now; returns the mask of blocks that were still waiting when the
    // link went down (0 while it is up, and after the loss has been reported once).
    int Aktualizuj();
    int Oczekujace() const { return oczekujace; }

private:
    // -1 nothing, 0 the tick, else the count.
    void Pokaz(int ile);

    const TSterownik& s;
    const TTeksty& t;
    int oczekujace = 0;
    bool polaczony = false;
    int pokazane = -2;
};

// The user's names of the blocks of a mask, as the lost-writes box lists them.
QStringList NazwyBlokow(int maska, const TTeksty& t);
