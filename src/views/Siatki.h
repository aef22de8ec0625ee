#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <optional>

class TSterownik;

// The map view's grids (modes 1, 5, 6, 7) as plain functions: layout, header and cell
// texts, cell colours, the block edits with their feathering, the axis entries.
// Cells are addressed by RPM index r (grid column r + 1) and load index l (grid row 16 - l).

struct TUkladSiatek {
    int C = 0, E = 0; // cell height and width, lines included
    QRect A, B;       // in the view's coordinates
    bool PokazA = false;
};
TUkladSiatek UkladSiatek(QSize widok, int tryb, int poziom);

// What the grids show: the mode, the map choice (0 petrol, 1 gas, 2 deviation) and the
// bank of the OBD maps and RPM corrections (1 or 2).
struct TWidokSiatek {
    int tryb = 1, mapa = 2, bank = 1;
};
int BankSiatek(const TSterownik& s, int wyborBanku);

QString TekstA(const TSterownik& s, const TWidokSiatek& w, int r, int l);
QString TekstB(const TSterownik& s, const TWidokSiatek& w, int r, int l);
QString NaglowekKolumny(const TSterownik& s, int r);
QString NaglowekWiersza(const TSterownik& s, const TWidokSiatek& w, int l, bool siatkaB);
int NaroznikA(const TSterownik& s); // text id
int NaroznikB(const TSterownik& s, const TWidokSiatek& w);

struct TKoloryKomorki {
    QColor tlo, tekst = Qt::black;
};
TKoloryKomorki KoloryA(const TSterownik& s, const TWidokSiatek& w, int r, int l);
TKoloryKomorki KoloryB(const TSterownik& s, const TWidokSiatek& w, int r, int l);
QColor TloNaglowkaA(const TWidokSiatek& w);

// Any cell of grid A or B by grid column 0..16 and row 0..16, headers and corner included.
QString TekstSiatki(const TSterownik& s, const TWidokSiatek& w, bool siatkaB, int kolumna,
                    int wiersz);
TKoloryKomorki KoloryKomorkiSiatki(const TSterownik& s, const TWidokSiatek& w, bool siatkaB,
                                   int kolumna, int wiersz);

// The table grid B edits, its limits and its block bit.
struct TTablicaB {
    unsigned char* dane;
    int min, max, blok;
};
TTablicaB TablicaB(TSterownik& s, const TWidokSiatek& w);

// Raises (zmiana 1) or lowers (-1) the cells of a block of r0..r1 x l0..l1; with
// feathering, the cells around it at distance d follow every 2^d-th press (licznik), up
// to distance 4. True when any cell changed.
bool ZmienBlok(const TTablicaB& t, QRect blok, int zmiana, int licznik, bool sasiednie);
// Every cell of the table; true when one changed.
bool ZmienWszystko(const TTablicaB& t, int zmiana);

// An RPM header entry: the value to store (50 rpm units), or none for text that is not a
// number. 20000 -> 200, 30 -> 1.
std::optional<int> WpisObrotow(const QString& tekst);
// A load header entry in the user's notation ("1,25" or "1.25"): the value to store
// (0.01 bar units), or none. On a MAF input the entry is in volts, stored halved.
std::optional<int> WpisObciazenia(const QString& tekst, bool maf);
