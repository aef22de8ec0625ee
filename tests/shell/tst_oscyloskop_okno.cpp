// The oscilloscope as the window ties it in: the trace list repainting it, a scope file
// read from another tab, and the record button after a cancelled save dialog.

#include "ListaWykresow.h"
#include "OknoTestowe.h"
#include "PlikTestowy.h"
#include "TScope.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolButton>

namespace {

void Zaawansowany(QSettings& u) {
    u.setValue(QStringLiteral("Selvar2/Lang"), 0);
    u.setValue(QStringLiteral("Selvar2/View"), 2);
}

// Pixels of exactly this colour inside the chart area.
int PikseleKoloru(const QImage& obraz, const QColor& kolor) {
    int ile = 0;
    for (int y = 41; y < obraz.height() - 40; ++y)
        for (int x = 11; x < obraz.width() - 110; ++x)
            if (obraz.pixelColor(x, y) == kolor) ++ile;
    return ile;
}

} // namespace

class TestOscyloskopOkno : public QObject {
    Q_OBJECT

private slots:
    void traceListClickRepaintsThePausedChart() {
        TOknoTestowe t(Zaawansowany);
        t.Klawisz(Qt::Key_F5);
        t.Klawisz(Qt::Key_L);
        auto* lista = t.W<TListaWykresow>("StringGrid1");
        QVERIFY(lista->isVisible());
        TScope& o = t.okno->Scope();
        std::array<unsigned char, 128> r{};
        for (int i = 0; i < 50; ++i)
            o.DodajProbke(r.data());
        t.Klik(QStringLiteral("SpeedButton51"));
        QCOMPARE(o.Tryb, 2);
        const QColor kolor(0x12, 0x34, 0x56); // no other trace's
        TWykres& w = t.s().Wykresy[std::size_t(lista->Wykres(2))];
        w.Kolor = TKolor{0x123456};
        w.Widoki &= ~TListaWykresow::Rysowany;
        o.Przerysuj();
        QCOMPARE(PikseleKoloru(o.Obraz(), kolor), 0);
        const QPoint wiersz = lista->visualRect(lista->model()->index(2, 1)).center();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, wiersz);
        QVERIFY(w.Widoki & TListaWykresow::Rysowany);
        QVERIFY(PikseleKoloru(o.Obraz(), kolor) > 0);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, wiersz);
        QCOMPARE(PikseleKoloru(o.Obraz(), kolor), 0);
    }

    // Read from the settings tab, the file is drawn when the oscilloscope tab opens: its
    // fuel switch at sample 5 shows as the red mark above the work-state bar.
    void scopeFileReadFromAnotherTabIsDrawnOnShow() {
        TOknoTestowe t(Zaawansowany);
        TScope& o = t.okno->Scope();
        t.Klawisz(Qt::Key_F5);
        QVERIFY(o.isVisible());
        t.Klawisz(Qt::Key_F1);
        QVERIFY(!o.isVisible());
        QByteArray plik = t.s().ObrazModelu(true);
        for (int i = 0; i < 40; ++i) {
            QByteArray probka(128, '\0');
            if (i == 5) probka[6] = static_cast<char>(0xF0);
            plik += probka;
        }
        TPlikTestowy pliki;
        pliki.sciezka = t.katalog.filePath(QStringLiteral("jazda.osc"));
        QFile f(pliki.sciezka);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(plik) == plik.size());
        f.close();
        t.s().OknaPlikow = &pliki;
        t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuFile5"))->trigger();
        t.s().OknaPlikow = nullptr;
        QVERIFY(o.isVisible());
        QCOMPARE(o.Tryb, 5);
        QCOMPARE(o.IleProbek, 40);
        const QImage& obraz = o.Obraz();
        const int x = int((5 - o.PoczatekWidoku()) / o.ProbekNaPiksel()) + 10;
        QCOMPARE(obraz.pixelColor(x, obraz.height() - 48), QColor(255, 0, 0));
    }

    void recordButtonIsReleasedWhenTheSaveDialogIsCancelled() {
        TOknoTestowe t(Zaawansowany);
        t.Klawisz(Qt::Key_F5);
        TPlikTestowy pliki; // no path: the dialog is cancelled
        t.s().OknaPlikow = &pliki;
        auto* zapis = t.W<QToolButton>("SpeedButton53");
        t.Klik(QStringLiteral("SpeedButton53"));
        QVERIFY(!t.s().PlikOsc);
        QVERIFY(!zapis->isChecked());
        pliki.sciezka = t.katalog.filePath(QStringLiteral("zapis.osc"));
        t.Klik(QStringLiteral("SpeedButton53"));
        QVERIFY(t.s().PlikOsc);
        QVERIFY(zapis->isChecked());
        t.Klik(QStringLiteral("SpeedButton53"));
        QVERIFY(!t.s().PlikOsc);
        QVERIFY(!zapis->isChecked());
        t.s().OknaPlikow = nullptr;
    }
};

QTEST_MAIN(TestOscyloskopOkno)
#include "tst_oscyloskop_okno.moc"
