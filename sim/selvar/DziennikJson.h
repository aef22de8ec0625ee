#pragma once

#include "OdbiornikRamek.h"

#include <cstdio>
#include <string>

// Every request received, one JSON object a line, flushed at once so that a test can read
// the file while the simulator runs:
//   {"t": 1.234, "start": 101, "code": 129, "payload": "", "answered": true,
//    "replies": ["56 1A 26 81 ..."]}
// with t in seconds since start, the payload unscrambled as space-separated upper-case hex,
// "bad": true for a request that failed its checksum (never answered), "answered"
// false when a fault or the bootloader left a valid request unanswered, "replies" the plain
// frames sent for it (the OBD module's state frame after a live reply too, when those are not
// sent on their own), "unseen" the number of them changed so that their checksum still holds,
// and "unsolicited" the frames of its own (module state, controller state notices) sent
// since the request before, in order. The bootloader's return (code
// 143) adds "image_blocks" and "image_sha256" of the image it holds.
class TDziennikJson {
public:
    TDziennikJson() = default;
    TDziennikJson(const TDziennikJson&) = delete;
    TDziennikJson& operator=(const TDziennikJson&) = delete;
    ~TDziennikJson();

    bool Otworz(const std::string& sciezka);
    // dodatek: further fields, each beginning with ", ".
    void Zapisz(double t, const TZadanie& zadanie, const std::vector<TBajty>& odpowiedzi,
                int niewidoczne, const std::string& dodatek = {});

    // ", \"nazwa\": [\"56 1A ...\", ...]" for frames, or nothing for none.
    static std::string Pole(const char* nazwa, const std::vector<TBajty>& ramki);

    static std::string Linia(double t, const TZadanie& zadanie,
                             const std::vector<TBajty>& odpowiedzi, int niewidoczne,
                             const std::string& dodatek = {});

private:
    std::FILE* plik = nullptr;
};
