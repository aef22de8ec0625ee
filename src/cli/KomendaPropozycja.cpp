// propose: the road calibration's correction of the multiplier from the collected maps, of a
// settings file or of the connected controller, and with --apply written to it and read back.

#include "Bloki.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "KrzywaMnoznika.h"
#include "OdczytyZgodne.h"
#include "OpisSterownika.h"
#include "PorownanieBlokow.h"
#include "PropozycjaMnoznika.h"
#include "RysowaniePropozycji.h"
#include "SesjaSterownika.h"
#include "TSterownik.h"
#include "Wydruk.h"

#include <QJsonArray>
#include <QLocale>
#include <QMap>

#include <cstring>

namespace {

// The banks as the chart chooses them: one curve for both while they are alike (bank 1's,
// copied to bank 2 on applying), each of its own on a two-bank controller once they differ.
struct TBankPropozycji {
    TPropozycja propozycja;
    bool obaBanki = false;
};

bool BankiRowne(const TSterownik& s) {
    return std::memcmp(s.Mnoznik1, s.Mnoznik2, sizeof s.Mnoznik1) == 0 &&
           std::memcmp(s.Nastawy + PunktyMnoznika1, s.Nastawy + PunktyMnoznika2, PunktowMnoznika) ==
               0;
}

QList<TBankPropozycji> Propozycje(const TSterownik& s) {
    if (!s.PlytkaV3 || BankiRowne(s)) return {{ZaproponujMnoznik(s, 1), s.PlytkaV3}};
    return {{ZaproponujMnoznik(s, 1), false}, {ZaproponujMnoznik(s, 2), false}};
}

QString Naglowek(const TBankPropozycji& b) {
    if (b.obaBanki) return QStringLiteral("multiplier of banks 1 and 2 (alike)\n");
    return QStringLiteral("multiplier of bank %1\n").arg(b.propozycja.bank);
}

const QList<int> Szerokosci{7, 5, 5, 8, 5};

QString Tekst(const QList<TBankPropozycji>& banki) {
    const QLocale l;
    QString t;
    for (const TBankPropozycji& b : banki) {
        t += Naglowek(b);
        t += WierszTabeli({QStringLiteral("ms"), QStringLiteral("old"), QStringLiteral("new"),
                           QStringLiteral("change"), QStringLiteral("cells")},
                          Szerokosci);
        for (const TPunktPropozycji& p : b.propozycja.punkty) {
            const QString zmiana = p.zaMaloKomorek     ? QStringLiteral("too few")
                                   : p.nowa == p.stara ? QStringLiteral("0 %")
                                                       : ZmianaPunktu(p);
            t += WierszTabeli(
                     {l.toString(p.pozycja * 0.1, 'f', 1), l.toString(p.stara * 0.01, 'f', 2),
                      l.toString(p.nowa * 0.01, 'f', 2), zmiana, QString::number(p.komorek)},
                     Szerokosci)
                     .chopped(1) +
                 (p.ograniczona ? QStringLiteral("  (limited)\n") : QStringLiteral("\n"));
        }
        t += QStringLiteral("%1 of %2 break points change\n")
                 .arg(b.propozycja.Zmienionych())
                 .arg(b.propozycja.punkty.size());
    }
    return t;
}

QJsonObject Json(const QList<TBankPropozycji>& banki, bool zapisano) {
    QJsonArray lista;
    for (const TBankPropozycji& b : banki) {
        QJsonArray punkty;
        for (const TPunktPropozycji& p : b.propozycja.punkty)
            punkty.append(QJsonObject{{QStringLiteral("index"), p.k},
                                      {QStringLiteral("position_ms"), p.pozycja * 0.1},
                                      {QStringLiteral("old"), p.stara},
                                      {QStringLiteral("new"), p.nowa},
                                      {QStringLiteral("percent"), p.Procent()},
                                      {QStringLiteral("deviation"), p.odchylka},
                                      {QStringLiteral("cells"), p.komorek},
                                      {QStringLiteral("too_few_cells"), p.zaMaloKomorek},
                                      {QStringLiteral("limited"), p.ograniczona}});
        lista.append(QJsonObject{{QStringLiteral("bank"), b.propozycja.bank},
                                 {QStringLiteral("both_banks"), b.obaBanki},
                                 {QStringLiteral("points"), punkty}});
    }
    return {{QStringLiteral("banks"), lista}, {QStringLiteral("applied"), zapisano}};
}

void Pokaz(const TKontekst& k, const QList<TBankPropozycji>& banki, bool zapisano) {
    if (k.opcje.json)
        WypiszJson(Json(banki, zapisano));
    else
        Wypisz(Tekst(banki));
}

using TBloki = QMap<int, QByteArray>; // by mask bit index

// The proposals written, each block as its write request carried it.
bool Zapisz(TSesjaSterownika& sesja, const QList<TBankPropozycji>& banki, TBloki& zapisane) {
    TSterownik& s = sesja.s;
    sesja.PoZadaniu = [&](int kod) {
        if (const Bloki::TOpisBloku* b = Bloki::PoKodzieZapisu(static_cast<unsigned char>(kod)))
            zapisane[b->bit] = BlokRamki(s.RamkaTx);
    };
    for (const TBankPropozycji& b : banki)
        ZastosujPropozycje(s, b.propozycja, b.obaBanki);
    const bool gotowe = sesja.Czekaj([&s] { return s.DoZapisu == 0 && s.BezPotwierdzenia == 0; });
    sesja.PoZadaniu = nullptr;
    return gotowe;
}

// Every block written read back twice alike and compared; the differences printed.
int Sprawdz(TKontekst& k, TSesjaSterownika& sesja, const TBloki& zapisane) {
    int maska = 0;
    for (auto it = zapisane.keyBegin(); it != zapisane.keyEnd(); ++it)
        maska |= 1 << *it;
    TOdczytyZgodne odczyty(k, sesja, maska, false);
    sesja.PoOdpowiedzi = [&](int kod, int dlugosc) { odczyty.Przyjmij(kod, dlugosc); };
    const bool odczytano = odczyty.Czekaj(QStringLiteral("reading back"));
    sesja.PoOdpowiedzi = nullptr;
    if (!odczytano) return sesja.Kod();
    int rozne = 0;
    for (auto it = zapisane.begin(); it != zapisane.end(); ++it)
        if (const QString r = Roznica(NazwaBloku(it.key()), *it, odczyty.Zgodny(it.key()));
            !r.isEmpty()) {
            Wypisz(r + u'\n');
            ++rozne;
        }
    if (rozne == 0) return KodyWyjscia::Sukces;
    k.konsola.Zglos(QStringLiteral("%1 of %2 blocks differ after applying the proposal")
                        .arg(rozne)
                        .arg(zapisane.size()));
    return KodyWyjscia::Lacze;
}

int Zastosuj(TKontekst& k, TSesjaSterownika& sesja, const QList<TBankPropozycji>& banki) {
    bool zmienia = false;
    for (const TBankPropozycji& b : banki)
        zmienia = zmienia || b.propozycja.Zmienia();
    if (!zmienia) {
        Pokaz(k, banki, false);
        k.konsola.Postep(QStringLiteral("nothing to apply"));
        return KodyWyjscia::Sukces;
    }
    TBloki zapisane;
    if (!Zapisz(sesja, banki, zapisane)) return sesja.Kod();
    const int kod = Sprawdz(k, sesja, zapisane);
    Pokaz(k, banki, kod == KodyWyjscia::Sukces);
    if (kod == KodyWyjscia::Sukces && !k.opcje.json)
        Wypisz(QStringLiteral("applied: %1 blocks written and verified; erase the gas map and "
                              "drive to collect it again\n")
                   .arg(zapisane.size()));
    return kod;
}

} // namespace

int KomendaPropozycja(TKontekst& k) {
    if (k.opcje.port.isEmpty()) {
        TSterownik s(k.mapa);
        if (!WczytajPlikUstawien(s, k, k.opcje.argumenty.at(0))) return KodyWyjscia::Plik;
        Pokaz(k, Propozycje(s), false);
        return KodyWyjscia::Sukces;
    }
    TSesjaSterownika sesja(k);
    if (!sesja.Polacz() || !sesja.CzekajNaCalosc()) return sesja.Kod();
    const QList<TBankPropozycji> banki = Propozycje(sesja.s);
    if (!k.opcje.zastosuj) {
        Pokaz(k, banki, false);
        return KodyWyjscia::Sukces;
    }
    return Zastosuj(k, sesja, banki);
}
