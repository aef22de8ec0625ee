#include "EdycjaMnoznika.h"

#include "Bloki.h"
#include "KrzywaMnoznika.h"
#include "TSterownik.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

int TEdycjaMnoznika::Bank() const {
    return s.PlytkaV3 && wyborBanku == 2 ? 2 : 1;
}

TSkalaMnoznika TEdycjaMnoznika::Skala() const {
    return SkalaMnoznika(s);
}

unsigned char* TEdycjaMnoznika::Punkty() const {
    return s.Nastawy + (Bank() == 2 ? PunktyMnoznika2 : PunktyMnoznika1);
}

unsigned char* TEdycjaMnoznika::Krzywa() const {
    return Bank() == 2 ? s.Mnoznik2 : s.Mnoznik1;
}

int TEdycjaMnoznika::Pozycja(int k) const {
    return k >= 0 && k <= Ostatni ? Punkty()[k] : 0;
}

int TEdycjaMnoznika::Wartosc(int k) const {
    return Krzywa()[Pozycja(k)];
}

int TEdycjaMnoznika::Adaptacja() const {
    return s.IdentSterownika[Bank() == 2 ? 69 : 67] - 128;
}

int TEdycjaMnoznika::Sasiad(int od, int krok) const {
    for (int k = od + krok; k >= 0 && k <= Ostatni; k += krok)
        if (Ustawiony(k)) return k;
    return -1;
}

int TEdycjaMnoznika::PunktNaPozycji(int pozycja) const {
    for (int k = 0; k <= Ostatni; ++k)
        if (Ustawiony(k) && Pozycja(k) == pozycja) return k;
    return -1;
}

bool TEdycjaMnoznika::Klawisz(int klawisz, Qt::KeyboardModifiers modyfikatory) {
    const bool ctrl = modyfikatory & Qt::ControlModifier;
    if (ctrl && klawisz == Qt::Key_Right) klawisz = Qt::Key_PageUp;
    if (ctrl && klawisz == Qt::Key_Left) klawisz = Qt::Key_PageDown;
    switch (klawisz) {
    case Qt::Key_Home:
        Wybrany = 0;
        return true;
    case Qt::Key_End:
        Wybrany = Ostatni;
        return true;
    case Qt::Key_PageUp: {
        if (Wybrany > Ostatni - 1) return false;
        const int k = Sasiad(Wybrany, 1);
        if (k >= 0) Wybrany = k;
        return true;
    }
    case Qt::Key_PageDown: {
        if (Wybrany <= 0) return false;
        Wybrany = std::max(Sasiad(Wybrany, -1), 0);
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
        return WstawZaWybranym();
    case Qt::Key_Delete:
        return Usun();
    default:
        return true;
    }
}

// A step onto a neighbour one position away selects it instead of moving.
bool TEdycjaMnoznika::Przesun(int kierunek) {
    if (Wybrany >= 1 && Wybrany <= Ostatni - 1) {
        const int cel = Pozycja(Wybrany) + kierunek;
        const int sasiad = PunktNaPozycji(cel);
        if (sasiad >= 0) {
            Wybrany = sasiad;
            return true;
        }
        // The point keeps its value: the curve between its neighbours is truncated there.
        const unsigned char wartosc = Krzywa()[Pozycja(Wybrany)];
        Punkty()[Wybrany] = static_cast<unsigned char>(cel);
        if (cel >= 0 && cel <= Skala().M) Krzywa()[cel] = wartosc;
        Normalizuj();
    } else if ((Wybrany == Ostatni && kierunek < 0) || (Wybrany == 0 && kierunek > 0)) {
        const int k = Sasiad(Wybrany, kierunek);
        if (k >= 0) Wybrany = k;
    }
    return true;
}

void TEdycjaMnoznika::ZmienWartosc(int zmiana) {
    const TSkalaMnoznika sk = Skala();
    const auto zmien = [&](int k) {
        unsigned char& v = Krzywa()[Pozycja(k)];
        v = static_cast<unsigned char>(std::clamp(v + zmiana, sk.Min(), sk.Max()));
    };
    if (Wybrany >= 0)
        zmien(Wybrany);
    else
        for (int k = 0; k <= Ostatni; ++k)
            if (Ustawiony(k)) zmien(k);
    Normalizuj();
}

bool TEdycjaMnoznika::WstawZaWybranym() {
    int pusty = -1;
    for (int k = 1; k < Ostatni && pusty < 0; ++k)
        if (!Ustawiony(k)) pusty = k;
    if (pusty < 0) return false;
    if (Wybrany >= 0 && Pozycja(Wybrany) < Skala().M - 10) {
        Punkty()[pusty] = static_cast<unsigned char>(Pozycja(Wybrany) + 10);
        Wybrany = pusty;
        Normalizuj();
    }
    return true;
}

bool TEdycjaMnoznika::Wstaw(int pozycja) {
    for (int k = 1; k < Ostatni; ++k)
        if (!Ustawiony(k)) {
            Punkty()[k] = static_cast<unsigned char>(std::clamp(pozycja, 1, Skala().M));
            Wybrany = k;
            Normalizuj();
            return true;
        }
    return false;
}

bool TEdycjaMnoznika::Usun() {
    if (Wybrany < 1 || Wybrany > Ostatni - 1) return false;
    const int usuwany = Wybrany;
    Punkty()[usuwany] = 0;
    for (int k = usuwany - 1; k >= 1; --k)
        if (Ustawiony(k)) {
            Wybrany = k;
            break;
        }
    Normalizuj();
    return true;
}

void TEdycjaMnoznika::WybierzPod(int pozycja, int wartosc) {
    int najblizszy = -1;
    for (int k = 0; k <= Ostatni; ++k)
        if (Ustawiony(k) && (najblizszy < 0 || std::abs(Pozycja(k) - pozycja) <
                                                   std::abs(Pozycja(najblizszy) - pozycja)))
            najblizszy = k;
    const bool blisko = najblizszy >= 0 && std::abs(Pozycja(najblizszy) - pozycja) < 5 &&
                        std::abs(Wartosc(najblizszy) - wartosc) < 5;
    Wybrany = blisko ? najblizszy : -1;
}

void TEdycjaMnoznika::Sortuj() {
    unsigned char* x = Punkty();
    for (bool zmiana = true; zmiana;) {
        zmiana = false;
        for (int k = 1; k < Ostatni; ++k)
            if (x[k + 1] < x[k]) {
                std::swap(x[k], x[k + 1]);
                if (Wybrany == k || Wybrany == k + 1) Wybrany = Wybrany == k ? k + 1 : k;
                zmiana = true;
            }
    }
}

// A position the controller held in the first or last slot, which edits keep at the axis
// ends, moves to the first empty slot instead of being lost.
void TEdycjaMnoznika::ZachowajKonce() {
    unsigned char* x = Punkty();
    const int M = Skala().M;
    for (int koniec : {0, Ostatni}) {
        if (x[koniec] == 0 || x[koniec] >= M) continue;
        for (int k = 1; k < Ostatni; ++k)
            if (x[k] == 0) {
                x[k] = x[koniec];
                if (Wybrany == koniec) Wybrany = k;
                break;
            }
    }
}

// Equal or crowded positions are spread to one apart, all of them inside 1..M: up from the
// first set point, then down from the axis end.
void TEdycjaMnoznika::Rozsun() {
    unsigned char* x = Punkty();
    const int M = Skala().M;
    int poprzednia = 0;
    for (int k = 1; k < Ostatni; ++k)
        if (x[k] != 0) {
            poprzednia = std::max<int>(x[k], poprzednia + 1); // at most M + 24
            x[k] = static_cast<unsigned char>(poprzednia);
        }
    int nastepna = M;
    for (int k = Ostatni - 1; k >= 1 && x[k] != 0; --k) {
        nastepna = std::min<int>(x[k], nastepna - 1);
        x[k] = static_cast<unsigned char>(nastepna);
    }
}

void TEdycjaMnoznika::Normalizuj() {
    unsigned char* x = Punkty();
    const TSkalaMnoznika sk = Skala();
    ZachowajKonce();
    x[0] = 0;
    x[Ostatni] = static_cast<unsigned char>(sk.M);
    for (int k = 1; k < Ostatni; ++k)
        x[k] = static_cast<unsigned char>(std::min<int>(x[k], sk.M));
    Sortuj();
    Rozsun();
    InterpolujMnoznik(Krzywa(), x, sk.Min(), sk.Max());
    const int blok = Bank() == 2 ? Bloki::Mnoznik2 : Bloki::Mnoznik1;
    s.ZapiszDoSterownika(Bloki::Nastawy | blok);
    if (s.PlytkaV3 && wyborBanku == 0) {
        std::memcpy(s.Mnoznik2, s.Mnoznik1, sizeof s.Mnoznik1);
        std::memcpy(s.Nastawy + PunktyMnoznika2, s.Nastawy + PunktyMnoznika1, PunktowMnoznika);
        s.ZapiszDoSterownika(Bloki::Nastawy | Bloki::Mnoznik1 | Bloki::Mnoznik2);
    }
}
