#pragma once

#include <QString>

// A file dialog as the core describes it; the shell shows it, tests fake it.
struct TDialogPliku {
    QString tytul;
    QString filtr;        // "Settings file (*.set)|*.set|All files (*.*)|*.*"
    QString rozszerzenie; // default extension, without the dot
    QString katalog;      // start folder; empty for the dialog's own choice
};

class TOknaPlikow {
public:
    virtual ~TOknaPlikow() = default;
    // The chosen path, or empty when the user cancelled.
    virtual QString Otworz(const TDialogPliku& dialog) = 0;
    virtual QString Zapisz(const TDialogPliku& dialog) = 0;
};
