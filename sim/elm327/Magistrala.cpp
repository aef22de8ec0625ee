#include "Magistrala.h"

#include "Ramki.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int NajwyzszyObd = 9;

bool CyfryHex(const QByteArray& t) {
    return std::all_of(t.begin(), t.end(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

} // namespace

TMagistrala::TMagistrala(TSamochod& s, const TUstawienia& ustawienia)
    : samochod(s), u(ustawienia), los(s.Usterki().swobody, 1) {}

void TMagistrala::UstawProtokol(int numer, bool a, bool d, bool zapisz) {
    wybrany = numer;
    automat = a || numer == 0;
    dalej = d || numer == 0;
    polaczony = false;
    if (zapisz) {
        zapisany = wybrany;
        zapisanyAutomat = automat;
    }
}

bool TMagistrala::NaCan() const {
    return wybrany != 0 && JestCan(Protokol(wybrany)->rodzina);
}

void TMagistrala::Reset() {
    UstawProtokol(zapisany, zapisanyAutomat, zapisanyAutomat, false);
}

QByteArray TMagistrala::Dpn() const {
    return (automat ? QByteArrayLiteral("A") : QByteArray()) +
           QByteArray::number(wybrany, 16).toUpper();
}

QByteArray TMagistrala::Dp() const {
    if (wybrany == 0) return QByteArrayLiteral("AUTO");
    return (automat ? QByteArrayLiteral("AUTO, ") : QByteArray()) + Protokol(wybrany)->opis;
}

void TMagistrala::Zapytaj(const QByteArray& cyfry, double czas, TPlan& plan) {
    const bool limitowane = cyfry.size() % 2 == 1;
    if (cyfry.size() < 2 || !CyfryHex(cyfry) || (limitowane && cyfry.endsWith('0'))) {
        plan.Linia(QByteArrayLiteral("?"));
        return;
    }
    const QByteArray bajty = QByteArray::fromHex(cyfry.left(cyfry.size() - (limitowane ? 1 : 0)));
    const bool surowe = !u.formatCan && NaCan();
    if (bajty.size() > (surowe ? 8 : 7) && !u.dlugie) {
        plan.Linia(QByteArrayLiteral("?"));
        return;
    }
    if (samochod.Usterki().zaplonWylaczony) {
        plan.Czekaj(TUsterki::OdpowiedzBezZaplonuMs);
        plan.Linia(QByteArrayLiteral("NO DATA"));
        return;
    }
    if (!polaczony && !Polacz(plan)) return;
    const int limit = limitowane ? QByteArray(1, cyfry.back()).toInt(nullptr, 16) : -1;
    std::vector<TOdpowiedzEcu> odpowiedzi = samochod.Odpowiedz(DoSamochodu(bajty), czas);
    los.Kolejnosc(odpowiedzi);
    if (odpowiedzi.empty()) {
        plan.Czekaj(u.czasOczekiwaniaMs);
        plan.Linia(QByteArrayLiteral("NO DATA"));
        return;
    }
    Odpowiedzi(odpowiedzi, limit, plan);
}

// With CAN formatting off the request is a whole frame whose first byte is its PCI.
QByteArray TMagistrala::DoSamochodu(const QByteArray& bajty) const {
    if (u.formatCan || !NaCan()) return bajty;
    const int pci = static_cast<quint8>(bajty.at(0));
    const int n = pci & 0x0F;
    if ((pci & 0xF0) != 0 || n == 0 || n >= bajty.size()) return {};
    return bajty.mid(1, n);
}

void TMagistrala::Odpowiedzi(const std::vector<TOdpowiedzEcu>& odpowiedzi, int limit,
                             TPlan& plan) const {
    const TProtokol& p = *Protokol(wybrany);
    if (samochod.Usterki().przeplot && NaCan() && limit < 0) return Przeplot(odpowiedzi, plan);
    int zostalo = limit;
    for (std::size_t k = 0; k < odpowiedzi.size() && zostalo != 0; ++k) {
        plan.Czekaj(k == 0 ? p.pierwszaOdpowiedz : p.kolejnaOdpowiedz);
        const TOdpowiedzEcu& o = odpowiedzi[k];
        for (std::size_t w = 0; w < o.wiadomosci.size() && zostalo != 0; ++w, --zostalo) {
            if (w > 0) plan.Czekaj(p.kolejnaOdpowiedz);
            const std::vector<QByteArray> linie =
                Ramki::Linie(p, o.indeks, o.wiadomosci[w], o.dopelnienie, u);
            for (std::size_t i = 0; i < linie.size(); ++i) {
                if (i > 0) plan.Czekaj(p.ramka);
                plan.Linia(los.Linia(linie[i]));
            }
        }
    }
    // The adapter cannot know that no further ECU will answer: it waits the time-out, or
    // with adaptive timing a span learnt from the answers so far.
    if (zostalo == 0) return;
    const int krotko = u.adaptacja == 2 ? p.pierwszaOdpowiedz + 5 : 2 * p.pierwszaOdpowiedz + 10;
    plan.Czekaj(u.adaptacja == 0 ? u.czasOczekiwaniaMs : std::min(u.czasOczekiwaniaMs, krotko));
}

// Frame k of every ECU before frame k + 1 of any: first frames, then consecutive ones.
void TMagistrala::Przeplot(const std::vector<TOdpowiedzEcu>& odpowiedzi, TPlan& plan) const {
    const TProtokol& p = *Protokol(wybrany);
    std::vector<std::vector<QByteArray>> linie;
    for (const TOdpowiedzEcu& o : odpowiedzi)
        linie.push_back(Ramki::Linie(p, o.indeks, o.wiadomosci.front(), o.dopelnienie, u));
    plan.Czekaj(p.pierwszaOdpowiedz);
    for (std::size_t k = 0, jeszcze = 1; jeszcze; ++k) {
        jeszcze = 0;
        for (const std::vector<QByteArray>& l : linie) {
            if (k >= l.size()) continue;
            plan.Linia(los.Linia(l[k]));
            plan.Czekaj(p.ramka);
            jeszcze = 1;
        }
    }
    plan.Czekaj(u.czasOczekiwaniaMs);
}

bool TMagistrala::Polacz(TPlan& plan) {
    if (automat) plan.Linia(QByteArrayLiteral("SEARCHING..."));
    for (const int k : Kandydaci()) {
        const TProtokol& p = *Protokol(k);
        if (k == samochod.Protokol()) {
            if (JestLiniaK(p.rodzina))
                InicjacjaLiniiK(plan, p.inicjacja, true);
            else
                plan.Czekaj(p.inicjacja);
            wybrany = k;
            polaczony = true;
            if (u.pamiec) {
                zapisany = k;
                zapisanyAutomat = automat;
            }
            return true;
        }
        if (!automat && JestLiniaK(p.rodzina)) {
            InicjacjaLiniiK(plan, p.proba, false);
            return false;
        }
        plan.Czekaj(p.proba);
    }
    plan.Linia(BladPolaczenia());
    return false;
}

// The chosen protocol first; the others after it only while automatic searching is on.
std::vector<int> TMagistrala::Kandydaci() const {
    std::vector<int> k;
    if (wybrany != 0) k.push_back(wybrany);
    if (dalej)
        for (int n = 1; n <= NajwyzszyObd; ++n)
            if (n != wybrany) k.push_back(n);
    return k;
}

void TMagistrala::InicjacjaLiniiK(TPlan& plan, int ms, bool udana) const {
    plan.Dodaj(QByteArrayLiteral("BUS INIT: "));
    for (int i = 0; i < 3; ++i) {
        plan.Czekaj(ms / 3);
        plan.Dodaj(QByteArrayLiteral("."));
    }
    plan.Linia(udana ? QByteArrayLiteral("OK") : QByteArrayLiteral("ERROR"));
}

// With automatic searching on, a failed search; otherwise what the one bus tried gives.
QByteArray TMagistrala::BladPolaczenia() const {
    if (automat) return QByteArrayLiteral("UNABLE TO CONNECT");
    const TRodzina r = Protokol(wybrany)->rodzina;
    if (r == TRodzina::J1850Pwm || r == TRodzina::J1850Vpw) return QByteArrayLiteral("NO DATA");
    return QByteArrayLiteral("CAN ERROR");
}
