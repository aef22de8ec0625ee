#pragma once

#include "KomunikatyBoczne.h"
#include "Paliwo.h"
#include "Pamiec.h"
#include "Silnik.h"
#include "Tozsamosc.h"
#include "Wtrysk.h"

#include <array>
#include <optional>

// Fuel trims that the tool handed over with a 0x94 poll: fuel system 1 and 2 status,
// short and long term trim of bank 1, of bank 2 (128 = 0 %, 0 = not available).
using TTrymyObd = std::array<std::uint8_t, 6>;

// What the controller learns while the car drives: the petrol and gas injection-time maps
// (petrol time per cell, 0.1 ms), the OBD correction maps from the fuel trims, and the
// adaptation of the multiplier and of the idle time (identity 66..69, adaptation setting
// 81 on). Each change is announced in the live frames.
class TNauka {
public:
    TNauka(TPamiecSterownika& pamiec, TTozsamosc& tozsamosc, TKomunikatyBoczne& komunikaty,
           const TWtrysk& wtrysk);

    void Wlacz(bool tak) { wlaczona = tak; }
    void Krok(double dt, const TStanSilnika& silnik, const TPaliwo& paliwo,
              const std::optional<TTrymyObd>& trymy);

private:
    void Mapy(const TStanSilnika& silnik, const TPaliwo& paliwo,
              const std::optional<TTrymyObd>& trymy);
    void Ucz(std::uint8_t mapa, const TKomorka& komorka, int wartosc);
    void Adaptacja(const TStanSilnika& silnik, const TPaliwo& paliwo);
    bool Przesun(int pozycja, int kierunek);

    TPamiecSterownika& pamiec;
    TTozsamosc& tozsamosc;
    TKomunikatyBoczne& komunikaty;
    const TWtrysk& wtrysk;
    bool wlaczona = true;
    double doMap = 0, doAdaptacji = 0, doZapisu = 0;
    bool mapyZmienione = false;
};
