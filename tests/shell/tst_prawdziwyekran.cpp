// What the screen shows is what the controller holds, or it says it is not: no live number
// once the link is down, writes waiting for their acknowledgement counted, lost ones named,
// and the erasing commands asked first.

#include "Bloki.h"
#include "KontrolerPty.h"
#include "OknoTestowe.h"
#include "TObd.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

namespace {

// The window connected to a pseudo-terminal on which the test plays the controller.
struct TPolaczoneOkno {
    TKontrolerPty pty;
    std::unique_ptr<TOknoTestowe> t;

    TPolaczoneOkno() {
        TOpcjeOkna opcje;
        opcje.PortSterownika = pty.Sciezka();
        t = std::make_unique<TOknoTestowe>(
            [](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }, opcje);
        t->s().CzasOtwarcia = 0;
        t->s().PortOpen(TForm1::PortSesjiSterownika);
        // The fresh connection's first tick, then the controller identified and read.
        t->s().Timer1OnTimer();
        t->s().ModulObd = true;
        t->Odbierz(0x81, Tozsamosc(2, 3, 4));
        t->s().DoOdczytu = 0;
        t->s().Rozkazy = 0;
    }
    void Rozlacz() {
        t->okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuConn0"))->trigger();
    }
    // Link ticks until the block's write has gone out and waits for its acknowledgement.
    bool ZapisWyslany(int blok = Bloki::Nastawy) {
        for (int i = 0; i < 40 && !(t->s().BezPotwierdzenia & blok); ++i)
            t->s().Timer1OnTimer();
        return t->s().BezPotwierdzenia & blok;
    }
    QString Wskaznik() { return t->W<QLabel>("PanelZapisy")->text(); }
};

// The texts of a grid's value columns.
QStringList Wartosci(QTableWidget* g, const QList<int>& kolumny) {
    QStringList w;
    for (int r = 0; r < g->rowCount(); ++r)
        for (int k : kolumny)
            if (QTableWidgetItem* i = g->item(r, k)) w << i->text();
    return w;
}

bool ZadnejLiczby(const QStringList& teksty) {
    for (const QString& t : teksty)
        for (QChar c : t)
            if (c.isDigit()) return false;
    return true;
}

} // namespace

class TestPrawdziwyEkran : public QObject {
    Q_OBJECT

private slots:
    void poRozlaczeniuZadnejZywejLiczby();
    void wierszeObdBezPortu();
    void plikNaEkranieWStatusie();
    void zapisyCzekajaceNaPotwierdzenie();
    void utraconeZapisyNazwane();
    void kasowaniaKodowPytaja_data();
    void kasowaniaKodowPytaja();
};

void TestPrawdziwyEkran::poRozlaczeniuZadnejZywejLiczby() {
    TPolaczoneOkno p;
    TOknoTestowe& t = *p.t;
    // 2540 rpm, 0.59 bar, 3 ms on every channel.
    TRamka r(92);
    r(17, 254)(44, 59);
    for (int k = 0; k < 4; ++k)
        r(60 + 4 * k, 0xEE)(61 + 4 * k, 0x02)(62 + 4 * k, 0xEE)(63 + 4 * k, 0x02);
    QVERIFY(t.Odbierz(0x90, r.dane));
    auto* parametry = t.W<QTableWidget>("StringGridParametry");
    auto* czasy = t.W<QTableWidget>("StringGridCzasyWtr");
    QVERIFY(!ZadnejLiczby(Wartosci(parametry, {1})));
    QVERIFY(!ZadnejLiczby(Wartosci(czasy, {1, 3})));
    p.Rozlacz();
    for (int i = 0; i < 10; ++i) {
        t.s().Timer1OnTimer();
        t.okno->Timer1OnTimer();
    }
    QVERIFY(ZadnejLiczby(Wartosci(parametry, {1})));
    QVERIFY(ZadnejLiczby(Wartosci(czasy, {1, 3})));
    // The first live frame of a new connection brings them back.
    t.s().PortOpen(TForm1::PortSesjiSterownika);
    QVERIFY(t.Odbierz(0x90, r.dane));
    QVERIFY(!ZadnejLiczby(Wartosci(czasy, {1, 3})));
}

void TestPrawdziwyEkran::wierszeObdBezPortu() {
    TOknoTestowe t;
    auto* elm = t.W<QTableWidget>("StringGridElm");
    // The last car's adapter, voltage, protocol, ECUs, codes and lamp.
    for (int w = 1; w < elm->rowCount(); ++w)
        elm->setItem(w, 1, new QTableWidgetItem(QStringLiteral("ELM327 v1.5")));
    // The reader checks its port, as after an opening: the adapter's port has been closed.
    t.okno->Obd().Stan = 3;
    const auto bezPolaczenia = [&] {
        return elm->item(0, 1) && elm->item(0, 1)->text() == t.okno->PodajTekst(4310);
    };
    for (int i = 0; i < 100 && !bezPolaczenia(); ++i)
        t.okno->Obd().OnTimer1();
    QVERIFY(bezPolaczenia());
    for (int w = 1; w < elm->rowCount(); ++w)
        QVERIFY2(!elm->item(w, 1) || elm->item(w, 1)->text().isEmpty(),
                 qPrintable(QString::number(w)));
}

void TestPrawdziwyEkran::plikNaEkranieWStatusie() {
    TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); });
    t.okno->Timer1OnTimer();
    QCOMPARE(t.W<QLabel>("PanelStatus")->text(), QStringLiteral("NO CONNECTION"));
    t.s().PlikBiezacy = QStringLiteral("golf.set");
    t.okno->ZdarzenieLacza(4, 0, 0, 0);
    t.okno->Timer1OnTimer();
    QCOMPARE(t.W<QLabel>("PanelStatus")->text(), QStringLiteral("FILE, NOT CONNECTED"));
    QVERIFY(t.okno->windowTitle().endsWith(QStringLiteral("[golf.set]")));
}

void TestPrawdziwyEkran::zapisyCzekajaceNaPotwierdzenie() {
    TPolaczoneOkno p;
    TOknoTestowe& t = *p.t;
    t.okno->Timer1OnTimer();
    QCOMPARE(p.Wskaznik(), QStringLiteral("\u2713"));
    t.s().Nastawy[50] = 71;
    t.s().ZapiszDoSterownika(Bloki::Nastawy);
    QVERIFY(p.ZapisWyslany());
    t.okno->Timer1OnTimer();
    // The settings and the history entry that records the change.
    QCOMPARE(p.Wskaznik(), QStringLiteral("2"));
    QCOMPARE(t.W<QLabel>("PanelZapisy")->toolTip(),
             QStringLiteral("2 changes waiting for the controller"));
    QVERIFY(t.Odbierz(0xF8, {}));
    QCOMPARE(p.Wskaznik(), QStringLiteral("1"));
    QVERIFY(p.ZapisWyslany(Bloki::Historia));
    QVERIFY(t.Odbierz(0xC7, {}));
    QCOMPARE(p.Wskaznik(), QStringLiteral("\u2713"));
}

void TestPrawdziwyEkran::utraconeZapisyNazwane() {
    TPolaczoneOkno p;
    TOknoTestowe& t = *p.t;
    t.s().ZapiszDoSterownika(Bloki::Nastawy | Bloki::Mnoznik1);
    QVERIFY(p.ZapisWyslany());
    t.okno->Timer1OnTimer();
    TOdpowiedz ok(QMessageBox::Ok);
    p.Rozlacz();
    t.okno->Timer1OnTimer();
    QTRY_VERIFY(ok.pokazano);
    QCOMPARE(ok.tekst,
             QStringLiteral("These changes did not reach the controller: Settings, multiplier, "
                            "history of changes"));
    QCOMPARE(p.Wskaznik(), QString());
}

void TestPrawdziwyEkran::kasowaniaKodowPytaja_data() {
    QTest::addColumn<QString>("przycisk");
    QTest::addColumn<bool>("tak");
    QTest::newRow("reader, No") << "SpeedButton31" << false;
    QTest::newRow("reader, Yes") << "SpeedButton31" << true;
    QTest::newRow("module, No") << "SpeedButton32" << false;
    QTest::newRow("module, Yes") << "SpeedButton32" << true;
}

// A clear also erases the car's freeze frame and resets its readiness monitors.
void TestPrawdziwyEkran::kasowaniaKodowPytaja() {
    QFETCH(QString, przycisk);
    QFETCH(bool, tak);
    TPolaczoneOkno p;
    TOknoTestowe& t = *p.t;
    t.Klawisz(Qt::Key_F6);
    t.Klik(przycisk);
    t.s().Rozkazy = 0;
    const int stan = t.okno->Obd().Stan;
    TOdpowiedz odpowiedz(tak ? QMessageBox::Yes : QMessageBox::No);
    t.Klik(QStringLiteral("Btn52"));
    QVERIFY(odpowiedz.pokazano);
    QVERIFY(odpowiedz.tekst.startsWith(QStringLiteral("Erase the car's trouble codes?")));
    const bool modul = przycisk == QLatin1String("SpeedButton32");
    const bool wyslane =
        modul ? (t.s().Rozkazy & TSterownik::RozkazKasujBledyObd) : t.okno->Obd().Stan != stan;
    QCOMPARE(wyslane, tak);
}

QTEST_MAIN(TestPrawdziwyEkran)
#include "tst_prawdziwyekran.moc"
