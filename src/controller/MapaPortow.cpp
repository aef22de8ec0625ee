#include "MapaPortow.h"

#include <QFileInfo>
#include <QSettings>

namespace {

#ifndef Q_OS_WIN
struct TRodzinaUrzadzen {
    int pierwszy; // number of device 0
    const char* przedrostek;
};
// 32 numbers per family: COM1..32 = ttyS0..31, COM33..64 = ttyUSB0..31 ...
constexpr TRodzinaUrzadzen Rodziny[] = {
    {1, "/dev/ttyS"}, {33, "/dev/ttyUSB"}, {65, "/dev/ttyACM"}, {97, "/dev/rfcomm"}};
constexpr int NaRodzine = 32;
#endif

} // namespace

void TMapaPortow::UstawPrzypisanie(int numer, const QString& sciezka) {
    if (numer < 1 || numer > 1023) return;
    if (sciezka.isEmpty())
        przypisania.remove(numer);
    else
        przypisania.insert(numer, sciezka);
}

void TMapaPortow::CzytajPreferencje(QSettings& ustawienia) {
    ustawienia.beginGroup(QStringLiteral("Ports"));
    const QStringList klucze = ustawienia.childKeys();
    for (const QString& klucz : klucze) {
        if (!klucz.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)) continue;
        bool ok = false;
        const int numer = klucz.mid(3).toInt(&ok);
        if (ok) UstawPrzypisanie(numer, ustawienia.value(klucz).toString());
    }
    ustawienia.endGroup();
}

QString TMapaPortow::Sciezka(int numer) const {
    if (const auto it = przypisania.constFind(numer); it != przypisania.constEnd()) return *it;
#ifdef Q_OS_WIN
    // Ports from COM9 up need the device namespace prefix.
    const QString nazwa = QStringLiteral("COM%1").arg(numer);
    return numer >= 9 ? QStringLiteral("\\\\.\\") + nazwa : nazwa;
#else
    for (const TRodzinaUrzadzen& r : Rodziny)
        if (numer >= r.pierwszy && numer < r.pierwszy + NaRodzine)
            return QString::fromLatin1(r.przedrostek) + QString::number(numer - r.pierwszy);
    return {};
#endif
}

int TMapaPortow::NumerSciezki(const QString& sciezka) const {
    for (auto it = przypisania.constBegin(); it != przypisania.constEnd(); ++it)
        if (it.value() == sciezka) return it.key();
#ifdef Q_OS_WIN
    QString nazwa = sciezka;
    if (nazwa.startsWith(QLatin1String("\\\\.\\"))) nazwa = nazwa.mid(4);
    // A name that is not "COM" and digits gets 0, the connect item's tag.
    return nazwa.mid(3).toInt();
#else
    for (const TRodzinaUrzadzen& r : Rodziny) {
        const QString przedrostek = QString::fromLatin1(r.przedrostek);
        if (!sciezka.startsWith(przedrostek)) continue;
        bool ok = false;
        const int i = sciezka.mid(przedrostek.size()).toInt(&ok);
        if (ok && i >= 0 && i < NaRodzine) return r.pierwszy + i;
    }
    return 0;
#endif
}

QList<TDostepnyPort>
TMapaPortow::DostepnePorty(const QList<TUrzadzenieSystemowe>& systemowe) const {
    QMap<int, QString> porty;
    for (const TUrzadzenieSystemowe& u : systemowe) {
        const int numer = NumerSciezki(u.sciezka);
        if (numer < 1) continue;
#ifdef Q_OS_WIN
        porty.insert(numer, u.nazwa);
#else
        porty.insert(numer, QStringLiteral("COM%1 (%2)").arg(numer).arg(u.sciezka));
#endif
    }
    // Overrides such as pseudo-terminals are not enumerated by the system.
    for (auto it = przypisania.constBegin(); it != przypisania.constEnd(); ++it)
        if (QFileInfo::exists(it.value()))
            porty.insert(it.key(), QStringLiteral("COM%1 (%2)").arg(it.key()).arg(it.value()));

    QList<TDostepnyPort> wynik;
    for (auto it = porty.constBegin(); it != porty.constEnd(); ++it)
        wynik.append({it.key(), it.value()});
    return wynik;
}

QString TMapaPortow::SciezkaNumeruSeryjnego(const QString& numerSeryjny,
                                            const QList<TUrzadzenieSystemowe>& systemowe) {
    if (numerSeryjny.isEmpty()) return {};
    for (const TUrzadzenieSystemowe& u : systemowe)
        if (u.numerSeryjny == numerSeryjny) return u.sciezka;
    return {};
}
