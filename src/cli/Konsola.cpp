#include "Konsola.h"

#include "Teksty.h"

#include <cstdio>
#include <utility>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

TKonsola::TKonsola(const TTeksty& t, bool c)
    : teksty(t), cicho(c), terminal(isatty(fileno(stderr)) != 0) {}

QString TKonsola::Otworz(const TDialogPliku&) {
    return plik;
}

QString TKonsola::Zapisz(const TDialogPliku&) {
    return plik;
}

int TKonsola::Komunikat(int idTekstu, int flagi) {
    return KomunikatTekst(teksty.PodajTekst(idTekstu), flagi);
}

int TKonsola::KomunikatTekst(const QString& tekst, int flagi) {
    switch (flagi) {
    case Pytanie:
        return Nie;
    case Blad:
        blad = tekst;
        return Ok;
    default:
        Postep(tekst);
        return Ok;
    }
}

QString TKonsola::WezBlad() {
    return std::exchange(blad, {});
}

void TKonsola::Zglos(const QString& tekst) const {
    ZakonczLinie();
    std::fprintf(stderr, "selvar-cli: %s\n", tekst.toLocal8Bit().constData());
    std::fflush(stderr);
}

bool TKonsola::BladPliku(const QString& czynnosc, const QString& sciezka) {
    if (!JestBlad()) return false;
    Zglos(QStringLiteral("cannot %1 %2: %3").arg(czynnosc, sciezka, WezBlad()));
    return true;
}

void TKonsola::Postep(const QString& tekst) const {
    if (!cicho) Zglos(tekst);
}

void TKonsola::PostepWLinii(const QString& tekst) const {
    if (cicho || !terminal) return;
    std::fprintf(stderr, "\r%s", tekst.toLocal8Bit().constData());
    std::fflush(stderr);
    liniaOtwarta = true;
}

void TKonsola::ZakonczLinie() const {
    if (!std::exchange(liniaOtwarta, false)) return;
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void Wypisz(const QString& tekst) {
    WypiszBajty(tekst.toLocal8Bit());
}

void WypiszBajty(const QByteArray& bajty) {
    std::fwrite(bajty.constData(), 1, static_cast<size_t>(bajty.size()), stdout);
    std::fflush(stdout);
}
