#pragma once

#include "TWykres.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

class TSterownik;

// The oscilloscope's CSV export as plain functions over 128-byte samples, so that the view
// and the command-line tool write the same bytes.
//
//   sec;Revolutions;Vacuum;
//   0.0;850;0.42;
//   0.1;860;0.41;
//
// Columns are the traces of the chart lists (view 1) in catalogue order; every line ends
// with CR LF; numbers use the locale's decimal separator, so a Polish comma never clashes
// with the semicolon.

// Raw value of a trace in a sample as the oscilloscope reads it: bits, bytes and words
// as stored, offsets applied, every conversion truncated toward zero.
int WartoscSurowa(const TWykres& wykres, const unsigned char* probka);

// The export's column of a trace in a sample: raw value x Skala by Miejsca (0 general,
// 1 "0.0", 2 "0.00", 3 "0.000") followed by ";"; empty for any other Miejsca.
QString KomorkaCsv(const TWykres& wykres, const unsigned char* probka, const QLocale& locale);

// "sec;" and the name of every column, each followed by ";".
QString NaglowekCsv(const TSterownik& sterownik);

// Sample number i: its time i x 0.1 s as "0.0", ";", then every column.
QString WierszCsv(const TSterownik& sterownik, int i, const unsigned char* probka,
                  const QLocale& locale);

// The whole export of ile samples: header and rows, CR LF after each line, as 8-bit text
// in the system's code page.
QByteArray TekstCsv(const TSterownik& sterownik, const unsigned char* probki, int ile,
                    const QLocale& locale = QLocale());
