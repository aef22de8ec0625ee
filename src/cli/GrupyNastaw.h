#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

class QLocale;
class TSterownik;

// The settings of a controller model grouped as the settings editor groups them: the
// frames of the main page at the advanced view level (the full-width frame, then each row
// of column frames left before right), then the pages of the Calibration tab, the
// multiplier strip and the two OBD pages, each setting once; with wszystkie, every other
// named catalogue record last.
struct TGrupaNastaw {
    QString tytul;
    QList<int> indeksy; // catalogue indices 1..303
};
QList<TGrupaNastaw> GrupyNastaw(const TSterownik& s, bool wszystkie);

// One setting as the editor shows it: name, value text, unit.
struct TOpisNastawy {
    QString nazwa, wartosc, jednostka;
};
TOpisNastawy OpisNastawy(const TSterownik& s, int indeks, const QLocale& jezyk);

// The numbers of a text-table language (Jezyki): its decimal separator, no grouping. What
// show and report print in the language of --lang has its numbers in it too.
QLocale LiczbyJezyka(int jezyk);

// The groups as an aligned text table: a title line, then "  name   value unit" lines.
QString TekstGrup(const TSterownik& s, const QList<TGrupaNastaw>& grupy);
QJsonObject GrupyJson(const TSterownik& s, const QList<TGrupaNastaw>& grupy);
