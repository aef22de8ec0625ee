#include "DemoMapy.h"

#include "TSterownik.h"

#include <algorithm>

namespace {

// Cell 16 x r + l: r the RPM index, l the load index. Times in 0.1 ms.
using TMapa = unsigned char[256];

// Petrol times of an idling-to-full-load engine; no cells at high RPM on a closed throttle,
// where the petrol controller cuts injection.
unsigned char CzasBenzyny(int r, int l) {
    if (r >= 10 && l <= 1) return 0;
    return static_cast<unsigned char>(std::min(250, 18 + 11 * l + r / 2));
}

// Gas runs about 12 % longer, more at low load where the reducer pressure dips.
unsigned char CzasGazu(int r, int l) {
    const int b = CzasBenzyny(r, l);
    return b == 0 ? 0 : static_cast<unsigned char>(std::min(250, b * 112 / 100 + (l < 4 ? 3 : 0)));
}

// The OBD maps around 128 (no correction): lean at low load, slightly rich at full load.
unsigned char KorektaObdBenzyny(int r, int l) {
    return static_cast<unsigned char>(124 + l / 2 + r / 8);
}
unsigned char KorektaObdGazu(int r, int l) {
    return static_cast<unsigned char>(121 + l / 2 + r / 6);
}

void Wypelnij(TMapa& mapa, unsigned char (*komorka)(int, int)) {
    for (int r = 0; r < 16; ++r)
        for (int l = 0; l < 16; ++l)
            mapa[16 * r + l] = komorka(r, l);
}

// Block bits of the petrol and gas maps and of the four OBD maps.
constexpr int BlokiMap = (1 << 16) | (1 << 17) | (1 << 20) | (1 << 21) | (1 << 22) | (1 << 23);

} // namespace

void DemoWolnossace(TSterownik& s) {
    Wypelnij(s.MapaEcuBen, CzasBenzyny);
    Wypelnij(s.MapaEcuGaz, CzasGazu);
    Wypelnij(s.MapaObdBen1, KorektaObdBenzyny);
    Wypelnij(s.MapaObdBen2, KorektaObdBenzyny);
    Wypelnij(s.MapaObdGaz1, KorektaObdGazu);
    Wypelnij(s.MapaObdGaz2, KorektaObdGazu);
    s.ZapiszDoSterownika(BlokiMap);
}

void DemoTurbo(TSterownik& s) {
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c) {
            const auto v = static_cast<unsigned char>(4 * c + r + 20);
            s.MapaEcuBen[16 * r + c] = v;
            s.MapaEcuGaz[16 * r + c] = v;
        }
}
