#pragma once

// The controller's data blocks, one bit each in the masks for reads, writes and
// pending acknowledgements.
namespace Bloki {

inline constexpr int Nastawy = 0x1;
inline constexpr int Mnoznik1 = 0x2;
inline constexpr int Mnoznik2 = 0x4;
inline constexpr int KorOdObr1 = 0x8;
inline constexpr int KorOdObr2 = 0x10;
inline constexpr int Historia = 0x80;
inline constexpr int KorOdCis = 0x100;
inline constexpr int KorOdTempRed = 0x200;
inline constexpr int KorOdTempGazu = 0x400;
inline constexpr int EmulatorCis = 0x800;
inline constexpr int OpoznienieWtr = 0x1000;
inline constexpr int Wzbogacenie = 0x2000;
inline constexpr int MapaEcuBen = 0x10000;
inline constexpr int MapaEcuGaz = 0x20000;
inline constexpr int MapaObdBen1 = 0x100000;
inline constexpr int MapaObdGaz1 = 0x200000;
inline constexpr int MapaObdBen2 = 0x400000;
inline constexpr int MapaObdGaz2 = 0x800000;
inline constexpr int NastawyObd = 0x1000000;

// What a fresh connection reads, and what a factory reset makes stale.
inline constexpr int WszystkieBloki = 0xF3079F;
inline constexpr int PoFabrycznych = 0x71F;
// What a settings file brings to a connected controller: all but the history.
inline constexpr int ZUstawien = 0xF3071F;

struct TOpisBloku {
    int bit;              // index 0..23 in the masks
    unsigned char odczyt; // read request code
    unsigned char zapis;  // write request code
    int czekajSloty;      // slots skipped after the write
    int historia;         // history kind recorded after the write, -1 none
    const char* tekstOdczytu;
    const char* tekstZapisu;
};

// The 256-byte blocks of the controller in the order the link serves them.
extern const TOpisBloku Kolejnosc[18];

const TOpisBloku* PoKodzieOdczytu(unsigned char kod);
const TOpisBloku* PoKodzieZapisu(unsigned char kod);

} // namespace Bloki
