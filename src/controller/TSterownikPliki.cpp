// Settings files (.set) and scope recordings (.osc): the same 4096-byte image of the data
// model, a scope file followed by 128-byte live frames.

#include "TSterownik.h"

#include "Bloki.h"
#include "Komunikat.h"
#include "OknaPlikow.h"
#include "Teksty.h"
#include "ZapisPliku.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

constexpr int RozmiarObrazu = 4096;
const QByteArray MagiaUstawien = QByteArrayLiteral("set file");
const QByteArray MagiaOscyloskopu = QByteArrayLiteral("osc file");

} // namespace

// Where each block sits in the image; the history at 256 is written but never read back.
std::vector<TSterownik::TMiejsceObrazu> TSterownik::UkladObrazu() {
    return {{16, NastawyObd, 48},     {64, Zarezerwowane, 64},   {128, IdentSterownika, 128},
            {256, Historia, 256},     {512, Nastawy, 256},       {768, Mnoznik1, 256},
            {1024, Mnoznik2, 256},    {1280, KorOdObr1, 256},    {1536, KorOdObr2, 256},
            {1792, KorOdCis, 256},    {2048, KorOdTempRed, 256}, {2304, KorOdTempGazu, 256},
            {2560, MapaEcuBen, 256},  {2816, MapaEcuGaz, 256},   {3072, MapaObdBen1, 256},
            {3328, MapaObdGaz1, 256}, {3584, MapaObdBen2, 256},  {3840, MapaObdGaz2, 256}};
}

QByteArray TSterownik::ObrazModelu(bool oscyloskop) {
    QByteArray obraz(RozmiarObrazu, '\0');
    obraz.replace(0, 8, oscyloskop ? MagiaOscyloskopu : MagiaUstawien);
    obraz[8] = 1;
    obraz[9] = oscyloskop ? 1 : 0;
    for (const TMiejsceObrazu& m : UkladObrazu())
        std::memcpy(obraz.data() + m.polozenie, m.blok, static_cast<size_t>(m.rozmiar));
    return obraz;
}

bool TSterownik::NaglowekZgodny(const QByteArray& dane, bool oscyloskop) {
    if (dane.size() < RozmiarObrazu) return false; // a cut file would be loaded half
    if (!dane.startsWith(oscyloskop ? MagiaOscyloskopu : MagiaUstawien) || dane[8] != 1)
        return false;
    return !oscyloskop || dane[9] == 1;
}

void TSterownik::WczytajObraz(const QByteArray& obraz) {
    for (const TMiejsceObrazu& m : UkladObrazu())
        if (m.blok != Historia)
            std::memcpy(m.blok, obraz.constData() + m.polozenie, static_cast<size_t>(m.rozmiar));
    ListaRpmLamMafAfr();
    ListaParamOdPlytki();
}

TDialogPliku TSterownik::Dialog(int tytul, bool oscyloskop) const {
    const auto T = [this](int id) { return Teksty ? Teksty->PodajTekst(id) : QString(); };
    TDialogPliku d;
    d.tytul = T(tytul);
    d.filtr = T(oscyloskop ? 1112 : 1111) +
              (oscyloskop ? QStringLiteral(" (*.osc)|*.osc|") : QStringLiteral(" (*.set)|*.set|")) +
              T(1110) + QStringLiteral(" (*.*)|*.*");
    d.rozszerzenie = oscyloskop ? QStringLiteral("osc") : QStringLiteral("set");
    if (!KatalogDokumentow.isEmpty() && QFileInfo(KatalogDokumentow).isDir())
        d.katalog = QDir(KatalogDokumentow)
                        .filePath(oscyloskop ? QStringLiteral("ORVA/Selvar II/Scope")
                                             : QStringLiteral("ORVA/Selvar II/Settings"));
    return d;
}

void TSterownik::Blad(const char* tekst) {
    if (Komunikaty) Komunikaty->KomunikatTekst(QString::fromLatin1(tekst), TKomunikaty::Blad);
}

// The whole file, or nothing when it cannot be read to its end.
std::optional<QByteArray> TSterownik::CzytajCaly(const QString& sciezka, const char* bladOtwarcia) {
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly)) {
        Blad(bladOtwarcia);
        return std::nullopt;
    }
    QByteArray dane = plik.readAll();
    if (dane.size() != plik.size()) dane.clear();
    return dane;
}

void TSterownik::ZapiszUstawienia() {
    if (!OknaPlikow) return;
    const QString sciezka = OknaPlikow->Zapisz(Dialog(1104, false));
    if (sciezka.isEmpty()) return;
    if (!ZapiszCalyPlik(sciezka, ObrazModelu(false))) Blad("Error code 121");
}

void TSterownik::CzytajUstawienia() {
    if (!OknaPlikow) return;
    const QString sciezka = OknaPlikow->Otworz(Dialog(1103, false));
    if (!sciezka.isEmpty()) CzytajUstawieniaZPliku(sciezka);
}

void TSterownik::CzytajUstawieniaZPliku(const QString& sciezka) {
    const auto dane = CzytajCaly(sciezka, "Error code 122");
    if (!dane) return;
    if (!NaglowekZgodny(*dane, false)) {
        Blad("Error code 123");
        return;
    }
    WczytajObraz(*dane);
    if (PortConnected()) {
        DodajAdaptacje();
        // Everything loaded but the history goes to the controller, then is read back.
        DoZapisu = DoOdczytu = Bloki::ZUstawien;
    } else {
        PlikBiezacy = sciezka;
        Zdarzenie(4, 0, 0, 0);
    }
}

// The samples so far replace the file whole; later samples are appended to it one by one.
void TSterownik::ZapiszOscyloskop(const unsigned char* probki, int ile) {
    if (!OknaPlikow) return;
    const QString sciezka = OknaPlikow->Zapisz(Dialog(1106, true));
    if (sciezka.isEmpty()) return;
    ZamknijPlikOsc();
    const QByteArray dane =
        ObrazModelu(true) + QByteArray(reinterpret_cast<const char*>(probki),
                                       qsizetype(std::max(ile, 0)) * RozmiarProbki);
    auto plik = std::make_unique<QFile>(sciezka);
    if (!ZapiszCalyPlik(sciezka, dane) ||
        !plik->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        Zdarzenie(5, 0, 0, 0);
        Blad("Error code 131");
        return;
    }
    PlikOsc = std::move(plik);
    Zdarzenie(5, 1, 0, 0);
}

void TSterownik::DopiszOscyloskop(const unsigned char* probki, int indeks) {
    if (!PlikOsc) return;
    const char* probka = reinterpret_cast<const char*>(probki) + qint64(indeks) * RozmiarProbki;
    if (PlikOsc->write(probka, RozmiarProbki) == RozmiarProbki) return;
    // A cut record would make the file unreadable: keep the header and the whole records.
    const qint64 cale = (PlikOsc->size() - RozmiarObrazu) / RozmiarProbki;
    PlikOsc->resize(RozmiarObrazu + std::max<qint64>(cale, 0) * RozmiarProbki);
    ZamnkijOscyloskop();
    Blad("Error code 131");
}

void TSterownik::ZamknijPlikOsc() {
    PlikOsc.reset();
}

void TSterownik::ZamnkijOscyloskop() {
    ZamknijPlikOsc();
    Zdarzenie(5, 0, 0, 0);
}

int TSterownik::CzytajOscyloskop(unsigned char* probki) {
    if (!OknaPlikow) return 0;
    const QString sciezka = OknaPlikow->Otworz(Dialog(1105, true));
    if (sciezka.isEmpty()) return 0;
    // Playback shows the file, not the car.
    PortClose();
    PlikBiezacy = sciezka;
    Zdarzenie(4, 0, 0, 0);
    const auto dane = CzytajCaly(sciezka, "Error code 132");
    if (!dane) return 0;
    if (!NaglowekZgodny(*dane, true)) {
        Blad("Error code 133");
        return 0;
    }
    WczytajObraz(*dane);
    // The buffer holds an hour; anything recorded beyond it is left out.
    const qsizetype reszta =
        std::min<qsizetype>(dane->size() - RozmiarObrazu, qsizetype(MaksProbek) * RozmiarProbki);
    std::memcpy(probki, dane->constData() + RozmiarObrazu, static_cast<size_t>(reszta));
    return int(reszta / RozmiarProbki);
}
