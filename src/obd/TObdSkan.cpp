// Capability scan (states 308-312): the ECUs, the status and the supported bitmaps; then the
// first readings of the fuel values (400-406), then readiness and vehicle information.

#include "ElmTekst.h"
#include "TObd.h"

namespace {

bool Obslugiwany(const std::vector<pid>& pidy, int numer) {
    return pidy[static_cast<std::size_t>(numer)].Obslugiwany;
}

} // namespace

bool TObd::BladSkanu() {
    if (!CzyBlad() || ProtokolStaly != 0) return false;
    Stan = 100; // the adapter is initialised again
    return true;
}

void TObd::Skan() {
    if (BladSkanu()) return;
    switch (Stan) {
    case 308:
        StatusEcu();
        PIDsupported(0x00);
        // Without PID 01 nothing is sent and 309 runs on the same answer.
        if (Obslugiwany(Pidy, 0x01)) Nadaj("0101\r");
        Stan = 309;
        return;
    case 309:
        if (Obslugiwany(Pidy, 0x01)) StatusDteMil();
        break;
    default:
        PIDsupported((Stan - 309) * 0x20); // 310: 0x20, 311: 0x40, 312: 0x60
        break;
    }
    const int nastepnaMapa = (Stan - 308) * 0x20; // the bitmap PID to ask for next
    if (!Obslugiwany(Pidy, nastepnaMapa)) {
        Stan = 400;
        return;
    }
    Nadaj("01" + Hex(static_cast<std::uint32_t>(nastepnaMapa), 2) + '\r');
    Stan = Stan == 312 ? 400 : Stan + 1; // the answer to 0180 is not examined
}

void TObd::PierwszyOdczyt(int numerPid) {
    AktualnyPid = numerPid;
    if (WyswietlPid() != 0 && !CzyBlad())
        Pidy[static_cast<std::size_t>(numerPid)].Obslugiwany = true;
}

void TObd::PierwszeOdczyty() {
    // Each state decodes the answer to the PID the previous one asked for.
    static constexpr int Pidy400[] = {0x03, 0x06, 0x07, 0x08, 0x09};
    if (Stan == 406) {
        StatusVoltage();
        ZacznijDiagnoze(false, true, false);
        return;
    }
    const int indeks = Stan - 400;
    if (indeks > 0) PierwszyOdczyt(Pidy400[indeks - 1]);
    if (Stan == 405) {
        OpiszPid();
        Nadaj("ATRV\r");
    } else {
        Nadaj("01" + Hex(static_cast<std::uint32_t>(Pidy400[indeks]), 2) + '\r');
    }
    ++Stan;
}
