// What the user feels of the link: the cost of decoding one live frame, and of a 25 ms
// tick that finds nothing waiting on a real (pseudo-terminal) port.

#include "RamkaTestowa.h"
#include "Stanowisko.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

template <typename F> double MikrosekundNaRaz(int ile, F&& f) {
    QElapsedTimer zegar;
    zegar.start();
    for (int i = 0; i < ile; ++i)
        f();
    return double(zegar.nsecsElapsed()) / 1000.0 / ile;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TStanowisko st;
    st.s->OnTekst = nullptr;
    st.s->OnZdarzenie = [](int, int, int, int) {};

    QByteArray dane(86, '\0');
    for (int i = 0; i < dane.size(); ++i)
        dane[i] = static_cast<char>(i * 11);
    dane[0] = 0; // side message: map cell update
    dane[1] = 3;
    dane[3] = 40;
    const QByteArray linia = RamkaTestowa::Odpowiedz(0x90, dane);
    const double dekodowanie = MikrosekundNaRaz(200000, [&] {
        std::memcpy(st.s->RamkaRx, linia.constData(), static_cast<size_t>(linia.size()));
        st.s->AnalizaOdbioru(int(linia.size()));
    });

    if (!st.Otworz()) {
        std::fprintf(stderr, "cannot open a pseudo-terminal\n");
        return 1;
    }
    st.s->Timer1OnTimer();
    st.pty.Odbierz(100);
    st.s->CzekajSloty = INT_MAX; // every fourth tick only counts a wait slot
    const double tykniecie = MikrosekundNaRaz(20000, [&] { st.s->Timer1OnTimer(); });

    std::printf("live frame decode: %.3f us\n", dekodowanie);
    std::printf("idle tick on a pty: %.3f us\n", tykniecie);
    return 0;
}
