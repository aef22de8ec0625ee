#include "D2xx.h"

template <typename F> bool TBibliotekaD2xx::Znajdz(F& funkcja, const char* nazwa) {
    funkcja = reinterpret_cast<F>(biblioteka.resolve(nazwa));
    return funkcja != nullptr;
}

TBibliotekaD2xx::TBibliotekaD2xx(const QString& nazwa) : biblioteka(nazwa) {
    if (!biblioteka.load()) return;
    // FT_OpenEx, FT_SetBaudRate and FT_GetDeviceInfoList are never called, but a library
    // without them is not a D2XX we trust.
    const bool wszystkie = Znajdz(ListDevices, "FT_ListDevices") & Znajdz(Open, "FT_Open") &
                           Znajdz(OpenEx, "FT_OpenEx") & Znajdz(Close, "FT_Close") &
                           Znajdz(ResetDevice, "FT_ResetDevice") &
                           Znajdz(SetDataCharacteristics, "FT_SetDataCharacteristics") &
                           Znajdz(SetBaudRate, "FT_SetBaudRate") &
                           Znajdz(SetDivisor, "FT_SetDivisor") & Znajdz(Write, "FT_Write") &
                           Znajdz(Read, "FT_Read") & Znajdz(GetQueueStatus, "FT_GetQueueStatus") &
                           Znajdz(Purge, "FT_Purge") &
                           Znajdz(CreateDeviceInfoList, "FT_CreateDeviceInfoList") &
                           Znajdz(GetDeviceInfoList, "FT_GetDeviceInfoList") &
                           Znajdz(GetDeviceInfoDetail, "FT_GetDeviceInfoDetail");
    obecna = wszystkie;
    if (!obecna) biblioteka.unload();
}

TBibliotekaD2xx::~TBibliotekaD2xx() {
    if (biblioteka.isLoaded()) biblioteka.unload();
}
