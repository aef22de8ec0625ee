#pragma once

#include "Kolor.h"

#include <QColor>

// The named colours of the colour scheme. The main window computes them; every view and
// dialog reads them.
struct TPaleta {
    QColor Tlo;                    // window, grids, banners, settings editor and dialog background
    QColor TloPodzialu;            // splitters and collapse strips
    QColor TloEtykiet;             // label cells of the live grids
    QColor KolorTekstu;            // text of the window, grids, texts and views
    QColor KolorBanera;            // banner captions and live values
    QColor KolorWybrany;           // selected tab and main command button
    QColor TloEdycji;              // text panels, OBD grids and check boxes
    QColor TloWyboru, TekstWyboru; // selected cell of the settings editor
    QColor TloNieaktywne, TekstNieaktywny; // inactive cells of the settings editor
    QColor KolorDialogu;                   // dialog text; lines of the settings editor
    QColor LiniaEdytora;                   // grid pen of the settings editor, also the map view's
    QColor TekstEdytora;                   // value cells of the settings editor
    QColor CiemnaKrawedz, JasnaKrawedz;    // edges of the settings editor's buttons
    QColor KolorOstrzezenia;
    QColor TloWartosci;  // value cells of the live grids
    QColor TloPrzycisku; // face of the toolkit's own buttons, tabs and scroll bars
    // Titles of the settings editor's switching frames; KolorBenzyny also marks the
    // corrections button when an injector is corrected.
    QColor KolorGazu, KolorBenzyny;

    // Charts of the map view and the oscilloscope.
    QColor TloWykresu, KolorRamki, KolorSiatki, KolorKursora;
    QColor KolorZnacznika;   // map view only
    QColor KolorWypelnienia; // map view fill, settings editor row fill
};

// Adds n to each of red, green and blue, each clamped to 0..255.
inline QColor Rozjasnij(const QColor& c, int n) {
    auto kanal = [n](int v) { return qBound(0, v + n, 255); };
    return QColor(kanal(c.red()), kanal(c.green()), kanal(c.blue()));
}

// The core's colour as the toolkit's.
inline QColor DoKoloru(TKolor k) {
    return QColor::fromRgb(QRgb(k.rgb));
}
