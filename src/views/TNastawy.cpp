#include "TNastawy.h"

#include "Paleta.h"
#include "RysowanieNastaw.h"
#include "TSterownik.h"
#include "TekstyNastaw.h"
#include "Wypelnienie.h"
#include "ZaleznosciNastaw.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace {
constexpr int PierwszyOdstep = 600;
}

TNastawy::TNastawy(TSterownik& sterownik, QWidget* rodzic)
    : QWidget(rodzic), Sygnal([] { QApplication::beep(); }), s(sterownik),
      wypelnienie(new TWypelnienie(this)), przewijanie(new QScrollBar(Qt::Vertical, this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    przewijanie->hide();
    connect(przewijanie, &QScrollBar::valueChanged, this, [this] {
        ZamknijPopupy();
        update();
    });
    zegarPowtorzen.setInterval(PierwszyOdstep);
    connect(&zegarPowtorzen, &QTimer::timeout, this, &TNastawy::TimerPowtorzeniaOnTimer);
    UstawPoziom(1);
    hide();
}

void TNastawy::Umiesc(QWidget* panel) {
    wypelnienie->Przenies(panel);
}

void TNastawy::UstawWidok(int strona) {
    if (strona >= 0) Strona = strona;
    mapa = MapaStrony(Strona, Poziom, s.PlytkaV3);
    // Row 0 is the page's heading; a row past a shorter page would leave the arrows dead.
    Wybrana.Wiersz = std::clamp(Wybrana.Wiersz, 1, std::max(1, Wierszy() - 1));
    update();
}

void TNastawy::UstawPoziom(int poziom) {
    Poziom = poziom;
    UstawWidok(-1);
}

void TNastawy::Rozmiesc() {
    if (!isVisible() || !parentWidget() || !parentWidget()->isVisible()) return;
    ZamknijPopupy();
    uklad = UkladNastaw(size(), Wierszy(), Strona == Strony::Kalibracja || Strona == Strony::Mapa);
    UstawCzcionke();
    UstawPrzewijanie();
    update();
}

void TNastawy::UstawCzcionke() {
    QFont f = font();
    const int miejsce = uklad.Strefy[0][PoczatekPola] - uklad.Strefy[0][LewyMargines] - 2;
    const auto wRozmiarze = [&f](int r) {
        f.setPointSize(r);
        return f;
    };
    rozmiarCzcionki = ::RozmiarCzcionki(
        miejsce, uklad.WysokoscWiersza,
        [&](int r) { return SzerokoscNazw(s, mapa, wRozmiarze(r)); },
        [&](int r) { return QFontMetrics(wRozmiarze(r)).height(); });
    szerokoscNazw = SzerokoscNazw(s, mapa, wRozmiarze(rozmiarCzcionki));
}

void TNastawy::UstawPrzewijanie() {
    przewijanie->setVisible(uklad.Przewijanie);
    if (!uklad.Przewijanie) {
        przewijanie->setValue(0);
        return;
    }
    const int szer = przewijanie->sizeHint().width();
    przewijanie->setGeometry(width() - szer, 0, szer, height());
    const int widocznych = std::max(1, height() / uklad.WysokoscWiersza);
    przewijanie->setRange(0, std::max(0, Wierszy() - widocznych));
    przewijanie->setPageStep(widocznych);
}

int TNastawy::PierwszyWidoczny() const {
    return przewijanie->isVisible() ? przewijanie->value() : 0;
}

QRect TNastawy::ProstokatKomorki(int kolumna, int wiersz) const {
    const int h = uklad.WysokoscWiersza, w = uklad.SzerokoscKolumny;
    return {kolumna * w, (wiersz - PierwszyWidoczny()) * h, w, h};
}

void TNastawy::Ukryj() {
    ZamknijPopupy();
    hide();
}

void TNastawy::UstawPalete(const TPaleta* p) {
    paleta = p;
    update();
}

int TNastawy::Komorka(TKomorka k) const {
    if (k.Wiersz < 0 || k.Wiersz >= Wierszy() || k.Kolumna < 0 || k.Kolumna > 1)
        return Komorki::Pusta;
    return mapa[size_t(k.Wiersz)][size_t(k.Kolumna)];
}

int TNastawy::Wartosc(int indeks) const {
    return WartoscNastawy(s, indeks);
}

QString TNastawy::StrWartosc(int indeks, int wartosc) {
    if (indeks < 0 || indeks >= LiczbaNastaw) return {};
    if (wartosc == -1) wartosc = Wartosc(indeks);
    const TNastawa& n = s.ListaNastaw[indeks];
    // A stored choice the record does not know is corrected, and the correction sent. It
    // mends the data, so it is no edit of the user's: a setting not available now or the
    // read-only strip takes it too (refused, it would beep at every repaint).
    if (FormaNastawy(n) == Formy::Wybor && (wartosc < n.Min || wartosc > n.Max)) {
        wartosc = std::clamp(wartosc, int(n.Min), int(n.Max));
        ZapiszNastawe(s, indeks, wartosc, TrybZakresu);
        update();
    }
    return TekstWartosci(s, indeks, wartosc, QLocale());
}

QString TNastawy::StrNazwa(int indeks) const {
    return NazwaNastawy(s, indeks);
}

bool TNastawy::Dostepna(int indeks) const {
    return NastawaDostepna(s, indeks);
}

// The calibration strip is read-only to a user at the basic view level.
bool TNastawy::Zmienna(int indeks) const {
    return Dostepna(indeks) && !(Strona == Strony::Kalibracja && Poziom == 0);
}

void TNastawy::UstawNastawe(int indeks, int wartosc, int tryb) {
    if (!Zmienna(indeks)) {
        Odmowa();
        return;
    }
    ZapiszNastawe(s, indeks, wartosc, tryb);
    update();
}

void TNastawy::Odmowa() {
    if (Sygnal) Sygnal();
}

// Only out-of-range choices are corrected; painting needs no texts here.
void TNastawy::PoprawWybory() {
    for (const TWierszStrony& wiersz : mapa)
        for (int indeks : wiersz) {
            if (indeks <= 0) continue;
            const TNastawa& n = s.ListaNastaw[indeks];
            const int v = Wartosc(indeks);
            if (FormaNastawy(n) == Formy::Wybor && (v < n.Min || v > n.Max)) StrWartosc(indeks);
        }
}

TObrazNastaw TNastawy::Obraz() const {
    static const TPaleta Domyslna{};
    QFont czcionka = font();
    czcionka.setPointSize(rozmiarCzcionki);
    return {s,        paleta ? *paleta : Domyslna,
            uklad,    mapa,
            czcionka, QLocale(),
            width(),  szerokoscNazw,
            Strona,   Poziom,
            Wybrana,  hasFocus() && tagListy == 0};
}

void TNastawy::paintEvent(QPaintEvent*) {
    PoprawWybory();
    QPainter malarz(this);
    RysujNastawy(malarz, Obraz(), PierwszyWidoczny(), height());
}

QString TNastawy::Podpowiedz(QPoint punkt) const {
    if (Wierszy() == 0) return {};
    const TKomorka k = KomorkaPod(punkt, uklad, PierwszyWidoczny(), Wierszy());
    return PodpowiedzNastawy(Obraz(), k.Kolumna, Komorka(k));
}

bool TNastawy::event(QEvent* zdarzenie) {
    if (zdarzenie->type() != QEvent::ToolTip) return QWidget::event(zdarzenie);
    const auto* pomoc = static_cast<QHelpEvent*>(zdarzenie);
    const QString tekst = Podpowiedz(pomoc->pos());
    if (tekst.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(pomoc->globalPos(), tekst, this);
    return true;
}

void TNastawy::mousePressEvent(QMouseEvent* zdarzenie) {
    if (zdarzenie->button() == Qt::LeftButton) Klik(zdarzenie->position().toPoint());
}

void TNastawy::mouseReleaseEvent(QMouseEvent*) {
    punktPowtorzenia = {};
    powtorzen = 0;
    zegarPowtorzen.stop();
    zegarPowtorzen.setInterval(PierwszyOdstep);
}

void TNastawy::Klik(QPoint punkt) {
    if (Wierszy() == 0) return;
    const TKomorka k = KomorkaPod(punkt, uklad, PierwszyWidoczny(), Wierszy());
    const int wpis = Komorka(k);
    const TStrefy& x = uklad.Strefy[size_t(k.Kolumna)];
    bool otwarty = false;
    if (wpis == Komorki::Przyciski) {
        ZamknijPopupy();
        if (OnDialog)
            OnDialog(punkt.x() < x[PoczatekPola] ? DialogNastaw::KorektyWtryskiwaczy
                                                 : DialogNastaw::Kalkulator,
                     0);
        return;
    }
    if (wpis > 0 && Dostepna(wpis)) {
        Wybrana = k;
        update();
        otwarty = KlikNastawy(wpis, k.Kolumna, punkt, ProstokatKomorki(k.Kolumna, k.Wiersz));
    }
    if (!otwarty) ZamknijPopupy();
}

bool TNastawy::KlikNastawy(int indeks, int kolumna, QPoint punkt, const QRect& komorka) {
    const TStrefy& x = uklad.Strefy[size_t(kolumna)];
    const auto w = [&punkt](int od, int doW) { return punkt.x() >= od && punkt.x() <= doW; };
    bool otwarty = false;
    switch (FormaNastawy(s.ListaNastaw[indeks])) {
    case Formy::Przelacznik:
        if (w(x[PoczatekPlusa], x[KoniecPrzyciskow]))
            UstawNastawe(indeks, Wartosc(indeks) == 0 ? 1 : 0, TrybZakresu);
        break;
    case Formy::Wybor:
        if (w(x[PoczatekPlusa], x[KoniecPrzyciskow]) && tagListy != indeks) {
            OtworzListe(indeks, komorka, x);
            otwarty = true;
        }
        break;
    case Formy::KodBledu:
        if (w(x[PoczatekKodu], x[KoniecPrzyciskow]) && tagKodu != indeks) {
            OtworzKod(indeks, komorka, x);
            otwarty = true;
        }
        break;
    default:
        // Both tests on purpose: a click exactly on x4 steps down and then up.
        if (w(x[PoczatekMinusa], x[PoczatekPlusa])) Krok(indeks, -1, punkt);
        if (w(x[PoczatekPlusa], x[KoniecPrzyciskow])) Krok(indeks, +1, punkt);
        break;
    }
    if ((indeks == 8 || indeks == 40 || indeks == 57 || indeks == 63 || indeks == 96) &&
        w(x[PoczatekWiecej], x[KoniecWiecej]))
        OtworzDialog(indeks);
    return otwarty;
}

void TNastawy::Krok(int indeks, int zmiana, QPoint punkt) {
    const TNastawa& n = s.ListaNastaw[indeks];
    const int v = Wartosc(indeks) + zmiana;
    if (v < n.Min || v > n.Max || !Zmienna(indeks)) {
        Odmowa();
        zegarPowtorzen.stop();
        return;
    }
    UstawNastawe(indeks, v, TrybZakresu);
    punktPowtorzenia = punkt;
    zegarPowtorzen.start();
}

void TNastawy::TimerPowtorzeniaOnTimer() {
    ++powtorzen;
    zegarPowtorzen.setInterval(OdstepPowtorzenia(powtorzen));
    Klik(punktPowtorzenia);
}

void TNastawy::OtworzDialog(int indeks) {
    if (!OnDialog) return;
    switch (indeks) {
    case 8:
        OnDialog(DialogNastaw::Sekwencja, indeks);
        break;
    case 40:
        OnDialog(DialogNastaw::CzujnikPoziomu, indeks);
        break;
    default:
        OnDialog(DialogNastaw::Grupa, indeks);
        break;
    }
}

void TNastawy::keyPressEvent(QKeyEvent* zdarzenie) {
    switch (zdarzenie->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        KlawiszStrzalki(zdarzenie->key());
        break;
    default:
        QWidget::keyPressEvent(zdarzenie);
        break;
    }
}

void TNastawy::KlawiszStrzalki(int klawisz) {
    const int wpis = Komorka(Wybrana);
    if (klawisz == Qt::Key_Up || klawisz == Qt::Key_Down) {
        const int cel = Wybrana.Wiersz + (klawisz == Qt::Key_Up ? -1 : 1);
        if (cel < 1 || cel >= Wierszy()) return Odmowa();
        Wybrana.Wiersz = cel;
        const int pierwszy = PierwszyWidoczny();
        const int widocznych = std::max(1, height() / std::max(1, uklad.WysokoscWiersza));
        if (cel < pierwszy) przewijanie->setValue(cel);
        if (cel >= pierwszy + widocznych) przewijanie->setValue(cel - widocznych + 1);
        update();
        return;
    }
    if (wpis <= 0) return;
    const TNastawa& n = s.ListaNastaw[wpis];
    const int v = Wartosc(wpis) + (klawisz == Qt::Key_Left ? -1 : 1);
    if (v < n.Min || v > n.Max) return Odmowa();
    UstawNastawe(wpis, v, TrybZakresu);
}

void TNastawy::resizeEvent(QResizeEvent*) {
    Rozmiesc();
}

void TNastawy::showEvent(QShowEvent*) {
    Rozmiesc();
}

void TNastawy::wheelEvent(QWheelEvent* zdarzenie) {
    if (!przewijanie->isVisible()) return;
    przewijanie->setValue(przewijanie->value() - zdarzenie->angleDelta().y() / 120);
}

void TNastawy::focusInEvent(QFocusEvent*) {
    update();
}

void TNastawy::focusOutEvent(QFocusEvent*) {
    update();
}
