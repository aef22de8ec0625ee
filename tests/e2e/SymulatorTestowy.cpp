#include "SymulatorTestowy.h"

#include "Pty.h"

#include <QElapsedTimer>

#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace RamkaTestu {

// The scrambling chain starts from the checksum XOR 0xD3 and runs over the plain bytes;
// each wire byte also carries 255 - its position.
namespace {
quint8 Maska(int pozycja) {
    return static_cast<quint8>(255 - (pozycja % 256));
}
} // namespace

quint8 Bajt(const QByteArray& ramka, int pozycja) {
    return static_cast<quint8>(ramka.at(pozycja));
}

unsigned U16(const QByteArray& ramka, int pozycja) {
    return Bajt(ramka, pozycja) + 256u * Bajt(ramka, pozycja + 1);
}

bool SumaZgodna(const QByteArray& ramka) {
    quint8 suma = 0;
    for (char c : ramka)
        suma = static_cast<quint8>(suma + static_cast<quint8>(c));
    return suma == 0;
}

QByteArray Zadanie(char start, quint8 kod, QByteArray ladunek) {
    if (ladunek.size() % 2) ladunek.append('\0');
    QByteArray jawna;
    jawna.append(start)
        .append('\0')
        .append(static_cast<char>(ladunek.size() / 2))
        .append(static_cast<char>(kod));
    jawna.append(ladunek);
    quint8 suma = 0;
    for (char c : jawna)
        suma = static_cast<quint8>(suma + static_cast<quint8>(c));
    jawna[1] = static_cast<char>(static_cast<quint8>(-suma));
    QByteArray przewod = jawna;
    for (int i = 4; i < jawna.size(); ++i) {
        const quint8 poprzedni = i == 4 ? Bajt(jawna, 1) ^ 0xD3 : Bajt(jawna, i - 1);
        przewod[i] = static_cast<char>(Bajt(jawna, i) ^ poprzedni ^ Maska(i));
    }
    return przewod;
}

QByteArray Jawna(const QByteArray& przewod) {
    QByteArray jawna = przewod;
    for (int i = 4; i < jawna.size(); ++i) {
        const quint8 poprzedni = i == 4 ? Bajt(jawna, 1) ^ 0xD3 : Bajt(jawna, i - 1);
        jawna[i] = static_cast<char>(Bajt(przewod, i) ^ poprzedni ^ Maska(i));
    }
    return jawna;
}

QByteArray ZSuma(QByteArray blok) {
    blok[0] = 0;
    quint8 suma = 0;
    for (char c : blok)
        suma = static_cast<quint8>(suma + static_cast<quint8>(c));
    blok[0] = static_cast<char>(static_cast<quint8>(-suma));
    return blok;
}

} // namespace RamkaTestu

TPortTestowy::TPortTestowy(const QString& sciezka) {
    fd = ::open(sciezka.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return;
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
}

TPortTestowy::~TPortTestowy() {
    if (fd >= 0) ::close(fd);
}

void TPortTestowy::Wyslij(const QByteArray& bajty) {
    if (fd >= 0) PiszWszystko(fd, bajty);
}

QByteArray TPortTestowy::Czytaj(int ms, int ile) {
    QElapsedTimer czas;
    czas.start();
    QByteArray wynik;
    while (wynik.size() < ile && czas.elapsed() < ms) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(ms - czas.elapsed())) <= 0) continue;
        char wejscie[4096];
        const ssize_t n = ::read(fd, wejscie, sizeof wejscie);
        if (n <= 0) break;
        wynik.append(wejscie, n);
    }
    return wynik;
}

bool TPortTestowy::Rozlaczony(int ms) {
    QElapsedTimer czas;
    czas.start();
    while (czas.elapsed() < ms) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(ms - czas.elapsed())) <= 0) continue;
        char wejscie[4096];
        const ssize_t n = ::read(fd, wejscie, sizeof wejscie);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return true;
    }
    return false;
}

std::optional<QByteArray> TPortTestowy::Ramka(int ms) {
    QElapsedTimer czas;
    czas.start();
    for (;;) {
        if (bufor.size() >= 4) {
            const int dlugosc = 4 + 2 * RamkaTestu::Bajt(bufor, 2);
            if (bufor.size() >= dlugosc) {
                const QByteArray ramka = RamkaTestu::Jawna(bufor.left(dlugosc));
                bufor.remove(0, dlugosc);
                return ramka;
            }
        }
        const qint64 zostalo = ms - czas.elapsed();
        if (zostalo <= 0) return std::nullopt;
        const QByteArray nowe = Czytaj(static_cast<int>(zostalo), 1);
        if (nowe.isEmpty()) return std::nullopt;
        bufor.append(nowe);
    }
}

std::optional<QByteArray> TPortTestowy::Zapytaj(char start, quint8 kod, const QByteArray& ladunek,
                                                int ms) {
    Wyslij(RamkaTestu::Zadanie(start, kod, ladunek));
    const char odpowiedz = start == 'c' ? '6' : 'V';
    QElapsedTimer czas;
    czas.start();
    while (czas.elapsed() < ms) {
        const auto r = Ramka(static_cast<int>(ms - czas.elapsed()));
        if (!r) return std::nullopt;
        if (r->at(0) == odpowiedz && RamkaTestu::Bajt(*r, 3) == kod) return r;
    }
    return std::nullopt;
}

QByteArray TPortTestowy::ZNonce(const QByteArray& dane, quint8 nonce) {
    QByteArray b;
    b.append(static_cast<char>(nonce)).append('\0').append(dane);
    return b;
}
