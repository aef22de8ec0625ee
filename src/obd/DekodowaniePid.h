#pragma once

#include "KatalogPidow.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// 1-based position of the first data byte of the main ECU's answer to the PID, 0 when the
// answer holds none. The pattern is the ECU's header and "41 pid", e.g. "7E8 04 41 0C" on
// 11-bit CAN, where the length byte has to match as well.
int SzukajEcuPid(const QByteArray& odpowiedz, int protokol, int ecu, int numerPid, int bajty);

// The value text of a PID from the text of its data bytes ("1A F8"); the unit is appended as
// "[unit]": 1726[rpm].
QString TekstPid(const pid& p, int numerPid, QByteArrayView dane);

// The OBD standard of PID 1C, "Reserved" for unknown values.
QString StandardObd(std::uint32_t a);
