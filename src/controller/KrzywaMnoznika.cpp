#include "KrzywaMnoznika.h"

#include <algorithm>
#include <cmath>

void InterpolujMnoznik(unsigned char* p, const unsigned char* x, int dolna, int gorna) {
    int poprzedni = 0;
    for (int k = 1; k < PunktowMnoznika; ++k) {
        if (x[k] == 0) continue;
        const int x0 = x[poprzedni], x1 = x[k];
        if (x1 > x0) {
            const double nachylenie = double(p[x0] - p[x1]) / (x1 - x0);
            for (int j = x0; j < x1; ++j)
                p[j] = static_cast<unsigned char>(
                    std::clamp(int(std::trunc(p[x0] - (j - x0) * nachylenie)), dolna, gorna));
        }
        poprzedni = k;
    }
    const int ostatnia = x[PunktowMnoznika - 1];
    for (int i = ostatnia + 1; i < 256; ++i)
        p[i] = p[ostatnia];
}
