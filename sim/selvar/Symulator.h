#pragma once

#include "Bledy.h"
#include "Bootloader.h"
#include "DziennikJson.h"
#include "LiniaPty.h"
#include "Model.h"
#include "ModulObd.h"
#include "Obsluga.h"
#include "OdbiornikRamek.h"
#include "Opcje.h"
#include "Pamiec.h"
#include "Swobody.h"
#include "Tozsamosc.h"
#include "Zaklocenia.h"
#include "ZrzutBlokow.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>
#include <random>

// The whole controller on its line: takes requests from the pseudo-terminal, lets the
// faults decide, answers through the command handler, and runs the engine model on a timer.
class TSymulator : public QObject {
    Q_OBJECT
public:
    explicit TSymulator(const TOpcje& opcje, QObject* rodzic = nullptr);
    ~TSymulator() override;

    // Opens the line and starts; false (with a message on stderr) when it cannot.
    bool Start();

signals:
    void Koniec();

private:
    void Odbierz(const TBajty& bajty);
    void Odpowiedz(const TZadanie& zadanie, double teraz);
    bool Milczy(const TZadanie& zadanie, double teraz);
    std::string OpisObrazu(const TZadanie& zadanie, bool bylWBootloaderze) const;
    void Wyslij(TBajty ramka, bool potwierdzenieBloku = false, int opoznienieMs = 0);
    void StanModulu(std::vector<TBajty>& odpowiedzi, double teraz);
    void RamkiWlasne(double teraz);
    void WyslijWlasna(TBajty ramka);
    void Takt();
    void Rozlacz();
    void Polacz();
    double Teraz() const { return static_cast<double>(czas.nsecsElapsed()) / 1e9; }

    TOpcje opcje;
    std::mt19937 losModelu;
    TPamiecSterownika pamiec;
    TTozsamosc tozsamosc;
    TBledy bledy;
    std::unique_ptr<TModulObd> modul;
    TModel model;
    TBootloader bootloader;
    TObslugaRozkazow obsluga;
    TZaklocenia zaklocenia;
    TSwobody swobody;
    TDziennikJson dziennik;
    TZrzutBlokow zrzut;
    TOdbiornikRamek odbiornik;
    TLiniaPty linia;
    QTimer zegarModelu;
    QElapsedTimer czas;
    double ostatniTakt = 0;
    double ostatniStanModulu = -1e9;
    double nastepnyStanModulu = 0, nastepnyStanSterownika = 0;
    std::vector<TBajty> wlasne; // frames of its own sent since the last request logged
};
