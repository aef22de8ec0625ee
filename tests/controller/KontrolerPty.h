#pragma once

// A pseudo-terminal on which a test plays the controller: it reads request frames from the
// application and writes replies to it.

#include "Pty.h"

#include <QByteArray>

#include <optional>

struct TZadanie {
    char start = 0;
    int kod = -1;
    QByteArray dane; // unscrambled payload
    bool sumaZgodna = false;
};

class TKontrolerPty : public TPty {
public:
    // The next request frame, waiting at most the given time for it to arrive whole.
    std::optional<TZadanie> Odbierz(int msMaks = 500);
};
