#pragma once

#include <QJsonObject>
#include <QString>

class TSesjaObd;

// What obd prints besides the status rows, the PIDs and the panel's codes: the readiness of
// the monitors and the vehicle information, as text in the user's language.
QString TekstDiagnozy(const TSesjaObd& sesja);

// The whole reading as one JSON document with stable English field names (see the README).
QJsonObject ObdJson(const TSesjaObd& sesja);
