// The map view's multiplier chart through its real widget: what is drawn by view level and
// data, the arrow buttons, the focus holder's keys, the live cursor.

#include "MapaPortow.h"
#include "Paleta.h"
#include "RysowanieSiatki.h"
#include "TGrafika.h"
#include "TSiatkaMapy.h"
#include "TSterownik.h"
#include "Teksty.h"
#include "UkladWykresu.h"

#include <QLineEdit>
#include <QTest>

class TestGrafika : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    TTeksty teksty;
    TPaleta paleta;
    std::unique_ptr<TSterownik> s;
    std::unique_ptr<QWidget> panel;
    TGrafika* g = nullptr;
    int sygnalow = 0;

    const QColor Petrol{255, 0, 0}, Odchylka{2, 115, 253};

    // Pixels near a colour in a rectangle of the composed picture (text is smoothed).
    int Piksele(const QRect& r, const QColor& c) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor p = g->Obraz().pixelColor(x, y);
                n += qAbs(p.red() - c.red()) + qAbs(p.green() - c.green()) +
                         qAbs(p.blue() - c.blue()) <
                     60;
            }
        return n;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(teksty.Wczytaj());
        teksty.UstawJezyk(Jezyki::Angielski);
        paleta.Tlo = QColor(200, 200, 200);
        paleta.TloWykresu = QColor(40, 40, 40);
        paleta.KolorZnacznika = QColor(255, 0, 255);
        paleta.KolorSiatki = QColor(128, 128, 128);
        paleta.KolorTekstu = QColor(0, 0, 0);
    }

    // The views go before the controller they show.
    void cleanup() { panel.reset(); }

    void init() {
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so"));
        s->Teksty = &teksty;
        panel = std::make_unique<QWidget>();
        panel->resize(520, 463);
        g = new TGrafika(*s, panel.get());
        g->Umiesc(panel.get());
        g->UstawPalete(&paleta);
        g->Sygnal = [this] { ++sygnalow; };
        sygnalow = 0;
        panel->show();
        g->UstawTryb(0);
        g->show();
        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel.get()));
        g->Rysuj();
    }

    void deviationOnlyAboveTheBasicLevel() {
        // Petrol 60 and gas 50 in three cells: three deviation points and a fit line.
        for (int r : {3, 4, 5}) {
            s->MapaEcuBen[16 * r + 7] = 60;
            s->MapaEcuGaz[16 * r + 7] = 50;
        }
        g->UstawPoziom(1);
        const QRect legenda(60, 105, 80, 14);
        QVERIFY(Piksele(legenda, Odchylka) > 0);
        const QRect wykres(40, 130, 400, 295);
        QVERIFY(Piksele(wykres, Odchylka) > 0);
        g->UstawPoziom(0);
        QCOMPARE(Piksele(legenda, Odchylka), 0);
        QCOMPARE(Piksele(wykres, Odchylka), 0);
    }

    void fitsByNumberOfCells() {
        const TObszarWykresu o = ObszarWykresu(g->size(), 0);
        // Below the legend.
        const auto linia = [&] { return Piksele(QRect(o.x0, 130, o.w, o.yb - 130), Petrol); };
        s->MapaEcuBen[16 * 4 + 7] = 50;
        s->MapaEcuBen[16 * 5 + 7] = 60;
        g->Rysuj();
        QCOMPARE(linia(), 2 * 9); // two 3 x 3 squares, no fit
        s->MapaEcuBen[16 * 6 + 7] = 70;
        g->Rysuj();
        QVERIFY(linia() > 3 * 9 + 20); // with the fitted line
    }

    void arrowButtonsShiftTheWholeCurve() {
        const QRect gora = PrzyciskWGore(g->size());
        QTest::mouseClick(g, Qt::LeftButton, {}, gora.center());
        QCOMPARE(int(s->Mnoznik1[0]), 101);
        QCOMPARE(int(s->Mnoznik1[200]), 101);
        const QRect dol = PrzyciskWDol(g->size());
        QTest::mouseClick(g, Qt::LeftButton, {}, dol.center());
        QTest::mouseClick(g, Qt::LeftButton, {}, dol.center());
        QCOMPARE(int(s->Mnoznik1[100]), 99);
    }

    void keysActOnlyWithTheFocusHolder() {
        g->UchwytFokusu()->clearFocus();
        g->Klawisz(Qt::Key_Up, {});
        QCOMPARE(int(s->Mnoznik1[0]), 100);
        // A click in the plot gives it the focus and selects the point under the mouse.
        const TObszarWykresu o = ObszarWykresu(g->size(), 0);
        QTest::mouseClick(g, Qt::LeftButton, {}, PunktKrzywej(o, {}, 0, 100));
        QVERIFY(g->UchwytFokusu()->hasFocus());
        QCOMPARE(g->Mnoznik().Wybrany, 0);
        g->Klawisz(Qt::Key_Up, {});
        QCOMPARE(int(s->Mnoznik1[0]), 101);
        QCOMPARE(int(s->Mnoznik1[200]), 100);
        g->Klawisz(Qt::Key_PageDown, {});
        QCOMPARE(sygnalow, 1);
        // A right click adds a point where the mouse is.
        QTest::mouseClick(g, Qt::RightButton, {}, QPoint(o.x0 + o.w / 2, o.yb - o.h / 2));
        QCOMPARE(int(s->Nastawy[214]), 100);
        QCOMPARE(g->Mnoznik().Wybrany, 24);
    }

    void liveCursorFollowsTheFrame() {
        unsigned char ramka[128] = {};
        ramka[19] = 100;
        ramka[44] = 50;
        g->DaneBiezace(ramka);
        const TObszarWykresu o = ObszarWykresu(g->size(), 0);
        QCOMPARE(g->Kursor(), QPoint(o.x0 + o.w / 2, o.yb - o.h / 2));
        g->Rysuj();
        QCOMPARE(g->Kursor().x(), -1);
        g->Ukryj();
        g->DaneBiezace(ramka);
        QCOMPARE(g->Kursor().x(), -1);
    }

    void gridsByLevel() {
        g->UstawPoziom(0);
        g->UstawTryb(1);
        QVERIFY(g->SiatkaB()->isVisible());
        QVERIFY(!g->SiatkaA()->isVisible());
        QCOMPARE(g->SiatkaB()->pos(), g->pos() + QPoint(5, 16));
        g->UstawPoziom(1);
        QVERIFY(g->SiatkaA()->isVisible());
        g->UstawTryb(0);
        QVERIFY(!g->SiatkaB()->isVisible());
    }

    void gridBKeysWithFeathering() {
        g->UstawTryb(1);
        g->ZmieniajSasiednie(true);
        TSiatkaMapy* b = g->SiatkaB();
        // The cell of RPM index 5 and load index 8: grid column 6, row 8.
        QTest::mouseClick(b, Qt::LeftButton, {}, b->ProstokatKomorki(6, 8).center());
        QCOMPARE(b->Zaznaczenie, QRect(6, 8, 1, 1));
        const auto c = [&](int r, int l) { return int(s->KorOdObr1[16 * r + l]); };
        for (int n = 0; n < 3; ++n)
            QTest::keyClick(b, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(c(5, 8), 103);
        QCOMPARE(c(4, 8), 101); // one ring out: every second press
        QTest::keyClick(b, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(b, Qt::Key_Down, Qt::ControlModifier);
        // The count started again: the ring followed on the second press down only.
        QCOMPARE(c(5, 8), 101);
        QCOMPARE(c(4, 8), 100);
        QTest::keyClick(b, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(c(0, 0), 101);
        // + on the live cell, whatever has the focus.
        unsigned char ramka[128] = {};
        ramka[15] = 2;
        ramka[16] = 3;
        g->DaneBiezace(ramka);
        QCOMPARE(b->Zywa, QPoint(3, 13));
        g->Klawisz(Qt::Key_Plus, {});
        QCOMPARE(c(2, 3), 102);
    }

    void axisHeadersInGridB() {
        g->UstawTryb(1);
        TSiatkaMapy* b = g->SiatkaB();
        QLineEdit* edytor = g->UchwytFokusu();
        QTest::mouseClick(b, Qt::LeftButton, {}, b->ProstokatKomorki(1, 0).center());
        QVERIFY(edytor->hasFocus());
        QCOMPARE(edytor->text(), QStringLiteral("600"));
        edytor->setText(QStringLiteral("20000"));
        QTest::keyClick(edytor, Qt::Key_Return);
        QCOMPARE(int(s->Nastawy[240]), 200);
        QCOMPARE(edytor->width(), 1); // parked again
        QTest::mouseClick(b, Qt::LeftButton, {}, b->ProstokatKomorki(0, 4).center());
        edytor->setText(QStringLiteral("1,25"));
        QTest::keyClick(edytor, Qt::Key_Return);
        QCOMPARE(int(s->Nastawy[224 + 12]), 125);
        // With the petrol time as load the row headers are not edited.
        s->Nastawy[76] = 1;
        QTest::mouseClick(b, Qt::LeftButton, {}, b->ProstokatKomorki(0, 4).center());
        QCOMPARE(edytor->width(), 1);
    }

    // A header of grid B typed into through the header editor.
    void Wpisz(int kolumna, int wiersz, const QString& tekst) {
        TSiatkaMapy* b = g->SiatkaB();
        QTest::mouseClick(b, Qt::LeftButton, {}, b->ProstokatKomorki(kolumna, wiersz).center());
        QLineEdit* edytor = g->UchwytFokusu();
        QVERIFY(edytor->hasFocus());
        edytor->setText(tekst);
        QTest::keyClick(edytor, Qt::Key_Return);
    }

    void headerEntriesStoreWhatIsShown_data() {
        QTest::addColumn<int>("tryb");
        QTest::addColumn<int>("czujnik"); // setting 4
        QTest::addColumn<int>("kolumna");
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<int>("przed");
        QTest::addColumn<QString>("wpis");
        QTest::addColumn<int>("po");
        QTest::addColumn<QString>("pokazany");
        QTest::newRow("RPM, not a number, 0 stored") << 1 << 0 << 2 << 0 << 0 << "abc" << 0 << "0";
        QTest::newRow("RPM 30") << 6 << 0 << 2 << 0 << 12 << "30" << 1 << "50";
        for (int tryb : {1, 5, 6, 7})
            QTest::addRow("MAF load in mode %d", tryb)
                << tryb << 2 << 0 << 4 << 50 << "2,00" << 100 << "2.00";
        QTest::newRow("pressure load in mode 7")
            << 7 << 0 << 0 << 4 << 50 << "1,25" << 125 << "1.25";
    }

    void headerEntriesStoreWhatIsShown() {
        QFETCH(int, tryb);
        QFETCH(int, czujnik);
        QFETCH(int, kolumna);
        QFETCH(int, wiersz);
        QFETCH(int, przed);
        QFETCH(QString, wpis);
        QFETCH(int, po);
        QFETCH(QString, pokazany);
        s->Nastawy[4] = static_cast<unsigned char>(czujnik);
        // Row k of grid B is load index 16 - k; column c RPM index c - 1.
        const int nastawa = wiersz == 0 ? 239 + kolumna : 240 - wiersz;
        s->Nastawy[nastawa] = static_cast<unsigned char>(przed);
        g->UstawTryb(tryb);
        Wpisz(kolumna, wiersz, wpis);
        QCOMPARE(int(s->Nastawy[nastawa]), po);
        QCOMPARE(g->SiatkaB()->Tekst(kolumna, wiersz), pokazany);
    }

    void headerEditorHasTheCellsFontSize() {
        panel->resize(1000, 700);
        g->resize(1000, 700);
        g->UstawTryb(6);
        TSiatkaMapy* b = g->SiatkaB();
        // Cells of (1000 - 10) / 17 = 58 by (700 - 20) / 17 = 40 pixels.
        const int rozmiar = RozmiarCzcionkiKomorki(b->font(), QStringLiteral("5000"), 56, 39);
        QVERIFY(rozmiar != g->UchwytFokusu()->font().pointSize());
        QTest::mouseClick(b, Qt::LeftButton, {}, b->ProstokatKomorki(3, 0).center());
        QCOMPARE(g->UchwytFokusu()->font().pointSize(), rozmiar);
    }

    void bankLegendOfTheCurvesFollowsTheMultiplier() {
        s->PlytkaV3 = true;
        s->LiczbaWtryskiwaczy = 4;
        s->Mnoznik2[7] = 1; // banks set apart
        g->UstawBank(2);    // in mode 0: the multiplier's bank
        g->UstawTryb(2);
        const QRect legenda(40, 2, 120, 14);
        QVERIFY(Piksele(legenda, paleta.KolorTekstu) > 0);
        g->UstawTryb(0);
        g->UstawBank(0);
        g->UstawTryb(3);
        g->UstawBank(2); // in mode 3: the RPM corrections' bank
        QCOMPARE(Piksele(legenda, paleta.KolorTekstu), 0);
    }
};

QTEST_MAIN(TestGrafika)
#include "tst_grafika.moc"
