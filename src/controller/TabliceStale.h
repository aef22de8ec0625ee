#pragma once

// Read-only lookup tables the tool carries: gas-density corrections and NTC sensor
// characteristics. Each returns -1 for an index outside its table.
namespace TabliceStale {

// Gas-density correction by pressure index 0..511 (128 = none).
int KorOdCis(int pozycja);
// Gas-density correction by gas temperature + 128 (128 = none).
int KorOdTempGazu(int pozycja);
// Temperature + 128 by the 8-bit reading of an NTC sensor of 2.2, 4.7, 6.8 or 10 kOhm;
// 255 above the measurable range, 0 below it (an open sensor).
int Termistor2k2(int odczyt);
int Termistor4k7(int odczyt);
int Termistor6k8(int odczyt);
int Termistor10k(int odczyt);

} // namespace TabliceStale
