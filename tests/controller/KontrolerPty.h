#pragma once

// A pseudo-terminal pair on which a test plays the controller: the application opens the
// slave path, the test reads requests from and writes replies to the master.

#include <QByteArray>
#include <QString>

#include <optional>

struct TZadanie {
    char start = 0;
    int kod = -1;
    QByteArray dane; // unscrambled payload
    bool sumaZgodna = false;
};

class TKontrolerPty {
public:
    TKontrolerPty();
    ~TKontrolerPty();
    TKontrolerPty(const TKontrolerPty&) = delete;
    TKontrolerPty& operator=(const TKontrolerPty&) = delete;

    QString Sciezka() const { return sciezka; }

    // The next request frame, waiting at most the given time for it to arrive whole.
    std::optional<TZadanie> Odbierz(int msMaks = 500);
    // Writes bytes and waits until the slave side holds them, so the next tick sees them.
    void Wyslij(const QByteArray& bajty);
    // Bytes waiting on the application's side, not yet taken by its port.
    int CzekajaceUAplikacji() const;
    // Hangs the line up, as a cable pulled out of a USB adapter does.
    void Rozlacz();

private:
    int master = -1;
    int slave = -1;
    QString sciezka;
    QByteArray bufor;
};
