#pragma once

#include <QString>

class TTeksty;

// The message for a serial device the user may not open, in the chosen language: the
// device, the group that owns it and how to join that group.
QString TekstBrakuUprawnien(const TTeksty& teksty, const QString& sciezka);
