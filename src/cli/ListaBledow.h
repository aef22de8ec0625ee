#pragma once

#include <QStringList>

class TTeksty;

// The controller's error list (reply 0x82) as the error panel shows it: one line per
// active error (frame bytes 6..12, one bit per error source), then, when the controller
// reports stored errors, an empty line, the heading "Stored errors:" and one line
// "count x text" per source with a non-zero counter (frame bytes 13..68).
QStringList LinieListyBledow(const unsigned char* ramka, bool zapamietane, const TTeksty& teksty);
