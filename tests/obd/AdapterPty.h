#pragma once

// A pseudo-terminal on which a test plays the ELM327 adapter: it reads commands from the
// reader and writes answers to it.

#include "Pty.h"

#include <QByteArray>

#include <optional>

class TAdapterPty : public TPty {
public:
    // The next command up to and including its CR, waiting at most the given time.
    std::optional<QByteArray> Komenda(int msMaks = 500);
    // Everything the reader has sent and the test has not taken yet.
    QByteArray Reszta();
    // Closes the line as an adapter that went away: the reader's side hangs up.
    void Zamknij() { Rozlacz(); }
};
