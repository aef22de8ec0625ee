// diff: two settings files compared as an installer compares them: the settings that differ
// by name with both value texts, then per table the cells that differ and by how much.

#include "GrupyNastaw.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "OpisSterownika.h"
#include "TSterownik.h"
#include "TekstyNastaw.h"
#include "Wydruk.h"

#include <QJsonArray>
#include <QLocale>

#include <cstdlib>

namespace {

// The tables a settings file carries, by their data-model names and mask bits. The delay and
// enrichment grids live only in the controller, not in the file.
struct TTabela {
    int bit;
    const char* nazwa;
};
constexpr TTabela Tabele[] = {
    {16, "MapaEcuBen"},    {17, "MapaEcuGaz"},  {20, "MapaObdBen1"}, {21, "MapaObdGaz1"},
    {22, "MapaObdBen2"},   {23, "MapaObdGaz2"}, {1, "Mnoznik1"},     {2, "Mnoznik2"},
    {3, "KorOdObr1"},      {4, "KorOdObr2"},    {8, "KorOdCis"},     {9, "KorOdTempRed"},
    {10, "KorOdTempGazu"},
};

struct TRoznicaTabeli {
    const char* nazwa;
    int komorek = 0;
    int najwieksza = 0; // in stored units
};

TRoznicaTabeli PorownajTabele(const TTabela& t, TSterownik& a, TSterownik& b) {
    TRoznicaTabeli r{t.nazwa};
    const unsigned char* x = a.DaneBloku(t.bit);
    const unsigned char* y = b.DaneBloku(t.bit);
    for (int i = 0; i < 256; ++i)
        if (x[i] != y[i]) {
            ++r.komorek;
            r.najwieksza = std::max(r.najwieksza, std::abs(x[i] - y[i]));
        }
    return r;
}

// Named settings whose stored values differ; a trouble code's high byte counts through its
// named low byte.
QList<int> RozneNastawy(const TSterownik& a, const TSterownik& b) {
    QList<int> rozne;
    for (int i = 1; i < LiczbaNastaw; ++i)
        if (PokazywanaNastawa(a.ListaNastaw[i]) && WartoscNastawy(a, i) != WartoscNastawy(b, i))
            rozne << i;
    return rozne;
}

QString Tekst(const TSterownik& a, const TSterownik& b, const QList<int>& nastawy,
              const QList<TRoznicaTabeli>& tabele) {
    QString tekst;
    for (int i : nastawy) {
        const TOpisNastawy x = OpisNastawy(a, i, QLocale()), y = OpisNastawy(b, i, QLocale());
        tekst += QStringLiteral("%1: %2 -> %3%4\n")
                     .arg(x.nazwa, x.wartosc, y.wartosc,
                          x.jednostka.isEmpty() ? QString() : u' ' + x.jednostka);
    }
    for (const TRoznicaTabeli& t : tabele)
        if (t.komorek)
            tekst += QStringLiteral("%1: %2 cells differ, by at most %3\n")
                         .arg(QLatin1String(t.nazwa))
                         .arg(t.komorek)
                         .arg(t.najwieksza);
    return tekst;
}

QJsonObject Json(const TSterownik& a, const TSterownik& b, const QList<int>& nastawy,
                 const QList<TRoznicaTabeli>& tabele) {
    QJsonArray n, t;
    for (int i : nastawy)
        n << QJsonObject{{QStringLiteral("index"), i},
                         {QStringLiteral("name"), NazwaNastawy(a, i)},
                         {QStringLiteral("a"), OpisNastawy(a, i, QLocale::c()).wartosc},
                         {QStringLiteral("b"), OpisNastawy(b, i, QLocale::c()).wartosc},
                         {QStringLiteral("unit"), OpisNastawy(a, i, QLocale::c()).jednostka}};
    for (const TRoznicaTabeli& r : tabele)
        if (r.komorek)
            t << QJsonObject{{QStringLiteral("table"), QLatin1String(r.nazwa)},
                             {QStringLiteral("cells"), r.komorek},
                             {QStringLiteral("largest"), r.najwieksza}};
    return {{QStringLiteral("equal"), n.isEmpty() && t.isEmpty()},
            {QStringLiteral("settings"), n},
            {QStringLiteral("tables"), t}};
}

} // namespace

int KomendaRoznice(TKontekst& k) {
    TSterownik a(k.mapa), b(k.mapa);
    if (!WczytajPlikUstawien(a, k, k.opcje.argumenty.at(0)) ||
        !WczytajPlikUstawien(b, k, k.opcje.argumenty.at(1)))
        return KodyWyjscia::Plik;
    const QList<int> nastawy = RozneNastawy(a, b);
    QList<TRoznicaTabeli> tabele;
    bool rozne = !nastawy.isEmpty();
    for (const TTabela& t : Tabele) {
        tabele << PorownajTabele(t, a, b);
        rozne = rozne || tabele.last().komorek;
    }
    if (k.opcje.json)
        WypiszJson(Json(a, b, nastawy, tabele));
    else
        Wypisz(Tekst(a, b, nastawy, tabele));
    return rozne ? KodyWyjscia::Rozne : KodyWyjscia::Sukces;
}
