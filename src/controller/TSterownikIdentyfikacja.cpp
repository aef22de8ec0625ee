// The controller's identity as texts, its history of changes, and the service reminder.

#include "TSterownik.h"

#include "Bloki.h"

#include <cstring>

namespace {

constexpr int WpisowHistorii = 32;
constexpr int RozmiarWpisu = 8;

QString Dwie(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}
QString Hex(int v) {
    return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
}

// "20yy.mm.dd" of three bytes year - 2000, month, day.
QString Data(const unsigned char* d) {
    return QStringLiteral("20") + Dwie(d[0]) + '.' + Dwie(d[1]) + '.' + Dwie(d[2]);
}

// Hours, then minutes and seconds of the current hour: "3:02:05".
QString Czas(const unsigned char* sekundy) {
    const int s = sekundy[0] | (sekundy[1] << 8);
    const int godziny = sekundy[2] | (sekundy[3] << 8);
    return QString::number(godziny) + ':' + Dwie(s / 60) + ':' + Dwie(s % 60);
}

} // namespace

int TSterownik::GodzinyNaGazie() const {
    return IdentSterownika[76] | (IdentSterownika[77] << 8);
}

QString TSterownik::StrNazwaSterownika() const {
    switch (IdentSterownika[38]) {
    case 1:
        return QStringLiteral("SELVAR LITE+");
    case 2:
        return QStringLiteral("SELVAR MAX+");
    default:
        return {};
    }
}

QString TSterownik::StrKodKreskowy() const {
    const char* kod = reinterpret_cast<const char*>(IdentSterownika + 6);
    return QString::fromLatin1(kod, qsizetype(qstrnlen(kod, 16)));
}

QString TSterownik::StrDataProdukcji() const {
    return IdentSterownika[46] ? Data(IdentSterownika + 46) : QString();
}

QString TSterownik::StrWersjaCyframi(int czesci) const {
    const unsigned char* id = IdentSterownika;
    if (id[5] != 0) return {};
    QString t;
    const bool glowna = id[60] != 0;
    if ((czesci & 1) && glowna) {
        t += QString::number(id[60]);
        if (id[57]) t += QStringLiteral(" beta") + QString::number(id[57]);
        t += QLatin1String("  ");
    }
    if ((czesci & 2) && glowna) t += QChar(id[53] + 65) + QLatin1Char('.');
    if ((czesci & 4) && glowna)
        t += QStringLiteral("%1.%2.%3  ").arg(id[58]).arg(id[59]).arg(id[60]);
    if ((czesci & 8) && id[62]) t += '(' + Data(id + 62) + QLatin1String(")  ");
    if (czesci & 16) t += Hex(id[50]) + '.' + Hex(id[51]) + '.' + Hex(id[52]) + QLatin1String("  ");
    if (czesci & 32) t += QStringLiteral("Kod=") + StrKodKreskowy() + ' ';
    if (czesci & 64) {
        t += QStringLiteral("NS=");
        for (int i = 22; i <= 34; ++i)
            t += Hex(id[i]) + ' ';
    }
    if (czesci & 128) {
        t += QStringLiteral("Eep=");
        for (int i = 66; i <= 77; ++i)
            t += Hex(id[i]) + ' ';
    }
    return t;
}

QString TSterownik::StrIleWtryskiwaczy() const {
    return IdentSterownika[59] ? QString::number(LiczbaWtryskiwaczy) : QString();
}

QString TSterownik::StrCzasNaBenzynie() const {
    return Czas(IdentSterownika + 70);
}
QString TSterownik::StrCzasNaGazie() const {
    return Czas(IdentSterownika + 74);
}

QString TSterownik::StrCzasPrzegladu() const {
    const int termin = Nastawy[101] | (Nastawy[102] << 8);
    return QString::number(std::max(0, termin - GodzinyNaGazie())) + QStringLiteral(":00:00");
}

QString TSterownik::StrIdentWlasny() const {
    return QStringLiteral("%1-%2")
        .arg(IdentyfikatorPC >> 16, 4, 16, QLatin1Char('0'))
        .arg(IdentyfikatorPC & 0xFFFF, 4, 16, QLatin1Char('0'))
        .toUpper();
}

QString TSterownik::StrHistoria(unsigned kolumna, int wpis) const {
    if (wpis < 0 || wpis >= WpisowHistorii) return {};
    const unsigned char* w = Historia + RozmiarWpisu * wpis;
    if (w[0] == 0) return {};
    switch (kolumna) {
    case 0:
        return QStringLiteral("20") + Dwie(w[1]) + '.' + QString::number(w[2]) + '.' +
               QString::number(w[3]);
    case 1:
    case 2:
    case 3:
    case 4:
        return (w[0] >> (kolumna - 1)) & 1 ? QStringLiteral("v") : QString();
    case 5:
        return Hex(w[4]) + Hex(w[5]) + '-' + Hex(w[6]) + Hex(w[7]);
    default:
        return {};
    }
}

void TSterownik::HistoriaZmian(unsigned char rodzaj) {
    if (rodzaj > 3) return;
    // Until the controller's own history is here, an entry would replace it when written.
    if (DoOdczytu & Bloki::Historia) {
        odlozonaHistoria |= 1 << rodzaj;
        return;
    }
    const auto bit = static_cast<unsigned char>(1 << rodzaj);
    int n = 0;
    while (n < WpisowHistorii && Historia[RozmiarWpisu * n] != 0)
        ++n;
    unsigned char stempel[7] = {DataDzis[0],
                                DataDzis[1],
                                DataDzis[2],
                                static_cast<unsigned char>(IdentyfikatorPC >> 24),
                                static_cast<unsigned char>(IdentyfikatorPC >> 16),
                                static_cast<unsigned char>(IdentyfikatorPC >> 8),
                                static_cast<unsigned char>(IdentyfikatorPC)};
    unsigned char* wpis = nullptr;
    if (n > 0 && std::memcmp(Historia + RozmiarWpisu * (n - 1) + 1, stempel, sizeof stempel) == 0) {
        // One entry per computer and day collects the kinds of change.
        wpis = Historia + RozmiarWpisu * (n - 1);
        if (wpis[0] & bit) return;
        wpis[0] |= bit;
    } else {
        if (n == WpisowHistorii) {
            // Full: the oldest entry stays, the second oldest goes.
            std::memmove(Historia + RozmiarWpisu, Historia + 2 * RozmiarWpisu,
                         RozmiarWpisu * (WpisowHistorii - 2));
            n = WpisowHistorii - 1;
        }
        wpis = Historia + RozmiarWpisu * n;
        wpis[0] = bit;
    }
    std::memcpy(wpis + 1, stempel, sizeof stempel);
    DoZapisu |= Bloki::Historia;
}

void TSterownik::HistoriaZmianKasuj() {
    std::memset(Historia, 0, sizeof Historia);
    odlozonaHistoria = 0;
    DoZapisu |= Bloki::Historia;
}

void TSterownik::DopiszOdlozonaHistorie() {
    const int odlozone = odlozonaHistoria;
    odlozonaHistoria = 0;
    for (unsigned char rodzaj = 0; rodzaj <= 3; ++rodzaj)
        if (odlozone & (1 << rodzaj)) HistoriaZmian(rodzaj);
}

void TSterownik::UstawPrzeglad(int godziny) {
    const int termin = godziny + GodzinyNaGazie() +
                       ((IdentSterownika[74] | (IdentSterownika[75] << 8)) > 1800 ? 1 : 0);
    Nastawy[100] = 1;
    Nastawy[101] = static_cast<unsigned char>(termin & 0xFF);
    Nastawy[102] = static_cast<unsigned char>(termin >> 8);
    ZapiszDoSterownika(Bloki::Nastawy);
}
