// The live values of the live frame, in the order the lists show them.

#include "TSterownik.h"

void TSterownik::DodajWykres(int tekst, int jednostka, int typ, int pozycja, double skala,
                             int miejsca, TKolor kolor, double wzmocnienie, int widoki) {
    TWykres w;
    w.Tekst = tekst;
    w.Jednostka = jednostka;
    w.Typ = typ;
    w.Pozycja = pozycja;
    w.Skala = skala;
    w.Miejsca = miejsca;
    w.Kolor = kolor;
    w.Wzmocnienie = wzmocnienie;
    w.Widoki = widoki;
    Wykresy.push_back(w);
}

void TSterownik::UtworzWykresy() {
    Wykresy.clear();
    constexpr int V = 1050, Bar = 1051, Ms = 1053, C = 1054, Rpm = 1056, Proc = 1057;
    // tekst, jednostka, typ, pozycja, skala, miejsca, kolor, wzmocnienie, widoki
    DodajWykres(0, 0, 11, 10, 1, 0, {0x000000}, 1, 0);
    DodajWykres(1400, Rpm, 11, 17, 10, 0, {0x0070FD}, 1.4, 51);
    DodajWykres(1402, Proc, 11, 17, 10, 0, {0x0070FD}, 1.4, 0);
    DodajWykres(1404, Bar, 11, 44, 0.01, 2, {0x909000}, 5, 51);
    DodajWykres(1406, Bar, 11, 48, 0.01, 2, {0x00A000}, 5, 51);
    DodajWykres(1408, Bar, 11, 46, 0.01, 2, {0x00A080}, 5, 3);
    DodajWykres(1410, C, 20, 40, 1, 0, {0xFF8040}, 1, 51);
    DodajWykres(1412, C, 20, 42, 1, 0, {0xFF0186}, 1, 51);
    DodajWykres(1418, V, 11, 58, 0.005, 2, {0xFF00FF}, 1, 0); // renamed after setting 4
    DodajWykres(1420, V, 11, 58, 0.005, 2, {0xFF00FF}, 2.5, 3);
    DodajWykres(1422, V, 11, 56, 0.005, 2, {0x800080}, 2.5, 3);
    DodajWykres(1430, V, 10, 50, 0.02, 2, {0x0050FF}, 1, 3);
    DodajWykres(1432, V, 11, 52, 0.005, 2, {0xFF0080}, 1, 35);
    DodajWykres(1450, 0, 23, 97, 1, 0, {0x906030}, 1, 3);
    DodajWykres(1452, Proc, 22, 99, 1, 1, {0x60D060}, 1, 3);
    DodajWykres(1454, Proc, 22, 100, 1, 1, {0x00B8B8}, 1, 3);
    DodajWykres(1456, 0, 23, 98, 1, 0, {0x805020}, 1, 3);
    DodajWykres(1458, Proc, 22, 101, 1, 1, {0x50C050}, 1, 3);
    DodajWykres(1460, Proc, 22, 102, 1, 1, {0x00A0A0}, 1, 3);
    DodajWykres(1420, V, 10, 95, 0.005, 2, {0xFF00FF}, 2.5, 3); // the OBD module's lambdas
    DodajWykres(1422, V, 10, 96, 0.005, 2, {0x800080}, 2.5, 3);
    // Petrol and gas injection time per channel, 0.004 ms.
    const TKolor Benzyna[] = {{0xFF0000}, {0xFF2828}, {0xFF4646}, {0xFF5A5A}};
    const TKolor Gaz[] = {{0x00A000}, {0x28A028}, {0x46A046}, {0x5AA05A}};
    for (int k = 0; k < 8; ++k) {
        const int widoki = k == 0 ? 81 : 65;
        DodajWykres(1501 + k, Ms, 11, 60 + 4 * k, 0.004, 2, Benzyna[k % 4], 0.16, widoki);
        DodajWykres(1601 + k, Ms, 11, 62 + 4 * k, 0.004, 2, Gaz[k % 4], 0.16, widoki);
    }
    // Service rows: the controller's internal terms of the gas time.
    DodajWykres(-30, C, 21, 54, 1, 0, {0xFF0000}, 1, 4);
    DodajWykres(-31, Ms, 12, 60, 0.004, 3, {0x00FF00}, 1, 4);
    DodajWykres(-32, 0, 10, 31, 0.01, 2, {0x00FF00}, 1, 4);
    DodajWykres(-33, 0, 10, 33, 0.01, 2, {0x00FF00}, 1, 4);
    DodajWykres(-34, 0, 10, 35, 0.0078125, 2, {0x00FF00}, 1, 4);
    DodajWykres(-35, 0, 10, 36, 0.0078125, 2, {0x00FF00}, 1, 4);
    DodajWykres(-36, 0, 10, 30, 0.0078125, 2, {0x00FF00}, 1, 4);
    DodajWykres(-37, Ms, 20, 37, 0.025, 3, {0x00FF00}, 1, 4);
    DodajWykres(-38, Ms, 13, 38, 0.1, 1, {0x00FF00}, 1, 4);
    DodajWykres(-39, 0, 10, 29, 1, 0, {0x00FF00}, 1, 4);
}
