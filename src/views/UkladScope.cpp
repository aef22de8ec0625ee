#include "UkladScope.h"

#include "EksportCsv.h"
#include "TWykres.h"
#include "Teksty.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

double ProbekNaPiksel(int powiekszenie) {
    static constexpr std::array<double, 9> Tabela{0.1, 0.2, 0.4, 1, 2, 4, 10, 20, 40};
    return Tabela[size_t(std::clamp(powiekszenie, 0, NajwiekszePowiekszenie))];
}

int PoczatekWidoku(int koniec, int c, double f) {
    return int(std::trunc(koniec - c * f));
}

int KoniecPoPowiekszeniu(int koniec, int d, double nowe, double stare) {
    return int(std::trunc(koniec + d * nowe - d * stare));
}

int KoniecZProbkami(int koniec, int ile, int c, double f) {
    const bool pusto = koniec <= 0 || PoczatekWidoku(koniec, c, f) >= ile;
    return pusto ? ile : koniec;
}

std::optional<std::pair<int, int>> Suwak(int ile, int poczatek, int koniec, int c, int tryb) {
    if (ile <= 10 || tryb == 1) return std::nullopt;
    const int lewa = std::max(poczatek, 0) * c / ile;
    const int prawa = std::min(koniec * c / ile, c);
    return std::pair{lewa + 9, prawa + 11};
}

int KoniecPoSkoku(int x, int ile, int poczatek, int koniec, int c) {
    const int s = c > 0 ? x * ile / c : 0;
    int nowy = s;
    if (poczatek >= 0) {
        const int h = (koniec - poczatek) / 2;
        nowy = s < h ? 2 * h : s + h;
    }
    return std::min(nowy, ile);
}

TPasma Pasma(int uklad, int h, const std::vector<int>& katalog) {
    TPasma p;
    const int n = int(katalog.size());
    if (uklad == 1) {
        p.u = h - 98;
        p.bazy.assign(katalog.size(), p.u + 40);
    } else if (uklad == 2) {
        p.u = (h - 98) / 4;
        int baza = p.u + 40;
        for (int indeks : katalog) {
            if (indeks >= 2 && indeks <= 7) baza = (indeks / 2 + 1) * p.u + 40;
            p.bazy.push_back(baza);
        }
    } else {
        p.u = n > 0 ? (h - 98) / n : h - 98;
        for (int k = 0; k < n; ++k)
            p.bazy.push_back((k + 1) * p.u + 40);
    }
    p.u = std::max(p.u, 1);
    return p;
}

int WartoscSladu(const TWykres& w, const unsigned char* probka) {
    return probka ? WartoscSurowa(w, probka) : 0;
}

int WysokoscSladu(const TWykres& w, const unsigned char* probka, int p) {
    if (!probka) return 0;
    const int v = WartoscSurowa(w, probka);
    const double g = w.Wzmocnienie;
    const auto t = [](double x) { return int(std::trunc(x)); };
    switch (w.Typ) {
    case TypyWartosci::Bajt:
        return t(v * p * g / 256);
    case TypyWartosci::Slowo:
        return t(v * p * g / 1024);
    case TypyWartosci::BajtZPrzesunieciem:
        return t(v * p * g / 256);
    case TypyWartosci::Kelwiny:
        return t(v * p * g / 1024);
    case TypyWartosci::KorektaObd:
        return t(v * p * g / 100);
    case TypyWartosci::SystemPaliwa:
        return (v & 0x12) ? t(p * g / 2) : 0;
    case TypyWartosci::Afr:
        return t(v * p * g / 1024 / 4);
    default:
        return w.Typ >= 0 && w.Typ <= 7 ? v * p : 0;
    }
}

namespace {

QString TekstSystemuPaliwa(int v) {
    switch (v) {
    case 1:
        return QStringLiteral(" OL");
    case 2:
        return QStringLiteral(" CL");
    case 4:
        return QStringLiteral(" OL Load");
    case 8:
        return QStringLiteral(" OL Fault");
    case 16:
        return QStringLiteral(" CL Error");
    default:
        return {};
    }
}

QLocale BezGrupowania() {
    QLocale l;
    l.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
    return l;
}

QString Liczba(double v, int miejsca) {
    const QLocale l = BezGrupowania();
    if (miejsca == 0) return l.toString(v, 'g', 15);
    if (miejsca >= 1 && miejsca <= 3) return l.toString(v, 'f', miejsca);
    return {};
}

} // namespace

QString EtykietaSladu(const TWykres& w, const TTeksty* teksty, const unsigned char* probka) {
    const int id = w.Tekst >= 1400 && w.Tekst <= 1440 ? w.Tekst + 1 : w.Tekst;
    QString t = teksty ? teksty->PodajTekst(id) : QString();
    if (probka) {
        const int v = WartoscSurowa(w, probka);
        t += QLatin1Char('=') + (w.Typ == TypyWartosci::SystemPaliwa
                                     ? TekstSystemuPaliwa(v)
                                     : Liczba(v * w.Skala, w.Miejsca));
    }
    return t + QString(26, QLatin1Char(' '));
}

QString CzasProbek(int probki) {
    return BezGrupowania().toString(probki * 0.1, 'f', 1);
}

QString PodstawaCzasu(double f, const TTeksty* teksty) {
    return QLocale().toString(5 * f, 'g', 15) + QLatin1Char(' ') +
           (teksty ? teksty->PodajTekst(1062) : QString()) + QString(5, QLatin1Char(' '));
}
