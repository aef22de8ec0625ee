#pragma once

#include <QTableWidget>

class TSterownik;
class TTeksty;
struct TPaleta;

// The live parameter grid (StringGridParametry): one row per trace with view bit 32 —
// name and unit in column 0, the value in column 1. Drawn entirely here.
class TSiatkaParametrow : public QTableWidget {
public:
    static constexpr int Widok = 32;

    TSiatkaParametrow(TSterownik& s, const TTeksty& t, const TPaleta& p, QWidget* rodzic);

    // Sizes the grid for a row height (the right column's height / 20, at least 18) and
    // picks the label and value font sizes that fit.
    void Rozmiesc(int szerokosc, int wysokoscWiersza);
    // Writes the values that changed since they were last shown.
    void Aktualizuj();
    // Forgets every shown value so that the next frame writes all of them.
    void Wyczysc();
    // The link is down: a dash in the disabled colour until the next live frame.
    void BrakLacza();
    bool BezLacza() const { return bezLacza; }

    QString Nazwa(int wiersz) const;
    QString Jednostka(int wiersz) const;

    int RozmiarEtykiet = 8;
    int RozmiarWartosci = 10;
    int WysokoscWiersza = 18;

    TSterownik& Sterownik() const { return s; }
    const TTeksty& Teksty() const { return t; }
    const TPaleta& Paleta() const { return p; }

private:
    void UstawWiersze();
    void DobierzCzcionki();

    TSterownik& s;
    const TTeksty& t;
    const TPaleta& p;
    bool bezLacza = false;
};
