#pragma once

#include <QString>

// Modal message boxes captioned "SELVAR". The shell shows them; tests fake them.
// The core only ever asks through this interface, so it never links widgets.
class TKomunikaty {
public:
    // Values match the Windows button codes the stored preferences and callers expect.
    enum Flagi { Pytanie = 1, Blad = 2, Informacja = 3 };
    enum Przycisk { Ok = 1, Tak = 6, Nie = 7 };

    virtual ~TKomunikaty() = default;

    // Shows the text of the id with the icon and buttons of the flags; returns the button.
    virtual int Komunikat(int idTekstu, int flagi) = 0;
    // The same for a fixed text that is not in the text table ("Error code 121").
    virtual int KomunikatTekst(const QString& tekst, int flagi) = 0;
};
