#pragma once

// A pseudo-terminal pair on which a test plays the device at the far end of a cable: the
// code under test opens the slave path, the test reads from and writes to the master.

#include <QByteArray>
#include <QString>

// Writes all bytes to a non-blocking descriptor, waiting for room up to msMaks; false when
// a write fails (a hung-up line) or the time runs out.
bool PiszWszystko(int fd, const QByteArray& bajty, int msMaks = 5000);

class TPty {
public:
    TPty();
    ~TPty();
    TPty(const TPty&) = delete;
    TPty& operator=(const TPty&) = delete;

    QString Sciezka() const { return sciezka; }

    // Writes bytes and waits until the slave side holds them, so the next tick sees them.
    void Wyslij(const QByteArray& bajty);
    // Bytes waiting on the application's side, not yet taken by its port.
    int CzekajaceUAplikacji() const;
    // Hangs the line up, as a cable pulled out of a USB adapter does.
    void Rozlacz();

protected:
    // Appends what has arrived to bufor, first waiting up to msMaks for anything to arrive.
    void Czytaj(int msMaks);

    QByteArray bufor;

private:
    int master = -1;
    int slave = -1;
    QString sciezka;
};
