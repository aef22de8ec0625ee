#pragma once

#include <QByteArray>
#include <QString>

#include <span>

// How the adapter shows an answer line of ECU EE (headers on).
enum class TStylNaglowka {
    Brak,     // nothing is read under such a protocol
    J1850Iso, // "41 6B EE 41 00 ...": priority, tester 6B, ECU, data, checksum
    Kwp,      // "86 F1 EE 41 00 ...": format byte, tester F1, ECU, data, checksum
    Can11,    // "7E8 06 41 00 ...": identifier, length byte, data
    Can29,    // "18 DA F1 EE 06 41 00 ...": identifier bytes, length byte, data
};

// The adapter's own protocol numbers 1..12.
struct TProtokol {
    QString krotka; // status row 3
    QString dluga;  // the log
    TStylNaglowka styl;
};

// The protocol of an adapter number; nullptr outside 1..12.
const TProtokol* OpisProtokolu(int numer);
TStylNaglowka StylNaglowka(int numer);

// One try of the automatic protocol search.
struct TKandydat {
    QString etykieta;   // status row 3 while it is tried
    QString dluga;      // the log
    QByteArray komenda; // without CR
};

// The eleven candidates in the order they are tried.
std::span<const TKandydat> KandydaciProtokolu();
