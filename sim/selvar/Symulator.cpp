#include "Symulator.h"

#include "KodekRamki.h"

#include <cstdio>

namespace {

constexpr int TaktModeluMs = 20;
// The OBD module reports its state about once a second, right after a live reply.
constexpr double OkresStanuModulu = 1.0;

TKonfiguracjaBlokow Konfiguracja(const TOpcje& o) {
    return {o.godzinyGazu, o.urzadzenie.plytka, o.urzadzenie.kanaly};
}

void WypiszSciezke(const QString& sciezka) {
    std::printf("%s\n", qPrintable(sciezka));
    std::fflush(stdout);
}

} // namespace

TSymulator::TSymulator(const TOpcje& o, QObject* rodzic)
    : QObject(rodzic), opcje(o), losModelu(o.ziarno + 1), pamiec(Konfiguracja(o)),
      tozsamosc(o.urzadzenie, o.godzinyBenzyny, o.godzinyGazu),
      modul(o.modulObd ? std::make_unique<TModulObd>() : nullptr),
      model(o.model, pamiec, tozsamosc, bledy, modul.get(), losModelu),
      bootloader(o.obraz.toStdString()),
      obsluga(pamiec, tozsamosc, bledy, model, bootloader, modul.get()),
      zaklocenia(o.zaklocenia, o.ziarno), swobody(o.swobody, o.ziarno + 2),
      zrzut(o.katalogBlokow, pamiec), linia(o.lacze) {
    bledy.UstawStale(o.bledy);
    bledy.PoZapisie = [this] { model.Komunikaty().Zapis(KodKomunikatu::Eeprom, 0x04); };
    pamiec.PoZmianie = [this](std::size_t blok) { zrzut.Oznacz(blok); };
    obsluga.Wypelnienie = [this] { return swobody.Wypelnienie(); };
    connect(&linia, &TLiniaPty::Odebrano, this, &TSymulator::Odbierz);
    connect(&zegarModelu, &QTimer::timeout, this, &TSymulator::Takt);
}

TSymulator::~TSymulator() {
    if (!opcje.obraz.isEmpty()) bootloader.ZapiszPlik();
}

bool TSymulator::Start() {
    if (!opcje.dziennik.isEmpty() && !dziennik.Otworz(opcje.dziennik.toStdString())) {
        std::fprintf(stderr, "selvar-sim: cannot write the log %s\n", qPrintable(opcje.dziennik));
        return false;
    }
    if (!zrzut.ZapiszWszystkie()) {
        std::fprintf(stderr, "selvar-sim: cannot write the blocks into %s\n",
                     qPrintable(opcje.katalogBlokow));
        return false;
    }
    if (!linia.LaczeDozwolone()) {
        std::fprintf(stderr, "selvar-sim: %s exists and is not a symbolic link\n",
                     qPrintable(opcje.lacze));
        return false;
    }
    if (!linia.Otworz()) {
        std::fprintf(stderr, "selvar-sim: cannot open a pseudo-terminal\n");
        return false;
    }
    czas.start();
    WypiszSciezke(linia.Sciezka());
    zegarModelu.start(TaktModeluMs);
    if (opcje.zamknijPo >= 0)
        QTimer::singleShot(static_cast<int>(opcje.zamknijPo * 1000), this, &TSymulator::Rozlacz);
    return true;
}

void TSymulator::Odbierz(const TBajty& bajty) {
    const double teraz = Teraz();
    for (const TZadanie& z : odbiornik.Dodaj(bajty, static_cast<long long>(teraz * 1000)))
        Odpowiedz(z, teraz);
}

void TSymulator::Odpowiedz(const TZadanie& z, double teraz) {
    // A lost request never reaches the controller, so it changes nothing either.
    std::vector<TBajty> odpowiedzi;
    const bool wBootloaderze = bootloader.Aktywny();
    if (!Milczy(z, teraz)) odpowiedzi = obsluga.Obsluz(z, teraz);
    for (TBajty& r : odpowiedzi)
        swobody.Naglowek(r, z.Bajt(0));
    const bool biezaca = z.start == Kodek::StartDoSterownika && (z.kod & 0xF0) == 0x90;
    if (biezaca && !odpowiedzi.empty() && !swobody.RamkiMiedzy()) StanModulu(odpowiedzi, teraz);
    int niewidoczne = 0;
    for (TBajty& r : odpowiedzi)
        niewidoczne += zaklocenia.ZnieksztalcNiewidocznie(r);
    dziennik.Zapisz(teraz, z, odpowiedzi, niewidoczne,
                    TDziennikJson::Pole("unsolicited", wlasne) + OpisObrazu(z, wBootloaderze));
    wlasne.clear();
    // The block is written; only its acknowledgement is lost or damaged on the way back.
    const bool potwierdzenie = wBootloaderze && z.kod == Rozkaz::BlokFlash;
    if (potwierdzenie && zaklocenia.PominPotwierdzenie()) odpowiedzi.clear();
    const bool zapisBloku = !wBootloaderze && !odpowiedzi.empty() &&
                            TPamiecSterownika::PoZapisie(z.start, z.kod).has_value();
    if (zapisBloku && zaklocenia.ZapisBezPotwierdzenia()) odpowiedzi.clear();
    // The blocks folder is current before the acknowledgement leaves.
    zrzut.ZapiszZmienione();
    const int opoznienie = swobody.OpoznienieMs();
    for (TBajty& r : odpowiedzi)
        Wyslij(std::move(r), potwierdzenie, opoznienie);
}

bool TSymulator::Milczy(const TZadanie& z, double teraz) {
    if (z.zlaSuma || zaklocenia.Pomin(teraz)) return true;
    return bootloader.Aktywny() && zaklocenia.BootloaderMilczy(bootloader.IleOdebranych(), teraz);
}

// The return from the bootloader names the image it holds, for a test to compare.
std::string TSymulator::OpisObrazu(const TZadanie& z, bool bylWBootloaderze) const {
    if (!bylWBootloaderze || z.start != Kodek::StartDoSterownika ||
        z.kod != Rozkaz::PowrotZBootloadera)
        return {};
    return ", \"image_blocks\": " + std::to_string(bootloader.IleOdebranych()) +
           ", \"image_sha256\": \"" + bootloader.Skrot() + "\"";
}

void TSymulator::Wyslij(TBajty ramka, bool potwierdzenieBloku, int opoznienieMs) {
    Kodek::Zaszyfruj(ramka);
    zaklocenia.Znieksztalc(ramka);
    if (potwierdzenieBloku) zaklocenia.ZnieksztalcPotwierdzenie(ramka);
    std::vector<TKawalek> kawalki = zaklocenia.Kawalki(ramka);
    kawalki.front().przerwaMs += opoznienieMs;
    linia.Wyslij(kawalki);
}

// The module's state and the controller's state notices at moments of their own, between
// replies: the line keeps whole frames apart.
void TSymulator::RamkiWlasne(double teraz) {
    if (!swobody.RamkiMiedzy() || bootloader.Aktywny() || !linia.Otwarta() ||
        zaklocenia.Cisza(teraz))
        return;
    // Nobody reads the line: what it sends of its own would wait there for the next program
    // that opens it.
    if (linia.Nieodebrane() > 0) return;
    if (modul && opcje.stanObd && teraz >= nastepnyStanModulu) {
        nastepnyStanModulu = teraz + swobody.DoStanuModulu();
        const TStanSilnika& s = model.Silnik();
        WyslijWlasna(Kodek::ZbudujRamke(Kodek::StartOdModulu, swobody.KodStanuModulu(),
                                        modul->Stan(s.lambda1, s.lambda2, teraz)));
    }
    if (teraz >= nastepnyStanSterownika) {
        nastepnyStanSterownika = teraz + swobody.DoStanuSterownika();
        WyslijWlasna(Kodek::ZbudujRamke(Kodek::StartOdSterownika, Rozkaz::StanPracy, {0, 0}));
    }
}

void TSymulator::WyslijWlasna(TBajty ramka) {
    swobody.Naglowek(ramka, 0);
    wlasne.push_back(ramka);
    Wyslij(std::move(ramka));
}

// The module's state frame goes out right after the live reply it follows.
void TSymulator::StanModulu(std::vector<TBajty>& odpowiedzi, double teraz) {
    if (!modul || !opcje.stanObd || teraz - ostatniStanModulu < OkresStanuModulu) return;
    ostatniStanModulu = teraz;
    const TStanSilnika& s = model.Silnik();
    odpowiedzi.push_back(Kodek::ZbudujRamke(Kodek::StartOdModulu, Rozkaz::ObdStan,
                                            modul->Stan(s.lambda1, s.lambda2, teraz)));
}

void TSymulator::Takt() {
    const double teraz = Teraz();
    model.Krok((teraz - ostatniTakt) * opcje.predkosc, teraz);
    ostatniTakt = teraz;
    for (const TZadanie& z : odbiornik.Przeterminuj(static_cast<long long>(teraz * 1000)))
        Odpowiedz(z, teraz);
    RamkiWlasne(teraz);
    zrzut.ZapiszZmienione();
}

void TSymulator::Rozlacz() {
    linia.Zamknij();
    odbiornik.Wyczysc();
    if (opcje.zamknijKoniec) {
        emit Koniec();
        return;
    }
    QTimer::singleShot(static_cast<int>(opcje.otworzPo * 1000), this, &TSymulator::Polacz);
}

void TSymulator::Polacz() {
    if (!linia.Otworz()) {
        std::fprintf(stderr, "selvar-sim: cannot open a new pseudo-terminal\n");
        emit Koniec();
        return;
    }
    WypiszSciezke(linia.Sciezka());
}
