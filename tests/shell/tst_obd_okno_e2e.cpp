// The OBD tab of the window against elm327-sim, its reader's timer running: the monitors page
// with its summary line, a state per monitor and the vehicle information once the reader is
// connected; the freeze frame under the stored codes after "Read errors".

#include "OknoTestowe.h"
#include "SymulatorElm.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

namespace {

constexpr int Termin = 120000; // ms; a K-line bus initialises slowly

void Angielski(QSettings& u) {
    u.setValue(QStringLiteral("Selvar2/Lang"), 0);
}

QStringList Kolumna(const QTableWidget& siatka, int kolumna) {
    QStringList teksty;
    for (int w = 0; w < siatka.rowCount(); ++w)
        teksty << (siatka.item(w, kolumna) ? siatka.item(w, kolumna)->text() : QString());
    return teksty;
}

} // namespace

class TestObdOknoE2e : public QObject {
    Q_OBJECT

private slots:
    void monitoryRamkaIVin_data() {
        QTest::addColumn<QString>("protokol");
        QTest::newRow("CAN 11 bit") << "6";
        QTest::newRow("ISO 9141, the VIN in five messages") << "3";
    }
    void monitoryRamkaIVin() {
        QFETCH(QString, protokol);
        TSymulatorElm elm({"--protocol", protokol, "--ecus", "2"});
        QVERIFY(!elm.Sciezka().isEmpty());
        TOpcjeOkna opcje;
        opcje.PortElm = elm.Sciezka();
        TOknoTestowe t(Angielski, opcje);
        t.Klik(QStringLiteral("SpeedButton6"));
        t.Klik(QStringLiteral("SpeedButton43"));
        QVERIFY(t.W("PanelMonitory")->isVisible());
        QVERIFY(!t.W("RichEditDtc")->isVisible());
        auto* informacje = t.W<QLabel>("LabelInformacje");
        QVERIFY(QTest::qWaitFor([&] { return informacje->text().contains(u"VIN"); }, Termin));

        QCOMPARE(t.W<QLabel>("LabelGotowosc")->text(),
                 QStringLiteral("7 of 8 monitors ready (spark ignition)"));
        const auto& siatka = *t.W<QTableWidget>("StringGridMonitory");
        QCOMPARE(Kolumna(siatka, 0),
                 (QStringList{"Misfire", "Fuel system", "Components", "Catalyst", "Heated catalyst",
                              "Evaporative system", "Secondary air system", "A/C refrigerant",
                              "Oxygen sensor", "Oxygen sensor heater", "EGR / VVT system"}));
        QCOMPARE(Kolumna(siatka, 1),
                 (QStringList{"ready", "ready", "ready", "ready", "not supported", "not ready",
                              "not supported", "not supported", "ready", "ready", "ready"}));
        QCOMPARE(siatka.item(5, 1)->foreground().color(), QColor(0xFF0000u));
        QCOMPARE(siatka.item(0, 1)->foreground().color(), QColor(0x008000u));
        const QString ecu =
            protokol == QLatin1String("6") ? QStringLiteral("7E9h") : QStringLiteral("11h");
        QVERIFY2(
            informacje->text().contains(QStringLiteral("ECU %1  VIN: VF1SELVAR0E327001").arg(ecu)),
            qPrintable(informacje->text()));
        QVERIFY(informacje->text().contains(QStringLiteral("ECU name: ECM-EngineControl")));
        QVERIFY(informacje->text().contains(QStringLiteral("Calibration ID: TCM-AT6-0107")));

        t.Klik(QStringLiteral("SpeedButton41"));
        QCOMPARE(t.W<QPushButton>("Btn51")->text(), QStringLiteral("Read errors"));
        t.Klik(QStringLiteral("Btn51"));
        auto* dtc = t.W<QTextEdit>("RichEditDtc");
        QVERIFY(QTest::qWaitFor(
            [&] { return dtc->toPlainText().contains(QStringLiteral("Vehicle speed")); }, Termin));
        const QString kody = dtc->toPlainText();
        const qsizetype ramka = kody.indexOf(QStringLiteral("Freeze frame (code P0300)"));
        QVERIFY2(ramka > kody.indexOf(QStringLiteral("P0300\n")), qPrintable(kody));
        QCOMPARE(kody.mid(ramka).split(u'\n').mid(1, 6),
                 (QStringList{"Calculated engine load value: 78.4[%]",
                              "Engine coolant temperature: 88[°C]",
                              "Short term fuel Bank 1: 9.4[%]", "Long term fuel Bank 1: 14.1[%]",
                              "Engine RPM: 3120[rpm]", "Vehicle speed: 96[km/h]"}));
    }
};

QTEST_MAIN(TestObdOknoE2e)
#include "tst_obd_okno_e2e.moc"
