#pragma once

#include <QStringList>

#include <array>
#include <functional>

// Place of one command button: left edge and width in the bottom bar.
struct TMiejsce {
    int lewo = 0;
    int szerokosc = 0;
};

struct TUkladKomend {
    std::array<TMiejsce, 4> przyciski{};
    // Width of the progress bar beside a lone Btn54, -1 when the bar is not beside it.
    int szerokoscPostepu = -1;
};

// The four command buttons laid out in the bottom bar from their caption widths (-1 for a
// hidden button), the bar's width and the status panel's width at its right end.
TUkladKomend UlozKomendy(const std::array<int, 4>& napisy, int szerokoscPaska,
                         int szerokoscStatusu);

// The largest font size, from odRozmiaru down to 7, at which every caption fits one part of
// a tab row minus 2 pixels; 6 when none does. szerokoscNapisu measures a caption at a size.
int RozmiarCzcionkiRzedu(const QStringList& napisy, int szerokoscCzesci, int odRozmiaru,
                         const std::function<int(const QString&, int)>& szerokoscNapisu);
