#pragma once

#include <QString>

#include <optional>

class TMapaPortow;

// The desktop application's stored port overrides (preference Ports/COM<n>), so that a
// number names the same device here as there.
void CzytajPrzypisania(TMapaPortow& mapa);

// The port number for --port or --elm-port: a number as it stands (1 or more), or a device
// path, which keeps its own number when it has one and otherwise is given a free number
// for this session. Nothing for a number below 1 or an empty text.
std::optional<int> NumerPortu(const QString& podany, TMapaPortow& mapa);

// A port for messages: the path as given, or for a number "COM3 (/dev/ttyS2)" or "FTDI 0".
QString OpisPortu(const QString& podany, int numer, const TMapaPortow& mapa);
