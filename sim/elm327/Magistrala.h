#pragma once

#include "Plan.h"
#include "Samochod.h"
#include "Ustawienia.h"

#include <QByteArray>

#include <vector>

// The adapter's side of the OBD bus: the protocol chosen by ATSP or ATTP, the search or
// bus initialisation on the first request after a change, and the OBD requests themselves
// with the ECUs' answers framed as the protocol and the settings show them.
class TMagistrala {
public:
    TMagistrala(TSamochod& samochod, const TUstawienia& ustawienia);

    // automat: ATDPN shows "A"; dalej: on failure the other protocols are searched too;
    // zapisz: kept for the next reset, as ATSP does.
    void UstawProtokol(int numer, bool automat, bool dalej, bool zapisz);
    // ATZ, ATWS, ATD: back to the kept protocol, not connected.
    void Reset();
    QByteArray Dpn() const;
    QByteArray Dp() const;

    // cyfry: the request as hex digits, with an optional last digit that limits the number
    // of answers awaited ("01001" stops after the first one).
    void Zapytaj(const QByteArray& cyfry, double czas, TPlan& plan);

private:
    bool NaCan() const;
    bool Polacz(TPlan& plan);
    std::vector<int> Kandydaci() const;
    void InicjacjaLiniiK(TPlan& plan, int ms, bool udana) const;
    QByteArray BladPolaczenia() const;
    QByteArray DoSamochodu(const QByteArray& bajty) const;
    void Odpowiedzi(const std::vector<TOdpowiedzEcu>& odpowiedzi, int limit, TPlan& plan) const;
    void Przeplot(const std::vector<TOdpowiedzEcu>& odpowiedzi, TPlan& plan) const;

    TSamochod& samochod;
    const TUstawienia& u;
    TLosSwobod los;
    int wybrany = 0;
    bool automat = true;
    bool dalej = true;
    bool polaczony = false;
    int zapisany = 0;
    bool zapisanyAutomat = true;
};
