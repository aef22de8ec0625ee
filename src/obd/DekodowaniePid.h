#pragma once

#include "KatalogPidow.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// 1-based position of the first data byte of the main ECU's answer to the PID, 0 when the
// answer holds none. The pattern is the ECU's header and "41 pid", e.g. "7E8 04 41 0C" on
// 11-bit CAN, where the length byte has to match as well.
int SzukajEcuPid(const QByteArray& odpowiedz, int protokol, int ecu, int numerPid, int bajty);

// The value text of a PID: v is all its data bytes as one number (last 32 bits), a the first
// data byte. The unit is appended as "[unit]": 1726[rpm].
QString TekstPid(const pid& p, std::uint32_t v, std::uint32_t a);

// The OBD standard of PID 1C, "Reserved" for unknown values.
QString StandardObd(std::uint32_t a);
