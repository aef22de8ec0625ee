#include "RysowaniePropozycji.h"

#include "EdycjaMnoznika.h"
#include "Liczby.h"
#include "Paleta.h"
#include "Pisanie.h"
#include "PropozycjaMnoznika.h"
#include "RysowanieWykresu.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QPainter>

namespace {

const QColor TloEtykiety(255, 255, 221);

QString T(const TObrazWykresu& o, int id) {
    return o.s.Teksty ? o.s.Teksty->PodajTekst(id) : QString();
}

// A box of lines in black on the label colour.
void Etykieta(QPainter& p, const QRect& r, const QStringList& linie) {
    p.fillRect(r, TloEtykiety);
    p.setPen(Qt::black);
    const int wysokosc = p.fontMetrics().height();
    for (int i = 0; i < linie.size(); ++i)
        Napis(p, r.x() + 2, r.y() + i * wysokosc, linie[i]);
}

QRect Pudelko(const QPainter& p, const TObszarWykresu& a, QPoint punkt, const QStringList& linie,
              bool wDol) {
    int szerokosc = 0;
    for (const QString& l : linie)
        szerokosc = std::max(szerokosc, p.fontMetrics().horizontalAdvance(l));
    const QSize rozmiar(szerokosc + 4, p.fontMetrics().height() * int(linie.size()));
    return MiejsceEtykietyPropozycji(a, punkt, rozmiar, wDol);
}

void Krzywa(QPainter& p, const TObrazWykresu& o, const std::vector<QPoint>& punkty) {
    p.setPen(QPen(o.paleta.KolorZnacznika, 2, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(punkty.data(), int(punkty.size()));
    // Hollow-looking, in the label colour, so that they read apart from the curve's own.
    p.setPen(QPen(o.paleta.KolorZnacznika, 1));
    p.setBrush(TloEtykiety);
    for (QPoint punkt : punkty)
        p.drawEllipse(punkt, 4, 4);
    p.setBrush(Qt::NoBrush);
}

void Etykiety(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& a,
              const TPropozycja& propozycja, const std::vector<QPoint>& punkty) {
    for (size_t i = 0; i < punkty.size(); ++i) {
        const TPunktPropozycji& pp = propozycja.punkty[i];
        QStringList linie;
        if (pp.zaMaloKomorek)
            linie << T(o, 2255).arg(pp.komorek);
        else if (pp.nowa != pp.stara)
            linie << ZmianaPunktu(pp) << T(o, 2254).arg(pp.komorek);
        if (!linie.isEmpty())
            Etykieta(p, Pudelko(p, a, punkty[i], linie, pp.nowa < pp.stara), linie);
    }
}

// At the top of the plot, centred.
void Nota(QPainter& p, const TObrazWykresu& o, const TObszarWykresu& a, int nota) {
    const QString t = nota == 2256 ? T(o, nota).arg(T(o, 1269)) : T(o, nota);
    const int w = p.fontMetrics().horizontalAdvance(t) + 8;
    const QRect r(a.x0 + (a.w - w) / 2, a.Gora() + 2, w, p.fontMetrics().height() + 2);
    p.fillRect(r, TloEtykiety);
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    Napis(p, r.x() + 4, r.y() + 1, t);
}

} // namespace

std::vector<QPoint> PunktyPropozycji(const TObszarWykresu& a, const TEdycjaMnoznika& e,
                                     const TPropozycja& propozycja) {
    const TSkalaMnoznika sk = e.Skala();
    std::vector<QPoint> punkty;
    for (const TPunktPropozycji& p : propozycja.punkty)
        punkty.push_back(PunktKrzywej(a, sk, p.pozycja, p.nowa + e.Adaptacja()));
    return punkty;
}

QRect MiejsceEtykietyPropozycji(const TObszarWykresu& a, QPoint punkt, QSize rozmiar, bool wDol) {
    const int lewa =
        std::clamp(punkt.x() - rozmiar.width() / 2, a.x0, a.x0 + a.w - rozmiar.width());
    const int nad = punkt.y() - 10 - rozmiar.height(), pod = punkt.y() + 10;
    const bool ponizej = wDol ? pod + rozmiar.height() <= a.yb : nad < a.Gora();
    return {QPoint(lewa, ponizej ? pod : nad), rozmiar};
}

QString ZmianaPunktu(const TPunktPropozycji& p) {
    if (p.nowa == p.stara) return {};
    const QString znak = p.nowa > p.stara ? QStringLiteral("+") : QString();
    return znak + LiczbaWzorca(p.Procent(), 1) + QStringLiteral(" %");
}

void RysujPropozycje(QPainter& p, const TObrazWykresu& o, const TEdycjaMnoznika& e,
                     const TPropozycja* propozycja, int nota) {
    const TObszarWykresu a = ObszarWykresu(o.rozmiar, 0);
    Czcionka(p, 8);
    if (propozycja && propozycja->bank == e.Bank()) {
        const std::vector<QPoint> punkty = PunktyPropozycji(a, e, *propozycja);
        Krzywa(p, o, punkty);
        Etykiety(p, o, a, *propozycja, punkty);
    }
    if (nota) Nota(p, o, a, nota);
}
