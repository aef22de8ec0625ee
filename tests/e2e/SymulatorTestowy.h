#pragma once

// Test side of the controller simulator: a small frame coder of its own (so that neither
// side's fault is mirrored by the other), the simulator process, and a raw POSIX port on
// its pseudo-terminal.

#include "ProcesSymulatora.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace RamkaTestu {

// Wire bytes of a request: header, checksum over the plain frame, payload scrambled.
QByteArray Zadanie(char start, quint8 kod, QByteArray ladunek = {});
// The plain frame of wire bytes (payload unscrambled); its checksum is not judged here.
QByteArray Jawna(const QByteArray& przewod);
bool SumaZgodna(const QByteArray& ramka);
quint8 Bajt(const QByteArray& ramka, int pozycja);
unsigned U16(const QByteArray& ramka, int pozycja);
// A 256- or 48-byte block with byte 0 set so that it sums to 0.
QByteArray ZSuma(QByteArray blok);

} // namespace RamkaTestu

// selvar-sim as a child process; ends it on destruction.
class TSymulatorTestowy : public TProcesSymulatora {
public:
    explicit TSymulatorTestowy(const QStringList& argumenty)
        : TProcesSymulatora(QStringLiteral(SELVAR_SIM), argumenty) {}
};

// The application's end of the line, opened raw with plain POSIX calls.
class TPortTestowy {
public:
    explicit TPortTestowy(const QString& sciezka);
    ~TPortTestowy();
    TPortTestowy(const TPortTestowy&) = delete;
    TPortTestowy& operator=(const TPortTestowy&) = delete;

    bool Otwarty() const { return fd >= 0; }
    void Wyslij(const QByteArray& bajty);
    // Bytes arriving within ms; stops early after count bytes. Empty on a hung-up line.
    QByteArray Czytaj(int ms, int ile = 1 << 20);
    // True when the other end has hung up (a read reports an error or the end).
    bool Rozlaczony(int ms);
    // The next whole frame (plain), waiting up to ms for it.
    std::optional<QByteArray> Ramka(int ms);
    // Sends a request and returns the first reply with the given start byte and code,
    // skipping other frames (the OBD module's own state frames).
    std::optional<QByteArray> Zapytaj(char start, quint8 kod, const QByteArray& ladunek = {},
                                      int ms = 5000);
    // Request payload with a nonce and the 0 byte in front of the data.
    static QByteArray ZNonce(const QByteArray& dane = {}, quint8 nonce = 0x5A);

private:
    int fd = -1;
    QByteArray bufor;
};
