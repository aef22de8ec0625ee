#pragma once

#include "Sesja.h"
#include "TObd.h"
#include "WidokObd.h"

#include <QElapsedTimer>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QStringList>

// A grid that only keeps its texts, in place of the window's.
class TSiatkaTekstowa : public TSiatkaObd {
public:
    void UstawKomorke(int kolumna, int wiersz, const QString& tekst) override {
        komorki[{kolumna, wiersz}] = tekst;
    }
    void UstawLiczbeKolumn(int) override {}
    void UstawLiczbeWierszy(int) override {}
    void UstawSzerokoscKolumny(int, int) override {}
    int Szerokosc() const override { return 300; }
    int WysokoscWiersza() const override { return 18; }
    void UstawWysokosc(int) override {}
    void UstawObsluge(TObslugaSiatki*, bool) override {}

    QString Komorka(int kolumna, int wiersz) const { return komorki.value({kolumna, wiersz}); }

private:
    QMap<QPair<int, int>, QString> komorki;
};

// The trouble-code panel as plain lines.
class TPanelTekstowy : public TPanelObd {
public:
    void Wyczysc() override { linie.clear(); }
    void DodajLinie(const QString& tekst, std::optional<TKolor>) override { linie << tekst; }
    QStringList linie;
};

// The OBD reader of one command on its adapter, its task loop running on the event loop.
// Besides the common failures a wait also ends when no protocol answers or the loop falls
// back to a new adapter search.
class TSesjaObd : public TSesja {
public:
    explicit TSesjaObd(TKontekst& kontekst);

    // Opens the port and waits until the loop reads PIDs in its cycle.
    bool Polacz();
    // Every supported PID read once in the cycle, the last answer decoded.
    bool CzekajNaKoloPidow();
    // A user request (3 read codes, 4 clear them), then back to the cycle.
    bool Przycisk(int przycisk);
    bool WCyklu() const { return obd.Stan == 1000 || obd.Stan == 1001; }

    // The grids and the panel outlive the reader, which lets go of them when destroyed.
    TSiatkaTekstowa status, pidy;
    TPanelTekstowy panel;
    TObd obd;

private:
    void Tekst(const QString& tekst, TKolor kolor);
    QString Przeszkoda() override;

    bool poInicjalizacji = false; // the loop has got past the adapter search once
    QSet<int> czytanePidy;        // PIDs requested in the cycle
    QElapsedTimer bezPojazdu;     // since the reader found that no vehicle answers
};
