#include "ZamrozonaRamka.h"

#include "DekodowaniePid.h"
#include "ElmTekst.h"
#include "KodyBledow.h"

#include <algorithm>

namespace {

constexpr std::uint32_t OdpowiedzRamki = 0x42;
constexpr std::uint32_t Ramka0 = 0x00;

} // namespace

std::optional<QList<std::uint32_t>> DaneZamrozone(QByteArrayView odpowiedz, int protokol, int ecu,
                                                  int numerPid) {
    const QList<std::uint32_t> poczatek{OdpowiedzRamki, static_cast<std::uint32_t>(numerPid),
                                        Ramka0};
    for (const TWiadomosc& w : WiadomosciEcu(odpowiedz, protokol))
        if (w.ecu == ecu && w.bajty.first(std::min(w.bajty.size(), poczatek.size())) == poczatek)
            return w.bajty.mid(poczatek.size());
    return std::nullopt;
}

QList<int> PidyZMapy(std::uint32_t mapa, int baza) {
    QList<int> pidy;
    for (int i = 0; i < 32; ++i)
        if (((mapa >> (31 - i)) & 1) != 0) pidy << baza + 1 + i;
    return pidy;
}

QByteArray TekstBajtow(const QList<std::uint32_t>& bajty) {
    QByteArray tekst;
    for (const std::uint32_t b : bajty)
        tekst += Hex(b & 0xFF, 2) + ' ';
    return tekst;
}

TWartoscPid WartoscZBajtow(const pid& p, int numerPid, const QList<std::uint32_t>& bajty) {
    pid bezJednostki = p;
    bezJednostki.Jednostka.clear();
    return {numerPid, TekstPid(bezJednostki, numerPid, TekstBajtow(bajty)), p.Jednostka};
}
