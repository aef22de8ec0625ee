// The window's start-up, preferences, timers and closing.

#include "KontrolerPty.h"
#include "OknoTestowe.h"
#include "TObd.h"

#include <QMenu>

#include <QAction>
#include <QMenuBar>

class TestOkno : public QObject {
    Q_OBJECT

private slots:
    void pierwszyStart();
    void preferencjeWracajaPoZamknieciu();
    void dawnyKluczUzytyIZapisanyJakoNowy();
    void wartosciSpozaZakresuDajaDomyslne_data();
    void wartosciSpozaZakresuDajaDomyslne();
    void zmaksymalizowaneZostawiaZapisaneGranice();
    void portSesjiNieZastepujeZapisanego();
    void brakPolaczeniaIJednaProbaOtwarcia();
    void polaczPonawiaAutomatycznePolaczenie();
    void ekranPowitalnyZnikaPoPiatymTakcie();
    void menuPortowListujeIPolaczy();
};

namespace {

bool Zaznaczona(TOknoTestowe& t, const QString& nazwa) {
    QAction* a = t.okno->menuBar()->findChild<QAction*>(nazwa);
    return a && a->isChecked();
}

} // namespace

void TestOkno::pierwszyStart() {
    TOknoTestowe t;
    QVERIFY(Zaznaczona(t, QStringLiteral("MenuLang1")));
    QVERIFY(Zaznaczona(t, QStringLiteral("MenuColor3")));
    QVERIFY(Zaznaczona(t, QStringLiteral("MenuView1")));
    // 90 % of the offscreen platform's 800 x 800 screen.
    QCOMPARE(t.okno->size(), QSize(720, 720));
    QCOMPARE(t.okno->windowTitle(), QStringLiteral("SELVAR v2.04"));
    QCOMPARE(t.okno->Teksty().PodajTekst(1241), QStringLiteral("POŁĄCZONY"));
    QVERIFY(!t.ustawienia->childGroups().contains(QStringLiteral("Selvar2")));
    t.okno->close();
    t.ustawienia->sync();
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/Lang")).toInt(), 1);
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/Comp")).toInt(), 3);
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/View")).toInt(), 1);
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/WWidth")).toInt(), 720);
    QVERIFY(t.ustawienia->contains(QStringLiteral("Selvar2/Color1608")));
    // Trace 1 is the revolutions, 0x0070FD, stored as a Windows colour value.
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/Color1400")).toInt(), 0xFD7000);
}

void TestOkno::preferencjeWracajaPoZamknieciu() {
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("p.ini"));
    {
        QSettings u(plik, QSettings::IniFormat);
        TForm1 okno(u);
        okno.show();
        okno.menuBar()->findChild<QAction*>(QStringLiteral("MenuLang0"))->trigger();
        okno.menuBar()->findChild<QAction*>(QStringLiteral("MenuColor5"))->trigger();
        okno.menuBar()->findChild<QAction*>(QStringLiteral("MenuView2"))->trigger();
        QCOMPARE(okno.Sterownik().Wykresy[2].Tekst, 1402);
        okno.Sterownik().Wykresy[2].Kolor = TKolor{0x123456};
        okno.Sterownik().NumerPortu = 34;
        okno.resize(900, 650);
        okno.close();
    }
    QSettings u(plik, QSettings::IniFormat);
    TForm1 okno(u);
    QVERIFY(okno.menuBar()->findChild<QAction*>(QStringLiteral("MenuLang0"))->isChecked());
    QVERIFY(okno.menuBar()->findChild<QAction*>(QStringLiteral("MenuColor5"))->isChecked());
    QVERIFY(okno.menuBar()->findChild<QAction*>(QStringLiteral("MenuView2"))->isChecked());
    QCOMPARE(okno.Teksty().Jezyk(), 0);
    QCOMPARE(okno.Schemat, 5);
    QCOMPARE(okno.Widok, 2);
    QCOMPARE(okno.Sterownik().Wykresy[2].Kolor, TKolor{0x123456});
    QCOMPARE(u.value(QStringLiteral("Selvar2/Color1402")).toInt(), 0x563412);
    QCOMPARE(okno.Sterownik().NumerPortu, 34);
    QCOMPARE(okno.size(), QSize(900, 650));
}

void TestOkno::dawnyKluczUzytyIZapisanyJakoNowy() {
    TOknoTestowe t([](QSettings& u) {
        u.setValue(QStringLiteral("Karvel/Lang"), 3);
        u.setValue(QStringLiteral("Karvel/Comp"), 0);
        u.setValue(QStringLiteral("Karvel/ElmComm"), 1030);
    });
    QVERIFY(Zaznaczona(t, QStringLiteral("MenuLang3")));
    QVERIFY(Zaznaczona(t, QStringLiteral("MenuColor0")));
    QCOMPARE(t.okno->Obd().NumerPortu, 1030);
    t.okno->close();
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/Lang")).toInt(), 3);
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/ElmComm")).toInt(), 1030);
}

void TestOkno::wartosciSpozaZakresuDajaDomyslne_data() {
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<int>("wartosc");
    QTest::addColumn<QString>("pozycja");
    QTest::newRow("Lang 9") << "Lang" << 9 << "MenuLang1";
    QTest::newRow("Lang -1") << "Lang" << -1 << "MenuLang1";
    QTest::newRow("Comp 6") << "Comp" << 6 << "MenuColor3";
    QTest::newRow("View 3") << "View" << 3 << "MenuView1";
    QTest::newRow("View 2") << "View" << 2 << "MenuView2";
}

void TestOkno::wartosciSpozaZakresuDajaDomyslne() {
    QFETCH(QString, nazwa);
    QFETCH(int, wartosc);
    QFETCH(QString, pozycja);
    TOknoTestowe t([&](QSettings& u) { u.setValue(QStringLiteral("Selvar2/") + nazwa, wartosc); });
    QVERIFY(Zaznaczona(t, pozycja));
}

void TestOkno::zmaksymalizowaneZostawiaZapisaneGranice() {
    TOknoTestowe t([](QSettings& u) {
        u.setValue(QStringLiteral("Selvar2/WLeft"), 10);
        u.setValue(QStringLiteral("Selvar2/WTop"), 20);
        u.setValue(QStringLiteral("Selvar2/WWidth"), 700);
        u.setValue(QStringLiteral("Selvar2/WHeight"), 500);
    });
    t.okno->showMaximized();
    QTRY_VERIFY(t.okno->isMaximized());
    t.okno->close();
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/WState")).toInt(), 2);
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/WWidth")).toInt(), 700);
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/WLeft")).toInt(), 10);
}

void TestOkno::portSesjiNieZastepujeZapisanego() {
    TOpcjeOkna opcje;
    opcje.PortSterownika = QStringLiteral("/nonexistent/tty-sterownik");
    opcje.PortElm = QStringLiteral("/nonexistent/tty-elm");
    TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Comm"), 3); }, opcje);
    QCOMPARE(t.s().NumerPortu, TForm1::PortSesjiSterownika);
    QCOMPARE(t.okno->Obd().NumerPortu, TForm1::PortSesjiElm);
    t.okno->close();
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/Comm")).toInt(), 3);
    QCOMPARE(t.ustawienia->value(QStringLiteral("Selvar2/ElmComm")).toInt(), 0);
}

void TestOkno::brakPolaczeniaIJednaProbaOtwarcia() {
    TOknoTestowe t([](QSettings& u) {
        u.setValue(QStringLiteral("Selvar2/Comm"), 5);
        u.setValue(QStringLiteral("Selvar2/Ports/COM5"), QStringLiteral("/nonexistent/tty"));
    });
    QAction* polacz = t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuConn0"));
    QCOMPARE(polacz->data().toInt(), 0);
    t.s().CzasOtwarcia = 0;
    t.okno->Timer1OnTimer();
    auto* status = t.W<QLabel>("PanelStatus");
    QCOMPARE(status->text(), QStringLiteral("BRAK POŁĄCZENIA"));
    QCOMPARE(status->palette().color(QPalette::Window), QColor(0xFF, 0xFB, 0xF0));
    // Red darkened to read on the cream (L 0.9657, so L <= 0.1757): red 234 has 0.1749.
    QCOMPARE(status->palette().color(QPalette::WindowText), QColor(0xEA, 0x00, 0x00));
    // The attempt comes once a second, on the tenth 100 ms tick; failing, it stops the
    // automatic reconnection.
    for (int takt = 2; takt <= 9; ++takt)
        t.okno->Timer1OnTimer();
    QCOMPARE(polacz->data().toInt(), 0);
    t.okno->Timer1OnTimer();
    QCOMPARE(polacz->data().toInt(), -2);
    QVERIFY(!t.s().PortConnected());
    for (int takt = 1; takt <= 10; ++takt)
        t.okno->Timer1OnTimer();
    QCOMPARE(polacz->data().toInt(), -2);
}

void TestOkno::polaczPonawiaAutomatycznePolaczenie() {
    TOknoTestowe t;
    QAction* polacz = t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuConn0"));
    t.s().CzasOtwarcia = 0;
    polacz->setData(-1);
    polacz->trigger();
    QCOMPARE(polacz->data().toInt(), 0);
}

void TestOkno::ekranPowitalnyZnikaPoPiatymTakcie() {
    TOpcjeOkna opcje;
    opcje.Deweloper = true; // the developer's splash comes every 100 ms
    TOknoTestowe t({}, opcje);
    QDialog* logo = t.W<QDialog>("FormLogo");
    QVERIFY(logo);
    QVERIFY(!logo->isVisible());
    QTimer* timer2 = t.Zegar(QStringLiteral("Timer2"));
    QCOMPARE(timer2->interval(), 100);
    timer2->start();
    t.okno->Timer2OnTimer();
    QVERIFY(logo->isVisible());
    QCOMPARE(logo->size(), QSize(708, 490));
    for (int takt = 2; takt <= 4; ++takt)
        t.okno->Timer2OnTimer();
    QVERIFY(logo->isVisible());
    t.okno->Timer2OnTimer();
    QVERIFY(!logo->isVisible());
    QVERIFY(!timer2->isActive());
}

void TestOkno::menuPortowListujeIPolaczy() {
    TKontrolerPty pty;
    TOpcjeOkna opcje;
    opcje.PortSterownika = pty.Sciezka();
    TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }, opcje);
    t.s().CzasOtwarcia = 0;
    auto* menu = t.okno->menuBar()->findChild<QMenu*>(QStringLiteral("MenuConn"));
    emit menu->aboutToShow();
    QList<QAction*> pozycje = menu->actions();
    QCOMPARE(pozycje[0]->text(), QStringLiteral("Connect"));
    QAction* port = nullptr;
    for (QAction* a : pozycje)
        if (a->data().toInt() == TForm1::PortSesjiSterownika) port = a;
    QVERIFY(port);
    QCOMPARE(port->text(), QStringLiteral("COM200 (") + pty.Sciezka() + QStringLiteral(") (*)"));
    port->trigger();
    QVERIFY(t.s().PortConnected());
    emit menu->aboutToShow();
    pozycje = menu->actions();
    QCOMPARE(pozycje[0]->text(), QStringLiteral("Disconnect"));
    // Disconnect: the link closes and stays closed.
    pozycje[0]->trigger();
    QVERIFY(!t.s().PortConnected());
    QCOMPARE(pozycje[0]->data().toInt(), -1);
}

QTEST_MAIN(TestOkno)
#include "tst_okno.moc"
