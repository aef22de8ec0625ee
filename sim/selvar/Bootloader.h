#pragma once

#include "Bajty.h"

#include <string>
#include <vector>

// The controller's bootloader: entered with 0x8E, left with 0x8F; takes the application
// image in 256-byte blocks (0xFF) and keeps it.
class TBootloader {
public:
    static constexpr std::size_t RozmiarBloku = 256;
    static constexpr std::size_t LiczbaBlokow = 224;

    explicit TBootloader(std::string plikObrazu)
        : plik(std::move(plikObrazu)), obraz(RozmiarBloku * LiczbaBlokow, 0xFF),
          odebrane(LiczbaBlokow, false) {}

    bool Aktywny() const { return aktywny; }
    void Wejdz() { aktywny = true; }
    // Leaves the bootloader; writes the image file when one is named.
    void Wyjdz();

    // Stores one block: block number and 256 bytes. False for a number beyond the image.
    bool Zapisz(unsigned numer, const TBajty& dane);

    const TBajty& Obraz() const { return obraz; }
    std::size_t IleOdebranych() const;
    // Writes the image to the named file, if any; false when that fails.
    bool ZapiszPlik() const;

private:
    std::string plik;
    bool aktywny = false;
    TBajty obraz;
    std::vector<bool> odebrane;
};
