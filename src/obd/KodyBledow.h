#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

// Trouble codes out of the answers to services 03, 07 and 0A (reply bytes 43, 47, 4A).

// Reply bytes of the three kinds.
inline constexpr unsigned char OdpowiedzZapisane = 0x43;
inline constexpr unsigned char OdpowiedzOczekujace = 0x47;
inline constexpr unsigned char OdpowiedzPermanentne = 0x4A;

// The heading of a kind, without its leading TAB.
QString NaglowekKodow(unsigned char odpowiedz);

// Finds the main ECU's reply and deletes the text before its data. On CAN the text then
// starts at the length byte, and the reply must be a single or a first frame.
bool SzukajEcuMode(QByteArray& tekst, int protokol, int ecu, unsigned char odpowiedz);

// The usual five-character form: 0x0301 gives P0301, 0xC155 U0155.
QString KodNaTekst(std::uint32_t kod);

struct TKodyEcu {
    bool jest = false;         // the main ECU answered this kind
    QList<std::uint32_t> kody; // in answer order, without the 0 fillers
};

using TLogKodow = std::function<void(const QString& tekst, bool wynik)>;

// J1850, ISO 9141 and KWP: up to three codes per message of the main ECU.
TKodyEcu KodyIso(QByteArray tekst, int protokol, int ecu, unsigned char odpowiedz);

// CAN: one ISO-TP message of the main ECU, single or multi-frame. The log gets the steps
// of joining the consecutive frames (wynik true) and the count with the data (false).
TKodyEcu KodyCan(QByteArray tekst, int protokol, int ecu, unsigned char odpowiedz,
                 const TLogKodow& log = {});
