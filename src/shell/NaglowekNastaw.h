#pragma once

#include <QStringList>

class TSterownik;

// The default-settings header of the firmware project: record 0's default becomes the
// checksum of the defaults of records 1..255, then one "#define defNNN" line per record.
QStringList NaglowekNastaw(TSterownik& s);
