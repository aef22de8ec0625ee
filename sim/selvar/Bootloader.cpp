#include "Bootloader.h"

#include <algorithm>
#include <cstdio>

void TBootloader::Wyjdz() {
    aktywny = false;
    ZapiszPlik();
}

bool TBootloader::Zapisz(unsigned numer, const TBajty& dane) {
    if (numer >= LiczbaBlokow || dane.size() != RozmiarBloku) return false;
    std::copy(dane.begin(), dane.end(),
              obraz.begin() + static_cast<std::ptrdiff_t>(numer * RozmiarBloku));
    odebrane[numer] = true;
    return true;
}

std::size_t TBootloader::IleOdebranych() const {
    return static_cast<std::size_t>(std::count(odebrane.begin(), odebrane.end(), true));
}

bool TBootloader::ZapiszPlik() const {
    if (plik.empty()) return true;
    std::FILE* f = std::fopen(plik.c_str(), "wb");
    bool dobrze = f && std::fwrite(obraz.data(), 1, obraz.size(), f) == obraz.size();
    if (f) dobrze = std::fclose(f) == 0 && dobrze;
    if (!dobrze) std::fprintf(stderr, "selvar-sim: cannot write the image %s\n", plik.c_str());
    return dobrze;
}
