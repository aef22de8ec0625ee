#pragma once

// elm327-sim as a child process, for the OBD reader's end-to-end tests.

#include "ProcesSymulatora.h"

class TSymulatorElm : public TProcesSymulatora {
public:
    // Options as on its command line, e.g. {"--protocol", "6", "--ecus", "2"}.
    explicit TSymulatorElm(const QStringList& opcje)
        : TProcesSymulatora(QStringLiteral(ELM327_SIM), opcje) {}
};
