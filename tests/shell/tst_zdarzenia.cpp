// Link events as the links raise them: controller replies decoded by TSterownik and the
// OBD reader's reports, turned into the title, the status panel, the lamps and the texts.

#include "KontrolerPty.h"
#include "OknoTestowe.h"
#include "PlikTestowy.h"
#include "TObd.h"

#include <QAction>
#include <QTableWidget>

#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace {

// A 92-byte live frame: work state in bytes 10 and 11, lamps in 13 and 14.
TRamka Biezaca() {
    return TRamka(92);
}

// The file dialogs answered with one path.
QStringList Linie(QTextEdit* t) {
    QStringList l = t->toPlainText().split(QLatin1Char('\n'));
    if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
    return l;
}

} // namespace

class TestZdarzenia : public QObject {
    Q_OBJECT

private slots:
    void ramkaBledowWLinie();
    void licznikiPoBiezacejZBitem4();
    void tozsamoscWTytuleIPolaczony();
    void bootloaderWTytule();
    void nowePolaczeniePrzywracaTytul();
    void ramkaBiezacaWPaneluStatusu_data();
    void ramkaBiezacaWPaneluStatusu();
    void powodCzekaniaCoDrugaSekunde();
    void kolorZakladkiDiagnostyki_data();
    void kolorZakladkiDiagnostyki();
    void lampkiStacyjki();
    void ramkaDlugosci4NieJestBiezaca();
    void historiaZmianyPaliwa_data();
    void historiaZmianyPaliwa();
    void zdarzeniaObd_data();
    void zdarzeniaObd();
    void kalibracjaPrzerwana();
    void plikOfflineWTytule();

private:
    static void Angielski(QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }
};

void TestZdarzenia::ramkaBledowWLinie() {
    TOknoTestowe t(Angielski);
    auto* bledy = t.W<QTextEdit>("RichEditBledy");
    QVERIFY(t.Odbierz(0x82, TRamka(70)(10, 0x05)(6, 0x02).dane));
    const QString b = t.okno->PodajTekst(1940);
    QCOMPARE(Linie(bledy), (QStringList{t.okno->PodajTekst(1902), b + QStringLiteral(" 1"),
                                        b + QStringLiteral(" 3")}));
    // A new list replaces the old one.
    QVERIFY(t.Odbierz(0x82, TRamka(70)(12, 0x80).dane));
    QCOMPARE(Linie(bledy), QStringList{t.okno->PodajTekst(1960) + QStringLiteral(" 8")});
}

void TestZdarzenia::licznikiPoBiezacejZBitem4() {
    TOknoTestowe t(Angielski);
    auto* bledy = t.W<QTextEdit>("RichEditBledy");
    QVERIFY(t.Odbierz(0x90, Biezaca()(11, 0x10).dane));
    QVERIFY(t.Odbierz(0x82, TRamka(70)(13, 200).dane));
    QCOMPARE(Linie(bledy),
             (QStringList{QString(),
                          QStringLiteral("\t") + t.okno->PodajTekst(1233) + QStringLiteral(":"),
                          QString(), QStringLiteral("200 x ") + t.okno->PodajTekst(1901)}));
    QVERIFY(t.Odbierz(0x90, Biezaca().dane));
    QVERIFY(t.Odbierz(0x82, TRamka(70)(13, 200).dane));
    QVERIFY(Linie(bledy).isEmpty());
}

void TestZdarzenia::tozsamoscWTytuleIPolaczony() {
    TOknoTestowe t(Angielski);
    t.s().ModulObd = false;
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, 6)));
    QCOMPARE(t.okno->windowTitle(), QStringLiteral("SELVAR v2.04  -  SELVAR MAX+ v23  "));
    auto* status = t.W<QLabel>("PanelStatus");
    QCOMPARE(status->text(), QStringLiteral("CONNECTED"));
    QCOMPARE(status->palette().color(QPalette::Window), QColor(0xFF, 0xFB, 0xF0));
    QCOMPARE(status->palette().color(QPalette::WindowText), QColor(0x00, 0x80, 0x00));
    t.Klik(QStringLiteral("SpeedButton6"));
    QVERIFY(t.W("SpeedButton33")->isVisible());
    QVERIFY(!t.W("SpeedButton32")->isVisible());
    // Six channels: the injection-time grid has a row each.
    QCOMPARE(t.W<QTableWidget>("StringGridCzasyWtr")->rowCount(), 6);
    t.s().ModulObd = true;
    QVERIFY(t.Odbierz(0x81, Tozsamosc(1, 2, 4)));
    QCOMPARE(t.okno->windowTitle(), QStringLiteral("SELVAR v2.04  -  SELVAR LITE+ v23  "));
    QVERIFY(!t.W("SpeedButton33")->isVisible());
    QVERIFY(t.W("SpeedButton32")->isVisible());
    QVERIFY(t.W<QToolButton>("SpeedButton31")->isChecked());
}

void TestZdarzenia::bootloaderWTytule() {
    TOknoTestowe t(Angielski);
    TOdpowiedz ok(QMessageBox::Ok);
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, 4), 1));
    QTRY_VERIFY(ok.pokazano);
    QCOMPARE(ok.tekst, t.okno->PodajTekst(1365));
    QCOMPARE(t.okno->windowTitle(),
             QStringLiteral("SELVAR v2.04 - SELVAR MAX+ ") + t.okno->PodajTekst(1365));
}

void TestZdarzenia::nowePolaczeniePrzywracaTytul() {
    TKontrolerPty pty;
    TOknoTestowe t([&pty](QSettings& u) {
        Angielski(u);
        u.setValue(QStringLiteral("Selvar2/Comm"), 5);
        u.setValue(QStringLiteral("Selvar2/Ports/COM5"), pty.Sciezka());
    });
    QVERIFY(t.Odbierz(0x81, Tozsamosc()));
    QVERIFY(t.okno->windowTitle() != TForm1::TytulPodstawowy);
    // Connect from the Connection menu: the next link tick starts afresh with event 3.
    t.s().CzasOtwarcia = 0;
    t.okno->findChild<QAction*>(QStringLiteral("MenuConn0"))->trigger();
    QVERIFY(t.s().PortConnected());
    t.s().Timer1OnTimer();
    QCOMPARE(t.okno->windowTitle(), TForm1::TytulPodstawowy);
}

void TestZdarzenia::ramkaBiezacaWPaneluStatusu_data() {
    QTest::addColumn<int>("tryb");
    QTest::addColumn<int>("flagi");
    QTest::addColumn<int>("id");
    QTest::addColumn<QColor>("tlo");
    QTest::newRow("no ignition") << 6 << 0x00 << 1242 << QColor(0x808080u);
    QTest::newRow("no rotation") << 6 << 0x01 << 1243 << QColor(0xC0C0C0u);
    QTest::newRow("petrol") << 0 << 0x03 << 1245 << QColor(0xFF0000u);
    QTest::newRow("waiting") << 2 << 0x03 << 1246 << QColor(0xFF8040u);
    QTest::newRow("gas") << 6 << 0x03 << 1250 << QColor(0x00A000u);
}

void TestZdarzenia::ramkaBiezacaWPaneluStatusu() {
    QFETCH(int, tryb);
    QFETCH(int, flagi);
    QFETCH(int, id);
    QFETCH(QColor, tlo);
    TOknoTestowe t(Angielski);
    QVERIFY(t.Odbierz(0x90, Biezaca()(10, tryb)(11, flagi).dane));
    auto* status = t.W<QLabel>("PanelStatus");
    QCOMPARE(status->text(), t.okno->PodajTekst(id));
    QVERIFY(!status->text().isEmpty());
    QCOMPARE(status->palette().color(QPalette::Window), tlo);
    QCOMPARE(status->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(status->font().pointSize(), 10);
}

void TestZdarzenia::powodCzekaniaCoDrugaSekunde() {
    TOknoTestowe t(Angielski);
    const QByteArray ramka = Biezaca()(10, 2)(11, 0x03)(6, 10)(7, 0x05).dane;
    QVERIFY(t.Odbierz(0x90, ramka));
    auto* status = t.W<QLabel>("PanelStatus");
    QCOMPARE(status->text(), t.okno->PodajTekst(1246));
    // Ten 100 ms ticks of Timer1 make one second: the second count turns odd on the tenth.
    for (int takt = 1; takt <= 9; ++takt)
        t.okno->Timer1OnTimer();
    QVERIFY(t.Odbierz(0x90, ramka));
    QCOMPARE(status->text(), t.okno->PodajTekst(1246));
    t.okno->Timer1OnTimer();
    QVERIFY(t.Odbierz(0x90, ramka));
    QCOMPARE(status->text(), t.okno->PodajTekst(1813));
    QCOMPARE(status->font().pointSize(), 8);
}

void TestZdarzenia::kolorZakladkiDiagnostyki_data() {
    QTest::addColumn<int>("flagi");
    QTest::addColumn<QColor>("kolor");
    // Red darkened to read on the Grey tab face #F0F0F0; green already reads there.
    QTest::newRow("active errors") << 0x0C << QColor(0xDD0000u);
    QTest::newRow("stored errors") << 0x10 << QColor(0x008000u);
    QTest::newRow("bit 2") << 0x04 << QColor(0x008000u);
    QTest::newRow("none") << 0x03 << QColor();
}

void TestZdarzenia::kolorZakladkiDiagnostyki() {
    QFETCH(int, flagi);
    QFETCH(QColor, kolor);
    TOknoTestowe t(Angielski);
    auto* diagnostyka = t.W<QToolButton>("SpeedButton4");
    const QColor zwykly = diagnostyka->palette().color(QPalette::ButtonText);
    QVERIFY(t.Odbierz(0x90, Biezaca()(11, flagi).dane));
    QCOMPARE(diagnostyka->palette().color(QPalette::ButtonText), kolor.isValid() ? kolor : zwykly);
    QVERIFY(t.Odbierz(0x90, Biezaca().dane));
    QCOMPARE(diagnostyka->palette().color(QPalette::ButtonText), zwykly);
}

void TestZdarzenia::lampkiStacyjki() {
    TOknoTestowe t(Angielski);
    QVERIFY(t.Odbierz(0x90, Biezaca()(13, 0x22)(14, 0x01).dane));
    const QImage obraz = t.W<QLabel>("Image1")->pixmap().toImage();
    QCOMPARE(obraz.size(), QSize(91, 91));
    QCOMPARE(obraz.pixelColor(15, 16), QColor(0x00, 0xA0, 0x00)); // top level lamp
    QCOMPARE(obraz.pixelColor(15, 31), QColor(Qt::black));        // second level lamp
    QCOMPARE(obraz.pixelColor(15, 76), QColor(0x00, 0xA0, 0x00)); // R green
    QCOMPARE(obraz.pixelColor(74, 16), QColor(0xC8, 0x00, 0x00)); // MODE red
    // The same lamp bytes again leave the picture as it is; new ones repaint it.
    const qint64 klucz = t.W<QLabel>("Image1")->pixmap().cacheKey();
    QVERIFY(t.Odbierz(0x90, Biezaca()(13, 0x22)(14, 0x01)(10, 6).dane));
    QCOMPARE(t.W<QLabel>("Image1")->pixmap().cacheKey(), klucz);
    QVERIFY(t.Odbierz(0x90, Biezaca()(13, 0x00)(14, 0x02).dane));
    const QImage nowy = t.W<QLabel>("Image1")->pixmap().toImage();
    QCOMPARE(nowy.pixelColor(15, 16), QColor(Qt::black));
    QCOMPARE(nowy.pixelColor(74, 16), QColor(0x00, 0xA0, 0x00));
}

void TestZdarzenia::ramkaDlugosci4NieJestBiezaca() {
    TOknoTestowe t(Angielski);
    QVERIFY(t.Odbierz(0x81, Tozsamosc()));
    const QByteArray r = RamkaTestowa::NaLinie(RamkaTestowa::Jawna('V', 0x90, {}));
    QCOMPARE(r.size(), 4);
    std::memcpy(t.s().RamkaRx, r.constData(), 4);
    t.s().AnalizaOdbioru(4);
    QCOMPARE(t.W<QLabel>("PanelStatus")->text(), QStringLiteral("CONNECTED"));
}

void TestZdarzenia::historiaZmianyPaliwa_data() {
    QTest::addColumn<int>("kod");
    QTest::addColumn<int>("powod");
    QTest::addColumn<int>("id");
    QTest::newRow("reason 33") << 240 << 33 << 2019;
    QTest::newRow("reason 1") << 240 << 1 << 2001;
    QTest::newRow("reason 18") << 240 << 18 << 0;
    QTest::newRow("adaptation 243") << 243 << 0 << 3810;
    QTest::newRow("adaptation 244") << 244 << 0 << 3810;
}

void TestZdarzenia::historiaZmianyPaliwa() {
    QFETCH(int, kod);
    QFETCH(int, powod);
    QFETCH(int, id);
    TOknoTestowe t(Angielski);
    QVERIFY(t.Odbierz(0x90, Biezaca()(6, kod)(7, powod)(8, 128).dane));
    // The oscilloscope records from the start, so the time is that of one sample.
    QCOMPARE(
        Linie(t.W<QTextEdit>("RichEditInfo")),
        QStringList{QStringLiteral("0.1 [s]\t\t") + (id ? t.okno->PodajTekst(id) : QString())});
}

void TestZdarzenia::zdarzeniaObd_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("protokol");
    QTest::addColumn<int>("zakladka");
    QTest::addColumn<QString>("obraz");
    QTest::newRow("CAN found") << 102 << 6 << 5 << "RC_OBD_CAN";
    QTest::newRow("searching") << 102 << 0 << 0 << "RC_OBD_ON";
    QTest::newRow("ISO") << 102 << 4 << 5 << "RC_OBD_ISO";
    QTest::newRow("lost") << 101 << -1 << 0 << "RC_OBD_OFF";
    QTest::newRow("other report") << 3 << 0 << 0 << "RC_OBD_OFF";
}

void TestZdarzenia::zdarzeniaObd() {
    QFETCH(int, x);
    QFETCH(int, protokol);
    QFETCH(int, zakladka);
    QFETCH(QString, obraz);
    TOknoTestowe t(Angielski);
    QCOMPARE(t.W("Image2")->property("Obraz").toString(), QStringLiteral("RC_OBD_OFF"));
    t.okno->Obd().DoOnZdarzenie(x, protokol, 0);
    QCOMPARE(t.okno->ZakladkaGlowna, zakladka);
    QCOMPARE(t.W("Image2")->property("Obraz").toString(), obraz);
}

void TestZdarzenia::kalibracjaPrzerwana() {
    TOknoTestowe t(Angielski);
    t.Klawisz(Qt::Key_F2);
    t.Klik(QStringLiteral("Btn54"));
    QVERIFY(t.W("ProgressBar1")->isVisible());
    TOdpowiedz ok(QMessageBox::Ok);
    // Frames without revolutions abort the calibration.
    for (int i = 0; i < 15 && !ok.pokazano; ++i)
        QVERIFY(t.Odbierz(0x91, Biezaca()(17, 0)(18, 0).dane));
    QTRY_VERIFY(ok.pokazano);
    QCOMPARE(ok.tekst, t.okno->PodajTekst(1292));
    QCOMPARE(t.W<QPushButton>("Btn54")->text(),
             t.okno->PodajTekst(1261) + QStringLiteral("  [Enter]"));
    QVERIFY(!t.W("ProgressBar1")->isVisible());
}

void TestZdarzenia::plikOfflineWTytule() {
    TOknoTestowe t(Angielski);
    TPlikTestowy pliki;
    pliki.sciezka = t.katalog.filePath(QStringLiteral("auto.set"));
    t.s().OknaPlikow = &pliki;
    t.okno->findChild<QAction*>(QStringLiteral("MenuFileSave"))->trigger();
    QVERIFY(QFile::exists(pliki.sciezka));
    t.okno->findChild<QAction*>(QStringLiteral("MenuFileRead"))->trigger();
    QCOMPARE(t.okno->windowTitle(),
             QStringLiteral("SELVAR v2.04 - [") + pliki.sciezka + QStringLiteral("]"));
    // While a file is on show the link does not reconnect by itself.
    QCOMPARE(t.okno->findChild<QAction*>(QStringLiteral("MenuConn0"))->data().toInt(), -1);
    t.okno->findChild<QAction*>(QStringLiteral("MenuFileRead"))->trigger();
    QCOMPARE(t.okno->windowTitle(),
             QStringLiteral("SELVAR v2.04 - [") + pliki.sciezka + QStringLiteral("]"));
    t.s().OknaPlikow = nullptr;
}

QTEST_MAIN(TestZdarzenia)
#include "tst_zdarzenia.moc"
