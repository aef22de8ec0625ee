// Any description table: the five-character code to look up, then the table's bytes.

#include "OpisyKodow.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    constexpr std::size_t DlugoscKodu = 5;
    if (rozmiar < DlugoscKodu) return 0;
    const QByteArrayView kod(dane, qsizetype(DlugoscKodu));
    const QByteArrayView tabela(dane + DlugoscKodu, qsizetype(rozmiar - DlugoscKodu));
    (void)OpisKoduZTabeli(tabela, kod);
    (void)OpisKoduZTabeli(tabela, "P0301");
    (void)TekstOpisuZBajtow(tabela);
    return 0;
}
