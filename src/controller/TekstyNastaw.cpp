#include "TekstyNastaw.h"

#include "TSterownik.h"
#include "Teksty.h"
#include "TypyWtryskiwaczy.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

QString Tekst(const TTeksty* teksty, int id) {
    return teksty ? teksty->PodajTekst(id) : QString();
}

QString NazwaProtokoluObd(const TTeksty* teksty, int wartosc) {
    static const char* const Nazwy[] = {"ISO 15765-4 CAN 11/500",
                                        "ISO 15765-4 CAN 29/500",
                                        "ISO 15765-4 CAN 11/250",
                                        "ISO 15765-4 CAN 29/250",
                                        "ISO 14230-4 KWP fast init.",
                                        "ISO 14230-4 KWP slow init.",
                                        "ISO 9141-2",
                                        "SEA J1850 PWM",
                                        "SEA J1850 VPW"};
    if (wartosc < 2) return Tekst(teksty, 4091 + wartosc);
    return wartosc - 2 < int(std::size(Nazwy)) ? QString::fromLatin1(Nazwy[wartosc - 2])
                                               : QString();
}

QString TekstWyboru(const TSterownik& s, int indeks, int wartosc) {
    const TNastawa& n = s.ListaNastaw[indeks];
    wartosc = std::clamp(wartosc, int(n.Min), int(n.Max));
    if (indeks == 4 && wartosc == 0 && s.PlytkaV3) return Tekst(s.Teksty, 3051);
    QString t;
    if (indeks == 24)
        t = wartosc < LiczbaTypowWtryskiwaczy ? QString::fromLatin1(TypyWtryskiwaczy[wartosc].Nazwa)
                                              : QString();
    else if (indeks == 109 || indeks == 257)
        t = NazwaProtokoluObd(s.Teksty, wartosc);
    else if (wartosc < int(n.Opcje.size()))
        t = Tekst(s.Teksty, n.Opcje[wartosc]);
    if (indeks == 4 && wartosc == 2) t += " (" + Tekst(s.Teksty, 3103) + ")";
    if (indeks == 24 || indeks == 40 || indeks == 45 || indeks == 46) {
        const qsizetype ohm = t.indexOf(QLatin1String("Ohm"));
        if (ohm >= 0) t.replace(ohm, 3, QChar(0x2126));
    }
    return t;
}

// The idle-RPM correction reads with the bank's learnt idle adaptation added.
double AdaptacjaBiegu(const TSterownik& s, int indeks) {
    if (indeks == 90) return 1 + (s.IdentSterownika[66] - 128) * 0.02;
    if (indeks == 92) return 1 + (s.IdentSterownika[68] - 128) * 0.02;
    return 0;
}

QString TekstLiczby(const TSterownik& s, int indeks, int wartosc, const QLocale& jezyk) {
    const TNastawa& n = s.ListaNastaw[indeks];
    double x = wartosc;
    if ((n.Rodzaj & 0xF0) == Formy::LiczbaZPrzesunieciem) x -= 128;
    x = x * n.Skala + AdaptacjaBiegu(s, indeks);
    const int miejsca = n.Rodzaj & 0x0F;
    if (miejsca >= 5) return {};
    QLocale bezGrup = jezyk;
    bezGrup.setNumberOptions(QLocale::OmitGroupSeparator);
    if (miejsca == 0) return bezGrup.toString(x, 'g', 15);
    // A value that rounds to zero must not read "-0.00".
    const double skala = std::pow(10.0, miejsca);
    return bezGrup.toString(std::round(x * skala) / skala + 0.0, 'f', miejsca);
}

} // namespace

int WartoscNastawy(const TSterownik& s, int indeks) {
    const auto bajt = [&s](int i) {
        if (i < 0 || i >= LiczbaNastaw) return 0;
        return int(i < PierwszaNastawaObd ? s.Nastawy[i] : s.NastawyObd[i - PierwszaNastawaObd]);
    };
    if (indeks >= 0 && indeks < LiczbaNastaw &&
        FormaNastawy(s.ListaNastaw[indeks]) == Formy::KodBledu)
        return bajt(indeks) + 256 * bajt(indeks + 1);
    return bajt(indeks);
}

void ZapiszBajtNastawy(TSterownik& s, int indeks, int bajt) {
    if (indeks < 0 || indeks >= LiczbaNastaw) return;
    const auto b = static_cast<unsigned char>(bajt);
    if (indeks < PierwszaNastawaObd)
        s.Nastawy[indeks] = b;
    else
        s.NastawyObd[indeks - PierwszaNastawaObd] = b;
}

int FormaNastawy(const TNastawa& n) {
    return n.Rodzaj & 0xF0;
}

bool PokazywanaNastawa(const TNastawa& n) {
    return n.Rodzaj != 0 && n.Tekst != 0;
}

QString NazwaNastawy(const TSterownik& s, int indeks) {
    if (indeks < 0 || indeks >= LiczbaNastaw) return {};
    return Tekst(s.Teksty, s.ListaNastaw[indeks].Tekst);
}

QString TekstWartosci(const TSterownik& s, int indeks, int wartosc, const QLocale& jezyk) {
    if (indeks < 0 || indeks >= LiczbaNastaw) return {};
    switch (FormaNastawy(s.ListaNastaw[indeks])) {
    case Formy::Przelacznik:
        return Tekst(s.Teksty, wartosc ? 1080 : 1081);
    case Formy::Wybor:
        return TekstWyboru(s, indeks, wartosc);
    case Formy::KodBledu:
        return TekstKoduBledu(s.Teksty, wartosc);
    default:
        return TekstLiczby(s, indeks, wartosc, jezyk);
    }
}

QString TekstJednostki(const TTeksty* teksty, int kod) {
    return kod >= 1 && kod <= 8 ? Tekst(teksty, 1049 + kod) : QString();
}

QString TekstKoduBledu(const TTeksty* teksty, int kod) {
    if (kod <= 256) return Tekst(teksty, 4091);
    static const char Litery[] = {'P', 'C', 'B', 'U'};
    return QChar(Litery[(kod >> 14) & 3]) +
           QStringLiteral("%1").arg(kod & 0x3FFF, 4, 16, QChar('0')).toUpper();
}

std::optional<int> KodBleduZTekstu(const QString& tekst) {
    static const QString Litery = QStringLiteral("PCBU");
    static const QString Cyfry = QStringLiteral("0123456789ABCDEF");
    const QString t = tekst.toUpper();
    if (t.size() != 5 || !Litery.contains(t[0])) return std::nullopt;
    int kod = int(Litery.indexOf(t[0])) * 0x4000;
    for (int i = 1; i < 5; ++i) {
        const qsizetype cyfra = Cyfry.indexOf(t[i]);
        if (cyfra < 0) return std::nullopt;
        kod += int(cyfra) << (4 * (4 - i));
    }
    kod &= 0xFFFF;
    return kod < 256 ? 0 : kod;
}
