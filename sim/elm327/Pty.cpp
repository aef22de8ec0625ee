#include "Pty.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

TPty::TPty(QObject* rodzic) : QObject(rodzic) {}

TPty::~TPty() {
    Zamknij();
}

bool TPty::Otworz() {
    char nazwa[128] = {};
    if (::openpty(&master, &slave, nazwa, nullptr, nullptr) != 0) {
        master = slave = -1;
        return false;
    }
    // No echo, no line editing, no CR/LF translation by the terminal driver: the adapter
    // itself decides every byte the application sees.
    termios tryb{};
    ::tcgetattr(slave, &tryb);
    ::cfmakeraw(&tryb);
    ::cfsetspeed(&tryb, B38400);
    ::tcsetattr(slave, TCSANOW, &tryb);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    sciezka = QString::fromLocal8Bit(nazwa);
    odczyt = new QSocketNotifier(master, QSocketNotifier::Read, this);
    connect(odczyt, &QSocketNotifier::activated, this, &TPty::Czytaj);
    zapis = new QSocketNotifier(master, QSocketNotifier::Write, this);
    zapis->setEnabled(false);
    connect(zapis, &QSocketNotifier::activated, this, &TPty::Pisz);
    return true;
}

void TPty::Zamknij() {
    if (master < 0) return;
    delete odczyt;
    delete zapis;
    odczyt = zapis = nullptr;
    ::close(master);
    ::close(slave);
    master = slave = -1;
    doWyslania.clear();
}

void TPty::Czytaj() {
    char bufor[512];
    for (;;) {
        const ssize_t n = ::read(master, bufor, sizeof bufor);
        if (n > 0) {
            emit Odebrano(QByteArray(bufor, static_cast<int>(n)));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return;
        }
    }
}

void TPty::Wyslij(const QByteArray& bajty) {
    if (master < 0) return;
    doWyslania += bajty;
    Pisz();
}

void TPty::Pisz() {
    zapis->setEnabled(false);
    while (!doWyslania.isEmpty()) {
        const ssize_t n =
            ::write(master, doWyslania.constData(), static_cast<size_t>(doWyslania.size()));
        if (n > 0) {
            doWyslania.remove(0, static_cast<int>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            // The slave's input queue is full (nobody reads it now): wait for room.
            zapis->setEnabled(true);
            return;
        } else {
            doWyslania.clear();
            return;
        }
    }
}
