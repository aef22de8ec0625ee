// backup: the whole controller into a settings file, as the desktop application saves it.

#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "SesjaSterownika.h"

int KomendaKopia(TKontekst& k) {
    const QString plik = k.opcje.argumenty.at(0);
    if (!k.WolnoZapisac(plik)) return KodyWyjscia::Plik;
    TSesjaSterownika sesja(k);
    if (!sesja.Polacz() || !sesja.CzekajNaCalosc()) return sesja.Kod();
    k.konsola.UstawPlik(plik);
    sesja.s.ZapiszUstawienia();
    if (k.konsola.BladPliku(QStringLiteral("write"), plik)) return KodyWyjscia::Plik;
    k.konsola.Postep(QStringLiteral("saved %1").arg(plik));
    return KodyWyjscia::Sukces;
}
