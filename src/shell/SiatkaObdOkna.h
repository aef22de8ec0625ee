#pragma once

#include "WidokObd.h"

#include <QTableWidget>
#include <QTextEdit>

// The OBD reader's grids on QTableWidgets: cells, sizes, and the owner drawing and cell
// events routed to the reader while it asks for them.
class TSiatkaObdOkna : public TSiatkaObd {
public:
    explicit TSiatkaObdOkna(QTableWidget& siatka);
    void UstawKomorke(int kolumna, int wiersz, const QString& tekst) override;
    void UstawLiczbeKolumn(int n) override;
    void UstawLiczbeWierszy(int n) override;
    void UstawSzerokoscKolumny(int kolumna, int szerokosc) override;
    int Szerokosc() const override;
    int WysokoscWiersza() const override;
    void UstawWysokosc(int wysokosc) override;
    void UstawObsluge(TObslugaSiatki* obsluga, bool zdarzenia) override;

    TObslugaSiatki* Obsluga() const { return obsluga; }
    bool Zdarzenia() const { return zdarzenia; }

private:
    QTableWidget& siatka;
    TObslugaSiatki* obsluga = nullptr;
    bool zdarzenia = false;
    int domyslnaSzerokosc = 64;
};

// The trouble-code panel on a QTextEdit; it always shows its last line.
class TPanelObdOkna : public TPanelObd {
public:
    explicit TPanelObdOkna(QTextEdit& t) : tekst(t) {}
    void Wyczysc() override;
    void DodajLinie(const QString& linia, std::optional<TKolor> kolor) override;

private:
    QTextEdit& tekst;
};

// Appends a line in a colour (nullopt: the widget's own text colour) and keeps it in view.
void DodajLinieKolorem(QTextEdit& tekst, const QString& linia, std::optional<QColor> kolor);
