#include "Protokoly.h"

#include <array>

namespace {

using enum TStylNaglowka;

const std::array<TProtokol, 12> Protokoly{{
    {QStringLiteral("SAE J1850 PWM"), QStringLiteral("SAE J1850 PWM (41.6 Kbaud)"), J1850Iso},
    {QStringLiteral("SAE J1850 VPW"), QStringLiteral("SAE J1850 VPW (10.4 Kbaud)"), J1850Iso},
    {QStringLiteral("ISO 9141-2 (KL)"), QStringLiteral("ISO 9141-2 (5 baud init, 10.4 Kbaud)"),
     J1850Iso},
    {QStringLiteral("ISO 14230-4 (KWP slow init)"),
     QStringLiteral("ISO 14230-4 KWP (5 baud init, 10.4 Kbaud)"), Kwp},
    {QStringLiteral("ISO 14230-4 (KWP fast init)"),
     QStringLiteral("ISO 14230-4 KWP (fast init, 10.4 Kbaud)"), Kwp},
    {QStringLiteral("CAN (11 bit ID, 500 kb)"),
     QStringLiteral("ISO 15765-4 CAN (11 bit ID, 500 Kbaud)"), Can11},
    {QStringLiteral("CAN (29 bit ID, 500 kb)"),
     QStringLiteral("ISO 15765-4 CAN (29 bit ID, 500 Kbaud)"), Can29},
    {QStringLiteral("CAN (11 bit ID, 250 kb)"),
     QStringLiteral("ISO 15765-4 CAN (11 bit ID, 250 Kbaud)"), Can11},
    {QStringLiteral("CAN (29 bit ID, 250 kb)"),
     QStringLiteral("ISO 15765-4 CAN (29 bit ID, 250 Kbaud)"), Can29},
    {QStringLiteral("CAN (29 bit ID, 250* kb)"),
     QStringLiteral("SAE J1939 CAN (29 bit ID, 250* Kbaud)"), Brak},
    {QStringLiteral("USER1"), QStringLiteral("USER1 CAN (11* bit ID, 125* Kbaud)"), Brak},
    {QStringLiteral("USER2"), QStringLiteral("USER2 CAN (11* bit ID, 50* Kbaud)"), Brak},
}};

// 500 kbaud CAN first, as most cars use it, and again after the slow buses.
const std::array<TKandydat, 11> Kandydaci{{
    {QStringLiteral("try CAN (11 bit ID, 500 Kbaud)"),
     QStringLiteral("ISO 15765-4 CAN (11 bit ID, 500 Kbaud)"), "ATTP6"},
    {QStringLiteral("try CAN (29 bit ID, 500 Kbaud)"),
     QStringLiteral("ISO 15765-4 CAN (29 bit ID, 500 Kbaud)"), "ATTP7"},
    {QStringLiteral("try SAE J1850 VPW"), QStringLiteral("SAE J1850 VPW (10.4 Kbaud)"), "ATTP2"},
    {QStringLiteral("try SAE J1850 PWM"), QStringLiteral("SAE J1850 PWM (41.6 Kbaud)"), "ATTP1"},
    {QStringLiteral("try ISO 9141-2 (KL)"),
     QStringLiteral("ISO 9141-2 (KL) (5 baud init, 10.4 Kbaud)"), "ATTP3"},
    {QStringLiteral("try KWP slow init"),
     QStringLiteral("ISO 14230-4 KWP (5 baud init, 10.4 Kbaud)"), "ATTP4"},
    {QStringLiteral("try KWP fast init"), QStringLiteral("ISO 14230-4 KWP (fast init, 10.4 Kbaud)"),
     "ATTP5"},
    {QStringLiteral("try CAN (11 bit ID, 500 Kbaud)"),
     QStringLiteral("ISO 15765-4 CAN (11 bit ID, 500 Kbaud)"), "ATTP6"},
    {QStringLiteral("try CAN (29 bit ID, 500 Kbaud)"),
     QStringLiteral("ISO 15765-4 CAN (29 bit ID, 500 Kbaud)"), "ATTP7"},
    {QStringLiteral("try CAN (11 bit ID, 250 Kbaud)"),
     QStringLiteral("ISO 15765-4 CAN (11 bit ID, 250 Kbaud)"), "ATTP8"},
    {QStringLiteral("try CAN (29 bit ID, 250 Kbaud)"),
     QStringLiteral("ISO 15765-4 CAN (29 bit ID, 250 Kbaud)"), "ATTP9"},
}};

} // namespace

const TProtokol* OpisProtokolu(int numer) {
    if (numer < 1 || numer > static_cast<int>(Protokoly.size())) return nullptr;
    return &Protokoly[static_cast<std::size_t>(numer - 1)];
}

TStylNaglowka StylNaglowka(int numer) {
    const TProtokol* p = OpisProtokolu(numer);
    return p ? p->styl : Brak;
}

std::span<const TKandydat> KandydaciProtokolu() {
    return Kandydaci;
}
