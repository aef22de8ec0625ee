// The settings editor driven through its real widget: steps and their repeat, the value
// list, the trouble-code entry, arrow keys, refusals, the highlight, the dialogs' buttons.

#include "MapaPortow.h"
#include "Paleta.h"
#include "TNastawy.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

class TestEdytorNastaw : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    TTeksty teksty;
    TPaleta paleta;
    std::unique_ptr<TSterownik> s;
    std::unique_ptr<QWidget> panel;
    TNastawy* e = nullptr;
    int sygnalow = 0;
    QList<QPair<DialogNastaw, int>> dialogi;

    void Pokaz(int strona, int poziom, QSize rozmiar = {800, 600}) {
        panel->resize(rozmiar);
        e->UstawPoziom(poziom);
        e->UstawWidok(strona);
        e->Rozmiesc();
    }

    TKomorka Gdzie(int indeks) const {
        const TMapaStrony& m = e->Mapa();
        for (int w = 0; w < int(m.size()); ++w)
            for (int k = 0; k < 2; ++k)
                if (m[size_t(w)][size_t(k)] == indeks) return {k, w};
        return {-1, -1};
    }

    // A point in a zone of the setting's cell: x from the zone edge plus dx.
    QPoint Punkt(int indeks, StrefaNastaw strefa, int dx) const {
        const TKomorka k = Gdzie(indeks);
        const QRect r = e->ProstokatKomorki(k.Kolumna, k.Wiersz);
        return {e->Uklad().Strefy[size_t(k.Kolumna)][strefa] + dx, r.center().y()};
    }

    void Klik(QPoint p) {
        QTest::mousePress(e, Qt::LeftButton, {}, p);
        QTest::mouseRelease(e, Qt::LeftButton, {}, p);
    }

    QColor KolorPola(int indeks) {
        const QImage obraz = e->grab().toImage();
        return obraz.pixelColor(Punkt(indeks, PoczatekPola, 2) + QPoint(0, -6));
    }

private slots:
    void initTestCase() {
        QVERIFY(teksty.Wczytaj());
        teksty.UstawJezyk(Jezyki::Angielski);
    }

    // The views go before the controller they show.
    void cleanup() { panel.reset(); }

    void init() {
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so"));
        s->Teksty = &teksty;
        paleta.Tlo = QColor(200, 200, 200);
        paleta.TloEdycji = QColor(250, 250, 250);
        paleta.TloWyboru = QColor(0, 0, 200);
        paleta.TloNieaktywne = QColor(120, 120, 120);
        paleta.KolorOstrzezenia = QColor(250, 200, 0);
        panel = std::make_unique<QWidget>();
        e = new TNastawy(*s, panel.get());
        e->Umiesc(panel.get());
        e->UstawPalete(&paleta);
        e->Sygnal = [this] { ++sygnalow; };
        e->OnDialog = [this](DialogNastaw d, int i) { dialogi.append({d, i}); };
        sygnalow = 0;
        dialogi.clear();
        panel->show();
        e->show();
        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel.get()));
        Pokaz(Strony::Glowna, 1);
    }

    void holdingPlusStepsAtTheRepeatPace() {
        s->Nastawy[50] = 70;
        const QPoint plus = Punkt(50, PoczatekPlusa, 5);
        QTest::mousePress(e, Qt::LeftButton, {}, plus);
        QCOMPARE(int(s->Nastawy[50]), 71);
        QVERIFY(e->ZegarPowtorzen().isActive());
        QList<int> odstepy{e->ZegarPowtorzen().interval()};
        for (int n = 0; n < 11; ++n) {
            e->TimerPowtorzeniaOnTimer();
            odstepy << e->ZegarPowtorzen().interval();
        }
        QCOMPARE(int(s->Nastawy[50]), 82);
        QCOMPARE(odstepy, (QList<int>{600, 600, 600, 300, 300, 300, 300, 300, 300, 300, 100, 100}));
        QTest::mouseRelease(e, Qt::LeftButton, {}, plus);
        QVERIFY(!e->ZegarPowtorzen().isActive());
        QCOMPARE(e->ZegarPowtorzen().interval(), 600);
        QCOMPARE(sygnalow, 0);
    }

    void holdingPlusAtTheMaximumBeepsOnce() {
        s->Nastawy[50] = 255;
        QTest::mousePress(e, Qt::LeftButton, {}, Punkt(50, PoczatekPlusa, 5));
        QCOMPARE(int(s->Nastawy[50]), 255);
        QCOMPARE(sygnalow, 1);
        QVERIFY(!e->ZegarPowtorzen().isActive());
    }

    void clickOnX4StepsDownThenUp() {
        s->Nastawy[50] = 0; // at the minimum: the down step beeps, the up step counts
        Klik(Punkt(50, PoczatekPlusa, 0));
        QCOMPARE(int(s->Nastawy[50]), 1);
        QCOMPARE(sygnalow, 1);
        s->Nastawy[50] = 10;
        Klik(Punkt(50, PoczatekPlusa, 0));
        QCOMPARE(int(s->Nastawy[50]), 10);
    }

    void switchToggledOnlyByItsBox() {
        s->Nastawy[21] = 0;
        Klik(Punkt(21, PoczatekPola, 5));
        QCOMPARE(int(s->Nastawy[21]), 0);
        Klik(Punkt(21, PoczatekPlusa, 5));
        QCOMPARE(int(s->Nastawy[21]), 1);
        Klik(Punkt(21, KoniecPrzyciskow, 0));
        QCOMPARE(int(s->Nastawy[21]), 0);
        QCOMPARE(sygnalow, 0);
    }

    void valueListChoosesAValue() {
        s->Nastawy[1] = 0;
        Klik(Punkt(1, PoczatekPlusa, 5));
        QListWidget* lista = e->ListaWartosci();
        QVERIFY(lista && lista->isVisible());
        QCOMPARE(lista->count(), 9);
        QCOMPARE(lista->currentRow(), 0);
        QCOMPARE(lista->item(6)->text(), QStringLiteral("1 coil per 8 cylinders"));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualItemRect(lista->item(7)).center());
        QVERIFY(!lista->isVisible());
        QCOMPARE(int(s->Nastawy[1]), 7);
        QCOMPARE(int(s->Nastawy[2]), 1);
        QCOMPARE(int(s->Nastawy[65]), 50);
        // The chevron again toggles the list.
        Klik(Punkt(1, PoczatekPlusa, 5));
        QVERIFY(lista->isVisible());
        Klik(Punkt(1, PoczatekPlusa, 5));
        QVERIFY(!lista->isVisible());
    }

    void codeEntry() {
        Pokaz(Strony::Obd, 1);
        Klik(Punkt(263, PoczatekPola, 3));
        QLineEdit* kod = e->EdycjaKodu();
        QVERIFY(kod && kod->isVisible());
        QCOMPARE(kod->text(), QStringLiteral("P"));
        const auto wpisz = [&](const QString& t, int klawisz) {
            kod->setText(t);
            e->KlawiszKodu(klawisz);
        };
        wpisz(QStringLiteral("X1234"), Qt::Key_Return);
        wpisz(QStringLiteral("P12G4"), Qt::Key_Return);
        QVERIFY(kod->isVisible());
        QCOMPARE(int(s->NastawyObd[7]), 0);
        wpisz(QStringLiteral("p0301"), Qt::Key_Return);
        QVERIFY(!kod->isVisible());
        QCOMPARE(int(s->NastawyObd[7]), 0x01);
        QCOMPARE(int(s->NastawyObd[8]), 0x03);
        Klik(Punkt(263, PoczatekPola, 3));
        QCOMPARE(kod->text(), QStringLiteral("P0301"));
        wpisz(QStringLiteral("P0302"), Qt::Key_Escape);
        QVERIFY(!kod->isVisible());
        QCOMPARE(int(s->NastawyObd[7]), 0x01);
        Klik(Punkt(263, PoczatekPola, 3));
        wpisz(QStringLiteral("P00FF"), Qt::Key_Return);
        QCOMPARE(int(s->NastawyObd[7]), 0);
        QCOMPARE(e->StrWartosc(263), QStringLiteral("Off"));
        // Typed keys reach it through the edit's own key handling too.
        Klik(Punkt(263, PoczatekPola, 3));
        kod->setText(QStringLiteral("C0123"));
        QTest::keyClick(kod, Qt::Key_Return);
        QCOMPARE(int(s->NastawyObd[7]) + 256 * s->NastawyObd[8], 0x4123);
    }

    void arrowKeys() {
        s->Nastawy[1] = 2;
        e->setFocus();
        QTest::keyClick(e, Qt::Key_Right);
        QCOMPARE(int(s->Nastawy[1]), 3);
        QTest::keyClick(e, Qt::Key_Up); // row 1 is the top
        QCOMPARE(sygnalow, 1);
        QTest::keyClick(e, Qt::Key_Down);
        QCOMPARE(e->Wybrana, (TKomorka{0, 2}));
        // Setting 2 is not available with signal 3: refused.
        QTest::keyClick(e, Qt::Key_Left);
        QCOMPARE(sygnalow, 2);
        // Onto the frame's bottom edge and on: headers do not stop the selection.
        for (int n = 0; n < 3; ++n)
            QTest::keyClick(e, Qt::Key_Down);
        QCOMPARE(e->Wybrana, (TKomorka{0, 5}));
    }

    void refusalsChangeNothing() {
        Pokaz(Strony::Kalibracja, 0);
        s->Nastawy[86] = 100;
        Klik(Punkt(86, PoczatekPlusa, 5));
        QCOMPARE(int(s->Nastawy[86]), 100);
        QCOMPARE(sygnalow, 1);
        QVERIFY(!e->ZegarPowtorzen().isActive());
        Pokaz(Strony::Kalibracja, 1);
        Klik(Punkt(86, PoczatekPlusa, 5));
        QCOMPARE(int(s->Nastawy[86]), 101);
    }

    void highlightOnlyWhileFocusedWithoutAList() {
        e->Wybrana = Gdzie(20);
        e->clearFocus();
        QCOMPARE(KolorPola(20), paleta.TloEdycji);
        e->setFocus();
        QVERIFY(e->hasFocus());
        QCOMPARE(KolorPola(20), paleta.TloWyboru);
        // Setting 2 is greyed while the signal is not taken from injectors.
        QCOMPARE(KolorPola(2), paleta.TloNieaktywne);
        Klik(Punkt(20, PoczatekPlusa, 5));
        QVERIFY(e->ListaWartosci()->isVisible());
        QCOMPARE(KolorPola(20), paleta.TloEdycji);
    }

    void warningsAndCorrections() {
        Pokaz(Strony::Kalibracja, 1);
        s->Nastawy[86] = 79;
        QCOMPARE(KolorPola(86), paleta.KolorOstrzezenia);
        s->Nastawy[86] = 80;
        QCOMPARE(KolorPola(86), paleta.TloEdycji);
        // A stored choice beyond the record is corrected when shown.
        Pokaz(Strony::Glowna, 1);
        s->Nastawy[40] = 9;
        e->grab();
        QCOMPARE(int(s->Nastawy[40]), 3);
        QCOMPARE(int(s->Nastawy[41]), 11);
        // Also a setting not available now (4, a choice of 0..3, shown from level 2, wants
        // byte 1 = 7 on this board), without a refusal's beep.
        Pokaz(Strony::Glowna, 2);
        QVERIFY(!e->Dostepna(4));
        s->Nastawy[4] = 5;
        const int sygnalowPrzed = sygnalow;
        e->grab();
        e->grab();
        QCOMPARE(int(s->Nastawy[4]), 3);
        QCOMPARE(sygnalow, sygnalowPrzed);
    }

    void buttonsOpenTheirDialogs() {
        const TKomorka przyciski = Gdzie(Komorki::Przyciski);
        const QRect r = e->ProstokatKomorki(przyciski.Kolumna, przyciski.Wiersz);
        const TStrefy& x = e->Uklad().Strefy[0];
        Klik({x[LewyMargines] + 3, r.center().y()});
        Klik({x[PoczatekPola] + 3, r.center().y()});
        Klik(Punkt(8, PoczatekWiecej, 3));
        Klik(Punkt(57, PoczatekWiecej, 3));
        Klik(Punkt(50, PoczatekWiecej, 3)); // no "..." there
        QCOMPARE(dialogi, (QList<QPair<DialogNastaw, int>>{{DialogNastaw::KorektyWtryskiwaczy, 0},
                                                           {DialogNastaw::Kalkulator, 0},
                                                           {DialogNastaw::Sekwencja, 8},
                                                           {DialogNastaw::Grupa, 57}}));
    }

    void lowEditorScrolls() {
        Pokaz(Strony::Glowna, 2, {800, 300});
        QCOMPARE(e->Uklad().WysokoscWiersza, 20);
        QCOMPARE(e->Uklad().SzerokoscKolumny, 390);
        QScrollBar* pasek = e->findChild<QScrollBar*>();
        QVERIFY(pasek && pasek->isVisible());
        QCOMPARE(pasek->maximum(), 24 - 15);
        pasek->setValue(pasek->maximum());
        // Row 22 (57 | 96) is now the eighth visible one.
        s->Nastawy[57] = 0;
        QCOMPARE(Gdzie(57), (TKomorka{0, 22}));
        Klik(Punkt(57, PoczatekPlusa, 5));
        QVERIFY(e->ListaWartosci()->isVisible());
        QCOMPARE(e->Wybrana, (TKomorka{0, 22}));
    }

    void boardGenerationEmptiesTheIgnitionWire() {
        Pokaz(Strony::Glowna, 2);
        QCOMPARE(Gdzie(5), (TKomorka{0, 5}));
        s->PlytkaV3 = true;
        e->UstawWidok(-1);
        QCOMPARE(Gdzie(5), (TKomorka{-1, -1}));
    }
};

QTEST_MAIN(TestEdytorNastaw)
#include "tst_edytornastaw.moc"
