// obd: the OBD reader on its adapter, until the PID cycle runs; then the status rows, the
// supported PIDs with their values and the trouble codes, and with --clear the codes
// cleared and what is left.

#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "SesjaObd.h"
#include "TekstyObd.h"
#include "Wydruk.h"
#include "WydrukObd.h"

#include <algorithm>

namespace {

constexpr int KolumnaWartosci = 4; // of the PID grid in its whole-catalogue view
constexpr int CzytajKody = 3;
constexpr int KasujKody = 4;

QString Status(const TSesjaObd& sesja) {
    QList<QPair<QString, QString>> wiersze;
    for (int w = 0; w < TObd::WierszeStatusu; ++w) {
        QString etykieta = sesja.status.Komorka(0, w);
        if (etykieta.endsWith(u':')) etykieta.chop(1);
        wiersze.append({etykieta, sesja.status.Komorka(1, w)});
    }
    return Etykietowane(wiersze);
}

QString Pidy(const TSesjaObd& sesja) {
    qsizetype szerokosc = 0;
    for (const pid& p : sesja.obd.Pidy)
        if (p.Obslugiwany) szerokosc = std::max(szerokosc, p.Nazwa.size());
    QString tekst = sesja.obd.Tekst(TekstyObd::ObslugiwanePidy) + QStringLiteral(":\n");
    for (std::size_t i = 0; i < sesja.obd.Pidy.size(); ++i) {
        const pid& p = sesja.obd.Pidy[i];
        if (!p.Obslugiwany) continue;
        const QString numer = QStringLiteral("%1").arg(int(i), 2, 16, QLatin1Char('0')).toUpper();
        const QString wartosc = sesja.pidy.Komorka(KolumnaWartosci, p.Wiersz);
        QString linia =
            QStringLiteral("  %1  %2  %3").arg(numer, p.Nazwa.leftJustified(szerokosc), wartosc);
        while (linia.endsWith(u' '))
            linia.chop(1); // a PID that gave no value
        tekst += linia + u'\n';
    }
    return tekst;
}

// The panel's lines: headings (TAB first) as they stand, codes and descriptions indented.
QString Kody(const TSesjaObd& sesja) {
    QString tekst = sesja.obd.Tekst(TekstyObd::KodyBledow) + QStringLiteral(":\n");
    if (sesja.panel.linie.isEmpty())
        return tekst + QStringLiteral("  ") + sesja.obd.Tekst(TekstyObd::Brak) + u'\n';
    for (const QString& linia : sesja.panel.linie)
        tekst += linia.startsWith(u'\t')  ? linia.mid(1) + u'\n'
                 : linia.startsWith(u' ') ? QStringLiteral("     ") + linia.trimmed() + u'\n'
                                          : QStringLiteral("  ") + linia + u'\n';
    return tekst;
}

// The codes read, cleared, and read again; the clearing is asked for only after the codes
// it erases have been printed.
int Kasuj(TKontekst& k, TSesjaObd& sesja) {
    k.konsola.Postep(sesja.obd.Tekst(TekstyObd::KasowanieKodow));
    if (!sesja.Przycisk(KasujKody)) return sesja.Kod();
    // The refusal is added to the panel, after the codes read before.
    if (sesja.obd.Skasowano != true) {
        k.konsola.Zglos(sesja.panel.linie.value(sesja.panel.linie.size() - 1));
        return KodyWyjscia::Lacze;
    }
    if (!sesja.Przycisk(CzytajKody)) return sesja.Kod();
    Wypisz(u'\n' + sesja.obd.Tekst(TekstyObd::KodySkasowane) + QStringLiteral(".\n\n") +
           Kody(sesja));
    return KodyWyjscia::Sukces;
}

} // namespace

int KomendaObd(TKontekst& k) {
    TSesjaObd sesja(k);
    if (!sesja.Polacz() || !sesja.CzekajNaKoloPidow()) return sesja.Kod();
    k.konsola.Postep(sesja.obd.Tekst(TekstyObd::OdczytKodow));
    if (!sesja.Przycisk(CzytajKody)) return sesja.Kod();
    if (k.opcje.json) {
        WypiszJson(ObdJson(sesja));
        return k.opcje.kasuj ? Kasuj(k, sesja) : KodyWyjscia::Sukces;
    }
    Wypisz(Status(sesja) + u'\n' + TekstDiagnozy(sesja) + Pidy(sesja) + u'\n' + Kody(sesja));
    return k.opcje.kasuj ? Kasuj(k, sesja) : KodyWyjscia::Sukces;
}
