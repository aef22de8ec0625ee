#include "Sygnaly.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {

int gniazda[2] = {-1, -1};

// Only an async-signal-safe write here; the event loop does the rest.
void PoSygnale(int) {
    const char bajt = 1;
    [[maybe_unused]] const ssize_t n = ::write(gniazda[0], &bajt, 1);
}

} // namespace

void KonczPrzySygnale(QCoreApplication& aplikacja) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gniazda) != 0) return;
    auto* powiadomienie = new QSocketNotifier(gniazda[1], QSocketNotifier::Read, &aplikacja);
    QObject::connect(powiadomienie, &QSocketNotifier::activated, &aplikacja,
                     &QCoreApplication::quit);
    struct sigaction akcja {};
    akcja.sa_handler = PoSygnale;
    sigemptyset(&akcja.sa_mask);
    akcja.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &akcja, nullptr);
    sigaction(SIGINT, &akcja, nullptr);
}
