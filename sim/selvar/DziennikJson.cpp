#include "DziennikJson.h"

TDziennikJson::~TDziennikJson() {
    if (plik) std::fclose(plik);
}

bool TDziennikJson::Otworz(const std::string& sciezka) {
    plik = std::fopen(sciezka.c_str(), "w");
    return plik != nullptr;
}

namespace {

// "5A 00 01", bytes from od on.
std::string Szesnastkowo(const TBajty& bajty, std::size_t od) {
    static const char cyfry[] = "0123456789ABCDEF";
    std::string tekst;
    for (std::size_t i = od; i < bajty.size(); ++i) {
        if (!tekst.empty()) tekst += ' ';
        tekst += cyfry[bajty[i] >> 4];
        tekst += cyfry[bajty[i] & 0x0F];
    }
    return tekst;
}

// ["56 1A ...", ...]
std::string Lista(const std::vector<TBajty>& ramki) {
    std::string lista = "[";
    for (std::size_t i = 0; i < ramki.size(); ++i)
        lista += (i ? ", \"" : "\"") + Szesnastkowo(ramki[i], 0) + "\"";
    return lista + "]";
}

} // namespace

std::string TDziennikJson::Linia(double t, const TZadanie& zadanie,
                                 const std::vector<TBajty>& odpowiedzi, int niewidoczne,
                                 const std::string& dodatek) {
    const std::string ladunek = Szesnastkowo(zadanie.ramka, 4);
    char naglowek[96];
    std::snprintf(naglowek, sizeof naglowek,
                  "{\"t\": %.3f, \"start\": %u, \"code\": %u, \"payload\": \"", t,
                  static_cast<unsigned>(zadanie.start), static_cast<unsigned>(zadanie.kod));
    std::string linia = naglowek + ladunek + "\"";
    if (zadanie.zlaSuma) linia += ", \"bad\": true";
    linia += odpowiedzi.empty() ? ", \"answered\": false" : ", \"answered\": true";
    linia += ", \"replies\": " + Lista(odpowiedzi);
    if (niewidoczne) linia += ", \"unseen\": " + std::to_string(niewidoczne);
    return linia + dodatek + "}";
}

std::string TDziennikJson::Pole(const char* nazwa, const std::vector<TBajty>& ramki) {
    if (ramki.empty()) return {};
    return std::string(", \"") + nazwa + "\": " + Lista(ramki);
}

void TDziennikJson::Zapisz(double t, const TZadanie& zadanie, const std::vector<TBajty>& odpowiedzi,
                           int niewidoczne, const std::string& dodatek) {
    if (!plik) return;
    const std::string linia = Linia(t, zadanie, odpowiedzi, niewidoczne, dodatek) + "\n";
    std::fwrite(linia.data(), 1, linia.size(), plik);
    std::fflush(plik);
}
