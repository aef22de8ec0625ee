#include "TSerial.h"

#include "D2xx.h"

#ifndef Q_OS_WIN
#include <cerrno>
#include <unistd.h>
#endif

#include <QFile>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QThread>

namespace {

// A permission error of the port library also means "open in another program"; only the
// file's access rights tell the two apart.
bool OdmowaDostepu(const QString& sciezka) {
#ifdef Q_OS_WIN
    Q_UNUSED(sciezka);
    return false;
#else
    return ::access(QFile::encodeName(sciezka).constData(), R_OK | W_OK) != 0 && errno == EACCES;
#endif
}

QSerialPort::Parity ParzystoscQt(int kod) {
    switch (kod) {
    case 1:
        return QSerialPort::OddParity;
    case 2:
        return QSerialPort::EvenParity;
    case 3:
        return QSerialPort::MarkParity;
    case 4:
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

// A write is synchronous for the caller; the kernel takes 262 bytes at once.
constexpr int CzasZapisuMs = 1000;

} // namespace

TSerial::TSerial(const TMapaPortow& mapaPortow, const QString& bibliotekaD2xx, QObject* rodzic)
    : QObject(rodzic), numeracja(mapaPortow),
      d2xx(std::make_unique<TBibliotekaD2xx>(bibliotekaD2xx)) {}

TSerial::~TSerial() {
    PortClose();
}

bool TSerial::D2xxObecna() const {
    return d2xx->Obecna();
}

void TSerial::Czekaj(int ms) const {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

bool TSerial::PortOpen(int numer) {
    if (numer > 0) NumerPortu = numer;
    if (NumerPortu < 1) return false;
    PortClose();
    const bool wynik =
        NumerPortu >= PierwszyFtdi ? OtworzFtdi(NumerPortu - PierwszyFtdi) : OtworzCom(NumerPortu);
    Czekaj(CzasOtwarcia);
    SwiezoOtwarty = wynik;
    return wynik;
}

bool TSerial::OtworzFtdi(int indeks) {
    if (!d2xx->Obecna()) return false;
    if (d2xx->Open(indeks, &uchwytFtdi) != 0) {
        uchwytFtdi = nullptr;
        return false;
    }
    Czekaj(CzasOtwarcia);
    d2xx->SetDataCharacteristics(uchwytFtdi, static_cast<unsigned char>(BityDanych),
                                 static_cast<unsigned char>(BityStopu == 1 ? 0 : BityStopu),
                                 static_cast<unsigned char>(Parzystosc));
    // The chip's 3 MHz base clock divided down: 78 at 38400 baud.
    d2xx->SetDivisor(uchwytFtdi, static_cast<unsigned short>(3000000 / Predkosc));
    d2xx->ResetDevice(uchwytFtdi);
    return true;
}

bool TSerial::OtworzCom(int numer) {
    NazwaPortu = numeracja.Sciezka(numer);
    PortOpenComm();
    return serialOtwarty;
}

void TSerial::PortOpenComm() {
    if (!serialOtwarty) {
        if (NazwaPortu.isEmpty()) return;
        if (!com) com = new QSerialPort(this);
        com->setPortName(NazwaPortu);
        BrakUprawnien.clear();
        if (!com->open(QIODevice::ReadWrite)) {
            if (com->error() == QSerialPort::PermissionError && OdmowaDostepu(NazwaPortu))
                BrakUprawnien = NazwaPortu;
            return;
        }
        com->clearError();
        com->setReadBufferSize(0);
        serialOtwarty = true;
        NumerSeryjny = QSerialPortInfo(*com).serialNumber();
    }
    PortSetComm();
}

void TSerial::PortSetComm() {
    if (!serialOtwarty) return;
    com->setBaudRate(Predkosc);
    com->setDataBits(static_cast<QSerialPort::DataBits>(BityDanych));
    com->setParity(ParzystoscQt(Parzystosc));
    com->setStopBits(BityStopu == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    com->setFlowControl(QSerialPort::NoFlowControl);
}

void TSerial::PortClose() {
    if (serialOtwarty) com->close();
    serialOtwarty = false;
    if (uchwytFtdi && d2xx->Obecna()) d2xx->Close(uchwytFtdi);
    uchwytFtdi = nullptr;
    SwiezoOtwarty = false;
}

bool TSerial::PortConnected() const {
    if (NumerPortu < PierwszyFtdi) return serialOtwarty;
    if (!d2xx->Obecna() || !uchwytFtdi) return false;
    TBibliotekaD2xx::Dword ile = 0;
    return d2xx->GetQueueStatus(uchwytFtdi, &ile) == 0;
}

int TSerial::PortInQueCount() {
    if (serialOtwarty) {
        // Let the port take in what the driver holds, without waiting.
        com->waitForReadyRead(0);
        const QSerialPort::SerialPortError blad = com->error();
        if (blad == QSerialPort::ResourceError || blad == QSerialPort::ReadError) {
            // The device went away (unplugged, or the other end of a pty hung up, which
            // reads as an end of file): show the link as disconnected so that the
            // reconnect can take over.
            PortClose();
            return -1;
        }
        return static_cast<int>(com->bytesAvailable());
    }
    if (!d2xx->Obecna()) return -1;
    TBibliotekaD2xx::Dword ile = 0;
    if (!uchwytFtdi || d2xx->GetQueueStatus(uchwytFtdi, &ile) != 0) return -1;
    return static_cast<int>(ile);
}

int TSerial::PortRead(unsigned char* bufor, int n) {
    if (serialOtwarty) {
        const qint64 ile = com->read(reinterpret_cast<char*>(bufor), n);
        return static_cast<int>(ile);
    }
    if (!d2xx->Obecna() || !uchwytFtdi) return -1;
    TBibliotekaD2xx::Dword kolejka = 0, przeczytane = 0;
    if (d2xx->GetQueueStatus(uchwytFtdi, &kolejka) != 0) return -1;
    if (d2xx->Read(uchwytFtdi, bufor, static_cast<TBibliotekaD2xx::Dword>(n), &przeczytane) != 0)
        return -1;
    return static_cast<int>(przeczytane);
}

int TSerial::PortWrite(const unsigned char* bufor, int n) {
    if (serialOtwarty) {
        const qint64 ile = com->write(reinterpret_cast<const char*>(bufor), n);
        if (ile < 0) return -1;
        while (com->bytesToWrite() > 0)
            if (!com->waitForBytesWritten(CzasZapisuMs)) return -1;
        return static_cast<int>(ile);
    }
    if (!d2xx->Obecna() || !uchwytFtdi) return -1;
    TBibliotekaD2xx::Dword kolejka = 0, zapisane = 0;
    if (d2xx->GetQueueStatus(uchwytFtdi, &kolejka) != 0) return -1;
    // FT_Write does not change the buffer; its signature just lacks the const.
    void* dane = const_cast<unsigned char*>(bufor);
    if (d2xx->Write(uchwytFtdi, dane, static_cast<TBibliotekaD2xx::Dword>(n), &zapisane) != 0)
        return -1;
    return static_cast<int>(zapisane);
}

void TSerial::PortPurgeRx() {
    if (serialOtwarty) {
        com->clear(QSerialPort::Input);
        com->readAll();
    } else if (d2xx->Obecna() && uchwytFtdi) {
        d2xx->Purge(uchwytFtdi, TBibliotekaD2xx::PurgeRx);
    }
}

void TSerial::PortPurgeTx() {
    if (serialOtwarty)
        com->clear(QSerialPort::Output);
    else if (d2xx->Obecna() && uchwytFtdi)
        d2xx->Purge(uchwytFtdi, TBibliotekaD2xx::PurgeTx);
}
