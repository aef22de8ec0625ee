// A settings file of any content, loaded offline and then shown as the windows show it:
// identity texts and every live-value list its board and settings give.

#include "MapaPortow.h"
#include "PlikiFuzz.h"
#include "TSterownik.h"
#include "TWykres.h"
#include "Teksty.h"

namespace {

const int WidokiListy[] = {Widoki::Listy,     Widoki::TabelaParametrow, Widoki::Oscyloskop,
                           Widoki::Serwisowe, Widoki::SiatkaParametrow, Widoki::CzasyWtrysku};

void Pokaz(TSterownik& s) {
    const QString teksty[] = {s.StrNazwaSterownika(), s.StrKodKreskowy(),     s.StrDataProdukcji(),
                              s.StrWersjaCyframi(3),  s.StrIleWtryskiwaczy(), s.StrCzasNaBenzynie(),
                              s.StrCzasNaGazie(),     s.StrCzasPrzegladu(),   s.StrIdentWlasny()};
    (void)teksty;
    for (const int widok : WidokiListy)
        for (int n = 0; n < s.PodajIleParamBiez(widok); ++n)
            (void)s.StrParamBiez(widok, n);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    static TOknaFuzz okna(QStringLiteral("ustawienia.set"));
    static const TMapaPortow mapa;
    static const TTeksty teksty = [] {
        TTeksty t;
        t.Wczytaj();
        return t;
    }();
    if (!okna.Wpisz(dane, rozmiar)) return 0;
    TSterownik s(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
    s.Zegar().stop();
    s.Teksty = &teksty;
    s.OknaPlikow = &okna;
    s.CzytajUstawienia();
    Pokaz(s);
    return 0;
}
