#include "Teksty.h"

#include <QFile>

#include <cstddef>

// Outside any namespace, as the resource initialiser requires; the table lives in a
// static library, so nothing would pull its resource in otherwise. Once per program.
static void ZarejestrujTablice() {
    static const bool zarejestrowana = [] {
        Q_INIT_RESOURCE(teksty);
        return true;
    }();
    (void)zarejestrowana;
}

namespace {

const char* const SciezkaTablicy = ":/teksty/teksty.tsv";

// Service-trace names and map curve captions; never translated, leading blanks included.
struct StalyTekst {
    int id;
    const char* tekst;
};
constexpr StalyTekst StaleTeksty[] = {
    {-30, " t. ster."},  {-31, " plus"},       {-32, " mnożnik"},    {-33, " kor. obr."},
    {-34, " kor. cis."}, {-35, " kor. temp."}, {-36, " kor. razem"}, {-37, " plus"},
    {-38, " otw/nat"},   {-39, " test"},       {-50, "ms/rpm"},      {-51, "bar/rpm"},
    {-52, "V/rpm"},
};

QString StalyTekstDla(int id) {
    for (const StalyTekst& staly : StaleTeksty)
        if (staly.id == id) return QString::fromUtf8(staly.tekst);
    return {};
}

struct Komorka {
    QString tekst;
    QString reszta;
};

// Without a TAB the cell is the whole string and the rest stays as it was, so a row
// with fewer cells repeats its last one; the fallbacks of the lookup rely on that.
Komorka WezKomorke(const QString& s) {
    const qsizetype tab = s.indexOf(u'\t');
    if (tab < 0) return {s.trimmed(), s};
    return {s.left(tab).trimmed(), s.mid(tab + 1)};
}

} // namespace

TTeksty::TTeksty() {
    ZarejestrujTablice();
}

bool TTeksty::Wczytaj() {
    return WczytajPlik(QString::fromLatin1(SciezkaTablicy));
}

bool TTeksty::WczytajPlik(const QString& sciezka) {
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly)) {
        wiersze.clear();
        return false;
    }
    const QByteArray dane = plik.readAll();
    if (plik.error() != QFileDevice::NoError) {
        wiersze.clear();
        return false;
    }
    WczytajDane(dane);
    return true;
}

void TTeksty::WczytajDane(const QByteArray& dane) {
    wiersze.clear();
    // The UTF-8 decoder drops a leading byte-order mark; CR LF line ends are tolerated.
    for (QString& linia : QString::fromUtf8(dane).split(u'\n')) {
        if (linia.endsWith(u'\r')) linia.chop(1);
        if (!linia.isEmpty()) wiersze.append(linia);
    }
}

QString TTeksty::PodajTekst(int id) const {
    if (id < 0) return StalyTekstDla(id);
    if (id < 1000) return {};
    // The id must be followed by its TAB, so that 1050 never takes the row of 10501.
    const QString klucz = QString::number(id) + u'\t';
    const int wiersz = ZnajdzWiersz(id, klucz);
    if (wiersz < 0) return {};
    return TekstWiersza(wiersze.at(wiersz).mid(klucz.size()));
}

int TTeksty::ZnajdzWiersz(int id, const QString& klucz) const {
    const bool wPamieci = id <= NajwyzszyId;
    if (wPamieci) {
        // A reload may have shortened the table since the index was stored.
        const int zapamietany = pamiecWierszy[std::size_t(id)];
        if (zapamietany < wiersze.size() && wiersze.at(zapamietany).startsWith(klucz))
            return zapamietany;
    }
    for (int i = 0; i < wiersze.size(); ++i) {
        if (!wiersze.at(i).startsWith(klucz)) continue;
        if (wPamieci) pamiecWierszy[std::size_t(id)] = i;
        return i;
    }
    return -1;
}

QString TTeksty::TekstWiersza(const QString& komorki) const {
    const Komorka polska = WezKomorke(komorki);
    if (jezyk == Jezyki::Polski) return polska.tekst;
    const Komorka angielska = WezKomorke(polska.reszta);
    if (jezyk == Jezyki::Angielski)
        return angielska.tekst; // even when empty: no fallback for English
    // The Spanish cell is everything after the Russian one, so it exists only after a TAB.
    const qsizetype tab = angielska.reszta.indexOf(u'\t');
    const QString rosyjska = (tab < 0 ? angielska.reszta : angielska.reszta.left(tab)).trimmed();
    const QString hiszpanska = tab < 0 ? QString() : angielska.reszta.mid(tab + 1).trimmed();
    const QString& wlasna = jezyk == Jezyki::Rosyjski ? rosyjska : hiszpanska;
    return wlasna.isEmpty() ? angielska.tekst : wlasna;
}
