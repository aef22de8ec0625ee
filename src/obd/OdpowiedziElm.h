#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

// Pure readers of the adapter's answers during initialisation and the capability scan.

// The identification line of an "ATZ" answer, e.g. "ELM327 v1.5"; nullopt without "ELM".
std::optional<QByteArray> TekstAdaptera(const QByteArray& odpowiedz);

// The voltage of an "ATRV" answer, e.g. "12.4V"; nullopt when the adapter answered "?".
std::optional<QByteArray> TekstNapiecia(const QByteArray& odpowiedz);

// The protocol number of an "ATDPN" answer, 0 when it is not a number. A leading "A" is the
// adapter's automatic-search flag: "A6" is protocol 6.
int NumerProtokolu(const QByteArray& odpowiedz);

// ECUs that answered "0100" and the main one: the last that supports the bank 1 fuel trims
// (PID 06 or 07), else the first.
struct TEcu {
    QByteArray lista; // e.g. "7E8h 7E9h "
    int ecu = 0;
    int ile = 0;
};
TEcu SzukajEcu(const QByteArray& odpowiedz, int protokol);

// Bytes A B C D of the first "41 01" answer as one word; nullopt when there is none.
std::optional<std::uint32_t> SlowoStatusu(const QByteArray& odpowiedz);
