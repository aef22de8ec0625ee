#pragma once

#include "Protokoly.h"
#include "Ustawienia.h"

#include <QByteArray>

#include <vector>

// How one ECU message (service byte and data, such as 41 0C 1A F8) appears in the
// adapter's answer on each bus, with the headers and checksums it carried:
//   J1850 PWM         41 6B 10 41 0C 1A F8 cc     (cc: CRC-8)
//   J1850 VPW, 9141   48 6B 10 41 0C 1A F8 cc
//   KWP               84 F1 10 41 0C 1A F8 cc     (0x80 + data length; cc: sum)
//   CAN 11 bit        7E8 04 41 0C 1A F8          (ISO-TP, "10 .." and "21", "22"...)
//   CAN 29 bit        18 DA F1 10 04 41 0C 1A F8
namespace Ramki {

// 0x7E8 + i on 11-bit CAN, 0x10 + i elsewhere (the last byte of a 29-bit identifier).
int AdresEcu(TRodzina rodzina, int indeks);

// Answer lines, without their line ends. dopelnienie is the byte an ECU fills its CAN
// frames up to 8 bytes with, or -1 for frames only as long as their content.
std::vector<QByteArray> Linie(const TProtokol& protokol, int indeks, const QByteArray& dane,
                              int dopelnienie, const TUstawienia& u);

// ISO 15765-2 frames of a message: a single frame, or a first frame and consecutive frames.
std::vector<QByteArray> RamkiIsoTp(const QByteArray& dane, int dopelnienie);

// Hex bytes as the adapter prints them: "41 0C 1A F8 " (each byte with its space) or
// "410C1AF8" with spaces off.
QByteArray Hex(const QByteArray& bajty, bool spacje);

quint8 SumaKontrolna(const QByteArray& bajty);
quint8 Crc8J1850(const QByteArray& bajty);

} // namespace Ramki
