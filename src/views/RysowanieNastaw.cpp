#include "RysowanieNastaw.h"

#include "Paleta.h"
#include "TSterownik.h"
#include "Teksty.h"
#include "TekstyNastaw.h"
#include "ZaleznosciNastaw.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

const QColor Haczyk(0, 128, 0), Krzyzyk(180, 0, 0);

bool JestNastawa(int i) {
    return i > 0 && i < LiczbaNastaw;
}

bool MaWiecej(int indeks) {
    return indeks == 8 || indeks == 40 || indeks == 57 || indeks == 63 || indeks == 96;
}

// One cell being painted: its rectangle, column, zones and text line.
struct TKomorkaRys {
    const TObrazNastaw& o;
    QPainter& p;
    QRect r;
    int kolumna, wiersz;
    const TStrefy& x;
    int gora() const { return r.top(); }
    int dol() const { return r.top() + r.height(); } // exclusive, as the arithmetic counts
    int srodek() const { return (gora() + dol()) / 2; }
    int liniaTekstu() const {
        const QFontMetrics fm(p.font());
        return srodek() - fm.boundingRect(QStringLiteral("A")).height() / 2 + fm.ascent();
    }
    QString T(int id) const { return o.s.Teksty ? o.s.Teksty->PodajTekst(id) : QString(); }
};

void Pogrub(QPainter& p, bool gruba) {
    QFont f = p.font();
    f.setBold(gruba);
    p.setFont(f);
}

void Linia(QPainter& p, const QColor& c, int x1, int y1, int x2, int y2) {
    p.setPen(QPen(c, 1));
    p.drawLine(x1, y1, x2, y2);
}

// A dark line and a light one beside it, as an etched groove.
void RowekPionowy(const TKomorkaRys& k, int x, int y1, int y2) {
    Linia(k.p, k.o.paleta.CiemnaKrawedz, x, y1, x, y2);
    Linia(k.p, k.o.paleta.JasnaKrawedz, x + 1, y1, x + 1, y2);
}

void RowekPoziomy(const TKomorkaRys& k, int x1, int x2) {
    Linia(k.p, k.o.paleta.CiemnaKrawedz, x1, k.srodek(), x2, k.srodek());
    Linia(k.p, k.o.paleta.JasnaKrawedz, x1, k.srodek() + 1, x2, k.srodek() + 1);
}

void BokiRamki(const TKomorkaRys& k) {
    if (k.o.strona != Strony::Glowna) return;
    const int l = k.r.left(), pr = k.r.left() + k.r.width();
    if (k.wiersz >= 6 || k.kolumna == 0) RowekPionowy(k, l + 2, k.gora(), k.dol());
    if (k.wiersz >= 6 || k.kolumna == 1) RowekPionowy(k, pr - 3, k.gora(), k.dol());
}

void Tytul(const TKomorkaRys& k, int id, int srodekX, const QColor& kolor) {
    const QString t = QLatin1Char(' ') + k.T(id) + QLatin1Char(' ');
    Pogrub(k.p, true);
    const int w = QFontMetrics(k.p.font()).horizontalAdvance(t);
    const QRect tlo(srodekX - w / 2, k.gora(), w, k.r.height());
    k.p.fillRect(tlo, k.o.paleta.Tlo);
    k.p.setPen(kolor);
    k.p.drawText(tlo.left(), k.liniaTekstu(), t);
}

void Ramka(const TKomorkaRys& k, int znacznik) {
    k.p.fillRect(k.r, k.o.paleta.Tlo);
    const bool cala = znacznik == Komorki::RamkaSilnika || znacznik == Komorki::DolCalej;
    const int x1 = cala ? 2 : k.r.left() + 2;
    const int x2 = cala ? k.o.szerokosc - 3 : k.r.left() + k.r.width() - 3;
    RowekPoziomy(k, x1, x2);
    const bool nogiWDol = znacznik != Komorki::DolCalej && znacznik != Komorki::DolKolumny;
    const int y1 = nogiWDol ? k.srodek() : k.gora(), y2 = nogiWDol ? k.dol() : k.srodek();
    RowekPionowy(k, x1, y1, y2);
    RowekPionowy(k, x2, y1, y2);
    const int tytul = TytulRamki(znacznik);
    if (tytul == 0) return;
    const int cwierc = k.o.szerokosc / 4;
    const int srodekX = znacznik == Komorki::RamkaSilnika ? k.o.szerokosc / 2
                        : k.kolumna == 0 ? k.o.uklad.Strefy[0][LewyMargines] + cwierc
                                         : k.o.uklad.Strefy[1][LewyMargines] + cwierc;
    const QColor kolor = znacznik == Komorki::RamkaNaGaz       ? k.o.paleta.KolorGazu
                         : znacznik == Komorki::RamkaNaBenzyne ? k.o.paleta.KolorBenzyny
                                                               : k.o.paleta.KolorBanera;
    Tytul(k, tytul, srodekX, kolor);
}

void Zaokraglony(QPainter& p, int x1, int y1, int x2, int y2) {
    p.drawRoundedRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1), 2.5, 2.5);
}

// The lower third of a button darkens downward.
void Cien(const TKomorkaRys& k, int x1, int x2) {
    const int h = k.o.uklad.WysokoscWiersza, tercja = h / 3;
    for (int i = 0; i < tercja; ++i) {
        const int y = k.dol() + i - tercja - 3;
        Linia(k.p, Rozjasnij(k.o.paleta.KolorWypelnienia, (-h * i) / 20), x1 + 2, y, x2 - 2, y);
    }
}

void Przycisk(const TKomorkaRys& k, int x1, int x2, bool zaokraglony) {
    k.p.setPen(QPen(k.o.paleta.LiniaEdytora, 1));
    k.p.setBrush(k.o.paleta.KolorWypelnienia);
    if (zaokraglony)
        Zaokraglony(k.p, x1, k.gora() + 1, x2, k.dol() - 1);
    else
        k.p.drawRect(x1, k.gora() + 1, x2 - x1 - 1, k.r.height() - 3);
    k.p.setBrush(Qt::NoBrush);
    Cien(k, x1, x2);
}

void NapisWPrzycisku(const TKomorkaRys& k, int x1, int x2, const QString& t, const QColor& c) {
    const int w = QFontMetrics(k.p.font()).horizontalAdvance(t);
    k.p.setPen(c);
    k.p.drawText((x1 + x2 - w) / 2, k.liniaTekstu(), t);
}

void RzadPrzyciskow(const TKomorkaRys& k) {
    BokiRamki(k);
    Pogrub(k.p, true);
    const QString korekty = k.T(1281), kalkulator = k.T(1282);
    const QFontMetrics fm(k.p.font());
    const bool miesci =
        fm.horizontalAdvance(korekty) <= k.x[PoczatekWiecej] - k.x[LewyMargines] - 3;
    const int koniecLewego = (miesci ? k.x[PoczatekWiecej] : k.x[PoczatekPola]) - 1;
    Przycisk(k, k.x[LewyMargines], koniecLewego, true);
    Przycisk(k, k.x[PoczatekPola], k.x[KoniecPrzyciskow], true);
    const QColor tekst = k.o.paleta.KolorDialogu;
    NapisWPrzycisku(k, k.x[LewyMargines], koniecLewego, korekty,
                    KorektyWtryskiwaczyZmienione(k.o.s) ? k.o.paleta.KolorBenzyny : tekst);
    NapisWPrzycisku(k, k.x[PoczatekPola], k.x[KoniecPrzyciskow], kalkulator, tekst);
}

bool Ostrzezenie(int indeks, int v) {
    switch (indeks) {
    case 83:
        return v < 20 || v > 120;
    case 86:
        return v < 80 || v > 200;
    case 85:
        return v < 148 || v > 218;
    default:
        return false;
    }
}

void Znak(const TKomorkaRys& k, const QColor& c, std::initializer_list<QPoint> punkty) {
    k.p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    k.p.drawPolyline(std::data(punkty), int(punkty.size()));
}

void PrzyciskiRodzaju(const TKomorkaRys& k, int indeks, int forma, bool dostepna) {
    const int d = k.o.uklad.Przycisk, m = k.srodek();
    const TPaleta& pal = k.o.paleta;
    const bool zablokowane = !dostepna || (k.o.strona == Strony::Kalibracja && k.o.poziom == 0);
    const QColor znak = dostepna ? pal.KolorDialogu : pal.TekstNieaktywny;
    const int x4 = k.x[PoczatekPlusa], x5 = k.x[KoniecPrzyciskow];
    int c = x4 + 1 + d / 2 + 1;
    if (forma == Formy::Przelacznik) {
        Przycisk(k, x4 + 1, x5, false);
        if (WartoscNastawy(k.o.s, indeks) != 0)
            Znak(k, dostepna ? Haczyk : znak, {{c - 4, m - 2}, {c, m + 4}, {c + 5, m - 5}});
        else {
            const QColor kolor = dostepna ? Krzyzyk : znak;
            Znak(k, kolor, {{c - 4, m - 4}, {c + 4, m + 4}});
            Znak(k, kolor, {{c - 4, m + 4}, {c + 4, m - 4}});
        }
    } else if (forma == Formy::Wybor) {
        Przycisk(k, x4 + 1, x5, true);
        Znak(k, znak, {{c - 4, m - 2}, {c, m + 2}, {c + 4, m - 2}});
    } else if (forma != Formy::KodBledu) {
        const QColor kolor = zablokowane ? pal.TekstNieaktywny : pal.KolorDialogu;
        const int x3 = k.x[PoczatekMinusa];
        Przycisk(k, x3 + 1, x4, true);
        Przycisk(k, x4 + 1, x5, true);
        const int cm = x3 + 1 + d / 2 + 1;
        Znak(k, kolor, {{cm - 4, m}, {cm + 4, m}});
        Znak(k, kolor, {{c - 4, m}, {c + 4, m}});
        Znak(k, kolor, {{c, m - 4}, {c, m + 4}});
    }
}

void PrzyciskWiecej(const TKomorkaRys& k) {
    const int x6 = k.x[PoczatekWiecej], m = k.srodek() + 4;
    Przycisk(k, x6, k.x[KoniecWiecej], true);
    const int p = x6 + k.o.uklad.Przycisk / 2 - 1;
    k.p.setPen(Qt::NoPen);
    k.p.setBrush(k.o.paleta.KolorDialogu);
    for (int dx : {-6, 0, 6})
        k.p.drawEllipse(QPointF(p + dx + 0.5, m + 0.5), 1.6, 1.6);
    k.p.setBrush(Qt::NoBrush);
}

void Pole(const TKomorkaRys& k, int indeks, int forma, bool dostepna) {
    const TPaleta& pal = k.o.paleta;
    const bool wybrana = k.o.pokazWybor && k.o.wybrana == TKomorka{k.kolumna, k.wiersz};
    QColor tlo = pal.TloEdycji, tekst = pal.TekstEdytora;
    if (!dostepna) {
        tlo = pal.TloNieaktywne;
        tekst = pal.TekstNieaktywny;
    } else if (wybrana) {
        tlo = pal.TloWyboru;
        tekst = pal.TekstWyboru;
    } else if (Ostrzezenie(indeks, WartoscNastawy(k.o.s, indeks))) {
        tlo = pal.KolorOstrzezenia;
    }
    const int x2 = k.x[PoczatekPola], koniec = KoniecPola(k.x, forma);
    k.p.setPen(QPen(pal.LiniaEdytora, 1));
    k.p.setBrush(tlo);
    Zaokraglony(k.p, x2, k.gora() + 1, koniec, k.dol() - 1);
    k.p.setBrush(Qt::NoBrush);

    Pogrub(k.p, true);
    QString wartosc = TekstWartosci(k.o.s, indeks, WartoscNastawy(k.o.s, indeks), k.o.jezyk);
    const QFontMetrics fm(k.p.font());
    while (!wartosc.isEmpty() && fm.horizontalAdvance(wartosc) >= koniec - x2 - 1)
        wartosc.chop(1);
    k.p.setPen(tekst);
    k.p.drawText(x2 + 3, k.liniaTekstu(), wartosc);
    const int koniecWartosci = x2 + 3 + fm.horizontalAdvance(wartosc);

    Pogrub(k.p, false);
    const QString jednostka = TekstJednostki(k.o.s.Teksty, k.o.s.ListaNastaw[indeks].Jednostka);
    const int xj = koniec - 3 - QFontMetrics(k.p.font()).horizontalAdvance(jednostka);
    if (!jednostka.isEmpty() && xj > koniecWartosci) k.p.drawText(xj, k.liniaTekstu(), jednostka);
}

void KomorkaNastawy(const TKomorkaRys& k, int indeks) {
    BokiRamki(k);
    const TNastawa& n = k.o.s.ListaNastaw[indeks];
    const int forma = FormaNastawy(n);
    const bool dostepna = NastawaDostepna(k.o.s, indeks);
    Pogrub(k.p, true);
    if (PokazywanaNastawa(n)) {
        k.p.setPen(k.o.paleta.KolorDialogu);
        const int x = std::max(k.x[PoczatekPola] - k.o.szerokoscNazw - 4, k.x[LewyMargines]);
        k.p.drawText(x, k.liniaTekstu(), NazwaNastawy(k.o.s, indeks));
    }
    Pole(k, indeks, forma, dostepna);
    PrzyciskiRodzaju(k, indeks, forma, dostepna);
    if (MaWiecej(indeks)) PrzyciskWiecej(k);
}

void Komorka(const TKomorkaRys& k, int wpis) {
    k.p.fillRect(k.r, k.o.paleta.Tlo);
    if (JestNastawa(wpis))
        KomorkaNastawy(k, wpis);
    else if (wpis == Komorki::Przyciski)
        RzadPrzyciskow(k);
    else if (wpis == Komorki::Pusta)
        BokiRamki(k);
    else
        Ramka(k, wpis);
}

} // namespace

void RysujNastawy(QPainter& p, const TObrazNastaw& o, int pierwszyWidoczny, int wysokosc) {
    p.fillRect(QRect(0, 0, o.szerokosc, wysokosc), o.paleta.Tlo);
    p.setFont(o.czcionka);
    const int h = o.uklad.WysokoscWiersza, w = o.uklad.SzerokoscKolumny;
    for (int wiersz = pierwszyWidoczny; wiersz < int(o.mapa.size()); ++wiersz) {
        const int y = (wiersz - pierwszyWidoczny) * h;
        if (y >= wysokosc) break;
        for (int kolumna = 0; kolumna < 2; ++kolumna) {
            const QRect r(kolumna * w, y, w, h);
            p.save();
            TKomorkaRys k{o, p, r, kolumna, wiersz, o.uklad.Strefy[kolumna]};
            Komorka(k, o.mapa[size_t(wiersz)][size_t(kolumna)]);
            p.restore();
        }
    }
}

int SzerokoscNazw(const TSterownik& s, const TMapaStrony& mapa, const QFont& czcionka) {
    QFont gruba = czcionka;
    gruba.setBold(true);
    const QFontMetrics fm(gruba);
    int najszersza = 0;
    for (const TWierszStrony& wiersz : mapa)
        for (int wpis : wiersz)
            if (JestNastawa(wpis) && PokazywanaNastawa(s.ListaNastaw[wpis]))
                najszersza = std::max(najszersza, fm.horizontalAdvance(NazwaNastawy(s, wpis)));
    return najszersza;
}

QString PodpowiedzNastawy(const TObrazNastaw& o, int kolumna, int indeks) {
    if (!JestNastawa(indeks) || kolumna < 0 || kolumna > 1) return {};
    const TStrefy& x = o.uklad.Strefy[std::size_t(kolumna)];
    QFont gruba = o.czcionka;
    gruba.setBold(true);
    const QFontMetrics fm(gruba);
    const TNastawa& n = o.s.ListaNastaw[indeks];
    const QString nazwa = PokazywanaNastawa(n) ? NazwaNastawy(o.s, indeks) : QString();
    const QString wartosc = TekstWartosci(o.s, indeks, WartoscNastawy(o.s, indeks), o.jezyk);
    // The same places the painting uses: the name runs under the box, the value is chopped.
    const int xNazwy = std::max(x[PoczatekPola] - o.szerokoscNazw - 4, x[LewyMargines]);
    const bool nazwaUcieta = xNazwy + fm.horizontalAdvance(nazwa) > x[PoczatekPola];
    const bool wartoscUcieta =
        fm.horizontalAdvance(wartosc) >= KoniecPola(x, FormaNastawy(n)) - x[PoczatekPola] - 1;
    if (!nazwaUcieta && !wartoscUcieta) return {};
    return nazwa.isEmpty() ? wartosc : nazwa + QStringLiteral(": ") + wartosc;
}

bool KorektyWtryskiwaczyZmienione(const TSterownik& s) {
    const int kanaly = std::clamp(s.LiczbaWtryskiwaczy, 0, 8);
    return std::any_of(s.Nastawy + 216, s.Nastawy + 216 + kanaly, [](int v) { return v != 128; });
}
