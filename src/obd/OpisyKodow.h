#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Trouble-code description tables: raw Windows-1250 text, one "P0301 description" per line,
// lines separated by CR LF, the last line without a line end.

// Resource numbers of the two tables.
inline constexpr int ZasobOpisowAngielskich = 900; // every letter
inline constexpr int ZasobOpisowPolskich = 901;    // P codes only

// The description of the first occurrence of the five-character code in the table: the text
// from the space after the code up to the next CR or the end of the table, so it starts with
// that space. Empty when the code does not occur.
std::optional<QString> OpisKoduZTabeli(QByteArrayView tabela, QByteArrayView kod);

// Table bytes as display text: ASCII as it is, the 18 Polish letters of Windows-1250 as those
// letters, every other byte of 0x80 or above as "/" and its decimal value (0x96 gives "/150").
QString TekstOpisuZBajtow(QByteArrayView bajty);

// The raw bytes of table 900 or 901 compiled into the program; empty for any other number.
QByteArray TabelaOpisow(int zasob);
