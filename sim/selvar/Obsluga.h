#pragma once

#include "Bledy.h"
#include "Bootloader.h"
#include "Model.h"
#include "ModulObd.h"
#include "OdbiornikRamek.h"
#include "Pamiec.h"
#include "Tozsamosc.h"

#include <functional>
#include <vector>

// Request codes of the controller (start 'e') and of its OBD module (start 'c').
namespace Rozkaz {
constexpr std::uint8_t Tozsamosc = 0x81, Bledy = 0x82, KasujBledy = 0x83;
constexpr std::uint8_t ZmianaPaliwa = 0x84, ZmianaSzybka = 0x85, Wtryskiwacze = 0x86;
constexpr std::uint8_t TestGlosnika = 0x87, TestSzczelnosci = 0x88, Fabryczne = 0x89;
constexpr std::uint8_t Bootloader = 0x8E, PowrotZBootloadera = 0x8F;
constexpr std::uint8_t Biezace = 0x90; // 0x90..0x9F: bit 0 calibration, bit 2 OBD values
constexpr std::uint8_t BlokFlash = 0xFF;
constexpr std::uint8_t StanPracy = 0x80; // the controller's state notice, never requested
constexpr std::uint8_t ObdStan = 0x70, ObdTozsamosc = 0x71, ObdKasujDtc = 0x74, ObdCzytajDtc = 0x76;
} // namespace Rozkaz

// What the controller does with each request, and the plain reply frames it gives: reply
// code = request code, payload byte 0 the request's nonce, byte 1 the status, data from
// frame byte 6. Requests it does not know, and writes of the wrong length, get no reply.
class TObslugaRozkazow {
public:
    TObslugaRozkazow(TPamiecSterownika& pamiec, TTozsamosc& tozsamosc, TBledy& bledy, TModel& model,
                     TBootloader& bootloader, TModulObd* modul);

    std::vector<TBajty> Obsluz(const TZadanie& zadanie, double teraz);

    // The padding byte of an odd payload.
    std::function<std::uint8_t()> Wypelnienie = [] { return std::uint8_t{0}; };

private:
    std::vector<TBajty> Sterownik(const TZadanie& z, double teraz);
    std::vector<TBajty> Rozkazy(const TZadanie& z);
    std::vector<TBajty> Bootloadera(const TZadanie& z);
    std::vector<TBajty> Modul(const TZadanie& z);
    std::vector<TBajty> Biezace(const TZadanie& z, double teraz);
    std::vector<TBajty> CzytajBlok(const TZadanie& z, std::size_t blok);
    std::vector<TBajty> ZapiszBlok(const TZadanie& z, std::size_t blok);
    void ZglosZapis(unsigned bit);

    TPamiecSterownika& pamiec;
    TTozsamosc& tozsamosc;
    TBledy& bledy;
    TModel& model;
    TBootloader& bootloader;
    TModulObd* modul;
};
