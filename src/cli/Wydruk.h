#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Plain-text layouts of the commands' output.

// "label:  value" lines, the values lined up one column after the longest label.
QString Etykietowane(const QList<QPair<QString, QString>>& wiersze);

// A row of a table: every cell right-aligned in its width, cells two spaces apart.
QString WierszTabeli(const QStringList& komorki, const QList<int>& szerokosci);

class QJsonObject;

// One JSON object on one line of stdout: the form scripts read with --json.
void WypiszJson(const QJsonObject& obiekt);
