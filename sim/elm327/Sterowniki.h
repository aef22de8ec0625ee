#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <vector>

// The control units of the simulated car, in the order they answer. With two or three
// units the engine (the only one with fuel trims) answers second, so a reader that takes
// the first answering ECU as the main one reads the wrong unit.
struct TDefinicjaEcu {
    const char* nazwa;
    std::vector<int> pidy;           // service 01, bitmap PIDs (0x00, 0x20...) left out
    std::vector<quint16> zapisane;   // service 03
    std::vector<quint16> oczekujace; // service 07
    std::vector<quint16> stale;      // service 0A; 04 does not clear these
    int dopelnienie;                 // the byte its CAN frames are filled with, -1 none
    bool silnik;                     // has the VIN and a freeze frame
    // Service 09 besides the VIN: calibration IDs (up to 16 characters), their verification
    // numbers, and the name ("ECM" filled to four bytes, "-", the name); none: not answered.
    std::vector<const char*> kalibracje;
    std::vector<quint32> cvn;
    QByteArray nazwaEcu;
};

std::vector<TDefinicjaEcu> SkladSamochodu(int ileEcu);

// "P0301" -> 0x0301, "U0155" -> 0xC155: the two bytes of a trouble code.
quint16 KodDtc(const char* tekst);

// The four bytes of the "PIDs supported" answer to PID base (0x00, 0x20...); bit 31 is
// PID base + 1. The next bitmap PID is marked when any PID above it is supported.
quint32 MapaPidow(const std::vector<int>& pidy, int baza);
bool ObslugujePid(const std::vector<int>& pidy, int pid);

constexpr char Vin[] = "VF1SELVAR0E327001";
