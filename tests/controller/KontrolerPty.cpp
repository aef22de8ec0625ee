#include "KontrolerPty.h"

#include "RamkaTestowa.h"

#include <QElapsedTimer>
#include <QThread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

TKontrolerPty::TKontrolerPty() {
    char nazwa[256] = {};
    termios tryb{};
    cfmakeraw(&tryb);
    if (openpty(&master, &slave, nazwa, &tryb, nullptr) != 0) return;
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    sciezka = QString::fromLocal8Bit(nazwa);
}

TKontrolerPty::~TKontrolerPty() {
    if (slave >= 0) close(slave);
    if (master >= 0) close(master);
}

std::optional<TZadanie> TKontrolerPty::Odbierz(int msMaks) {
    QElapsedTimer zegar;
    zegar.start();
    for (;;) {
        char kawalek[2048];
        const ssize_t n = read(master, kawalek, sizeof kawalek);
        if (n > 0) bufor.append(kawalek, static_cast<qsizetype>(n));
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
        pollfd p{master, POLLIN, 0};
        poll(&p, 1, static_cast<int>(zostalo));
    }
}

void TKontrolerPty::Rozlacz() {
    if (master >= 0) close(master);
    master = -1;
}

int TKontrolerPty::CzekajaceUAplikacji() const {
    int ile = 0;
    ioctl(slave, FIONREAD, &ile);
    return ile;
}

void TKontrolerPty::Wyslij(const QByteArray& bajty) {
    const int przed = CzekajaceUAplikacji();
    qsizetype wyslane = 0;
    while (wyslane < bajty.size()) {
        const ssize_t n =
            write(master, bajty.constData() + wyslane, static_cast<size_t>(bajty.size() - wyslane));
        if (n > 0) wyslane += n;
    }
    QElapsedTimer zegar;
    zegar.start();
    while (CzekajaceUAplikacji() < przed + bajty.size() && zegar.elapsed() < 1000)
        QThread::usleep(200);
}
