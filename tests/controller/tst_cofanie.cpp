// Undo and redo of the installer's changes, tick by tick against a test-played controller:
// a step holds exactly the bytes its action's acknowledged writes changed, never a cell the
// controller learned meanwhile, and undoing it writes those bytes back.

#include "PamiecTestowa.h"

#include <QTest>

namespace {

// "bit:byte:old:new" of each change, steps joined by "|", oldest first.
QString Zapis(const TCofanie& c) {
    QStringList kroki;
    for (const TCofanie::TKrok& k : c.Kroki()) {
        QStringList zmiany;
        for (const TCofanie::TZmiana& z : k.zmiany)
            zmiany << QStringLiteral("%1:%2:%3:%4").arg(z.bit).arg(z.bajt).arg(z.stara).arg(z.nowa);
        kroki << zmiany.join(QLatin1Char(' '));
    }
    return kroki.join(QLatin1Char('|'));
}

} // namespace

class TestCofanie : public QObject {
    Q_OBJECT

    std::unique_ptr<TStanowisko> st;
    std::unique_ptr<TPamiecTestowa> c;
    TSterownik& s() { return *st->s; }

    // The installer sets a settings byte and the block is posted, as the editor does.
    void Nastawa(int bajt, int wartosc) {
        s().Nastawy[bajt] = static_cast<unsigned char>(wartosc);
        s().ZapiszDoSterownika(Bloki::Nastawy);
    }

    // One click on a setting's step button, through until the controller acknowledged it.
    void Klik(int bajt, int wartosc) {
        s().Cofanie.PoczatekDzialania();
        Nastawa(bajt, wartosc);
        s().Cofanie.KoniecDzialania();
        QVERIFY(c->Obsluz());
    }

private slots:
    void init() {
        st = std::make_unique<TStanowisko>();
        c = std::make_unique<TPamiecTestowa>(*st);
        c->bloki[0][50] = 70;
        QVERIFY(c->Polacz());
        QCOMPARE(int(s().Nastawy[50]), 70);
    }

    // P begins an action, K ends it, "b=v" sets settings byte b and posts the block,
    // S serves the link until it is settled.
    void actionsMakeSteps_data() {
        QTest::addColumn<QString>("przebieg");
        QTest::addColumn<QString>("kroki");
        QTest::newRow("held button, repeats acknowledged one by one")
            << "P 50=71 S 50=72 S 50=73 S K"
            << "0:50:70:73";
        QTest::newRow("a key pressed while the button is held joins it") << "P 50=71 P 51=5 K S"
                                                                         << "0:50:70:71 0:51:100:5";
        QTest::newRow("two clicks") << "P 50=71 K S P 50=72 K S"
                                    << "0:50:70:71|0:50:71:72";
        QTest::newRow("write still on its way when a tab is clicked") << "P 50=71 K P K S"
                                                                      << "0:50:70:71";
        QTest::newRow("a change back to the old value is no step") << "P 50=71 50=70 K S"
                                                                   << "";
        QTest::newRow("no action marked") << "50=71 S"
                                          << "";
    }
    void actionsMakeSteps() {
        QFETCH(QString, przebieg);
        QFETCH(QString, kroki);
        TCofanie& cof = s().Cofanie;
        for (const QString& krok : przebieg.split(QLatin1Char(' '))) {
            if (krok == QLatin1String("P"))
                cof.PoczatekDzialania();
            else if (krok == QLatin1String("K"))
                cof.KoniecDzialania();
            else if (krok == QLatin1String("S"))
                QVERIFY(c->Obsluz());
            else
                Nastawa(krok.section('=', 0, 0).toInt(), krok.section('=', 1).toInt());
        }
        QVERIFY(c->Obsluz());
        QCOMPARE(Zapis(cof), kroki);
    }

    void undoRestoresOnlyTheInstallersBytes() {
        TCofanie& cof = s().Cofanie;
        Klik(50, 71);
        QCOMPARE(c->Bajt(0, 50), 71);

        // The controller learns petrol-map cell 5 = 77 by itself and says so in a live frame.
        c->bloki[16][5] = 77;
        c->komorka = QByteArray("\x00\x05\x4D", 3);
        QVERIFY(c->ObsluzAz([this] { return s().MapaEcuBen[5] == 77; }));

        cof.PoczatekDzialania();
        s().MapaEcuBen[10] = 99;
        s().ZapiszDoSterownika(Bloki::MapaEcuBen);
        cof.KoniecDzialania();
        QVERIFY(c->Obsluz());
        QCOMPARE(Zapis(cof), QStringLiteral("0:50:70:71|16:10:100:99"));

        QVERIFY(cof.Cofnij());
        QVERIFY(c->Obsluz());
        QCOMPARE(c->Bajt(16, 10), 100);
        QCOMPARE(c->Bajt(16, 5), 77); // the learned cell stays
        QVERIFY(cof.Cofnij());
        QVERIFY(c->Obsluz());
        QCOMPARE(c->Bajt(0, 50), 70);
        QCOMPARE(RamkaTestowa::Suma(c->bloki[0]), 0); // written with a fresh checksum
        QVERIFY(!cof.Cofnij());
        QVERIFY(cof.Kroki().empty());

        QVERIFY(cof.Ponow());
        QVERIFY(c->Obsluz());
        QCOMPARE(c->Bajt(0, 50), 71);
        QVERIFY(cof.Ponow());
        QVERIFY(c->Obsluz());
        QCOMPARE(c->Bajt(16, 10), 99);
        QCOMPARE(c->Bajt(16, 5), 77);
        QVERIFY(!cof.Ponow());
        QCOMPARE(Zapis(cof), QStringLiteral("0:50:70:71|16:10:100:99"));
    }

    void undoWaitsForTheLinkAndANewChangeEndsRedo() {
        TCofanie& cof = s().Cofanie;
        Klik(50, 71);
        cof.PoczatekDzialania();
        Nastawa(50, 72);
        cof.KoniecDzialania();
        // Acknowledged or not, the write is on its way: nothing is undone until it is through.
        QVERIFY(!cof.Cofnij());
        QCOMPARE(int(s().Nastawy[50]), 72);
        QVERIFY(c->Obsluz());
        QVERIFY(cof.Cofnij());
        QVERIFY(c->Obsluz());
        QCOMPARE(c->Bajt(0, 50), 71);
        QCOMPARE(cof.Ponowienia().size(), size_t(1));
        Klik(60, 31);
        QVERIFY(cof.Ponowienia().empty());
        QCOMPARE(Zapis(cof), QStringLiteral("0:50:70:71|0:60:100:31"));
    }

    void factoryResetUndoneWithWhatTheControllerDidItself() {
        // Setting 52 already holds its default 6; the controller's own reset makes it 9.
        c->bloki[0][52] = 6;
        s().CzytajZeSterownika(Bloki::Nastawy);
        QVERIFY(c->Obsluz());
        c->fabryczne = [this] { c->bloki[0][52] = 9; };
        TCofanie& cof = s().Cofanie;
        cof.PoczatekDzialania();
        s().NastawyFabryczne();
        cof.KoniecDzialania();
        QVERIFY(c->Obsluz());
        QCOMPARE(int(s().Nastawy[52]), 9);
        QCOMPARE(c->Bajt(0, 7), 0); // default of an empty entry
        QCOMPARE(cof.Kroki().size(), size_t(1));
        QVERIFY(cof.Cofnij());
        QVERIFY(c->Obsluz());
        QCOMPARE(c->Bajt(0, 52), 6);
        QCOMPARE(c->Bajt(0, 7), 100);
        QCOMPARE(c->Bajt(0, 50), 70);
        QCOMPARE(c->Bajt(1, 0), 100);
    }

    void keepsTheLastTwoHundredSteps() {
        TCofanie& cof = s().Cofanie;
        for (int i = 1; i <= 250; ++i) {
            Klik(50, i);
        }
        QCOMPARE(int(cof.Kroki().size()), TCofanie::MaksKrokow);
        QCOMPARE(TCofanie::MaksKrokow >= 100, true);
        // Action i set 50 from i - 1 to i; the oldest kept is action 51.
        const TCofanie::TZmiana z = cof.Kroki().front().zmiany.front();
        QCOMPARE(QList<int>({z.bit, z.bajt, z.stara, z.nowa}), QList<int>({0, 50, 50, 51}));
    }

    void newConnectionForgetsTheSteps() {
        TCofanie& cof = s().Cofanie;
        Klik(50, 71);
        QCOMPARE(cof.Kroki().size(), size_t(1));
        s().PortClose();
        QVERIFY(!cof.Cofnij());
        QVERIFY(c->Polacz());
        QVERIFY(cof.Kroki().empty());
    }
};

QTEST_GUILESS_MAIN(TestCofanie)
#include "tst_cofanie.moc"
