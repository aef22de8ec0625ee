#include "CzekanieNaOdczyt.h"

#include "TSterownik.h"

#include <QDialog>

namespace {
constexpr int BlokHistorii = 0x80;
} // namespace

TCzekanieNaOdczyt::TCzekanieNaOdczyt(QDialog& okno, const TSterownik& ster, std::function<void()> w)
    : QObject(&okno), s(ster), wypelnij(std::move(w)) {
    timer1.setParent(&okno);
    timer1.setObjectName(QStringLiteral("Timer1"));
    timer1.setInterval(100);
    connect(&timer1, &QTimer::timeout, this, [this] {
        if (s.DoOdczytu & BlokHistorii) return;
        timer1.stop();
        wypelnij();
    });
    connect(&okno, &QDialog::finished, &timer1, &QTimer::stop);
}

void TCzekanieNaOdczyt::Start() {
    timer1.start();
}
