#include "SesjaSterownika.h"

#include "Bloki.h"
#include "IdentyfikatorKomputera.h"
#include "Kontekst.h"
#include "TekstyBledow.h"

#include <QDate>

#include <algorithm>
#include <bit>

namespace {

bool RamkaBiezaca(int kod, int dlugosc) {
    return (kod & 0xF0) == 0x90 && dlugosc > 4;
}

int Bitow(int maska) {
    return std::popcount(static_cast<unsigned>(maska));
}

} // namespace

TSesjaSterownika::TSesjaSterownika(TKontekst& kontekst) : TSesja(kontekst), s(kontekst.mapa) {
    s.Teksty = &k.teksty;
    s.Komunikaty = &k.konsola;
    s.OknaPlikow = &k.konsola;
    // History entries of the writes are stamped as the desktop application stamps them.
    s.IdentyfikatorPC = IdentyfikatorKomputera();
    const QDate dzis = QDate::currentDate();
    s.DataDzis[0] = static_cast<unsigned char>(dzis.year() - 2000);
    s.DataDzis[1] = static_cast<unsigned char>(dzis.month());
    s.DataDzis[2] = static_cast<unsigned char>(dzis.day());
    s.OnTekst = [this](TSerial*, const QString& tekst, TKolor) { k.dziennik.Zapisz("ctl", tekst); };
    s.OnZdarzenie = [this](int kodZdarzenia, int a1, int a2, int) {
        Zdarzenie(kodZdarzenia, a1, a2);
    };
}

void TSesjaSterownika::Zdarzenie(int kodZdarzenia, int a1, int a2) {
    if (kodZdarzenia == 1) {
        if (PoZadaniu) PoZadaniu(a1);
        return;
    }
    if (kodZdarzenia != 0) return;
    ostatniaOdpowiedz.restart();
    Identyfikacje += a1 == 0x81;
    if (a1 == 0x82) {
        ++ListyBledow;
        ListaBledow.fill(0);
        std::copy_n(s.RamkaRx, std::min<int>(a2, int(ListaBledow.size())), ListaBledow.begin());
    }
    RamkiBiezace += RamkaBiezaca(a1, a2);
    if (PoOdpowiedzi) PoOdpowiedzi(a1, a2);
}

bool TSesjaSterownika::Polacz() {
    if (!Otworz(s, k.opcje.port, "port", "controller")) return false;
    k.konsola.Postep(QStringLiteral("opened %1, waiting for the controller").arg(opisPortu));
    return Czekaj([this] { return AplikacjaOdpowiada(*this); });
}

QString TSesjaSterownika::Przeszkoda() {
    if (k.konsola.JestBlad())
        return QStringLiteral("controller on %1: %2").arg(opisPortu, k.konsola.WezBlad());
    return PrzeszkodaLacza(s);
}

bool TSesjaSterownika::CzekajNaOdczyt(int maska, const QString& co) {
    int pokazane = -1;
    return Czekaj([&] {
        const int przeczytane = Bitow(maska) - Bitow(s.DoOdczytu & maska);
        if (przeczytane != pokazane) {
            pokazane = przeczytane;
            k.konsola.Postep(
                QStringLiteral("%1: %2 of %3 blocks").arg(co).arg(przeczytane).arg(Bitow(maska)));
        }
        return przeczytane == Bitow(maska);
    });
}

bool TSesjaSterownika::CzekajNaCalosc() {
    if (!CzekajNaOdczyt(Bloki::WszystkieBloki, QStringLiteral("reading the controller")))
        return false;
    return Czekaj([this] {
        return !s.ModulObd || ((s.DoOdczytu & Bloki::NastawyObd) == 0 &&
                               (s.Rozkazy & TSterownik::RozkazIdentyfikacjaObd) == 0);
    });
}

bool AplikacjaOdpowiada(const TSesjaSterownika& sesja) {
    return sesja.Identyfikacje > 0 && sesja.s.IdentSterownika[5] == 0;
}

bool TSesjaSterownika::CzekajNaBledy() {
    return Czekaj([this] { return ListyBledow > 0 && RamkiBiezace > 0; });
}

QStringList TSesjaSterownika::LinieBledowSesji() const {
    return LinieBledow(ListaBledow.data(), s.StanPracy[1] & 0x10, k.teksty);
}
