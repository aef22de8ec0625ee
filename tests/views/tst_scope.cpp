// The oscilloscope through its real widget: following the newest sample, pausing, zoom
// limits, event marks, the buffer's wrap and the CSV export.

#include "MapaPortow.h"
#include "Paleta.h"
#include "PlikTestowy.h"
#include "TScope.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>

class TestScope : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    TTeksty teksty;
    TPaleta paleta;
    TPlikTestowy okna;
    std::unique_ptr<TSterownik> s;
    std::unique_ptr<QWidget> panel;
    TScope* o = nullptr;
    int sygnalow = 0;

    void Probki(int ile, unsigned char bajt6 = 0) {
        std::array<unsigned char, 128> r{};
        r[6] = bajt6;
        for (int i = 0; i < ile; ++i) {
            r[17] = static_cast<unsigned char>(i);
            o->DodajProbke(r.data());
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(teksty.Wczytaj());
        teksty.UstawJezyk(Jezyki::Angielski);
        paleta.Tlo = QColor(200, 200, 200);
        paleta.TloWykresu = QColor(255, 255, 255);
    }

    void cleanup() { panel.reset(); }

    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so"));
        s->Teksty = &teksty;
        s->OknaPlikow = &okna;
        panel = std::make_unique<QWidget>();
        panel->resize(620, 400); // chart 500 wide
        o = new TScope(*s, panel.get());
        o->Umiesc(panel.get());
        o->UstawPalete(&paleta);
        o->Sygnal = [this] { ++sygnalow; };
        sygnalow = 0;
        panel->show();
        o->show();
        o->Powiekszenie = 3; // one sample per pixel
    }

    void startFollowsPauseStandsStill() {
        Probki(25);
        QCOMPARE(o->KoniecWidoku, 25);
        QCOMPARE(o->PoczatekWidoku(), -475);
        QVERIFY(!o->Rysunek().suwak);
        o->Komenda(2);
        QVERIFY(o->Rysunek().suwak.has_value());
        Probki(5);
        QCOMPARE(o->IleProbek, 30);
        QCOMPARE(o->KoniecWidoku, 25);
        o->Komenda(1);
        Probki(1);
        QCOMPARE(o->KoniecWidoku, 31);
    }

    void zoomLimitsBeep() {
        o->Powiekszenie = 0;
        o->Klawisz(Qt::Key_Up, {});
        QCOMPARE(sygnalow, 1);
        QCOMPARE(o->Powiekszenie, 0);
        o->Komenda(20); // the command only redraws
        QCOMPARE(sygnalow, 1);
        o->Powiekszenie = 8;
        o->Klawisz(Qt::Key_Down, {});
        QCOMPARE(sygnalow, 2);
        o->Klawisz(Qt::Key_Up, {});
        QCOMPARE(o->Powiekszenie, 7);
        // Scrolling while Start follows the newest sample is refused.
        o->Klawisz(Qt::Key_Left, {});
        QCOMPARE(sygnalow, 3);
    }

    void fuelSwitchMarkedInRed() {
        Probki(5);
        Probki(1, 0xF0); // sample 5
        Probki(4);
        o->Komenda(3);
        // Column of sample 5: (5 - start) pixels right of the chart's edge, above the bar.
        const int x = 5 - o->PoczatekWidoku() + 10;
        const QImage& obraz = o->Obraz();
        QCOMPARE(obraz.pixelColor(x, obraz.height() - 48), QColor(255, 0, 0));
        QCOMPARE(obraz.pixelColor(x - 20, obraz.height() - 48), paleta.TloWykresu);
    }

    void theHourWraps() {
        o->IleProbek = TScope::MaksProbek - 1;
        Probki(1);
        QCOMPARE(o->IleProbek, 0);
        Probki(1);
        QCOMPARE(o->IleProbek, 1);
        QCOMPARE(int(o->Probki()[17]), 0);
        QCOMPARE(o->CzasZapisu(), QStringLiteral("0.1 [s]"));
    }

    void csvOfThreeSamples() {
        QTemporaryDir katalog;
        okna.sciezka = katalog.filePath(QStringLiteral("zapis.csv"));
        Probki(3);
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        o->Komenda(7);
        QFile plik(okna.sciezka);
        QVERIFY(plik.open(QIODevice::ReadOnly));
        const QList<QByteArray> linie = plik.readAll().split('\n');
        QCOMPARE(linie.size(), 5); // four lines, each ended by CR LF
        QVERIFY(linie[0].startsWith("sec;"));
        QVERIFY(linie[1].startsWith("0,0;"));
        QVERIFY(linie[3].startsWith("0,2;"));
        QVERIFY(linie[3].endsWith(";\r"));
        QVERIFY(linie[4].isEmpty());
    }
};

QTEST_MAIN(TestScope)
#include "tst_scope.moc"
