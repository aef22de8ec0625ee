// Any text table, looked up in every language, then reloaded shorter: the row cache
// must not lead a lookup past the end of the new table.

#include "Teksty.h"

#include <cstddef>
#include <cstdint>

namespace {

// Ids around the cache's edges, of the file dialogs, and of the fixed texts.
const int Idy[] = {
    -30, -52, 0, 999, 1000, 1103, 1112, TTeksty::NajwyzszyId, TTeksty::NajwyzszyId + 1, 99999};

void Szukaj(TTeksty& t) {
    for (int jezyk = Jezyki::Angielski; jezyk <= Jezyki::Hiszpanski; ++jezyk) {
        t.UstawJezyk(jezyk);
        for (const int id : Idy)
            (void)t.PodajTekst(id);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const QByteArray tabela(reinterpret_cast<const char*>(dane), qsizetype(rozmiar));
    TTeksty t;
    t.WczytajDane(tabela);
    Szukaj(t);
    t.WczytajDane(tabela.left(tabela.size() / 2));
    Szukaj(t);
    return 0;
}
