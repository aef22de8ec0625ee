// The controller's receive path fed as its line delivers: the input is a run of chunks,
// each written to a pseudo-terminal and followed by engine ticks. A chunk is raw bytes or
// a frame the harness seals with its length, checksum and scrambling, so that the reply
// decoders are reached and not only the checksum test.
//
// Chunk: flags (bit 0 sealed, bit 1 OBD module's start, bits 2..3 extra ticks), then
// raw: length, bytes; sealed: code, payload words, payload.

#include "KontrolerPty.h"
#include "MapaPortow.h"
#include "RamkaTestowa.h"
#include "TSterownik.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

constexpr int Port = 7;

class TWejscie {
public:
    TWejscie(const std::uint8_t* d, std::size_t n) : dane(d), rozmiar(n) {}
    bool Koniec() const { return pozycja >= rozmiar; }
    std::uint8_t Bajt() { return Koniec() ? 0 : dane[pozycja++]; }
    QByteArray Bajty(std::size_t n) {
        n = std::min(n, rozmiar - pozycja);
        QByteArray b(reinterpret_cast<const char*>(dane + pozycja), qsizetype(n));
        pozycja += n;
        return b;
    }

private:
    const std::uint8_t* dane;
    std::size_t rozmiar;
    std::size_t pozycja = 0;
};

QByteArray Kawalek(TWejscie& we, std::uint8_t flagi) {
    if (!(flagi & 1)) return we.Bajty(we.Bajt());
    const char start = (flagi & 2) ? '6' : 'V';
    const std::uint8_t kod = we.Bajt();
    const QByteArray ladunek = we.Bajty(2 * std::size_t(we.Bajt()));
    return RamkaTestowa::NaLinie(RamkaTestowa::Jawna(start, kod, ladunek));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication aplikacja(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    static const auto loguj = [](TSerial*, const QString&, TKolor) {};
    TKontrolerPty pty;
    TMapaPortow mapa;
    mapa.UstawPrzypisanie(Port, pty.Sciezka());
    TSterownik s(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
    s.Zegar().stop();
    s.CzasOtwarcia = 0;
    s.OnTekst = loguj; // the frame dump in the log reads the whole frame
    if (!s.PortOpen(Port)) return 0;
    TWejscie we(dane, rozmiar);
    while (!we.Koniec() && s.PortConnected()) {
        const std::uint8_t flagi = we.Bajt();
        pty.Wyslij(Kawalek(we, flagi));
        for (int i = 0; i <= (flagi >> 2 & 3); ++i)
            s.Timer1OnTimer();
    }
    return 0;
}
