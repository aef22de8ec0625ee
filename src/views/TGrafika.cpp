#include "TGrafika.h"

#include "Paleta.h"
#include "TSterownik.h"
#include "Wypelnienie.h"

#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace {

// Setting bytes of the maps' load axis (1 = petrol injection time) and of the load sensor
// (2 = air-flow meter); the multiplier break points of bank 1 and bank 2.
constexpr int NastawaOsiObciazenia = 76;
constexpr int NastawaCzujnikaObciazenia = 4;
constexpr int PunktyBanku1 = 190;
constexpr int PunktyBanku2 = 164;
constexpr int LiczbaPunktow = 26;

// Block bits: settings, the two multipliers, the two RPM-correction grids.
constexpr int BlokNastaw = 0x1, BlokMnoznika1 = 0x2, BlokMnoznika2 = 0x4;
constexpr int BlokKorOdObr1 = 0x8, BlokKorOdObr2 = 0x10;
// Curve blocks read on entering the correction and table modes 2, 3, 4, 6, 7.
constexpr int BlokTrybu(int tryb) {
    switch (tryb) {
    case 2:
        return 0x200;
    case 3:
        return 0x400;
    case 4:
        return 0x100;
    case 6:
        return 0x1000;
    case 7:
        return 0x2000;
    default:
        return 0;
    }
}

} // namespace

TGrafika::TGrafika(TSterownik& sterownik, QWidget* rodzic)
    : QWidget(rodzic), s(sterownik), wypelnienie(new TWypelnienie(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The controller rebuilds its RPM corrections for a new load axis before they are read.
    zegarOsi.setSingleShot(true);
    zegarOsi.setInterval(200);
    connect(&zegarOsi, &QTimer::timeout, this, [this] { CzytajKorektyOsi(); });
    hide();
}

void TGrafika::Umiesc(QWidget* panel) {
    wypelnienie->Przenies(panel);
    if (uchwytFokusu) return;
    uchwytFokusu = new QLineEdit(panel);
    uchwytFokusu->setObjectName(QStringLiteral("UchwytFokusuGrafiki"));
    uchwytFokusu->setGeometry(x() - 2, y() - 2, 1, uchwytFokusu->sizeHint().height());
}

void TGrafika::UstawTryb(int tryb) {
    TrybMapy = tryb;
    if (const int blok = BlokTrybu(tryb)) s.CzytajZeSterownika(blok);
    Odswiez();
}

void TGrafika::Przebuduj() {}

void TGrafika::Rysuj() {
    update();
}

void TGrafika::Odswiez() {
    Przebuduj();
    Rysuj();
}

void TGrafika::Ukryj() {
    if (uchwytFokusu) uchwytFokusu->setGeometry(-2, -2, 1, uchwytFokusu->height());
    hide();
}

void TGrafika::UstawMape(int mapa) {
    Mapa = std::clamp(mapa, 0, 2);
    Odswiez();
}

void TGrafika::KopiujMnoznik(bool zPierwszego) {
    unsigned char* z = zPierwszego ? s.Mnoznik1 : s.Mnoznik2;
    unsigned char* na = zPierwszego ? s.Mnoznik2 : s.Mnoznik1;
    std::memcpy(na, z, sizeof s.Mnoznik1);
    const int zPunktow = zPierwszego ? PunktyBanku1 : PunktyBanku2;
    const int naPunkty = zPierwszego ? PunktyBanku2 : PunktyBanku1;
    std::memcpy(s.Nastawy + naPunkty, s.Nastawy + zPunktow, LiczbaPunktow);
    s.ZapiszDoSterownika(BlokNastaw | BlokMnoznika1 | BlokMnoznika2);
}

void TGrafika::KopiujKorOdObr(bool zPierwszego) {
    std::memcpy(zPierwszego ? s.KorOdObr2 : s.KorOdObr1, zPierwszego ? s.KorOdObr1 : s.KorOdObr2,
                sizeof s.KorOdObr1);
    s.ZapiszDoSterownika(zPierwszego ? BlokKorOdObr2 : BlokKorOdObr1);
}

void TGrafika::UstawBank(int bank) {
    const bool mnoznik = TrybMapy == 0;
    int& wybor = mnoznik ? WyborBankuMnoznika : WyborBankuKorekt;
    const bool kopia12 = bank == 3 || (bank == 0 && (wybor == 1 || wybor == 2));
    if (kopia12 || bank == 4) {
        if (mnoznik)
            KopiujMnoznik(kopia12);
        else
            KopiujKorOdObr(kopia12);
    }
    if (bank >= 0 && bank <= 2) wybor = bank;
    Odswiez();
}

void TGrafika::ZmienOsObciazenia() {
    unsigned char& os = s.Nastawy[NastawaOsiObciazenia];
    os = os == 1 ? 0 : 1;
    s.ZapiszDoSterownika(BlokNastaw);
    zegarOsi.start();
}

void TGrafika::CzytajKorektyOsi() {
    zegarOsi.stop();
    s.CzytajZeSterownika(BlokKorOdObr1 | BlokKorOdObr2);
    Odswiez();
}

int TGrafika::OpisOsi() const {
    if (s.Nastawy[NastawaOsiObciazenia] == 1) return -50;
    if (s.Nastawy[NastawaCzujnikaObciazenia] == 2) return -52;
    return -51;
}

void TGrafika::UstawPoziom(int poziom) {
    Poziom = poziom;
    Odswiez();
}

void TGrafika::ZmieniajSasiednie(bool wlaczone) {
    Sasiednie = wlaczone;
}

int TGrafika::BankMnoznika() {
    const bool rowne =
        std::memcmp(s.Mnoznik1, s.Mnoznik2, sizeof s.Mnoznik1) == 0 &&
        std::memcmp(s.Nastawy + PunktyBanku1, s.Nastawy + PunktyBanku2, LiczbaPunktow) == 0;
    if (rowne)
        WyborBankuMnoznika = 0;
    else if (WyborBankuMnoznika == 0)
        WyborBankuMnoznika = 1;
    return WyborBankuMnoznika;
}

int TGrafika::BankKorekt() {
    if (std::memcmp(s.KorOdObr1, s.KorOdObr2, sizeof s.KorOdObr1) == 0)
        WyborBankuKorekt = 0;
    else if (WyborBankuKorekt == 0)
        WyborBankuKorekt = 1;
    return WyborBankuKorekt;
}

int TGrafika::BankiDoKasowania(int wybor) const {
    if (s.PlytkaV3 && (wybor == 1 || wybor == 2)) return wybor;
    return 3;
}

void TGrafika::KasujPokazanyMnoznik() {
    s.KasujMnoznik(static_cast<unsigned char>(BankiDoKasowania(WyborBankuMnoznika)));
    Odswiez();
}

void TGrafika::KasujPokazaneKorOdObr() {
    s.KasujKorOdObr(static_cast<unsigned char>(BankiDoKasowania(WyborBankuKorekt)));
    Odswiez();
}

void TGrafika::KasujKrzywa() {
    Odswiez();
}

void TGrafika::DaneBiezace(const unsigned char*) {}

void TGrafika::Klawisz(int, Qt::KeyboardModifiers) {}

void TGrafika::UstawPalete(const TPaleta* p) {
    paleta = p;
    Odswiez();
}

void TGrafika::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    malarz.fillRect(rect(), paleta ? paleta->TloWykresu : palette().window().color());
}
