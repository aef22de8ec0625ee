#include "RysowanieWykresu.h"

#include "EdycjaKrzywej.h"
#include "EdycjaMnoznika.h"
#include "Liczby.h"
#include "Paleta.h"
#include "Pisanie.h"
#include "RozrzutMap.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor Benzyna(255, 0, 0), Gaz(0, 160, 0), Odchylka(2, 115, 253), Wyrozniony(255, 255, 0),
    TloEtykiety(255, 255, 221);

QString T(const TObrazWykresu& o, int id) {
    return o.s.Teksty ? o.s.Teksty->PodajTekst(id) : QString();
}

// The break points of a chart joined by the curve, the selected one (or all when none is)
// highlighted while the chart has the focus, and its two-line label box.
struct TPunktyWykresu {
    std::vector<QPoint> punkty;
    std::vector<int> indeksy;
};

void RysujPunkty(QPainter& p, const TObrazWykresu& o, const TPunktyWykresu& w, int wybrany,
                 bool fokus) {
    p.setPen(QPen(o.paleta.KolorZnacznika, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(w.punkty.data(), int(w.punkty.size()));
    for (size_t i = 0; i < w.punkty.size(); ++i) {
        const bool wyrozniony = fokus && (wybrany == w.indeksy[i] || wybrany < 0);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(wyrozniony ? Wyrozniony : o.paleta.KolorZnacznika);
        p.drawEllipse(w.punkty[i], 5, 5);
    }
    p.setBrush(Qt::NoBrush);
}

void EtykietaPunktu(QPainter& p, QPoint w, const QString& gora, const QString& dol) {
    p.fillRect(QRect(QPoint(w.x() - 14, w.y() + 10), QPoint(w.x() + 14, w.y() + 36)), TloEtykiety);
    Czcionka(p, 8);
    p.setPen(Qt::black);
    Napis(p, w.x() - 12, w.y() + 10, gora);
    Napis(p, w.x() - 12, w.y() + 22, dol);
}

void Kropkowana(QPainter& p, const QColor& c, QPoint a, QPoint b) {
    p.setPen(QPen(c, 1, Qt::DotLine));
    p.drawLine(a, b);
}

void Strzalka(QPainter& p, QRect przycisk, bool wGore, const TPaleta& paleta) {
    p.setPen(QPen(paleta.LiniaEdytora, 1));
    p.setBrush(paleta.KolorWypelnienia);
    p.drawRoundedRect(QRectF(przycisk).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    // A 22-pixel arrow in the button's middle.
    const QPointF s = QRectF(przycisk).center();
    const double k = wGore ? -1 : 1;
    QPainterPath grot;
    grot.moveTo(s.x(), s.y() + 9 * k);
    grot.lineTo(s.x() - 9, s.y() - 2 * k);
    grot.lineTo(s.x() - 4, s.y() - 2 * k);
    grot.lineTo(s.x() - 4, s.y() - 10 * k);
    grot.lineTo(s.x() + 4, s.y() - 10 * k);
    grot.lineTo(s.x() + 4, s.y() - 2 * k);
    grot.lineTo(s.x() + 9, s.y() - 2 * k);
    grot.closeSubpath();
    p.setPen(QPen(paleta.KolorTekstu, 1));
    p.setBrush(paleta.KolorTekstu);
    p.drawPath(grot);
    p.setBrush(Qt::NoBrush);
}

void OsieMnoznika(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& a,
                  const TSkalaMnoznika& sk) {
    p.setPen(o.paleta.KolorTekstu);
    for (const TPodzialka& d : PodzialkaCzasu(a, sk)) {
        p.drawLine(d.Polozenie, a.yb, d.Polozenie, a.yb + 6);
        Napis(p, d.Polozenie - 4, a.yb + 6, d.Etykieta);
    }
    const QString tytulX = T(o, 1703);
    Napis(p, (o.rozmiar.width() - p.fontMetrics().horizontalAdvance(tytulX)) / 2, a.yb + 20,
          tytulX);
    for (const TPodzialka& d : PodzialkaMnoznika(a, sk)) {
        p.drawLine(a.x0 - 6, d.Polozenie, a.x0, d.Polozenie);
        NapisDoPrawej(p, a.x0 - 6, d.Polozenie - 6, d.Etykieta);
    }
    for (const TPodzialka& d : PodzialkaObciazenia(a, o.s)) {
        p.drawLine(a.x0 + a.w, d.Polozenie, a.x0 + a.w + 6, d.Polozenie);
        Napis(p, a.x0 + a.w + 8, d.Polozenie - 6, d.Etykieta);
    }
    RysujTytulOsiY(p, o, a, T(o, o.s.Nastawy[4] == 2 ? 1719 : 1707), a.x0 + a.w + 27);
    RysujTytulOsiY(p, o, a, T(o, 1709), -2);
}

void SkalaOdchylki(QPainter& p, const TObszarWykresu& a) {
    const int b = LiniaOdchylki(a);
    p.setPen(Odchylka);
    const char* etykiety[] = {"-4", "0", "+4"};
    for (int e = -1; e <= 1; ++e)
        NapisDoPrawej(p, a.x0 + a.w - 2, b - a.h * e / 10 - 6,
                      QString::fromLatin1(etykiety[e + 1]));
    Kropkowana(p, Odchylka, {a.x0, b}, {a.x0 + a.w, b});
}

void ZnacznikKalibracji(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& a,
                        const TSkalaMnoznika& sk) {
    const int czas = o.s.Nastawy[83];
    if (czas == 0) return;
    const int x = XKalibracji(a, sk, czas);
    p.setPen(QPen(o.paleta.KolorSiatki, 1, Qt::DashLine));
    p.drawLine(x, a.yb, x, a.Gora());
    p.setPen(o.paleta.KolorSiatki);
    Napis(p, x + 1, a.yb - 16, QLatin1Char(' ') + LiczbaWzorca(czas * 0.05, 2) + QLatin1Char(' '));
}

// The set break points within the axis, in pixels.
TPunktyWykresu PunktyMnoznika(const TObszarWykresu& a, const TEdycjaMnoznika& e) {
    const TSkalaMnoznika sk = e.Skala();
    TPunktyWykresu w;
    for (int k = 0; k <= TEdycjaMnoznika::Ostatni; ++k)
        if (e.Ustawiony(k) && e.Pozycja(k) <= sk.M) {
            w.punkty.push_back(PunktKrzywej(a, sk, e.Pozycja(k), e.Wartosc(k) + e.Adaptacja()));
            w.indeksy.push_back(k);
        }
    return w;
}

// Drawn under the data, in a corner of the plot that leaves the break points free.
void Legenda(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& a,
             const std::vector<QPoint>& punkty) {
    QString mnoznik = QStringLiteral("----") + T(o, 1709);
    if (o.s.PlytkaV3 && (o.wyborBanku == 1 || o.wyborBanku == 2))
        mnoznik += QStringLiteral("   ") + T(o, 1720) + QStringLiteral(" %1").arg(o.wyborBanku);
    struct TPozycja {
        QString tekst;
        QColor kolor;
    };
    std::vector<TPozycja> pozycje{{mnoznik, o.paleta.KolorZnacznika},
                                  {QStringLiteral("----") + T(o, 1700), Benzyna},
                                  {QStringLiteral("----") + T(o, 1701), Gaz}};
    if (o.poziom > 0) pozycje.push_back({QStringLiteral("----") + T(o, 1702), Odchylka});
    const int wysokosc = p.fontMetrics().height();
    int szerokosc = 0;
    for (const TPozycja& poz : pozycje)
        szerokosc = std::max(szerokosc, p.fontMetrics().horizontalAdvance(poz.tekst));
    const QSize rozmiar(szerokosc, OdstepLegendy * int(pozycje.size() - 1) + wysokosc);
    const QPoint miejsce = MiejsceLegendy(a, rozmiar, punkty).topLeft();
    int y = miejsce.y();
    for (const TPozycja& poz : pozycje) {
        const QRect r(miejsce.x(), y, p.fontMetrics().horizontalAdvance(poz.tekst), wysokosc);
        p.fillRect(r, o.paleta.TloWykresu);
        p.setPen(poz.kolor);
        Napis(p, r.x(), y, poz.tekst);
        y += OdstepLegendy;
    }
}

void Kwadrat(QPainter& p, QPoint s, const QColor& c) {
    p.fillRect(s.x() - 1, s.y() - 1, 3, 3, c);
}

void Rozrzut(QPainter& p, const TRozrzut& r, const TObszarWykresu& a, const QColor& c) {
    for (QPoint punkt : r.Punkty)
        Kwadrat(p, punkt, c);
    const std::vector<QPoint> krzywa =
        KrzywaDopasowania(r.DoDopasowania, StopienDopasowania(int(r.DoDopasowania.size())), a);
    if (krzywa.size() < 2) return;
    p.setPen(QPen(c, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(krzywa.data(), int(krzywa.size()));
}

void NotatkaOdchylki(QPainter& p, int x, int y, int id, const TObrazWykresu& o, bool doPrawej) {
    if (id == 0) return;
    const QString t = T(o, id);
    const int w = p.fontMetrics().horizontalAdvance(t), h = p.fontMetrics().height();
    const int lewa = doPrawej ? x - w : x - w / 2;
    const int gora = id == 1710 ? y + 8 : y - 20;
    p.fillRect(lewa, gora, w, h, TloEtykiety);
    p.setPen(Qt::black);
    Napis(p, lewa, gora, t);
}

void Odchylki(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& a,
              const TSkalaMnoznika& sk) {
    const TOdchylka d = OdchylkaMap(o.s, a, sk);
    for (QPoint punkt : d.Punkty)
        Kwadrat(p, punkt, o.paleta.KolorSiatki);
    if (d.DoDopasowania.size() < 3) return;
    const TWspolczynniki w = Dopasuj(d.DoDopasowania, 1);
    double od = d.DoDopasowania.front().x(), doX = od;
    for (QPointF q : d.DoDopasowania) {
        od = std::min(od, q.x());
        doX = std::max(doX, q.x());
    }
    od = std::max<double>(od, a.x0);
    doX = std::min<double>(doX, a.x0 + a.w);
    p.setPen(QPen(Odchylka, 3));
    p.drawLine(QPointF(od, Wielomian(w, od)), QPointF(doX, Wielomian(w, doX)));
    if (d.Gornych <= 6 && d.Dolnych <= 6) return;
    Czcionka(p, 8);
    const int x = XKalibracji(a, sk, o.s.Nastawy[83]);
    const double yLinii = Wielomian(w, x);
    NotatkaOdchylki(p, x, int(yLinii), NotaOdchylki(a, yLinii), o, false);
    NotatkaOdchylki(p, int(doX), int(Wielomian(w, doX)), NotaNachylenia(w[1]), o, true);
}

QString NotaAdaptacji(const TObrazWykresu& o) {
    const unsigned char* b = o.s.IdentSterownika;
    const auto para = [b](int i) {
        return LiczbaKrotka((b[i] - 128) * 0.02) + QStringLiteral(" , ") +
               LiczbaKrotka((b[i + 1] - 128) * 0.02);
    };
    QString t = T(o, 3810) + QStringLiteral("   ") + para(66) + QStringLiteral("   ");
    if (o.s.PlytkaV3) t += QStringLiteral("   ") + para(68) + QStringLiteral("   ");
    return t;
}

void Krzywa(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& a, const TEdycjaMnoznika& e,
            bool fokus) {
    const TSkalaMnoznika sk = e.Skala();
    RysujPunkty(p, o, PunktyMnoznika(a, e), e.Wybrany, fokus);
    if (!fokus || e.Wybrany < 0) return;
    const int v = e.Wartosc(e.Wybrany) + e.Adaptacja();
    EtykietaPunktu(p, PunktKrzywej(a, sk, e.Pozycja(e.Wybrany), v),
                   LiczbaWzorca(e.Pozycja(e.Wybrany) * 0.1, 1), LiczbaWzorca(v * 0.01, 2));
}

} // namespace

void RysujRameWykresu(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& a) {
    p.fillRect(QRect(QPoint(0, 0), o.rozmiar), o.paleta.Tlo);
    Czcionka(p, 8);
    const QRect ramka(QPoint(a.x0 - 1, a.Gora() - 1), QPoint(a.x0 + a.w + 1, a.yb + 1));
    p.fillRect(ramka, o.paleta.TloWykresu);
    p.setPen(o.paleta.KolorRamki);
    p.drawRect(ramka.adjusted(0, 0, -1, -1));
    for (int k = 1; k <= 9; ++k) {
        const int y = a.yb - a.h * k / 10;
        Kropkowana(p, o.paleta.KolorSiatki, {a.x0, y}, {a.x0 + a.w, y});
    }
}

void RysujLegendeBanku(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& a) {
    if (!o.s.PlytkaV3 || (o.wyborBanku != 1 && o.wyborBanku != 2)) return;
    QString t = T(o, 1720) + QStringLiteral(" %1 ( ").arg(o.wyborBanku);
    for (int n = 1; n <= o.s.LiczbaWtryskiwaczy; ++n) {
        const bool drugi = o.s.Nastawy[30] & (1 << (n - 1));
        if (drugi == (o.wyborBanku == 2)) t += QStringLiteral("%1 ").arg(n);
    }
    p.setPen(o.paleta.KolorTekstu);
    Napis(p, a.x0, 2, t + QLatin1Char(')'));
}

void RysujTytulOsiY(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& a,
                    const QString& tytul, int x) {
    const int szer = p.fontMetrics().horizontalAdvance(tytul);
    p.save();
    p.translate(x, szer / 2 + a.h / 2 + 25);
    p.rotate(-90);
    p.setPen(o.paleta.KolorTekstu);
    p.drawText(0, p.fontMetrics().ascent(), tytul);
    p.restore();
}

void RysujTloMnoznika(QPainter& p, const TObrazWykresu& o) {
    const TObszarWykresu a = ObszarWykresu(o.rozmiar, 0);
    const TSkalaMnoznika sk = SkalaMnoznika(o.s);
    RysujRameWykresu(p, o, a);
    for (int k = 1; k <= 9; ++k) {
        const int x = a.x0 + a.w * k / 10;
        Kropkowana(p, o.paleta.KolorSiatki, {x, a.yb}, {x, a.Gora()});
    }
    p.setPen(o.paleta.KolorSiatki);
    const int neutralna = LiniaNeutralna(a, sk);
    p.drawLine(a.x0, neutralna, a.x0 + a.w, neutralna);
    OsieMnoznika(p, o, a, sk);
    if (o.poziom > 0) SkalaOdchylki(p, a);
    ZnacznikKalibracji(p, o, a, sk);
    if (o.przyciski) {
        Strzalka(p, PrzyciskWGore(o.rozmiar), true, o.paleta);
        Strzalka(p, PrzyciskWDol(o.rozmiar), false, o.paleta);
    }
    RysujLegendeBanku(p, o, a);
}

void RysujDaneMnoznika(QPainter& p, const TObrazWykresu& o, const TEdycjaMnoznika& e, bool fokus) {
    const TObszarWykresu a = ObszarWykresu(o.rozmiar, 0);
    const TSkalaMnoznika sk = e.Skala();
    Czcionka(p, 8);
    Legenda(p, o, a, PunktyMnoznika(a, e).punkty);
    if (o.s.Nastawy[81] != 0) {
        p.setPen(o.paleta.KolorTekstu);
        NapisDoPrawej(p, a.x0 + a.w, 2, NotaAdaptacji(o));
    }
    Rozrzut(p, RozrzutMapy(o.s, o.s.MapaEcuBen, a, sk), a, Benzyna);
    Rozrzut(p, RozrzutMapy(o.s, o.s.MapaEcuGaz, a, sk), a, Gaz);
    if (o.poziom > 0) Odchylki(p, o, a, sk);
    Krzywa(p, o, a, e, fokus);
}

void RysujTloKrzywej(QPainter& p, const TObrazWykresu& o) {
    const TObszarWykresu a = ObszarWykresu(o.rozmiar, o.tryb);
    RysujRameWykresu(p, o, a);
    for (int x : SiatkaKrzywej(a, o.tryb))
        Kropkowana(p, o.paleta.KolorSiatki, {x, a.yb}, {x, a.Gora()});
    p.setPen(o.paleta.KolorSiatki);
    p.drawLine(a.x0, a.yb - a.h * 5 / 10, a.x0 + a.w, a.yb - a.h * 5 / 10);
    p.setPen(o.paleta.KolorTekstu);
    for (const TPodzialka& d : PodzialkaKrzywej(a, o.tryb)) {
        p.drawLine(d.Polozenie, a.yb, d.Polozenie, a.yb + 6);
        Napis(p, d.Polozenie - 4, a.yb + 6, d.Etykieta);
    }
    const QString tytulX = T(o, o.tryb == 2 ? 1705 : o.tryb == 3 ? 1706 : 1707);
    Napis(p, (o.rozmiar.width() - p.fontMetrics().horizontalAdvance(tytulX)) / 2, a.yb + 20,
          tytulX);
    for (const TPodzialka& d : PodzialkaKorekty(a)) {
        p.drawLine(a.x0 - 6, d.Polozenie, a.x0, d.Polozenie);
        Napis(p, a.x0 - 20, d.Polozenie - 6, d.Etykieta);
    }
    const TPodzialka prog = ProgPrzelaczenia(a, o.tryb, o.s);
    p.setPen(QPen(o.paleta.KolorSiatki, 1, Qt::DashLine));
    p.drawLine(prog.Polozenie, a.yb, prog.Polozenie, a.Gora());
    p.setPen(o.paleta.KolorSiatki);
    Napis(p, prog.Polozenie + 1, a.yb - 16, prog.Etykieta);
    RysujTytulOsiY(p, o, a, T(o, 1708), -2);
    RysujLegendeBanku(p, o, a);
}

void RysujKrzywaKorekty(QPainter& p, const TObrazWykresu& o, const TEdycjaKrzywej& e, bool fokus) {
    const TObszarWykresu a = ObszarWykresu(o.rozmiar, o.tryb);
    const TOsKrzywej os = e.Os();
    TPunktyWykresu w;
    for (int i = 0; i < TEdycjaKrzywej::Punktow; ++i)
        if (e.Ustawiony(i)) {
            w.punkty.push_back({XKrzywej(os, a.x0, a.w, e.X(i)), YKrzywej(a.yb, a.h, e.Y(i))});
            w.indeksy.push_back(i);
        }
    RysujPunkty(p, o, w, e.Wybrany, fokus);
    if (!fokus || e.Wybrany < 0 || !e.Ustawiony(e.Wybrany)) return;
    const int x = e.X(e.Wybrany), y = e.Y(e.Wybrany);
    EtykietaPunktu(p, QPoint(XKrzywej(os, a.x0, a.w, x), YKrzywej(a.yb, a.h, y)),
                   o.tryb == 4 ? LiczbaWzorca(x * 0.01, 2) : QString::number(x - 128),
                   EtykietaKorekty(y));
}
