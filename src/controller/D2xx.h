#pragma once

#include <QLibrary>
#include <QString>

#include <cstdint>

// The vendor's D2XX library for FTDI USB serial chips, loaded at run time.
// When the library or any of its sixteen functions is missing, Obecna() is false
// and only COM ports are offered.
class TBibliotekaD2xx {
public:
    using Status = std::uint32_t; // FT_STATUS; 0 is success
    using Dword = std::uint32_t;
    using Uchwyt = void*; // FT_HANDLE

    static constexpr Dword ListaTylkoLiczba = 0x80000000; // FT_LIST_NUMBER_ONLY
    static constexpr Dword ListaWgIndeksu = 0x40000000;   // FT_LIST_BY_INDEX
    static constexpr Dword WgOpisu = 2;                   // FT_OPEN_BY_DESCRIPTION
    static constexpr Dword PurgeRx = 1;
    static constexpr Dword PurgeTx = 2;

#ifdef Q_OS_WIN
#define SELVAR_D2XX_API __stdcall
#else
#define SELVAR_D2XX_API
#endif
    using FListDevices = Status(SELVAR_D2XX_API*)(void*, void*, Dword);
    using FOpen = Status(SELVAR_D2XX_API*)(int, Uchwyt*);
    using FOpenEx = Status(SELVAR_D2XX_API*)(void*, Dword, Uchwyt*);
    using FUchwyt = Status(SELVAR_D2XX_API*)(Uchwyt);
    using FSetDataCharacteristics = Status(SELVAR_D2XX_API*)(Uchwyt, unsigned char, unsigned char,
                                                             unsigned char);
    using FSetBaudRate = Status(SELVAR_D2XX_API*)(Uchwyt, Dword);
    using FSetDivisor = Status(SELVAR_D2XX_API*)(Uchwyt, unsigned short);
    using FReadWrite = Status(SELVAR_D2XX_API*)(Uchwyt, void*, Dword, Dword*);
    using FGetQueueStatus = Status(SELVAR_D2XX_API*)(Uchwyt, Dword*);
    using FPurge = Status(SELVAR_D2XX_API*)(Uchwyt, Dword);
    using FCreateDeviceInfoList = Status(SELVAR_D2XX_API*)(Dword*);
    using FGetDeviceInfoList = Status(SELVAR_D2XX_API*)(void*, Dword*);
    using FGetDeviceInfoDetail = Status(SELVAR_D2XX_API*)(Dword, Dword*, Dword*, Dword*, Dword*,
                                                          void*, void*, Uchwyt*);
#undef SELVAR_D2XX_API

    // Loads the library by name ("ftd2xx" resolves to FTD2XX.dll or libftd2xx.so) or path.
    explicit TBibliotekaD2xx(const QString& nazwa);
    ~TBibliotekaD2xx();
    TBibliotekaD2xx(const TBibliotekaD2xx&) = delete;
    TBibliotekaD2xx& operator=(const TBibliotekaD2xx&) = delete;

    bool Obecna() const {
        return obecna;
    }

    FListDevices ListDevices = nullptr;
    FOpen Open = nullptr;
    FOpenEx OpenEx = nullptr;
    FUchwyt Close = nullptr;
    FUchwyt ResetDevice = nullptr;
    FSetDataCharacteristics SetDataCharacteristics = nullptr;
    FSetBaudRate SetBaudRate = nullptr;
    FSetDivisor SetDivisor = nullptr;
    FReadWrite Write = nullptr;
    FReadWrite Read = nullptr;
    FGetQueueStatus GetQueueStatus = nullptr;
    FPurge Purge = nullptr;
    FCreateDeviceInfoList CreateDeviceInfoList = nullptr;
    FGetDeviceInfoList GetDeviceInfoList = nullptr;
    FGetDeviceInfoDetail GetDeviceInfoDetail = nullptr;

private:
    template <typename F> bool Znajdz(F& funkcja, const char* nazwa);

    QLibrary biblioteka;
    bool obecna = false;
};
