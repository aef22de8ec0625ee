#pragma once

#include <QString>

#include <span>

// One service-01 parameter of the catalogue; its index is its PID number.
struct pid {
    int Bajty = 0;            // data bytes in the answer
    QString Nazwa;            // long name
    QString Skrot;            // short name, may be empty
    QString Jednostka;        // unit, may be empty
    int Wzor = -1;            // decoding formula; -1: shown in hexadecimal
    int Wiersz = -1;          // row in the PID grid; -1: not shown
    bool Obslugiwany = false; // the main ECU reports it supported
    bool Wybrany = false;     // read in the PID cycle
};

// The 129 PIDs 0x00..0x80 of SAE J1979 as the reader knows them, without the flags.
struct TOpisPid {
    int bajty;
    const char* nazwa;
    const char* skrot;
    const char* jednostka;
    int wzor;
};
std::span<const TOpisPid> TabelaPidow();

// Read as soon as the ECU reports them: fuel system status and the four fuel trims.
inline constexpr int PidyDomyslne[] = {0x03, 0x06, 0x07, 0x08, 0x09};
