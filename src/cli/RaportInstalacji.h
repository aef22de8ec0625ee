#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;
class TSterownik;
class TTeksty;

// What an installation report shows besides the controller's own data.
struct TDaneRaportu {
    QString zrodlo; // the settings file, or the port
    QDateTime utworzono;
    quint32 komputer = 0;             // the identifier history entries carry
    std::optional<QStringList> bledy; // the error panel's lines; none from a file
    QString vin;                      // the car's, when the OBD reader read it
};

// The report an installer hands to the car's owner, as a PDF: identity and operating
// times, errors, the history of changes, the settings as the editor groups them, the
// multiplier chart and the map grids as the map view draws them. False when the
// document could not be written.
bool ZapiszRaport(QIODevice& plik, TSterownik& s, const TTeksty& teksty, const TDaneRaportu& d);
