// osc2csv: a scope recording exported as the oscilloscope exports it, without a controller.

#include "EksportCsv.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "TSterownik.h"
#include "ZapisPliku.h"

#include <vector>

int KomendaOsc2Csv(TKontekst& k) {
    const QString wejscie = k.opcje.argumenty.at(0);
    const QString wyjscie = k.opcje.argumenty.at(1);
    if (!k.WolnoZapisac(wyjscie)) return KodyWyjscia::Plik;
    // The recording brings its own identity and settings, which decide the columns.
    TSterownik s(k.mapa);
    s.Teksty = &k.teksty;
    s.Komunikaty = &k.konsola;
    s.OknaPlikow = &k.konsola;
    std::vector<unsigned char> probki(std::size_t(TSterownik::MaksProbek) *
                                      TSterownik::RozmiarProbki);
    k.konsola.UstawPlik(wejscie);
    const int ile = s.CzytajOscyloskop(probki.data());
    if (k.konsola.BladPliku(QStringLiteral("load"), wejscie)) return KodyWyjscia::Plik;
    const QByteArray csv = TekstCsv(s, probki.data(), ile);
    QString blad;
    if (!ZapiszCalyPlik(wyjscie, csv, &blad)) {
        k.konsola.Zglos(QStringLiteral("cannot write %1: %2").arg(wyjscie, blad));
        return KodyWyjscia::Plik;
    }
    k.konsola.Postep(QStringLiteral("%1 samples written to %2").arg(ile).arg(wyjscie));
    return KodyWyjscia::Sukces;
}
