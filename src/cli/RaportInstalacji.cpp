#include "RaportInstalacji.h"

#include "EdycjaMnoznika.h"
#include "GrupyNastaw.h"
#include "OpisSterownika.h"
#include "RysowanieSiatki.h"
#include "RysowanieWykresu.h"
#include "Schematy.h"
#include "StronyRaportu.h"
#include "TSterownik.h"
#include "Teksty.h"
#include "TekstyObd.h"

#include <QLocale>
#include <QPalette>

#include <cstring>

namespace {

// The charts on paper: the Grey scheme's colours on white, the toner spent on data only.
TPaleta PaletaWydruku() {
    TPaleta p = PaletaSchematu(2, QPalette());
    p.Tlo = p.TloWykresu = p.KolorWypelnienia = Qt::white;
    p.KolorTekstu = Qt::black;
    return p;
}

// The identifier as the history's user column shows it: "1A2B-3C4D".
QString TekstKomputera(quint32 id) {
    return QStringLiteral("%1-%2")
        .arg(id >> 16, 4, 16, QLatin1Char('0'))
        .arg(id & 0xFFFF, 4, 16, QLatin1Char('0'))
        .toUpper();
}

// Numbers only, so that it reads the same in every language of the report.
QString Data(const TDaneRaportu& d) {
    return d.utworzono.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

void Naglowek(TStronyRaportu& r, const TTeksty& t, const TDaneRaportu& d) {
    r.Tytul(QStringLiteral("SELVAR - ") + t.PodajTekst(1392));
    r.Pozycja(t.PodajTekst(1393), Data(d));
    r.Pozycja(t.PodajTekst(1394), TekstKomputera(d.komputer));
    r.Pozycja(t.PodajTekst(1397), d.zrodlo);
    if (!d.vin.isEmpty()) r.Pozycja(t.PodajTekst(TekstyObd::Vin), d.vin);
}

void Tozsamosc(TStronyRaportu& r, const TSterownik& s, const TTeksty& t) {
    r.Sekcja(t.PodajTekst(1330));
    for (const auto& [etykieta, wartosc] : WierszeTozsamosci(s, t))
        r.Pozycja(etykieta, wartosc);
}

void Bledy(TStronyRaportu& r, const TTeksty& t, const TDaneRaportu& d) {
    r.Sekcja(t.PodajTekst(1232));
    if (!d.bledy) return r.Akapit(t.PodajTekst(1396));
    // The panel's lines: the active errors, then a blank line before the stored counters.
    if (d.bledy->isEmpty() || d.bledy->first().isEmpty()) r.Akapit(t.PodajTekst(1395));
    for (const QString& linia : *d.bledy)
        if (!linia.trimmed().isEmpty()) r.Akapit(linia.trimmed());
}

void Historia(TStronyRaportu& r, const TSterownik& s, const TTeksty& t) {
    r.Sekcja(t.PodajTekst(1234));
    // Date, the four kinds of change, the computer: the service dialog's columns.
    const QList<int> x{0, 110, 200, 290, 400, 490};
    r.Komorki({t.PodajTekst(1347), t.PodajTekst(1348), t.PodajTekst(1349), t.PodajTekst(1350),
               t.PodajTekst(1351), t.PodajTekst(1346)},
              x, true);
    int wpisow = 0;
    for (int wpis = 0; wpis < 32 && !s.StrHistoria(0, wpis).isEmpty(); ++wpis, ++wpisow) {
        QStringList wiersz;
        for (unsigned k = 0; k <= 5; ++k)
            wiersz << s.StrHistoria(k, wpis);
        r.Komorki(wiersz, x);
    }
    if (wpisow == 0) r.Akapit(t.PodajTekst(1398));
}

void Nastawy(TStronyRaportu& r, const TSterownik& s, const TTeksty& t) {
    r.Sekcja(t.PodajTekst(1200), 200);
    r.Kolumny(2);
    for (const TGrupaNastaw& g : GrupyNastaw(s, false)) {
        r.Grupa(g.tytul);
        for (int i : g.indeksy) {
            const TOpisNastawy o = OpisNastawy(s, i, QLocale());
            const QString wartosc =
                o.jednostka.isEmpty() ? o.wartosc : o.wartosc + u' ' + o.jednostka;
            r.Pozycja(o.nazwa, wartosc);
        }
    }
}

// The picture of a view drawn at its place on the page, clipped to it.
template <typename Rysuj> void Obraz(TStronyRaportu& r, QSize rozmiar, Rysuj rysuj) {
    const QRect miejsce = r.Miejsce(rozmiar);
    QPainter& p = r.Malarz();
    p.save();
    p.translate(miejsce.topLeft());
    p.setClipRect(QRect(QPoint(0, 0), rozmiar));
    p.setFont(r.Czcionka());
    rysuj(p);
    p.restore();
}

void Mnozniki(TStronyRaportu& r, TSterownik& s, const TTeksty& t, const TPaleta& paleta) {
    const bool dwaBanki = s.PlytkaV3 && std::memcmp(s.Mnoznik1, s.Mnoznik2, sizeof s.Mnoznik1) != 0;
    for (int bank : dwaBanki ? QList<int>{1, 2} : QList<int>{0}) {
        const QString tytul = t.PodajTekst(1709);
        const QSize rozmiar(r.Szerokosc(), 420);
        r.Sekcja(bank ? tytul + QStringLiteral(" - %1 %2").arg(t.PodajTekst(1720)).arg(bank)
                      : tytul,
                 rozmiar.height());
        Obraz(r, rozmiar, [&](QPainter& p) {
            const TObrazWykresu o{s, paleta, rozmiar, 0, 1, bank, false};
            TEdycjaMnoznika edycja(s, bank);
            edycja.Wybrany = -1;
            p.fillRect(QRect(QPoint(0, 0), rozmiar), paleta.Tlo);
            RysujTloMnoznika(p, o);
            RysujDaneMnoznika(p, o, edycja, false);
        });
    }
}

struct TSiatkaRaportu {
    int tytul; // text id
    TWidokSiatek widok;
    bool siatkaB;
    bool zBankiem = false; // the title names the bank
};

QList<TSiatkaRaportu> SiatkiRaportu(const TSterownik& s) {
    QList<TSiatkaRaportu> siatki{{1714, {1, 2, 1}, false}};
    if (s.PlytkaV3 && std::memcmp(s.KorOdObr1, s.KorOdObr2, sizeof s.KorOdObr1) != 0)
        siatki.append({{1718, {1, 2, 1}, true, true}, {1718, {1, 2, 2}, true, true}});
    else
        siatki.append({1718, {1, 2, 1}, true});
    siatki.append({{1216, {6, 2, 1}, true}, {1218, {7, 2, 1}, true}});
    return siatki;
}

void Siatki(TStronyRaportu& r, const TSterownik& s, const TTeksty& t) {
    for (const TSiatkaRaportu& g : SiatkiRaportu(s)) {
        TObrazSiatki o;
        o.czcionka = r.Czcionka();
        DopasujSiatke(o, 20, (r.Szerokosc() - 4) / 17, TekstSiatki(s, g.widok, g.siatkaB, 0, 0));
        o.tekst = [&](int k, int w) { return TekstSiatki(s, g.widok, g.siatkaB, k, w); };
        o.kolory = [&](int k, int w) { return KoloryKomorkiSiatki(s, g.widok, g.siatkaB, k, w); };
        QString tytul = t.PodajTekst(g.tytul);
        if (g.zBankiem)
            tytul += QStringLiteral(" - %1 %2").arg(t.PodajTekst(1720)).arg(g.widok.bank);
        r.Sekcja(tytul, RozmiarSiatki(o).height());
        Obraz(r, RozmiarSiatki(o), [&](QPainter& p) { RysujSiatke(p, o); });
        // The deviation's sign, as the map view's legend gives it.
        if (!g.siatkaB)
            r.Akapit(
                QStringLiteral("+  %1        -  %2").arg(t.PodajTekst(1711), t.PodajTekst(1710)));
    }
}

} // namespace

bool ZapiszRaport(QIODevice& plik, TSterownik& s, const TTeksty& t, const TDaneRaportu& d) {
    const QString tytul = QStringLiteral("SELVAR - ") + t.PodajTekst(1392);
    TStronyRaportu r(plik, tytul,
                     tytul + QStringLiteral(" - ") + s.StrNazwaSterownika() +
                         QStringLiteral(" - ") + Data(d));
    if (!r.Gotowe()) return false;
    Naglowek(r, t, d);
    Tozsamosc(r, s, t);
    Bledy(r, t, d);
    Historia(r, s, t);
    Nastawy(r, s, t);
    Mnozniki(r, s, t, PaletaWydruku());
    Siatki(r, s, t);
    return r.Zakoncz();
}
