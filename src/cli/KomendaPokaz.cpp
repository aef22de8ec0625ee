// show: every setting of a settings file, or of the connected controller, as the settings
// editor shows it, grouped by its frames and pages, then the controller's identity.

#include "GrupyNastaw.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "OpisSterownika.h"
#include "SesjaSterownika.h"
#include "TSterownik.h"
#include "Wydruk.h"

#include <QLocale>

namespace {

void Pokaz(const TKontekst& k, const TSterownik& s) {
    const QList<TGrupaNastaw> grupy = GrupyNastaw(s, k.opcje.wszystkie);
    if (k.opcje.json) {
        QJsonObject obiekt = GrupyJson(s, grupy);
        obiekt.insert(QStringLiteral("identity"), TozsamoscJson(s));
        WypiszJson(obiekt);
        return;
    }
    Wypisz(TekstGrup(s, grupy) + Etykietowane(WierszeTozsamosci(s, k.teksty)));
}

} // namespace

int KomendaPokaz(TKontekst& k) {
    QLocale::setDefault(LiczbyJezyka(k.opcje.jezyk));
    if (k.opcje.port.isEmpty()) {
        TSterownik s(k.mapa);
        if (!WczytajPlikUstawien(s, k, k.opcje.argumenty.at(0))) return KodyWyjscia::Plik;
        Pokaz(k, s);
        return KodyWyjscia::Sukces;
    }
    TSesjaSterownika sesja(k);
    if (!sesja.Polacz() || !sesja.CzekajNaCalosc()) return sesja.Kod();
    Pokaz(k, sesja.s);
    return KodyWyjscia::Sukces;
}
