// The settings editor's repaint: page 0 at the advanced view level filling the centre of a
// 1920 x 1080 window, whole and after a click on a step button.

#include "TNastawy.h"

#include "StanowiskoWidoku.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TStanowiskoWidoku st;
    TSterownik& s = st.s;
    TPaleta& paleta = st.paleta;
    QWidget& panel = st.panel;
    auto* e = new TNastawy(s, &panel);
    e->Umiesc(&panel);
    e->UstawPalete(&paleta);
    e->Sygnal = [] {};
    panel.show();
    e->show();
    e->UstawPoziom(2);
    QApplication::processEvents();
    e->Rozmiesc();

    QImage obraz(e->size(), QImage::Format_RGB32);
    const auto rysuj = [&] { e->render(&obraz); };
    const double caly = MilisekundNaRaz(200, rysuj);
    int wiersz = 0;
    for (int w = 0; w < int(e->Mapa().size()); ++w)
        if (e->Mapa()[size_t(w)][0] == 55) wiersz = w;
    const QRect r = e->ProstokatKomorki(0, wiersz);
    const QPointF plus(e->Uklad().Strefy[0][PoczatekPlusa] + 4, r.center().y());
    int krok = 0;
    const double poKliku = MilisekundNaRaz(200, [&] {
        const QPointF p = ++krok % 2 ? plus : plus - QPointF(e->Uklad().Przycisk, 0);
        QMouseEvent wcisniecie(QEvent::MouseButtonPress, p, p, Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(e, &wcisniecie);
        QMouseEvent puszczenie(QEvent::MouseButtonRelease, p, p, Qt::LeftButton, {}, {});
        QApplication::sendEvent(e, &puszczenie);
        rysuj();
    });
    std::printf("settings editor, page 0 advanced, %dx%d, font %d pt\n", e->width(), e->height(),
                e->RozmiarCzcionki());
    std::printf("  full repaint:            %.2f ms\n", caly);
    std::printf("  click on a step + paint: %.2f ms\n", poKliku);
    return 0;
}
