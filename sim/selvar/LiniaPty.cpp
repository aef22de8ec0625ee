#include "LiniaPty.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

TLiniaPty::TLiniaPty(QString l, QObject* rodzic) : QObject(rodzic), lacze(std::move(l)) {
    zegar.setSingleShot(true);
    connect(&zegar, &QTimer::timeout, this, &TLiniaPty::Pisz);
    czas.start();
}

TLiniaPty::~TLiniaPty() {
    Zamknij();
}

bool TLiniaPty::Otworz() {
    char nazwa[256] = {};
    if (openpty(&master, &slave, nazwa, nullptr, nullptr) != 0) {
        master = slave = -1;
        return false;
    }
    // Raw, so that no echo, line editing or character translation touches the bytes.
    termios t{};
    tcgetattr(slave, &t);
    cfmakeraw(&t);
    cfsetispeed(&t, B38400);
    cfsetospeed(&t, B38400);
    tcsetattr(slave, TCSANOW, &t);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    sciezka = QString::fromLocal8Bit(nazwa);
    czytanie = new QSocketNotifier(master, QSocketNotifier::Read, this);
    connect(czytanie, &QSocketNotifier::activated, this, &TLiniaPty::Czytaj);
    pisanie = new QSocketNotifier(master, QSocketNotifier::Write, this);
    pisanie->setEnabled(false);
    connect(pisanie, &QSocketNotifier::activated, this, &TLiniaPty::Pisz);
    UstawLacze();
    return true;
}

bool TLiniaPty::LaczeDozwolone() const {
    const QFileInfo info(lacze);
    return lacze.isEmpty() || info.isSymLink() || !info.exists();
}

void TLiniaPty::UstawLacze() {
    UsunLacze();
    if (!lacze.isEmpty()) QFile::link(sciezka, lacze);
}

// Only a link is ever removed, never a file that happens to have the name.
void TLiniaPty::UsunLacze() {
    if (!lacze.isEmpty() && QFileInfo(lacze).isSymLink()) QFile::remove(lacze);
}

void TLiniaPty::Zamknij() {
    if (master < 0) return;
    delete czytanie;
    delete pisanie;
    czytanie = pisanie = nullptr;
    zegar.stop();
    kolejka.clear();
    ::close(master);
    ::close(slave);
    master = slave = -1;
    // No link while there is no line, so the application cannot open a stale device.
    UsunLacze();
}

void TLiniaPty::Czytaj() {
    std::uint8_t bufor[4096];
    for (;;) {
        const ssize_t n = ::read(master, bufor, sizeof bufor);
        if (n > 0) {
            emit Odebrano(TBajty(bufor, bufor + n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        return;
    }
}

int TLiniaPty::Nieodebrane() const {
    int ile = 0;
    if (slave < 0 || ::ioctl(slave, FIONREAD, &ile) < 0) return 0;
    return ile;
}

void TLiniaPty::Wyslij(const std::vector<TKawalek>& kawalki) {
    if (master < 0) return;
    // From the next whole millisecond: a delay counted from a truncated one comes short.
    const qint64 teraz = (czas.nsecsElapsed() + 999999) / 1000000;
    qint64 kiedy = std::max(teraz, kolejka.empty() ? 0 : kolejka.back().kiedyMs);
    for (const TKawalek& k : kawalki) {
        kiedy += k.przerwaMs;
        kolejka.push_back({k.dane, kiedy});
    }
    Pisz();
}

void TLiniaPty::Pisz() {
    if (master < 0) return;
    pisanie->setEnabled(false);
    while (!kolejka.empty()) {
        TPlanowany& p = kolejka.front();
        const qint64 teraz = czas.elapsed();
        if (p.kiedyMs > teraz) {
            zegar.start(static_cast<int>(p.kiedyMs - teraz));
            return;
        }
        const ssize_t n = ::write(master, p.dane.data(), p.dane.size());
        if (n < 0) {
            // The slave's queue is full: wait until the line takes bytes again.
            if (errno == EAGAIN || errno == EINTR)
                pisanie->setEnabled(true);
            else
                kolejka.clear();
            return;
        }
        p.dane.erase(p.dane.begin(), p.dane.begin() + n);
        if (p.dane.empty()) kolejka.pop_front();
    }
}
