// Every page looks the same whatever route led to it: the views are laid out from their
// final size on every show and resize, and the window does not switch under the user.

#include "OknoTestowe.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TObd.h"
#include "TSiatkaMapy.h"
#include "UkladNastaw.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

// What the installer sees of the settings editor: row height, first and last row in view.
struct TWidokNastaw {
    QSize rozmiar;
    int wiersz = 0, pierwszy = 0, ostatni = 0;
    bool operator==(const TWidokNastaw&) const = default;
};

TWidokNastaw Widac(TNastawy& n) {
    const int wiersz = n.Uklad().WysokoscWiersza;
    const int pierwszy = n.PierwszyWidoczny();
    const int ostatni = std::min(int(n.Mapa().size()) - 1, pierwszy + n.height() / wiersz - 1);
    return {n.size(), wiersz, pierwszy, ostatni};
}

char* toString(const TWidokNastaw& w) {
    return QTest::toString(QStringLiteral("%1x%2 rows %3 px, %4..%5")
                               .arg(w.rozmiar.width())
                               .arg(w.rozmiar.height())
                               .arg(w.wiersz)
                               .arg(w.pierwszy)
                               .arg(w.ostatni));
}

const QColor Magenta(255, 0, 255);

// The selection frame of a grid: the 2-pixel magenta edge at the top left of cell (k, w).
bool Obramowana(TSiatkaMapy* g, int k, int w) {
    const QImage obraz = g->grab().toImage();
    return obraz.pixelColor(g->ProstokatKomorki(k, w).topLeft() + QPoint(0, 1)) == Magenta;
}

} // namespace

class TestTrasy : public QObject {
    Q_OBJECT

private slots:
    void ustawieniaTakieSameKazdaDroga_data();
    void ustawieniaTakieSameKazdaDroga();
    void ustawieniaPoZmianieRozmiaru();
    void rzadBenzynaGazTakiJakNaMapie();
    void ramkaZaznaczeniaSiatkiB();
    void stronaModuluObdPoPierwszejRamce();
    void protokolObdNiePrzelaczaWybranejZakladki();
    void wybranaKomorkaWNowejStronie();
};

void TestTrasy::ustawieniaTakieSameKazdaDroga_data() {
    QTest::addColumn<QList<int>>("droga");
    QTest::newRow("F2") << QList<int>{Qt::Key_F2};
    QTest::newRow("F3") << QList<int>{Qt::Key_F3};
    QTest::newRow("F4") << QList<int>{Qt::Key_F4};
    QTest::newRow("F5") << QList<int>{Qt::Key_F5};
    QTest::newRow("F6") << QList<int>{Qt::Key_F6};
    QTest::newRow("F6 F6") << QList<int>{Qt::Key_F6, Qt::Key_F6};
    QTest::newRow("F4 F2 F3") << QList<int>{Qt::Key_F4, Qt::Key_F2, Qt::Key_F3};
}

void TestTrasy::ustawieniaTakieSameKazdaDroga() {
    QFETCH(QList<int>, droga);
    TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/View"), 2); });
    t.okno->resize(1366, 768);
    t.Ulozone();
    t.s().ModulObd = true;
    TNastawy& n = t.okno->Nastawy();
    // The page as the editor's own rule lays it out for the centre it fills.
    QWidget* srodek = t.W("PanelWidoku");
    QVERIFY(srodek);
    const TUkladNastaw wzor = UkladNastaw(srodek->size(), int(n.Mapa().size()), false);
    const TWidokNastaw prosto = Widac(n);
    QCOMPARE(prosto.rozmiar, srodek->size());
    QCOMPARE(prosto.wiersz, wzor.WysokoscWiersza);
    for (int k : droga) {
        t.Klawisz(k);
        t.Ulozone();
    }
    t.Klawisz(Qt::Key_F1);
    t.Ulozone();
    QCOMPARE(Widac(n), prosto);
}

void TestTrasy::ustawieniaPoZmianieRozmiaru() {
    TOknoTestowe t;
    t.okno->resize(1366, 768);
    t.Klawisz(Qt::Key_F4);
    t.Klawisz(Qt::Key_F1);
    t.okno->resize(1024, 600);
    t.Ulozone();
    TNastawy& n = t.okno->Nastawy();
    QWidget* srodek = t.W("PanelWidoku");
    QCOMPARE(n.size(), srodek->size());
    const TUkladNastaw wzor = UkladNastaw(srodek->size(), int(n.Mapa().size()), false);
    QCOMPARE(n.Uklad().WysokoscWiersza, wzor.WysokoscWiersza);
    QCOMPARE(n.Uklad().SzerokoscKolumny, wzor.SzerokoscKolumny);
}

void TestTrasy::rzadBenzynaGazTakiJakNaMapie() {
    TOknoTestowe t;
    t.okno->resize(1366, 768);
    t.Klawisz(Qt::Key_F3);
    t.Klawisz(Qt::Key_F3);
    t.Ulozone();
    const int naMapie = t.W("Panel81")->height();
    QCOMPARE(naMapie, t.W("PanelWidoku")->height() / 2 + 5);
    t.Klawisz(Qt::Key_F6);
    t.Ulozone();
    t.Klik(QStringLiteral("SpeedButton34"));
    t.Ulozone();
    QCOMPARE(t.W("Panel81")->height(), naMapie);
}

void TestTrasy::ramkaZaznaczeniaSiatkiB() {
    TOknoTestowe t;
    t.okno->activateWindow();
    t.Klawisz(Qt::Key_F3);
    t.Klawisz(Qt::Key_F3);
    t.Ulozone();
    auto* a = t.W<TSiatkaMapy>("SiatkaA");
    auto* b = t.W<TSiatkaMapy>("SiatkaB");
    QTest::mouseClick(b, Qt::LeftButton, {}, b->ProstokatKomorki(4, 6).center());
    QTRY_VERIFY(b->hasFocus());
    QVERIFY(Obramowana(b, 4, 6));
    QVERIFY(Obramowana(a, 4, 6));
    // With the petrol time as load grid A's rows mean something else: no frame there.
    t.s().Nastawy[76] = 1;
    QVERIFY(!Obramowana(a, 4, 6));
    t.s().Nastawy[76] = 0;
    t.W("UchwytFokusuGrafiki")->setFocus();
    QTRY_VERIFY(!b->hasFocus());
    QVERIFY(!Obramowana(b, 4, 6));
    QVERIFY(!Obramowana(a, 4, 6));
}

void TestTrasy::stronaModuluObdPoPierwszejRamce() {
    TOknoTestowe t;
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, 4)));
    t.Klawisz(Qt::Key_F6);
    QVERIFY(!t.W("SpeedButton32")->isVisible());
    QVERIFY(t.Odbierz(0x70, QByteArray(36, '\0'), 0, '6'));
    QVERIFY(t.W("SpeedButton32")->isVisible());
    // Laid out in the row: after the adapter's button, before the device's.
    QCOMPARE(t.W("SpeedButton32")->x(), t.W("SpeedButton31")->width());
}

void TestTrasy::protokolObdNiePrzelaczaWybranejZakladki() {
    TOknoTestowe t;
    t.okno->ZdarzenieLacza(TObd::KodZdarzenia, 102, 6, 0);
    QCOMPARE(t.okno->ZakladkaGlowna, 5);
    t.Klawisz(Qt::Key_F3);
    t.okno->ZdarzenieLacza(TObd::KodZdarzenia, 102, 6, 0);
    QCOMPARE(t.okno->ZakladkaGlowna, 2);
    TOknoTestowe klik;
    klik.Klik(QStringLiteral("SpeedButton5"));
    klik.okno->ZdarzenieLacza(TObd::KodZdarzenia, 102, 6, 0);
    QCOMPARE(klik.okno->ZakladkaGlowna, 4);
}

void TestTrasy::wybranaKomorkaWNowejStronie() {
    TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/View"), 2); });
    TNastawy& n = t.okno->Nastawy();
    n.Wybrana = {0, int(n.Mapa().size()) - 1};
    t.Klawisz(Qt::Key_F2);
    // The calibration strip is shorter than the settings page.
    QVERIFY(n.Wybrana.Wiersz < int(n.Mapa().size()));
    QVERIFY(n.Wybrana.Wiersz >= 1);
}

QTEST_MAIN(TestTrasy)
#include "tst_trasy.moc"
