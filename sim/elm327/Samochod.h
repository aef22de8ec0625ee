#pragma once

#include "Protokoly.h"
#include "Silnik.h"
#include "Sterowniki.h"
#include "Usterki.h"
#include "WartosciPid.h"

#include <QByteArray>

#include <vector>

// One ECU's answer to a request: one message on CAN (however long), or the short
// messages of a J1850 or K-line bus (three trouble codes, four VIN bytes each).
struct TOdpowiedzEcu {
    int indeks;
    std::vector<QByteArray> wiadomosci;
    int dopelnienie;
};

// The simulated car on its one bus: its ECUs answer OBD requests (services 01, 02, 03, 04,
// 07, 09, 0A) from the engine's state of the moment; 04 clears stored and pending codes and
// the freeze frame.
class TSamochod {
public:
    TSamochod(int protokol, int ileEcu, quint32 ziarno, const TUsterki& usterki = {});

    int Protokol() const { return protokol; }
    const TUsterki& Usterki() const { return usterki; }
    // Only the ECUs that have something to say answer; an empty list means NO DATA.
    std::vector<TOdpowiedzEcu> Odpowiedz(const QByteArray& zadanie, double czas);
    double Napiecie(double czas);
    // Bytes B C D of PID 01 once the monitors have run: supported and not complete.
    void UstawGotowosc(quint32 bcd) { gotowosc = bcd; }

private:
    struct TEcu {
        TDefinicjaEcu definicja;
        std::vector<quint16> zapisane;
        std::vector<quint16> oczekujace;
        double skasowano = -1; // s, < 0 never
    };

    std::vector<QByteArray> Usluga(TEcu& ecu, const QByteArray& zadanie, double czas);
    QByteArray Pidy(const TEcu& ecu, const QByteArray& zadanie, double czas);
    std::vector<QByteArray> Kody(quint8 odpowiedz, const std::vector<quint16>& kody) const;
    TDiagnostyka Diagnostyka(const TEcu& ecu, const TStanSilnika& s) const;

    int protokol;
    TUsterki usterki;
    bool can;
    std::vector<TEcu> ecu;
    TSilnik silnik;
    quint32 gotowosc = DomyslnaGotowosc;
};
