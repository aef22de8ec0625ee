// Any adapter answer through every reader of answers, as the OBD reader calls them: the
// PID is also the service 02 PID and the service 09 info type.
// Input: protocol, ECU high and low byte, PID, kind of trouble codes, then the answer text.

#include "DekodowaniePid.h"
#include "ElmTekst.h"
#include "GotowoscObd.h"
#include "InformacjePojazdu.h"
#include "KatalogPidow.h"
#include "KodyBledow.h"
#include "OdpowiedziElm.h"
#include "Protokoly.h"
#include "ZamrozonaRamka.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t Naglowek = 5;
constexpr int Protokoly = 13; // 1..12 and one number outside them
constexpr unsigned char Rodzaje[] = {OdpowiedzZapisane, OdpowiedzOczekujace, OdpowiedzPermanentne};

void Adapter(const QByteArray& odp) {
    (void)TekstAdaptera(odp);
    (void)TekstNapiecia(odp);
    (void)NumerProtokolu(odp);
    (void)SlowoStatusu(odp);
    (void)CzyBlad(odp);
    (void)Analizuj(odp, "41 00");
    (void)TekstDoLogu(odp);
}

void Pid(const QByteArray& odp, int protokol, int ecu, int numer) {
    const auto tabela = TabelaPidow();
    const TOpisPid& opis = tabela[std::size_t(numer) % tabela.size()];
    pid p;
    p.Bajty = opis.bajty;
    p.Jednostka = QString::fromUtf8(opis.jednostka);
    p.Wzor = opis.wzor;
    const int pozycja = SzukajEcuPid(odp, protokol, ecu, numer, p.Bajty);
    if (pozycja == 0) return;
    const QByteArrayView dane =
        QByteArrayView(odp).sliced(std::min<qsizetype>(pozycja - 1, odp.size()));
    (void)BajtyDanych(dane, p.Bajty);
    (void)TekstPid(p, numer, dane);
    (void)StandardObd(TekstNaInt(dane, 1));
}

void Kody(const QByteArray& odp, int protokol, int ecu, unsigned char rodzaj) {
    (void)WiadomosciEcu(odp, protokol);
    for (const TKodyEcu& wynik : KodyEcu(odp, protokol, rodzaj)) {
        (void)NaglowekKodowEcu(rodzaj, wynik.ecu);
        for (const std::uint32_t kod : wynik.kody)
            (void)KodNaTekst(kod);
    }
    (void)NaglowekKodow(rodzaj);
    (void)NaglowekKodowEcu(rodzaj, ecu);
    (void)OdmowaKasowania(odp, protokol, ecu);
}

// Readiness, freeze frame and vehicle information, as the reader asks for them.
void Diagnoza(const QByteArray& odp, int protokol, int ecu, int numer) {
    const auto tabela = TabelaPidow();
    const TOpisPid& opis = tabela[std::size_t(numer) % tabela.size()];
    const pid p{opis.bajty, {}, {}, QString::fromUtf8(opis.jednostka), opis.wzor, -1, false, false};
    (void)DekodujGotowosc(TekstNaInt(odp, 4));
    if (const auto dane = DaneZamrozone(odp, protokol, ecu, numer)) {
        (void)WartoscZBajtow(p, numer, *dane);
        (void)PidyZMapy(TekstNaInt(TekstBajtow(*dane), 4), numer);
    }
    QList<TInformacjeEcu> informacje;
    for (const int typ : {InfoMapa, InfoVin, InfoKalibracje, InfoCvn, InfoNazwaEcu, numer})
        DodajInformacje(informacje, odp, protokol, typ);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    if (rozmiar < Naglowek) return 0;
    const int protokol = dane[0] % Protokoly;
    const int ecu = dane[1] << 8 | dane[2];
    const int numer = dane[3];
    const unsigned char rodzaj = Rodzaje[dane[4] % std::size(Rodzaje)];
    const QByteArray odp(reinterpret_cast<const char*>(dane) + Naglowek,
                         qsizetype(rozmiar - Naglowek));
    Adapter(odp);
    (void)SzukajEcu(odp, protokol);
    (void)OpisProtokolu(protokol);
    (void)StylNaglowka(protokol);
    Pid(odp, protokol, ecu, numer);
    Kody(odp, protokol, ecu, rodzaj);
    Diagnoza(odp, protokol, ecu, numer);
    return 0;
}
