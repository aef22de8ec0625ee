#pragma once

// elm327-sim as a child process, for the OBD reader's end-to-end tests.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

class TSymulatorElm {
public:
    // Options as on its command line, e.g. {"--protocol", "6", "--ecus", "2"}.
    explicit TSymulatorElm(const QStringList& opcje);
    ~TSymulatorElm();
    TSymulatorElm(const TSymulatorElm&) = delete;
    TSymulatorElm& operator=(const TSymulatorElm&) = delete;

    // The pseudo-terminal path from its first line of output; empty when it did not start.
    QString Sciezka() const { return sciezka; }
    // Whether it has ended, e.g. after --close-after; asks the system without waiting.
    bool Zakonczony();
    // Milliseconds since it printed its line.
    qint64 Wiek() const { return zegar.elapsed(); }

private:
    QProcess proces;
    QElapsedTimer zegar;
    QString sciezka;
};
