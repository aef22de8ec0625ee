#pragma once

#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

class TSterownik;
class TTeksty;
struct TKontekst;

// The controller's identity and operating times as info prints them: labelled rows in the
// chosen language, or an object with fixed field names.
QList<QPair<QString, QString>> WierszeTozsamosci(const TSterownik& s, const TTeksty& teksty);
QJsonObject TozsamoscJson(const TSterownik& s);

// A controller model without a link, reporting to the terminal, for files.
void BezLacza(TSterownik& s, TKontekst& k);
// Loads a settings file into it; false (message printed) when the file cannot be used.
bool WczytajPlikUstawien(TSterownik& s, TKontekst& k, const QString& plik);
