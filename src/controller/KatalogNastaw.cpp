// The settings catalogue: what every byte of the two settings blocks means.

#include "TSterownik.h"

#include <cstring>

void TSterownik::DodajNastawe(unsigned indeks, unsigned tekst, unsigned char jednostka,
                              double skala, unsigned char rodzaj, unsigned char min,
                              unsigned char domyslna, unsigned char max,
                              const std::array<int, 10>& opcje) {
    if (indeks >= unsigned(LiczbaNastaw)) return;
    ListaNastaw[indeks] = {int(tekst), jednostka, skala, rodzaj, min, domyslna, max, opcje};
}

void TSterownik::UtworzListeNastaw() {
    for (TNastawa& n : ListaNastaw)
        n = {};
    constexpr unsigned char V = 1, Bar = 2, Ms = 4, C = 5, S = 6, Rpm = 7, Proc = 8;

    DodajNastawe(1, 3010, 0, 0, 0x80, 0, 0, 8,
                 {3011, 3012, 3013, 3014, 3015, 3016, 3017, 3018, 3019});
    DodajNastawe(2, 3020, 0, 1, 0x10, 1, 1, 120);
    DodajNastawe(3, 3030, V, 0.06, 0x12, 5, 50, 200);
    DodajNastawe(4, 3040, 0, 0, 0x80, 0, 0, 3, {3041, 3042, 3043, 3044});
    DodajNastawe(5, 3050, 0, 0, 0x80, 0, 1, 1, {3051, 3052});
    DodajNastawe(8, 3080, 0, 0, 0x80, 0, 0, 2, {3081, 3082, 3083});
    DodajNastawe(9, 3090, 0, 0, 0x80, 0, 0, 1, {3091, 3092});
    DodajNastawe(10, 3100, 0, 0, 0x80, 0, 0, 1, {3101, 3102, 3103});
    DodajNastawe(11, 3110, Ms, 0.1, 0x11, 0, 0, 25);
    DodajNastawe(12, 3120, Proc, 1, 0x10, 0, 0, 100);
    DodajNastawe(13, 0, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(20, 3200, 0, 0, 0x80, 0, 0, 1, {3201, 3202});
    DodajNastawe(21, 3210, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(22, 0, C, 1, 0x20, 108, 128, 168);
    DodajNastawe(23, 3230, Ms, 0.1, 0x11, 0, 0, 50);
    DodajNastawe(24, 3240, 0, 0, 0x80, 1, 1, 26);
    // 25..28: the injector type's parameters, set from setting 24 by the editor.
    DodajNastawe(25, 0, Ms, 0.1, 0x11, 0, 19, 255);
    DodajNastawe(26, 0, Ms, 0.025, 0x23, 0, 140, 255);
    DodajNastawe(27, 0, 0, 0.025, 0x23, 0, 168, 255);
    DodajNastawe(28, 0, Proc, 1, 0x10, 0, 50, 100);
    DodajNastawe(30, 0, 0, 0, 0x10, 0, 0, 255);
    DodajNastawe(31, 3310, 0, 0, 0x10, 0, 0, 255);
    // 32..39: the petrol input mask of each injection channel.
    for (unsigned k = 0; k < 8; ++k)
        DodajNastawe(32 + k, 0, 0, 0, 0x10, 0, static_cast<unsigned char>(1u << k), 255);
    DodajNastawe(40, 3400, 0, 0, 0x80, 0, 0, 3, {3401, 3402, 3403, 3404});
    // 41..44: level sensor points.
    const unsigned char Poziomy[] = {44, 39, 20, 8};
    for (unsigned k = 0; k < 4; ++k)
        DodajNastawe(41 + k, 0, V, 0.02, 0x12, 0, Poziomy[k], 255);
    DodajNastawe(45, 3450, 0, 0, 0x80, 1, 4, 4, {3451, 3452, 3453, 3454, 3455});
    DodajNastawe(46, 3460, 0, 0, 0x80, 1, 4, 4, {3451, 3452, 3453, 3454, 3455});
    DodajNastawe(47, 3470, 0, 0, 0x80, 0, 0, 0, {3471});
    DodajNastawe(50, 3500, Rpm, 10, 0x10, 0, 70, 255);
    DodajNastawe(51, 3510, C, 1, 0x20, 128, 168, 218);
    DodajNastawe(52, 3520, S, 1, 0x10, 1, 6, 60);
    DodajNastawe(53, 3530, S, 0.1, 0x10, 0, 20, 200);
    DodajNastawe(54, 3540, S, 1, 0x10, 0, 10, 60);
    DodajNastawe(55, 3550, S, 0.1, 0x11, 0, 10, 200);
    DodajNastawe(56, 3560, 0, 0, 0x80, 0, 0, 2, {3561, 3562, 3563});
    DodajNastawe(57, 3570, 0, 0, 0x80, 0, 0, 2, {3571, 3572, 3573});
    DodajNastawe(58, 3580, C, 1, 0x20, 138, 168, 218);
    DodajNastawe(59, 3590, Ms, 0.1, 0x11, 0, 0, 100);
    DodajNastawe(60, 3600, Rpm, 10, 0x10, 0, 30, 255);
    DodajNastawe(61, 3610, Rpm, 50, 0x10, 60, 200, 200);
    DodajNastawe(62, 3620, C, 1, 0x20, 108, 128, 148);
    DodajNastawe(63, 3630, Bar, 0.01, 0x12, 0, 60, 100);
    DodajNastawe(64, 3640, S, 0.01, 0x12, 0, 20, 255);
    DodajNastawe(65, 3650, S, 0.1, 0x11, 3, 5, 50);
    DodajNastawe(66, 3660, Ms, 0.1, 0x10, 3, 20, 50);
    DodajNastawe(67, 3670, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(68, 3680, 0, 0, 0x70, 0, 1, 1);
    DodajNastawe(69, 3690, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(70, 3700, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(75, 3750, 0, 0, 0x80, 0, 0, 1, {3751, 3752});
    DodajNastawe(76, 0, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(77, 3770, C, 1, 0x20, 128, 168, 188);
    DodajNastawe(78, 3780, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(79, 3790, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(80, 0, 0, 1, 0x90, 0, 0, 255);
    DodajNastawe(81, 3810, 0, 0, 0x80, 0, 0, 2, {3811, 3812, 3813});
    DodajNastawe(82, 3820, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(83, 3830, Ms, 0.05, 0x12, 0, 60, 255);
    DodajNastawe(85, 3850, C, 1, 0x20, 0, 178, 255);
    DodajNastawe(86, 3860, Bar, 0.01, 0x12, 0, 100, 255);
    DodajNastawe(87, 0, C, 1, 0x20, 0, 128, 255);
    DodajNastawe(88, 0, Bar, 0.01, 0x12, 0, 0, 255);
    DodajNastawe(89, 0, Ms, 0.004, 0x13, 0, 60, 255);
    DodajNastawe(90, 3900, Ms, 0.02, 0x22, 0, 128, 255);
    DodajNastawe(92, 3900, Ms, 0.02, 0x22, 0, 128, 255);
    DodajNastawe(94, 0, 0, 0.0078125, 0x12, 0, 181, 255);
    DodajNastawe(96, 3960, 0, 0, 0x80, 0, 1, 3, {3961, 3962, 3963, 3964});
    DodajNastawe(98, 3980, 0, 1, 0x10, 0, 4, 7);
    DodajNastawe(99, 3990, 0, 1, 0x10, 0, 4, 7);
    for (unsigned i = 100; i <= 102; ++i)
        DodajNastawe(i, 0, 0, 1, 0x10, 0, 0, 255);
    DodajNastawe(103, 4030, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(104, 4040, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(106, 4060, Proc, 1, 0x10, 0, 10, 50);
    DodajNastawe(107, 4070, Proc, 1, 0x10, 0, 5, 50);
    DodajNastawe(109, 4090, 0, 0, 0x80, 0, 0, 8);
    DodajNastawe(110, 4100, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(112, 4120, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(113, 4130, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(114, 4140, 0, 0, 0x70, 0, 0, 1);
    // 115..122: four selected trouble codes, low byte then high byte.
    for (unsigned i = 115; i <= 121; i += 2) {
        DodajNastawe(i, 4141, 0, 1, 0xA0, 0, 0, 255);
        DodajNastawe(i + 1, 0, 0, 1, 0xB0, 0, 0, 255);
    }
    // Multiplier break points: bank 2 at 164..189, bank 1 at 190..215; the last of each
    // holds the curve's last position.
    for (unsigned i = 164; i <= 214; ++i)
        DodajNastawe(i, 0, 0, 1, 0x10, 0, 0, 255);
    DodajNastawe(189, 0, 0, 1, 0x10, 0, 200, 255);
    DodajNastawe(215, 0, 0, 1, 0x10, 0, 200, 255);
    for (unsigned i = 216; i <= 223; ++i)
        DodajNastawe(i, 0, Ms, 0.025, 0x20, 0, 128, 255);
    // Map axes: load (0.01 bar) at 224..239, RPM (50 rpm) at 240..255.
    const unsigned char Obciazenia[] = {6,  12, 18, 25, 31, 37, 43, 50,
                                        56, 62, 68, 75, 81, 87, 93, 100};
    const unsigned char Obroty[] = {12, 18, 24, 30, 36, 42,  48,  54,
                                    60, 66, 72, 80, 90, 100, 110, 120};
    for (unsigned k = 0; k < 16; ++k) {
        DodajNastawe(224 + k, 0, Bar, 0.01, 0x10, 0, Obciazenia[k], 255);
        DodajNastawe(240 + k, 0, Rpm, 50, 0x10, 0, Obroty[k], 255);
    }
    // The OBD module's block.
    DodajNastawe(257, 4090, 0, 0, 0x80, 0, 1, 10);
    DodajNastawe(258, 4100, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(260, 4120, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(261, 4130, 0, 0, 0x70, 0, 0, 1);
    DodajNastawe(262, 4140, 0, 0, 0x70, 0, 0, 1);
    for (unsigned i = 263; i <= 269; i += 2) {
        DodajNastawe(i, 4141, 0, 1, 0xA0, 0, 0, 255);
        DodajNastawe(i + 1, 0, 0, 1, 0xB0, 0, 0, 255);
    }
}

void TSterownik::WypelnijNastawyDomyslne() {
    for (int i = 0; i < PierwszaNastawaObd; ++i)
        Nastawy[i] = ListaNastaw[i].Domyslna;
    for (int i = PierwszaNastawaObd; i < LiczbaNastaw; ++i)
        NastawyObd[i - PierwszaNastawaObd] = ListaNastaw[i].Domyslna;
}

void TSterownik::NastawyFabryczne() {
    // The factory command resets the controller's settings, not the OBD module's: its block
    // is neither written nor read again, so memory keeps what the module holds.
    unsigned char modul[sizeof NastawyObd];
    std::memcpy(modul, NastawyObd, sizeof modul);
    WypelnijNastawyDomyslne();
    std::memcpy(NastawyObd, modul, sizeof modul);
    KasujMnoznik(3);
    KasujKorOdObr(3);
    KasujKorekty();
    // Written before the command: the engine serves block writes first.
    Fabryczne = 1;
    DoZapisu |= 0x1;
}
