#include "DziennikJson.h"

TDziennikJson::~TDziennikJson() {
    if (plik) std::fclose(plik);
}

bool TDziennikJson::Otworz(const std::string& sciezka) {
    plik = std::fopen(sciezka.c_str(), "w");
    return plik != nullptr;
}

std::string TDziennikJson::Linia(double t, const TZadanie& zadanie, bool odpowiedziano) {
    static const char cyfry[] = "0123456789ABCDEF";
    std::string ladunek;
    for (std::size_t i = 4; i < zadanie.ramka.size(); ++i) {
        if (!ladunek.empty()) ladunek += ' ';
        ladunek += cyfry[zadanie.ramka[i] >> 4];
        ladunek += cyfry[zadanie.ramka[i] & 0x0F];
    }
    char naglowek[96];
    std::snprintf(naglowek, sizeof naglowek,
                  "{\"t\": %.3f, \"start\": %u, \"code\": %u, \"payload\": \"", t,
                  static_cast<unsigned>(zadanie.start), static_cast<unsigned>(zadanie.kod));
    std::string linia = naglowek + ladunek + "\"";
    if (zadanie.zlaSuma) linia += ", \"bad\": true";
    linia += odpowiedziano ? ", \"answered\": true}" : ", \"answered\": false}";
    return linia;
}

void TDziennikJson::Zapisz(double t, const TZadanie& zadanie, bool odpowiedziano) {
    if (!plik) return;
    const std::string linia = Linia(t, zadanie, odpowiedziano) + "\n";
    std::fwrite(linia.data(), 1, linia.size(), plik);
    std::fflush(plik);
}
