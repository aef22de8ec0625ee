#pragma once

#include <QByteArray>

// The adapter's protocols by their own numbers: 1..9 the OBD buses, 10..12 (A..C) J1939 and
// the two user CAN settings, which no simulated car uses.
enum class TRodzina { J1850Pwm, J1850Vpw, Iso9141, Kwp, Can11, Can29, Inna };

struct TProtokol {
    int numer;
    TRodzina rodzina;
    const char* opis;      // as ATDP shows it
    int proba;             // ms a failed attempt takes during a search
    int inicjacja;         // ms of the bus initialisation (K line) or first contact
    int pierwszaOdpowiedz; // ms from the request to the first ECU's answer
    int kolejnaOdpowiedz;  // ms between the answers of further ECUs
    int ramka;             // ms between the frames of one multi-frame CAN answer
};

constexpr int NajwyzszyProtokol = 12;

// nullptr for a number outside 1..12.
const TProtokol* Protokol(int numer);

bool JestCan(TRodzina r);
bool JestLiniaK(TRodzina r);
