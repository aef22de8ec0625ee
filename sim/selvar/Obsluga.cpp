#include "Obsluga.h"

#include "KodekRamki.h"

namespace {

TBajty Odpowiedz(const TZadanie& z, const TBajty& ladunek) {
    const std::uint8_t start =
        z.start == Kodek::StartDoModulu ? Kodek::StartOdModulu : Kodek::StartOdSterownika;
    return Kodek::ZbudujRamke(start, z.kod, ladunek);
}

// An acknowledgement: the nonce and status 0, nothing else.
std::vector<TBajty> Potwierdz(const TZadanie& z) {
    return {Odpowiedz(z, {z.Bajt(0), 0})};
}

TBajty ZDanymi(const TZadanie& z, const TBajty& dane) {
    // Built by reserve and push: GCC 12 at -O3 misreads an insert after a braced list.
    TBajty ladunek;
    ladunek.reserve(2 + dane.size());
    ladunek.push_back(z.Bajt(0));
    ladunek.push_back(0);
    ladunek.insert(ladunek.end(), dane.begin(), dane.end());
    return Odpowiedz(z, ladunek);
}

} // namespace

TObslugaRozkazow::TObslugaRozkazow(TPamiecSterownika& p, TTozsamosc& t, TBledy& b, TModel& m,
                                   TBootloader& bl, TModulObd* mo)
    : pamiec(p), tozsamosc(t), bledy(b), model(m), bootloader(bl), modul(mo) {}

std::vector<TBajty> TObslugaRozkazow::Obsluz(const TZadanie& z, double teraz) {
    if (z.zlaSuma) return {};
    if (bootloader.Aktywny())
        return z.start == Kodek::StartDoSterownika ? Bootloadera(z) : std::vector<TBajty>{};
    return z.start == Kodek::StartDoModulu ? Modul(z) : Sterownik(z, teraz);
}

std::vector<TBajty> TObslugaRozkazow::Sterownik(const TZadanie& z, double teraz) {
    if ((z.kod & 0xF0) == Rozkaz::Biezace) return Biezace(z, teraz);
    if (auto blok = TPamiecSterownika::PoOdczycie(z.start, z.kod)) return CzytajBlok(z, *blok);
    if (auto blok = TPamiecSterownika::PoZapisie(z.start, z.kod)) return ZapiszBlok(z, *blok);
    return Rozkazy(z);
}

std::vector<TBajty> TObslugaRozkazow::Rozkazy(const TZadanie& z) {
    switch (z.kod) {
    case Rozkaz::Tozsamosc:
        return {Odpowiedz(z, tozsamosc.Ladunek(z.Bajt(0), 0))};
    case Rozkaz::Bledy:
        return {Odpowiedz(z, bledy.Ladunek(z.Bajt(0)))};
    case Rozkaz::KasujBledy:
        bledy.Kasuj();
        model.Komunikaty().Zapis(KodKomunikatu::Eeprom, 0x08);
        return Potwierdz(z);
    case Rozkaz::ZmianaPaliwa:
    case Rozkaz::ZmianaSzybka:
        model.Paliwo().Przelacz(z.kod == Rozkaz::ZmianaSzybka);
        return Potwierdz(z);
    case Rozkaz::Wtryskiwacze:
        model.Wtrysk().UstawMaske(z.Bajt(2));
        return Potwierdz(z);
    case Rozkaz::TestGlosnika:
    case Rozkaz::TestSzczelnosci:
    case Rozkaz::PowrotZBootloadera:
        return Potwierdz(z);
    case Rozkaz::Fabryczne:
        // The tool writes every block it wants before this command (the factory defaults,
        // or a configuration with the adaptation folded in); what the controller itself
        // resets is what it has learned.
        for (int pozycja = 66; pozycja <= 69; ++pozycja)
            tozsamosc.UstawAdaptacje(pozycja, 128);
        model.Komunikaty().Zapis(KodKomunikatu::Flash, 0x3F);
        return Potwierdz(z);
    case Rozkaz::Bootloader:
        bootloader.Wejdz();
        return Potwierdz(z);
    default:
        return {};
    }
}

// In the bootloader only the identity (status 1), the image blocks and the two jumps are
// answered; the application and its OBD module are not running.
std::vector<TBajty> TObslugaRozkazow::Bootloadera(const TZadanie& z) {
    switch (z.kod) {
    case Rozkaz::Tozsamosc:
        return {Odpowiedz(z, tozsamosc.Ladunek(z.Bajt(0), 1))};
    case Rozkaz::Bootloader:
        return Potwierdz(z);
    case Rozkaz::PowrotZBootloadera:
        // With blocks missing there is no application to return to.
        if (!bootloader.Wyjdz()) return Potwierdz(z);
        if (const auto w = bootloader.Wersja()) tozsamosc.UstawWersje(w->wersja, w->beta, w->data);
        model.Paliwo().Restart();
        model.Komunikaty().Wyczysc();
        return Potwierdz(z);
    case Rozkaz::BlokFlash: {
        const unsigned numer = z.Bajt(0) | (static_cast<unsigned>(z.Bajt(1)) << 8);
        const TBajty dane(z.ramka.begin() + 6, z.ramka.end());
        if (!bootloader.Zapisz(numer, dane)) return {};
        // The reply carries the block number back, in the place of the nonce and as data.
        return {Odpowiedz(z, {z.Bajt(0), 0, z.Bajt(0), z.Bajt(1)})};
    }
    default:
        return {};
    }
}

std::vector<TBajty> TObslugaRozkazow::Modul(const TZadanie& z) {
    if (!modul) return {};
    if (auto blok = TPamiecSterownika::PoOdczycie(z.start, z.kod)) return CzytajBlok(z, *blok);
    if (auto blok = TPamiecSterownika::PoZapisie(z.start, z.kod)) return ZapiszBlok(z, *blok);
    switch (z.kod) {
    case Rozkaz::ObdTozsamosc:
        return {Odpowiedz(z, modul->Tozsamosc(z.Bajt(0)))};
    case Rozkaz::ObdCzytajDtc:
        // Two bytes a code after the count: the payload is odd and padded.
        return {Kodek::ZbudujRamke(Kodek::StartOdModulu, z.kod, modul->KodyUsterek(z.Bajt(0)),
                                   Wypelnienie())};
    case Rozkaz::ObdKasujDtc:
        modul->KasujKody();
        return Potwierdz(z);
    default:
        return {};
    }
}

std::vector<TBajty> TObslugaRozkazow::Biezace(const TZadanie& z, double teraz) {
    if (z.kod & 0x01) model.Kalibracja(teraz);
    if ((z.kod & 0x04) && modul && z.DlugoscLadunku() >= 8) {
        TTrymyObd trymy;
        for (std::size_t i = 0; i < trymy.size(); ++i)
            trymy[i] = z.Bajt(2 + i);
        modul->Przyjmij(trymy, teraz);
    }
    return {Odpowiedz(z, model.RamkaBiezaca(z.Bajt(0), teraz))};
}

std::vector<TBajty> TObslugaRozkazow::CzytajBlok(const TZadanie& z, std::size_t blok) {
    return {ZDanymi(z, pamiec.Blok(blok))};
}

std::vector<TBajty> TObslugaRozkazow::ZapiszBlok(const TZadanie& z, std::size_t blok) {
    const TOpisBloku& opis = TPamiecSterownika::Opisy()[blok];
    if (z.DlugoscLadunku() != 2 + opis.rozmiar) return {};
    if (!pamiec.Zapisz(blok, TBajty(z.ramka.begin() + 6, z.ramka.end()))) return {};
    ZglosZapis(opis.bit);
    return Potwierdz(z);
}

// The controller tells in its live frames what it has saved: settings, multipliers, RPM
// corrections and the other tables to flash, maps to EEPROM.
void TObslugaRozkazow::ZglosZapis(unsigned bit) {
    if (bit <= BitBloku::KorOdObr2)
        model.Komunikaty().Zapis(KodKomunikatu::Flash, static_cast<std::uint8_t>(1u << bit));
    else if (bit <= BitBloku::Wzbogacenie)
        model.Komunikaty().Zapis(KodKomunikatu::Flash, 0x20);
    else if (bit <= BitBloku::MapaObdGaz2)
        model.Komunikaty().Zapis(KodKomunikatu::Eeprom, 0x02);
}
