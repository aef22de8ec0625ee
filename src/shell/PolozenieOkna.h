#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

// Where the main window opens. A stored placement is kept only when its top edge, where the
// title bar is grabbed, lies on one of the present screens (a laptop undocked from its second
// monitor would otherwise open the window out of sight). Otherwise the window takes 90 % of
// the main screen's free area, never less than its minimum, centred on that screen.
QRect PolozenieOkna(const std::optional<QRect>& zapisane, const QList<QRect>& ekrany,
                    const QRect& glowny, const QSize& minimum);
