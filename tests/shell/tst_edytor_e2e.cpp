// A settings change made with a click in the real window reaches selvar-sim as one block
// write holding the new value, and a fresh read brings it back.

#include "Bloki.h"
#include "OknoTestowe.h"
#include "ProcesSymulatora.h"
#include "TNastawy.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

class TestEdytorE2e : public QObject {
    Q_OBJECT

private slots:
    void clickReachesTheController();
};

namespace {

// The simulator's log: the block data of every settings write (code 0xF8).
QList<QStringList> ZapisyNastaw(const QString& dziennik) {
    QFile plik(dziennik);
    if (!plik.open(QIODevice::ReadOnly)) return {};
    QList<QStringList> zapisy;
    for (const QByteArray& linia : plik.readAll().split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(linia).object();
        if (o.value(QStringLiteral("code")).toInt() == 0xF8)
            zapisy << o.value(QStringLiteral("payload")).toString().split(QLatin1Char(' ')).mid(2);
    }
    return zapisy;
}

} // namespace

void TestEdytorE2e::clickReachesTheController() {
    QTemporaryDir katalog;
    const QString lacze = katalog.filePath(QStringLiteral("selvar"));
    const QString dziennik = katalog.filePath(QStringLiteral("dziennik.json"));
    TProcesSymulatora symulator(QStringLiteral(SELVAR_SIM),
                                {QStringLiteral("--no-ignition"), QStringLiteral("--log"), dziennik,
                                 QStringLiteral("--link"), lacze});
    QVERIFY(!symulator.Sciezka().isEmpty());
    TOpcjeOkna opcje;
    opcje.PortSterownika = lacze;
    TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }, opcje);
    t.Zegar(QStringLiteral("Timer1"))->start();
    TSterownik& s = t.s();
    s.Zegar().start();
    // Connected, identified and every block read.
    QTRY_VERIFY_WITH_TIMEOUT(s.IdentSterownika[0] != 0 && s.DoOdczytu == 0 && s.Rozkazy == 0,
                             15000);

    auto* edytor = t.W<TNastawy>("Nastawy1");
    QVERIFY(edytor->isVisible());
    TKomorka komorka{-1, -1};
    for (int w = 0; w < int(edytor->Mapa().size()); ++w)
        if (edytor->Mapa()[size_t(w)][0] == 50) komorka = {0, w};
    QVERIFY(komorka.Wiersz > 0);
    const int przed = s.Nastawy[50];
    const QRect r = edytor->ProstokatKomorki(komorka.Kolumna, komorka.Wiersz);
    const QPoint plus(edytor->Uklad().Strefy[0][PoczatekPlusa] + 4, r.center().y());
    QTest::mousePress(edytor, Qt::LeftButton, {}, plus);
    QTest::mouseRelease(edytor, Qt::LeftButton, {}, plus);
    QCOMPARE(int(s.Nastawy[50]), przed + 1);

    QTRY_VERIFY_WITH_TIMEOUT(
        s.DoZapisu == 0 && s.BezPotwierdzenia == 0 && ZapisyNastaw(dziennik).size() == 1, 10000);
    const QStringList zapis = ZapisyNastaw(dziennik).first();
    QCOMPARE(zapis.value(50).toInt(nullptr, 16), przed + 1);

    s.Nastawy[50] = 0;
    s.CzytajZeSterownika(Bloki::Nastawy);
    QTRY_VERIFY_WITH_TIMEOUT(s.DoOdczytu == 0, 10000);
    QCOMPARE(int(s.Nastawy[50]), przed + 1);
    t.okno->close();
    QVERIFY(symulator.Zakoncz());
}

QTEST_MAIN(TestEdytorE2e)
#include "tst_edytor_e2e.moc"
