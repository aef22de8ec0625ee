// The controller link end to end: TSterownik with its real port and timer against
// selvar-sim on a pseudo-terminal.

#include "Bloki.h"
#include "Komunikat.h"
#include "MapaPortow.h"
#include "OknaPlikow.h"
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
    {0, "Nastawy"},        {1, "Mnoznik1"},     {2, "Mnoznik2"},    {3, "KorOdObr1"},
    {4, "KorOdObr2"},      {7, "Historia"},     {8, "KorOdCis"},    {9, "KorOdTempRed"},
    {10, "KorOdTempGazu"}, {16, "MapaEcuBen"},  {17, "MapaEcuGaz"}, {20, "MapaObdBen1"},
    {21, "MapaObdGaz1"},   {22, "MapaObdBen2"}, {23, "MapaObdGaz2"}};

// A connection to the simulator: the application's side with its own timer running.
struct TPolaczenie {
    QTemporaryDir katalog;
    TSymulatorTestowy symulator;
    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;
    int identyfikacje = 0;

    explicit TPolaczenie(QStringList argumenty, const QString& sciezkaPortu = {})
        : symulator(argumenty << QStringLiteral("--blocks-dir")
                              << katalog.filePath(QStringLiteral("bloki"))
                              << QStringLiteral("--log")
                              << katalog.filePath(QStringLiteral("log.json"))) {
        mapa.UstawPrzypisanie(Port, sciezkaPortu.isEmpty() ? symulator.Sciezka() : sciezkaPortu);
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
        s->OnZdarzenie = [this](int kod, int a1, int, int) {
            identyfikacje += kod == 0 && a1 == 0x81;
        };
    }

    // Everything read, every write acknowledged, no command pending.
    bool Spokojny() const {
        return identyfikacje > 0 && s->DoOdczytu == 0 && s->DoZapisu == 0 &&
               s->BezPotwierdzenia == 0 && s->Rozkazy == 0;
    }

    // Deadlines are for a loaded machine: the wait ends as soon as the condition holds.
    bool Czekaj(const std::function<bool()>& warunek, int ms) {
        if (QTest::qWaitFor(warunek, ms)) return true;
        qWarning("link state: identities %d, reads %X, writes %X, unacknowledged %X, commands %X, "
                 "unanswered %d",
                 identyfikacje, s->DoOdczytu, s->DoZapisu, s->BezPotwierdzenia, s->Rozkazy,
                 s->BezOdpowiedzi);
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
            if (o.value(QStringLiteral("code")).toInt(-1) != kod ||
                o.value(QStringLiteral("bad")).toBool())
                continue;
            wynik.append(
                QByteArray::fromHex(o.value(QStringLiteral("payload")).toString().toLatin1())
                    .mid(2));
        }
        return wynik;
    }
};

struct TPlikTestowy : TOknaPlikow, TKomunikaty {
    QString sciezka;
    QString Otworz(const TDialogPliku&) override { return sciezka; }
    QString Zapisz(const TDialogPliku&) override { return sciezka; }
    int Komunikat(int, int) override { return Ok; }
    int KomunikatTekst(const QString&, int) override { return Ok; }
};

QByteArray Wpis(const QByteArray& historia, int i) {
    return historia.mid(8 * i, 8);
}

} // namespace

class TestSterownikE2e : public QObject {
    Q_OBJECT

    void SprawdzBlokiJakWSymulatorze(TPolaczenie& p) {
        for (const TBlokSymulatora& b : BlokiSymulatora)
            QVERIFY2(p.Blok(b.bit) == p.PlikBloku(b.plik), b.plik);
        if (p.s->ModulObd)
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(p.s->NastawyObd), 48),
                     p.PlikBloku("NastawyObd"));
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
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 10000));
        QVERIFY(p.Czekaj([&] { return p.PlikBloku("Nastawy") == p.Blok(0); }, 10000));
        const QByteArray nastawy = p.PlikBloku("Nastawy");
        quint8 suma = 0;
        for (char c : nastawy)
            suma = static_cast<quint8>(suma + quint8(c));
        QCOMPARE(suma, quint8(0));
        QCOMPARE(p.Zadania(0xF8).size(), 1);

        for (int i = 0; i < 256; ++i)
            p.s->MapaEcuGaz[i] = static_cast<unsigned char>(i);
        p.s->ZapiszDoSterownika(Bloki::MapaEcuGaz);
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 10000));
        QVERIFY(p.Czekaj([&] { return p.PlikBloku("MapaEcuGaz") == p.Blok(17); }, 10000));
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
        for (int i = 0; i < 256; ++i)
            p.s->KorOdObr1[i] = static_cast<unsigned char>(90 + i % 20);
        p.s->ZapiszDoSterownika(Bloki::Nastawy | Bloki::KorOdObr1);
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 15000));
        QVERIFY(p.Czekaj([&] { return p.PlikBloku("KorOdObr1") == p.Blok(3); }, 10000));
        SprawdzBlokiJakWSymulatorze(p);
        // Every copy of a resent write carries the same bytes.
        for (const QByteArray& zapis : p.Zadania(0xF8))
            QCOMPARE(zapis, p.Blok(0));
        for (const QByteArray& zapis : p.Zadania(0xFB))
            QCOMPARE(zapis, p.Blok(3));
        QVERIFY(p.Czekaj([&] { return p.s->BezOdpowiedzi == 0; }, 10000));
    }

    void realWritesLeaveOneHistoryEntryPerComputerAndDay() {
        TPolaczenie p({QStringLiteral("--no-ignition"), QStringLiteral("--no-obd-state")});
        p.s->IdentyfikatorPC = 0xC0FFEE01;
        p.s->DataDzis[0] = 26, p.s->DataDzis[1] = 12, p.s->DataDzis[2] = 9;
        QVERIFY(p.s->PortOpen(Port));
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 15000));
        // A full list from other days.
        for (int i = 0; i < 32; ++i) {
            const unsigned char wpis[8] = {8, 20, 1, static_cast<unsigned char>(i + 1), 0, 0, 0, 1};
            std::memcpy(p.s->Historia + 8 * i, wpis, 8);
        }
        p.s->ZapiszDoSterownika(Bloki::Historia);
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 10000));

        p.s->Nastawy[98] = 6;
        p.s->ZapiszDoSterownika(Bloki::Nastawy);
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 10000));
        p.s->KasujBledy = 1;
        QVERIFY(p.Czekaj([&] { return p.Spokojny() && !p.s->KasujBledy; }, 10000));
        QVERIFY(p.Czekaj([&] { return Wpis(p.PlikBloku("Historia"), 31)[0] == 0x0C; }, 10000));
        const QByteArray h = p.PlikBloku("Historia");
        QCOMPARE(Wpis(h, 0), QByteArray::fromHex("0814010100000001")); // the oldest stays
        QCOMPARE(Wpis(h, 1), QByteArray::fromHex("0814010300000001")); // the second oldest went
        QCOMPARE(Wpis(h, 31), QByteArray::fromHex("0c1a0c09c0ffee01"));
        QCOMPARE(p.Zadania(0xC7).size(), 3); // the full list, then one per change
    }

    void settingsFileLoadedWhileConnectedIsWrittenAndReadBack() {
        TPolaczenie p({QStringLiteral("--no-ignition"), QStringLiteral("--no-obd-state")});
        TPlikTestowy plik;
        plik.sciezka = p.katalog.filePath(QStringLiteral("samochod.set"));
        p.s->OknaPlikow = &plik;
        p.s->Komunikaty = &plik;
        QVERIFY(p.s->PortOpen(Port));
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 15000));

        // A configuration from another car, with that car's learned adaptation.
        p.s->Nastawy[90] = 120;
        for (int i = 0; i < 256; ++i)
            p.s->MapaEcuBen[i] = static_cast<unsigned char>(i % 97 + 1);
        std::memset(p.s->Mnoznik2, 110, 256);
        const unsigned char adaptacja[4] = {150, 138, 128, 128};
        std::memcpy(p.s->IdentSterownika + 66, adaptacja, 4);
        const int mnoznik1 = p.s->Mnoznik1[40];
        p.s->ZapiszUstawienia();
        p.s->Nastawy[90] = 128;
        std::memset(p.s->MapaEcuBen, 0, 256);

        p.s->CzytajUstawienia();
        QVERIFY(p.Czekaj([&] { return p.Spokojny() && !p.s->Fabryczne; }, 15000));
        QCOMPARE(int(p.s->Nastawy[90]), 120 + 150 / 2 + 128 / 2 - 128);
        QCOMPARE(int(p.s->Mnoznik1[40]), std::min(mnoznik1 + 138 - 128, 255));
        QCOMPARE(int(p.s->Mnoznik2[0]), 110);
        QCOMPARE(int(p.s->MapaEcuBen[5]), 6);
        SprawdzBlokiJakWSymulatorze(p); // what was read back is what the simulator holds
        for (int kod :
             {0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xC8, 0xC9, 0xCA, 0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5})
            QVERIFY2(!p.Zadania(kod).isEmpty(), qPrintable(QString::number(kod, 16)));
        // The history is not loaded, only extended: settings written, then the 0x89 command.
        QCOMPARE(p.Zadania(0xC7).size(), 2);
    }

    void lineThatClosesAndReopensRecovers() {
        QTemporaryDir katalog;
        const QString lacze = katalog.filePath(QStringLiteral("selvar"));
        TPolaczenie p({QStringLiteral("--no-ignition"), QStringLiteral("--link"), lacze,
                       QStringLiteral("--close-after"), QStringLiteral("8"),
                       QStringLiteral("--reopen-after"), QStringLiteral("1")},
                      lacze);
        QVERIFY(p.s->PortOpen(Port));
        QVERIFY(p.Czekaj([&] { return p.Spokojny(); }, 15000));
        QVERIFY(p.Czekaj([&] { return !p.s->PortConnected(); }, 10000));
        // What the main window does once a second while the link is down.
        p.s->DoZapisu |= Bloki::KorOdObr2; // a change made while the cable was out
        QVERIFY(p.Czekaj(
            [&] {
                if (!p.s->PortConnected()) p.s->PortOpen(-1);
                return p.identyfikacje >= 2 && p.Spokojny() && p.s->ModulObd;
            },
            15000));
        QVERIFY(p.Czekaj([&] { return p.PlikBloku("KorOdObr2") == p.Blok(4); }, 10000));
        SprawdzBlokiJakWSymulatorze(p);
    }
};

QTEST_GUILESS_MAIN(TestSterownikE2e)
#include "tst_sterownik_e2e.moc"
