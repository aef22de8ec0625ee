#include "Wtryskiwacze.h"

unsigned char MaskaPrzelaczenia(int kanal, unsigned char typ) {
    const unsigned char bit = static_cast<unsigned char>(1u << kanal);
    if (typ == 1) return (bit & 0x55) ? 0x55 : 0xAA;
    if (typ == 2) return 0xFF;
    return bit;
}

unsigned char PrzelaczWtryskiwacze(unsigned char maska, int kanal, unsigned char typ,
                                   unsigned char zawszeWylaczone) {
    const unsigned m = (maska ^ MaskaPrzelaczenia(kanal, typ)) & ~unsigned(zawszeWylaczone);
    return static_cast<unsigned char>(m);
}
