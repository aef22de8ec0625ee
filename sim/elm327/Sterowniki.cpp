#include "Sterowniki.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

std::vector<quint16> Kody(std::initializer_list<const char*> teksty) {
    std::vector<quint16> kody;
    for (const char* t : teksty)
        kody.push_back(KodDtc(t));
    return kody;
}

TDefinicjaEcu Silnik() {
    return {"engine",
            {0x01, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0B, 0x0C, 0x0D, 0x0E,
             0x0F, 0x10, 0x11, 0x13, 0x14, 0x15, 0x18, 0x19, 0x1C, 0x1F, 0x21, 0x2E,
             0x2F, 0x30, 0x31, 0x33, 0x3C, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47,
             0x49, 0x4A, 0x4C, 0x4D, 0x4E, 0x51, 0x61, 0x62, 0x63},
            // Four stored codes need a first frame and one consecutive frame on CAN, seven
            // pending ones two consecutive frames.
            Kody({"P0300", "P0171", "P0420", "U0101"}),
            Kody({"P0301", "P0302", "P0133", "P2097", "P0455", "P0128", "P0442"}),
            Kody({"P0420", "P0300", "P0171"}),
            0x00,
            true,
            {"SV0412ENG13A", "LPG-ADAPT-07"},
            {0x1A2B3C4Du, 0x00C0FFEEu},
            QByteArray("ECM\0-EngineControl", 18)};
}

TDefinicjaEcu Skrzynia() {
    return {"transmission",
            {0x01, 0x04, 0x05, 0x0C, 0x0D, 0x1C, 0x1F, 0x21, 0x31},
            Kody({"P0700", "U0100"}),
            {},
            Kody({"P0700"}),
            -1,
            false,
            {"TCM-AT6-0107"},
            {0x5EED0107u},
            QByteArray("TCM\0-TransmissionCtl", 20)};
}

TDefinicjaEcu Hamulce() {
    return {"brakes", {0x01, 0x0D, 0x1C}, Kody({"C0035"}), Kody({"C0040"}), {}, 0x55, false, {}, {},
            {}};
}

} // namespace

std::vector<TDefinicjaEcu> SkladSamochodu(int ileEcu) {
    if (ileEcu <= 1) return {Silnik()};
    if (ileEcu == 2) return {Skrzynia(), Silnik()};
    return {Skrzynia(), Silnik(), Hamulce()};
}

quint16 KodDtc(const char* tekst) {
    static const char litery[] = "PCBU";
    const unsigned litera = static_cast<unsigned>(std::strchr(litery, tekst[0]) - litery);
    return static_cast<quint16>((litera << 14) | std::strtoul(tekst + 1, nullptr, 16));
}

bool ObslugujePid(const std::vector<int>& pidy, int pid) {
    if (pid % 0x20 == 0)
        return pid == 0 || std::any_of(pidy.begin(), pidy.end(), [pid](int p) { return p > pid; });
    return std::find(pidy.begin(), pidy.end(), pid) != pidy.end();
}

quint32 MapaPidow(const std::vector<int>& pidy, int baza) {
    quint32 mapa = 0;
    for (int i = 0; i < 32; ++i)
        if (ObslugujePid(pidy, baza + 1 + i)) mapa |= 1u << (31 - i);
    return mapa;
}
