#include "AdapterPty.h"

#include <QElapsedTimer>
#include <QThread>

#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

TAdapterPty::TAdapterPty() {
    char nazwa[256] = {};
    termios tryb{};
    cfmakeraw(&tryb);
    if (openpty(&master, &slave, nazwa, &tryb, nullptr) != 0) return;
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    sciezka = QString::fromLocal8Bit(nazwa);
}

TAdapterPty::~TAdapterPty() {
    Zamknij();
}

void TAdapterPty::Zamknij() {
    if (slave >= 0) close(slave);
    if (master >= 0) close(master);
    slave = master = -1;
}

void TAdapterPty::Czytaj(int msMaks) {
    if (msMaks > 0) {
        pollfd p{master, POLLIN, 0};
        poll(&p, 1, msMaks);
    }
    char kawalek[2048];
    for (;;) {
        const ssize_t n = read(master, kawalek, sizeof kawalek);
        if (n <= 0) break;
        bufor.append(kawalek, static_cast<qsizetype>(n));
    }
}

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

void TAdapterPty::Wyslij(const QByteArray& bajty) {
    int przed = 0;
    ioctl(slave, FIONREAD, &przed);
    qsizetype wyslane = 0;
    while (wyslane < bajty.size()) {
        const ssize_t n =
            write(master, bajty.constData() + wyslane, static_cast<size_t>(bajty.size() - wyslane));
        if (n > 0) wyslane += n;
    }
    QElapsedTimer zegar;
    zegar.start();
    int teraz = 0;
    do {
        ioctl(slave, FIONREAD, &teraz);
        if (teraz >= przed + bajty.size()) break;
        QThread::usleep(200);
    } while (zegar.elapsed() < 1000);
}
