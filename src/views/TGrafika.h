#pragma once

#include "EdycjaKrzywej.h"
#include "EdycjaMnoznika.h"
#include "PropozycjaMnoznika.h"
#include "Siatki.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;
class TSiatkaMapy;
struct TObrazWykresu;
class TSterownik;
class TWypelnienie;
struct TPaleta;

// The map and chart view of the Map tab: one surface on the centre panel showing the table
// chosen by the map sub-tab (TrybMapy). Edits change TSterownik's tables and post writes.
class TGrafika : public QWidget {
public:
    explicit TGrafika(TSterownik& sterownik, QWidget* rodzic = nullptr);
    // The grids and the focus holder live in the parent panel: they go with the view.
    ~TGrafika() override;

    // Places the view on a panel; the first call also creates the focus holder there.
    void Umiesc(QWidget* panel);
    void UstawTryb(int tryb);
    void Przebuduj();
    void Rysuj();
    void Odswiez();
    void Ukryj();
    // 0 petrol, 1 gas, 2 deviation.
    void UstawMape(int mapa);
    // 0 both banks, 1, 2 one bank; 3 copies bank 1 to bank 2, 4 bank 2 to bank 1.
    void UstawBank(int bank);
    // Toggles the maps' load axis (setting 76); 200 ms later the RPM corrections are read
    // anew (CzytajKorektyOsi, public so that tests need not wait for it).
    void ZmienOsObciazenia();
    void CzytajKorektyOsi();
    // Text id of the load-axis caption: -50 "ms/rpm", -52 "V/rpm" or -51 "bar/rpm".
    int OpisOsi() const;
    void UstawPoziom(int poziom);
    void ZmieniajSasiednie(bool wlaczone);
    int BankMnoznika();
    int BankKorekt();
    void KasujPokazanyMnoznik();
    void KasujPokazaneKorOdObr();
    void KasujKrzywa();
    // Follows the operating point of a live frame.
    void DaneBiezace(const unsigned char* ramka);
    void Klawisz(int klawisz, Qt::KeyboardModifiers shift);
    void UstawPalete(const TPaleta* paleta);

    // The road calibration on the multiplier chart: a correction of the shown bank proposed
    // from the collected maps and drawn dashed over the curve; nothing is written before
    // Zastosuj, which writes it as one step of undo. Zastosuj refuses (false) a proposal the
    // curve has moved away from since, and drops it.
    void Zaproponuj();
    bool Zastosuj();
    void Odrzuc();
    const std::optional<TPropozycja>& Propozycja() const { return propozycja; }
    // The chart's note about the proposal (text id, 0 none); the one after Zastosuj asks for
    // the gas map to be collected again and goes once it is erased.
    int NotaPropozycji() const { return notaPropozycji; }
    void MapaGazuSkasowana();

    // The one-second refresh; public so that tests drive it tick by tick.
    void TimerOnTimer();
    QTimer& Zegar() { return zegar; }
    // The refusal sound; the system beep unless replaced.
    std::function<void()> Sygnal;
    // The picture as last composed, and the live cursor over it (x -1 none).
    const QImage& Obraz() const { return obraz; }
    QPoint Kursor() const { return kursor; }
    QLineEdit* UchwytFokusu() const { return uchwytFokusu; }
    // The focus holder edits an axis header of grid B.
    bool EdycjaNaglowka() const { return naglowek.x() >= 0; }

    int TrybMapy = 1;
    int Mapa = 2;
    int WyborBankuMnoznika = 0;
    int WyborBankuKorekt = 0;
    int Poziom = 1;
    bool Sasiednie = false;

    TEdycjaMnoznika& Mnoznik() { return mnoznik; }
    TEdycjaKrzywej& Krzywa() { return krzywa; }
    TSiatkaMapy* SiatkaA() const { return siatkaA; }
    TSiatkaMapy* SiatkaB() const { return siatkaB; }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    bool Wykres() const { return TrybMapy == 0 || TrybKrzywej(); }
    void Skladaj();
    bool TrybKrzywej() const { return TrybMapy >= 2 && TrybMapy <= 4; }
    void KlikMnoznika(QMouseEvent* zdarzenie);
    void KlikKrzywej(QMouseEvent* zdarzenie);
    TObrazWykresu ObrazWykresu() const;

    // The grids of modes 1, 5, 6 and 7 (in their own file).
    bool TrybSiatek() const { return TrybMapy == 1 || TrybMapy >= 5; }
    TWidokSiatek WidokSiatek() const;
    void UtworzSiatki();
    void PrzebudujSiatki();
    void NapisySiatek(QPainter& p);
    void UkryjSiatki();
    void ZywaKomorka(const unsigned char* ramka);
    bool KlawiszSiatkiB(QKeyEvent* zdarzenie);
    void KlawiszZywej(int klawisz);
    void ZapiszSiatkeB();
    void KlikSiatkiB(int kolumna, int wiersz);
    void ZatwierdzNaglowek();
    void ZaparkujUchwyt();
    void Odmowa();
    QRect ObszarKursora(QPoint k) const;

    // Banks as KasujMnoznik and KasujKorOdObr take them: 1, 2, or 3 for both.
    int BankiDoKasowania(int wybor) const;
    void KopiujMnoznik(bool zPierwszego);
    void KopiujKorOdObr(bool zPierwszego);

    TSterownik& s;
    TEdycjaMnoznika mnoznik{s, WyborBankuMnoznika};
    TEdycjaKrzywej krzywa{s, TrybMapy};
    const TPaleta* paleta = nullptr;
    TWypelnienie* wypelnienie;
    QLineEdit* uchwytFokusu = nullptr;
    QTimer zegarOsi;
    QTimer zegar;
    QImage tlo, obraz;
    QPoint kursor{-1, 0};
    bool rysowanie = false;
    TSiatkaMapy* siatkaA = nullptr;
    TSiatkaMapy* siatkaB = nullptr;
    int liczbaWGore = 0, liczbaWDol = 0; // Ctrl+Up and Ctrl+Down presses in a row
    QPoint naglowek{-1, -1};             // the header under edit
    std::optional<TPropozycja> propozycja;
    int notaPropozycji = 0;
};
