// info and errors: what the controller says about itself.

#include "Bloki.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "OpisSterownika.h"
#include "SesjaSterownika.h"
#include "Wydruk.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// The panel's lines as data: the active errors, then (when shown) "3 x text" counters after
// the empty line and heading the panel puts between them.
QJsonObject BledyJson(const QStringList& linie, bool zapamietane) {
    QJsonArray aktywne, liczniki;
    const qsizetype przerwa = linie.indexOf(QString());
    for (qsizetype i = 0; i < (przerwa < 0 ? linie.size() : przerwa); ++i)
        aktywne << linie[i];
    for (qsizetype i = przerwa < 0 ? linie.size() : przerwa + 3; i < linie.size(); ++i) {
        const qsizetype x = linie[i].indexOf(QLatin1String(" x "));
        liczniki << QJsonObject{{QStringLiteral("count"), linie[i].left(x).toInt()},
                                {QStringLiteral("error"), linie[i].mid(x + 3)}};
    }
    QJsonObject bledy{{QStringLiteral("active"), aktywne}};
    if (zapamietane) bledy.insert(QStringLiteral("stored"), liczniki);
    return bledy;
}

} // namespace

int KomendaInfo(TKontekst& k) {
    TSesjaSterownika sesja(k);
    // The service hours left come from the settings block.
    if (!sesja.Polacz() || !sesja.Czekaj([&] { return !(sesja.s.DoOdczytu & Bloki::Nastawy); }))
        return sesja.Kod();
    const TSterownik& s = sesja.s;
    if (k.opcje.json)
        WypiszJson(TozsamoscJson(s));
    else
        Wypisz(Etykietowane(WierszeTozsamosci(s, k.teksty)));
    return KodyWyjscia::Sukces;
}

int KomendaBledy(TKontekst& k) {
    TSesjaSterownika sesja(k);
    if (!sesja.Polacz() || !sesja.CzekajNaBledy()) return sesja.Kod();
    const QStringList linie = sesja.LinieBledowSesji();
    if (k.opcje.json) {
        WypiszJson(BledyJson(linie, sesja.s.StanPracy[1] & 0x10));
        return KodyWyjscia::Sukces;
    }
    // The panel's tab before the heading means nothing on a terminal.
    for (const QString& linia : linie)
        Wypisz(linia.trimmed() + u'\n');
    return KodyWyjscia::Sukces;
}
