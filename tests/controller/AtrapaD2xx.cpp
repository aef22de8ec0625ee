// A stand-in for the FTDI D2XX library, built only for tests and loaded like the real one.
// Devices are plugged, fed and unplugged through the Atrapa* control functions.

#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

using Dword = std::uint32_t;

namespace {

struct TUrzadzenie {
    std::string opis, numer;
    bool podlaczone = true;
    bool otwarte = false;
    std::deque<unsigned char> wejscie;
    std::vector<unsigned char> wyjscie;
    int dzielnik = 0, bityDanych = 0, stop = -1, parzystosc = -1, resety = 0, purgeRx = 0,
        purgeTx = 0;
};

std::vector<TUrzadzenie> urzadzenia;

TUrzadzenie* Z(void* uchwyt) {
    auto* u = static_cast<TUrzadzenie*>(uchwyt);
    for (TUrzadzenie& d : urzadzenia)
        if (&d == u && d.podlaczone && d.otwarte) return u;
    return nullptr;
}

constexpr Dword Blad = 1;

} // namespace

#define API extern "C" __attribute__((visibility("default")))

API void AtrapaPodlacz(const char* opis, const char* numer) {
    urzadzenia.push_back({opis, numer});
}
API void AtrapaWyczysc() {
    urzadzenia.clear();
    urzadzenia.reserve(16);
}
API void AtrapaOdlacz(int i) {
    urzadzenia.at(static_cast<size_t>(i)).podlaczone = false;
}
API void AtrapaPodaj(int i, const unsigned char* b, int n) {
    auto& w = urzadzenia.at(static_cast<size_t>(i)).wejscie;
    w.insert(w.end(), b, b + n);
}
API int AtrapaOdbierz(int i, unsigned char* b, int n) {
    auto& w = urzadzenia.at(static_cast<size_t>(i)).wyjscie;
    const int ile = std::min<int>(n, static_cast<int>(w.size()));
    std::memcpy(b, w.data(), static_cast<size_t>(ile));
    w.erase(w.begin(), w.begin() + ile);
    return ile;
}
// Line settings and call counts: divisor, data bits, stop code, parity, resets, purges rx/tx.
API void AtrapaStan(int i, int* stan) {
    const TUrzadzenie& u = urzadzenia.at(static_cast<size_t>(i));
    const int w[] = {u.dzielnik, u.bityDanych, u.stop,    u.parzystosc,
                     u.resety,   u.purgeRx,    u.purgeTx, u.otwarte};
    std::memcpy(stan, w, sizeof w);
}

API Dword FT_ListDevices(void* a1, void* a2, Dword flagi) {
    if (flagi & 0x80000000u) {
        *static_cast<Dword*>(a1) = static_cast<Dword>(urzadzenia.size());
        return 0;
    }
    const auto i = reinterpret_cast<std::uintptr_t>(a1);
    if (i >= urzadzenia.size()) return Blad;
    std::strncpy(static_cast<char*>(a2), urzadzenia[i].opis.c_str(), 63);
    return 0;
}
API Dword FT_Open(int i, void** uchwyt) {
    if (i < 0 || static_cast<size_t>(i) >= urzadzenia.size() ||
        !urzadzenia[static_cast<size_t>(i)].podlaczone)
        return Blad;
    urzadzenia[static_cast<size_t>(i)].otwarte = true;
    *uchwyt = &urzadzenia[static_cast<size_t>(i)];
    return 0;
}
API Dword FT_OpenEx(void*, Dword, void**) {
    return Blad;
}
API Dword FT_Close(void* uchwyt) {
    auto* u = static_cast<TUrzadzenie*>(uchwyt);
    u->otwarte = false;
    return 0;
}
API Dword FT_ResetDevice(void* h) {
    TUrzadzenie* u = Z(h);
    if (!u) return Blad;
    ++u->resety;
    return 0;
}
API Dword FT_SetDataCharacteristics(void* h, unsigned char bity, unsigned char stop,
                                    unsigned char parz) {
    TUrzadzenie* u = Z(h);
    if (!u) return Blad;
    u->bityDanych = bity;
    u->stop = stop;
    u->parzystosc = parz;
    return 0;
}
API Dword FT_SetBaudRate(void*, Dword) {
    return Blad;
}
API Dword FT_SetDivisor(void* h, unsigned short d) {
    TUrzadzenie* u = Z(h);
    if (!u) return Blad;
    u->dzielnik = d;
    return 0;
}
API Dword FT_Write(void* h, void* b, Dword n, Dword* zapisane) {
    TUrzadzenie* u = Z(h);
    if (!u) return Blad;
    const auto* p = static_cast<const unsigned char*>(b);
    u->wyjscie.insert(u->wyjscie.end(), p, p + n);
    *zapisane = n;
    return 0;
}
API Dword FT_Read(void* h, void* b, Dword n, Dword* przeczytane) {
    TUrzadzenie* u = Z(h);
    if (!u) return Blad;
    Dword ile = 0;
    auto* p = static_cast<unsigned char*>(b);
    for (; ile < n && !u->wejscie.empty(); ++ile) {
        p[ile] = u->wejscie.front();
        u->wejscie.pop_front();
    }
    *przeczytane = ile;
    return 0;
}
API Dword FT_GetQueueStatus(void* h, Dword* ile) {
    TUrzadzenie* u = Z(h);
    if (!u) return Blad;
    *ile = static_cast<Dword>(u->wejscie.size());
    return 0;
}
API Dword FT_Purge(void* h, Dword maska) {
    TUrzadzenie* u = Z(h);
    if (!u) return Blad;
    if (maska & 1) {
        u->wejscie.clear();
        ++u->purgeRx;
    }
    if (maska & 2) ++u->purgeTx;
    return 0;
}
API Dword FT_CreateDeviceInfoList(Dword* ile) {
    *ile = static_cast<Dword>(urzadzenia.size());
    return 0;
}
#ifndef ATRAPA_NIEPELNA
API Dword FT_GetDeviceInfoList(void*, Dword*) {
    return Blad;
}
#endif
API Dword FT_GetDeviceInfoDetail(Dword i, Dword*, Dword*, Dword*, Dword*, void* numer, void* opis,
                                 void**) {
    if (i >= urzadzenia.size()) return Blad;
    std::strncpy(static_cast<char*>(numer), urzadzenia[i].numer.c_str(), 15);
    std::strncpy(static_cast<char*>(opis), urzadzenia[i].opis.c_str(), 63);
    return 0;
}
