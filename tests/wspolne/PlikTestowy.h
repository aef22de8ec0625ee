#pragma once

// The core's file dialogs answered with a path the test chose.

#include "OknaPlikow.h"

struct TPlikTestowy : TOknaPlikow {
    QString sciezka;
    QString Otworz(const TDialogPliku&) override { return sciezka; }
    QString Zapisz(const TDialogPliku&) override { return sciezka; }
};
