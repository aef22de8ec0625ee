// report: the installation report of a settings file or of the connected controller, as a
// PDF for the car's owner.

#include "GrupyNastaw.h"
#include "IdentyfikatorKomputera.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "OpisSterownika.h"
#include "RaportInstalacji.h"
#include "SesjaObd.h"
#include "SesjaSterownika.h"
#include "ZapisPliku.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLocale>

namespace {

// The car's VIN through the OBD adapter; false when the reader did not get that far.
bool CzytajVin(TKontekst& k, TDaneRaportu& d, int& kod) {
    if (k.opcje.portElm.isEmpty()) return true;
    TSesjaObd sesja(k);
    if (!sesja.Polacz()) {
        kod = sesja.Kod();
        return false;
    }
    for (const TInformacjeEcu& e : sesja.obd.Informacje)
        if (d.vin.isEmpty()) d.vin = e.vin;
    return true;
}

int Zapisz(TKontekst& k, TSterownik& s, TDaneRaportu& d) {
    if (int kod = 0; !CzytajVin(k, d, kod)) return kod;
    const QString& plik = k.opcje.wyjscie;
    QBuffer bufor;
    bufor.open(QIODevice::WriteOnly);
    if (!ZapiszRaport(bufor, s, k.teksty, d)) {
        k.konsola.Zglos(QStringLiteral("cannot draw the report"));
        return KodyWyjscia::Plik;
    }
    // Written whole or not at all: a report that was there stays until the new one is complete.
    QString blad;
    if (!ZapiszCalyPlik(plik, bufor.data(), &blad)) {
        k.konsola.Zglos(QStringLiteral("cannot write %1: %2").arg(plik, blad));
        return KodyWyjscia::Plik;
    }
    k.konsola.Postep(QStringLiteral("report written to %1").arg(plik));
    return KodyWyjscia::Sukces;
}

} // namespace

int KomendaRaport(TKontekst& k) {
    QLocale::setDefault(LiczbyJezyka(k.opcje.jezyk));
    if (!k.WolnoZapisac(k.opcje.wyjscie)) return KodyWyjscia::Plik;
    TDaneRaportu d;
    d.utworzono = QDateTime::currentDateTime();
    d.komputer = IdentyfikatorKomputera();
    if (k.opcje.port.isEmpty()) {
        TSterownik s(k.mapa);
        const QString& plik = k.opcje.argumenty.at(0);
        if (!WczytajPlikUstawien(s, k, plik)) return KodyWyjscia::Plik;
        d.zrodlo = QFileInfo(plik).fileName();
        return Zapisz(k, s, d);
    }
    TSesjaSterownika sesja(k);
    if (!sesja.Polacz() || !sesja.CzekajNaCalosc() || !sesja.CzekajNaBledy()) return sesja.Kod();
    d.zrodlo = k.opcje.port;
    d.bledy = sesja.LinieBledowSesji();
    return Zapisz(k, sesja.s, d);
}
