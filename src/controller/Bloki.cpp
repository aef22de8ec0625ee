#include "Bloki.h"

namespace Bloki {

const TOpisBloku Kolejnosc[18] = {
    {0, 0xE8, 0xF8, 2, 3, "  Odczyt nastaw", "  Zapis nastaw"},
    {1, 0xE9, 0xF9, 2, 3, "  Odczyt mnożnika bank 1", "  Zapis mnożnika bank 1"},
    {2, 0xEA, 0xFA, 2, 3, "  Odczyt mnożnika bank 2", "  Zapis mnożnika bank 2"},
    {3, 0xEB, 0xFB, 2, 3, "  Odczyt korekty od obrotów bank 1",
     "  Zapis korekty od obrotów bank 1"},
    {4, 0xEC, 0xFC, 2, 3, "  Odczyt korekty od obrotów bank 2",
     "  Zapis korekty od obrotów bank 2"},
    {16, 0xE0, 0xF0, 3, -1, "  Odczyt mapy czasów wtrysku benzyny", "  Zapis mapy benzyny"},
    {17, 0xE1, 0xF1, 3, -1, "  Odczyt mapy czasów wtrysku gazu", "  Zapis mapy gazu"},
    {20, 0xE2, 0xF2, 3, -1, "  Odczyt mapy obd benzyna bank 1", "  Zapis mapy kor. obd ben 1"},
    {21, 0xE3, 0xF3, 3, -1, "  Odczyt mapy obd gaz bank 1", "  Zapis mapy kor. obd gaz 1"},
    {22, 0xE4, 0xF4, 3, -1, "  Odczyt mapy obd benzyna bank 2", "  Zapis mapy kor. obd ben 2"},
    {23, 0xE5, 0xF5, 3, -1, "  Odczyt mapy obd gaz bank 2", "  Zapis mapy kor. obd gaz 2"},
    {7, 0xA7, 0xC7, 2, -1, "  Odczyt historii", "  Zapis historii"},
    {8, 0xA8, 0xC8, 2, 3, "  Odczyt korekt od cis. gazu", "  Zapis korekty od cis. gazu"},
    {9, 0xA9, 0xC9, 2, 3, "  Odczyt korekt od temp. red.", "  Zapis korekty od temp. red."},
    {10, 0xAA, 0xCA, 2, 3, "  Odczyt korekt od temp. gazu", "  Zapis korekty od temp. gazu"},
    {11, 0xAB, 0xCB, 2, 3, "  Odczyt emulatora ciś. listwy", "  Zapis emulatora ciś. listwy"},
    {12, 0xAC, 0xCC, 2, 3, "  Odczyt opóźnienia wtr. gazu", "  Zapis opóźnienia wtr. gazu"},
    {13, 0xAD, 0xCD, 2, 3, "  Odczyt wzbogacania-zubożania", "  Zapis wzbogacania-zubożania"},
};

const TOpisBloku* PoKodzieOdczytu(unsigned char kod) {
    for (const TOpisBloku& b : Kolejnosc)
        if (b.odczyt == kod) return &b;
    return nullptr;
}

const TOpisBloku* PoKodzieZapisu(unsigned char kod) {
    for (const TOpisBloku& b : Kolejnosc)
        if (b.zapis == kod) return &b;
    return nullptr;
}

} // namespace Bloki
