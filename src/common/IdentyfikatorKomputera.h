#pragma once

#include <QtGlobal>

// The computer's identifier stamped on history entries: the volume serial number of drive
// C: on Windows; elsewhere the first 32 bits of the machine id, 0 when there is none.
quint32 IdentyfikatorKomputera();
