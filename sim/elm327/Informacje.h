#pragma once

#include "Protokoly.h"
#include "Sterowniki.h"

#include <QByteArray>

#include <vector>

// Service 09 of one ECU as its bus carries it. On CAN one message per info type: 49, the
// type, the number of data items, the items. On J1850 and ISO 9141 numbered messages of
// four bytes each (the VIN's first one starting with three 00 bytes), and the odd types
// give the number of messages; KWP ECUs send the VIN as one long message, the count in front
// as on CAN. Empty when the ECU does not offer the type.
std::vector<QByteArray> Informacje(const TDefinicjaEcu& ecu, int typ, TRodzina rodzina);

// Service 02, frame 0, of the engine ECU: the values stored with its first code. After a
// clearing PID 02 reads 00 00 and nothing else is kept. Empty: not answered.
QByteArray ZamrozonaRamka(const TDefinicjaEcu& ecu, bool zapisana, quint16 kod, int pid);
