#include "EksportCsv.h"

#include "TSterownik.h"
#include "Teksty.h"

namespace {

// The general form: up to 15 significant digits, no trailing zeros.
constexpr int CyfryOgolne = 15;

int Slowo(const unsigned char* b) {
    return b[0] | (b[1] << 8);
}

// The patterns "0.0" and the general form never group thousands, whatever the locale does.
QLocale BezGrupowania(QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

template <typename F> void ZaKolumnami(const TSterownik& s, F zrob) {
    const int ile = s.PodajIleParamBiez(Widoki::Listy);
    for (int k = 0; k < ile; ++k)
        zrob(s.Wykresy[std::size_t(s.PodajPozycje(Widoki::Listy, k))]);
}

// The functions below take a locale that already omits group separators.

QString Komorka(const TWykres& w, const unsigned char* probka, const QLocale& liczby) {
    const double wartosc = WartoscSurowa(w, probka) * w.Skala;
    switch (w.Miejsca) {
    case 0:
        return liczby.toString(wartosc, 'g', CyfryOgolne) + u';';
    case 1:
    case 2:
    case 3:
        return liczby.toString(wartosc, 'f', w.Miejsca) + u';';
    default:
        return {};
    }
}

QString Wiersz(const TSterownik& s, int i, const unsigned char* probka, const QLocale& liczby) {
    QString linia = liczby.toString(i * 0.1, 'f', 1) + u';';
    ZaKolumnami(s, [&](const TWykres& w) { linia += Komorka(w, probka, liczby); });
    return linia;
}

} // namespace

int WartoscSurowa(const TWykres& w, const unsigned char* probka) {
    const unsigned char* b = probka + w.Pozycja;
    switch (w.Typ) {
    case TypyWartosci::Bajt:
    case TypyWartosci::SystemPaliwa:
        return b[0];
    case TypyWartosci::Slowo:
        return Slowo(b);
    case TypyWartosci::BajtZPrzesunieciem:
        return b[0] - 128;
    case TypyWartosci::Kelwiny:
        return Slowo(b) - 273;
    // A missing trim (0) reads as no correction.
    case TypyWartosci::KorektaObd:
        return ((b[0] == 0 ? 128 : b[0]) - 128) * 100 / 128;
    // The AFR offset in raw units, so that raw x Skala is the AFR.
    case TypyWartosci::Afr:
        return static_cast<int>(3 * Slowo(b) + 7.35 / w.Skala);
    default:
        return w.Typ >= 0 && w.Typ <= 7 ? (b[0] >> w.Typ) & 1 : 0;
    }
}

QString KomorkaCsv(const TWykres& w, const unsigned char* probka, const QLocale& locale) {
    return Komorka(w, probka, BezGrupowania(locale));
}

QString NaglowekCsv(const TSterownik& s) {
    QString linia = QStringLiteral("sec;");
    ZaKolumnami(s, [&](const TWykres& w) {
        if (s.Teksty) linia += s.Teksty->PodajTekst(w.Tekst);
        linia += u';';
    });
    return linia;
}

QString WierszCsv(const TSterownik& s, int i, const unsigned char* probka, const QLocale& locale) {
    return Wiersz(s, i, probka, BezGrupowania(locale));
}

QByteArray TekstCsv(const TSterownik& s, const unsigned char* probki, int ile,
                    const QLocale& locale) {
    const QLocale liczby = BezGrupowania(locale);
    const QString koniec = QStringLiteral("\r\n");
    QString tekst = NaglowekCsv(s) + koniec;
    for (int i = 0; i < ile; ++i)
        tekst += Wiersz(s, i, probki + qsizetype(i) * TSterownik::RozmiarProbki, liczby) + koniec;
    return tekst.toLocal8Bit();
}
