#include "OpisSterownika.h"

#include "Kontekst.h"
#include "TSterownik.h"
#include "Teksty.h"

QList<QPair<QString, QString>> WierszeTozsamosci(const TSterownik& s, const TTeksty& t) {
    return {
        {t.PodajTekst(1331), s.StrNazwaSterownika()},
        {t.PodajTekst(1332), s.StrKodKreskowy()},
        {t.PodajTekst(1333), s.StrDataProdukcji()},
        {t.PodajTekst(1334), s.StrWersjaCyframi(14).trimmed()}, // hardware letter, digits, date
        {t.PodajTekst(1335), s.StrIleWtryskiwaczy()},
        {t.PodajTekst(1343), s.StrCzasNaBenzynie()},
        {t.PodajTekst(1344), s.StrCzasNaGazie()},
        {t.PodajTekst(1352), s.StrCzasPrzegladu()},
    };
}

QJsonObject TozsamoscJson(const TSterownik& s) {
    return {
        {QStringLiteral("model"), s.StrNazwaSterownika()},
        {QStringLiteral("bar_code"), s.StrKodKreskowy()},
        {QStringLiteral("production_date"), s.StrDataProdukcji()},
        {QStringLiteral("software_version"), s.StrWersjaCyframi(14).trimmed()},
        {QStringLiteral("injectors"), s.LiczbaWtryskiwaczy},
        {QStringLiteral("time_on_petrol"), s.StrCzasNaBenzynie()},
        {QStringLiteral("time_on_gas"), s.StrCzasNaGazie()},
        {QStringLiteral("time_to_service"), s.StrCzasPrzegladu()},
    };
}

void BezLacza(TSterownik& s, TKontekst& k) {
    s.Teksty = &k.teksty;
    s.Komunikaty = &k.konsola;
    s.OknaPlikow = &k.konsola;
}

bool WczytajPlikUstawien(TSterownik& s, TKontekst& k, const QString& plik) {
    BezLacza(s, k);
    k.konsola.UstawPlik(plik);
    s.CzytajUstawienia();
    return !k.konsola.BladPliku(QStringLiteral("load"), plik);
}
