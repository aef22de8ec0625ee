// The rows of the adapter status grid, read from the answers.

#include "ElmTekst.h"
#include "KoloryObd.h"
#include "OdpowiedziElm.h"
#include "Protokoly.h"
#include "TObd.h"
#include "TekstyObd.h"

void TObd::StatusElm() {
    const std::optional<QByteArray> adapter = TekstAdaptera(Odpowiedz);
    if (!adapter) {
        Status(1, Tekst(TekstyObd::BrakInterfejsu), true);
        return;
    }
    const QString tekst = QString::fromLatin1(*adapter);
    DoOnTekst(tekst, KoloryObd::Wynik);
    Status(1, tekst, true);
}

void TObd::StatusVoltage() {
    const std::optional<QByteArray> napiecie = TekstNapiecia(Odpowiedz);
    if (!napiecie) {
        Status(2, QStringLiteral("-"), false);
        DoOnTekst(QStringLiteral("nie odczytano napięcia"), KoloryObd::Blad);
        return;
    }
    const QString tekst = QString::fromLatin1(*napiecie);
    Status(2, tekst, false);
    DoOnTekst(tekst, KoloryObd::Wynik);
}

void TObd::StatusProtokol() {
    Protokol = NumerProtokolu(Odpowiedz);
    const TProtokol* opis = OpisProtokolu(Protokol);
    if (!opis) {
        Status(3, QStringLiteral("?"), false);
        DoOnTekst(QStringLiteral("nieznany protokół"), KoloryObd::Blad);
        return;
    }
    Status(3, opis->krotka, false);
    DoOnTekst(opis->dluga, KoloryObd::Wynik);
}

void TObd::StatusEcu() {
    SzukajEcu();
}

void TObd::SzukajEcu() {
    const TEcu wynik = ::SzukajEcu(Odpowiedz, Protokol);
    IleEcu = wynik.ile;
    Ecu = wynik.ecu;
    const QString lista = QString::fromLatin1(wynik.lista);
    Status(4, lista, false);
    DoOnTekst(QStringLiteral("ECU: ") + lista, KoloryObd::Wynik);
    DoOnTekst(QStringLiteral("ECU: %1h")
                  .arg(QString::fromLatin1(Hex(static_cast<std::uint32_t>(Ecu), 2))),
              KoloryObd::Wynik);
}

void TObd::StatusDteMil() {
    GotowoscOdSkasowania = GotowoscZOdpowiedzi(0x01);
    const std::optional<std::uint32_t> slowo = SlowoStatusu(Odpowiedz);
    if (!slowo) {
        Status(5, QStringLiteral("-"), false);
        Status(6, QStringLiteral("-"), false);
        DoOnTekst(QStringLiteral("nie odczytano statusu"), KoloryObd::Blad);
        return;
    }
    const std::uint32_t v = *slowo;
    Status(5, QString::number((v >> 24) & 0x7F), false);
    Status(6, Tekst((v & 0x80000000u) != 0 ? TekstyObd::Zapalony : TekstyObd::Zgaszony), false);
    DoOnTekst(QStringLiteral("status 0x") + QString::fromLatin1(Hex(v, 4)), KoloryObd::Wynik);
}
