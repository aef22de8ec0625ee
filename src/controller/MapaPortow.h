#pragma once

#include <QList>
#include <QMap>
#include <QString>

class QSettings;

// A serial port that exists now, under its stable number.
// A serial device the system lists: its path ("/dev/ttyUSB0", "COM3") and its name ("COM3").
struct TUrzadzenieSystemowe {
    QString sciezka;
    QString nazwa;
    QString numerSeryjny; // of a USB adapter; empty for others
};

struct TDostepnyPort {
    int numer = 0;
    QString opis; // menu caption, e.g. "COM33 (/dev/ttyUSB0)"
};

// Numbers 1..1023 name serial ports "COMn". On Windows that is the port itself; elsewhere
// a number maps to a device path: an override first (a stored preference "Ports/COM<n>"
// or a path given for this session), otherwise a fixed range per device family.
class TMapaPortow {
public:
    void UstawPrzypisanie(int numer, const QString& sciezka);
    void CzytajPreferencje(QSettings& ustawienia);

    // The device path (or Windows port name) opened for a number.
    QString Sciezka(int numer) const;
    // The number under which a device path is listed, 0 when it has none.
    int NumerSciezki(const QString& sciezka) const;
    // Ports that exist now, in number order.
    // The system's devices (from TSerial, which alone talks to the port library) with their
    // numbers, and the overrides whose device exists.
    QList<TDostepnyPort> DostepnePorty(const QList<TUrzadzenieSystemowe>& systemowe) const;
    // The path under which the USB adapter of this serial number is present now (a cable
    // plugged back may come back as another ttyUSB); empty when none is, or no number.
    static QString SciezkaNumeruSeryjnego(const QString& numerSeryjny,
                                          const QList<TUrzadzenieSystemowe>& systemowe);

private:
    QMap<int, QString> przypisania;
};
