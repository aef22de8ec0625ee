#include "ElmTekst.h"

namespace {

constexpr qsizetype NajdluzszyOdczyt = 255;

int WartoscCyfry(char znak) {
    if (znak >= '0' && znak <= '9') return znak - '0';
    if (znak >= 'a' && znak <= 'f') return znak - 'a' + 10;
    if (znak >= 'A' && znak <= 'F') return znak - 'A' + 10;
    return -1;
}

} // namespace

int Analizuj(QByteArrayView tekst, QByteArrayView wzor) {
    return static_cast<int>(tekst.indexOf(wzor) + 1);
}

bool CzyBlad(QByteArrayView tekst) {
    // The adapter's answer when no protocol connects carries neither NO nor ERROR; read as
    // data it would end the protocol search on its first candidate.
    return tekst.contains("NO DATA") || tekst.contains("ERROR") || tekst.contains("NO") ||
           tekst.contains("UNABLE TO CONNECT");
}

std::uint32_t TekstNaInt(QByteArrayView tekst, int n) {
    std::uint32_t wynik = 0;
    const qsizetype koniec = std::min(tekst.size(), NajdluzszyOdczyt);
    for (qsizetype i = 0; i < koniec; ++i) {
        const char znak = tekst[i];
        // A value never spans lines: without this, an answer line that ends without a
        // trailing space would take in the digits of the next ECU's header.
        if (znak == '\0' || znak == '\r' || znak == '\n') break;
        if (znak == ' ') {
            if (--n <= 0) break;
            continue;
        }
        const int cyfra = WartoscCyfry(znak);
        if (cyfra >= 0) wynik = (wynik << 4) | static_cast<std::uint32_t>(cyfra);
    }
    return wynik;
}

std::vector<std::uint32_t> BajtyDanych(QByteArrayView tekst, int n) {
    std::vector<std::uint32_t> bajty;
    std::uint32_t bajt = 0;
    bool cyfry = false;
    for (const char znak : tekst) {
        if (static_cast<int>(bajty.size()) >= n || znak == '\r' || znak == '\n' || znak == '\0')
            break;
        const int cyfra = WartoscCyfry(znak);
        if (cyfra >= 0) {
            bajt = (bajt << 4) | static_cast<std::uint32_t>(cyfra);
            cyfry = true;
        } else if (znak == ' ' && cyfry) {
            bajty.push_back(bajt);
            bajt = 0;
            cyfry = false;
        }
    }
    if (cyfry && static_cast<int>(bajty.size()) < n) bajty.push_back(bajt);
    return bajty;
}

QByteArray Hex(std::uint32_t wartosc, int cyfr) {
    return QByteArray::number(wartosc, 16).toUpper().rightJustified(cyfr, '0');
}

QString TekstDoLogu(QByteArrayView bajty) {
    QString tekst;
    tekst.reserve(bajty.size());
    for (const char znak : bajty) {
        const auto bajt = static_cast<unsigned char>(znak);
        tekst += bajt < 16 || bajt > 127 ? QChar(u'.') : QChar(char16_t(bajt));
    }
    return tekst;
}
