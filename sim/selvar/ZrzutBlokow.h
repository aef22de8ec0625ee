#pragma once

#include "Pamiec.h"

#include <QString>

#include <bitset>

// Mirrors the controller's blocks into a folder, one <name>.bin per block, so that a test
// can compare what the application wrote with what the controller holds. Each file is
// replaced atomically, so a reader never sees half a block.
class TZrzutBlokow {
public:
    TZrzutBlokow(QString katalog, const TPamiecSterownika& pamiec);

    bool Wlaczony() const { return !katalog.isEmpty(); }
    // Writes every block; false when the folder cannot be written.
    bool ZapiszWszystkie();
    void Oznacz(std::size_t blok) { zmienione.set(blok); }
    // Writes the blocks changed since the last call.
    void ZapiszZmienione();

private:
    bool Zapisz(std::size_t blok);

    QString katalog;
    const TPamiecSterownika& pamiec;
    std::bitset<TPamiecSterownika::LiczbaBlokow> zmienione;
};
