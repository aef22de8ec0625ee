#include "AdapterPty.h"

#include <QElapsedTimer>

#include <utility>

std::optional<QByteArray> TAdapterPty::Komenda(int msMaks) {
    QElapsedTimer zegar;
    zegar.start();
    bool przeczytano = false;
    for (;;) {
        const qsizetype cr = bufor.indexOf('\r');
        if (cr >= 0) {
            const QByteArray komenda = bufor.left(cr + 1);
            bufor.remove(0, cr + 1);
            return komenda;
        }
        const qint64 zostalo = msMaks - zegar.elapsed();
        if (zostalo <= 0 && przeczytano) return std::nullopt;
        Czytaj(static_cast<int>(std::max<qint64>(zostalo, 0)));
        przeczytano = true;
    }
}

QByteArray TAdapterPty::Reszta() {
    Czytaj(0);
    return std::exchange(bufor, {});
}
