#pragma once

#include "Sesja.h"
#include "TSterownik.h"

#include <QStringList>

#include <array>
#include <functional>

// The controller link of one command: the port opened, the link engine running on the
// event loop, replies counted. Besides the common failures a wait also ends on an error
// box of the core (the bootloader answering, for one).
class TSesjaSterownika : public TSesja {
public:
    explicit TSesjaSterownika(TKontekst& kontekst);

    // Opens the port and waits for the identity of the running application.
    bool Polacz();
    // Waits until the blocks of the mask are read, with the count on stderr.
    bool CzekajNaOdczyt(int maska, const QString& co);
    // Waits for what a fresh connection reads: every block, and the OBD module's settings
    // when the controller has one.
    bool CzekajNaCalosc();
    // Waits for an error list and a live frame (whose flags say whether the stored error
    // counters are shown).
    bool CzekajNaBledy();
    // The error panel's lines from the last list.
    QStringList LinieBledowSesji() const;

    TSterownik s;
    // Each accepted reply, after the counters below are updated: code and frame length.
    std::function<void(int kod, int dlugosc)> PoOdpowiedzi;
    // Each request frame just built, before it goes out.
    std::function<void(int kod)> PoZadaniu;
    int Identyfikacje = 0;
    int RamkiBiezace = 0;
    int ListyBledow = 0;
    // The last error list as received; a shorter one reads as zeros beyond its end.
    std::array<unsigned char, TSterownik::RozmiarProbki> ListaBledow{};

private:
    void Zdarzenie(int kod, int a1, int a2);
    QString Przeszkoda() override;
};

// The identity has arrived and the application, not the bootloader, answers.
bool AplikacjaOdpowiada(const TSesjaSterownika& sesja);
