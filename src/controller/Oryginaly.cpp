#include "Oryginaly.h"

#include "Komunikat.h"
#include "TSterownik.h"
#include "Teksty.h"
#include "ZapisPliku.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace {

const QString Oryginal = QStringLiteral("original");
const QString Przed = QStringLiteral("before");
constexpr int IdBledu = 1849; // "The original configuration could not be saved: %1: %2"
const QString FormatCzasu = QStringLiteral("yyyy-MM-dd_HHmm");

} // namespace

TOryginaly::TOryginaly(TSterownik& sterownik) : s(sterownik) {}

QString TOryginaly::Katalog() const {
    if (s.KatalogDokumentow.isEmpty()) return {};
    return QDir(s.KatalogDokumentow).filePath(QStringLiteral("ORVA/Selvar II/Originals"));
}

QString TOryginaly::NazwaPliku(const QString& kodKreskowy, bool oryginal, const QDateTime& kiedy) {
    QString kod = kodKreskowy;
    kod.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9-]")), QStringLiteral("-"));
    if (kod.isEmpty()) kod = QStringLiteral("no-barcode");
    return kod + QLatin1Char('_') + (oryginal ? Oryginal : Przed) + QLatin1Char('_') +
           kiedy.toString(FormatCzasu) + QStringLiteral(".set");
}

QString TOryginaly::KodPliku() const {
    const QString nazwa = NazwaPliku(s.StrKodKreskowy(), true, {});
    return nazwa.left(nazwa.indexOf(QLatin1Char('_')));
}

QDate TOryginaly::Dzis() const {
    const QDate d(2000 + s.DataDzis[0], s.DataDzis[1], s.DataDzis[2]);
    return d.isValid() && s.DataDzis[1] != 0 ? d : QDate::currentDate();
}

std::vector<TOryginaly::TPlik> TOryginaly::Pliki() const {
    static const QRegularExpression wzor(
        QStringLiteral("^(.+)_(original|before)_(\\d{4}-\\d\\d-\\d\\d_\\d{4})\\.set$"));
    std::vector<TPlik> pliki;
    const QString katalog = Katalog();
    if (katalog.isEmpty()) return pliki;
    const QString kod = KodPliku();
    const QDir dir(katalog);
    for (const QString& nazwa : dir.entryList({kod + QStringLiteral("_*.set")}, QDir::Files)) {
        const QRegularExpressionMatch m = wzor.match(nazwa);
        if (!m.hasMatch() || m.captured(1) != kod) continue;
        pliki.push_back({dir.filePath(nazwa), m.captured(2) == Oryginal,
                         QDateTime::fromString(m.captured(3), FormatCzasu)});
    }
    std::sort(pliki.begin(), pliki.end(),
              [](const TPlik& a, const TPlik& b) { return a.kiedy > b.kiedy; });
    return pliki;
}

bool TOryginaly::JestPlik(const QString& wzor) const {
    return !QDir(Katalog()).entryList({KodPliku() + wzor}, QDir::Files).isEmpty();
}

void TOryginaly::NowePolaczenie() {
    czekaNaOdczyt = true;
    obrazDnia.clear();
}

void TOryginaly::PoOdpowiedzi() {
    const int tozsamosci = TSterownik::RozkazIdentyfikacja | TSterownik::RozkazIdentyfikacjaObd;
    if (!czekaNaOdczyt || s.DoOdczytu != 0 || (s.Rozkazy & tozsamosci) != 0) return;
    czekaNaOdczyt = false;
    if (Katalog().isEmpty()) return;
    const QByteArray obraz = s.ObrazModelu(false);
    if (!JestPlik(QLatin1Char('_') + Oryginal + QStringLiteral("_*.set")))
        Zachowaj(true, obraz);
    else
        obrazDnia = obraz;
}

void TOryginaly::PrzedZapisem() {
    if (obrazDnia.isEmpty()) return;
    const QByteArray obraz = std::exchange(obrazDnia, {});
    const QString dzien = Dzis().toString(QStringLiteral("yyyy-MM-dd"));
    // One file a day: the original of today, or today's "before" file, already holds it.
    if (!JestPlik(QStringLiteral("_*_") + dzien + QStringLiteral("_*.set"))) Zachowaj(false, obraz);
}

void TOryginaly::Zachowaj(bool oryginal, const QByteArray& obraz) {
    const QString sciezka = QDir(Katalog()).filePath(
        NazwaPliku(s.StrKodKreskowy(), oryginal, QDateTime(Dzis(), QTime::currentTime())));
    QString blad;
    if (QDir().mkpath(Katalog()) && ZapiszCalyPlik(sciezka, obraz, &blad)) return;
    if (blad.isEmpty()) blad = QStringLiteral("cannot create the folder");
    const QString wzor = s.Teksty ? s.Teksty->PodajTekst(IdBledu) : QString();
    const QString tekst = (wzor.isEmpty() ? QStringLiteral("%1: %2") : wzor).arg(sciezka, blad);
    if (s.OnTekst) s.OnTekst(&s, QStringLiteral("  ") + tekst, Kolory::Czerwony);
    // Every connection tries again, but the installer hears of it once.
    if (!zgloszono && s.Komunikaty) s.Komunikaty->KomunikatTekst(tekst, TKomunikaty::Blad);
    zgloszono = true;
}
