#include "KomendyAt.h"

namespace {

// One hex digit 0..C, the adapter's protocol numbers.
int NumerProtokolu(char c) {
    const int n = QByteArray(1, c).toInt(nullptr, 16);
    const bool cyfra = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'C');
    return cyfra ? n : -1;
}

} // namespace

TKomendyAt::TKomendyAt(TUstawienia& ustawienia, TMagistrala& m, TSamochod& s)
    : u(ustawienia), magistrala(m), samochod(s) {}

void TKomendyAt::Wykonaj(const QByteArray& k, double czas, TPlan& plan) {
    if (k == "Z") return Reset(CzasResetuMs, plan);
    if (k == "WS") return Reset(5, plan);
    if (k == "D") {
        u = PoWlaczeniu();
        magistrala.Reset();
        plan.UstawEol(u.Eol());
        return plan.Linia(QByteArrayLiteral("OK"));
    }
    if (Opis(k, czas, plan)) return;
    const bool znane = Przelacznik(k) || Protokol(k) || CzasOczekiwania(k);
    plan.UstawEol(u.Eol());
    plan.Linia(znane ? QByteArrayLiteral("OK") : QByteArrayLiteral("?"));
}

// Settings and the protocol go back to their power-on state; the banner follows the pause.
void TKomendyAt::Reset(int poMs, TPlan& plan) {
    u = PoWlaczeniu();
    magistrala.Reset();
    plan.UstawEol(u.Eol());
    plan.Czekaj(poMs);
    plan.Dodaj(u.Eol() + u.Eol());
    plan.Linia(Wersja);
}

TUstawienia TKomendyAt::PoWlaczeniu() const {
    TUstawienia wlaczone;
    wlaczone.konceLinii = samochod.Usterki().zawszeCrLf || samochod.Usterki().swobody.lfPoWlaczeniu;
    return wlaczone;
}

// The commands that answer with a text of their own.
bool TKomendyAt::Opis(const QByteArray& k, double czas, TPlan& plan) {
    QByteArray tekst;
    if (k == "I")
        tekst = Wersja;
    else if (k == "@1")
        tekst = QByteArrayLiteral("OBDII to RS232 Interpreter");
    else if (k == "RV")
        tekst = QByteArray::number(samochod.Napiecie(czas), 'f', 1) + 'V';
    else if (k == "DP")
        tekst = magistrala.Dp();
    else if (k == "DPN")
        tekst = magistrala.Dpn();
    else
        return false;
    plan.Linia(tekst);
    return true;
}

// E, L, H, S, M, CAF with 0 or 1; AL, NL; AT0..2.
bool TKomendyAt::Przelacznik(const QByteArray& k) {
    if (k == "AL" || k == "NL") {
        u.dlugie = k == "AL";
        return true;
    }
    if (k.size() == 3 && k.startsWith("AT") && k[2] >= '0' && k[2] <= '2') {
        u.adaptacja = k[2] - '0';
        return true;
    }
    if (k.isEmpty() || (k.back() != '0' && k.back() != '1')) return false;
    const bool wl = k.back() == '1';
    const QByteArray nazwa = k.chopped(1);
    bool* cel = nullptr;
    if (nazwa == "E")
        cel = &u.echo;
    else if (nazwa == "L")
        cel = &u.konceLinii;
    else if (nazwa == "H")
        cel = &u.naglowki;
    else if (nazwa == "S")
        cel = &u.spacje;
    else if (nazwa == "M")
        cel = &u.pamiec;
    else if (nazwa == "CAF")
        cel = &u.formatCan;
    if (!cel) return false;
    *cel = wl || (cel == &u.konceLinii && samochod.Usterki().zawszeCrLf);
    return true;
}

// SP h, SP Ah, SP 00 (kept for the next reset); TP h, TP Ah (not kept). TP h also shows
// the "A" in ATDPN, as genuine adapters do, but tries that one protocol only.
bool TKomendyAt::Protokol(const QByteArray& k) {
    const bool sp = k.startsWith("SP");
    if (!sp && !k.startsWith("TP")) return false;
    const QByteArray arg = k.mid(2);
    if (sp && arg == "00") {
        magistrala.UstawProtokol(0, true, true, true);
        return true;
    }
    const bool zA = arg.size() == 2 && arg[0] == 'A';
    if (arg.size() != 1 && !zA) return false;
    const int n = NumerProtokolu(arg.back());
    if (n < 0 || (zA && n == 0)) return false;
    magistrala.UstawProtokol(n, zA || !sp, zA, sp);
    return true;
}

// ST hh: hh x 4 ms; 00 brings back the default.
bool TKomendyAt::CzasOczekiwania(const QByteArray& k) {
    if (k.size() != 4 || !k.startsWith("ST")) return false;
    bool ok = false;
    const int hh = k.mid(2).toInt(&ok, 16);
    if (!ok) return false;
    u.czasOczekiwaniaMs = (hh == 0 ? 0x32 : hh) * 4;
    return true;
}
