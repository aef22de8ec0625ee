#pragma once

// A TObd wired to fake grids, a fake panel and a controller object, its timer stopped so that
// the test drives it tick by tick; its port is a pseudo-terminal on which the test can play
// the adapter, or any other device path.

#include "AdapterPty.h"
#include "AtrapyWidoku.h"
#include "MapaPortow.h"
#include "TObd.h"
#include "TSterownik.h"

#include <QList>
#include <QPair>

#include <array>
#include <memory>

struct TStanowiskoObd {
    static constexpr int Port = 4;
    static constexpr const char* BezD2xx = "/nonexistent/libftd2xx.so";

    TAdapterPty pty;
    TMapaPortow mapa;
    TSterownik sterownik{mapa, QString::fromLatin1(BezD2xx)};
    TAtrapaSiatki status, pidy;
    TAtrapaPanelu panel;
    std::unique_ptr<TObd> obd;
    QList<std::array<int, 4>> zdarzenia;
    QList<QPair<QString, TKolor>> log;

    TStanowiskoObd() {
        sterownik.Zegar().stop();
        mapa.UstawPrzypisanie(Port, pty.Sciezka());
        obd = std::make_unique<TObd>(mapa, QString::fromLatin1(BezD2xx));
        obd->Zegar().stop();
        obd->CzasOtwarcia = 0;
        obd->Sterownik = &sterownik;
        obd->SiatkaStatusu = &status;
        obd->SiatkaPid = &pidy;
        obd->PanelDtc = &panel;
        obd->OnZdarzenie = [this](int k, int a1, int a2, int a3) {
            zdarzenia.append({k, a1, a2, a3});
        };
        obd->OnTekst = [this](TSerial*, const QString& t, TKolor k) { log.append({t, k}); };
    }

    // The port leads to another device instead, e.g. a simulator's pseudo-terminal.
    void PrzypiszPort(const QString& sciezka) { mapa.UstawPrzypisanie(Port, sciezka); }
    bool Otworz() { return obd->PortOpen(Port); }

    // One timer tick as the timer would run it.
    void Takt() { obd->OnTimer1(); }
    void Takty(int n) {
        for (int i = 0; i < n; ++i)
            Takt();
    }

    // Ticks until the reader sends a command (at most n ticks); the command or nullopt.
    std::optional<QByteArray> DoKomendy(int n = 200) {
        for (int i = 0; i < n; ++i) {
            Takt();
            if (auto k = pty.Komenda(0)) return k;
        }
        return std::nullopt;
    }

    // Ticks until the loop is in the state (at most n ticks).
    bool DoStanu(int stan, int n = 200) {
        for (int i = 0; i < n && obd->Stan != stan; ++i)
            Takt();
        return obd->Stan == stan;
    }

    bool Zalogowano(const QString& tekst, TKolor kolor) const {
        return log.contains(QPair<QString, TKolor>(tekst, kolor));
    }

    QList<int> StanObd(int od, int doWlacznie) const {
        QList<int> bajty;
        for (int i = od; i <= doWlacznie; ++i)
            bajty << sterownik.StanObd[i];
        return bajty;
    }
};
