// The device, service and parameter dialogs and the administrator window, opened as the
// menus open them.

#include "OknoTestowe.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextEdit>

namespace {

// Runs the check on the next modal dialog, then closes it.
template <typename F> void WDialogu(F sprawdz) {
    QTimer::singleShot(0, [sprawdz] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        sprawdz(*d);
        d->accept();
    });
}

QString Tekst(QDialog& d, const char* nazwa) {
    return d.findChild<QLineEdit*>(QString::fromLatin1(nazwa))->text();
}

} // namespace

class TestDialogi : public QObject {
    Q_OBJECT

private slots:
    void urzadzenie();
    void serwisGodzinyIHistoria();
    void serwisUstawPrzeglad();
    void serwisPrzypomnienie();
    void transmisjaDoOknaAdministratora();
    void naglowekNastaw();

private:
    static void Angielski(QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }
    static QAction* Akcja(TOknoTestowe& t, const char* nazwa) {
        return t.okno->menuBar()->findChild<QAction*>(QString::fromLatin1(nazwa));
    }
};

void TestDialogi::urzadzenie() {
    TOknoTestowe t(Angielski);
    QByteArray id = Tozsamosc(2, 3, 6);
    const QByteArray kod = "5901234000123456";
    id.replace(0, kod.size(), kod);
    id[46 - 6] = 5;
    id[47 - 6] = 3;
    id[48 - 6] = 7;
    QVERIFY(t.Odbierz(0x81, id));
    bool sprawdzony = false;
    WDialogu([&](QDialog& d) {
        sprawdzony = true;
        QCOMPARE(d.windowTitle(), QStringLiteral("SELVAR - Device information"));
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("Label1"))->text(), t.okno->PodajTekst(1331));
        QCOMPARE(Tekst(d, "Edit1"), QStringLiteral("SELVAR MAX+"));
        QCOMPARE(Tekst(d, "Edit2"), QString::fromLatin1(kod));
        QCOMPARE(Tekst(d, "Edit3"), QStringLiteral("2005.03.07"));
        QCOMPARE(Tekst(d, "Edit4"), t.s().StrWersjaCyframi(14));
        QCOMPARE(Tekst(d, "Edit5"), QStringLiteral("6"));
    });
    Akcja(t, "MenuFileInfo")->trigger();
    QVERIFY(sprawdzony);
}

void TestDialogi::serwisGodzinyIHistoria() {
    TOknoTestowe t(Angielski);
    // Gas: 3 hours and 125 seconds; one history entry of 2005.3.7 by computer 12345678.
    QVERIFY(t.Odbierz(0x81, TRamka(80)(38, 2)(42, 3)(43, 4)(74, 125)(76, 3).dane));
    const unsigned char wpis[8] = {0x09, 5, 3, 7, 0x12, 0x34, 0x56, 0x78};
    std::memcpy(t.s().Historia, wpis, 8);
    bool sprawdzony = false;
    WDialogu([&](QDialog& d) {
        sprawdzony = true;
        QCOMPARE(Tekst(d, "Edit2"), QStringLiteral("3:02:05"));
        auto* h = d.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
        QCOMPARE(h->item(0, 0)->text(), t.okno->PodajTekst(1347));
        QCOMPARE(h->item(0, 5)->text(), t.okno->PodajTekst(1346));
        QCOMPARE(h->item(1, 0)->text(), QStringLiteral("2005.3.7"));
        QCOMPARE(h->item(1, 1)->text(), QStringLiteral("v"));
        QCOMPARE(h->item(1, 2)->text(), QString());
        QCOMPARE(h->item(1, 4)->text(), QStringLiteral("v"));
        QCOMPARE(h->item(2, 0)->text(), QString());
        QCOMPARE(d.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentText(),
                 QStringLiteral("10000"));
    });
    Akcja(t, "MenuFileServis")->trigger();
    QVERIFY(sprawdzony);
}

void TestDialogi::serwisUstawPrzeglad() {
    TOknoTestowe t(Angielski);
    QVERIFY(t.Odbierz(0x81, TRamka(80)(38, 2)(42, 3)(43, 4)(74, 0x09)(75, 0x07)(76, 10).dane));
    WDialogu([&](QDialog& d) {
        // 10000 km at 50 km an hour: 200 hours, +1 for the 1801 seconds past the hour.
        d.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        QCOMPARE(t.s().Nastawy[101] | (t.s().Nastawy[102] << 8), 200 + 10 + 1);
        QCOMPARE(int(t.s().Nastawy[100]), 1);
        QVERIFY(d.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());
        QCOMPARE(Tekst(d, "Edit5"), QStringLiteral("201:00:00"));
        d.findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
        QCOMPARE(t.s().Nastawy[101] | (t.s().Nastawy[102] << 8), 10 + 2);
    });
    Akcja(t, "MenuFileServis")->trigger();
}

void TestDialogi::serwisPrzypomnienie() {
    TOknoTestowe t(Angielski);
    t.s().Nastawy[100] = 0;
    WDialogu([&](QDialog& d) {
        auto* pole = d.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
        QVERIFY(!pole->isChecked());
        QVERIFY(!d.findChild<QLineEdit*>(QStringLiteral("Edit5"))->isEnabled());
        pole->click();
        QCOMPARE(int(t.s().Nastawy[100]), 1);
        QVERIFY(d.findChild<QLineEdit*>(QStringLiteral("Edit5"))->isEnabled());
        pole->click();
        QCOMPARE(int(t.s().Nastawy[100]), 0);
    });
    Akcja(t, "MenuFileServis")->trigger();
}

void TestDialogi::transmisjaDoOknaAdministratora() {
    TOpcjeOkna opcje;
    opcje.Deweloper = true;
    TOknoTestowe t(Angielski, opcje);
    t.Klawisz(Qt::Key_Q);
    QVERIFY(!t.s().OnTekst);
    t.okno->findChild<QAction*>(QStringLiteral("MenuA0"))->trigger();
    auto* okno = t.okno->findChild<QDialog*>(QStringLiteral("FormAdmin"));
    QVERIFY(okno->isVisible());
    QVERIFY(t.s().OnTekst);
    auto* tekst = okno->findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    QVERIFY(t.Odbierz(0x82, TRamka(70).dane));
    QVERIFY(tekst->toPlainText().contains(QStringLiteral("  RX: 56")));
    // Closed by the user: lines are dropped until it shows again.
    okno->close();
    tekst->clear();
    QVERIFY(t.Odbierz(0x82, TRamka(70).dane));
    QVERIFY(tekst->toPlainText().isEmpty());
    t.okno->findChild<QAction*>(QStringLiteral("MenuA0"))->trigger();
    QVERIFY(!t.s().OnTekst);
}

void TestDialogi::naglowekNastaw() {
    TOpcjeOkna opcje;
    opcje.Deweloper = true;
    TOknoTestowe t(Angielski, opcje);
    t.Klawisz(Qt::Key_Q);
    t.okno->findChild<QAction*>(QStringLiteral("MenuA5"))->trigger();
    const QStringList linie = t.okno->findChild<QTextEdit*>(QStringLiteral("RichEdit1"))
                                  ->toPlainText()
                                  .split(QLatin1Char('\n'));
    QCOMPARE(linie[0], QStringLiteral("  #define nil 0"));
    QCOMPARE(linie.size(), 1 + 304 + 1);
    // Every record in order: its index in three digits, then its default or "nil".
    static const QRegularExpression wzor(QStringLiteral("^  #define def(\\d{3})  (\\d{1,3}|nil)$"));
    unsigned suma = 0;
    for (int i = 0; i < 304; ++i) {
        const QRegularExpressionMatch m = wzor.match(linie[i + 1]);
        QVERIFY2(m.hasMatch(), qPrintable(linie[i + 1]));
        QCOMPARE(m.captured(1).toInt(), i);
        if (i < 256) suma += m.captured(2).toUInt(); // "nil" adds 0
    }
    // The checksum byte's default makes the controller block's defaults sum to 0.
    QVERIFY(!linie[1].endsWith(QStringLiteral("nil")));
    QCOMPARE(suma % 256, 0u);
    // Lines of the catalogue's defaults; 6, 7, 256 and 259 are empty records.
    for (const char* linia :
         {"  #define def003  50", "  #define def006  nil", "  #define def007  nil",
          "  #define def035  8", "  #define def050  70", "  #define def061  200",
          "  #define def106  10", "  #define def189  200", "  #define def256  nil",
          "  #define def257  1", "  #define def259  nil"})
        QVERIFY2(linie.contains(QLatin1String(linia)), linia);
}

QTEST_MAIN(TestDialogi)
#include "tst_dialogi.moc"
