// The map view at the size of a maximised 1920 x 1080 window with every map cell collected:
// the multiplier chart's full repaint and one move of its live cursor; the grids' full
// repaint and one cell edit.

#include "TGrafika.h"
#include "TSiatkaMapy.h"
#include "UkladWykresu.h"

#include "StanowiskoWidoku.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TStanowiskoWidoku st;
    TSterownik& s = st.s;
    for (int r = 0; r < 16; ++r)
        for (int l = 0; l < 16; ++l) {
            s.MapaEcuBen[16 * r + l] = static_cast<unsigned char>(20 + 8 * l + r);
            s.MapaEcuGaz[16 * r + l] = static_cast<unsigned char>(18 + 8 * l + r);
        }
    s.Nastawy[81] = 1;
    TPaleta& paleta = st.paleta;
    QWidget& panel = st.panel;
    auto* g = new TGrafika(s, &panel);
    g->Umiesc(&panel);
    g->UstawPalete(&paleta);
    panel.show();
    g->UstawTryb(0);
    g->show();
    g->UstawPoziom(2);
    QApplication::processEvents();

    QImage obraz(g->size(), QImage::Format_RGB32);
    if (!g->isVisible()) return 1;
    // The background is rebuilt only on a change of mode, choice or size; the data always.
    const double tlo = MilisekundNaRaz(100, [&] { g->Przebuduj(); });
    const double dane = MilisekundNaRaz(100, [&] { g->Rysuj(); });
    const double caly = MilisekundNaRaz(100, [&] {
        g->Odswiez();
        g->render(&obraz);
    });
    const TObszarWykresu o = ObszarWykresu(g->size(), 0);
    unsigned char ramka[128] = {};
    int krok = 0;
    const double kursor = MilisekundNaRaz(1000, [&] {
        ramka[19] = static_cast<unsigned char>(20 + krok % 100);
        ramka[44] = static_cast<unsigned char>(20 + krok++ % 60);
        g->DaneBiezace(ramka);
        const QPoint k = g->Kursor();
        const QRegion linie =
            QRegion(k.x(), o.Gora(), 1, o.h + 1) + QRegion(o.x0, k.y(), o.w + 1, 1);
        g->render(&obraz, linie.boundingRect().topLeft(), linie);
    });
    // The grids of mode 1 at the advanced level: both maps and the RPM corrections.
    g->UstawTryb(1);
    QApplication::processEvents();
    QImage panelObraz(panel.size(), QImage::Format_RGB32);
    const double siatki = MilisekundNaRaz(50, [&] {
        g->Odswiez();
        panel.render(&panelObraz);
    });
    TSiatkaMapy* b = g->SiatkaB();
    QImage obrazB(b->size(), QImage::Format_RGB32);
    const double komorka = MilisekundNaRaz(200, [&] {
        QKeyEvent klawisz(QEvent::KeyPress, krok++ % 2 ? Qt::Key_Up : Qt::Key_Down,
                          Qt::ControlModifier);
        QApplication::sendEvent(b, &klawisz);
        b->render(&obrazB);
    });
    std::printf("multiplier chart %dx%d, 512 map cells\n", g->width(), g->height());
    std::printf("  background:    %.2f ms\n", tlo);
    std::printf("  data:          %.2f ms\n", dane);
    std::printf("  full repaint:  %.2f ms (background, data, copy to the screen)\n", caly);
    std::printf("  cursor move:   %.3f ms\n", kursor);
    std::printf("grids of mode 1, advanced level\n");
    std::printf("  full repaint:  %.2f ms\n", siatki);
    std::printf("  cell edit:     %.2f ms (Ctrl+Up and grid B repainted)\n", komorka);
    return 0;
}
