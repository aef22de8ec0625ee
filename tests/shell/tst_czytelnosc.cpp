// Readable in every scheme and language: the toolkit's own controls and dialogs follow the
// scheme, cut setting names show whole as tool tips, the oscilloscope's buttons explain
// themselves, Qt's own texts speak the chosen language and tick marks stay in their boxes.

#include "Kontrast.h"
#include "Kontrolki.h"
#include "Obrazki.h"
#include "OknoTestowe.h"
#include "TNastawy.h"

#include <QAction>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QToolTip>

namespace {

void Wybierz(TOknoTestowe& t, const QString& akcja) {
    t.okno->menuBar()->findChild<QAction*>(akcja)->trigger();
}

// Runs kontrola on the next modal dialog once it is open, then closes it by its button.
struct TZamykanie {
    QString nazwa;
    bool zamkniety = false;
    std::function<void(QWidget&)> kontrola;
    QTimer szukanie;

    TZamykanie() {
        szukanie.setInterval(0);
        QObject::connect(&szukanie, &QTimer::timeout, [this] {
            QWidget* okno = QApplication::activeModalWidget();
            if (!okno) return;
            szukanie.stop();
            nazwa = okno->objectName();
            if (kontrola) kontrola(*okno);
            auto* zamknij = okno->findChild<QPushButton*>(QStringLiteral("BtnZamknij"));
            if (!zamknij || !zamknij->isVisible()) {
                okno->close();
                return;
            }
            QTest::mouseClick(zamknij, Qt::LeftButton);
            zamkniety = true;
        });
        szukanie.start();
    }
};

} // namespace

class TestCzytelnosc : public QObject {
    Q_OBJECT

private slots:
    void blackSchemeThemesTheToolkitsControls() {
        TOknoTestowe t;
        Wybierz(t, QStringLiteral("MenuColor5"));
        QCOMPARE(QApplication::palette().color(QPalette::Button), QColor(0x32, 0x32, 0x32));
        QCOMPARE(QApplication::palette().color(QPalette::Base), QColor(0x32, 0x32, 0x32));
        auto* fabryczne = t.W<QPushButton>("Btn51");
        QCOMPARE(fabryczne->palette().color(QPalette::Button), QColor(0x32, 0x32, 0x32));
        // Every tab caption reads on its dark face, the selected one too.
        for (int n = 1; n <= 6; ++n) {
            const QPalette p = t.W<QToolButton>(QStringLiteral("SpeedButton%1").arg(n))->palette();
            QVERIFY2(Kontrast::Stosunek(p.color(QPalette::ButtonText), p.color(QPalette::Button)) >=
                         4.5,
                     qPrintable(QString::number(n)));
        }
        // Back to a light scheme, the controls follow again.
        Wybierz(t, QStringLiteral("MenuColor2"));
        QCOMPARE(fabryczne->palette().color(QPalette::Button), QColor(0xF0, 0xF0, 0xF0));
    }

    void serviceDialogReadsAndClosesByItsButton_data() {
        QTest::addColumn<int>("schemat");
        QTest::newRow("Windows-White") << 0;
        QTest::newRow("Black-Black") << 5;
    }
    void serviceDialogReadsAndClosesByItsButton() {
        QFETCH(int, schemat);
        TOknoTestowe t(
            [schemat](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Comp"), schemat); });
        TZamykanie z;
        double najgorszy = 21;
        z.kontrola = [&najgorszy](QWidget& okno) {
            auto* historia = okno.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
            for (int k = 0; k < historia->columnCount(); ++k) {
                const QTableWidgetItem* naglowek = historia->item(0, k);
                najgorszy = std::min(najgorszy, Kontrast::Stosunek(naglowek->foreground().color(),
                                                                   naglowek->background().color()));
            }
        };
        Wybierz(t, QStringLiteral("MenuFileServis"));
        QCOMPARE(z.nazwa, QStringLiteral("FormService"));
        QVERIFY(z.zamkniety);
        QVERIFY2(najgorszy >= 4.5, qPrintable(QString::number(najgorszy)));
    }

    void parameterTableClosesByItsButton() {
        TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/View"), 2); });
        TZamykanie z;
        QString napis;
        z.kontrola = [&napis](QWidget& okno) {
            napis = okno.findChild<QPushButton*>(QStringLiteral("BtnZamknij"))->text();
        };
        t.Klik(QStringLiteral("SpeedButton9"));
        QCOMPARE(z.nazwa, QStringLiteral("FormParam"));
        QVERIFY(z.zamkniety);
        QCOMPARE(napis, QStringLiteral("Zamknij"));
    }

    void cutPolishNameShowsWholeAsToolTip() {
        TOknoTestowe t; // Polish by default
        t.okno->resize(1024, 600);
        TOknoTestowe::Ulozone();
        TNastawy& e = t.okno->Nastawy();
        QVERIFY(e.isVisible());
        const auto srodek = [&e](int indeks) {
            for (int w = 0; w < int(e.Mapa().size()); ++w)
                for (int k = 0; k < 2; ++k)
                    if (e.Mapa()[std::size_t(w)][std::size_t(k)] == indeks)
                        return e.ProstokatKomorki(k, w).center();
            return QPoint(-1, -1);
        };
        // "Wyłączenie przed pełnym otwarciem wtryskiwacza" runs under its value box here.
        const QString nazwa = e.StrNazwa(70);
        QCOMPARE(nazwa, QStringLiteral("Wyłączenie przed pełnym otwarciem wtryskiwacza"));
        const QString whole = nazwa + QStringLiteral(": ") + e.StrWartosc(70);
        QCOMPARE(e.Podpowiedz(srodek(70)), whole);
        // As the mouse resting there asks for it.
        QHelpEvent pytanie(QEvent::ToolTip, srodek(70), e.mapToGlobal(srodek(70)));
        QApplication::sendEvent(&e, &pytanie);
        QCOMPARE(QToolTip::text(), whole);
        // A short name and value need no tip.
        QCOMPARE(e.Podpowiedz(srodek(20)), QString());
    }

    void editorFontFollowsItsRoomAtFullHd() {
        TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); });
        t.okno->resize(1024, 600);
        TOknoTestowe::Ulozone();
        const int maly = t.okno->Nastawy().RozmiarCzcionki();
        t.okno->resize(1900, 1000);
        TOknoTestowe::Ulozone();
        // Rows of about 50 pixels and columns of about 800: the rule gives more than 8 points.
        QVERIFY2(t.okno->Nastawy().Uklad().WysokoscWiersza >= 34,
                 qPrintable(QString::number(t.okno->Nastawy().Uklad().WysokoscWiersza)));
        QVERIFY2(
            t.okno->Nastawy().RozmiarCzcionki() > maly,
            qPrintable(
                QStringLiteral("%1 -> %2").arg(maly).arg(t.okno->Nastawy().RozmiarCzcionki())));
    }

    void everyScopeButtonHasAToolTip_data() {
        QTest::addColumn<int>("jezyk");
        for (int j = 0; j < 4; ++j)
            QTest::addRow("language %d", j) << j;
    }
    void everyScopeButtonHasAToolTip() {
        QFETCH(int, jezyk);
        TOknoTestowe t(
            [jezyk](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), jezyk); });
        QSet<QString> podpowiedzi;
        for (int n : {50, 51, 52, 53, 54, 55, 56, 60, 61, 62, 70, 71}) {
            const QString tip = t.W<QToolButton>(QStringLiteral("SpeedButton%1").arg(n))->toolTip();
            QVERIFY2(!tip.isEmpty(), qPrintable(QString::number(n)));
            podpowiedzi << tip;
        }
        // Each says something of its own.
        QCOMPARE(podpowiedzi.size(), 12);
    }

    void qtsOwnTextsSpeakTheChosenLanguage() {
        TOknoTestowe t;
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Anuluj"));
        Wybierz(t, QStringLiteral("MenuLang2"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        Wybierz(t, QStringLiteral("MenuLang0"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    void finePicturesAtTwiceTheDensity_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QSize>("punkty");
        QTest::newRow("switch") << Obrazki::Stacyjka << QSize(90, 90);
        for (int protokol : {-1, 0, 1, 2, 3, 6})
            QTest::addRow("OBD %d", protokol) << Obrazki::Obd(protokol) << QSize(135, 48);
    }
    void finePicturesAtTwiceTheDensity() {
        QFETCH(QString, nazwa);
        QFETCH(QSize, punkty);
        const QPixmap zwykly = Obrazki::Wczytaj(nazwa, 1);
        QCOMPARE(zwykly.size(), punkty);
        const QPixmap gesty = Obrazki::Wczytaj(nazwa, 2);
        QCOMPARE(gesty.size(), punkty * 2);
        QCOMPARE(gesty.devicePixelRatio(), 2.0);
        // The same room on the screen, and white still transparent.
        QCOMPARE(gesty.deviceIndependentSize().toSize(), punkty);
        QVERIFY(!gesty.mask().isNull());
        // A picture drawn only once stays at its size.
        QCOMPARE(Obrazki::Wczytaj(Obrazki::Logo, 2).size(), QSize(700, 482));
    }

    void tickStaysInsideItsBox_data() {
        QTest::addColumn<int>("bok");
        for (int bok : {14, 16, 20, 32})
            QTest::addRow("%d px", bok) << bok;
    }
    void tickStaysInsideItsBox() {
        QFETCH(int, bok);
        QImage obraz(60, 60, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        const QRect pole(10, 10, bok, bok);
        QPainter p(&obraz);
        RysujPtaszek(p, pole);
        p.end();
        int wewnatrz = 0;
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x) {
                if (obraz.pixelColor(x, y) == QColor(Qt::white)) continue;
                // Inside the edge line, which is the box's outermost pixels.
                QVERIFY2(pole.adjusted(1, 1, -1, -1).contains(x, y),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                ++wewnatrz;
            }
        // And it is a tick, not a speck: more than a tenth of the box.
        QVERIFY(wewnatrz > bok * bok / 10);
    }
};

QTEST_MAIN(TestCzytelnosc)
#include "tst_czytelnosc.moc"
