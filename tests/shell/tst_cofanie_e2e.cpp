// Undo, redo and the kept configurations through the real window against selvar-sim, run
// with --no-learning so that its blocks change only by writes: every block the simulator
// holds is compared byte for byte with its block dump. The history is left out of the undo
// comparisons: each write adds the day's entry to it, and undo leaves that record alone.

#include "OknoNaSymulatorze.h"
#include "PelnyDysk.h"
#include "PlikTestowy.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TSiatkaMapy.h"
#include "UkladNastaw.h"
#include "UkladWykresu.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <csignal>

class TestCofanieE2e : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
    void originalsKeptFromTheSimulator();
    void fullDiskLeavesNoOriginalAndTheLinkRunning();
    void changesUndoneAndRedoneThroughTheWindow();
    void undoOfAFileLoadRestoresEveryBlock();
};

namespace {

// Each block of the simulator's dump and where a settings file holds it.
struct TMiejsce {
    const char* nazwa;
    int polozenie;
    int rozmiar;
};
constexpr TMiejsce Uklad[] = {
    {"NastawyObd", 16, 48},       {"Historia", 256, 256},     {"Nastawy", 512, 256},
    {"Mnoznik1", 768, 256},       {"Mnoznik2", 1024, 256},    {"KorOdObr1", 1280, 256},
    {"KorOdObr2", 1536, 256},     {"KorOdCis", 1792, 256},    {"KorOdTempRed", 2048, 256},
    {"KorOdTempGazu", 2304, 256}, {"MapaEcuBen", 2560, 256},  {"MapaEcuGaz", 2816, 256},
    {"MapaObdBen1", 3072, 256},   {"MapaObdGaz1", 3328, 256}, {"MapaObdBen2", 3584, 256},
    {"MapaObdGaz2", 3840, 256}};

const QStringList Cichy = {QStringLiteral("--no-ignition"), QStringLiteral("--no-learning")};

// The simulator's blocks that a settings file carries and the installer edits.
QMap<QString, QByteArray> BlokiSymulatora(const TOknoNaSymulatorze& w) {
    QMap<QString, QByteArray> b;
    for (const TMiejsce& m : Uklad)
        if (QLatin1String(m.nazwa) != QLatin1String("Historia") &&
            QLatin1String(m.nazwa) != QLatin1String("NastawyObd"))
            b.insert(QLatin1String(m.nazwa), w.Blok((QByteArray(m.nazwa) + ".bin").constData()));
    return b;
}

QByteArray Plik(const QString& sciezka) {
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Pliki(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void Dzien(TSterownik& s, int dzien) {
    s.DataDzis[0] = 26;
    s.DataDzis[1] = 12;
    s.DataDzis[2] = static_cast<unsigned char>(dzien);
}

bool Spokojnie(const TSterownik& s) {
    return s.PortConnected() && s.DoZapisu == 0 && s.BezPotwierdzenia == 0 && s.DoOdczytu == 0 &&
           s.Rozkazy == 0 && !s.Fabryczne;
}

// The link dropped and made again by the window, up to the end of the reads it posts.
bool Ponownie(TSterownik& s) {
    s.PortClose();
    return QTest::qWaitFor([&s] { return s.PortConnected() && s.Rozkazy != 0; }, 10000) &&
           QTest::qWaitFor([&s] { return Spokojnie(s); }, 15000);
}

// The step button "+" of a setting in the editor, where the installer presses it.
QPoint Plus(TNastawy& edytor, int indeks) {
    for (int wiersz = 0; wiersz < int(edytor.Mapa().size()); ++wiersz)
        if (edytor.Mapa()[size_t(wiersz)][0] == indeks) {
            const QRect r = edytor.ProstokatKomorki(0, wiersz);
            return {edytor.Uklad().Strefy[0][PoczatekPlusa] + 4, r.center().y()};
        }
    return {};
}

QString TekstMenu(TOknoTestowe& t, const char* akcja) {
    auto* edycja = t.okno->menuBar()->findChild<QMenu*>(QStringLiteral("MenuEdit"));
    emit edycja->aboutToShow();
    return t.okno->menuBar()->findChild<QAction*>(QLatin1String(akcja))->text();
}

void Jezyk(TOknoTestowe& t, int jezyk) {
    t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuLang%1").arg(jezyk))->trigger();
}

// A shortcut pressed where the focus is, then the link let settle; true when it moved a
// step between undo and redo.
bool Skrot(TOknoTestowe& t, int klawisz, Qt::KeyboardModifiers shift) {
    TSterownik& s = t.s();
    const size_t ponowien = s.Cofanie.Ponowienia().size();
    t.Klawisz(klawisz, shift);
    return QTest::qWaitFor([&s] { return Spokojnie(s); }, 10000) &&
           s.Cofanie.Ponowienia().size() != ponowien;
}

} // namespace

void TestCofanieE2e::originalsKeptFromTheSimulator() {
    QTemporaryDir dokumenty;
    const QString folder = dokumenty.filePath(QStringLiteral("ORVA/Selvar II/Originals"));
    const auto wDokumentach = [&dokumenty](TOknoTestowe& t) {
        t.s().KatalogDokumentow = dokumenty.path();
        Dzien(t.s(), 10);
    };
    auto w = std::make_unique<TOknoNaSymulatorze>(Cichy);
    QVERIFY(w->Polacz(wDokumentach));
    TSterownik& s = w->okno->s();
    QCOMPARE(Pliki(folder).size(), 1);
    const QString nazwa = Pliki(folder).first();
    QVERIFY2(
        QRegularExpression(QStringLiteral("^5901234000123456_original_2026-12-10_\\d{4}\\.set$"))
            .match(nazwa)
            .hasMatch(),
        qPrintable(nazwa));
    const QByteArray oryginal = Plik(QDir(folder).filePath(nazwa));
    QCOMPARE(oryginal.size(), 4096);
    for (const TMiejsce& m : Uklad)
        QCOMPARE(oryginal.mid(m.polozenie, m.rozmiar),
                 w->Blok((QByteArray(m.nazwa) + ".bin").constData()));

    // Read again: the original stays as it was.
    QVERIFY(Ponownie(s));
    QCOMPARE(Pliki(folder), QStringList{nazwa});
    QCOMPARE(Plik(QDir(folder).filePath(nazwa)), oryginal);

    // A later day: read, nothing kept until something is written, then that day's file.
    Dzien(s, 11);
    QVERIFY(Ponownie(s));
    QCOMPARE(Pliki(folder).size(), 1);
    auto* edytor = w->okno->W<TNastawy>("Nastawy1");
    const QPoint plus = Plus(*edytor, 50);
    QTest::mouseClick(edytor, Qt::LeftButton, {}, plus);
    QTRY_VERIFY_WITH_TIMEOUT(Spokojnie(s), 10000);
    const QStringList dwa = Pliki(folder);
    QCOMPARE(dwa.size(), 2);
    QVERIFY2(dwa[0].startsWith(QLatin1String("5901234000123456_before_2026-12-11_")),
             qPrintable(dwa[0]));
    const QByteArray przed = Plik(QDir(folder).filePath(dwa[0]));
    QCOMPARE(przed.mid(512, 256), oryginal.mid(512, 256)); // the read before the write
    QTest::mouseClick(edytor, Qt::LeftButton, {}, plus);
    QTRY_VERIFY_WITH_TIMEOUT(Spokojnie(s), 10000);
    QCOMPARE(Pliki(folder), dwa);

    // The File menu lists both, newest first.
    auto* menu = w->okno->okno->menuBar()->findChild<QMenu*>(QStringLiteral("MenuFileOriginals"));
    emit menu->aboutToShow();
    QCOMPARE(menu->actions().size(), 2);
    QVERIFY(menu->actions()[0]->text().startsWith(QLatin1String("Before the changes of ")));
    QVERIFY(menu->actions()[1]->text().startsWith(QLatin1String("Original of ")));
    QVERIFY(w->Zakoncz());

    // Another controller on this computer gets its own.
    w = std::make_unique<TOknoNaSymulatorze>(
        Cichy + QStringList{QStringLiteral("--barcode"), QStringLiteral("5901234000999999")});
    QVERIFY(w->Polacz(wDokumentach));
    QCOMPARE(Pliki(folder).size(), 3);
    QVERIFY(Pliki(folder)[2].startsWith(QLatin1String("5901234000999999_original_2026-12-10_")));
    QCOMPARE(Plik(QDir(folder).filePath(Pliki(folder)[2])).mid(512, 256), w->Blok("Nastawy.bin"));
    QVERIFY(w->Zakoncz());
}

void TestCofanieE2e::fullDiskLeavesNoOriginalAndTheLinkRunning() {
    QTemporaryDir dokumenty;
    const QString folder = dokumenty.filePath(QStringLiteral("ORVA/Selvar II/Originals"));
    TOknoNaSymulatorze w(Cichy); // started before the limit, so the simulator writes freely
    TOdpowiedz blad(QMessageBox::Ok);
    {
        TPelnyDysk dysk(1000);
        QVERIFY(w.Polacz([&dokumenty](TOknoTestowe& t) {
            t.s().KatalogDokumentow = dokumenty.path();
            QVERIFY(QDir().mkpath(dokumenty.filePath(QStringLiteral("ORVA/Selvar II/Originals"))));
        }));
        QTRY_VERIFY_WITH_TIMEOUT(blad.pokazano, 5000);
    }
    QCOMPARE(Pliki(folder), QStringList()); // neither the file nor its temporary one
    QVERIFY2(blad.tekst.startsWith(QLatin1String("The original configuration could not be saved")),
             qPrintable(blad.tekst));
    QVERIFY(blad.tekst.contains(QLatin1String("5901234000123456_original_")));

    // The link goes on: a change still reaches the simulator.
    TSterownik& s = w.okno->s();
    auto* edytor = w.okno->W<TNastawy>("Nastawy1");
    const int wartosc = s.Nastawy[50];
    QTest::mouseClick(edytor, Qt::LeftButton, {}, Plus(*edytor, 50));
    QTRY_COMPARE_WITH_TIMEOUT(int(quint8(w.Blok("Nastawy.bin")[50])), wartosc + 1, 10000);
    QVERIFY(s.BezOdpowiedzi <= 10);
    QVERIFY(w.Zakoncz());
}

void TestCofanieE2e::changesUndoneAndRedoneThroughTheWindow() {
    TOknoNaSymulatorze w(Cichy);
    QVERIFY(w.Polacz());
    TOknoTestowe& t = *w.okno;
    TSterownik& s = t.s();
    const auto przed = BlokiSymulatora(w);

    // A setting with a held step button: the press, two repeats, the release.
    auto* edytor = t.W<TNastawy>("Nastawy1");
    const int wartosc = s.Nastawy[50];
    const QPoint plus = Plus(*edytor, 50);
    QTest::mousePress(edytor, Qt::LeftButton, {}, plus);
    edytor->TimerPowtorzeniaOnTimer();
    edytor->TimerPowtorzeniaOnTimer();
    QTest::mouseRelease(edytor, Qt::LeftButton, {}, plus);
    QCOMPARE(int(s.Nastawy[50]), wartosc + 3);
    QTRY_VERIFY_WITH_TIMEOUT(Spokojnie(s), 10000);
    QCOMPARE(s.Cofanie.Kroki().size(), size_t(1));
    const QString zmiana = QStringLiteral(" %1 -> %2").arg(wartosc * 10).arg((wartosc + 3) * 10);
    const QStringList teksty = {
        QStringLiteral("Undo: Switching to LPG when RPM rises above") + zmiana,
        QStringLiteral("Cofnij: Przełączanie na LPG powyżej obrotów") + zmiana,
        QStringLiteral("Отменить: Переключение на LPG при оборотах выше") + zmiana,
        QStringLiteral("Deshacer: Cambio a GLP con RPM superiores a") + zmiana};
    for (int jezyk = 3; jezyk >= 0; --jezyk) {
        Jezyk(t, jezyk);
        QCOMPARE(TekstMenu(t, "MenuUndo"), teksty[jezyk]);
    }
    QCOMPARE(TekstMenu(t, "MenuRedo"), QStringLiteral("Redo"));

    // A chart point added with the right button, then raised with Up.
    t.Klik(QStringLiteral("SpeedButton3"));
    QTRY_VERIFY_WITH_TIMEOUT(Spokojnie(s), 10000);
    auto* wykres = t.W<TGrafika>("Grafika1");
    const TObszarWykresu o = ObszarWykresu(wykres->size(), 0);
    QTest::mouseClick(wykres, Qt::RightButton, {}, QPoint(o.x0 + o.w / 2, o.yb - o.h / 2));
    QTest::keyClick(wykres->UchwytFokusu(), Qt::Key_Up);
    QTRY_VERIFY_WITH_TIMEOUT(Spokojnie(s), 10000);
    QVERIFY(s.Cofanie.Kroki().size() >= 2);
    QCOMPARE(TekstMenu(t, "MenuUndo"), QStringLiteral("Undo: multiplier, bank 1"));

    // A block of the RPM-correction grid raised.
    t.Klik(QStringLiteral("SpeedButton12"));
    QTRY_VERIFY_WITH_TIMEOUT(Spokojnie(s), 10000);
    auto* siatka = t.W<TSiatkaMapy>("SiatkaB");
    QTest::mouseClick(siatka, Qt::LeftButton, {}, siatka->ProstokatKomorki(4, 10).center());
    QTest::keyClick(siatka, Qt::Key_Up, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(Spokojnie(s), 10000);
    const size_t kroki = s.Cofanie.Kroki().size();
    QVERIFY(kroki >= 3);
    QCOMPARE(TekstMenu(t, "MenuUndo"), QStringLiteral("Undo: RPM correction, bank 1"));
    QTRY_VERIFY_WITH_TIMEOUT(BlokiSymulatora(w) != przed, 5000);
    const auto po = BlokiSymulatora(w);
    QVERIFY(po[QStringLiteral("Nastawy")] != przed[QStringLiteral("Nastawy")]);
    QVERIFY(po[QStringLiteral("Mnoznik1")] != przed[QStringLiteral("Mnoznik1")]);
    QVERIFY(po[QStringLiteral("KorOdObr1")] != przed[QStringLiteral("KorOdObr1")]);

    // Ctrl+Z through the window's keys, with the focus on the grid; newest first.
    for (size_t i = 0; i < kroki; ++i)
        QVERIFY(Skrot(t, Qt::Key_Z, Qt::ControlModifier));
    QVERIFY(s.Cofanie.Kroki().empty());
    QTRY_COMPARE_WITH_TIMEOUT(BlokiSymulatora(w), przed, 5000);
    QCOMPARE(int(s.Nastawy[50]), wartosc);
    QCOMPARE(TekstMenu(t, "MenuUndo"), QStringLiteral("Undo"));
    QVERIFY(TekstMenu(t, "MenuRedo").startsWith(QLatin1String("Redo: Switching to LPG")));

    // Redo by both shortcuts.
    for (size_t i = 1; i < kroki; ++i)
        QVERIFY(Skrot(t, Qt::Key_Y, Qt::ControlModifier));
    QVERIFY(Skrot(t, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier));
    QVERIFY(s.Cofanie.Ponowienia().empty());
    QTRY_COMPARE_WITH_TIMEOUT(BlokiSymulatora(w), po, 5000);
    QVERIFY(w.Zakoncz());
}

void TestCofanieE2e::undoOfAFileLoadRestoresEveryBlock() {
    TOknoNaSymulatorze w(Cichy);
    QVERIFY(w.Polacz());
    TOknoTestowe& t = *w.okno;
    TSterownik& s = t.s();
    const auto przed = BlokiSymulatora(w);

    // The configuration as it is with byte 100 of each block a settings file writes (all but
    // the history: the fourteen from offset 512 on) one higher.
    QByteArray obraz = s.ObrazModelu(false);
    for (const TMiejsce& m : Uklad)
        if (m.polozenie >= 512) obraz[m.polozenie + 100] = char(obraz[m.polozenie + 100] + 1);
    const QString sciezka = w.Plik("inny.set");
    QFile plik(sciezka);
    QVERIFY(plik.open(QIODevice::WriteOnly) && plik.write(obraz) == obraz.size());
    plik.close();
    TPlikTestowy dialog;
    dialog.sciezka = sciezka;
    s.OknaPlikow = &dialog;
    t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuFileRead"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(Spokojnie(s), 15000);
    QCOMPARE(s.Cofanie.Kroki().size(), size_t(1));
    const auto po = BlokiSymulatora(w);
    for (auto b = po.begin(); b != po.end(); ++b)
        QVERIFY2(b.value() != przed[b.key()], qPrintable(b.key()));
    QCOMPARE(TekstMenu(t, "MenuUndo"), QStringLiteral("Undo: blocks: 14"));

    // The focus is on the map view's holder, a line edit with an undo of its own.
    QCOMPARE(QApplication::focusWidget(), t.W<TGrafika>("Grafika1")->UchwytFokusu());
    QVERIFY(Skrot(t, Qt::Key_Z, Qt::ControlModifier));
    QTRY_COMPARE_WITH_TIMEOUT(BlokiSymulatora(w), przed, 5000);
    QVERIFY(w.Zakoncz());
}

QTEST_MAIN(TestCofanieE2e)
#include "tst_cofanie_e2e.moc"
