#include "SesjaObd.h"

#include "KoloryObd.h"
#include "Kontekst.h"
#include "TekstyObd.h"

#include <QRegularExpression>

namespace {

constexpr int StanBrakuProtokolu = 223;
constexpr int StanSzukaniaAdaptera = 3;
constexpr int PierwszyStanInicjalizacji = 100;
constexpr int StanPoOdczycie = 1000;

} // namespace

TSesjaObd::TSesjaObd(TKontekst& kontekst) : TSesja(kontekst), obd(kontekst.mapa) {
    obd.SiatkaStatusu = &status;
    obd.SiatkaPid = &pidy;
    obd.PanelDtc = &panel;
    obd.Teksty = &k.teksty;
    obd.OnTekst = [this](TSerial*, const QString& tekst, TKolor kolor) { Tekst(tekst, kolor); };
}

void TSesjaObd::Tekst(const QString& tekst, TKolor kolor) {
    k.dziennik.Zapisz("elm", tekst);
    if (kolor == KoloryObd::Odpowiedz) ostatniaOdpowiedz.restart();
    static const QRegularExpression ZapytanieOPid(QStringLiteral("^01([0-9A-F]{2})\\.$"));
    const QRegularExpressionMatch m = ZapytanieOPid.match(tekst);
    if (kolor != KoloryObd::Komenda || !m.hasMatch() || !WCyklu()) return;
    czytanePidy.insert(m.captured(1).toInt(nullptr, 16));
}

bool TSesjaObd::Polacz() {
    if (!Otworz(obd, k.opcje.portElm, "elm-port", "OBD adapter")) return false;
    k.konsola.Postep(obd.Tekst(TekstyObd::SzukanieAdapteraIPojazdu).arg(opisPortu));
    return Czekaj([this] { return WCyklu(); });
}

QString TSesjaObd::Przeszkoda() {
    // The adapter answers; it is the vehicle that is silent, which has its own message.
    if (obd.BrakPojazdu) ostatniaOdpowiedz.restart();
    if (const QString lacze = PrzeszkodaLacza(obd); !lacze.isEmpty()) return lacze;
    if (obd.Stan >= PierwszyStanInicjalizacji) poInicjalizacji = true;
    // A silent vehicle makes the search start over and over: given up after --timeout.
    if (obd.BrakPojazdu) {
        if (!bezPojazdu.isValid()) bezPojazdu.start();
        if (bezPojazdu.elapsed() > k.opcje.czasMs) return obd.Tekst(TekstyObd::BrakPojazdu);
        return {};
    }
    bezPojazdu.invalidate();
    if (obd.Stan == StanBrakuProtokolu) return obd.Tekst(TekstyObd::ZadenProtokol).arg(opisPortu);
    // The loop starts the adapter search again after a failed check or eleven failed readings.
    if (poInicjalizacji && obd.Stan == StanSzukaniaAdaptera)
        return obd.Tekst(TekstyObd::UtraconyAdapter).arg(opisPortu);
    return {};
}

bool TSesjaObd::CzekajNaKoloPidow() {
    for (pid& p : obd.Pidy)
        p.Wybrany = true;
    k.konsola.Postep(obd.Tekst(TekstyObd::OdczytPidow));
    bool wszystkie = false;
    return Czekaj([this, &wszystkie] {
        if (!wszystkie) {
            wszystkie = true;
            for (std::size_t i = 0; i < obd.Pidy.size(); ++i)
                wszystkie = wszystkie && (!obd.Pidy[i].Obslugiwany || czytanePidy.contains(int(i)));
            return false;
        }
        // Between the decoding of an answer and the next request: a trouble-code read started
        // earlier would leave the last PID's answer undecoded.
        return obd.Stan == StanPoOdczycie && !obd.CzekaNaOdpowiedz;
    });
}

bool TSesjaObd::Przycisk(int przycisk) {
    obd.WcisnietoPrzycisk(przycisk);
    return Czekaj([this] { return WCyklu(); });
}
