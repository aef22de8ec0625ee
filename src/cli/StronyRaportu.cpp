#include "StronyRaportu.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>

#include <algorithm>

namespace {

constexpr int Rozdzielczosc = 96;
constexpr int WysokoscStopki = 24;
constexpr int OdstepKolumn = 20;
const QColor Szary(110, 110, 110);

} // namespace

TStronyRaportu::TStronyRaportu(QIODevice& plik, const QString& tytulDokumentu,
                               const QString& tekstStopki)
    : pdf(&plik), baza(QGuiApplication::font()), stopka(tekstStopki) {
    pdf.setResolution(Rozdzielczosc);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter));
    pdf.setTitle(tytulDokumentu);
    pdf.setCreator(QStringLiteral("selvar-cli"));
    if (!p.begin(&pdf)) return;
    baza.setPointSize(9);
    p.setFont(baza);
    szerokosc = pdf.width();
    dol = pdf.height() - WysokoscStopki;
}

bool TStronyRaportu::Zakoncz() {
    if (!p.isActive()) return false;
    Stopka();
    return p.end();
}

int TStronyRaportu::WysokoscLinii() const {
    return p.fontMetrics().height() + 2;
}

int TStronyRaportu::SzerokoscKolumny() const {
    return (szerokosc - (kolumn - 1) * OdstepKolumn) / kolumn;
}

int TStronyRaportu::Lewa() const {
    return kolumna * (SzerokoscKolumny() + OdstepKolumn);
}

void TStronyRaportu::Stopka() {
    QFont f = baza;
    f.setPointSize(7);
    p.setFont(f);
    p.setPen(Szary);
    const int linia = dol + 8;
    p.drawLine(0, linia, szerokosc, linia);
    const int tekst = linia + 4 + p.fontMetrics().ascent();
    p.drawText(0, tekst, stopka);
    const QString numer = QString::number(strona);
    p.drawText(szerokosc - p.fontMetrics().horizontalAdvance(numer), tekst, numer);
    p.setPen(Qt::black);
    p.setFont(baza);
}

void TStronyRaportu::NowaStrona() {
    Stopka();
    pdf.newPage();
    ++strona;
    y = gora = najnizej = 0;
    kolumna = 0;
}

void TStronyRaportu::Zmiesc(int wysokosc) {
    if (y + wysokosc <= dol) return;
    if (kolumna + 1 < kolumn) {
        najnizej = std::max(najnizej, y);
        ++kolumna;
        y = gora;
        return;
    }
    NowaStrona();
}

void TStronyRaportu::Kolumny(int ile) {
    y = std::max(y, najnizej); // below the longest of the columns so far
    kolumn = std::max(ile, 1);
    kolumna = 0;
    gora = najnizej = y;
}

void TStronyRaportu::Tytul(const QString& t) {
    QFont f = baza;
    f.setPointSize(16);
    f.setBold(true);
    p.setFont(f);
    y += p.fontMetrics().ascent();
    p.drawText(0, y, t);
    y += p.fontMetrics().descent() + 6;
    p.setFont(baza);
}

void TStronyRaportu::Sekcja(const QString& t, int potem) {
    Kolumny(1);
    QFont f = baza;
    f.setPointSize(11);
    f.setBold(true);
    const int wysokosc = QFontMetrics(f, &pdf).height() + 8;
    if (y > 0) y += 10;
    if (y + wysokosc + potem > dol && y > 0) NowaStrona();
    p.setFont(f);
    y += p.fontMetrics().ascent();
    p.drawText(0, y, t);
    y += p.fontMetrics().descent() + 2;
    p.drawLine(0, y, szerokosc, y);
    y += 6;
    p.setFont(baza);
    gora = y;
}

void TStronyRaportu::Grupa(const QString& t) {
    QFont f = baza;
    f.setBold(true);
    p.setFont(f);
    const int wysokosc = p.fontMetrics().height() + 4;
    // A heading never ends a column: it keeps at least one of its lines with it.
    Zmiesc(wysokosc + 2 * WysokoscLinii());
    if (y > gora) y += 4;
    p.fillRect(Lewa(), y, SzerokoscKolumny(), wysokosc, QColor(225, 225, 225));
    p.drawText(Lewa() + 3, y + 2 + p.fontMetrics().ascent(), t);
    y += wysokosc + 2;
    p.setFont(baza);
}

void TStronyRaportu::Akapit(const QString& t) {
    const QRect miejsce(Lewa(), 0, SzerokoscKolumny(), 10000);
    const QRect potrzebne = p.boundingRect(miejsce, Qt::TextWordWrap, t);
    Zmiesc(potrzebne.height());
    p.drawText(QRect(Lewa(), y, SzerokoscKolumny(), potrzebne.height()), Qt::TextWordWrap, t);
    y += potrzebne.height() + 2;
}

void TStronyRaportu::Pozycja(const QString& nazwa, const QString& wartosc) {
    Zmiesc(WysokoscLinii());
    const QFontMetrics fm = p.fontMetrics();
    const int szerWartosci = fm.horizontalAdvance(wartosc);
    const int prawa = Lewa() + SzerokoscKolumny();
    const int linia = y + fm.ascent();
    p.drawText(prawa - szerWartosci, linia, wartosc);
    const int miejsceNazwy = SzerokoscKolumny() - szerWartosci - 8;
    p.drawText(Lewa(), linia, fm.elidedText(nazwa, Qt::ElideRight, miejsceNazwy));
    // A dotted leader ties a short name to its value across the gap.
    const int koniecNazwy = Lewa() + std::min(fm.horizontalAdvance(nazwa), miejsceNazwy) + 4;
    if (koniecNazwy < prawa - szerWartosci - 8) {
        p.setPen(QPen(QColor(170, 170, 170), 1, Qt::DotLine));
        p.drawLine(koniecNazwy, linia, prawa - szerWartosci - 4, linia);
        p.setPen(Qt::black);
    }
    y += WysokoscLinii();
}

void TStronyRaportu::Komorki(const QStringList& teksty, const QList<int>& x, bool pogrubione) {
    QFont f = baza;
    f.setBold(pogrubione);
    p.setFont(f);
    Zmiesc(WysokoscLinii());
    for (qsizetype i = 0; i < teksty.size() && i < x.size(); ++i)
        p.drawText(Lewa() + x[i], y + p.fontMetrics().ascent(), teksty[i]);
    y += WysokoscLinii();
    p.setFont(baza);
}

QRect TStronyRaportu::Miejsce(QSize rozmiar) {
    Kolumny(1);
    if (y + rozmiar.height() > dol && y > 0) NowaStrona();
    const QRect r(QPoint(0, y), rozmiar);
    y += rozmiar.height() + 8;
    gora = y;
    return r;
}
