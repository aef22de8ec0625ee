#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// Trouble codes out of the answers to services 03, 07 and 0A (reply bytes 43, 47, 4A).

// Reply bytes of the three kinds.
inline constexpr unsigned char OdpowiedzZapisane = 0x43;
inline constexpr unsigned char OdpowiedzOczekujace = 0x47;
inline constexpr unsigned char OdpowiedzPermanentne = 0x4A;

// The heading of a kind, without its leading TAB.
QString NaglowekKodow(unsigned char odpowiedz);
// The heading of a kind for an ECU other than the main one: it names the ECU's address.
QString NaglowekKodowEcu(unsigned char odpowiedz, int ecu);

// The usual five-character form: 0x0301 gives P0301, 0xC155 U0155.
QString KodNaTekst(std::uint32_t kod);

// One message of one ECU: on CAN its frames joined (whatever other ECUs' frames lie between
// them), elsewhere one answer line without its header and checksum.
struct TWiadomosc {
    int ecu = 0;
    bool wieloramkowa = false; // CAN: began with a first frame
    QList<std::uint32_t> bajty;
};

// The messages of every ECU in an answer; lines may end in CR, LF or both, and lines that
// are cut short or are no answer of an ECU (echo, NO DATA, the prompt) are passed over.
QList<TWiadomosc> WiadomosciEcu(QByteArrayView odpowiedz, int protokol);

// The codes of one kind that one ECU sent.
struct TKodyEcu {
    int ecu = 0;
    QList<std::uint32_t> kody; // in answer order, without the 0 fillers
};

// Every ECU that answered the kind, in the order they first answered.
QList<TKodyEcu> KodyEcu(QByteArrayView odpowiedz, int protokol, unsigned char rodzaj);

// The answer to service 04: nullopt when the main ECU confirmed the clearing (44), else the
// refusal as the adapter showed it ("7F 04 22", "NO DATA"), empty when nothing came.
std::optional<QString> OdmowaKasowania(QByteArrayView odpowiedz, int protokol, int ecu);
