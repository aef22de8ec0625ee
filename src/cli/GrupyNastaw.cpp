#include "GrupyNastaw.h"

#include "StronyNastaw.h"
#include "TSterownik.h"
#include "Teksty.h"
#include "TekstyNastaw.h"

#include <QJsonArray>
#include <QLocale>
#include <QSet>

#include <algorithm>

namespace {

constexpr int PoziomZaawansowany = 2;

// Titles of the pages after the main one: their tabs' captions.
struct TStrona {
    int strona;
    int tytul;
};
constexpr TStrona DalszeStrony[] = {
    {Strony::Kalibracja, 1201},   // "Calibration"
    {Strony::Mapa, 1210},         // "Corrections 2D", the multiplier sub-tab
    {Strony::Obd, 1229},          // "OBD module"
    {Strony::ObdSterownik, 1100}, // "Device", the controller's own OBD settings
};

bool Nastawa(int komorka) {
    return komorka > 0 && komorka < LiczbaNastaw;
}

// Page 0: a frame marker opens a group per column (one for a full-width frame); settings go
// to the group of their column; the groups of one frame row are listed left, then right.
void GrupyStronyGlownej(const TSterownik& s, QList<TGrupaNastaw>& grupy) {
    const auto T = [&](int id) { return s.Teksty ? s.Teksty->PodajTekst(id) : QString(); };
    qsizetype kolumny[2] = {-1, -1};
    for (const TWierszStrony& wiersz : MapaStrony(Strony::Glowna, PoziomZaawansowany, s.PlytkaV3)) {
        if (const int lewy = TytulRamki(wiersz[0])) {
            const bool calej = wiersz[0] == wiersz[1];
            grupy.append({T(lewy), {}});
            kolumny[0] = kolumny[1] = grupy.size() - 1;
            if (!calej) {
                grupy.append({T(TytulRamki(wiersz[1])), {}});
                kolumny[1] = grupy.size() - 1;
            }
            continue;
        }
        for (int k = 0; k < 2; ++k)
            if (Nastawa(wiersz[k]) && kolumny[k] >= 0) grupy[kolumny[k]].indeksy << wiersz[k];
    }
}

} // namespace

QList<TGrupaNastaw> GrupyNastaw(const TSterownik& s, bool wszystkie) {
    QList<TGrupaNastaw> grupy;
    GrupyStronyGlownej(s, grupy);
    QSet<int> pokazane;
    for (const TGrupaNastaw& g : grupy)
        for (int i : g.indeksy)
            pokazane.insert(i);
    for (const TStrona& strona : DalszeStrony) {
        TGrupaNastaw g{s.Teksty ? s.Teksty->PodajTekst(strona.tytul) : QString(), {}};
        for (const TWierszStrony& wiersz :
             MapaStrony(strona.strona, PoziomZaawansowany, s.PlytkaV3))
            for (int komorka : wiersz)
                if (Nastawa(komorka) && !pokazane.contains(komorka)) {
                    g.indeksy << komorka;
                    pokazane.insert(komorka);
                }
        if (!g.indeksy.isEmpty()) grupy << g;
    }
    if (!wszystkie) return grupy;
    TGrupaNastaw reszta{QStringLiteral("Other catalogue records"), {}};
    for (int i = 1; i < LiczbaNastaw; ++i)
        if (PokazywanaNastawa(s.ListaNastaw[i]) && !pokazane.contains(i)) reszta.indeksy << i;
    if (!reszta.indeksy.isEmpty()) grupy << reszta;
    return grupy;
}

TOpisNastawy OpisNastawy(const TSterownik& s, int indeks, const QLocale& jezyk) {
    return {NazwaNastawy(s, indeks), TekstWartosci(s, indeks, WartoscNastawy(s, indeks), jezyk),
            TekstJednostki(s.Teksty, s.ListaNastaw[indeks].Jednostka)};
}

QLocale LiczbyJezyka(int jezyk) {
    const QLocale::Language j = jezyk == Jezyki::Polski       ? QLocale::Polish
                                : jezyk == Jezyki::Rosyjski   ? QLocale::Russian
                                : jezyk == Jezyki::Hiszpanski ? QLocale::Spanish
                                                              : QLocale::English;
    QLocale l(j);
    l.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
    return l;
}

QString TekstGrup(const TSterownik& s, const QList<TGrupaNastaw>& grupy) {
    qsizetype szerokosc = 0;
    for (const TGrupaNastaw& g : grupy)
        for (int i : g.indeksy)
            szerokosc = std::max(szerokosc, NazwaNastawy(s, i).size());
    QString tekst;
    for (const TGrupaNastaw& g : grupy) {
        tekst += g.tytul + u'\n';
        for (int i : g.indeksy) {
            const TOpisNastawy o = OpisNastawy(s, i, QLocale());
            tekst += QStringLiteral("  ") + o.nazwa.leftJustified(szerokosc + 2) + o.wartosc +
                     (o.jednostka.isEmpty() ? QString() : u' ' + o.jednostka) + u'\n';
        }
        tekst += u'\n';
    }
    return tekst;
}

QJsonObject GrupyJson(const TSterownik& s, const QList<TGrupaNastaw>& grupy) {
    QJsonArray lista;
    for (const TGrupaNastaw& g : grupy) {
        QJsonArray nastawy;
        for (int i : g.indeksy) {
            const TOpisNastawy o = OpisNastawy(s, i, QLocale::c());
            nastawy << QJsonObject{{QStringLiteral("index"), i},
                                   {QStringLiteral("name"), o.nazwa},
                                   {QStringLiteral("value"), o.wartosc},
                                   {QStringLiteral("unit"), o.jednostka},
                                   {QStringLiteral("stored"), WartoscNastawy(s, i)}};
        }
        lista << QJsonObject{{QStringLiteral("title"), g.tytul},
                             {QStringLiteral("settings"), nastawy}};
    }
    return {{QStringLiteral("groups"), lista}};
}
