// The real window's views against selvar-sim: a settings change reaches it as one block
// write holding the new value, map and curve edits as the exact recomputed blocks, and the
// oscilloscope records its frames into a file that reads back and exports as selvar-cli does.

#include "Bloki.h"
#include "DziennikSymulatora.h"
#include "FormInj.h"
#include "FormLevel.h"
#include "FormNastaw.h"
#include "FormSeq.h"
#include "OknoNaSymulatorze.h"
#include "OknoTestowe.h"
#include "PlikTestowy.h"
#include "ProcesSymulatora.h"
#include "Strzalki.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TScope.h"
#include "TSiatkaMapy.h"
#include "UkladWykresu.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QToolButton>

class TestWidokiE2e : public QObject {
    Q_OBJECT

private slots:
    void clickReachesTheController();
    void pendingWritesWaitForTheController();
    void mapViewEditsReachTheController();
    void scopeRecordsReadsBackAndExports();
    void settingDialogsReachTheController();
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

// A click on the + of setting 50 in the settings editor; false when the row is not shown.
bool Plus50(TOknoTestowe& t) {
    auto* edytor = t.W<TNastawy>("Nastawy1");
    TKomorka komorka{-1, -1};
    for (int wiersz = 0; wiersz < int(edytor->Mapa().size()); ++wiersz)
        if (edytor->Mapa()[size_t(wiersz)][0] == 50) komorka = {0, wiersz};
    if (!edytor->isVisible() || komorka.Wiersz <= 0) return false;
    const QRect r = edytor->ProstokatKomorki(komorka.Kolumna, komorka.Wiersz);
    const QPoint plus(edytor->Uklad().Strefy[0][PoczatekPlusa] + 4, r.center().y());
    QTest::mousePress(edytor, Qt::LeftButton, {}, plus);
    QTest::mouseRelease(edytor, Qt::LeftButton, {}, plus);
    return true;
}

// One click on an arrow of a dialog's UpDownN.
void Krok(QWidget* dialog, const char* nazwa, bool gora) {
    auto* strzalki = dialog->findChild<TStrzalki*>(QLatin1String(nazwa));
    QTest::mouseClick(
        strzalki->findChild<QToolButton*>(gora ? QStringLiteral("Gora") : QStringLiteral("Dol")),
        Qt::LeftButton);
}

} // namespace

void TestWidokiE2e::clickReachesTheController() {
    TOknoNaSymulatorze w({QStringLiteral("--no-ignition")});
    QVERIFY(w.Polacz());
    TOknoTestowe& t = *w.okno;
    TSterownik& s = t.s();
    const QString dziennik = w.dziennik;

    const int przed = s.Nastawy[50];
    QVERIFY(Plus50(t));
    QCOMPARE(int(s.Nastawy[50]), przed + 1);

    QTRY_VERIFY_WITH_TIMEOUT(
        s.DoZapisu == 0 && s.BezPotwierdzenia == 0 && ZapisyNastaw(dziennik).size() == 1, 10000);
    const QStringList zapis = ZapisyNastaw(dziennik).first();
    QCOMPARE(zapis.value(50).toInt(nullptr, 16), przed + 1);

    s.Nastawy[50] = 0;
    s.CzytajZeSterownika(Bloki::Nastawy);
    QTRY_VERIFY_WITH_TIMEOUT(s.DoOdczytu == 0, 10000);
    QCOMPARE(int(s.Nastawy[50]), przed + 1);
    QVERIFY(w.Zakoncz());
}

// The controller stores the first write without acknowledging it: the window counts it as
// waiting until its resend is acknowledged.
void TestWidokiE2e::pendingWritesWaitForTheController() {
    TOknoNaSymulatorze w(
        {QStringLiteral("--no-ignition"), QStringLiteral("--unacked-writes"), QStringLiteral("1")});
    QVERIFY(w.Polacz());
    TOknoTestowe& t = *w.okno;
    TSterownik& s = t.s();
    auto* wskaznik = t.W<QLabel>("PanelZapisy");
    QTRY_COMPARE_WITH_TIMEOUT(wskaznik->text(), QStringLiteral("\u2713"), 5000);
    QVERIFY(Plus50(t));
    const QString dziennik = w.dziennik;
    QTRY_VERIFY_WITH_TIMEOUT(!ZapisyNastaw(dziennik).isEmpty() && s.BezPotwierdzenia != 0, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(wskaznik->text(), QStringLiteral("1"), 5000);
    QCOMPARE(wskaznik->toolTip(), QStringLiteral("1 change waiting for the controller"));
    QTRY_COMPARE_WITH_TIMEOUT(wskaznik->text(), QStringLiteral("\u2713"), 15000);
    // Acknowledged only once resent.
    QCOMPARE(ZapisyNastaw(dziennik).size(), 2);
    QCOMPARE(s.BezPotwierdzenia, 0);
    QVERIFY(w.Zakoncz());
}

void TestWidokiE2e::mapViewEditsReachTheController() {
    TOknoNaSymulatorze w({QStringLiteral("--no-ignition")});
    QVERIFY(w.Polacz());
    TOknoTestowe& t = *w.okno;
    TSterownik& s = t.s();

    t.Klik(QStringLiteral("SpeedButton3"));
    auto* wykres = t.W<TGrafika>("Grafika1");
    QCOMPARE(wykres->TrybMapy, 0);
    const TObszarWykresu o = ObszarWykresu(wykres->size(), 0);
    // A point added with the right button, then raised with Up through the window's keys.
    QTest::mouseClick(wykres, Qt::RightButton, {}, QPoint(o.x0 + o.w / 2, o.yb - o.h / 2));
    const int k = wykres->Mnoznik().Wybrany;
    QVERIFY(k > 0);
    const int wartosc = wykres->Mnoznik().Wartosc(k);
    QTest::keyClick(wykres->UchwytFokusu(), Qt::Key_Up);
    QTest::keyClick(wykres->UchwytFokusu(), Qt::Key_Up);
    QCOMPARE(int(s.Mnoznik1[s.Nastawy[190 + k]]), wartosc + 2);

    const auto blok = [&w](const char* nazwa) { return w.Blok(nazwa); };
    const QByteArray oczekiwany(reinterpret_cast<const char*>(s.Mnoznik1), 256);
    QTRY_COMPARE_WITH_TIMEOUT(blok("Mnoznik1.bin"), oczekiwany, 10000);
    QCOMPARE(blok("Nastawy.bin").mid(190, 26),
             QByteArray(reinterpret_cast<const char*>(s.Nastawy + 190), 26));

    // A block of the RPM-correction grid raised twice.
    t.Klik(QStringLiteral("SpeedButton12"));
    auto* siatka = t.W<TSiatkaMapy>("SiatkaB");
    QVERIFY(siatka->isVisible());
    QTest::mouseClick(siatka, Qt::LeftButton, {}, siatka->ProstokatKomorki(4, 10).center());
    QTest::keyClick(siatka, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(siatka, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(int(s.KorOdObr1[16 * 3 + 6]), 102);
    QTRY_COMPARE_WITH_TIMEOUT(blok("KorOdObr1.bin"),
                              QByteArray(reinterpret_cast<const char*>(s.KorOdObr1), 256), 10000);

    // A point added to the reducer-temperature curve, once the curve is read afresh.
    t.Klik(QStringLiteral("SpeedButton13"));
    QCOMPARE(wykres->TrybMapy, 2);
    QTRY_VERIFY_WITH_TIMEOUT(s.DoOdczytu == 0, 10000);
    const TObszarWykresu pk = ObszarWykresu(wykres->size(), 2);
    QTest::mouseClick(wykres, Qt::RightButton, {}, QPoint(pk.x0 + pk.w / 3, pk.yb - pk.h / 2));
    QTest::keyClick(wykres->UchwytFokusu(), Qt::Key_Up);
    QTRY_COMPARE_WITH_TIMEOUT(blok("KorOdTempRed.bin"),
                              QByteArray(reinterpret_cast<const char*>(s.KorOdTempRed), 256),
                              10000);
    QVERIFY(w.Zakoncz());
}

void TestWidokiE2e::scopeRecordsReadsBackAndExports() {
    TOknoNaSymulatorze w({QStringLiteral("--warm")});
    QVERIFY(w.Polacz());
    TOknoTestowe& t = *w.okno;
    TSterownik& s = t.s();
    const QString dziennik = w.dziennik;
    TPlikTestowy pliki;
    s.OknaPlikow = &pliki;

    t.Klik(QStringLiteral("SpeedButton5"));
    auto* scope = t.W<TScope>("Scope1");
    QVERIFY(scope->isVisible());
    const QString zapis = w.Plik("jazda.osc");
    pliki.sciezka = zapis;
    scope->Komenda(4);
    QVERIFY(s.PlikOsc);
    const int od = scope->IleProbek;
    QTRY_VERIFY_WITH_TIMEOUT(scope->IleProbek >= od + 20, 10000);
    scope->Komenda(4);
    QVERIFY(!s.PlikOsc);
    const int nagrane = scope->IleProbek;

    // Read back in File mode: every sample the window recorded.
    std::vector<unsigned char> przed(scope->Probki(), scope->Probki() + nagrane * 128);
    scope->Komenda(5);
    QCOMPARE(scope->Tryb, 5);
    QCOMPARE(scope->IleProbek, nagrane);
    QVERIFY(std::equal(przed.begin(), przed.end(), scope->Probki()));
    // Each sample is a live frame the simulator sent, in the order it sent them.
    QFile log(dziennik);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QList<QJsonObject> linie;
    for (const QByteArray& l : log.readAll().split('\n'))
        if (!l.isEmpty()) linie << QJsonDocument::fromJson(l).object();
    const QList<QByteArray> wyslane = RamkiWyslane(linie);
    const QByteArray pierwsza(reinterpret_cast<const char*>(scope->Probki()), 128);
    const qsizetype i0 = wyslane.indexOf(pierwsza);
    QVERIFY(i0 >= 0 && i0 + nagrane <= wyslane.size());
    for (int i = 0; i < nagrane; ++i)
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(scope->Probki()) + i * 128, 128),
                 wyslane[i0 + i]);

    // The window's export and selvar-cli's of the same file, byte for byte.
    pliki.sciezka = w.Plik("okno.csv");
    scope->EksportCsv();
    QProcess cli;
    cli.start(QStringLiteral(SELVAR_CLI), {QStringLiteral("osc2csv"), zapis, w.Plik("cli.csv")});
    QVERIFY(cli.waitForFinished(20000));
    QCOMPARE(cli.exitCode(), 0);
    const auto tresc = [&w](const char* nazwa) {
        QFile f(w.Plik(nazwa));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QVERIFY(tresc("okno.csv").count("\r\n") == nagrane + 1);
    QCOMPARE(tresc("okno.csv"), tresc("cli.csv"));
    s.OknaPlikow = nullptr;
    QVERIFY(w.Zakoncz());
}

void TestWidokiE2e::settingDialogsReachTheController() {
    TOknoNaSymulatorze w({QStringLiteral("--no-ignition")});
    QVERIFY(w.Polacz());
    TOknoTestowe& t = *w.okno;
    TSterownik& s = t.s();
    const QString dziennik = w.dziennik;
    auto* edytor = t.W<TNastawy>("Nastawy1");
    const auto kody = [&dziennik] {
        QFile f(dziennik);
        QList<int> k;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& l : f.readAll().split('\n'))
                if (!l.isEmpty()) k << QJsonDocument::fromJson(l).object().value("code").toInt();
        return k;
    };
    const auto nastawySymulatora = [&w] { return w.Blok("Nastawy.bin"); };
    const auto wyslane = [&] {
        return s.DoZapisu == 0 && s.BezPotwierdzenia == 0 &&
               nastawySymulatora().mid(1) ==
                   QByteArray(reinterpret_cast<const char*>(s.Nastawy) + 1, 255);
    };

    // The level dialog asks for the frame with the sensor's reading while it is open.
    auto* poziom = t.okno->findChild<TFormLevel*>(QStringLiteral("FormLevel"));
    poziom->Przygotuj(edytor, TPaleta{}, QStringLiteral("SELVAR"));
    poziom->show();
    QVERIFY(s.FlagiParam & 0x2);
    const qsizetype przed = kody().size();
    const auto poll = [&](qsizetype od, int kod) {
        const QList<int> k = kody().mid(od);
        return k.contains(kod) || k.contains(kod | 0x4);
    };
    QTRY_VERIFY_WITH_TIMEOUT(poll(przed, 0x92), 10000);
    // Each step is stored once and written once, with the value it shows.
    const auto jedenZapis = [&](int nastawa, int wartosc, qsizetype odZapisu) {
        const QList<QStringList> z = ZapisyNastaw(dziennik).mid(odZapisu);
        return z.size() == 1 && z[0].value(nastawa).toInt(nullptr, 16) == wartosc;
    };
    qsizetype zapisow = ZapisyNastaw(dziennik).size();
    const int prog = s.Nastawy[44];
    Krok(poziom, "UpDown1", true); // setting 44
    QTRY_VERIFY_WITH_TIMEOUT(wyslane(), 10000);
    QVERIFY(jedenZapis(44, prog + 1, zapisow));
    poziom->accept();
    const qsizetype poZamknieciu = kody().size();
    QTRY_VERIFY_WITH_TIMEOUT(poll(poZamknieciu, 0x90), 10000);
    QVERIFY(!poll(poZamknieciu + 2, 0x92));

    // A correction, an injector taken off and a volume step, each written at once.
    auto* korekty = t.okno->findChild<TFormInj*>(QStringLiteral("FormInj"));
    korekty->Przygotuj(edytor, TPaleta{}, QStringLiteral("SELVAR"));
    korekty->show();
    const int korekta = s.Nastawy[217];
    zapisow = ZapisyNastaw(dziennik).size();
    Krok(korekty, "UpDown2", false);
    QCOMPARE(int(s.Nastawy[217]), korekta - 1);
    QTRY_VERIFY_WITH_TIMEOUT(wyslane(), 10000);
    QVERIFY(jedenZapis(217, korekta - 1, zapisow));
    korekty->accept();
    auto* sekwencja = t.okno->findChild<TFormSeq*>(QStringLiteral("FormSeq"));
    sekwencja->Przygotuj(edytor, TPaleta{}, QStringLiteral("SELVAR"));
    sekwencja->show();
    TSiatkaKomorek* macierz = sekwencja->Macierz();
    QTest::mouseClick(macierz, Qt::LeftButton, {}, macierz->ProstokatKomorki(2, 2).center());
    QVERIFY(s.Nastawy[31] & 0x2);
    QTRY_VERIFY_WITH_TIMEOUT(wyslane(), 10000);
    sekwencja->accept();
    auto* grupa = t.okno->findChild<TFormNastaw*>(QStringLiteral("FormNastaw"));
    grupa->Klucz = 96;
    grupa->Przygotuj(edytor, TPaleta{}, QStringLiteral("SELVAR"));
    grupa->show();
    const int glosnosc = s.Nastawy[98];
    zapisow = ZapisyNastaw(dziennik).size();
    Krok(grupa, "UpDown3", true); // the volume
    QTRY_VERIFY_WITH_TIMEOUT(wyslane(), 10000);
    QVERIFY(jedenZapis(98, glosnosc + 1, zapisow));
    grupa->accept();
    QVERIFY(w.Zakoncz());
}

QTEST_MAIN(TestWidokiE2e)
#include "tst_widoki_e2e.moc"
