// The PID grid: its two views, the cell colours and choosing PIDs for the cycle.

#include "KoloryObd.h"
#include "TObd.h"
#include "TSterownik.h"

namespace {

constexpr int KlawiszEnter = 13;
constexpr int KolumnaWyboru = 1;

QString TekstWyboru(const pid& p) {
    if (!p.Obslugiwany) return QStringLiteral("x");
    return p.Wybrany ? QStringLiteral("on") : QStringLiteral("off");
}

} // namespace

void TObd::OpiszPid() {
    if (!SiatkaPid) return;
    if (TrybListy == 0)
        OpiszWszystkie();
    else
        OpiszWybrane();
}

void TObd::ZmianaListy(int widok) {
    TrybListy = widok;
    OpiszPid();
}

void TObd::OpiszWszystkie() {
    TSiatkaObd& s = *SiatkaPid;
    s.UstawLiczbeKolumn(5);
    s.UstawLiczbeWierszy(static_cast<int>(Pidy.size()));
    s.UstawSzerokoscKolumny(-1, 70);
    s.UstawSzerokoscKolumny(0, 20);
    s.UstawSzerokoscKolumny(1, 20);
    s.UstawSzerokoscKolumny(2, 200);
    s.UstawObsluge(this, true);
    for (int i = 0; i < static_cast<int>(Pidy.size()); ++i) {
        pid& p = Pidy[static_cast<std::size_t>(i)];
        s.UstawKomorke(0, i, QStringLiteral("%1").arg(i, 2, 16, QChar(u'0')).toUpper());
        s.UstawKomorke(1, i, TekstWyboru(p));
        s.UstawKomorke(2, i, p.Nazwa);
        s.UstawKomorke(3, i, p.Skrot);
        s.UstawKomorke(4, i, {});
        p.Wiersz = i;
    }
}

void TObd::OpiszWybrane() {
    TSiatkaObd& s = *SiatkaPid;
    s.UstawLiczbeKolumn(3);
    s.UstawSzerokoscKolumny(-1, 70);
    s.UstawSzerokoscKolumny(0, 220);
    s.UstawObsluge(this, false);
    for (int k = 0; k < 3; ++k)
        s.UstawKomorke(k, 0, {});
    int wiersz = 0;
    for (pid& p : Pidy) {
        if (!(p.Obslugiwany && p.Wybrany)) {
            p.Wiersz = -1;
            continue;
        }
        s.UstawKomorke(0, wiersz, p.Nazwa);
        s.UstawKomorke(1, wiersz, p.Skrot);
        s.UstawKomorke(2, wiersz, {});
        p.Wiersz = wiersz++;
    }
    s.UstawLiczbeWierszy(wiersz);
}

std::optional<TKolor> TObd::MyGridPidyDrawCell(int kolumna, int wiersz) const {
    if (TrybListy != 0 || wiersz < 0 || wiersz >= static_cast<int>(Pidy.size()))
        return std::nullopt;
    const pid& p = Pidy[static_cast<std::size_t>(wiersz)];
    if (!p.Obslugiwany) return KoloryObd::Nieobslugiwany;
    if (kolumna == KolumnaWyboru && p.Wybrany) return KoloryObd::Wynik;
    return std::nullopt;
}

void TObd::PrzelaczWybor(int wiersz) {
    if (TrybListy != 0 || wiersz < 0 || wiersz >= static_cast<int>(Pidy.size())) return;
    pid& p = Pidy[static_cast<std::size_t>(wiersz)];
    // The five default selections may be unsupported; the grid never selects such a PID.
    if (p.Obslugiwany) p.Wybrany = !p.Wybrany;
}

void TObd::MyGridPidyClick(int kolumna, int wiersz) {
    if (TrybListy != 0 || kolumna != KolumnaWyboru) return;
    PrzelaczWybor(wiersz);
    OpiszPid();
}

void TObd::MyGridPidyDblClick(int kolumna, int wiersz) {
    if (TrybListy != 0 || kolumna == KolumnaWyboru) return;
    PrzelaczWybor(wiersz);
    ZerujStanObd();
    OpiszPid();
}

void TObd::MyGridPidyKeyDown(int klawisz, int, int wiersz) {
    if (TrybListy != 0 || klawisz != KlawiszEnter) return;
    PrzelaczWybor(wiersz);
    OpiszPid();
}
