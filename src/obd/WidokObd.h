#pragma once

#include "Kolor.h"

#include <QList>
#include <QString>

#include <optional>

// What the OBD reader needs from the screen. The shell implements these on its widgets;
// tests use fakes. Columns and rows count from 0, as in the grids.

// Cell drawing and cell events of the PID grid, answered by the reader.
class TObslugaSiatki {
public:
    virtual ~TObslugaSiatki() = default;
    // Text colour of a cell; nullopt: the grid's font colour.
    virtual std::optional<TKolor> MyGridPidyDrawCell(int kolumna, int wiersz) const = 0;
    virtual void MyGridPidyClick(int kolumna, int wiersz) = 0;
    virtual void MyGridPidyDblClick(int kolumna, int wiersz) = 0;
    virtual void MyGridPidyKeyDown(int klawisz, int kolumna, int wiersz) = 0;
};

// A string grid: the adapter status grid or the PID grid.
class TSiatkaObd {
public:
    virtual ~TSiatkaObd() = default;
    virtual void UstawKomorke(int kolumna, int wiersz, const QString& tekst) = 0;
    virtual void UstawLiczbeKolumn(int n) = 0;
    virtual void UstawLiczbeWierszy(int n) = 0;
    // Column -1 sets the default width of every column.
    virtual void UstawSzerokoscKolumny(int kolumna, int szerokosc) = 0;
    virtual int Szerokosc() const = 0;
    virtual int WysokoscWiersza() const = 0; // the default row height
    virtual void UstawWysokosc(int wysokosc) = 0;
    // Owner drawing goes to the handler while one is set, clicks, double clicks and keys
    // only when zdarzenia is true as well. nullptr: plain drawing, no events.
    virtual void UstawObsluge(TObslugaSiatki* obsluga, bool zdarzenia) = 0;
};

// The trouble-code text panel.
class TPanelObd {
public:
    virtual ~TPanelObd() = default;
    virtual void Wyczysc() = 0;
    // Appends one line; nullopt: the panel's default text colour.
    virtual void DodajLinie(const QString& tekst, std::optional<TKolor> kolor) = 0;
};

struct TGotowosc;
struct TInformacjeEcu;

// The monitors' readiness and the vehicle information, shown whenever the reader has read
// them again; nullptr: not read (yet).
class TWidokDiagnozy {
public:
    virtual ~TWidokDiagnozy() = default;
    virtual void PokazDiagnoze(const TGotowosc* odSkasowania, const TGotowosc* cykl,
                               const QList<TInformacjeEcu>& informacje) = 0;
};
