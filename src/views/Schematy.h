#pragma once

#include "Paleta.h"

#include <QPalette>

#include <vector>

// A text colour and the background the program writes it on; zmienTlo: when the two do not
// read, the background gives way rather than the text.
struct TParaKolorow {
    const char* nazwa;
    QColor TPaleta::*tekst;
    QColor TPaleta::*tlo;
    bool zmienTlo;
};

// The six colour schemes: the window style (0, 1 Windows; 2, 3 Grey; 4, 5 Black) and the
// chart background (even white, odd black) in one index, as the Colour menu lists them.
namespace Schematy {
inline constexpr int Liczba = 6;
inline constexpr int Domyslny = 3; // Grey-Black
// A stored value outside 0..5 means the default.
constexpr int Ogranicz(int zapisany) {
    return zapisany >= 0 && zapisany < Liczba ? zapisany : Domyslny;
}
// Every text/background pair of a scheme's palette.
const std::vector<TParaKolorow>& Pary();
} // namespace Schematy

// The palette of a scheme; "system" colours come from the desktop's own palette.
TPaleta PaletaSchematu(int schemat, const QPalette& systemowa);

// The toolkit's palette of a scheme, so that every control and dialog follows it: its own
// buttons, lists, scroll bars, message boxes and file choosers included.
QPalette PaletaAplikacji(const TPaleta& paleta);
