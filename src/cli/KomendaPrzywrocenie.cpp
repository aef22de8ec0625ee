// restore: a settings file written to the controller as the desktop application writes it
// when the file is loaded while connected, then every written block read back and compared.

#include "Bloki.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "SesjaSterownika.h"

#include <QMap>

#include <bit>

namespace {

struct TNazwaBloku {
    int bit;
    const char* nazwa;
};
// The data model's names of the blocks a settings file brings, in the order they go out.
constexpr TNazwaBloku NazwyBlokow[] = {
    {0, "Nastawy"},      {1, "Mnoznik1"},       {2, "Mnoznik2"},     {3, "KorOdObr1"},
    {4, "KorOdObr2"},    {16, "MapaEcuBen"},    {17, "MapaEcuGaz"},  {20, "MapaObdBen1"},
    {21, "MapaObdGaz1"}, {22, "MapaObdBen2"},   {23, "MapaObdGaz2"}, {8, "KorOdCis"},
    {9, "KorOdTempRed"}, {10, "KorOdTempGazu"},
};

using TBloki = QMap<int, QByteArray>; // by mask bit index

constexpr int DaneRamki = 6; // a block's 256 bytes start at frame byte 6
constexpr int RozmiarBloku = 256;

QByteArray BlokRamki(const unsigned char* ramka) {
    return QByteArray(reinterpret_cast<const char*>(ramka + DaneRamki), RozmiarBloku);
}

// The file is loaded offline first, so that a damaged one is refused before the port opens.
bool PlikUstawienCzytelny(TKontekst& k, const QString& plik) {
    TSterownik probny(k.mapa);
    probny.Teksty = &k.teksty;
    probny.Komunikaty = &k.konsola;
    probny.OknaPlikow = &k.konsola;
    k.konsola.UstawPlik(plik);
    probny.CzytajUstawienia();
    return !k.konsola.BladPliku(QStringLiteral("load"), plik);
}

// "differs: MapaEcuGaz, 3 bytes, first at 17 (written 0x40, read 0x42)", or empty.
QString Roznica(const char* nazwa, const QByteArray& zapisany, const QByteArray& odczytany) {
    if (zapisany.isEmpty())
        return QStringLiteral("differs: %1, never written").arg(QLatin1String(nazwa));
    if (odczytany.isEmpty())
        return QStringLiteral("differs: %1, never read back").arg(QLatin1String(nazwa));
    int ile = 0, pierwszy = -1;
    for (int i = 0; i < RozmiarBloku; ++i)
        if (zapisany[i] != odczytany[i]) {
            ++ile;
            if (pierwszy < 0) pierwszy = i;
        }
    if (ile == 0) return {};
    return QStringLiteral("differs: %1, %2 bytes, first at %3 (written 0x%4, read 0x%5)")
        .arg(QLatin1String(nazwa))
        .arg(ile)
        .arg(pierwszy)
        .arg(quint8(zapisany[pierwszy]), 2, 16, QLatin1Char('0'))
        .arg(quint8(odczytany[pierwszy]), 2, 16, QLatin1Char('0'));
}

// The writes and the controller's own read-back after the factory command, then reads of
// whatever it did not read back, each block taken as it arrived.
bool ZapiszIOdczytaj(TSesjaSterownika& sesja, TKontekst& k, TBloki& zapisane, TBloki& odczytane) {
    TSterownik& s = sesja.s;
    bool poFabrycznych = false; // reads from here on return what was written
    sesja.PoZadaniu = [&](int kod) {
        if (const Bloki::TOpisBloku* b = Bloki::PoKodzieZapisu(static_cast<unsigned char>(kod)))
            zapisane[b->bit] = BlokRamki(s.RamkaTx);
    };
    sesja.PoOdpowiedzi = [&](int kod, int dlugosc) {
        // The factory command goes out after every write is acknowledged; its
        // acknowledgement posts the controller's own read-back.
        if (kod == 0x89) poFabrycznych = true;
        const Bloki::TOpisBloku* b = Bloki::PoKodzieOdczytu(static_cast<unsigned char>(kod));
        if (poFabrycznych && b && dlugosc >= DaneRamki + RozmiarBloku)
            odczytane[b->bit] = BlokRamki(s.RamkaRx);
    };
    const int wszystkie = std::popcount(static_cast<unsigned>(Bloki::ZUstawien));
    int pokazane = -1;
    const bool zapisano = sesja.Czekaj([&] {
        const int czeka = std::popcount(
            static_cast<unsigned>((s.DoZapisu | s.BezPotwierdzenia) & Bloki::ZUstawien));
        if (wszystkie - czeka != pokazane) {
            pokazane = wszystkie - czeka;
            k.konsola.Postep(QStringLiteral("writing the controller: %1 of %2 blocks")
                                 .arg(pokazane)
                                 .arg(wszystkie));
        }
        return s.DoZapisu == 0 && s.BezPotwierdzenia == 0 && !s.Fabryczne;
    });
    if (!zapisano) return false;
    if (!sesja.Czekaj([&] { return s.DoOdczytu == 0; })) return false;
    int brakujace = 0;
    for (const TNazwaBloku& n : NazwyBlokow)
        if (!odczytane.contains(n.bit)) brakujace |= 1 << n.bit;
    s.CzytajZeSterownika(brakujace);
    return sesja.CzekajNaOdczyt(brakujace, QStringLiteral("reading back"));
}

} // namespace

int KomendaPrzywrocenie(TKontekst& k) {
    const QString plik = k.opcje.argumenty.at(0);
    if (!PlikUstawienCzytelny(k, plik)) return KodyWyjscia::Plik;
    TSesjaSterownika sesja(k);
    if (!sesja.Polacz() || !sesja.CzekajNaCalosc()) return sesja.Kod();

    k.konsola.UstawPlik(plik);
    sesja.s.CzytajUstawienia();
    if (k.konsola.BladPliku(QStringLiteral("load"), plik)) return KodyWyjscia::Plik;
    TBloki zapisane, odczytane;
    if (!ZapiszIOdczytaj(sesja, k, zapisane, odczytane)) return sesja.Kod();

    int rozne = 0;
    for (const TNazwaBloku& n : NazwyBlokow)
        if (const QString r = Roznica(n.nazwa, zapisane.value(n.bit), odczytane.value(n.bit));
            !r.isEmpty()) {
            Wypisz(r + u'\n');
            ++rozne;
        }
    const int ile = int(std::size(NazwyBlokow));
    if (rozne == 0) {
        Wypisz(QStringLiteral("restored %1: %2 blocks written and verified\n").arg(plik).arg(ile));
        return KodyWyjscia::Sukces;
    }
    k.konsola.Zglos(
        QStringLiteral("%1 of %2 blocks differ after restoring %3").arg(rozne).arg(ile).arg(plik));
    return KodyWyjscia::Lacze;
}
