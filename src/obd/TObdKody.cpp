// Trouble codes into the text panel, with their descriptions.

#include "KodyBledow.h"
#include "KoloryObd.h"
#include "OpisyKodow.h"
#include "Protokoly.h"
#include "TObd.h"

void TObd::KodyBledow(unsigned char odpowiedz) {
    switch (StylNaglowka(Protokol)) {
    case TStylNaglowka::J1850Iso:
    case TStylNaglowka::Kwp:
        KodyBledowISO(odpowiedz);
        break;
    case TStylNaglowka::Can11:
    case TStylNaglowka::Can29:
        KodyBledowCAN(odpowiedz);
        break;
    case TStylNaglowka::Brak:
        break;
    }
}

void TObd::KodyBledowISO(unsigned char odpowiedz) {
    if (!PanelDtc) return;
    const TKodyEcu wynik = KodyIso(Odpowiedz, Protokol, Ecu, odpowiedz);
    if (!wynik.jest) return;
    DodajNaglowek(odpowiedz);
    for (const std::uint32_t kod : wynik.kody)
        KodyBledowCyfra(kod);
}

void TObd::KodyBledowCAN(unsigned char odpowiedz) {
    if (!PanelDtc) return;
    const TKodyEcu wynik =
        KodyCan(Odpowiedz, Protokol, Ecu, odpowiedz, [this](const QString& tekst, bool laczenie) {
            DoOnTekst(tekst, laczenie ? KoloryObd::Wynik : KoloryObd::Komenda);
        });
    if (!wynik.jest) return;
    DodajNaglowek(odpowiedz);
    for (const std::uint32_t kod : wynik.kody)
        KodyBledowCyfra(kod);
}

void TObd::DodajNaglowek(unsigned char odpowiedz) {
    PanelDtc->DodajLinie(u'\t' + NaglowekKodow(odpowiedz), KoloryObd::Wynik);
}

void TObd::KodyBledowCyfra(std::uint32_t kod) {
    if (!PanelDtc) return;
    const QString tekst = KodNaTekst(kod);
    DoOnTekst(tekst, KoloryObd::Blad);
    PanelDtc->DodajLinie(tekst, KoloryObd::Blad);
    KodyBledowOpis(tekst, ZasobOpisowAngielskich);
    if (tekst.startsWith(u'P')) KodyBledowOpis(tekst, ZasobOpisowPolskich);
}

void TObd::KodyBledowOpis(const QString& kod, int zasob) {
    if (!PanelDtc) return;
    const QByteArray& tabela = TabelaOpisu(zasob);
    if (tabela.isEmpty()) return;
    const std::optional<QString> opis = OpisKoduZTabeli(tabela, kod.toLatin1());
    if (opis) PanelDtc->DodajLinie(*opis, std::nullopt);
}

void TObd::UstawZrodloOpisow(std::function<QByteArray(int)> zrodlo) {
    zrodloOpisow = std::move(zrodlo);
    opisy900Wczytane = opisy901Wczytane = false;
    opisy900.clear();
    opisy901.clear();
}

const QByteArray& TObd::TabelaOpisu(int zasob) {
    static const QByteArray Brak;
    // Loaded once: the English table alone is some 300 kB.
    const auto wczytaj = [&](QByteArray& tabela, bool& wczytana) -> const QByteArray& {
        if (!wczytana && zrodloOpisow) tabela = zrodloOpisow(zasob);
        wczytana = true;
        return tabela;
    };
    if (zasob == ZasobOpisowAngielskich) return wczytaj(opisy900, opisy900Wczytane);
    if (zasob == ZasobOpisowPolskich) return wczytaj(opisy901, opisy901Wczytane);
    return Brak;
}
