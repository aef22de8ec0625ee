#include "Protokoly.h"

namespace {

// Times are shortened from a real bus (a 5-baud init takes two seconds there) so that a
// whole search stays within the application's three-second answer time.
constexpr TProtokol Tabela[NajwyzszyProtokol] = {
    {1, TRodzina::J1850Pwm, "SAE J1850 PWM", 120, 40, 25, 10, 0},
    {2, TRodzina::J1850Vpw, "SAE J1850 VPW", 120, 40, 30, 12, 0},
    {3, TRodzina::Iso9141, "ISO 9141-2", 300, 400, 45, 30, 0},
    {4, TRodzina::Kwp, "ISO 14230-4 (KWP 5BAUD)", 300, 400, 40, 25, 0},
    {5, TRodzina::Kwp, "ISO 14230-4 (KWP FAST)", 150, 120, 40, 25, 0},
    {6, TRodzina::Can11, "ISO 15765-4 (CAN 11/500)", 60, 10, 8, 3, 1},
    {7, TRodzina::Can29, "ISO 15765-4 (CAN 29/500)", 60, 10, 8, 3, 1},
    {8, TRodzina::Can11, "ISO 15765-4 (CAN 11/250)", 60, 10, 12, 4, 2},
    {9, TRodzina::Can29, "ISO 15765-4 (CAN 29/250)", 60, 10, 12, 4, 2},
    {10, TRodzina::Inna, "SAE J1939 (CAN 29/250)", 60, 10, 0, 0, 0},
    {11, TRodzina::Inna, "USER1 (CAN 11/125)", 60, 10, 0, 0, 0},
    {12, TRodzina::Inna, "USER2 (CAN 11/50)", 60, 10, 0, 0, 0},
};

} // namespace

const TProtokol* Protokol(int numer) {
    if (numer < 1 || numer > NajwyzszyProtokol) return nullptr;
    return &Tabela[numer - 1];
}

bool JestCan(TRodzina r) {
    return r == TRodzina::Can11 || r == TRodzina::Can29;
}

bool JestLiniaK(TRodzina r) {
    return r == TRodzina::Iso9141 || r == TRodzina::Kwp;
}
