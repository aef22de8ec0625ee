#include "Pty.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

bool PiszWszystko(int fd, const QByteArray& bajty, int msMaks) {
    QElapsedTimer zegar;
    zegar.start();
    qsizetype wyslane = 0;
    while (wyslane < bajty.size()) {
        const ssize_t n =
            ::write(fd, bajty.constData() + wyslane, static_cast<size_t>(bajty.size() - wyslane));
        if (n > 0) {
            wyslane += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        const qint64 zostalo = msMaks - zegar.elapsed();
        if (zostalo <= 0) return false;
        pollfd p{fd, POLLOUT, 0};
        ::poll(&p, 1, static_cast<int>(zostalo));
    }
    return true;
}

namespace {

// A serial port's lock file of a pseudo-terminal. A test that hung its line up frees the
// terminal's number while its port still holds the lock; a suite running beside it that is
// given the same number could not open it.
bool Zablokowany(const char* nazwa) {
    QString plik = QString::fromLocal8Bit(nazwa);
    plik.remove(QStringLiteral("/dev/")).replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char* katalog : {"/var/lock/", "/run/lock/", "/tmp/"})
        if (QFile::exists(QLatin1String(katalog) + QStringLiteral("LCK..") + plik)) return true;
    return false;
}

} // namespace

TPty::TPty() {
    std::vector<std::pair<int, int>> pominiete;
    for (int proba = 0; proba < 16; ++proba) {
        char nazwa[256] = {};
        termios tryb{};
        cfmakeraw(&tryb);
        int m = -1, s = -1;
        if (openpty(&m, &s, nazwa, &tryb, nullptr) != 0) break;
        if (Zablokowany(nazwa)) {
            pominiete.emplace_back(m, s);
            continue;
        }
        master = m;
        slave = s;
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
        sciezka = QString::fromLocal8Bit(nazwa);
        break;
    }
    for (const auto& [m, s] : pominiete) {
        close(s);
        close(m);
    }
}

TPty::~TPty() {
    Rozlacz();
}

void TPty::Rozlacz() {
    if (slave >= 0) close(slave);
    if (master >= 0) close(master);
    slave = master = -1;
}

int TPty::CzekajaceUAplikacji() const {
    int ile = 0;
    if (slave >= 0) ioctl(slave, FIONREAD, &ile);
    return ile;
}

void TPty::Czytaj(int msMaks) {
    if (master < 0) return;
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

void TPty::Wyslij(const QByteArray& bajty) {
    const int przed = CzekajaceUAplikacji();
    if (master < 0 || !PiszWszystko(master, bajty)) return;
    QElapsedTimer zegar;
    zegar.start();
    while (CzekajaceUAplikacji() < przed + bajty.size() && zegar.elapsed() < 5000)
        QThread::usleep(200);
}
