// backup: the whole controller into a settings file, as the desktop application saves it,
// from blocks that were each read twice alike.

#include "Bloki.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "OdczytyZgodne.h"
#include "SesjaSterownika.h"

int KomendaKopia(TKontekst& k) {
    const QString plik = k.opcje.argumenty.at(0);
    if (!k.WolnoZapisac(plik)) return KodyWyjscia::Plik;
    TSesjaSterownika sesja(k);
    TOdczytyZgodne odczyty(k, sesja, Bloki::WszystkieBloki, true);
    sesja.PoOdpowiedzi = [&](int kod, int dlugosc) { odczyty.Przyjmij(kod, dlugosc); };
    if (!sesja.Polacz() || !odczyty.Czekaj(QStringLiteral("reading the controller")))
        return sesja.Kod();
    sesja.PoOdpowiedzi = nullptr;
    odczyty.WstawDoModelu();
    k.konsola.UstawPlik(plik);
    sesja.s.ZapiszUstawienia();
    if (k.konsola.BladPliku(QStringLiteral("write"), plik)) return KodyWyjscia::Plik;
    k.konsola.Postep(QStringLiteral("saved %1").arg(plik));
    return KodyWyjscia::Sukces;
}
