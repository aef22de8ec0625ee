// The settings editor's dialogs with their worked examples: the calculator, the injector
// corrections, the injection sequence, the level sensor and the setting groups.

#include "FormCal.h"
#include "FormInj.h"
#include "FormLevel.h"
#include "FormNastaw.h"
#include "FormSeq.h"
#include "KalkulatorDysz.h"
#include "MapaPortow.h"
#include "Paleta.h"
#include "Strzalki.h"
#include "TNastawy.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <array>

class TestDialogiNastaw : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    TTeksty teksty;
    TPaleta paleta;
    std::unique_ptr<TSterownik> s;
    std::unique_ptr<QWidget> okno;
    TNastawy* edytor = nullptr;

    template <typename D> D* Otworz(D* d) {
        d->Przygotuj(edytor, paleta, QStringLiteral("SELVAR"));
        d->show();
        return d;
    }
    template <typename W> W* W_(QWidget* d, const char* nazwa) {
        return d->findChild<W*>(QLatin1String(nazwa));
    }
    // Clicks an arrow of the row's UpDownN.
    static void Klik(TStrzalki* s, bool gora, int razy = 1) {
        auto* b = s->findChild<QToolButton*>(gora ? QStringLiteral("Gora") : QStringLiteral("Dol"));
        for (int n = 0; n < razy; ++n)
            QTest::mouseClick(b, Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        QVERIFY(teksty.Wczytaj());
        teksty.UstawJezyk(Jezyki::Angielski);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup() { okno.reset(); }
    void init() {
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so"));
        s->Teksty = &teksty;
        okno = std::make_unique<QWidget>();
        edytor = new TNastawy(*s, okno.get());
    }

    void calculatorArithmetic() {
        TDaneKalkulatora d;
        d.moc = 120;
        d.cylindry = 3; // "4"
        d.model = 2;
        QCOMPARE(WynikKalkulatora(d), QStringLiteral("2.7"));
        d.model = 5; // 0.0625 x 30 + 0.2 + 0.15 = 2.225
        QCOMPARE(WynikKalkulatora(d), QStringLiteral("2.2"));
        d.moc = 100;
        d.kilowaty = true;
        TDaneKalkulatora konie = d;
        konie.kilowaty = false;
        konie.moc = 135.96;
        QVERIFY(qAbs(SrednicaDyszy(d) - SrednicaDyszy(konie)) < 1e-9);
        QCOMPARE(PozycjaCisnienia(100), 0);
        QCOMPARE(PozycjaCisnienia(150), 5);
        QCOMPARE(PozycjaCisnienia(255), 5);
        // 135.96 / 4 x 0.0625 + 0.2 + 0.15 = 2.47: a class, no size.
        d.model = 9;
        QCOMPARE(WynikKalkulatora(d), QStringLiteral("A green"));
        d.moc = 60;
        QCOMPARE(WynikKalkulatora(d), QStringLiteral("C black"));
    }

    void calculatorDialog() {
        s->Nastawy[86] = 150;
        s->Nastawy[24] = 8; // a model with a class, not a size
        auto* d = Otworz(new TFormCal(*s, okno.get()));
        QCOMPARE(W_<QComboBox>(d, "ComboBox3")->currentIndex(), 5);
        QCOMPARE(W_<QComboBox>(d, "ComboBox6")->currentIndex(), 7);
        QVERIFY(!W_<QLabel>(d, "LabelB")->isVisible());
        W_<QComboBox>(d, "ComboBox6")->setCurrentIndex(1); // model 2
        QVERIFY(W_<QLabel>(d, "LabelB")->isVisible());
        QCOMPARE(W_<QLabel>(d, "LabelB")->text(), QStringLiteral("[mm]"));
    }

    void injectorCorrections() {
        s->LiczbaWtryskiwaczy = 4;
        auto* d = Otworz(new TFormInj(*s, okno.get()));
        QCOMPARE(d->height(), 230);
        QVERIFY(W_<TStrzalki>(d, "UpDown4")->isVisible());
        QVERIFY(!W_<TStrzalki>(d, "UpDown5")->isVisible());
        TStrzalki* trzeci = W_<TStrzalki>(d, "UpDown3");
        Klik(trzeci, true);
        QCOMPARE(int(s->Nastawy[218]), 129);
        QCOMPARE(W_<QLineEdit>(d, "Edit3")->text(), edytor->StrWartosc(218));
        // Digits typed at the arrows change nothing; the keys step.
        trzeci->setFocus();
        QTest::keyClicks(trzeci, QStringLiteral("44"));
        QCOMPARE(int(s->Nastawy[218]), 129);
        QTest::keyClick(trzeci, Qt::Key_Down);
        QCOMPARE(int(s->Nastawy[218]), 128);
        // 50 steps either way: 128 + 60 clicks stops at 178, 128 - 60 at 78.
        Klik(trzeci, true, 60);
        QCOMPARE(int(s->Nastawy[218]), 178);
        QVERIFY(!trzeci->findChild<QToolButton*>(QStringLiteral("Gora"))->isEnabled());
        QTest::keyClick(trzeci, Qt::Key_PageDown);
        QCOMPARE(int(s->Nastawy[218]), 168);
        Klik(trzeci, false, 100);
        QCOMPARE(int(s->Nastawy[218]), 78);
    }

    void injectionSequence() {
        s->LiczbaWtryskiwaczy = 4;
        s->Nastawy[8] = 0;
        auto* d = Otworz(new TFormSeq(*s, okno.get()));
        TSiatkaKomorek* m = d->Macierz();
        QCOMPARE(m->pos().x(), 96);
        QCOMPARE(m->width(), 5 * 29);
        // Gas injector 3 on petrol input 3: its cell takes it off.
        QVERIFY(s->Nastawy[34] & 0x4);
        QTest::mouseClick(m, Qt::LeftButton, {}, m->ProstokatKomorki(3, 3).center());
        QCOMPARE(int(s->Nastawy[34]), 0);
        QVERIFY(s->Nastawy[31] & 0x4);
        QCOMPARE(int(s->ZmianaWtryskiwaczy), 1);
        // Its cell among the injectors that stay off puts it back on input 3.
        TSiatkaKomorek* w = d->Wylaczone();
        QTest::mouseClick(w, Qt::LeftButton, {}, w->ProstokatKomorki(2, 0).center());
        QCOMPARE(int(s->Nastawy[34]), 4);
        QVERIFY(!(s->Nastawy[31] & 0x4));
        // All four inputs active at idle: full group.
        std::array<unsigned char, 128> r{};
        r[17] = 80; // 800 rpm
        r[19] = 30;
        r[21] = 0x0F;
        d->RamkaBiezaca(r.data());
        QCOMPARE(W_<QLineEdit>(d, "Edit1")->text(), edytor->StrWartosc(8, 2));
        r[21] = 0x01;
        d->RamkaBiezaca(r.data());
        QCOMPARE(W_<QLineEdit>(d, "Edit1")->text(), edytor->StrWartosc(8, 0));
    }

    void levelSensor() {
        s->Nastawy[40] = 0;                            // growing
        const std::array<int, 4> progi{8, 20, 39, 44}; // settings 44, 43, 42, 41
        for (int k = 0; k < 4; ++k)
            s->Nastawy[44 - k] = static_cast<unsigned char>(progi[size_t(k)]);
        auto* d = Otworz(new TFormLevel(*s, okno.get()));
        QVERIFY(s->FlagiParam & 0x2);
        const auto czerwony = [d](int nastawa) {
            return d->Pole(nastawa)->palette().color(QPalette::Text) == QColor(Qt::red);
        };
        for (int n = 41; n <= 44; ++n)
            QVERIFY(!czerwony(n));
        Klik(W_<TStrzalki>(d, "UpDown1"), true, 17); // setting 44, from 8
        QCOMPARE(int(s->Nastawy[44]), 25);
        QCOMPARE(W_<QLabel>(d, "LabelProgi")->text(), QStringLiteral("Threshold [V]"));
        QVERIFY(czerwony(44) && czerwony(43) && !czerwony(42) && !czerwony(41));
        std::array<unsigned char, 128> r{};
        r[50] = 50;
        r[13] = 0x24; // level 4 and level 1
        d->RamkaBiezaca(r.data());
        QCOMPARE(W_<QLineEdit>(d, "Edit5")->text(), QStringLiteral("1.00"));
        QCOMPARE(d->Lampka(4)->property("kolor").value<QColor>(), QColor(0x00, 0xA0, 0x00));
        QCOMPARE(d->Lampka(1)->property("kolor").value<QColor>(), QColor(0x00, 0xA0, 0x00));
        QCOMPARE(d->Lampka(2)->property("kolor").value<QColor>(), QColor(0xA0, 0xA0, 0xA4));
        d->accept();
        QVERIFY(!(s->FlagiParam & 0x2));
        // A falling sensor with the first thresholds: every box red.
        s->Nastawy[44] = 8;
        s->Nastawy[40] = 1;
        Otworz(d);
        for (int n = 41; n <= 44; ++n)
            QVERIFY(czerwony(n));
    }

    void settingGroups() {
        auto* d = new TFormNastaw(*s, okno.get());
        d->Klucz = 57;
        s->Nastawy[57] = 3;
        Otworz(d);
        QVERIFY(W_<QComboBox>(d, "ComboBox1")->isVisible());
        QCOMPARE(W_<QComboBox>(d, "ComboBox1")->currentIndex(), -1);
        QVERIFY(!W_<TStrzalki>(d, "UpDown1")->isVisible());
        QVERIFY(W_<TStrzalki>(d, "UpDown2")->isVisible());
        QVERIFY(!W_<TStrzalki>(d, "UpDown3")->isVisible());
        d->accept();
        d->Klucz = 96;
        Otworz(d);
        TStrzalki* glosnosc = W_<TStrzalki>(d, "UpDown3");
        for (int n = 0; n < 2; ++n) {
            s->TestGlosnika = 0;
            Klik(glosnosc, true);
            QCOMPARE(int(s->TestGlosnika), 1);
        }
        QCOMPARE(int(s->Nastawy[98]), s->ListaNastaw[98].Domyslna + 2);
    }
};

QTEST_MAIN(TestDialogiNastaw)
#include "tst_dialoginastaw.moc"
