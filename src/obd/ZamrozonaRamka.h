#pragma once

#include "KatalogPidow.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The freeze frame (service 02, frame 0): the values a car stored with the code that set it,
// answered as "42 pid 00 data".

// The data bytes of the main ECU's answer for the PID; nullopt when it sent none.
std::optional<QList<std::uint32_t>> DaneZamrozone(QByteArrayView odpowiedz, int protokol, int ecu,
                                                  int numerPid);

// The PIDs a "supported" bitmap of PID base marks, the next bitmap PID included.
QList<int> PidyZMapy(std::uint32_t mapa, int baza);

// Bytes as the adapter prints them, "1A F8", for the PID decoders that read answer text.
QByteArray TekstBajtow(const QList<std::uint32_t>& bajty);

// One decoded value: its text without the unit, and the unit apart ("1726", "rpm").
struct TWartoscPid {
    int pid = 0;
    QString tekst;
    QString jednostka;
};
// Decodes the PID's data bytes with the same formulas as service 01.
TWartoscPid WartoscZBajtow(const pid& p, int numerPid, const QList<std::uint32_t>& bajty);

struct TZamrozonaRamka {
    std::uint32_t kod = 0;       // the code that stored it; 0: none stored
    QList<TWartoscPid> wartosci; // in PID order, the bitmaps and PID 02 left out
};
