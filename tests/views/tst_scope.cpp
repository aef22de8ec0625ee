// The oscilloscope through its real widget: following the newest sample, pausing, zoom
// limits, event marks, the buffer's wrap and the CSV export.

#include "MapaPortow.h"
#include "Paleta.h"
#include "PlikTestowy.h"
#include "TScope.h"
#include "TSterownik.h"
#include "Teksty.h"
#include "UkladScope.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <utility>

namespace {
bool ZapiszPlikTestowy(const QString& sciezka, const QByteArray& dane) {
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(dane) == dane.size();
}
} // namespace

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

    // A file longer than the hour fills the buffer; recording on wraps to its start, and the
    // recording file gets every new sample after the hour it was started with.
    void aFullHourLoadedWrapsOnTheNextSample() {
        QTemporaryDir katalog;
        QByteArray plik = s->ObrazModelu(true);
        std::array<unsigned char, 128> r{};
        for (int i = 0; i < TScope::MaksProbek + 5; ++i) {
            r[20] = static_cast<unsigned char>(i & 0xFF);
            r[21] = static_cast<unsigned char>(i >> 8);
            r[22] = 0xF1; // from the file
            plik += QByteArray(reinterpret_cast<const char*>(r.data()), 128);
        }
        okna.sciezka = katalog.filePath(QStringLiteral("dluga.osc"));
        QVERIFY(ZapiszPlikTestowy(okna.sciezka, plik));
        o->Komenda(5);
        QCOMPARE(o->IleProbek, TScope::MaksProbek);
        o->Komenda(1);
        okna.sciezka = katalog.filePath(QStringLiteral("dalej.osc"));
        o->Komenda(4);
        QVERIFY(s->PlikOsc);
        r[22] = 0x0E; // recorded now
        for (int i = 0; i < 10; ++i) {
            r[20] = static_cast<unsigned char>(200 + i);
            o->DodajProbke(r.data());
        }
        QCOMPARE(o->IleProbek, 10);
        const unsigned char* p = o->Probki();
        for (int k : {0, 9})
            QCOMPARE(std::pair(int(p[k * 128 + 20]), int(p[k * 128 + 22])),
                     std::pair(200 + k, 0x0E));
        // Sample 10 is still the file's: 10 = 0x000A.
        QCOMPARE(std::pair(int(p[10 * 128 + 20]), int(p[10 * 128 + 22])), std::pair(10, 0xF1));
        // 35999 = 0x8C9F, the last of the hour.
        QCOMPARE(std::pair(int(p[35999 * 128 + 20]), int(p[35999 * 128 + 21])),
                 std::pair(0x9F, 0x8C));
        s->ZamnkijOscyloskop();
        QFile zapis(okna.sciezka);
        QVERIFY(zapis.open(QIODevice::ReadOnly));
        const QByteArray dane = zapis.readAll();
        QCOMPARE(dane.size(), 4096 + (36000 + 10) * 128);
        const QByteArray ostatni = dane.right(128);
        QCOMPARE(int(static_cast<unsigned char>(ostatni[20])), 209);
        QCOMPARE(int(static_cast<unsigned char>(ostatni[22])), 0x0E);
    }

    // 1000 samples, C = 300 (W = 420), the window 400..700, paused: the strip's column x is
    // drawn at screen x + 10, so a click at 160 is chart column 150, sample 500, and the
    // window centres on it; at 40 (column 30, sample 100) it cannot start before sample 0.
    void stripClickLandsOnTheSampleUnderTheMouse_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("koniec");
        QTest::newRow("on the slider") << 160 << 650;
        QTest::newRow("left of it") << 40 << 300;
    }
    void stripClickLandsOnTheSampleUnderTheMouse() {
        QFETCH(int, x);
        QFETCH(int, koniec);
        panel->resize(420, 400);
        QCOMPARE(o->width(), 420);
        o->IleProbek = 1000;
        o->Komenda(2);
        o->KoniecWidoku = 700;
        o->Przerysuj();
        QCOMPARE(o->PoczatekWidoku(), 400);
        QTest::mousePress(o, Qt::LeftButton, {}, QPoint(x, 20));
        QTest::mouseRelease(o, Qt::LeftButton, {}, QPoint(x, 20));
        QCOMPARE(o->KoniecWidoku, koniec);
    }

    // 23 s recorded, stopped, 5 s/div on a chart 850 wide: "+" about the middle (h = 425)
    // would end the window at 230 + 425 x 0.4 - 425 = -25, before the first sample; it ends
    // at the last sample instead, the window 230 - 850 x 0.4 = -110 .. 230.
    void zoomOnAShortRecordingKeepsItsSamplesInView() {
        panel->resize(970, 400);
        Probki(230);
        o->Komenda(3);
        o->Komenda(20);
        QCOMPARE(o->Powiekszenie, 2);
        QCOMPARE(o->KoniecWidoku, 230);
        QCOMPARE(o->PoczatekWidoku(), -110);
    }

    void timeTextsAreNotGrouped_data() {
        QTest::addColumn<QLocale>("jezyk");
        QTest::addColumn<int>("probki");
        QTest::addColumn<QString>("czas");
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        const QLocale pl(QLocale::Polish, QLocale::Poland);
        QTest::newRow("999.9 s") << en << 9999 << QStringLiteral("999.9 [s]");
        QTest::newRow("1234.5 s") << en << 12345 << QStringLiteral("1234.5 [s]");
        QTest::newRow("an hour, Polish") << pl << 35999 << QStringLiteral("3599,9 [s]");
    }
    void timeTextsAreNotGrouped() {
        QFETCH(QLocale, jezyk);
        QFETCH(int, probki);
        QFETCH(QString, czas);
        QLocale::setDefault(jezyk);
        o->IleProbek = probki;
        QCOMPARE(o->CzasZapisu(), czas);
        // The window's end and the cursor's time use the same pattern.
        QCOMPARE(CzasProbek(probki) + QStringLiteral(" [s]"), czas);
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
