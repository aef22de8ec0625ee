#pragma once

// Stand-ins for the grids and the text panel of the main window: they keep what the reader
// writes and pass cell events on the way the shell's widgets do.

#include "WidokObd.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

#include <tuple>

class TAtrapaSiatki : public TSiatkaObd {
public:
    void UstawKomorke(int kolumna, int wiersz, const QString& tekst) override {
        komorki[{kolumna, wiersz}] = tekst;
        if (!tekst.isEmpty()) historia.append({kolumna, wiersz, tekst});
    }
    void UstawLiczbeKolumn(int n) override { kolumny = n; }
    void UstawLiczbeWierszy(int n) override { wiersze = n; }
    void UstawSzerokoscKolumny(int kolumna, int s) override { szerokosci[kolumna] = s; }
    int Szerokosc() const override { return szerokosc; }
    int WysokoscWiersza() const override { return wysokoscWiersza; }
    void UstawWysokosc(int w) override { wysokosc = w; }
    void UstawObsluge(TObslugaSiatki* o, bool z) override {
        obsluga = o;
        zdarzenia = z;
    }

    QString Komorka(int kolumna, int wiersz) const { return komorki.value({kolumna, wiersz}); }
    // A column's texts of rows 0..n-1.
    QStringList Kolumna(int kolumna, int n) const {
        QStringList k;
        for (int w = 0; w < n; ++w)
            k << Komorka(kolumna, w);
        return k;
    }
    // User actions, delivered only while the reader takes them.
    void Klik(int k, int w) {
        if (obsluga && zdarzenia) obsluga->MyGridPidyClick(k, w);
    }
    void PodwojnyKlik(int k, int w) {
        if (obsluga && zdarzenia) obsluga->MyGridPidyDblClick(k, w);
    }
    void Klawisz(int kod, int k, int w) {
        if (obsluga && zdarzenia) obsluga->MyGridPidyKeyDown(kod, k, w);
    }

    // The non-empty texts a row was given, in order.
    QStringList Historia(int kolumna, int wiersz) const {
        QStringList h;
        for (const auto& [k, w, t] : historia)
            if (k == kolumna && w == wiersz) h << t;
        return h;
    }

    QMap<QPair<int, int>, QString> komorki;
    QList<std::tuple<int, int, QString>> historia;
    QMap<int, int> szerokosci;
    int kolumny = 0, wiersze = 0, wysokosc = 0;
    int szerokosc = 300, wysokoscWiersza = 18;
    TObslugaSiatki* obsluga = nullptr;
    bool zdarzenia = false;
};

class TAtrapaPanelu : public TPanelObd {
public:
    struct TLinia {
        QString tekst;
        std::optional<TKolor> kolor;
    };
    void Wyczysc() override {
        linie.clear();
        ++wyczyszczen;
    }
    void DodajLinie(const QString& tekst, std::optional<TKolor> kolor) override {
        linie.append({tekst, kolor});
    }
    QStringList Teksty() const {
        QStringList t;
        for (const TLinia& l : linie)
            t << l.tekst;
        return t;
    }
    QList<TLinia> linie;
    int wyczyszczen = 0;
};
