#include "TSterownik.h"

#include "ObrazFirmware.h"

#include <algorithm>
#include <cstring>

bool TSterownik::Aktualizacja(int, const QString& sciezka) {
    // A second file while blocks are going out would mix two images.
    // The hardware is the one the controller reported itself, never a loaded file's.
    const unsigned char* ident = IdentZLacza();
    if (FlashZapis || !ident) return false;
    const std::optional<QByteArray> plik = ObrazFirmware::Czytaj(sciezka);
    // A short file would leave the tail of the image to whatever an earlier file left; a
    // version 0 is never a usable firmware.
    if (!plik || plik->size() < ObrazFirmware::RozmiarPelny || !ObrazFirmware::Zgodny(*plik, ident))
        return false;
    std::fill(std::begin(ObrazFlash), std::end(ObrazFlash), 0);
    std::memcpy(ObrazFlash, plik->constData(), static_cast<std::size_t>(plik->size()));
    LicznikBlokow = 0;
    BlokBezPotwierdzenia = 0;
    FlashUzbrojony = 1;
    SkokDoBootloadera = 1;
    return true;
}

void TSterownik::ZapisBlokuFlash() {
    // Block k of the image, its number little-endian in place of the nonce.
    const int k = std::min(LicznikBlokow, ObrazFirmware::LiczbaBlokow - 1);
    Opis("  Zapis Flash");
    RamkaTx[4] = static_cast<unsigned char>(k & 0xFF);
    RamkaTx[5] = static_cast<unsigned char>(k >> 8);
    std::memcpy(RamkaTx + 6,
                ObrazFlash + ObrazFirmware::RozmiarNaglowka + k * ObrazFirmware::RozmiarBloku,
                ObrazFirmware::RozmiarBloku);
    BlokBezPotwierdzenia = 1;
    Ramka(0xFF, 2 + ObrazFirmware::RozmiarBloku);
}

void TSterownik::PotwierdzenieBlokuFlash() {
    // Acknowledgements carry no block number: one that finds no block waiting (the second
    // answer to a block sent twice) counts for nothing.
    if (BlokBezPotwierdzenia) {
        BlokBezPotwierdzenia = 0;
        ++LicznikBlokow;
    }
    if (FlashZapis && LicznikBlokow >= ObrazFirmware::LiczbaBlokow) {
        FlashZapis = 0;
        FlashUzbrojony = 0;
        PowrotZBootloadera = 1;
        WersjaPoAktualizacji = ObrazFlash[ObrazFirmware::PozycjaWersji];
    }
}

// Only a live reply says the bootloader answers; a controller that leaves it by itself is
// noticed at its next identity.
bool TSterownik::BootloaderBezAktualizacji() const {
    const unsigned char* ident = IdentZLacza();
    return ident && ident[5] == 1 && !FlashUzbrojony;
}

const unsigned char* TSterownik::IdentZLacza() const {
    return PortConnected() && identZLacza ? identZLacza->data() : nullptr;
}
