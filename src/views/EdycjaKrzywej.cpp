#include "EdycjaKrzywej.h"

#include "Bloki.h"
#include "TSterownik.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int PoczatekTablicy = 50; // bytes below hold the header and the points
}

TOsKrzywej OsKrzywej(int tryb) {
    switch (tryb) {
    case 2:
        return {98, 130, 9, Bloki::KorOdTempRed};
    case 3:
        return {98, 130, 10, Bloki::KorOdTempGazu};
    default:
        return {50, 200, 8, Bloki::KorOdCis};
    }
}

unsigned char* TablicaKrzywej(TSterownik& s, int tryb) {
    switch (tryb) {
    case 2:
        return s.KorOdTempRed;
    case 3:
        return s.KorOdTempGazu;
    default:
        return s.KorOdCis;
    }
}

int XKrzywej(const TOsKrzywej& os, int x0, int w, int pozycja) {
    return (pozycja - os.Start) * w / os.Rozpietosc + x0 + 1;
}

int YKrzywej(int yb, int h, int wartosc) {
    return yb - h * (wartosc - 64) / 128 + 1;
}

QString EtykietaKorekty(int wartosc) {
    const int procent = int(std::trunc(wartosc * 0.78125 - 100));
    return (wartosc > 128 ? QStringLiteral("+") : QString()) + QString::number(procent);
}

unsigned char* TEdycjaKrzywej::Tablica() const {
    return TablicaKrzywej(s, trybMapy);
}

int TEdycjaKrzywej::X(int i) const {
    return i >= 0 && i < Punktow ? Tablica()[2 + 2 * i] : 0;
}

int TEdycjaKrzywej::Y(int i) const {
    return i >= 0 && i < Punktow ? Tablica()[3 + 2 * i] : 0;
}

int TEdycjaKrzywej::Wartosc(int pozycja) const {
    return Tablica()[std::clamp(pozycja, 0, 255)];
}

void TEdycjaKrzywej::Ustaw(int i, int x, int y) {
    Tablica()[2 + 2 * i] = static_cast<unsigned char>(x);
    Tablica()[3 + 2 * i] = static_cast<unsigned char>(y);
}

bool TEdycjaKrzywej::Zgubiona() const {
    int ustawionych = 0;
    for (int i = 0; i < Punktow; ++i)
        ustawionych += Ustawiony(i);
    return ustawionych <= 1;
}

int TEdycjaKrzywej::Nastepny(int od, int krok) const {
    for (int i = od + krok; i >= 0 && i < Punktow; i += krok)
        if (Ustawiony(i)) return i;
    return -1;
}

void TEdycjaKrzywej::Kasuj() {
    unsigned char* t = Tablica();
    std::memset(t, 0, PoczatekTablicy);
    const TOsKrzywej os = Os();
    t[0] = static_cast<unsigned char>(os.Numer);
    Ustaw(0, os.Start, 128);
    Ustaw(Punktow - 1, os.Koniec(), 128);
    Przelicz();
}

void TEdycjaKrzywej::Uporzadkuj() {
    for (bool zmiana = true; zmiana;) {
        zmiana = false;
        for (int i = 1; i <= Punktow - 3; ++i) {
            if (!Ustawiony(i)) continue;
            int j = -1;
            for (int k = i + 1; k <= Punktow - 2 && j < 0; ++k)
                if (Ustawiony(k)) j = k;
            if (j < 0 || X(j) >= X(i)) continue;
            const int xi = X(i), yi = Y(i);
            Ustaw(i, X(j), Y(j));
            Ustaw(j, xi, yi);
            if (Wybrany == i || Wybrany == j) Wybrany = Wybrany == i ? j : i;
            zmiana = true;
        }
    }
}

void TEdycjaKrzywej::Przelicz() {
    Uporzadkuj();
    unsigned char* t = Tablica();
    // The table's values never overwrite its header and points.
    const auto zapisz = [t](int m, int v) {
        if (m >= PoczatekTablicy && m <= 255)
            t[m] = static_cast<unsigned char>(std::clamp(v, 0, 255));
    };
    int a = 0;
    for (int b = 1; b < Punktow; ++b) {
        if (!Ustawiony(b)) continue;
        if (X(b) > X(a))
            for (int m = X(a); m <= X(b); ++m)
                zapisz(m, int(std::trunc(Y(a) - double(m - X(a)) * (Y(a) - Y(b)) / (X(b) - X(a)))));
        a = b;
    }
    for (int m = PoczatekTablicy; m < X(0); ++m)
        zapisz(m, Y(0));
    if (X(Punktow - 1) != 255)
        for (int m = X(Punktow - 1); m <= 255; ++m)
            zapisz(m, Y(Punktow - 1));
    s.ZapiszDoSterownika(Os().Blok);
}

bool TEdycjaKrzywej::Klawisz(int klawisz, Qt::KeyboardModifiers modyfikatory) {
    const bool ctrl = modyfikatory & Qt::ControlModifier;
    if (ctrl && klawisz == Qt::Key_Right) klawisz = Qt::Key_PageUp;
    if (ctrl && klawisz == Qt::Key_Left) klawisz = Qt::Key_PageDown;
    switch (klawisz) {
    case Qt::Key_Home:
        Wybrany = 0;
        return true;
    case Qt::Key_End:
        Wybrany = Punktow - 1;
        return true;
    case Qt::Key_PageUp: {
        if (Wybrany > Punktow - 2) return false;
        const int i = Wybrany < 0 ? 0 : Nastepny(Wybrany, 1);
        if (i >= 0) Wybrany = i;
        return true;
    }
    case Qt::Key_PageDown: {
        if (Wybrany <= 0) return false;
        Wybrany = std::max(Nastepny(Wybrany, -1), 0);
        return true;
    }
    case Qt::Key_Left:
        return Przesun(-1);
    case Qt::Key_Right:
        return Przesun(+1);
    case Qt::Key_Up:
        ZmienWartosc(+1);
        return true;
    case Qt::Key_Down:
        ZmienWartosc(-1);
        return true;
    case Qt::Key_Insert:
        return WstawPosrodku();
    case Qt::Key_Delete:
        return Usun();
    default:
        return true;
    }
}

// A step onto a neighbour one position away selects it instead of moving.
bool TEdycjaKrzywej::Przesun(int kierunek) {
    const TOsKrzywej os = Os();
    if (Wybrany < 1 || Wybrany > Punktow - 2) return false;
    const int x = X(Wybrany);
    if (kierunek < 0 ? x <= os.Start : x > os.Koniec()) return false;
    for (int i = Wybrany + kierunek; i >= 0 && i < Punktow; i += kierunek)
        if (Ustawiony(i) && X(i) == x + kierunek) {
            Wybrany = i;
            return true;
        }
    Ustaw(Wybrany, x + kierunek, Y(Wybrany));
    Przelicz();
    return true;
}

void TEdycjaKrzywej::ZmienWartosc(int zmiana) {
    const auto zmien = [&](int i) {
        if (Ustawiony(i)) Ustaw(i, X(i), std::clamp(Y(i) + zmiana, Najmniej, Najwiecej));
    };
    if (Wybrany >= 0)
        zmien(Wybrany);
    else
        for (int i = 0; i < Punktow; ++i)
            zmien(i);
    Przelicz();
}

bool TEdycjaKrzywej::WstawPosrodku() {
    for (int i = 1; i <= Punktow - 2; ++i) {
        if (Ustawiony(i)) continue;
        const int nastepny = Nastepny(i, 1);
        const int x = (X(i - 1) + X(nastepny)) / 2;
        Ustaw(i, x, Wartosc(x));
        Wybrany = i;
        Przelicz();
        return true;
    }
    return false;
}

void TEdycjaKrzywej::Wstaw(int pozycja) {
    for (int i = 1; i < Punktow; ++i)
        if (!Ustawiony(i)) {
            Ustaw(i, pozycja, Wartosc(pozycja));
            Wybrany = i;
            Przelicz();
            return;
        }
}

bool TEdycjaKrzywej::Usun() {
    if (Wybrany < 1 || Wybrany > Punktow - 2) return false;
    Ustaw(Wybrany, 0, 0);
    Wybrany = std::max(Nastepny(Wybrany, -1), 0);
    Przelicz();
    return true;
}

void TEdycjaKrzywej::WybierzPod(int pozycja, int wartosc) {
    int najblizszy = -1;
    for (int i = 0; i < Punktow; ++i)
        if (Ustawiony(i) &&
            (najblizszy < 0 || std::abs(X(i) - pozycja) < std::abs(X(najblizszy) - pozycja)))
            najblizszy = i;
    const bool blisko = najblizszy >= 0 && std::abs(X(najblizszy) - pozycja) < 5 &&
                        std::abs(Y(najblizszy) - wartosc) < 5;
    Wybrany = blisko ? najblizszy : -1;
}
