#pragma once

#include "Bajty.h"
#include "BlokiPoczatkowe.h"

#include <array>
#include <functional>
#include <optional>

// One data block of the controller, named by its bit in the block mask.
struct TOpisBloku {
    unsigned bit;        // bit number in the block mask
    const char* nazwa;   // also the file name in the blocks folder
    std::uint8_t odczyt; // read request code
    std::uint8_t zapis;  // write request code
    std::size_t rozmiar; // bytes
    bool modul;          // kept by the OBD module (start 'c')
};

// The controller's memory: every block as bytes, replaced whole by writes.
class TPamiecSterownika {
public:
    static constexpr std::size_t LiczbaBlokow = 19;
    static const std::array<TOpisBloku, LiczbaBlokow>& Opisy();
    static std::optional<std::size_t> PoOdczycie(std::uint8_t start, std::uint8_t kod);
    static std::optional<std::size_t> PoZapisie(std::uint8_t start, std::uint8_t kod);
    static std::size_t PoBicie(unsigned bit);

    // Blocks as found in a car driven for a while: installer's settings, calibrated curves.
    explicit TPamiecSterownika(const TKonfiguracjaBlokow& konfiguracja);

    const TBajty& Blok(std::size_t indeks) const { return bloki[indeks]; }
    const TBajty& BlokBitu(unsigned bit) const { return bloki[PoBicie(bit)]; }
    std::uint8_t Nastawa(std::size_t i) const { return bloki[0][i]; }

    // Replaces a block exactly; false when the size does not fit.
    bool Zapisz(std::size_t indeks, const TBajty& dane);
    // One cell of a 16 x 16 block; reports the change like a write.
    void UstawKomorke(unsigned bit, std::size_t komorka, std::uint8_t wartosc);

    // Called with the block index after every change.
    std::function<void(std::size_t)> PoZmianie;

private:
    void Zmieniony(std::size_t indeks);

    std::array<TBajty, LiczbaBlokow> bloki;
};

// Bit numbers of the blocks that the simulator itself works with.
namespace BitBloku {
constexpr unsigned Nastawy = 0, Mnoznik1 = 1, Mnoznik2 = 2, KorOdObr1 = 3, KorOdObr2 = 4;
constexpr unsigned Historia = 7, KorOdCis = 8, KorOdTempRed = 9, KorOdTempGazu = 10;
constexpr unsigned EmulatorCis = 11, OpoznienieWtr = 12, Wzbogacenie = 13;
constexpr unsigned MapaEcuBen = 16, MapaEcuGaz = 17, MapaObdBen1 = 20, MapaObdGaz1 = 21;
constexpr unsigned MapaObdBen2 = 22, MapaObdGaz2 = 23, NastawyObd = 24;
} // namespace BitBloku
