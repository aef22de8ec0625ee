#pragma once

#include "Magistrala.h"
#include "Plan.h"
#include "Samochod.h"
#include "Ustawienia.h"

#include <QByteArray>

// The adapter's AT commands: settings, protocol choice, identification and voltage.
// Anything else gets "?", as on the adapters this imitates.
class TKomendyAt {
public:
    TKomendyAt(TUstawienia& ustawienia, TMagistrala& magistrala, TSamochod& samochod);

    // komenda: what follows "AT", upper case, spaces taken out ("SP6", "CAF1").
    void Wykonaj(const QByteArray& komenda, double czas, TPlan& plan);

    static constexpr int CzasResetuMs = 300;
    static constexpr char Wersja[] = "ELM327 v1.5";

private:
    bool Przelacznik(const QByteArray& k);
    bool Protokol(const QByteArray& k);
    bool CzasOczekiwania(const QByteArray& k);
    bool Opis(const QByteArray& k, double czas, TPlan& plan);
    void Reset(int poMs, TPlan& plan);
    TUstawienia PoWlaczeniu() const;

    TUstawienia& u;
    TMagistrala& magistrala;
    TSamochod& samochod;
};
