#include "PolozenieOkna.h"

#include <algorithm>

namespace {

// The part of the title bar that must be reachable to move the window.
constexpr int UchwytSzer = 100;
constexpr int UchwytWys = 20;

bool NaEkranie(const QRect& okno, const QList<QRect>& ekrany) {
    const QRect uchwyt(okno.left(), okno.top(), std::min(okno.width(), UchwytSzer), UchwytWys);
    return std::any_of(ekrany.begin(), ekrany.end(),
                       [&](const QRect& e) { return e.contains(uchwyt); });
}

} // namespace

QRect PolozenieOkna(const std::optional<QRect>& zapisane, const QList<QRect>& ekrany,
                    const QRect& glowny, const QSize& minimum) {
    if (zapisane && zapisane->width() >= minimum.width() &&
        zapisane->height() >= minimum.height() && NaEkranie(*zapisane, ekrany))
        return *zapisane;
    const QSize rozmiar(std::max(glowny.width() * 9 / 10, minimum.width()),
                        std::max(glowny.height() * 9 / 10, minimum.height()));
    QRect okno(QPoint(), rozmiar);
    okno.moveCenter(glowny.center());
    return okno;
}
