#pragma once

#include <QStringList>

class TTeksty;

// The lines of the error panel from an error frame (command 130): one per active error
// (bytes 6..12), then, with zLicznikami, the stored-error counters (bytes 13..68) under
// their heading.
QStringList LinieBledow(const unsigned char* ramka, bool zLicznikami, const TTeksty& teksty);

// The waiting reason of a live frame (group byte 6, bits byte 7), 0 when there is none.
int PowodCzekania(unsigned char grupa, unsigned char bity);

// A history line: the recording time, one or two TABs so the texts line up, the reason.
QString LiniaHistorii(const QString& czas, const QString& powod);
