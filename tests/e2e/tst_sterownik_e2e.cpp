// The controller link end to end: TSterownik with its real port and timer against
// selvar-sim on a pseudo-terminal.

#include "Bloki.h"
#include "MapaPortow.h"
#include "SymulatorTestowy.h"
#include "TSterownik.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Port = 3;

struct TBlokSymulatora {
    int bit;
    const char* plik;
};
constexpr TBlokSymulatora BlokiSymulatora[] = {
    {0, "Nastawy"},        {1, "Mnoznik1"},     {2, "Mnoznik2"},      {3, "KorOdObr1"},    {4, "KorOdObr2"},
    {7, "Historia"},       {8, "KorOdCis"},     {9, "KorOdTempRed"},  {10, "KorOdTempGazu"},
    {16, "MapaEcuBen"},    {17, "MapaEcuGaz"},  {20, "MapaObdBen1"},  {21, "MapaObdGaz1"},
    {22, "MapaObdBen2"},   {23, "MapaObdGaz2"}};

// A connection to the simulator: the application's side with its own timer running.
struct TPolaczenie {
    QTemporaryDir katalog;
    TSymulatorTestowy symulator;
    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;
    int identyfikacje = 0;

    explicit TPolaczenie(QStringList argumenty, const QString& sciezkaPortu = {})
        : symulator(argumenty << QStringLiteral("--blocks-dir") << katalog.filePath(QStringLiteral("bloki"))
                              << QStringLiteral("--log") << katalog.filePath(QStringLiteral("log.json"))) {
        mapa.UstawPrzypisanie(Port, sciezkaPortu.isEmpty() ? symulator.Sciezka() : sciezkaPortu);
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
        s->OnZdarzenie = [this](int kod, int a1, int, int) { identyfikacje += kod == 0 && a1 == 0x81; };
    }

    // Everything read, every write acknowledged, no command pending.
    bool Spokojny() const {
        return identyfikacje > 0 && s->DoOdczytu == 0 && s->DoZapisu == 0 && s->BezPotwierdzenia == 0 &&
               s->Rozkazy == 0;
    }

    bool Czekaj(const std::function<bool()>& warunek, int ms) {
        if (QTest::qWaitFor(warunek, ms)) return true;
        qWarning("link state: identities %d, reads %X, writes %X, unacknowledged %X, commands %X, unanswered %d",
                 identyfikacje, s->DoOdczytu, s->DoZapisu, s->BezPotwierdzenia, s->Rozkazy, s->BezOdpowiedzi);
        return false;
    }

    QByteArray PlikBloku(const char* nazwa) const {
        QFile f(katalog.filePath(QStringLiteral("bloki/%1.bin").arg(QLatin1String(nazwa))));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QByteArray Blok(int bit) const {
        return QByteArray(reinterpret_cast<const char*>(s->DaneBloku(bit)), 256);
    }

    // Payloads of every request with this code that the simulator received, nonce dropped.
    QList<QByteArray> Zadania(int kod) const {
        QList<QByteArray> wynik;
        QFile f(katalog.filePath(QStringLiteral("log.json")));
        if (!f.open(QIODevice::ReadOnly)) return wynik;
        for (const QByteArray& linia : f.readAll().split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(linia).object();
            if (o.value(QStringLiteral("code")).toInt(-1) != kod || o.value(QStringLiteral("bad")).toBool()) continue;
            wynik.append(QByteArray::fromHex(o.value(QStringLiteral("payload")).toString().toLatin1()).mid(2));
        }
        return wynik;
    }
};

} // namespace

class TestSterownikE2e : public QObject {
    Q_OBJECT

    void SprawdzBlokiJakWSymulatorze(TPolaczenie& p) {
        for (const TBlokSymulatora& b : BlokiSymulatora)
            QVERIFY2(p.Blok(b.bit) == p.PlikBloku(b.plik), b.plik);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(p.s->NastawyObd), 48), p.PlikBloku("NastawyObd"));
    }

private slots:
    void freshConnectionReadsTheWholeController() {
        TPolaczenie p({QStringLiteral("--no-ignition"), QStringLiteral("--board"),
                       QStringLiteral("3"), QStringLiteral("--channels"), QStringLiteral("6")});
        QVERIFY(!p.symulator.Sciezka().isEmpty());
        QElapsedTimer czas;
        czas.start();
        QVERIFY(p.s->PortOpen(Port));
        QVERIFY(p.Czekaj([&] { return p.Spokojny() && p.s->ModulObd; }, 15000));
        qInfo("full read took %lld ms", czas.elapsed());
        SprawdzBlokiJakWSymulatorze(p);
        QCOMPARE(p.s->LiczbaWtryskiwaczy, 6);
        QVERIFY(p.s->PlytkaV3);
        QCOMPARE(p.s->BezOdpowiedzi, 0);
    }

    void changesAreWrittenOnceAndStoredExactly() {
        TPolaczenie p({QStringLiteral("--no-ignition"), QStringLiteral("--no-obd-state")});
        QVERIFY(p.s->PortOpen(Port));
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 15000));

        p.s->Nastawy[50] = 90;
        p.s->ZapiszDoSterownika(Bloki::Nastawy);
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 5000));
        QVERIFY(p.Czekaj([&] { return p.PlikBloku("Nastawy") == p.Blok(0); }, 2000));
        const QByteArray nastawy = p.PlikBloku("Nastawy");
        quint8 suma = 0;
        for (char c : nastawy) suma = static_cast<quint8>(suma + quint8(c));
        QCOMPARE(suma, quint8(0));
        QCOMPARE(p.Zadania(0xF8).size(), 1);

        for (int i = 0; i < 256; ++i) p.s->MapaEcuGaz[i] = static_cast<unsigned char>(i);
        p.s->ZapiszDoSterownika(Bloki::MapaEcuGaz);
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 5000));
        QVERIFY(p.Czekaj([&] { return p.PlikBloku("MapaEcuGaz") == p.Blok(17); }, 2000));
        QCOMPARE(p.Zadania(0xF1).size(), 1);
    }

    void droppedAndCorruptedRepliesStillDeliverEverything() {
        TPolaczenie p({QStringLiteral("--no-ignition"), QStringLiteral("--drop"),
                       QStringLiteral("0.2"), QStringLiteral("--corrupt"), QStringLiteral("0.05"),
                       QStringLiteral("--seed"), QStringLiteral("11")});
        QVERIFY(p.s->PortOpen(Port));
        QVERIFY(p.Czekaj([&] { return p.Spokojny() && p.s->ModulObd; }, 30000));
        SprawdzBlokiJakWSymulatorze(p);

        p.s->Nastawy[60] = 33;
        for (int i = 0; i < 256; ++i) p.s->KorOdObr1[i] = static_cast<unsigned char>(90 + i % 20);
        p.s->ZapiszDoSterownika(Bloki::Nastawy | Bloki::KorOdObr1);
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 15000));
        QVERIFY(p.Czekaj([&] { return p.PlikBloku("KorOdObr1") == p.Blok(3); }, 2000));
        SprawdzBlokiJakWSymulatorze(p);
        // Every copy of a resent write carries the same bytes.
        for (const QByteArray& zapis : p.Zadania(0xF8)) QCOMPARE(zapis, p.Blok(0));
        for (const QByteArray& zapis : p.Zadania(0xFB)) QCOMPARE(zapis, p.Blok(3));
        QVERIFY(p.Czekaj([&] { return p.s->BezOdpowiedzi == 0; }, 3000));
    }

    void lineThatClosesAndReopensRecovers() {
        QTemporaryDir katalog;
        const QString lacze = katalog.filePath(QStringLiteral("selvar"));
        TPolaczenie p({QStringLiteral("--no-ignition"), QStringLiteral("--link"),
                       lacze, QStringLiteral("--close-after"), QStringLiteral("8"), QStringLiteral("--reopen-after"),
                       QStringLiteral("1")},
                      lacze);
        QVERIFY(p.s->PortOpen(Port));
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 15000));
        QVERIFY(p.Czekaj([&] { return !p.s->PortConnected(); }, 8000));
        // What the main window does once a second while the link is down.
        p.s->DoZapisu |= Bloki::KorOdObr2; // a change made while the cable was out
        QVERIFY(p.Czekaj([&] {
            if (!p.s->PortConnected()) p.s->PortOpen(-1);
            return p.identyfikacje >= 2 && p.Spokojny() && p.s->ModulObd;
        }, 15000));
        QVERIFY(p.Czekaj([&] { return p.PlikBloku("KorOdObr2") == p.Blok(4); }, 2000));
        SprawdzBlokiJakWSymulatorze(p);
    }
};

QTEST_GUILESS_MAIN(TestSterownikE2e)
#include "tst_sterownik_e2e.moc"
