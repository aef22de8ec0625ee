#include "TGrafika.h"

#include "Paleta.h"
#include "RysowaniePropozycji.h"
#include "RysowanieWykresu.h"
#include "TSiatkaMapy.h"
#include "TSterownik.h"
#include "Wypelnienie.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
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
    : QWidget(rodzic), Sygnal([] { QApplication::beep(); }), s(sterownik),
      wypelnienie(new TWypelnienie(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    zegar.setInterval(1000);
    connect(&zegar, &QTimer::timeout, this, &TGrafika::TimerOnTimer);
    zegar.start();
    // The controller rebuilds its RPM corrections for a new load axis before they are read.
    zegarOsi.setSingleShot(true);
    zegarOsi.setInterval(200);
    connect(&zegarOsi, &QTimer::timeout, this, [this] { CzytajKorektyOsi(); });
    hide();
}

TGrafika::~TGrafika() {
    // The holder's focus leaving must not reach a view that is going.
    if (uchwytFokusu) uchwytFokusu->removeEventFilter(this);
    delete uchwytFokusu;
    delete siatkaA;
    delete siatkaB;
}

void TGrafika::Umiesc(QWidget* panel) {
    wypelnienie->Przenies(panel);
    if (uchwytFokusu) return;
    uchwytFokusu = new QLineEdit(panel);
    uchwytFokusu->setObjectName(QStringLiteral("UchwytFokusuGrafiki"));
    uchwytFokusu->installEventFilter(this);
    uchwytFokusu->setGeometry(x() - 2, y() - 2, 1, uchwytFokusu->sizeHint().height());
}

void TGrafika::UstawTryb(int tryb) {
    TrybMapy = tryb;
    if (!TrybSiatek()) UkryjSiatki();
    if (TrybKrzywej()) krzywa.Wybrany = -1;
    if (const int blok = BlokTrybu(tryb)) s.CzytajZeSterownika(blok);
    Odswiez();
}

TObrazWykresu TGrafika::ObrazWykresu() const {
    static const TPaleta Domyslna{};
    // Every chart's bank legend names the multiplier's bank, the correction curves' too.
    return {s, paleta ? *paleta : Domyslna, size(), TrybMapy, Poziom, WyborBankuMnoznika};
}

void TGrafika::Przebuduj() {
    // Both pictures keep their memory while the size stays: a repaint allocates nothing.
    if (tlo.size() != size()) tlo = QImage(size(), QImage::Format_RGB32);
    if (tlo.isNull()) return;
    const TObrazWykresu o = ObrazWykresu();
    tlo.fill(o.paleta.Tlo);
    if (uchwytFokusu && Wykres()) uchwytFokusu->setGeometry(-2, -2, 1, uchwytFokusu->height());
    QPainter malarz(&tlo);
    if (TrybMapy == 0) RysujTloMnoznika(malarz, o);
    if (TrybKrzywej()) RysujTloKrzywej(malarz, o);
    if (TrybSiatek()) {
        PrzebudujSiatki();
        NapisySiatek(malarz);
    }
}

// Composed again on every show: the picture kept from the last visit may be of another mode.
void TGrafika::showEvent(QShowEvent*) {
    Odswiez();
}

void TGrafika::Skladaj() {
    if (tlo.size() != size()) Przebuduj();
    if (obraz.size() != tlo.size()) obraz = QImage(tlo.size(), tlo.format());
    if (!obraz.isNull()) std::memcpy(obraz.bits(), tlo.constBits(), size_t(tlo.sizeInBytes()));
    const bool fokus = uchwytFokusu && uchwytFokusu->hasFocus();
    if (!obraz.isNull() && Wykres()) {
        QPainter malarz(&obraz);
        if (TrybMapy == 0) {
            RysujDaneMnoznika(malarz, ObrazWykresu(), mnoznik, fokus);
            RysujPropozycje(malarz, ObrazWykresu(), mnoznik, propozycja ? &*propozycja : nullptr,
                            notaPropozycji);
        }
        // A curve that has lost its points is shown, and stored, as the flat default.
        if (TrybKrzywej() && krzywa.Zgubiona()) krzywa.Kasuj();
        if (TrybKrzywej()) RysujKrzywaKorekty(malarz, ObrazWykresu(), krzywa, fokus);
    }
    if (TrybSiatek() && siatkaA) {
        siatkaA->update();
        siatkaB->update();
    }
    // The copy erased the cursor.
    kursor.setX(-1);
}

void TGrafika::Rysuj() {
    if (!isVisible() || rysowanie) return;
    rysowanie = true;
    Skladaj();
    update();
    rysowanie = false;
}

void TGrafika::TimerOnTimer() {
    zegar.start(1000);
    Rysuj();
}

void TGrafika::Odswiez() {
    Przebuduj();
    Rysuj();
}

void TGrafika::Ukryj() {
    UkryjSiatki();
    ZaparkujUchwyt();
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
    const bool naMnozniku = TrybMapy == 0;
    int& wybor = naMnozniku ? WyborBankuMnoznika : WyborBankuKorekt;
    const bool kopia12 = bank == 3 || (bank == 0 && (wybor == 1 || wybor == 2));
    if (kopia12 || bank == 4) {
        if (naMnozniku)
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
    if (TrybKrzywej()) krzywa.Kasuj();
    Odswiez();
}

void TGrafika::DaneBiezace(const unsigned char* ramka) {
    if (!isVisible()) return;
    if (TrybSiatek()) ZywaKomorka(ramka);
    if (!Wykres()) return;
    const TObszarWykresu o = ObszarWykresu(size(), TrybMapy);
    const QPoint nowy = TrybMapy == 0 ? KursorMnoznika(o, mnoznik.Skala(), s, ramka)
                                      : QPoint(KursorKrzywej(o, TrybMapy, ramka), -1);
    if (nowy == kursor) return;
    if (kursor.x() >= 0) update(ObszarKursora(kursor));
    kursor = nowy;
    update(ObszarKursora(kursor));
}

// The cursor's two lines; only they are redrawn when it moves.
QRect TGrafika::ObszarKursora(QPoint k) const {
    const TObszarWykresu o = ObszarWykresu(size(), TrybMapy);
    const QRect pionowa(k.x(), o.Gora(), 1, o.h + 1);
    return TrybMapy == 0 ? pionowa | QRect(o.x0, k.y(), o.w + 1, 1) : pionowa;
}

void TGrafika::Klawisz(int klawisz, Qt::KeyboardModifiers shift) {
    if (!isVisible()) return;
    if (TrybMapy == 1 || TrybMapy == 5) KlawiszZywej(klawisz);
    if (!uchwytFokusu || !uchwytFokusu->hasFocus()) return;
    if (!Wykres()) return;
    const bool przyjety =
        TrybMapy == 0 ? mnoznik.Klawisz(klawisz, shift) : krzywa.Klawisz(klawisz, shift);
    if (!przyjety) Odmowa();
    Rysuj();
}

void TGrafika::Odmowa() {
    if (Sygnal) Sygnal();
}

void TGrafika::mousePressEvent(QMouseEvent* zdarzenie) {
    if (TrybMapy == 0) KlikMnoznika(zdarzenie);
    if (TrybKrzywej()) KlikKrzywej(zdarzenie);
}

void TGrafika::KlikKrzywej(QMouseEvent* zdarzenie) {
    const QPoint p = zdarzenie->position().toPoint();
    const TObszarWykresu o = ObszarWykresu(size(), TrybMapy);
    if (!o.Wewnatrz(p, 0)) return;
    if (uchwytFokusu && uchwytFokusu->isVisible()) uchwytFokusu->setFocus();
    if (o.w == 0 || o.h == 0) return;
    const TOsKrzywej os = krzywa.Os();
    const int pozycja = (p.x() - o.x0) * os.Rozpietosc / o.w + os.Start;
    if (zdarzenie->button() == Qt::RightButton)
        krzywa.Wstaw(pozycja);
    else if (zdarzenie->button() == Qt::LeftButton)
        krzywa.WybierzPod(pozycja, (o.yb - p.y()) * 128 / o.h + 64);
    Rysuj();
}

void TGrafika::KlikMnoznika(QMouseEvent* zdarzenie) {
    const QPoint p = zdarzenie->position().toPoint();
    if (p.x() > width() - 32) {
        const QRect gora = PrzyciskWGore(size()), dol = PrzyciskWDol(size());
        const int zmiana = p.y() > gora.top() && p.y() < gora.bottom() ? 1
                           : p.y() > dol.top() && p.y() < dol.bottom() ? -1
                                                                       : 0;
        if (zmiana == 0) return;
        const int wybrany = mnoznik.Wybrany;
        mnoznik.Wybrany = -1;
        mnoznik.ZmienWartosc(zmiana);
        mnoznik.Wybrany = wybrany;
        Rysuj();
        return;
    }
    const TObszarWykresu o = ObszarWykresu(size(), 0);
    if (!o.Wewnatrz(p, 5)) return;
    if (uchwytFokusu && uchwytFokusu->isVisible()) uchwytFokusu->setFocus();
    if (o.w == 0 || o.h == 0) return;
    const TSkalaMnoznika sk = mnoznik.Skala();
    const int f = PozycjaPod(o, sk, p.x());
    if (zdarzenie->button() == Qt::RightButton) {
        if (!mnoznik.Wstaw(f)) Odmowa();
    } else if (zdarzenie->button() == Qt::LeftButton) {
        mnoznik.WybierzPod(f, WartoscPod(o, sk, p.y()));
    }
    Rysuj();
}

bool TGrafika::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt != uchwytFokusu) return QWidget::eventFilter(obiekt, zdarzenie);
    const QEvent::Type t = zdarzenie->type();
    if (t == QEvent::FocusIn || t == QEvent::FocusOut) Rysuj();
    if (t != QEvent::KeyPress) return false;
    const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
    if (naglowek.x() >= 0 && (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter)) {
        ZatwierdzNaglowek();
        return true;
    }
    if (naglowek.x() >= 0 && klawisz == Qt::Key_Escape) {
        ZaparkujUchwyt();
        siatkaB->setFocus();
        return true;
    }
    // On a chart the holder only holds the focus; the window has handled the key.
    return Wykres();
}

void TGrafika::UstawPalete(const TPaleta* p) {
    paleta = p;
    Odswiez();
}

void TGrafika::paintEvent(QPaintEvent* zdarzenie) {
    if (obraz.size() != size()) Skladaj();
    QPainter malarz(this);
    malarz.drawImage(zdarzenie->rect(), obraz, zdarzenie->rect());
    if (kursor.x() < 0 || !Wykres()) return;
    const TObszarWykresu o = ObszarWykresu(size(), TrybMapy);
    // XOR, so that the cursor shows on every chart colour.
    malarz.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    malarz.setPen(paleta ? paleta->KolorKursora : QColor(Qt::white));
    malarz.drawLine(kursor.x(), o.yb, kursor.x(), o.Gora());
    if (TrybMapy == 0) malarz.drawLine(o.x0, kursor.y(), o.x0 + o.w, kursor.y());
}
