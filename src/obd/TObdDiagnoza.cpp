// Readiness (PIDs 01 and 41), the freeze frame (service 02) and the vehicle information
// (service 09): a queue of requests run by states 500 and 501 before the PID cycle goes on.
// The answers to bitmaps queue the requests they make possible.

#include "ElmTekst.h"
#include "KodyBledow.h"
#include "KoloryObd.h"
#include "TObd.h"
#include "TekstyObd.h"

namespace {

constexpr int StanKolejki = 500;
constexpr int StanOdpowiedzi = 501;
constexpr int StanCyklu = 1000;
constexpr int PidRamki = 0x02; // the code that stored the freeze frame
constexpr int OstatniaMapa = 0x60;
constexpr int TypyInformacji[] = {InfoVin, InfoKalibracje, InfoCvn, InfoNazwaEcu};

QByteArray Hex2(int x) {
    return Hex(static_cast<std::uint32_t>(x), 2);
}

// Service 02 asks for frame 0 after the PID.
QByteArray ZapytanieRamki(int numerPid) {
    return "02" + Hex2(numerPid) + "00";
}

} // namespace

void TObd::Diagnoza() {
    if (Stan == StanOdpowiedzi) {
        const TZapytanie z = std::move(zapytania.front());
        zapytania.pop_front();
        z.poOdpowiedzi();
        Stan = StanKolejki;
        return;
    }
    if (zapytania.empty()) {
        if (ramkaDoPanelu) PokazRamke();
        ramkaDoPanelu = false;
        if (WidokDiagnozy)
            WidokDiagnozy->PokazDiagnoze(GotowoscOdSkasowania ? &*GotowoscOdSkasowania : nullptr,
                                         GotowoscCyklu ? &*GotowoscCyklu : nullptr, Informacje);
        Stan = StanCyklu;
        return;
    }
    Nadaj(zapytania.front().komenda + '\r');
    Stan = StanOdpowiedzi;
}

void TObd::ZacznijDiagnoze(bool odSkasowania, bool informacje, bool ramka) {
    zapytania.clear(); // a user request may have cut the last run short
    ramkaDoPanelu = ramka;
    // PID 01 also gives the status rows of the stored codes and the lamp.
    if (odSkasowania && Pidy[0x01].Obslugiwany)
        zapytania.push_back({"0101", [this] { StatusDteMil(); }});
    if (Pidy[0x41].Obslugiwany)
        zapytania.push_back({"0141", [this] { GotowoscCyklu = GotowoscZOdpowiedzi(0x41); }});
    if (informacje) ZapytajOInformacje();
    if (ramka) ZapytajORamke();
    Stan = StanKolejki;
}

std::optional<TGotowosc> TObd::GotowoscZOdpowiedzi(int numerPid) const {
    const int pozycja = SzukajEcuPid(static_cast<unsigned char>(numerPid));
    if (pozycja == 0) return std::nullopt;
    return DekodujGotowosc(TekstNaInt(DaneOd(pozycja), 4));
}

void TObd::ZapytajOInformacje() {
    Informacje.clear();
    zapytania.push_back({"0900", [this] { CzytajMapyInformacji(); }});
}

// Each type that any ECU offers is asked for once; every ECU that has it answers.
void TObd::CzytajMapyInformacji() {
    DodajInformacje(Informacje, Odpowiedz, Protokol, InfoMapa);
    for (const int typ : TypyInformacji) {
        const bool ktos =
            std::any_of(Informacje.begin(), Informacje.end(), [typ](const TInformacjeEcu& e) {
                return ((e.mapa >> (32 - typ)) & 1) != 0;
            });
        if (ktos)
            zapytania.push_back({"09" + Hex2(typ), [this, typ] {
                                     DodajInformacje(Informacje, Odpowiedz, Protokol, typ);
                                 }});
    }
    for (const TInformacjeEcu& e : Informacje)
        if (!e.vin.isEmpty()) DoOnTekst(QStringLiteral("VIN ") + e.vin, KoloryObd::Wynik);
}

void TObd::ZapytajORamke() {
    Zamrozona.reset();
    zapytania.push_back({ZapytanieRamki(PidRamki), [this] { CzytajKodRamki(); }});
}

void TObd::CzytajKodRamki() {
    const auto dane = DaneZamrozone(Odpowiedz, Protokol, Ecu, PidRamki);
    if (!dane || dane->size() < 2) return; // no answer: no freeze frame to show either
    Zamrozona = TZamrozonaRamka{(*dane)[0] << 8 | (*dane)[1], {}};
    // Code 0000: nothing stored, so no frame to read.
    if (Zamrozona->kod != 0)
        zapytania.push_back({ZapytanieRamki(0x00), [this] { CzytajMapeRamki(0x00); }});
}

void TObd::CzytajMapeRamki(int baza) {
    const auto dane = DaneZamrozone(Odpowiedz, Protokol, Ecu, baza);
    if (!dane || dane->size() < 4) return;
    for (const int numer : PidyZMapy(TekstNaInt(TekstBajtow(*dane), 4), baza)) {
        if (numer % 0x20 == 0) {
            if (numer <= OstatniaMapa)
                zapytania.push_back(
                    {ZapytanieRamki(numer), [this, numer] { CzytajMapeRamki(numer); }});
        } else if (numer != PidRamki && numer < static_cast<int>(Pidy.size())) {
            zapytania.push_back({ZapytanieRamki(numer), [this, numer] { CzytajPidRamki(numer); }});
        }
    }
}

void TObd::CzytajPidRamki(int numerPid) {
    const auto dane = DaneZamrozone(Odpowiedz, Protokol, Ecu, numerPid);
    if (!dane || !Zamrozona) return;
    Zamrozona->wartosci << WartoscZBajtow(Pidy[static_cast<std::size_t>(numerPid)], numerPid,
                                          *dane);
}

// Under the codes of the reading: its heading, then "name: value[unit]" per PID.
void TObd::PokazRamke() {
    if (!PanelDtc || !Zamrozona) return;
    if (Zamrozona->kod == 0) {
        PanelDtc->DodajLinie(u'\t' + Tekst(TekstyObd::BrakZamrozonejRamki), KoloryObd::Wynik);
        return;
    }
    PanelDtc->DodajLinie(u'\t' + Tekst(TekstyObd::ZamrozonaRamka).arg(KodNaTekst(Zamrozona->kod)),
                         KoloryObd::Wynik);
    for (const TWartoscPid& w : Zamrozona->wartosci) {
        const QString jednostka = w.jednostka.isEmpty() ? QString() : u'[' + w.jednostka + u']';
        PanelDtc->DodajLinie(Pidy[static_cast<std::size_t>(w.pid)].Nazwa + QStringLiteral(": ") +
                                 w.tekst + jednostka,
                             std::nullopt);
    }
}
