#pragma once

// A TSterownik connected to a test-played controller over a pseudo-terminal, with its
// timer stopped so that the test drives it tick by tick.

#include "KontrolerPty.h"
#include "MapaPortow.h"
#include "RamkaTestowa.h"
#include "TSterownik.h"

#include <QList>
#include <QPair>
#include <QStringList>

#include <array>
#include <memory>

struct TStanowisko {
    static constexpr int Port = 7;

    TKontrolerPty pty;
    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;
    QList<std::array<int, 4>> zdarzenia;
    QList<QPair<QString, TKolor>> log;

    TStanowisko() {
        mapa.UstawPrzypisanie(Port, pty.Sciezka());
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
        s->Zegar().stop();
        s->CzasOtwarcia = 0;
        s->OnZdarzenie = [this](int k, int a1, int a2, int a3) {
            zdarzenia.append({k, a1, a2, a3});
        };
        s->OnTekst = [this](TSerial*, const QString& t, TKolor k) { log.append({t, k}); };
    }

    bool Otworz() { return s->PortOpen(Port); }

    // Opens and answers the identity, then takes the reads it posts as done; the engine is
    // then at its second slot.
    bool OtworzBezOdczytow() {
        if (!Otworz()) return false;
        Slot();
        pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, QByteArray(60, '\0'), 0));
        Slot();
        s->DoOdczytu = 0;
        s->Rozkazy = 0;
        return true;
    }

    // Answers every request until the reply to `koniec` has gone back; returns the codes
    // sent other than live polls.
    QList<int> ObsluzDo(int koniec, int maksSlotow = 60) {
        QList<int> kody;
        for (int i = 0; i < maksSlotow && !BylaOdpowiedz(koniec); ++i) {
            const auto z = Slot();
            if (!z) continue;
            const bool biezace = z->kod >= 0x90 && z->kod <= 0x9F;
            if (!biezace) kody.append(z->kod);
            pty.Wyslij(RamkaTestowa::Odpowiedz(static_cast<std::uint8_t>(z->kod),
                                               QByteArray(biezace ? 86 : 0, '\0')));
        }
        return kody;
    }

    // The request codes of the next n slots, -1 for a slot that sent nothing.
    QList<int> Sloty(int n) {
        QList<int> kody;
        for (int i = 0; i < n; ++i) {
            const auto z = Slot();
            kody.append(z ? z->kod : -1);
        }
        return kody;
    }

    // Ticks until the next transmit slot has run. Returns the request sent, if any.
    std::optional<TZadanie> Slot() {
        const qsizetype przed = Wyslane();
        const int slot = s->NumerSlotu();
        for (int i = 0; i < 40 && s->NumerSlotu() == slot; ++i)
            s->Timer1OnTimer();
        if (Wyslane() == przed) return std::nullopt;
        return pty.Odbierz();
    }

    qsizetype Wyslane() const {
        qsizetype n = 0;
        for (const auto& z : zdarzenia)
            n += z[0] == 1;
        return n;
    }

    bool BylaOdpowiedz(int kod) const {
        for (const auto& z : zdarzenia)
            if (z[0] == 0 && z[1] == kod) return true;
        return false;
    }

    bool Zalogowano(const QString& tekst) const {
        for (const auto& l : log)
            if (l.first == tekst) return true;
        return false;
    }

    bool Zalogowano(const QString& tekst, TKolor kolor) const {
        return log.contains({tekst, kolor});
    }
};
