#pragma once

#include "Dziennik.h"
#include "KomendyAt.h"
#include "Magistrala.h"
#include "Plan.h"
#include "Pty.h"
#include "Samochod.h"
#include "Ustawienia.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <vector>

// The adapter's serial side: takes the bytes as they arrive, echoes them while echo is on,
// runs each command at its CR (LF, spaces and case do not matter; a bare CR repeats the
// last command) and sends the answer piece by piece at its planned moments, ending with
// the prompt. Bytes that arrive meanwhile wait until the prompt has gone out.
class TAdapter : public QObject {
    Q_OBJECT
public:
    TAdapter(TPty& pty, TSamochod& samochod, int wolnoMs, TDziennik& dziennik,
             QObject* rodzic = nullptr);

    // From now on nothing is echoed or answered, and an answer under way stops.
    void Milcz();

    static constexpr int NajdluzszaKomenda = 64;

private:
    void Odebrano(const QByteArray& bajty);
    void Przetwarzaj();
    void Wykonaj();
    void Graj();
    void Zakonczono();
    double Czas() const { return static_cast<double>(zegar.elapsed()) / 1000.0; }

    TPty& pty;
    TUstawienia u;
    TMagistrala magistrala;
    TKomendyAt komendy;
    TDziennik& dziennik;
    const int wolnoMs;
    TLosSwobod los;
    QElapsedTimer zegar;
    QTimer krok;
    bool milczy = false;

    QByteArray wejscie;  // received, not yet taken
    QByteArray komenda;  // the command so far: upper case, no spaces
    QByteArray surowa;   // the same as received, for the log
    QByteArray ostatnia; // what a bare CR repeats
    bool zaDluga = false;

    bool zajety = false; // an answer is going out
    std::vector<TPlan::TKawalek> kawalki;
    std::size_t nastepny = 0;
    qint64 poczatek = 0; // ns: whole milliseconds would cut a delay short by up to one
    double czasKomendy = 0;
    QByteArray rx, tx;
};
