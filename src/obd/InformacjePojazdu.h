#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// Vehicle information (service 09, answers "49 type ..."). On CAN an ECU answers one message,
// multi-frame when long: the count of data items, then the items. On J1850 and ISO 9141 it
// sends numbered messages of four bytes each (the VIN's first one starting with three 00
// bytes); some K-line ECUs send one long message with the count in front, as CAN does.

inline constexpr int InfoMapa = 0x00;
inline constexpr int InfoVin = 0x02;
inline constexpr int InfoKalibracje = 0x04;
inline constexpr int InfoCvn = 0x06;
inline constexpr int InfoNazwaEcu = 0x0A;

// What one ECU told about itself.
struct TInformacjeEcu {
    int ecu = 0;
    std::uint32_t mapa = 0; // info types 01..20 it supports, bit 31 = type 01
    QString vin;
    QStringList kalibracje;
    QStringList cvn; // eight hexadecimal digits each
    QString nazwa;
};

// The bytes of one info type per ECU, in the order the ECUs first answered.
struct TDaneInformacji {
    int ecu = 0;
    QList<std::uint32_t> bajty;
};
QList<TDaneInformacji> DaneInformacji(QByteArrayView odpowiedz, int protokol, int typ);

// Folds the answer to one info type into the list, one entry per ECU.
void DodajInformacje(QList<TInformacjeEcu>& lista, QByteArrayView odpowiedz, int protokol, int typ);

// Printable ASCII without the 00 filler bytes, wherever they stand (an ECU name is its
// acronym filled up to four bytes, "-" and its name); other bytes show as "?".
QString TekstAscii(const QList<std::uint32_t>& bajty);
