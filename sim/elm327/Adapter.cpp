#include "Adapter.h"

#include <cctype>

TAdapter::TAdapter(TPty& p, TSamochod& samochod, int wolno, TDziennik& d, QObject* rodzic)
    : QObject(rodzic), pty(p), magistrala(samochod, u), komendy(u, magistrala, samochod),
      dziennik(d), wolnoMs(wolno), los(samochod.Usterki().swobody, 2) {
    u.konceLinii = samochod.Usterki().zawszeCrLf || samochod.Usterki().swobody.lfPoWlaczeniu;
    zegar.start();
    krok.setSingleShot(true);
    connect(&krok, &QTimer::timeout, this, [this] {
        Graj();
        if (!zajety) Przetwarzaj();
    });
    connect(&pty, &TPty::Odebrano, this, &TAdapter::Odebrano);
}

void TAdapter::Milcz() {
    milczy = true;
    krok.stop();
    if (zajety) Zakonczono();
    wejscie.clear();
}

void TAdapter::Odebrano(const QByteArray& bajty) {
    if (milczy) return;
    wejscie += bajty;
    Przetwarzaj();
}

void TAdapter::Przetwarzaj() {
    QByteArray echo;
    while (!zajety && !wejscie.isEmpty()) {
        const char c = wejscie.front();
        wejscie.remove(0, 1);
        if (u.echo) echo += c;
        if (c == '\r') {
            pty.Wyslij(echo);
            echo.clear();
            Wykonaj();
            continue;
        }
        if (c == '\n') continue;
        surowa += c;
        if (std::isspace(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) < 0x20)
            continue;
        if (komenda.size() < NajdluzszaKomenda)
            komenda += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        else
            zaDluga = true;
    }
    pty.Wyslij(echo);
}

void TAdapter::Wykonaj() {
    QByteArray k = komenda;
    const bool odrzucona = zaDluga;
    rx = surowa;
    komenda.clear();
    surowa.clear();
    zaDluga = false;
    if (k.isEmpty() && !odrzucona)
        k = ostatnia;
    else
        ostatnia = k;

    czasKomendy = Czas();
    TPlan plan(u.Eol());
    plan.Czekaj(wolnoMs + los.OpoznienieMs());
    if (odrzucona)
        plan.Linia(QByteArrayLiteral("?"));
    else if (k.startsWith("AT"))
        komendy.Wykonaj(k.mid(2), czasKomendy, plan);
    else if (!k.isEmpty())
        magistrala.Zapytaj(k, czasKomendy, plan);
    plan.Zakoncz();

    kawalki = plan.Kawalki();
    nastepny = 0;
    poczatek = zegar.nsecsElapsed();
    tx.clear();
    zajety = true;
    Graj();
}

void TAdapter::Graj() {
    constexpr qint64 Milisekunda = 1000000;
    const qint64 teraz = zegar.nsecsElapsed();
    while (nastepny < kawalki.size()) {
        const TPlan::TKawalek& k = kawalki[nastepny];
        const qint64 kiedy = poczatek + k.poMs * Milisekunda;
        if (kiedy > teraz) {
            krok.start(static_cast<int>((kiedy - teraz + Milisekunda - 1) / Milisekunda));
            return;
        }
        tx += k.tekst;
        // Logged before the prompt leaves, so whoever has seen the prompt finds the line.
        if (++nastepny == kawalki.size()) Zakonczono();
        pty.Wyslij(k.tekst);
    }
}

void TAdapter::Zakonczono() {
    zajety = false;
    dziennik.Zapisz(czasKomendy, rx, tx);
}
