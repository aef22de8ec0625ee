// What an installer sees: readable menus and history on the black schemes, map sub-tab
// captions that fit their buttons, and question boxes answered in the chosen language.

#include "Obrazki.h"
#include "OknoTestowe.h"

#include <QPainter>
#include <QScrollBar>
#include <QTableWidget>

#include <QAction>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

namespace {

// The black schemes write text in silver, 0xC0C0C0.
const QColor Srebrny(0xC0, 0xC0, 0xC0);

void Jezyk(TOknoTestowe& t, int jezyk) {
    t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuLang%1").arg(jezyk))->trigger();
}

// The colour the first character of a text panel is painted in.
QColor KolorPierwszejLinii(const QTextEdit& tekst) {
    const QTextCharFormat f = tekst.document()->firstBlock().begin().fragment().charFormat();
    return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color()
                                                       : tekst.palette().color(QPalette::Text);
}

} // namespace

class TestWyglad : public QObject {
    Q_OBJECT

private slots:
    void blackSchemesKeepMenuAndHistoryReadable_data() {
        QTest::addColumn<int>("schemat");
        QTest::newRow("Black") << 4;
        QTest::newRow("Black-Black") << 5;
    }
    void blackSchemesKeepMenuAndHistoryReadable() {
        QFETCH(int, schemat);
        TOknoTestowe t;
        // A fuel-switch line in the history while the scheme is still light.
        TRamka ramka(92);
        QVERIFY(t.Odbierz(0x90, ramka(6, 240)(7, 1).dane));
        auto* info = t.W<QTextEdit>("RichEditInfo");
        QVERIFY(!info->document()->isEmpty());

        t.okno->menuBar()
            ->findChild<QAction*>(QStringLiteral("MenuColor%1").arg(schemat))
            ->trigger();
        const QPalette menu = t.okno->menuBar()->palette();
        QCOMPARE(menu.color(QPalette::ButtonText), Srebrny);
        QCOMPARE(menu.color(QPalette::WindowText), Srebrny);
        QCOMPARE(KolorPierwszejLinii(*info), Srebrny);
    }

    void mapSubTabCaptionsFitTheirButtons_data() {
        QTest::addColumn<int>("jezyk");
        QTest::addColumn<int>("szerokosc");
        for (int jezyk = 0; jezyk < 4; ++jezyk)
            for (int szerokosc : {740, 1024, 1366})
                QTest::addRow("language %d at %d px", jezyk, szerokosc) << jezyk << szerokosc;
    }
    void mapSubTabCaptionsFitTheirButtons() {
        QFETCH(int, jezyk);
        QFETCH(int, szerokosc);
        TOknoTestowe t;
        t.okno->resize(szerokosc, 600);
        Jezyk(t, jezyk);
        t.Klik(QStringLiteral("SpeedButton3"));
        QCoreApplication::processEvents();
        for (int n = 11; n <= 15; ++n) {
            auto* b = t.W<QToolButton>(QStringLiteral("SpeedButton%1").arg(n));
            QVERIFY(b->isVisible());
            // What the button needs to show its caption whole, margins included.
            QVERIFY2(b->sizeHint().width() <= b->width(),
                     qPrintable(QStringLiteral("%1: needs %2, has %3")
                                    .arg(b->text())
                                    .arg(b->sizeHint().width())
                                    .arg(b->width())));
        }
    }

    // On black, no pixel of a protocol picture may be light: its darkest colours are 0x40 in
    // every channel, so a pixel above 0x60 in all three is an edge blended with white.
    void obdPicturesHaveNoLightFringeOnBlack_data() {
        QTest::addColumn<QString>("obraz");
        for (const char* n : {"RC_OBD_ON", "RC_OBD_CAN", "RC_OBD_ISO", "RC_OBD_PWM", "RC_OBD_VPW"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void obdPicturesHaveNoLightFringeOnBlack() {
        QFETCH(QString, obraz);
        const QPixmap rysunek = Obrazki::Wczytaj(obraz);
        QImage tlo(rysunek.size(), QImage::Format_RGB32);
        tlo.fill(Qt::black);
        QPainter(&tlo).drawPixmap(0, 0, rysunek);
        for (int y = 0; y < tlo.height(); ++y)
            for (int x = 0; x < tlo.width(); ++x) {
                const QColor k = tlo.pixelColor(x, y);
                QVERIFY2(std::min({k.red(), k.green(), k.blue()}) <= 0x60,
                         qPrintable(QStringLiteral("light pixel at %1,%2").arg(x).arg(y)));
            }
    }

    void injectionTimeGridShowsEveryChannel_data() {
        QTest::addColumn<QSize>("okno");
        QTest::addColumn<int>("kanaly");
        for (const QSize& r : {QSize(1024, 600), QSize(1366, 768), QSize(1920, 1080)})
            for (int kanaly : {4, 8})
                QTest::addRow("%dx%d, %d channels", r.width(), r.height(), kanaly) << r << kanaly;
    }
    void injectionTimeGridShowsEveryChannel() {
        QFETCH(QSize, okno);
        QFETCH(int, kanaly);
        TOknoTestowe t;
        t.okno->resize(okno);
        QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, kanaly)));
        QVERIFY(t.Odbierz(0x90, TRamka(92).dane));
        QCoreApplication::processEvents();
        auto* siatka = t.W<QTableWidget>("StringGridCzasyWtr");
        auto* kolumna = t.W("PanelRight");
        QCOMPARE(siatka->rowCount(), kanaly);
        const QRect ostatni = siatka->visualItemRect(siatka->item(kanaly - 1, 0));
        QVERIFY2(ostatni.bottom() < siatka->viewport()->height(),
                 qPrintable(QStringLiteral("row %1 ends at %2, view %3")
                                .arg(kanaly)
                                .arg(ostatni.bottom())
                                .arg(siatka->viewport()->height())));
        QVERIFY(!siatka->verticalScrollBar()->isVisible());
        QVERIFY(siatka->geometry().right() < kolumna->width());
        QVERIFY(siatka->width() >= kolumna->width() - 4);
    }

    // The ELM sub-tab leaves 65 pixels of the centre above the bottom area, at any size.
    void obdBottomAreaFollowsAResize() {
        TOknoTestowe t;
        t.okno->resize(800, 600);
        t.Klik(QStringLiteral("SpeedButton6"));
        t.okno->resize(1366, 768);
        QCoreApplication::processEvents();
        QCOMPARE(t.W("PanelNasInfoObd")->height(), t.W("PanelCenter")->height() - 65);
    }

    // The port reports a device the user may not open; the window says so once, in Polish.
    void missingPermissionIsReportedOnce() {
        TOknoTestowe t;
        t.s().BrakUprawnien = QStringLiteral("/dev/ttyUSB0");
        TOdpowiedz pierwsza(QMessageBox::Ok);
        t.okno->Timer1OnTimer();
        QVERIFY(pierwsza.pokazano);
        QVERIFY(pierwsza.tekst.startsWith(
            QStringLiteral("Brak uprawnień do otwarcia portu /dev/ttyUSB0. Dodaj użytkownika")));
        TOdpowiedz druga(QMessageBox::Ok);
        t.okno->Timer1OnTimer();
        QCoreApplication::processEvents();
        QVERIFY(!druga.pokazano);
    }

    void questionButtonsSpeakTheChosenLanguage() {
        TOknoTestowe t; // Polish on first start
        TOdpowiedz odpowiedz(QMessageBox::No);
        // "Factory settings" on the settings tab asks before it resets.
        t.s().Nastawy[90] = 141;
        t.Klik(QStringLiteral("SpeedButton1"));
        t.Klik(QStringLiteral("Btn54"));
        QVERIFY(odpowiedz.pokazano);
        QVERIFY(odpowiedz.przyciski.contains(QStringLiteral("Tak")));
        QVERIFY(odpowiedz.przyciski.contains(QStringLiteral("Nie")));
        QCOMPARE(int(t.s().Nastawy[90]), 141);
    }
};

QTEST_MAIN(TestWyglad)
#include "tst_wyglad.moc"
