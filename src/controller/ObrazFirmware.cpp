#include "ObrazFirmware.h"

#include <QFile>

namespace {

constexpr char Magia[] = "img file";
constexpr int DlugoscMagii = 8;

// Header byte against identity position: the hardware the image was built for.
struct TZgodnosc {
    int naglowek, ident;
};
constexpr TZgodnosc Sprzet[] = {{8, 44}, {18, 40}, {20, 42}, {21, 43}};

unsigned char Bajt(const QByteArray& plik, int pozycja) {
    return pozycja < plik.size() ? static_cast<unsigned char>(plik[pozycja]) : 0;
}

QString OpisWersji(int wersja, int beta) {
    QString t = QLatin1Char('v') + QString::number(wersja);
    if (beta) t += QStringLiteral(" beta") + QString::number(beta);
    return t;
}

QString DwieCyfry(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

namespace ObrazFirmware {

std::optional<QByteArray> Czytaj(const QString& sciezka) {
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    // One byte more than allowed tells a file that is too large.
    QByteArray dane = f.read(MaksRozmiar + 1);
    if (dane.size() > MaksRozmiar || f.error() != QFileDevice::NoError) return std::nullopt;
    return dane;
}

QByteArray CzytajNaglowek(const QString& sciezka) {
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.read(RozmiarNaglowka);
}

bool Zgodny(const QByteArray& plik, const unsigned char* ident) {
    if (!plik.startsWith(QByteArray(Magia, DlugoscMagii))) return false;
    for (const TZgodnosc& z : Sprzet)
        if (Bajt(plik, z.naglowek) != ident[z.ident]) return false;
    return Wersja(plik) != 0;
}

int Wersja(const QByteArray& plik) {
    return Bajt(plik, PozycjaWersji);
}

QString StrWersja(const QByteArray& plik) {
    return OpisWersji(Wersja(plik), Bajt(plik, PozycjaBety));
}

QString StrWersjaSterownika(const unsigned char* ident) {
    return OpisWersji(ident[IdentWersji], ident[IdentBety]);
}

QString StrData(const QByteArray& plik) {
    return QStringLiteral("20") + DwieCyfry(Bajt(plik, 24)) + QLatin1Char('.') +
           DwieCyfry(Bajt(plik, 25)) + QLatin1Char('.') + DwieCyfry(Bajt(plik, 26)) +
           QStringLiteral("  ");
}

bool Starszy(const QByteArray& plik, const unsigned char* ident) {
    const int zainstalowana = ident[IdentWersji];
    return ident[5] == 0 && zainstalowana != 0 && Wersja(plik) < zainstalowana;
}

} // namespace ObrazFirmware
