#include "KontrolerPty.h"

#include "RamkaTestowa.h"

#include <QElapsedTimer>

std::optional<TZadanie> TKontrolerPty::Odbierz(int msMaks) {
    QElapsedTimer zegar;
    zegar.start();
    for (;;) {
        Czytaj(0);
        if (bufor.size() >= 4) {
            const int dlugosc = 4 + 2 * static_cast<std::uint8_t>(bufor[2]);
            if (bufor.size() >= dlugosc) {
                const QByteArray jawna = RamkaTestowa::ZLinii(bufor.left(dlugosc));
                bufor.remove(0, dlugosc);
                return TZadanie{jawna[0], static_cast<std::uint8_t>(jawna[3]), jawna.mid(4),
                                RamkaTestowa::Suma(jawna) == 0};
            }
        }
        const qint64 zostalo = msMaks - zegar.elapsed();
        if (zostalo <= 0) return std::nullopt;
        Czytaj(static_cast<int>(zostalo));
    }
}
