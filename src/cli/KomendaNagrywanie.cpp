// record: the live frames into a scope file, as the oscilloscope records them: the samples
// from the first live frame on, the file started with those so far once the whole controller
// has been read (its image heads the file), then each sample appended as it comes.

#include "Bloki.h"
#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Kontekst.h"
#include "SesjaSterownika.h"

#include <QElapsedTimer>

#include <cstring>
#include <vector>

namespace {

class TNagranie {
public:
    TNagranie(TKontekst& kontekst, TSesjaSterownika& s) : k(kontekst), sesja(s) {}

    // A live frame; taken until the time is up or the buffer the window opens is full.
    void Probka() {
        if (Dosc()) return;
        if (!czas.isValid()) czas.start();
        std::memcpy(probki.data() + std::size_t(ile) * TSterownik::RozmiarProbki, sesja.s.RamkaRx,
                    TSterownik::RozmiarProbki);
        if (zapisywany) sesja.s.DopiszOscyloskop(probki.data(), ile);
        ++ile;
        ostatniaMs = czas.elapsed();
        k.konsola.PostepWLinii(
            QStringLiteral("recording: %1 s, %2 samples").arg(Sekundy(), 0, 'f', 1).arg(ile));
    }
    bool Dosc() const {
        const int sekundy = k.opcje.sekundy;
        return ile == TSterownik::MaksProbek ||
               (sekundy && czas.isValid() && czas.elapsed() >= 1000LL * sekundy);
    }
    // Starts the file with the samples so far; false when it cannot be created.
    bool Rozpocznij(const QString& plik) {
        k.konsola.UstawPlik(plik);
        sesja.s.ZapiszOscyloskop(probki.data(), ile);
        zapisywany = sesja.s.PlikOsc != nullptr;
        return zapisywany;
    }
    bool Zapisywany() const { return zapisywany; }
    // False when an append failed and the core closed the file.
    bool Otwarty() const { return !zapisywany || sesja.s.PlikOsc; }
    void Zakoncz() {
        if (sesja.s.PlikOsc) sesja.s.ZamnkijOscyloskop();
        k.konsola.ZakonczLinie();
    }
    int Ile() const { return ile; }
    // From the first sample to the last.
    double Sekundy() const { return ostatniaMs / 1000.0; }

private:
    TKontekst& k;
    TSesjaSterownika& sesja;
    std::vector<unsigned char> probki =
        std::vector<unsigned char>(std::size_t(TSterownik::MaksProbek) * TSterownik::RozmiarProbki);
    int ile = 0;
    qint64 ostatniaMs = 0;
    bool zapisywany = false;
    QElapsedTimer czas;
};

bool CaloscPrzeczytana(const TSterownik& s) {
    return (s.DoOdczytu & (Bloki::WszystkieBloki | Bloki::NastawyObd)) == 0;
}

} // namespace

int KomendaNagrywanie(TKontekst& k) {
    const QString plik = k.opcje.argumenty.at(0);
    if (!k.WolnoZapisac(plik)) return KodyWyjscia::Plik;
    TSesjaSterownika sesja(k);
    TNagranie nagranie(k, sesja);
    sesja.PoOdpowiedzi = [&](int kod, int dlugosc) {
        if ((kod & 0xF0) == 0x90 && dlugosc > 4) nagranie.Probka();
    };
    if (!sesja.Polacz()) return sesja.Kod();
    bool bladPliku = false;
    const bool dosc = sesja.Czekaj([&] {
        if (!nagranie.Zapisywany() && CaloscPrzeczytana(sesja.s))
            bladPliku = !nagranie.Rozpocznij(plik);
        bladPliku = bladPliku || !nagranie.Otwarty();
        return bladPliku || (nagranie.Zapisywany() && nagranie.Dosc());
    });
    // Ctrl-C before the controller was read whole still leaves the samples in a file.
    if (!dosc && !nagranie.Zapisywany() && sesja.Kod() == KodyWyjscia::Przerwano)
        bladPliku = !nagranie.Rozpocznij(plik);
    nagranie.Zakoncz();
    if (k.konsola.BladPliku(QStringLiteral("write"), plik)) return KodyWyjscia::Plik;
    if (bladPliku) return KodyWyjscia::Plik;
    if (nagranie.Zapisywany())
        k.konsola.Postep(QStringLiteral("%1 samples, %2 s written to %3")
                             .arg(nagranie.Ile())
                             .arg(nagranie.Sekundy(), 0, 'f', 1)
                             .arg(plik));
    // Ctrl-C is the ordinary end of an open-ended recording.
    if (dosc || sesja.Kod() == KodyWyjscia::Przerwano) return KodyWyjscia::Sukces;
    return sesja.Kod();
}
