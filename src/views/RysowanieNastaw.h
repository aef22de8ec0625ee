#pragma once

#include "StronyNastaw.h"
#include "UkladNastaw.h"

#include <QFont>
#include <QLocale>

class QPainter;
class TSterownik;
struct TPaleta;

// Everything a settings page's picture depends on. Drawing reads the controller's values
// and never changes them, so it serves the editor, benchmarks and printing alike.
struct TObrazNastaw {
    const TSterownik& s;
    const TPaleta& paleta;
    const TUkladNastaw& uklad;
    const TMapaStrony& mapa;
    QFont czcionka; // the editor's font at the page's size
    QLocale jezyk;
    int szerokosc = 0; // of the whole editor
    int szerokoscNazw = 0;
    int strona = 0, poziom = 1;
    TKomorka wybrana;
    bool pokazWybor = false; // focused, and no pop-up open
};

// Paints the rows from the first visible one down into a picture of the given height.
void RysujNastawy(QPainter& p, const TObrazNastaw& o, int pierwszyWidoczny, int wysokosc);

// Width of the widest setting name of a page in a font.
int SzerokoscNazw(const TSterownik& s, const TMapaStrony& mapa, const QFont& czcionka);
// The whole name and value of a setting cell whose name runs under its value box or whose
// value is cut short, as "name: value"; empty when both show whole.
QString PodpowiedzNastawy(const TObrazNastaw& o, int kolumna, int indeks);
// Text 1281 turns red while any channel's injector correction is not neutral.
bool KorektyWtryskiwaczyZmienione(const TSterownik& s);
