// flash: a firmware image through the controller's bootloader, as the firmware dialog does
// it, with the progress on the terminal.

#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "ObrazFirmware.h"
#include "SesjaSterownika.h"

#include <QElapsedTimer>

#include <cstdio>
#include <unistd.h>

namespace {

// Without an acknowledgement for this long the update counts as failed, as in the window.
constexpr int CzasStraznikaMs = 5000;

// A session that also takes a controller answering from its bootloader: after an update
// that was cut off, that is where it waits.
class TSesjaFlash : public TSesjaSterownika {
public:
    using TSesjaSterownika::TSesjaSterownika;

    bool PolaczZBootloaderem() {
        if (!Otworz(s, k.opcje.port, "port", "controller")) return false;
        k.konsola.Postep(QStringLiteral("opened %1, waiting for the controller").arg(opisPortu));
        if (!Czekaj([this] { return Identyfikacje > 0; })) return false;
        // The bootloader's error box is why this session is here, not a failure of it.
        k.konsola.WezBlad();
        return true;
    }
};

// Percent and blocks: one line rewritten in place on a terminal, a plain line every 10 %
// otherwise, so that a log file stays short.
class TPostep {
public:
    explicit TPostep(bool bezPostepu) : cicho(bezPostepu), terminal(isatty(fileno(stderr)) != 0) {}
    ~TPostep() {
        if (terminal && pokazane >= 0) std::fputc('\n', stderr);
    }
    void Pokaz(int bloki) {
        const int procent = bloki * 100 / ObrazFirmware::LiczbaBlokow;
        if (cicho || bloki == pokazane || (!terminal && procent / 10 == dziesiatka)) return;
        pokazane = bloki;
        dziesiatka = procent / 10;
        std::fprintf(stderr,
                     terminal ? "\rflashing: %3d %% (%d of %d blocks)"
                              : "flashing: %d %% (%d of %d blocks)\n",
                     procent, bloki, ObrazFirmware::LiczbaBlokow);
        std::fflush(stderr);
    }

private:
    const bool cicho;
    const bool terminal;
    int pokazane = -1;
    int dziesiatka = -1;
};

// Tests against selvar-sim may run the link faster than the line's pacing.
void TaktZeSrodowiska(TSterownik& s) {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("SELVAR_CLI_TICK_MS", &ok);
    if (ok && ms > 0) s.Zegar().setInterval(ms);
}

int Odmowa(const TKontekst& k, const QString& tekst) {
    k.konsola.Zglos(tekst);
    return KodyWyjscia::Plik;
}

// The file against the connected controller; 0 when it may go, else the exit code.
int Sprawdz(const TKontekst& k, const QString& plik, const QByteArray& dane,
            const unsigned char* ident) {
    if (!ObrazFirmware::Zgodny(dane, ident))
        return Odmowa(k, QStringLiteral("%1 does not fit this controller (hardware bytes, or "
                                        "version 0)")
                             .arg(plik));
    if (ObrazFirmware::Starszy(dane, ident) && !k.opcje.tak)
        return Odmowa(k, QStringLiteral("%1 holds version %2, older than the installed %3; "
                                        "--yes installs it")
                             .arg(plik)
                             .arg(ObrazFirmware::Wersja(dane))
                             .arg(ident[ObrazFirmware::IdentWersji]));
    return 0;
}

// From the armed update to the application answering again.
int Wgraj(TSesjaFlash& sesja, const TKontekst& k, int wersja) {
    TSterownik& s = sesja.s;
    TPostep postep(k.opcje.cicho);
    QElapsedTimer straznik;
    straznik.start();
    bool wrocil = false;
    sesja.PoOdpowiedzi = [&](int kod, int) {
        if (kod == 0xFF) {
            straznik.restart();
            postep.Pokaz(s.LicznikBlokow);
        }
        wrocil = wrocil || (kod == 0x81 && s.LicznikBlokow >= ObrazFirmware::LiczbaBlokow &&
                            !s.FlashUzbrojony && s.IdentSterownika[5] == 0);
    };
    bool cisza = false;
    const bool dobiegla = sesja.Czekaj([&] {
        cisza = straznik.elapsed() > CzasStraznikaMs;
        return wrocil || cisza;
    });
    if (!dobiegla || cisza) {
        // Where it stopped tells whether the controller still runs its old application.
        k.konsola.Zglos(
            QStringLiteral("the update stopped at block %1 of %2%3")
                .arg(s.LicznikBlokow)
                .arg(ObrazFirmware::LiczbaBlokow)
                .arg(cisza ? QStringLiteral(": ") + k.teksty.PodajTekst(1370) : QString()));
        return cisza ? KodyWyjscia::Lacze : sesja.Kod();
    }
    if (s.IdentSterownika[ObrazFirmware::IdentWersji] != wersja) {
        k.konsola.Zglos(QStringLiteral("the controller answers with version %1, not %2")
                            .arg(s.IdentSterownika[ObrazFirmware::IdentWersji])
                            .arg(wersja));
        return KodyWyjscia::Lacze;
    }
    k.konsola.Postep(
        QStringLiteral("%1: %2").arg(k.teksty.PodajTekst(1364), s.StrWersjaCyframi(4).trimmed()));
    return KodyWyjscia::Sukces;
}

} // namespace

int KomendaFlash(TKontekst& k) {
    const QString plik = k.opcje.argumenty.value(0);
    const std::optional<QByteArray> dane = ObrazFirmware::Czytaj(plik);
    if (!dane)
        return Odmowa(k, QStringLiteral("cannot read %1 (missing, unreadable or over %2 bytes)")
                             .arg(plik)
                             .arg(ObrazFirmware::MaksRozmiar));
    if (dane->size() < ObrazFirmware::RozmiarPelny)
        return Odmowa(k, QStringLiteral("%1 has %2 bytes, fewer than a whole image's %3")
                             .arg(plik)
                             .arg(dane->size())
                             .arg(ObrazFirmware::RozmiarPelny));
    TSesjaFlash sesja(k);
    TaktZeSrodowiska(sesja.s);
    if (!sesja.PolaczZBootloaderem()) return sesja.Kod();
    TSterownik& s = sesja.s;
    if (s.IdentSterownika[5] == 1)
        k.konsola.Postep(QStringLiteral("the controller answers from its bootloader: %1")
                             .arg(k.teksty.PodajTekst(1365)));
    if (const int kod = Sprawdz(k, plik, *dane, s.IdentSterownika)) return kod;
    if (!s.Aktualizacja(1, plik))
        return Odmowa(k, QStringLiteral("%1: %2").arg(plik, k.teksty.PodajTekst(1362)));
    return Wgraj(sesja, k, ObrazFirmware::Wersja(*dane));
}
