#pragma once

// A TObd on elm327-sim's pseudo-terminal with fake grids and panel, ticked by the caller at
// a chosen real pace; it counts the PID readings of the cycle.

#include "KoloryObd.h"
#include "StanowiskoObd.h"
#include "SymulatorElm.h"

#include <QElapsedTimer>
#include <QMap>
#include <QRegularExpression>
#include <QThread>

struct TObdNaSymulatorze : TStanowiskoObd {
    TSymulatorElm sym;
    const int odstepMs; // real time from the start of one tick to the start of the next
    int udane = 0, nieudane = 0;

    TObdNaSymulatorze(const QStringList& opcje, int odstep) : sym(opcje), odstepMs(odstep) {
        PrzypiszPort(sym.Sciezka());
        obd->OnTimer0();
        obd->Zegar().stop();
    }

    void Krok() {
        const int przed = obd->Stan;
        Takt();
        // The 11th failure in a row resets the count and goes to state 3.
        if (przed == 1001 && obd->Stan != 1001)
            ++(obd->BledyOdczytu == 0 && obd->Stan != 3 ? udane : nieudane);
    }

    template <typename F> bool Czekaj(F warunek, int msMaks) {
        QElapsedTimer zegar;
        zegar.start();
        qint64 nastepny = 0;
        while (!warunek() && zegar.elapsed() < msMaks) {
            Krok();
            nastepny += odstepMs;
            const qint64 reszta = nastepny - zegar.elapsed();
            if (reszta > 0) QThread::msleep(static_cast<unsigned long>(reszta));
        }
        return warunek();
    }

    bool DoStanu(int stan, int msMaks) {
        return Czekaj([&] { return obd->Stan == stan; }, msMaks);
    }

    // A user request, then the loop back in the PID cycle after its last state.
    bool Przycisk(int przycisk, int ostatni) {
        obd->WcisnietoPrzycisk(przycisk);
        return DoStanu(ostatni, 10000) && DoStanu(1001, 10000);
    }

    // The codes of the panel under each heading, in order: "Stored" for the main ECU,
    // "Stored 7E8h" for another.
    QMap<QString, QStringList> KodyWPanelu() const {
        static const QRegularExpression Kod(QStringLiteral("^[PCBU][0-9A-F]{4}$"));
        QMap<QString, QStringList> kody;
        QString naglowek;
        for (const auto& l : panel.linie) {
            if (l.tekst.startsWith(u'\t')) {
                naglowek = l.tekst.mid(1, l.tekst.indexOf(u' ') - 1);
                const qsizetype ecu = l.tekst.indexOf(QStringLiteral(" ECU "));
                if (ecu >= 0) naglowek += u' ' + l.tekst.mid(ecu + 5);
                kody[naglowek];
            } else if (l.kolor == KoloryObd::Blad && Kod.match(l.tekst).hasMatch()) {
                kody[naglowek] << l.tekst;
            }
        }
        return kody;
    }

    int IleWyslano(const QString& komenda) const {
        int ile = 0;
        for (const auto& l : log)
            ile += l.first == komenda + u'.' && l.second == KoloryObd::Komenda;
        return ile;
    }
    bool Wyslano(const QString& komenda) const { return IleWyslano(komenda) > 0; }
};
