#pragma once

#include <QRect>

#include <array>
#include <functional>

// Geometry of the settings editor as plain arithmetic: rows, columns, the zones of a
// column, the font size, the pop-ups' places and the step buttons' repeat pace.

// Zone edges of one column, in pixels from the editor's left edge.
enum StrefaNastaw {
    LewyMargines,     // x0: names never start left of it
    PoczatekKodu,     // x1: trouble-code click zone
    PoczatekPola,     // x2: value box
    PoczatekMinusa,   // x3
    PoczatekPlusa,    // x4: plus, drop-down or switch box
    KoniecPrzyciskow, // x5
    PoczatekWiecej,   // x6: "..." button
    KoniecWiecej,     // x7
};
using TStrefy = std::array<int, 8>;

struct TUkladNastaw {
    int WysokoscWiersza = 20;
    int SzerokoscKolumny = 0;
    int Przycisk = 0; // side of the square buttons
    bool Przewijanie = false;
    std::array<TStrefy, 2> Strefy{};
};

// Rows, columns, buttons and zones for an editor of this size showing a page.
TUkladNastaw UkladNastaw(QSize rozmiar, int wierszy, bool pasekDolny);
TStrefy StrefyKolumny(int kolumna, int szerokosc, int przycisk);

// Right edge of a value box by the setting's form.
int KoniecPola(const TStrefy& strefy, int forma);

// The first size from 24 down to 7 at which the widest name fits its room and a line of
// text fits the row; 7 when none does. szerokosc(size) and wysokosc(size) measure.
int RozmiarCzcionki(int miejsceNaNazwe, int wysokoscWiersza,
                    const std::function<int(int)>& szerokoscNazwy,
                    const std::function<int(int)>& wysokoscTekstu);

// Interval of the step buttons' auto-repeat after this many repeats.
int OdstepPowtorzenia(int powtorzen);

// The value list under a cell, kept inside the editor.
QRect PolozenieListy(const QRect& komorka, int lewa, int szerokosc, int pozycji,
                     int wysokoscPozycji, int wysokoscEdytora);

// Cell under a point: column and row, the row counted from the first visible one and
// capped at the last row.
struct TKomorka {
    int Kolumna = 0, Wiersz = 0;
    bool operator==(const TKomorka&) const = default;
};
TKomorka KomorkaPod(QPoint punkt, const TUkladNastaw& uklad, int pierwszyWidoczny, int wierszy);
