#include "Porty.h"

#include "KorzenPreferencji.h"
#include "MapaPortow.h"
#include "TSerial.h"

#include <QSettings>

#include <memory>

namespace {

// Session numbers start above the fixed families (COM1..128), so that a path never
// shadows a device that has a number of its own.
constexpr int PierwszyWolny = 129;

} // namespace

void CzytajPrzypisania(TMapaPortow& mapa) {
    const auto korzen = KorzenPreferencji();
    const QString grupa = GrupaDoOdczytu(*korzen);
    if (grupa.isEmpty()) return;
    korzen->beginGroup(grupa);
    mapa.CzytajPreferencje(*korzen);
    korzen->endGroup();
}

std::optional<int> NumerPortu(const QString& podany, TMapaPortow& mapa) {
    if (podany.isEmpty()) return std::nullopt;
    bool liczba = false;
    const int numer = podany.toInt(&liczba);
    if (liczba) return numer >= 1 ? std::optional<int>(numer) : std::nullopt;
    const int wlasny = mapa.NumerSciezki(podany);
    if (wlasny >= 1 && mapa.Sciezka(wlasny) == podany) return wlasny;
    int wolny = PierwszyWolny;
    while (wolny < TSerial::PierwszyFtdi && !mapa.Sciezka(wolny).isEmpty())
        ++wolny;
    if (wolny >= TSerial::PierwszyFtdi) return std::nullopt;
    mapa.UstawPrzypisanie(wolny, podany);
    return wolny;
}

QString OpisPortu(const QString& podany, int numer, const TMapaPortow& mapa) {
    bool liczba = false;
    podany.toInt(&liczba);
    if (!liczba) return podany;
    if (numer >= TSerial::PierwszyFtdi)
        return QStringLiteral("FTDI %1").arg(numer - TSerial::PierwszyFtdi);
    const QString sciezka = mapa.Sciezka(numer);
    return sciezka.isEmpty() ? QStringLiteral("COM%1").arg(numer)
                             : QStringLiteral("COM%1 (%2)").arg(numer).arg(sciezka);
}
