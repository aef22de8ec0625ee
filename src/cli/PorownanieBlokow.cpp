#include "PorownanieBlokow.h"

namespace {

constexpr int DaneRamki = 6; // a block's 256 bytes start at frame byte 6
constexpr int RozmiarBloku = 256;

} // namespace

QByteArray BlokRamki(const unsigned char* ramka) {
    return QByteArray(reinterpret_cast<const char*>(ramka + DaneRamki), RozmiarBloku);
}

QString Roznica(const QString& nazwa, const QByteArray& zapisany, const QByteArray& odczytany) {
    if (zapisany.isEmpty()) return QStringLiteral("differs: %1, never written").arg(nazwa);
    if (odczytany.isEmpty()) return QStringLiteral("differs: %1, never read back").arg(nazwa);
    int ile = 0, pierwszy = -1;
    for (int i = 0; i < RozmiarBloku; ++i)
        if (zapisany[i] != odczytany[i]) {
            ++ile;
            if (pierwszy < 0) pierwszy = i;
        }
    if (ile == 0) return {};
    return QStringLiteral("differs: %1, %2 bytes, first at %3 (written 0x%4, read 0x%5)")
        .arg(nazwa)
        .arg(ile)
        .arg(pierwszy)
        .arg(quint8(zapisany[pierwszy]), 2, 16, QLatin1Char('0'))
        .arg(quint8(odczytany[pierwszy]), 2, 16, QLatin1Char('0'));
}
