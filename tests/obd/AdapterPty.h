#pragma once

// A pseudo-terminal pair on which a test plays the ELM327 adapter: the reader opens the
// slave path, the test reads commands from and writes answers to the master.

#include <QByteArray>
#include <QString>

#include <optional>

class TAdapterPty {
public:
    TAdapterPty();
    ~TAdapterPty();
    TAdapterPty(const TAdapterPty&) = delete;
    TAdapterPty& operator=(const TAdapterPty&) = delete;

    QString Sciezka() const { return sciezka; }

    // The next command up to and including its CR, waiting at most the given time.
    std::optional<QByteArray> Komenda(int msMaks = 500);
    // Everything the reader has sent and the test has not taken yet.
    QByteArray Reszta();
    // Writes bytes and waits until the slave side holds them, so the next tick sees them.
    void Wyslij(const QByteArray& bajty);
    // Closes the line as an adapter that went away: the reader's side hangs up.
    void Zamknij();

private:
    void Czytaj(int msMaks);

    int master = -1;
    int slave = -1;
    QString sciezka;
    QByteArray bufor;
};
