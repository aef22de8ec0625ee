#include "TScope.h"

#include "EksportCsv.h"
#include "Komunikat.h"
#include "OknaPlikow.h"
#include "Paleta.h"
#include "TSterownik.h"
#include "Teksty.h"
#include "UkladScope.h"
#include "Wypelnienie.h"
#include "ZapisPliku.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
const TPaleta& PaletaLubDomyslna(const TPaleta* p) {
    static const TPaleta Domyslna{};
    return p ? *p : Domyslna;
}
} // namespace

TScope::TScope(TSterownik& sterownik, QWidget* rodzic)
    : QWidget(rodzic), Sygnal([] { QApplication::beep(); }), s(sterownik),
      wypelnienie(new TWypelnienie(this)), probki(std::size_t(MaksProbek) * RozmiarProbki) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    hide();
}

void TScope::Umiesc(QWidget* panel) {
    wypelnienie->Przenies(panel);
}

double TScope::ProbekNaPiksel() const {
    return ::ProbekNaPiksel(Powiekszenie);
}

TObrazScope TScope::Obraz(const TPaleta& p) const {
    return {s,     p,         size(),   probki.data(), Tryb,
            Uklad, IleProbek, poczatek, KoniecWidoku,  ProbekNaPiksel()};
}

void TScope::Przerysuj() {
    Rysuj(0);
}

// Mode 2: a sample while paused; only the overview strip changes on the screen.
void TScope::Rysuj(int tryb) {
    if (!isVisible()) return;
    if (Tryb == 1) KoniecWidoku = IleProbek;
    poczatek = ::PoczatekWidoku(KoniecWidoku, SzerokoscWykresu(width()), ProbekNaPiksel());
    if (obraz.size() != size()) obraz = QImage(size(), QImage::Format_RGB32);
    if (obraz.isNull()) return;
    QPainter malarz(&obraz);
    malarz.setFont(font());
    wynik = RysujScope(malarz, Obraz(PaletaLubDomyslna(paleta)));
    const std::size_t slady =
        std::min(wynik.etykietyY.size(), size_t(s.PodajIleParamBiez(Widoki::Oscyloskop)));
    for (std::size_t k = 0; k < slady; ++k)
        s.Wykresy[size_t(s.PodajPozycje(Widoki::Oscyloskop, int(k)))].EtykietaY =
            wynik.etykietyY[k];
    if (tryb == 2) {
        update(0, 0, width(), 40);
        return;
    }
    KursorX = -1;
    update();
}

void TScope::DodajProbke(const unsigned char* ramka) {
    if (Tryb != 1 && Tryb != 2) return;
    // A loaded file may fill the whole hour: the next sample then starts it over too.
    if (IleProbek < 0 || IleProbek >= MaksProbek) IleProbek = 0;
    std::memcpy(probki.data() + std::size_t(IleProbek) * RozmiarProbki, ramka, RozmiarProbki);
    s.DopiszOscyloskop(probki.data(), IleProbek);
    // A full hour starts over at the beginning of the buffer.
    if (++IleProbek >= MaksProbek) IleProbek = 0;
    Rysuj(Tryb);
}

void TScope::Powieksz(int krok, int d) {
    const double stare = ProbekNaPiksel();
    Powiekszenie += krok;
    KoniecWidoku = KoniecZProbkami(KoniecPoPowiekszeniu(KoniecWidoku, d, ProbekNaPiksel(), stare),
                                   IleProbek, SzerokoscWykresu(width()), ProbekNaPiksel());
}

void TScope::Komenda(unsigned komenda) {
    switch (komenda) {
    case 1:
    case 2:
    case 3:
        Tryb = int(komenda);
        break;
    case 4:
        if (Tryb == 5 || s.PlikOsc)
            s.ZamnkijOscyloskop();
        else
            s.ZapiszOscyloskop(probki.data(), IleProbek);
        break;
    case 5: {
        s.ZamnkijOscyloskop();
        const int n = s.CzytajOscyloskop(probki.data());
        if (n > 0) IleProbek = KoniecWidoku = n;
        Tryb = 5;
        break;
    }
    case 6:
        std::fill(probki.begin(), probki.end(), 0);
        IleProbek = 0;
        poczatek = 0;
        break;
    case 7:
        EksportCsv();
        break;
    case 10:
    case 11:
    case 12:
        Uklad = int(komenda) - 9;
        break;
    // Zooms by command keep the middle of the chart.
    case 20:
        if (Powiekszenie > 0) Powieksz(-1, SzerokoscWykresu(width()) / 2);
        break;
    case 21:
        if (Powiekszenie < NajwiekszePowiekszenie) Powieksz(1, SzerokoscWykresu(width()) / 2);
        break;
    default:
        break;
    }
    Rysuj(0);
}

void TScope::Klawisz(int klawisz, Qt::KeyboardModifiers) {
    if (!isVisible()) return;
    const double f = ProbekNaPiksel();
    const int c = SzerokoscWykresu(width());
    // Keys zoom about the sample under the cursor line.
    const int d = KursorX > 0 ? width() - 110 - KursorX : 0;
    bool przyjety = true;
    switch (klawisz) {
    case Qt::Key_Left:
        przyjety = c * f < KoniecWidoku && Tryb != 1;
        if (przyjety) --KoniecWidoku;
        break;
    case Qt::Key_Right:
        przyjety = KoniecWidoku < IleProbek && Tryb != 1;
        if (przyjety) ++KoniecWidoku;
        break;
    case Qt::Key_Up:
        przyjety = Powiekszenie > 0;
        if (przyjety) Powieksz(-1, d);
        break;
    case Qt::Key_Down:
        przyjety = Powiekszenie < NajwiekszePowiekszenie;
        if (przyjety) Powieksz(1, d);
        break;
    default:
        return;
    }
    if (!przyjety) {
        if (Sygnal) Sygnal();
        return;
    }
    const int kursor = KursorX;
    Rysuj(0);
    if (kursor > 10 && Tryb != 1) Odczyt(kursor);
}

QString TScope::CzasZapisu() const {
    return CzasProbek(IleProbek) + QStringLiteral(" [s]");
}

void TScope::EksportCsv() {
    if (!s.OknaPlikow) return;
    const auto T = [this](int id) { return s.Teksty ? s.Teksty->PodajTekst(id) : QString(); };
    const TDialogPliku dialog{T(1107),
                              T(1113) + QStringLiteral(" (*.csv)|*.csv|") + T(1110) +
                                  QStringLiteral(" (*.*)|*.*"),
                              QStringLiteral("csv"), s.KatalogDokumentow};
    const QString sciezka = s.OknaPlikow->Zapisz(dialog);
    if (sciezka.isEmpty()) return;
    QString blad;
    if (!ZapiszCalyPlik(sciezka, TekstCsv(s, probki.data(), IleProbek), &blad) && s.Komunikaty)
        s.Komunikaty->KomunikatTekst(blad, TKomunikaty::Blad);
}

void TScope::UstawPalete(const TPaleta* p) {
    paleta = p;
    Rysuj(0);
}

// A file read or a sample taken while hidden is drawn now; the old picture would show the
// state before it.
void TScope::showEvent(QShowEvent* zdarzenie) {
    QWidget::showEvent(zdarzenie);
    Rysuj(0);
}

void TScope::paintEvent(QPaintEvent* zdarzenie) {
    if (obraz.size() != size()) Rysuj(0);
    QPainter malarz(this);
    if (!obraz.isNull()) malarz.drawImage(zdarzenie->rect(), obraz, zdarzenie->rect());
    if (KursorX >= 0) RysujOdczyt(malarz);
}

bool TScope::WPasku(QPoint p) const {
    return p.x() > 10 && p.x() < width() - 110 && p.y() < 40;
}

void TScope::mousePressEvent(QMouseEvent* z) {
    const QPoint p = z->position().toPoint();
    nacisniecie = p;
    const bool wPasku = p.x() > 10 && p.x() < width() - 110 && p.y() < 40;
    if (!wPasku || z->button() != Qt::LeftButton) {
        setCursor(Qt::ArrowCursor);
        przeciaganie = false;
        return;
    }
    const bool naSuwaku = wynik.suwak && p.x() > wynik.suwak->first && p.x() < wynik.suwak->second;
    setCursor(naSuwaku ? Qt::PointingHandCursor : Qt::SizeHorCursor);
    przeciaganie = naSuwaku;
}

// The strip draws chart column x at screen x + 10, so a jump takes the chart column under
// the mouse; taken on the screen x it would land ten pixels to the right of it.
void TScope::mouseMoveEvent(QMouseEvent* z) {
    const QPoint p = z->position().toPoint();
    if (WPasku(p)) {
        const bool naSuwaku =
            wynik.suwak && p.x() > wynik.suwak->first && p.x() < wynik.suwak->second;
        setCursor(naSuwaku ? Qt::PointingHandCursor : Qt::SizeHorCursor);
        if (Tryb != 1 && nacisniecie.x() > 0 && nacisniecie.y() > 0 && przeciaganie)
            Skocz(p.x() - 10);
        return;
    }
    setCursor(Qt::ArrowCursor);
    if (p.x() > 10 && p.x() < width() - 110 && p.y() > 40 && p.y() < height() - 40 && Tryb != 1)
        Odczyt(p.x());
}

void TScope::mouseReleaseEvent(QMouseEvent* z) {
    const QPoint p = z->position().toPoint();
    if (WPasku(p) && Tryb != 1 && nacisniecie.x() > 0 && nacisniecie.y() > 0) Skocz(p.x() - 10);
    przeciaganie = false;
    nacisniecie = {-1, -1};
}

void TScope::Skocz(int x) {
    KoniecWidoku = KoniecPoSkoku(x, IleProbek, poczatek, KoniecWidoku, SzerokoscWykresu(width()));
    Rysuj(0);
}

void TScope::Odczyt(int x) {
    const int stary = KursorX;
    KursorX = x;
    const int H = height(), W = width();
    QRegion zmiana(QRect(x, 40, 1, H - 80));
    if (stary >= 0) zmiana += QRect(stary, 40, 1, H - 80);
    zmiana += QRect(0, H - 52, W, 26);
    zmiana += QRect(W - 108, 0, 108, H);
    update(zmiana);
}

// Over the picture, so that moving the cursor never redraws the chart.
void TScope::RysujOdczyt(QPainter& p) {
    const int W = width(), H = height();
    const double f = ProbekNaPiksel();
    const TObrazScope o = Obraz(PaletaLubDomyslna(paleta));
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(o.paleta.KolorKursora, 1));
    p.drawLine(KursorX, 40, KursorX, H - 40);
    p.restore();
    const int a = int(std::trunc((KursorX - 10) * f)) + poczatek;
    p.fillRect(QRect(QPoint(0, H - 39), QPoint(W, H - 27)), o.paleta.Tlo);
    QFont czcionka = font();
    czcionka.setPointSize(8);
    p.setFont(czcionka);
    p.setPen(o.paleta.KolorTekstu);
    const auto napis = [&p](int x, int y, const QString& t) {
        p.drawText(x, y + p.fontMetrics().ascent(), t);
    };
    napis(10, H - 40, PodstawaCzasu(f, s.Teksty));
    if (a >= 0) {
        const QString czas = CzasProbek(a) + QStringLiteral(" [s]");
        napis(W - 110 - p.fontMetrics().horizontalAdvance(czas), H - 40, czas);
    }
    czcionka.setBold(true);
    p.setFont(czcionka);
    if (a >= 0)
        for (int m = int(std::trunc(-f - 2)); m <= f + 2; ++m) {
            const unsigned char* probka = ProbkaScope(o, a + m);
            if (a + m <= 0 || a + m >= IleProbek || !probka) continue;
            const QString info = s.StrInfoPracy(probka);
            if (info.isEmpty()) continue;
            napis((W - p.fontMetrics().horizontalAdvance(info)) / 2, H - 40, info);
            break;
        }
    const unsigned char* probka = a >= 0 ? ProbkaScope(o, a) : nullptr;
    const int stan = probka && !s.Wykresy.empty() ? WartoscSladu(s.Wykresy[0], probka) : 0;
    const QString tekstStanu =
        (a >= 0 ? s.StrStanPracy(static_cast<unsigned short>(stan), 0) : QString());
    p.fillRect(QRect(W - 108, H - 52, 108, p.fontMetrics().height()), o.paleta.Tlo);
    napis(W - 108, H - 52, tekstStanu + QString(26, QLatin1Char(' ')));
    czcionka.setPointSize(10);
    p.setFont(czcionka);
    for (int k = 0; k < s.PodajIleParamBiez(Widoki::Oscyloskop); ++k) {
        const TWykres& w = s.Wykresy[size_t(s.PodajPozycje(Widoki::Oscyloskop, k))];
        const QString t = EtykietaSladu(w, s.Teksty, probka);
        p.fillRect(QRect(W - 108, w.EtykietaY, 108, p.fontMetrics().height()), o.paleta.Tlo);
        p.setPen(DoKoloru(w.Kolor));
        napis(W - 108, w.EtykietaY, t);
    }
}
