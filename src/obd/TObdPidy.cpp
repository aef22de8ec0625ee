// Reading PIDs: finding the main ECU's answer, decoding it, the supported bitmaps and the
// order of the cycle.

#include "DekodowaniePid.h"
#include "ElmTekst.h"
#include "KoloryObd.h"
#include "TObd.h"
#include "TSterownik.h"

int TObd::SzukajEcuPid(unsigned char numerPid) const {
    return ::SzukajEcuPid(Odpowiedz, Protokol, Ecu, numerPid, Pidy[numerPid].Bajty);
}

QByteArrayView TObd::DaneOd(int pozycja) const {
    // The pattern may end the answer, so its data (after one space) may be missing.
    return QByteArrayView(Odpowiedz).sliced(std::min<qsizetype>(pozycja - 1, Odpowiedz.size()));
}

int TObd::WyswietlPid() {
    if (AktualnyPid < 0 || AktualnyPid >= static_cast<int>(Pidy.size())) return 0;
    const pid& e = Pidy[static_cast<std::size_t>(AktualnyPid)];
    const int pozycja = SzukajEcuPid(static_cast<unsigned char>(AktualnyPid));
    if (pozycja == 0) return 0;
    const QByteArrayView dane = DaneOd(pozycja);
    const std::uint32_t v = TekstNaInt(dane, e.Bajty);
    const std::uint32_t a = TekstNaInt(dane, 1);
    PrzekazSterownikowi(AktualnyPid, v, a);
    if (SiatkaPid && e.Wiersz >= 0)
        SiatkaPid->UstawKomorke(TrybListy == 0 ? 4 : 2, e.Wiersz, TekstPid(e, AktualnyPid, dane));
    return 1;
}

void TObd::PrzekazSterownikowi(int numerPid, std::uint32_t v, std::uint32_t a) {
    if (!Sterownik) return;
    unsigned char* stan = Sterownik->StanObd;
    const auto niski = static_cast<unsigned char>(v & 0xFF);
    const auto pierwszy = static_cast<unsigned char>(a & 0xFF);
    switch (numerPid) {
    case 0x14:
        stan[3] = niski;
        break; // the sensor's trim byte
    case 0x15:
    case 0x18:
        stan[4] = niski;
        break;
    case 0x03:
        stan[5] = pierwszy;
        stan[6] = niski;
        break; // fuel systems 1 and 2
    case 0x06:
    case 0x07:
    case 0x08:
    case 0x09:
        // 0 means "no value" to the gas controller.
        stan[7 + numerPid - 0x06] = pierwszy == 0 ? 1 : pierwszy;
        break;
    default:
        break;
    }
    stan[11] = 0;
    Sterownik->WyslijObd = 1;
}

void TObd::PIDsupported(int baza) {
    if (baza == 0) {
        for (std::size_t i = 1; i < Pidy.size(); ++i)
            Pidy[i].Obslugiwany = false;
        Pidy[0].Obslugiwany = true;
    }
    const int pozycja = SzukajEcuPid(static_cast<unsigned char>(baza));
    if (pozycja == 0) return;
    const std::uint32_t v = TekstNaInt(DaneOd(pozycja), 4);
    // Bit 31, the highest bit of A, is PID base + 1; bit 0 the next bitmap PID.
    for (int i = 0; i < 32; ++i) {
        const auto numer = static_cast<std::size_t>(baza + 1 + i);
        if (numer < Pidy.size()) Pidy[numer].Obslugiwany = ((v >> (31 - i)) & 1) != 0;
    }
    DoOnTekst(QStringLiteral("PIDs supported 0x") + QString::fromLatin1(Hex(v, 4)),
              KoloryObd::Wynik);
}

void TObd::KolejnyPid() {
    const int rozmiar = static_cast<int>(Pidy.size());
    if (AktualnyPid < 0 || AktualnyPid >= rozmiar) AktualnyPid = 0;
    const auto doCzytania = [this](int i) {
        const pid& p = Pidy[static_cast<std::size_t>(i)];
        return p.Obslugiwany && p.Wybrany;
    };
    int znaleziony = -1;
    for (int i = AktualnyPid + 1; i < rozmiar && znaleziony < 0; ++i)
        if (doCzytania(i)) znaleziony = i;
    for (int i = 0; i <= AktualnyPid && znaleziony < 0; ++i)
        if (doCzytania(i)) znaleziony = i;
    if (znaleziony < 0) return;
    AktualnyPid = znaleziony;
    Nadaj("01" + Hex(static_cast<std::uint32_t>(znaleziony), 2) + "\r");
}
