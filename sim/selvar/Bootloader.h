#pragma once

#include "Bajty.h"
#include "Tozsamosc.h"

#include <optional>
#include <string>
#include <vector>

// The version an application image carries, at its end: "SELVARFW", then a, b, c (c the
// main number), beta, year - 2000, month, day.
struct TWersjaObrazu {
    std::array<int, 3> wersja{};
    int beta = 0;
    TData data;
};

// The controller's bootloader: entered with 0x8E, left with 0x8F; takes the application
// image in 256-byte blocks (0xFF) and keeps it. Entering from the application erases the
// application; it can be left again only once every block has been written.
class TBootloader {
public:
    static constexpr std::size_t RozmiarBloku = 256;
    static constexpr std::size_t LiczbaBlokow = 224;
    static constexpr std::size_t PolozenieWersji = RozmiarBloku * LiczbaBlokow - 16;

    explicit TBootloader(std::string plikObrazu)
        : plik(std::move(plikObrazu)), obraz(RozmiarBloku * LiczbaBlokow, 0xFF),
          odebrane(LiczbaBlokow, false) {}

    bool Aktywny() const { return aktywny; }
    void Wejdz();
    // Leaves the bootloader when the image is whole, writing the image file when one is
    // named; false (and still active) otherwise.
    bool Wyjdz();

    // Stores one block: block number and 256 bytes. False for a number beyond the image.
    bool Zapisz(unsigned numer, const TBajty& dane);

    const TBajty& Obraz() const { return obraz; }
    std::size_t IleOdebranych() const;
    // SHA-256 of the image, lower-case hex.
    std::string Skrot() const;
    // The version record at the image's end, when it has one.
    std::optional<TWersjaObrazu> Wersja() const;
    // Writes the image to the named file, if any; false when that fails.
    bool ZapiszPlik() const;

private:
    std::string plik;
    bool aktywny = false;
    TBajty obraz;
    std::vector<bool> odebrane;
};
