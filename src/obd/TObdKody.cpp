// Trouble codes into the text panel, with their descriptions.

#include "ElmTekst.h"
#include "KodyBledow.h"
#include "KoloryObd.h"
#include "OpisyKodow.h"
#include "TObd.h"

#include <algorithm>

void TObd::KodyBledow(unsigned char odpowiedz) {
    QList<TKodyEcu> wszystkie = KodyEcu(Odpowiedz, Protokol, odpowiedz);
    OdczytaneKody[odpowiedz] = wszystkie;
    if (!PanelDtc) return;
    // The main ECU's codes first, under the kind's own heading; then every other ECU's.
    const auto glowne = std::find_if(wszystkie.begin(), wszystkie.end(),
                                     [this](const TKodyEcu& k) { return k.ecu == Ecu; });
    if (glowne != wszystkie.end()) std::rotate(wszystkie.begin(), glowne, glowne + 1);
    for (const TKodyEcu& ecu : wszystkie) {
        const QString naglowek =
            ecu.ecu == Ecu ? NaglowekKodow(odpowiedz) : NaglowekKodowEcu(odpowiedz, ecu.ecu);
        PanelDtc->DodajLinie(u'\t' + naglowek, KoloryObd::Wynik);
        DoOnTekst(QStringLiteral("%1h: %2")
                      .arg(QString::fromLatin1(Hex(static_cast<std::uint32_t>(ecu.ecu), 2)))
                      .arg(ecu.kody.size()),
                  KoloryObd::Komenda);
        for (const std::uint32_t kod : ecu.kody)
            KodyBledowCyfra(kod);
    }
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
