#include "SesjaObd.h"

#include "KoloryObd.h"
#include "Kontekst.h"

#include <QRegularExpression>

namespace {

constexpr int StanBrakuProtokolu = 223;
constexpr int StanSzukaniaAdaptera = 3;
constexpr int PierwszyStanInicjalizacji = 100;

} // namespace

TSesjaObd::TSesjaObd(TKontekst& kontekst) : TSesja(kontekst), obd(kontekst.mapa) {
    obd.SiatkaStatusu = &status;
    obd.SiatkaPid = &pidy;
    obd.PanelDtc = &panel;
    obd.OnTekst = [this](TSerial*, const QString& tekst, TKolor kolor) { Tekst(tekst, kolor); };
}

void TSesjaObd::Tekst(const QString& tekst, TKolor kolor) {
    k.dziennik.Zapisz("elm", tekst);
    if (kolor == KoloryObd::Odpowiedz) ostatniaOdpowiedz.restart();
    static const QRegularExpression ZapytanieOPid(QStringLiteral("^01([0-9A-F]{2})\\.$"));
    const QRegularExpressionMatch m = ZapytanieOPid.match(tekst);
    if (kolor != KoloryObd::Komenda || !m.hasMatch() || !WCyklu()) return;
    czytanePidy.insert(m.captured(1).toInt(nullptr, 16));
    if (poPelnymKole >= 0) ++poPelnymKole;
}

bool TSesjaObd::Polacz() {
    if (!Otworz(obd, k.opcje.portElm, "elm-port", "OBD adapter")) return false;
    k.konsola.Postep(
        QStringLiteral("opened %1, searching for the adapter and the car").arg(opisPortu));
    return Czekaj([this] { return WCyklu(); });
}

QString TSesjaObd::Przeszkoda() {
    if (const QString lacze = PrzeszkodaLacza(obd); !lacze.isEmpty()) return lacze;
    if (obd.Stan == StanBrakuProtokolu)
        return QStringLiteral("no OBD protocol answers on %1").arg(opisPortu);
    if (obd.Stan >= PierwszyStanInicjalizacji) poInicjalizacji = true;
    // The loop starts the adapter search again after a failed check or eleven failed readings.
    if (poInicjalizacji && obd.Stan == StanSzukaniaAdaptera)
        return QStringLiteral("the OBD reader lost the adapter or the car on %1").arg(opisPortu);
    return {};
}

bool TSesjaObd::CzekajNaKoloPidow() {
    for (pid& p : obd.Pidy)
        p.Wybrany = true;
    k.konsola.Postep(QStringLiteral("reading the supported PIDs"));
    return Czekaj([this] {
        if (poPelnymKole < 0) {
            bool wszystkie = true;
            for (std::size_t i = 0; i < obd.Pidy.size(); ++i)
                wszystkie = wszystkie && (!obd.Pidy[i].Obslugiwany || czytanePidy.contains(int(i)));
            if (wszystkie) poPelnymKole = 0;
        }
        // The next request goes out only after the last answer has been decoded.
        return poPelnymKole > 0;
    });
}

bool TSesjaObd::Przycisk(int przycisk) {
    obd.WcisnietoPrzycisk(przycisk);
    return Czekaj([this] { return WCyklu(); });
}
