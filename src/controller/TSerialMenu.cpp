#include "D2xx.h"
#include "MenuPortow.h"
#include "TSerial.h"

#include <QSerialPortInfo>

namespace {

void Dodaj(TMenuPortow& menu, TMenuPortow* popup, const QString& opis, int tag, bool zaznaczony) {
    menu.DodajPort(opis, tag, zaznaczony);
    if (popup) popup->DodajPort(opis, tag, zaznaczony);
}

QString Tekst(const char* bufor, std::size_t rozmiar) {
    return QString::fromLatin1(bufor, static_cast<qsizetype>(qstrnlen(bufor, rozmiar)));
}

} // namespace

QList<TUrzadzenieSystemowe> TSerial::UrzadzeniaSystemu() {
    QList<TUrzadzenieSystemowe> systemowe;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        systemowe.append({info.systemLocation(), info.portName(), info.serialNumber()});
    return systemowe;
}

void TSerial::PortList(TMenuPortow& menu, TMenuPortow* popup) {
    menu.UsunPorty();
    if (popup) popup->UsunPorty();
    const bool polaczony = PortConnected();

    if (d2xx->Obecna()) {
        TBibliotekaD2xx::Dword ile = 0;
        d2xx->ListDevices(&ile, nullptr, TBibliotekaD2xx::ListaTylkoLiczba);
        Czekaj(CzasOtwarcia);
        ile = 0;
        d2xx->CreateDeviceInfoList(&ile);
        for (TBibliotekaD2xx::Dword i = 0; i < ile; ++i) {
            char numerSeryjny[16] = {};
            char opis[64] = {};
            TBibliotekaD2xx::Dword flagi = 0, typ = 0, id = 0, lokalizacja = 0;
            void* uchwyt = nullptr;
            d2xx->GetDeviceInfoDetail(i, &flagi, &typ, &id, &lokalizacja, numerSeryjny, opis,
                                      &uchwyt);
            const QString nr = Tekst(numerSeryjny, sizeof numerSeryjny);
            const QString op = Tekst(opis, sizeof opis);
            const int tag = PierwszyFtdi + static_cast<int>(i);
            QString napis = !op.isEmpty() && !nr.isEmpty() ? op + QStringLiteral(" - ") + nr
                                                           : QStringLiteral("FTDI %1").arg(i);
            if (!polaczony && tag == NumerPortu) napis += QStringLiteral(" (*)");
            Dodaj(menu, popup, napis, tag, polaczony && tag == NumerPortu);
        }
    }

    const QList<TDostepnyPort> porty = numeracja.DostepnePorty(UrzadzeniaSystemu());
    for (const TDostepnyPort& port : porty) {
        QString napis = port.opis;
        if (!serialOtwarty && port.numer == NumerPortu) napis += QStringLiteral(" (*)");
        Dodaj(menu, popup, napis, port.numer, serialOtwarty && port.numer == NumerPortu);
    }
}

void TSerial::PortOnClick(TPozycjaMenu& pozycja) {
    if (pozycja.Tag() >= 1) {
        NumerPortu = pozycja.Tag();
        PortOpen(-1);
        return;
    }
    // The connect/disconnect item; its tag tells the periodic reconnect whether to act.
    if (PortConnected()) {
        PortClose();
        pozycja.UstawTag(-1);
    } else {
        PortOpen(-1);
        pozycja.UstawTag(0);
    }
}

bool TSerial::PortOpenFtdiByDescription(const QByteArray& szukany) {
    PortClose();
    bool otwarty = false;
    if (d2xx->Obecna()) {
        TBibliotekaD2xx::Dword ile = 0;
        d2xx->ListDevices(&ile, nullptr, TBibliotekaD2xx::ListaTylkoLiczba);
        TBibliotekaD2xx::Dword lista = 0;
        d2xx->CreateDeviceInfoList(&lista);
        for (TBibliotekaD2xx::Dword i = 0; i < ile; ++i) {
            char opis[64] = {};
            // The index travels in the pointer argument, as the library defines it.
            void* indeks = reinterpret_cast<void*>(static_cast<quintptr>(i));
            if (d2xx->ListDevices(indeks, opis,
                                  TBibliotekaD2xx::ListaWgIndeksu | TBibliotekaD2xx::WgOpisu) !=
                0) {
                char numerSeryjny[16] = {};
                TBibliotekaD2xx::Dword flagi = 0, typ = 0, id = 0, lokalizacja = 0;
                void* uchwyt = nullptr;
                d2xx->GetDeviceInfoDetail(i, &flagi, &typ, &id, &lokalizacja, numerSeryjny, opis,
                                          &uchwyt);
            }
            if (QByteArray(opis, static_cast<qsizetype>(qstrnlen(opis, sizeof opis))) == szukany)
                otwarty = PortOpen(PierwszyFtdi + static_cast<int>(i));
        }
    }
    Czekaj(CzasOtwarcia);
    SwiezoOtwarty = otwarty;
    return otwarty;
}
