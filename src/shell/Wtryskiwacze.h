#pragma once

// The gas injectors a click on channel k's box switches: with switching type 1 (odd and
// even cylinders in two groups) the whole group of k, with type 2 (all at the same time)
// all of them, otherwise injector k alone.
unsigned char MaskaPrzelaczenia(int kanal, unsigned char typPrzelaczania);

// The injector mask after that click: the toggled bits, less the injectors that stay off.
unsigned char PrzelaczWtryskiwacze(unsigned char maska, int kanal, unsigned char typPrzelaczania,
                                   unsigned char zawszeWylaczone);
