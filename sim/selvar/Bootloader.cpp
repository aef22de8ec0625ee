#include "Bootloader.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr char ZnacznikWersji[] = "SELVARFW";
constexpr std::size_t DlugoscZnacznika = 8;

} // namespace

void TBootloader::Wejdz() {
    if (aktywny) return;
    aktywny = true;
    std::fill(obraz.begin(), obraz.end(), 0xFF);
    std::fill(odebrane.begin(), odebrane.end(), false);
}

bool TBootloader::Wyjdz() {
    if (IleOdebranych() < LiczbaBlokow) return false;
    aktywny = false;
    ZapiszPlik();
    return true;
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

std::string TBootloader::Skrot() const {
    const QByteArray dane(reinterpret_cast<const char*>(obraz.data()),
                          static_cast<qsizetype>(obraz.size()));
    return QCryptographicHash::hash(dane, QCryptographicHash::Sha256).toHex().toStdString();
}

std::optional<TWersjaObrazu> TBootloader::Wersja() const {
    const std::uint8_t* r = obraz.data() + PolozenieWersji;
    if (std::memcmp(r, ZnacznikWersji, DlugoscZnacznika) != 0) return std::nullopt;
    const std::uint8_t* p = r + DlugoscZnacznika;
    return TWersjaObrazu{{p[0], p[1], p[2]}, p[3], {2000 + p[4], p[5], p[6]}};
}

bool TBootloader::ZapiszPlik() const {
    if (plik.empty()) return true;
    std::FILE* f = std::fopen(plik.c_str(), "wb");
    bool dobrze = f && std::fwrite(obraz.data(), 1, obraz.size(), f) == obraz.size();
    if (f) dobrze = std::fclose(f) == 0 && dobrze;
    if (!dobrze) std::fprintf(stderr, "selvar-sim: cannot write the image %s\n", plik.c_str());
    return dobrze;
}
