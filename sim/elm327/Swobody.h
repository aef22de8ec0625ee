#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <random>
#include <vector>

// What the adapter's description leaves free, and what the simulator makes of it: by
// default every freedom is used, varied by the seed; each option fixes one.
struct TSwobody {
    bool lfPoWlaczeniu = false; // LF after every CR from power-on until ATL0
    bool spacjaNaKoncu = true;  // a space after the last byte of a data line
    int opoznienieOdMs = 0;     // each answer starts after a wait drawn from this range
    int opoznienieDoMs = 0;
    bool kolejnoscLosowa = false; // the ECUs answer each request in an order of their own
    quint32 ziarno = 1;

    // Within the reader's 3 s wait for the prompt, with the bus's own times on top.
    static constexpr int MaksOpoznieniaMs = 40;
};

// The draws for each answer, repeatable from the seed.
class TLosSwobod {
public:
    TLosSwobod(const TSwobody& swobody, quint32 przesuniecie)
        : s(swobody), los(swobody.ziarno + przesuniecie) {}

    int OpoznienieMs() {
        return std::uniform_int_distribution<int>(s.opoznienieOdMs, s.opoznienieDoMs)(los);
    }
    template <typename T> void Kolejnosc(std::vector<T>& odpowiedzi) {
        if (s.kolejnoscLosowa) std::shuffle(odpowiedzi.begin(), odpowiedzi.end(), los);
    }
    // A data line as this adapter ends it.
    QByteArray Linia(QByteArray linia) const {
        if (!s.spacjaNaKoncu && linia.endsWith(' ')) linia.chop(1);
        return linia;
    }

private:
    const TSwobody& s;
    std::mt19937 los;
};
