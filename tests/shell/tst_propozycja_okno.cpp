// The road calibration through the real window: the Map tab's commands, the preview on the
// chart, Discard, a refused Apply of a proposal the curve has left, and against selvar-sim
// an Apply of both banks that reaches the controller as one undo step.

#include "Cofanie.h"
#include "OknoNaSymulatorze.h"
#include "RysowaniePropozycji.h"
#include "TGrafika.h"

#include <QMenuBar>
#include <QPushButton>

#include <cstring>

namespace {

const QStringList Cichy = {QStringLiteral("--no-ignition"), QStringLiteral("--no-learning")};

void PoAngielsku(QSettings& u) {
    u.setValue(QStringLiteral("Selvar2/Lang"), 0);
}

// Gas 10 % rich: two cells for every petrol time 1.0 .. 18.0 ms, on gas 0.9 of it.
void MapyBogate(TSterownik& s) {
    std::memset(s.MapaEcuBen, 0, sizeof s.MapaEcuBen);
    std::memset(s.MapaEcuGaz, 0, sizeof s.MapaEcuGaz);
    int c = 32;
    for (int p = 10; p <= 180; p += 10)
        for (int i = 0; i < 2; ++i, ++c) {
            s.MapaEcuBen[c] = static_cast<unsigned char>(p);
            s.MapaEcuGaz[c] = static_cast<unsigned char>(p * 9 / 10);
        }
}

// Bank 1 flat at 1.00 with break points every 5 ms, no adaptation learned.
void MnoznikPlaski(TSterownik& s) {
    s.IdentSterownika[67] = 128;
    std::memset(s.Nastawy + 190, 0, 26);
    s.Nastawy[191] = 50;
    s.Nastawy[192] = 100;
    s.Nastawy[193] = 150;
    s.Nastawy[215] = 200;
    std::memset(s.Mnoznik1, 100, sizeof s.Mnoznik1);
}

QString Napis(TOknoTestowe& t, const char* przycisk) {
    auto* b = t.W<QPushButton>(przycisk);
    return b && b->isVisible() ? b->text() : QString();
}

QByteArray Bajty(const unsigned char* b, int n = 256) {
    return QByteArray(reinterpret_cast<const char*>(b), n);
}

bool Spokojnie(const TSterownik& s) {
    return s.DoZapisu == 0 && s.BezPotwierdzenia == 0 && s.DoOdczytu == 0 && s.Rozkazy == 0;
}

} // namespace

class TestPropozycjaOkno : public QObject {
    Q_OBJECT

private slots:
    void previewIsDrawnAndDiscardedWithNothingWritten() {
        TOknoTestowe t(PoAngielsku);
        TSterownik& s = t.s();
        MnoznikPlaski(s);
        MapyBogate(s);
        t.Klik(QStringLiteral("SpeedButton3"));
        auto* wykres = t.W<TGrafika>("Grafika1");
        QCOMPARE(wykres->TrybMapy, 0);
        QCOMPARE(Napis(t, "Btn53"), QStringLiteral("Erase adjustments"));
        QCOMPARE(Napis(t, "Btn54"), QStringLiteral("Propose correction"));
        const QImage przed = wykres->Obraz().copy();
        const QByteArray krzywaPrzed = Bajty(s.Mnoznik1);

        t.Klik(QStringLiteral("Btn54"));
        QVERIFY(wykres->Propozycja());
        QCOMPARE(Napis(t, "Btn53"), QStringLiteral("Apply"));
        QCOMPARE(Napis(t, "Btn54"), QStringLiteral("Discard"));
        QCOMPARE(Napis(t, "Btn52"), QStringLiteral("Erase gas map"));
        // Every break point 1.00 -> 0.90; nothing changed or posted yet.
        for (const TPunktPropozycji& p : wykres->Propozycja()->punkty)
            QCOMPARE(p.nowa, 90);
        QCOMPARE(Bajty(s.Mnoznik1), krzywaPrzed);
        QCOMPARE(s.DoZapisu, 0);
        // The proposal's circle at 10 ms, 0.90, in the label colour, where the chart was bare.
        const std::vector<QPoint> punkty = PunktyPropozycji(
            ObszarWykresu(wykres->size(), 0), wykres->Mnoznik(), *wykres->Propozycja());
        const QPoint naKole = punkty[2];
        QCOMPARE(QColor(wykres->Obraz().pixel(naKole)), QColor(255, 255, 221));
        QVERIFY(przed.pixel(naKole) != wykres->Obraz().pixel(naKole));

        t.Klik(QStringLiteral("Btn54"));
        QVERIFY(!wykres->Propozycja());
        QCOMPARE(Napis(t, "Btn54"), QStringLiteral("Propose correction"));
        QCOMPARE(wykres->Obraz().pixel(naKole), przed.pixel(naKole));
        QCOMPARE(Bajty(s.Mnoznik1), krzywaPrzed);
    }

    void applyOfACurveChangedSinceIsRefused() {
        TOknoTestowe t(PoAngielsku);
        TSterownik& s = t.s();
        MnoznikPlaski(s);
        MapyBogate(s);
        t.Klik(QStringLiteral("SpeedButton3"));
        auto* wykres = t.W<TGrafika>("Grafika1");
        t.Klik(QStringLiteral("Btn54"));
        // The installer raises break point 1 (5 ms) meanwhile.
        s.Mnoznik1[50] = 104;
        const QByteArray zmieniona = Bajty(s.Mnoznik1);
        t.Klik(QStringLiteral("Btn53"));
        QCOMPARE(Bajty(s.Mnoznik1), zmieniona);
        QVERIFY(!wykres->Propozycja());
        QCOMPARE(wykres->NotaPropozycji(), 2258);
        QCOMPARE(Napis(t, "Btn54"), QStringLiteral("Propose correction"));
    }

    void applyOfBothBanksIsOneUndoStepOnTheController() {
        TOknoNaSymulatorze w(Cichy);
        QTemporaryDir dokumenty;
        QVERIFY(w.Polacz(
            [&dokumenty](TOknoTestowe& t) { t.s().KatalogDokumentow = dokumenty.path(); }));
        TOknoTestowe& t = *w.okno;
        TSterownik& s = t.s();
        t.Klik(QStringLiteral("SpeedButton3"));
        auto* wykres = t.W<TGrafika>("Grafika1");
        // The simulator's banks differ; "both" copies bank 1 to bank 2 first.
        t.Klik(QStringLiteral("SpeedButton85"));
        QCOMPARE(wykres->WyborBankuMnoznika, 0);
        QVERIFY(QTest::qWaitFor([&s] { return Spokojnie(s); }, 15000));
        const QByteArray mnoznik1 = w.Blok("Mnoznik1.bin"), mnoznik2 = w.Blok("Mnoznik2.bin");
        QCOMPARE(mnoznik2, mnoznik1);
        MapyBogate(s);
        const size_t krokow = s.Cofanie.Kroki().size();

        t.Klik(QStringLiteral("Btn54"));
        QVERIFY(wykres->Propozycja() && wykres->Propozycja()->Zmienia());
        const TPropozycja propozycja = *wykres->Propozycja();
        t.Klik(QStringLiteral("Btn53"));
        QVERIFY(QTest::qWaitFor([&s] { return Spokojnie(s); }, 15000));
        // Both banks hold the proposal: its values at unchanged positions.
        const QByteArray po1 = w.Blok("Mnoznik1.bin");
        QCOMPARE(po1, Bajty(s.Mnoznik1));
        QCOMPARE(w.Blok("Mnoznik2.bin"), po1);
        for (const TPunktPropozycji& p : propozycja.punkty) {
            QCOMPARE(int(quint8(po1[p.pozycja])), p.nowa);
            QCOMPARE(int(s.Nastawy[190 + p.k]), p.pozycja);
        }
        QCOMPARE(s.Cofanie.Kroki().size(), krokow + 1);
        QCOMPARE(wykres->NotaPropozycji(), 2256);
        QCOMPARE(Napis(t, "Btn52"), QStringLiteral("Erase gas map"));

        // One undo takes both banks back.
        t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuUndo"))->trigger();
        QVERIFY(QTest::qWaitFor([&s] { return Spokojnie(s); }, 15000));
        QCOMPARE(w.Blok("Mnoznik1.bin"), mnoznik1);
        QCOMPARE(w.Blok("Mnoznik2.bin"), mnoznik2);

        // The gas map erased from the command bar ends the note.
        TOdpowiedz tak(QMessageBox::Yes);
        t.Klik(QStringLiteral("Btn52"));
        QVERIFY(tak.pokazano);
        QCOMPARE(wykres->NotaPropozycji(), 0);
        QVERIFY(QTest::qWaitFor([&s] { return Spokojnie(s); }, 15000));
        QCOMPARE(w.Blok("MapaEcuGaz.bin"), QByteArray(256, '\0'));
        QVERIFY(w.Zakoncz());
    }
};

QTEST_MAIN(TestPropozycjaOkno)
#include "tst_propozycja_okno.moc"
