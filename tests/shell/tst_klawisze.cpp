// The keyboard: the window sees every key first; what is typed into an entry stays there.

#include "KontrolerPty.h"
#include "OknoTestowe.h"
#include "TGrafika.h"
#include "TSiatkaMapy.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

class TestKlawisze : public QObject {
    Q_OBJECT

private slots:
    void klawiszeFunkcyjneWybierajaZakladki_data();
    void klawiszeFunkcyjneWybierajaZakladki();
    void klawiszDocieraMimoFokusu();
    void f3KolejnePodzakladkiMapy();
    void f3ZDrugiegoRzeduNaPierwsza();
    void f6KolejnePodzakladkiObd();
    void zmianaPaliwa();
    void enterKalibracja();
    void f8TylkoGdyRzadBenzynaGazWidoczny();
    void f9Banki();
    void kolumnyLiR();
    void klawiszeDeweloperaTylkoWTrybie();
    void klawiszeDeweloperaKrokuja();
    void naglowekSiatkiBPrzyjmujeWpis_data();
    void naglowekSiatkiBPrzyjmujeWpis();
    void plusZywejKomorkiPoTekscie();
};

namespace {

// The window on the map sub-tab that shows the given grid mode; the second row needs the
// developer mode.
void NaTrybSiatki(TOknoTestowe& t, int tryb) {
    t.Klawisz(Qt::Key_Q);
    t.Klawisz(Qt::Key_F3);
    t.Klik(tryb == 1 ? QStringLiteral("SpeedButton12")
                     : QStringLiteral("SpeedButton2%1").arg(tryb - 5));
    QCOMPARE(t.okno->Grafika().TrybMapy, tryb);
}

TOpcjeOkna Deweloperskie(const QString& port = {}) {
    TOpcjeOkna opcje;
    opcje.Deweloper = true;
    opcje.PortSterownika = port;
    return opcje;
}

} // namespace

void TestKlawisze::klawiszeFunkcyjneWybierajaZakladki_data() {
    QTest::addColumn<int>("klawisz");
    QTest::addColumn<int>("zakladka");
    QTest::newRow("F1") << int(Qt::Key_F1) << 0;
    QTest::newRow("F2") << int(Qt::Key_F2) << 1;
    QTest::newRow("F3") << int(Qt::Key_F3) << 2;
    QTest::newRow("F4") << int(Qt::Key_F4) << 3;
    QTest::newRow("F5") << int(Qt::Key_F5) << 4;
    QTest::newRow("F6") << int(Qt::Key_F6) << 5;
}

void TestKlawisze::klawiszeFunkcyjneWybierajaZakladki() {
    QFETCH(int, klawisz);
    QFETCH(int, zakladka);
    TOknoTestowe t;
    if (zakladka == 0) t.Klawisz(Qt::Key_F5);
    t.Klawisz(klawisz);
    QCOMPARE(t.okno->ZakladkaGlowna, zakladka);
    QVERIFY(t.W<QToolButton>(QStringLiteral("SpeedButton%1").arg(zakladka + 1))->isChecked());
}

void TestKlawisze::klawiszDocieraMimoFokusu() {
    TOknoTestowe t;
    t.okno->activateWindow();
    auto* pole = t.W<QLineEdit>("UchwytFokusuGrafiki");
    QVERIFY(pole);
    pole->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), pole);
    t.Klawisz(Qt::Key_F4);
    QCOMPARE(t.okno->ZakladkaGlowna, 3);
}

void TestKlawisze::f3KolejnePodzakladkiMapy() {
    TOknoTestowe t;
    t.Klawisz(Qt::Key_F3);
    QCOMPARE(t.okno->ZakladkaMapy, 0);
    for (int oczekiwana : {1, 2, 3, 4, 0}) {
        t.Klawisz(Qt::Key_F3);
        QCOMPARE(t.okno->ZakladkaMapy, oczekiwana);
        QCOMPARE(t.okno->Grafika().TrybMapy, oczekiwana);
    }
}

void TestKlawisze::f3ZDrugiegoRzeduNaPierwsza() {
    TOpcjeOkna opcje;
    opcje.Deweloper = true;
    TOknoTestowe t({}, opcje);
    t.Klawisz(Qt::Key_Q);
    t.Klawisz(Qt::Key_F3);
    t.Klik(QStringLiteral("SpeedButton22"));
    QCOMPARE(t.okno->ZakladkaMapy, 7);
    t.Klawisz(Qt::Key_F3);
    QCOMPARE(t.okno->ZakladkaMapy, 0);
}

void TestKlawisze::f6KolejnePodzakladkiObd() {
    TOknoTestowe t;
    t.s().ModulObd = true;
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, 4)));
    t.Klawisz(Qt::Key_F6);
    QCOMPARE(t.okno->ZakladkaObd, 0);
    for (int oczekiwana : {1, 2, 3, 0}) {
        t.Klawisz(Qt::Key_F6);
        QCOMPARE(t.okno->ZakladkaObd, oczekiwana);
    }
    // Without the OBD module and on a one-bank board only the adapter and the maps remain.
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 2, 4)));
    t.s().ModulObd = false;
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 2, 4)));
    for (int oczekiwana : {3, 0}) {
        t.Klawisz(Qt::Key_F6);
        QCOMPARE(t.okno->ZakladkaObd, oczekiwana);
    }
}

void TestKlawisze::zmianaPaliwa() {
    TOknoTestowe t;
    t.Klawisz(Qt::Key_Space);
    QCOMPARE(int(t.s().ZmianaPaliwaAuto), 1);
    QCOMPARE(int(t.s().ZmianaPaliwaSzybka), 0);
    t.Klawisz(Qt::Key_F11);
    QCOMPARE(int(t.s().ZmianaPaliwaSzybka), 1);
    t.s().ZmianaPaliwaAuto = t.s().ZmianaPaliwaSzybka = 0;
    QTest::mouseClick(t.W("Image1"), Qt::LeftButton);
    QCOMPARE(int(t.s().ZmianaPaliwaAuto), 1);
    QTest::mouseClick(t.W("PanelStatus"), Qt::LeftButton);
    QCOMPARE(int(t.s().ZmianaPaliwaSzybka), 1);
}

void TestKlawisze::enterKalibracja() {
    TOknoTestowe t;
    t.Klawisz(Qt::Key_Return);
    QCOMPARE(t.s().FlagiParam & 1, 0);
    t.Klawisz(Qt::Key_F2);
    t.Klawisz(Qt::Key_Return);
    QCOMPARE(t.s().FlagiParam & 1, 1);
    QCOMPARE(t.W<QPushButton>("Btn54")->text(),
             t.okno->PodajTekst(1263) + QStringLiteral("  [Enter]"));
    QVERIFY(t.W("ProgressBar1")->isVisible());
    t.Klawisz(Qt::Key_Enter);
    QCOMPARE(t.s().FlagiParam & 1, 0);
    QCOMPARE(t.W<QPushButton>("Btn54")->text(),
             t.okno->PodajTekst(1261) + QStringLiteral("  [Enter]"));
    QVERIFY(!t.W("ProgressBar1")->isVisible());
}

void TestKlawisze::f8TylkoGdyRzadBenzynaGazWidoczny() {
    TOknoTestowe t;
    t.Klawisz(Qt::Key_F3);
    const int przed = t.okno->Grafika().Mapa;
    t.Klawisz(Qt::Key_F8);
    QCOMPARE(t.okno->Grafika().Mapa, przed);
    t.Klawisz(Qt::Key_F3);
    QCOMPARE(t.okno->ZakladkaMapy, 1);
    for (int oczekiwana : {0, 1, 2, 0}) {
        t.Klawisz(Qt::Key_F8);
        QCOMPARE(t.okno->Grafika().Mapa, oczekiwana);
        QVERIFY(
            t.W<QToolButton>(QStringLiteral("SpeedButton%1").arg(80 + oczekiwana))->isChecked());
    }
}

void TestKlawisze::f9Banki() {
    TOknoTestowe t;
    t.Klawisz(Qt::Key_F3);
    t.Klawisz(Qt::Key_F3);
    t.Klawisz(Qt::Key_F9);
    // A one-bank controller shows no bank row.
    QCOMPARE(t.okno->Grafika().WyborBankuKorekt, 0);
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, 4)));
    t.Klawisz(Qt::Key_F1);
    t.Klawisz(Qt::Key_F3);
    QCOMPARE(t.okno->ZakladkaMapy, 1);
    for (int oczekiwany : {1, 2, 1}) {
        t.Klawisz(Qt::Key_F9);
        QCOMPARE(t.okno->Grafika().WyborBankuKorekt, oczekiwany);
        QVERIFY(
            t.W<QToolButton>(QStringLiteral("SpeedButton%1").arg(85 + oczekiwany))->isChecked());
    }
}

void TestKlawisze::kolumnyLiR() {
    TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/View"), 2); });
    t.Klawisz(Qt::Key_F5);
    QVERIFY(!t.W("PanelLeft")->isVisible());
    QVERIFY(t.W("PanelLeftShow")->isVisible());
    t.Klawisz(Qt::Key_L);
    QVERIFY(t.W("PanelLeft")->isVisible());
    QCOMPARE(t.W("PanelLeft")->width(), 180);
    t.Klawisz(Qt::Key_R);
    QVERIFY(!t.W("PanelRight")->isVisible());
    QVERIFY(t.W("PanelRightShow")->isVisible());
    QCOMPARE(t.W("PanelRightShow")->width(), 14);
    QTest::mouseClick(t.W("PanelRightShow"), Qt::LeftButton);
    QVERIFY(t.W("PanelRight")->isVisible());
}

void TestKlawisze::klawiszeDeweloperaTylkoWTrybie() {
    TOknoTestowe t;
    for (int k : {Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_Q})
        t.Klawisz(k);
    QCOMPARE(t.okno->Widok, 1);
    QCOMPARE(t.okno->Teksty().Jezyk(), 1);
    QCOMPARE(t.okno->Schemat, 3);
    QCOMPARE(t.okno->TrybSerwisowy, 0);
}

void TestKlawisze::klawiszeDeweloperaKrokuja() {
    TOpcjeOkna opcje;
    opcje.Deweloper = true;
    TOknoTestowe t({}, opcje);
    t.Klawisz(Qt::Key_H);
    QCOMPARE(t.okno->Widok, 2);
    t.Klawisz(Qt::Key_J);
    QCOMPARE(t.okno->Teksty().Jezyk(), 2);
    t.Klawisz(Qt::Key_K);
    QCOMPARE(t.okno->Schemat, 4);
    t.Klawisz(Qt::Key_Q);
    QCOMPARE(t.okno->TrybSerwisowy, 3);
    QVERIFY(t.s().PokazSerwisowe);
    t.Klawisz(Qt::Key_Q);
    QCOMPARE(t.okno->TrybSerwisowy, 1);
    QVERIFY(!t.s().PokazSerwisowe);
}

void TestKlawisze::naglowekSiatkiBPrzyjmujeWpis_data() {
    QTest::addColumn<int>("tryb");
    QTest::newRow("RPM corrections") << 1;
    QTest::newRow("injection offset") << 6;
    QTest::newRow("acceleration") << 7;
}

// Enter and Space are the Map tab's adaptation and the fuel change, but not while the
// installer types a break point.
void TestKlawisze::naglowekSiatkiBPrzyjmujeWpis() {
    QFETCH(int, tryb);
    // Writes are posted only while a controller is connected.
    TKontrolerPty pty;
    TOknoTestowe t({}, Deweloperskie(pty.Sciezka()));
    t.s().CzasOtwarcia = 0;
    QVERIFY(t.s().PortOpen(TForm1::PortSesjiSterownika));
    t.okno->activateWindow();
    NaTrybSiatki(t, tryb);
    auto* b = t.W<TSiatkaMapy>("SiatkaB");
    QTest::mouseClick(b, Qt::LeftButton, {}, b->ProstokatKomorki(3, 0).center());
    auto* edytor = t.W<QLineEdit>("UchwytFokusuGrafiki");
    QTRY_COMPARE(QApplication::focusWidget(), edytor);
    t.s().DoZapisu = 0;
    QTest::keyClicks(edytor, QStringLiteral("2 5"));
    QCOMPARE(edytor->text(), QStringLiteral("2 5"));
    QCOMPARE(int(t.s().ZmianaPaliwaAuto), 0);
    for (int i = 0; i < 3; ++i)
        t.Klawisz(Qt::Key_Backspace);
    QTest::keyClicks(edytor, QStringLiteral("2500"));
    t.Klawisz(Qt::Key_Return);
    // 2500 rpm in steps of 50 in the third column's break point.
    QCOMPARE(int(t.s().Nastawy[239 + 3]), 50);
    QCOMPARE(t.s().DoZapisu & 1, 1);
    QCOMPARE(edytor->width(), 1);
    // With the editor parked, Space is the fuel change again.
    t.Klawisz(Qt::Key_Space);
    QCOMPARE(int(t.s().ZmianaPaliwaAuto), 1);
}

void TestKlawisze::plusZywejKomorkiPoTekscie() {
    TOknoTestowe t({}, Deweloperskie());
    NaTrybSiatki(t, 1);
    // The engine at RPM index 2, load index 3: grid B's live cell is column 3, row 13.
    QVERIFY(t.Odbierz(0x90, TRamka(92)(15, 2)(16, 3).dane));
    QCOMPARE(t.W<TSiatkaMapy>("SiatkaB")->Zywa, QPoint(3, 13));
    unsigned char& korekta = t.s().KorOdObr1[16 * 2 + 3];
    korekta = 100;
    QWidget* cel = QApplication::focusWidget();
    if (!cel) cel = t.okno.get();
    // + on a layout where it is the shifted = key.
    QTest::sendKeyEvent(QTest::Click, cel, Qt::Key_Equal, QStringLiteral("+"), Qt::ShiftModifier);
    QCOMPARE(int(korekta), 101);
    QTest::sendKeyEvent(QTest::Click, cel, Qt::Key_Minus, QStringLiteral("-"), Qt::KeypadModifier);
    QCOMPARE(int(korekta), 100);
}

QTEST_MAIN(TestKlawisze)
#include "tst_klawisze.moc"
