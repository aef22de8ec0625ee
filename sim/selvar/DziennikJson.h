#pragma once

#include "OdbiornikRamek.h"

#include <cstdio>
#include <string>

// Every request received, one JSON object a line, flushed at once so that a test can read
// the file while the simulator runs:
//   {"t": 1.234, "start": 101, "code": 129, "payload": "", "answered": true}
// with t in seconds since start, the payload unscrambled as space-separated upper-case hex,
// "bad": true for a request that failed its checksum (never answered), and "answered"
// false when a fault or the bootloader left a valid request unanswered.
class TDziennikJson {
public:
    TDziennikJson() = default;
    TDziennikJson(const TDziennikJson&) = delete;
    TDziennikJson& operator=(const TDziennikJson&) = delete;
    ~TDziennikJson();

    bool Otworz(const std::string& sciezka);
    void Zapisz(double t, const TZadanie& zadanie, bool odpowiedziano);

    static std::string Linia(double t, const TZadanie& zadanie, bool odpowiedziano);

private:
    std::FILE* plik = nullptr;
};
