#pragma once

#include "MapaPortow.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class QSerialPort;
class TBibliotekaD2xx;
class TMenuPortow;
class TPozycjaMenu;

// The byte-stream port under both links: a numbered serial port or an FTDI device.
// Port number 1..1023 is COMn, 1024 + i is FTDI device i, below 1 is none.
// Reads never block: callers ask PortInQueCount() and read only that much.
class TSerial : public QObject {
public:
    static constexpr int PierwszyFtdi = 1024;

    // The port mapping is the caller's; the D2XX library is looked up by this name or path.
    explicit TSerial(const TMapaPortow& mapa,
                     const QString& bibliotekaD2xx = QStringLiteral("ftd2xx"),
                     QObject* rodzic = nullptr);
    ~TSerial() override;

    bool PortOpen(int numer);
    bool PortOpenFtdiByDescription(const QByteArray& opis);
    void PortOpenComm();
    void PortSetComm();
    void PortClose();
    bool PortConnected() const;
    int PortRead(unsigned char* bufor, int n);
    int PortWrite(const unsigned char* bufor, int n);
    int PortInQueCount();
    void PortPurgeRx();
    void PortPurgeTx();
    void PortList(TMenuPortow& menu, TMenuPortow* popup = nullptr);
    void PortOnClick(TPozycjaMenu& pozycja);

    bool D2xxObecna() const;

    int NumerPortu = PierwszyFtdi;
    int Predkosc = 38400;
    int BityDanych = 8;
    int Parzystosc = 0; // Windows codes: 0 none, 1 odd, 2 even, 3 mark, 4 space
    int BityStopu = 1;
    // bit 0 parity check; bits 1..4 (DSR sensitivity, TX on XOFF, error character, null
    // stripping) have no equivalent on a QSerialPort and are kept only as a value.
    unsigned char Opcje = 0;
    QString NazwaPortu = QStringLiteral("Com1");
    // Set by every open attempt to its result; the link engine consumes it.
    bool SwiezoOtwarty = false;
    // The settle time after opening, in ms; tests shorten it.
    int CzasOtwarcia = 100;
    // The device path of the last opening that failed for lack of permission (the user is
    // not in the group that owns the device); empty after any other outcome.
    QString BrakUprawnien;
    // The USB serial number of the COM device last opened, empty when it has none.
    QString NumerSeryjny;
    // The serial devices the system lists now.
    static QList<TUrzadzenieSystemowe> UrzadzeniaSystemu();

private:
    bool OtworzFtdi(int indeks);
    bool OtworzCom(int numer);
    void Czekaj(int ms) const;

    const TMapaPortow& numeracja;
    QSerialPort* com = nullptr;
    bool serialOtwarty = false;
    std::unique_ptr<TBibliotekaD2xx> d2xx;
    void* uchwytFtdi = nullptr;
};
