// selvar-cli propose against selvar-sim holding maps worked by hand (gas 10 % rich at every
// cell): the proposal of a settings file and of the controller, and --apply writing it and
// reading it back.

#include "CliNaSymulatorze.h"

#include <QJsonArray>
#include <QTest>

namespace {

constexpr int MapaBenzyny = 2560, MapaGazu = 2816; // in a settings file

// The simulator's bank 1 multiplier break points (0.1 ms) and values.
constexpr int Pozycje[] = {0, 25, 50, 100, 150, 200};
constexpr int Wartosci[] = {125, 118, 110, 104, 100, 98};

// Two cells for every petrol time 1.0 .. 18.0 ms, on gas 0.9 of it, from row 2 on.
void MapyBogate(QByteArray& obraz) {
    int c = 32;
    for (int p = 10; p <= 180; p += 10)
        for (int i = 0; i < 2; ++i, ++c) {
            obraz[MapaBenzyny + c] = char(p);
            obraz[MapaGazu + c] = char(p * 9 / 10);
        }
}

struct TStanowiskoCli {
    TSterownikSym sym{{"--no-learning", "--board", "2", "--latency", "0"}};
    TCli cli;
    const QString plik = cli.Sciezka(QStringLiteral("bogate.set"));

    // The controller backed up, its maps replaced by the rich ones and restored.
    bool Przygotuj() {
        if (cli.Uruchom({"backup", plik, "--port", sym.Port(), "-q"}).kod != 0) return false;
        QByteArray obraz = Czytaj(plik);
        if (obraz.size() != 4096) return false;
        obraz.replace(MapaBenzyny, 256, QByteArray(256, '\0'));
        obraz.replace(MapaGazu, 256, QByteArray(256, '\0'));
        MapyBogate(obraz);
        return Zapisz(plik, obraz) &&
               cli.Uruchom({"restore", plik, "--port", sym.Port(), "-q"}).kod == 0;
    }
};

// Every break point 10 % lower, within rounding: 125 -> 112.5, 118 -> 106.2 ...
void DziesiecProcentMniej(const QJsonObject& dokument) {
    const QJsonArray banki = dokument[QStringLiteral("banks")].toArray();
    QCOMPARE(banki.size(), 1);
    const QJsonArray punkty = banki[0].toObject()[QStringLiteral("points")].toArray();
    QCOMPARE(punkty.size(), 6);
    for (int i = 0; i < 6; ++i) {
        const QJsonObject p = punkty[i].toObject();
        QCOMPARE(p[QStringLiteral("position_ms")].toDouble(), Pozycje[i] * 0.1);
        QCOMPARE(p[QStringLiteral("old")].toInt(), Wartosci[i]);
        QVERIFY(std::abs(p[QStringLiteral("new")].toInt() - Wartosci[i] * 0.9) <= 0.5);
        QVERIFY(p[QStringLiteral("cells")].toInt() >= 4);
        QVERIFY(!p[QStringLiteral("too_few_cells")].toBool());
    }
}

} // namespace

class TestPropozycjaCli : public QObject {
    Q_OBJECT

private slots:
    void aSettingsFileIsProposedOffline() {
        TStanowiskoCli st;
        QVERIFY(st.Przygotuj());
        const TWynik tekst = st.cli.Uruchom({"propose", st.plik});
        QVERIFY2(tekst.kod == 0, tekst.bledy.constData());
        QVERIFY2(tekst.Wyjscie().startsWith(QStringLiteral("multiplier of bank 1\n")),
                 tekst.wyjscie.constData());
        // 0.0 ms: 1.25 -> 1.13 (or 1.12), -10 %, 4 cells
        QVERIFY2(tekst.Wyjscie().contains(QRegularExpression(
                     QStringLiteral("\n +0\\.0 +1\\.25 +1\\.1[23] +-(9\\.6|10\\.4) % +4\n"))),
                 tekst.wyjscie.constData());
        QVERIFY(tekst.Wyjscie().endsWith(QStringLiteral("6 of 6 break points change\n")));
        const TWynik json = st.cli.Uruchom({"propose", st.plik, "--json"});
        QCOMPARE(json.kod, 0);
        const QJsonObject dokument = QJsonDocument::fromJson(json.wyjscie).object();
        DziesiecProcentMniej(dokument);
        QCOMPARE(dokument[QStringLiteral("applied")].toBool(), false);
    }

    void applyWritesTheControllerAndReadsItBack() {
        TStanowiskoCli st;
        QVERIFY(st.Przygotuj());
        const QByteArray przed = st.sym.Blok("Mnoznik1");
        const TWynik w =
            st.cli.Uruchom({"propose", "--port", st.sym.Port(), "--apply", "--json", "-q"});
        QVERIFY2(w.kod == 0, w.bledy.constData());
        const QJsonObject dokument = QJsonDocument::fromJson(w.wyjscie).object();
        DziesiecProcentMniej(dokument);
        QCOMPARE(dokument[QStringLiteral("applied")].toBool(), true);
        const QByteArray po = st.sym.Blok("Mnoznik1");
        QVERIFY(po != przed);
        const QJsonArray punkty =
            dokument[QStringLiteral("banks")].toArray()[0].toObject()["points"].toArray();
        for (int i = 0; i < 6; ++i)
            QCOMPARE(quint8(po[Pozycje[i]]), quint8(punkty[i].toObject()["new"].toInt()));
        // Proposed again from the controller: the same positions, the applied values as old.
        const TWynik znowu = st.cli.Uruchom({"propose", "--port", st.sym.Port(), "--json", "-q"});
        const QJsonArray nowe = QJsonDocument::fromJson(znowu.wyjscie)
                                    .object()["banks"]
                                    .toArray()[0]
                                    .toObject()["points"]
                                    .toArray();
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(nowe[i].toObject()["position_ms"].toDouble(), Pozycje[i] * 0.1);
            QCOMPARE(nowe[i].toObject()["old"].toInt(), punkty[i].toObject()["new"].toInt());
        }
    }

    void applyNeedsThePort() {
        TCli cli;
        const TWynik w = cli.Uruchom({"propose", cli.Sciezka("a.set"), "--apply"});
        QCOMPARE(w.kod, 1);
        QVERIFY(w.Bledy().contains(QStringLiteral("propose --apply needs --port")));
    }
};

QTEST_GUILESS_MAIN(TestPropozycjaCli)
#include "tst_propozycjacli.moc"
