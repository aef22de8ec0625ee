// restore: a settings file written to the controller as the desktop application writes it
// when the file is loaded while connected, then every written block read back and compared.

#include "Bloki.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "OdczytyZgodne.h"
#include "OpisSterownika.h"
#include "PorownanieBlokow.h"
#include "SesjaSterownika.h"

#include <QMap>

#include <bit>

namespace {

// The blocks a settings file brings, in the order they go out.
constexpr int KolejnoscZapisu[] = {0, 1, 2, 3, 4, 16, 17, 20, 21, 22, 23, 8, 9, 10};

using TBloki = QMap<int, QByteArray>; // by mask bit index

constexpr int RozmiarBloku = 256;

// The file is loaded offline first, so that a damaged one is refused before the port opens.
bool PlikUstawienCzytelny(TKontekst& k, const QString& plik) {
    TSterownik probny(k.mapa);
    return WczytajPlikUstawien(probny, k, plik);
}

// The bytes written, but for the cells the controller reported learning since the write
// went out, which it holds as read back; wyuczone counts them.
QByteArray Oczekiwany(const TOdczytyZgodne& odczyty, int bit, const QByteArray& zapisany,
                      const QByteArray& odczytany, int odNumeru, int& wyuczone) {
    QByteArray oczekiwany = zapisany;
    if (zapisany.size() != RozmiarBloku || odczytany.size() != RozmiarBloku) return oczekiwany;
    for (int i = 0; i < RozmiarBloku; ++i)
        if (zapisany[i] != odczytany[i] &&
            odczyty.Zgloszona(bit, i, quint8(odczytany[i]), odNumeru)) {
            oczekiwany[i] = odczytany[i];
            ++wyuczone;
        }
    return oczekiwany;
}

// The writes, then the controller's own read-back after the factory command and reads of
// whatever it did not read back, until every block has two agreeing reads. What each block
// should hold goes to oczekiwane, what it holds to odczytane.
bool ZapiszIOdczytaj(TSesjaSterownika& sesja, TKontekst& k, TBloki& oczekiwane, TBloki& odczytane,
                     int& wyuczone) {
    TSterownik& s = sesja.s;
    TOdczytyZgodne odczyty(k, sesja, Bloki::ZUstawien, false);
    TBloki zapisane;
    QMap<int, int> numerZapisu; // the last reply before each block's last write
    bool poFabrycznych = false; // reads from here on return what was written
    sesja.PoZadaniu = [&](int kod) {
        if (const Bloki::TOpisBloku* b = Bloki::PoKodzieZapisu(static_cast<unsigned char>(kod))) {
            zapisane[b->bit] = BlokRamki(s.RamkaTx);
            numerZapisu[b->bit] = odczyty.Numer();
        }
    };
    sesja.PoOdpowiedzi = [&](int kod, int dlugosc) {
        // The factory command goes out after every write is acknowledged; its
        // acknowledgement posts the controller's own read-back. Live frames tell the cells
        // learned meanwhile.
        if (kod == 0x89) poFabrycznych = true;
        if (poFabrycznych || (kod & 0xF0) == 0x90) odczyty.Przyjmij(kod, dlugosc);
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
    if (!zapisano || !odczyty.Czekaj(QStringLiteral("reading back"))) return false;
    for (int bit : KolejnoscZapisu) {
        odczytane[bit] = odczyty.Zgodny(bit);
        oczekiwane[bit] = Oczekiwany(odczyty, bit, zapisane.value(bit), odczytane[bit],
                                     numerZapisu.value(bit), wyuczone);
    }
    return true;
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
    TBloki oczekiwane, odczytane;
    int wyuczone = 0;
    if (!ZapiszIOdczytaj(sesja, k, oczekiwane, odczytane, wyuczone)) return sesja.Kod();

    int rozne = 0;
    for (int bit : KolejnoscZapisu)
        if (const QString r = Roznica(NazwaBloku(bit), oczekiwane.value(bit), odczytane.value(bit));
            !r.isEmpty()) {
            Wypisz(r + u'\n');
            ++rozne;
        }
    const int ile = int(std::size(KolejnoscZapisu));
    if (rozne == 0) {
        const QString nauka =
            wyuczone ? QStringLiteral(" (%1 map cells learned since)").arg(wyuczone) : QString();
        Wypisz(QStringLiteral("restored %1: %2 blocks written and verified%3\n")
                   .arg(plik)
                   .arg(ile)
                   .arg(nauka));
        return KodyWyjscia::Sukces;
    }
    k.konsola.Zglos(
        QStringLiteral("%1 of %2 blocks differ after restoring %3").arg(rozne).arg(ile).arg(plik));
    return KodyWyjscia::Lacze;
}
