#pragma once

#include "TSterownik.h"

#include <QElapsedTimer>
#include <QThread>

#include <functional>

// Ticks the link every 2.5 ms, ten times its own pace as the fast simulator runs, until
// warunek holds; false after ms.
inline bool TykajDo(TSterownik& s, const std::function<bool()>& warunek, int ms) {
    QElapsedTimer czas;
    czas.start();
    while (!warunek()) {
        if (czas.elapsed() > ms) return false;
        s.Timer1OnTimer();
        QThread::usleep(2500);
    }
    return true;
}
