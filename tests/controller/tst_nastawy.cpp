// The settings catalogue, the defaults it fills in, and a factory reset through the link.

#include "Bloki.h"
#include "RamkaTestowa.h"
#include "Stanowisko.h"

#include <QSet>
#include <QTest>

class TestNastawy : public QObject {
    Q_OBJECT

private slots:
    void constructionFillsDefaultsAndPostsNothing() {
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        QCOMPARE(int(s.Nastawy[1]), 0);
        QCOMPARE(int(s.Nastawy[3]), 50);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(int(s.Nastawy[32 + k]), 1 << k);
        QCOMPARE(int(s.Nastawy[240]), 12); // 600 rpm
        QCOMPARE(int(s.Nastawy[255]), 120);
        QCOMPARE(int(s.Nastawy[224]), 6);
        QCOMPARE(int(s.Nastawy[215]), 200);
        QCOMPARE(int(s.Nastawy[189]), 200);
        QCOMPARE(int(s.NastawyObd[1]), 1);
        QCOMPARE(s.DoZapisu, 0);
        QCOMPARE(s.DoOdczytu, 0);
        QCOMPARE(int(s.Mnoznik1[17]), 100);
        QCOMPARE(int(s.KorOdObr2[200]), 100);
        QCOMPARE(int(s.Wzbogacenie[0]), 128);
    }

    void catalogueRecords_data() {
        QTest::addColumn<int>("indeks");
        QTest::addColumn<int>("tekst");
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("domyslna");
        QTest::addColumn<int>("max");
        QTest::addColumn<double>("skala");
        QTest::addColumn<int>("jednostka");
        QTest::newRow("engine type: three options, two allowed")
            << 10 << 3100 << 0x80 << 0 << 0 << 1 << 0.0 << 0;
        QTest::newRow("idle correction bank 1")
            << 90 << 3900 << 0x22 << 0 << 128 << 255 << 0.02 << 4;
        QTest::newRow("idle correction bank 2 shares the name")
            << 92 << 3900 << 0x22 << 0 << 128 << 255 << 0.02 << 4;
        QTest::newRow("pressure sensor: one option")
            << 47 << 3470 << 0x80 << 0 << 0 << 0 << 0.0 << 0;
        QTest::newRow("maximum RPM on LPG") << 61 << 3610 << 0x10 << 60 << 200 << 200 << 50.0 << 7;
        QTest::newRow("trouble code low byte") << 121 << 4141 << 0xA0 << 0 << 0 << 255 << 1.0 << 0;
        QTest::newRow("trouble code high byte") << 122 << 0 << 0xB0 << 0 << 0 << 255 << 1.0 << 0;
        QTest::newRow("reference correction")
            << 94 << 0 << 0x12 << 0 << 181 << 255 << 0.0078125 << 0;
        QTest::newRow("load axis end") << 239 << 0 << 0x10 << 0 << 100 << 255 << 0.01 << 2;
        QTest::newRow("OBD module protocol") << 257 << 4090 << 0x80 << 0 << 1 << 10 << 0.0 << 0;
        QTest::newRow("module code 4 high byte") << 270 << 0 << 0xB0 << 0 << 0 << 255 << 1.0 << 0;
        QTest::newRow("empty 6") << 6 << 0 << 0 << 0 << 0 << 0 << 0.0 << 0;
        QTest::newRow("empty 163") << 163 << 0 << 0 << 0 << 0 << 0 << 0.0 << 0;
        QTest::newRow("empty 303") << 303 << 0 << 0 << 0 << 0 << 0 << 0.0 << 0;
    }
    void catalogueRecords() {
        QFETCH(int, indeks);
        QFETCH(int, tekst);
        QFETCH(int, rodzaj);
        QFETCH(int, min);
        QFETCH(int, domyslna);
        QFETCH(int, max);
        QFETCH(double, skala);
        QFETCH(int, jednostka);
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        const TNastawa& n = s.ListaNastaw[indeks];
        QCOMPARE(n.Tekst, tekst);
        QCOMPARE(int(n.Rodzaj), rodzaj);
        QCOMPARE(int(n.Min), min);
        QCOMPARE(int(n.Domyslna), domyslna);
        QCOMPARE(int(n.Max), max);
        QCOMPARE(n.Skala, skala);
        QCOMPARE(int(n.Jednostka), jednostka);
    }

    void optionTextsOfEnumerations() {
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        QCOMPARE(s.ListaNastaw[10].Opcje, (std::array<int, 10>{3101, 3102, 3103}));
        QCOMPARE(s.ListaNastaw[47].Opcje, (std::array<int, 10>{3471}));
        QCOMPARE(s.ListaNastaw[46].Opcje, s.ListaNastaw[45].Opcje);
        QCOMPARE(s.ListaNastaw[1].Opcje[8], 3019);
    }

    void exactlyTheUnlistedEntriesAreEmpty() {
        TMapaPortow mapa;
        TSterownik s(mapa, QStringLiteral("/nonexistent/lib.so"));
        QSet<int> puste = {0, 6, 7, 29, 48, 49, 84, 91, 93, 95, 97, 105, 108, 111, 256, 259};
        for (int i = 14; i <= 19; ++i)
            puste.insert(i);
        for (int i = 71; i <= 74; ++i)
            puste.insert(i);
        for (int i = 123; i <= 163; ++i)
            puste.insert(i);
        for (int i = 271; i <= 303; ++i)
            puste.insert(i);
        for (int i = 0; i < LiczbaNastaw; ++i) {
            const TNastawa& n = s.ListaNastaw[i];
            const bool pusta =
                n.Rodzaj == 0 && n.Tekst == 0 && n.Max == 0 && n.Domyslna == 0 && n.Skala == 0;
            if (pusta != puste.contains(i)) QFAIL(qPrintable(QStringLiteral("entry %1").arg(i)));
        }
    }

    void factoryResetWritesEverythingBeforeTheCommand() {
        TStanowisko st;
        QVERIFY(st.OtworzBezOdczytow());
        st.s->Nastawy[50] = 99;
        st.s->Mnoznik1[10] = 7;
        st.s->NastawyObd[5] = 42;
        st.s->NastawyFabryczne();
        QCOMPARE(st.s->DoZapisu, 0x71F);
        QCOMPARE(int(st.s->Nastawy[50]), 70);
        QCOMPARE(int(st.s->Mnoznik1[10]), 100);
        // Neither written nor read back: memory keeps what the OBD module holds.
        QCOMPARE(int(st.s->NastawyObd[5]), 42);
        const QList<int> zapytania = st.ObsluzDo(0x89);
        QCOMPARE(zapytania,
                 (QList<int>{0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xC7, 0xC8, 0xC9, 0xCA, 0x89}));
        QCOMPARE(st.s->DoOdczytu, 0x71F); // the controller changed them: read them back
    }
};

QTEST_GUILESS_MAIN(TestNastawy)
#include "tst_nastawy.moc"
