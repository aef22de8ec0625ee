// Colour schemes and view levels.

#include "Kontrolki.h"
#include "ListaWykresow.h"
#include "Obrazki.h"
#include "Schematy.h"
#include "SiatkaCzasow.h"
#include "SiatkaParametrow.h"
#include "TForm1.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TScope.h"
#include "TSterownik.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QSplitter>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>

namespace {

void KoloryEdycji(QWidget* w, const TPaleta& p) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, p.TloEdycji);
    pal.setColor(QPalette::Text, p.KolorTekstu);
    w->setPalette(pal);
}

void KoloryTla(QWidget* w, const TPaleta& p) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, p.Tlo);
    pal.setColor(QPalette::Window, p.Tlo);
    w->setPalette(pal);
}

// The desktop's own palette, as it was before the first scheme replaced it.
const QPalette& PaletaPulpitu() {
    static const QPalette pulpit = QApplication::palette();
    return pulpit;
}

// Qt hands a new application palette on to the widgets from the event loop; here at once,
// so that the captions made readable next see the new button face.
void PaletaDlaWszystkich(const QPalette& nowa) {
    QApplication::setPalette(nowa);
    QToolTip::setPalette(nowa);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
}

} // namespace

void TForm1::ZastosujSchemat() {
    paleta = PaletaSchematu(Schemat, PaletaPulpitu());
    // Application-wide, so that the toolkit's own controls and every dialog follow it too.
    PaletaDlaWszystkich(PaletaAplikacji(paleta));
    grafika->UstawPalete(&paleta);
    scope->UstawPalete(&paleta);
    nastawy->UstawPalete(&paleta);
    UstawTlo(centralWidget(), paleta.Tlo, paleta.KolorTekstu);
    UstawTlo(menuBar(), paleta.Tlo, paleta.KolorTekstu);
    // The menu bar writes its captions in the button text colour.
    QPalette menu = menuBar()->palette();
    menu.setColor(QPalette::ButtonText, paleta.KolorTekstu);
    menuBar()->setPalette(menu);
    // Palettes, not a style sheet: a sheet would take over the palettes of every grid below.
    for (int i = 1; i < splitter->count(); ++i)
        UstawTlo(splitter->handle(i), paleta.TloPodzialu, paleta.KolorTekstu);
    for (TPanel* pasek : {panelLeftShow, panelRightShow})
        pasek->UstawKolory(paleta.TloPodzialu, paleta.KolorTekstu);
    for (QWidget* w : std::initializer_list<QWidget*>{richEditBledy, richEditInfo, richEditDtc,
                                                      stringGridElm, stringGridPid})
        KoloryEdycji(w, paleta);
    for (QWidget* w :
         std::initializer_list<QWidget*>{siatkaParametrow, siatkaCzasow, listaWykresow})
        KoloryTla(w, paleta);
    for (TPanel* b : {banerParametry, banerCzasWtr, banerOsc, banerBledy, banerInfo})
        b->UstawKolory(paleta.Tlo, paleta.KolorBanera);
    if (nastawy->isVisible()) nastawy->update();
    if (grafika->isVisible()) grafika->Odswiez();
    if (scope->isVisible()) scope->Przerysuj();
    siatkaParametrow->viewport()->update();
    siatkaCzasow->viewport()->update();
    listaWykresow->viewport()->update();
    UlozPrawa();
    OdswiezStacyjke();
}

void TForm1::OdswiezStacyjke() {
    // In the screen's pixels, so that the lamps drawn on it are as sharp as the picture.
    const qreal skala = devicePixelRatioF();
    stacyjka = QImage(QSize(91, 91) * skala, QImage::Format_RGB32);
    stacyjka.setDevicePixelRatio(skala);
    stacyjka.fill(paleta.Tlo);
    QPainter p(&stacyjka);
    p.drawPixmap(0, 0, Obrazki::Wczytaj(Obrazki::Stacyjka, skala));
    p.end();
    image1->setPixmap(QPixmap::fromImage(stacyjka));
    // The next live frame paints the lamps anew.
    lampki13 = lampki14 = -1;
}

void TForm1::UstawSchemat(int schemat) {
    Schemat = Schematy::Ogranicz(schemat);
    Akcja(QStringLiteral("MenuColor%1").arg(Schemat))->setChecked(true);
    ZastosujSchemat();
    // The tab and command captions are made readable on the new button face.
    WybierzZakladke(-1);
}

void TForm1::ZastosujWidok() {
    if (Widok == 2) {
        for (int n : {8, 10, 9})
            Przycisk(n)->show();
        UlozZakladki();
        UlozPrawa();
    } else {
        ZwinPrawa(false);
        Przycisk(8)->hide();
        if (siatkaCzasow->Zwiniete) {
            siatkaCzasow->Zwiniete = false;
            Przycisk(10)->setText(QStringLiteral("-"));
        }
        Przycisk(10)->hide();
        Przycisk(9)->hide();
        // The basic values are always drawn and listed below the advanced view.
        for (TWykres& w : sterownik->Wykresy)
            if (w.Tekst == 1400 || w.Tekst == 1404 || w.Tekst == 1406 || w.Tekst == 1410 ||
                w.Tekst == 1412)
                w.Widoki |= TListaWykresow::Rysowany | TSiatkaParametrow::Widok;
        UlozPrawa();
    }
    PokazLewa(Widok == 2);
    nastawy->UstawPoziom(Widok);
    grafika->UstawPoziom(Widok);
}

void TForm1::UstawPoziomWidoku(int widok) {
    Widok = widok;
    Akcja(QStringLiteral("MenuView%1").arg(Widok))->setChecked(true);
    ZastosujWidok();
    ZastosujNapisy();
    WybierzZakladke(-1);
}
