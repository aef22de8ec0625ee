// A language change re-captions the whole window at once.

#include "OknoTestowe.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

class TestNapisy : public QObject {
    Q_OBJECT

private slots:
    void zmianaJezykaPrzepisujeNapisy_data();
    void zmianaJezykaPrzepisujeNapisy();
    void menuJezykowStale();
    void menuAdminPoOdblokowaniu();
};

void TestNapisy::zmianaJezykaPrzepisujeNapisy_data() {
    QTest::addColumn<int>("jezyk");
    QTest::addColumn<QString>("zakladka");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("komenda");
    QTest::addColumn<QString>("baner");
    QTest::newRow("English") << 0 << "Settings [F1]"
                             << "Device"
                             << "Factory settings"
                             << " Errors ";
    QTest::newRow("Polish") << 1 << "Nastawy [F1]"
                            << "Urządzenie"
                            << ""
                            << "";
    QTest::newRow("Russian") << 2 << ""
                             << ""
                             << ""
                             << "";
}

void TestNapisy::zmianaJezykaPrzepisujeNapisy() {
    QFETCH(int, jezyk);
    QFETCH(QString, zakladka);
    QFETCH(QString, menu);
    QFETCH(QString, komenda);
    QFETCH(QString, baner);
    TOknoTestowe t(jezyk == 1 ? [](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }
                              : std::function<void(QSettings&)>());
    const QString przed = t.W<QToolButton>("SpeedButton1")->text();
    t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuLang%1").arg(jezyk))->trigger();
    QCOMPARE(t.okno->Teksty().Jezyk(), jezyk);
    const QString po = t.W<QToolButton>("SpeedButton1")->text();
    QVERIFY(po != przed);
    QCOMPARE(po, t.okno->PodajTekst(1200) + QStringLiteral(" [F1]"));
    if (!zakladka.isEmpty()) QCOMPARE(po, zakladka);
    QCOMPARE(t.okno->menuBar()->findChild<QMenu*>(QStringLiteral("MenuFile"))->title(),
             t.okno->PodajTekst(1100));
    if (!menu.isEmpty())
        QCOMPARE(t.okno->menuBar()->findChild<QMenu*>(QStringLiteral("MenuFile"))->title(), menu);
    // The command bar is re-captioned by re-selecting the tab.
    QCOMPARE(t.W<QPushButton>("Btn54")->text(), t.okno->PodajTekst(1260));
    if (!komenda.isEmpty()) QCOMPARE(t.W<QPushButton>("Btn54")->text(), komenda);
    QCOMPARE(t.W<QLabel>("BanerBledy")->text(),
             QLatin1Char(' ') + t.okno->PodajTekst(1232) + QLatin1Char(' '));
    if (!baner.isEmpty()) QCOMPARE(t.W<QLabel>("BanerBledy")->text(), baner);
    QCOMPARE(t.W<QLabel>("BanerParametry")->text(), t.okno->PodajTekst(1230));
    QCOMPARE(t.W<QToolButton>("SpeedButton32")->text(), t.okno->PodajTekst(1229));
    QCOMPARE(t.W<QToolButton>("SpeedButton85")->text(), QStringLiteral("1&&2"));
    QCOMPARE(t.W<QToolButton>("SpeedButton85")->toolTip(),
             t.okno->PodajTekst(1720) + QStringLiteral(" 1&2"));
    QCOMPARE(t.W<QToolButton>("SpeedButton50")->toolTip(), t.okno->PodajTekst(1261));
}

void TestNapisy::menuJezykowStale() {
    TOknoTestowe t;
    const QStringList oczekiwane = {QStringLiteral("English"), QStringLiteral("Polski (Polish)"),
                                    QStringLiteral("Русский (Russian)"),
                                    QStringLiteral("Español (Spain)")};
    for (int jezyk : {0, 2}) {
        t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuLang%1").arg(jezyk))->trigger();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(
                t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuLang%1").arg(i))->text(),
                oczekiwane[i]);
        QVERIFY(t.okno->menuBar()
                    ->findChild<QAction*>(QStringLiteral("MenuLang%1").arg(jezyk))
                    ->isChecked());
    }
}

void TestNapisy::menuAdminPoOdblokowaniu() {
    TOpcjeOkna opcje;
    opcje.Deweloper = true;
    TOknoTestowe t({}, opcje);
    QAction* adm = t.okno->menuBar()->findChild<QMenu*>(QStringLiteral("MenuAdmin"))->menuAction();
    QVERIFY(!adm->isVisible());
    t.Klawisz(Qt::Key_Q);
    QVERIFY(adm->isVisible());
    QCOMPARE(adm->text(), QStringLiteral("Adm"));
    QCOMPARE(t.okno->findChild<QAction*>(QStringLiteral("MenuA0"))->text(),
             QStringLiteral("Transmisja"));
    QCOMPARE(t.okno->findChild<QAction*>(QStringLiteral("MenuA15"))->text(),
             QStringLiteral("1366x768"));
    t.Klawisz(Qt::Key_Q);
    QVERIFY(!adm->isVisible());
}

QTEST_MAIN(TestNapisy)
#include "tst_napisy.moc"
