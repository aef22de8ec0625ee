// A scope recording of any content, played back and exported as the oscilloscope does.

#include "EksportCsv.h"
#include "MapaPortow.h"
#include "PlikiFuzz.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <algorithm>
#include <vector>

namespace {

// Every sample costs a CSV row; a few show any fault a long recording would.
constexpr int EksportowaneProbki = 40;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    static TOknaFuzz okna(QStringLiteral("zapis.osc"));
    static const TMapaPortow mapa;
    static const TTeksty teksty = [] {
        TTeksty t;
        t.Wczytaj();
        return t;
    }();
    static std::vector<unsigned char> probki(std::size_t(TSterownik::MaksProbek) *
                                             TSterownik::RozmiarProbki);
    if (!okna.Wpisz(dane, rozmiar)) return 0;
    TSterownik s(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
    s.Zegar().stop();
    s.Teksty = &teksty;
    s.OknaPlikow = &okna;
    const int ile = s.CzytajOscyloskop(probki.data());
    (void)TekstCsv(s, probki.data(), std::min(ile, EksportowaneProbki));
    return 0;
}
