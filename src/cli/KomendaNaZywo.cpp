// live: the live values of the trace list, one line per live frame, as a table or as the
// lines of the oscilloscope's CSV export.

#include "Bloki.h"
#include "EksportCsv.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "SesjaSterownika.h"
#include "Wydruk.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace {

constexpr int NajwezszaKolumna = 7;

// Column captions: the short name where the catalogue has one, with the unit.
QStringList Naglowki(const TSterownik& s, const TTeksty& t) {
    QStringList naglowki{QStringLiteral("#")};
    const int ile = s.PodajIleParamBiez(Widoki::Listy);
    for (int n = 0; n < ile; ++n) {
        const TWykres& w = s.Wykresy[std::size_t(s.PodajPozycje(Widoki::Listy, n))];
        const bool krotka = w.Tekst >= 1400 && w.Tekst <= 1432;
        QString naglowek = t.PodajTekst(krotka ? w.Tekst + 1 : w.Tekst);
        if (w.Jednostka) naglowek += t.PodajTekst(w.Jednostka);
        naglowki << naglowek;
    }
    return naglowki;
}

// The table: StrParamBiez gives a text only when a value changed, so the last text of
// every column is kept for the rows in between.
class TTabela {
public:
    TTabela(TSterownik& s, const TTeksty& t) : sterownik(s), naglowki(Naglowki(s, t)) {
        for (const QString& n : naglowki)
            szerokosci << std::max<int>(int(n.size()), NajwezszaKolumna);
        ostatnie.resize(naglowki.size() - 1);
    }
    QString Naglowek() const { return WierszTabeli(naglowki, szerokosci); }
    QString Wiersz(int numer) {
        QStringList komorki{QString::number(numer)};
        for (qsizetype n = 0; n < ostatnie.size(); ++n) {
            const QString tekst = sterownik.StrParamBiez(Widoki::Listy, int(n));
            if (!tekst.isEmpty()) ostatnie[n] = tekst;
            komorki << ostatnie[n];
        }
        return WierszTabeli(komorki, szerokosci);
    }

private:
    TSterownik& sterownik;
    const QStringList naglowki;
    QList<int> szerokosci;
    QStringList ostatnie;
};

// The JSON lines: first the columns, named in English whatever --lang says, so that scripts
// can rely on them, then one line per frame with the values as the CSV export gives them.
class TJson {
public:
    explicit TJson(const TSterownik& s) : sterownik(s) {
        angielskie.Wczytaj();
        angielskie.UstawJezyk(Jezyki::Angielski);
    }
    QJsonObject Kolumny() const {
        QJsonArray kolumny;
        ZaKolumnami([&](const TWykres& w) {
            QString jednostka = w.Jednostka ? angielskie.PodajTekst(w.Jednostka) : QString();
            jednostka.remove(u'[').remove(u']');
            kolumny << QJsonObject{{QStringLiteral("name"), angielskie.PodajTekst(w.Tekst)},
                                   {QStringLiteral("unit"), jednostka}};
        });
        return {{QStringLiteral("columns"), kolumny}};
    }
    QJsonObject Wiersz(int numer, const unsigned char* ramka) const {
        QJsonArray wartosci;
        ZaKolumnami([&](const TWykres& w) {
            bool liczba = false;
            const double v = KomorkaCsv(w, ramka, QLocale::c()).chopped(1).toDouble(&liczba);
            wartosci << (liczba ? QJsonValue(v) : QJsonValue());
        });
        return {{QStringLiteral("frame"), numer}, {QStringLiteral("values"), wartosci}};
    }

private:
    template <typename F> void ZaKolumnami(F zrob) const {
        for (int n = 0; n < sterownik.PodajIleParamBiez(Widoki::Listy); ++n)
            zrob(sterownik.Wykresy[std::size_t(sterownik.PodajPozycje(Widoki::Listy, n))]);
    }

    const TSterownik& sterownik;
    TTeksty angielskie;
};

} // namespace

int KomendaNaZywo(TKontekst& k) {
    TSesjaSterownika sesja(k);
    TSterownik& s = sesja.s;
    // The board (from the identity) and setting 4 (the RPM wire) decide the columns.
    if (!sesja.Polacz() || !sesja.Czekaj([&] { return !(s.DoOdczytu & Bloki::Nastawy); }))
        return sesja.Kod();

    TTabela tabela(s, k.teksty);
    const TJson json(s);
    const QString koniecCsv = QStringLiteral("\r\n");
    if (k.opcje.json)
        WypiszJson(json.Kolumny());
    else if (k.opcje.csv)
        WypiszBajty((NaglowekCsv(s) + koniecCsv).toLocal8Bit());
    else
        Wypisz(tabela.Naglowek());
    int wypisane = 0;
    sesja.PoOdpowiedzi = [&](int kod, int dlugosc) {
        if ((kod & 0xF0) != 0x90 || dlugosc <= 4 || (k.opcje.ile && wypisane >= k.opcje.ile))
            return;
        if (k.opcje.json)
            WypiszJson(json.Wiersz(wypisane, s.RamkaRx));
        else if (k.opcje.csv)
            WypiszBajty((WierszCsv(s, wypisane, s.RamkaRx, QLocale()) + koniecCsv).toLocal8Bit());
        else
            Wypisz(tabela.Wiersz(wypisane));
        ++wypisane;
    };
    const bool dosc = sesja.Czekaj([&] { return k.opcje.ile && wypisane >= k.opcje.ile; });
    // Ctrl-C is the ordinary end of an open-ended run.
    if (!dosc && sesja.Kod() == KodyWyjscia::Przerwano && !k.opcje.ile) return KodyWyjscia::Sukces;
    return dosc ? KodyWyjscia::Sukces : sesja.Kod();
}
