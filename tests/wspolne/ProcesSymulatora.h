#pragma once

// A simulator (selvar-sim, elm327-sim) as a child process: it prints the path of its
// pseudo-terminal as its first line; ended on destruction.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

class TProcesSymulatora {
public:
    TProcesSymulatora(const QString& program, const QStringList& argumenty);
    ~TProcesSymulatora();
    TProcesSymulatora(const TProcesSymulatora&) = delete;
    TProcesSymulatora& operator=(const TProcesSymulatora&) = delete;

    // The pseudo-terminal path of its first line of output; empty when it did not start.
    QString Sciezka() const { return sciezka; }
    // The next whole line of output (the path of a reopened line), waiting up to ms.
    QString NastepnaLinia(int ms);
    // Ends it with SIGTERM and waits; true when it ended normally.
    bool Zakoncz();
    // Waits up to ms for it to end by itself; true when it ended normally.
    bool ZakonczylSie(int ms);
    // Whether it has ended by itself; asks the system without waiting.
    bool Zakonczony();
    // Milliseconds since it printed its path.
    qint64 Wiek() const { return zegar.elapsed(); }

private:
    QProcess proces;
    QElapsedTimer zegar;
    QString sciezka;
};
