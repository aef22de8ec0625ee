// Firmware updates end to end against selvar-sim's bootloader: in the window, cut off half
// way and finished from the dialog the window offers afterwards, and with selvar-cli over
// a line that loses and damages acknowledgements. The image the simulator ends holding is
// compared by its hash from the simulator's log.

#include "ObrazTestowy.h"
#include "OknoTestowe.h"
#include "ProcesSymulatora.h"

#include "FormProg.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>

namespace {

// The link runs five times faster than on the line; the simulator answers at once.
constexpr int TaktMs = 5;

QByteArray Skrot(const QByteArray& plik) {
    return QCryptographicHash::hash(plik.mid(256, 57344), QCryptographicHash::Sha256).toHex();
}

// The last return from the bootloader in the simulator's log: blocks held and their hash.
QJsonObject Powrot(const QString& log) {
    QFile f(log);
    QJsonObject ostatni;
    if (!f.open(QIODevice::ReadOnly)) return ostatni;
    for (const QByteArray& linia : f.readAll().split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(linia).object();
        if (o.contains(QStringLiteral("image_sha256"))) ostatni = o;
    }
    return ostatni;
}

// selvar-sim with its log in a folder of the test, and its line behind a link there.
struct TSymulator {
    QTemporaryDir katalog;
    TProcesSymulatora proces;
    explicit TSymulator(QStringList argumenty)
        : proces(QStringLiteral(SELVAR_SIM),
                 argumenty << QStringLiteral("--no-ignition") << QStringLiteral("--log")
                           << katalog.filePath(QStringLiteral("log.json"))
                           << QStringLiteral("--link")
                           << katalog.filePath(QStringLiteral("selvar"))) {}
    QString Lacze() const { return katalog.filePath(QStringLiteral("selvar")); }
    QJsonObject Powrot() const { return ::Powrot(katalog.filePath(QStringLiteral("log.json"))); }
    QString Obraz(const QString& nazwa, const QByteArray& dane) const {
        QDir(katalog.path()).mkpath(QStringLiteral("Firmware"));
        const QString sciezka = katalog.filePath(QStringLiteral("Firmware/") + nazwa);
        ObrazTestowy::Zapisz(sciezka, dane);
        return sciezka;
    }
};

// The window on the simulator's line with its timers running and the link five times
// faster; the firmware dialog looks in the simulator's folder.
struct TOknoNaSymulatorze {
    TOknoTestowe t;
    TFormProg* dialog;
    explicit TOknoNaSymulatorze(const TSymulator& sym)
        : t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }, Opcje(sym)),
          dialog(t.okno->findChild<TFormProg*>(QStringLiteral("FormProg"))) {
        dialog->Katalog = sym.katalog.filePath(QStringLiteral("Firmware"));
        t.Zegar(QStringLiteral("Timer1"))->start();
        t.s().Zegar().setInterval(TaktMs);
        t.s().Zegar().start();
    }
    static TOpcjeOkna Opcje(const TSymulator& sym) {
        TOpcjeOkna opcje;
        opcje.PortSterownika = sym.Lacze();
        return opcje;
    }
};

struct TWynik {
    int kod = -1;
    QString bledy;
};

TWynik Cli(const TSymulator& sym, const QStringList& argumenty) {
    QProcess p;
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QStringLiteral("XDG_CONFIG_HOME"),
                      sym.katalog.filePath(QStringLiteral("cfg")));
    srodowisko.insert(QStringLiteral("SELVAR_CLI_TICK_MS"), QString::number(TaktMs));
    p.setProcessEnvironment(srodowisko);
    p.start(QStringLiteral(SELVAR_CLI), QStringList{QStringLiteral("flash")} + argumenty +
                                            QStringList{QStringLiteral("--port"), sym.Lacze()});
    TWynik w;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return w;
    }
    w.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    w.bledy = QString::fromUtf8(p.readAllStandardError());
    return w;
}

// Clicks Upload each time the firmware dialog is shown modally with its list, and Yes to
// the question that follows. With SELVAR_ZRZUTY naming a folder, the dialog's list and its
// progress are saved there.
struct TWgrywanie {
    QTimer szukanie;
    int klikniec = 0;
    QStringList pytania;
    bool postepZapisany = false;
    explicit TWgrywanie(std::function<int()> bloki) {
        szukanie.setInterval(10);
        QObject::connect(&szukanie, &QTimer::timeout, [this, bloki] {
            QWidget* d = QApplication::activeModalWidget();
            auto* pytanie = qobject_cast<QMessageBox*>(d);
            if (pytanie && pytanie->button(QMessageBox::Yes)) {
                pytania << pytanie->text();
                pytanie->button(QMessageBox::Yes)->click();
                return;
            }
            auto* wgraj = d && d->objectName() == QLatin1String("FormProg")
                              ? d->findChild<QPushButton*>(QStringLiteral("BitBtn2"))
                              : nullptr;
            if (!wgraj) return;
            if (!wgraj->isVisible()) {
                if (!postepZapisany && bloki() >= 60) postepZapisany = Zrzut(*d, "postep");
                return;
            }
            if (++klikniec == 1) Zrzut(*d, "lista");
            // Clicked from outside this timer, which is not called again while it runs and
            // must answer the question the click brings up.
            QTimer::singleShot(0, wgraj, &QPushButton::click);
        });
        szukanie.start();
    }
    static bool Zrzut(QWidget& d, const char* nazwa) {
        const QString folder = qEnvironmentVariable("SELVAR_ZRZUTY");
        if (!folder.isEmpty())
            d.grab().save(QDir(folder).filePath(QStringLiteral("firmware-%1.png").arg(nazwa)));
        return true;
    }
};

} // namespace

class TestFirmwareE2e : public QObject {
    Q_OBJECT

private slots:
    void windowUpdateCutOffIsFinishedFromTheOfferedDialog() {
        TSymulator sym({QStringLiteral("--stall-block"), QStringLiteral("100"),
                        QStringLiteral("--stall-seconds"), QStringLiteral("2")});
        QVERIFY(!sym.proces.Sciezka().isEmpty());
        const QByteArray obraz = ObrazTestowy::Plik(24);
        sym.Obraz(QStringLiteral("v22.img"), ObrazTestowy::Plik(22));
        sym.Obraz(QStringLiteral("v24.img"), obraz);
        TOknoNaSymulatorze o(sym);
        TOknoTestowe& t = o.t;
        o.dialog->CzasStraznikaMs = 1000;
        QTRY_VERIFY_WITH_TIMEOUT(t.okno->windowTitle().contains(QStringLiteral(" v23")), 10000);

        TWgrywanie wgrywanie([&t] { return t.s().LicznikBlokow; });
        {
            // The simulator falls silent after block 100: the watchdog gives up.
            TOdpowiedz brakOdpowiedzi(QMessageBox::Ok);
            QTimer::singleShot(0, t.okno.get(), [&] {
                t.okno->menuBar()
                    ->findChild<QAction*>(QStringLiteral("MenuFileFirmware"))
                    ->trigger();
            });
            QTRY_VERIFY_WITH_TIMEOUT(brakOdpowiedzi.pokazano, 20000);
            QCOMPARE(brakOdpowiedzi.tekst, t.okno->PodajTekst(1370));
            QCOMPARE(t.s().LicznikBlokow, 100);
        }
        // It answers again from its bootloader: the window says so and offers the dialog.
        TOdpowiedz bladOprogramowania(QMessageBox::Ok);
        QTRY_VERIFY_WITH_TIMEOUT(bladOprogramowania.pokazano, 20000);
        QCOMPARE(bladOprogramowania.tekst, t.okno->PodajTekst(1365));
        TOdpowiedz gotowe(QMessageBox::Ok);
        QTRY_VERIFY_WITH_TIMEOUT(t.okno->windowTitle().contains(QStringLiteral(" v24")), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(gotowe.pokazano, 10000);
        QCOMPARE(
            gotowe.tekst,
            QStringLiteral("The update has finished. The controller now reports version v24."));
        QCOMPARE(wgrywanie.klikniec, 2);
        QCOMPARE(wgrywanie.pytania.size(), 2);
        QCOMPARE(t.s().LicznikBlokow, 224);
        const QJsonObject powrot = sym.Powrot();
        QCOMPARE(powrot.value(QStringLiteral("image_blocks")).toInt(), 224);
        QCOMPARE(powrot.value(QStringLiteral("image_sha256")).toString().toLatin1(), Skrot(obraz));
        t.okno->close();
    }

    // Three silent seconds in the middle of the blocks are a lost link to the window, but
    // the dialog's watchdog waits five: the update goes on from the same block, with no box,
    // no reopening and one upload.
    void windowUpdateOutlastsABootloaderStall() {
        TSymulator sym({QStringLiteral("--stall-block"), QStringLiteral("100"),
                        QStringLiteral("--stall-seconds"), QStringLiteral("3")});
        QVERIFY(!sym.proces.Sciezka().isEmpty());
        const QByteArray obraz = ObrazTestowy::Plik(24);
        sym.Obraz(QStringLiteral("v24.img"), obraz);
        TOknoNaSymulatorze o(sym);
        TOknoTestowe& t = o.t;
        QCOMPARE(o.dialog->CzasStraznikaMs, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(t.okno->windowTitle().contains(QStringLiteral(" v23")), 10000);

        TWgrywanie wgrywanie([&t] { return t.s().LicznikBlokow; });
        // Boxes other than the question are noted and closed, so the test goes on.
        QStringList komunikaty;
        QTimer zamykanie;
        QObject::connect(&zamykanie, &QTimer::timeout, [&komunikaty] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (m && !m->button(QMessageBox::Yes)) {
                komunikaty << m->text();
                m->done(QMessageBox::Ok);
            }
        });
        zamykanie.start(10);
        QTimer::singleShot(0, t.okno.get(), [&] {
            t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuFileFirmware"))->trigger();
        });
        QTRY_VERIFY_WITH_TIMEOUT(t.okno->windowTitle().contains(QStringLiteral(" v24")), 40000);
        // Only the result, once the application is back.
        const QString gotowe =
            QStringLiteral("The update has finished. The controller now reports version v24.");
        QTRY_VERIFY_WITH_TIMEOUT(!komunikaty.isEmpty(), 10000);
        QCOMPARE(komunikaty, QStringList{gotowe});
        QCOMPARE(wgrywanie.pytania,
                 QStringList{QStringLiteral("Update the controller from v23 to v24?")});
        QCOMPARE(wgrywanie.klikniec, 1);
        const QJsonObject powrot = sym.Powrot();
        QCOMPARE(powrot.value(QStringLiteral("image_blocks")).toInt(), 224);
        QCOMPARE(powrot.value(QStringLiteral("image_sha256")).toString().toLatin1(), Skrot(obraz));
        t.okno->close();
    }

    void cliFlashesThroughLostAndDamagedAcknowledgements() {
        TSymulator sym({QStringLiteral("--drop-acks"), QStringLiteral("0.2"),
                        QStringLiteral("--corrupt-acks"), QStringLiteral("0.05")});
        QVERIFY(!sym.proces.Sciezka().isEmpty());
        const QByteArray obraz = ObrazTestowy::Plik(24);
        QElapsedTimer czas;
        czas.start();
        const TWynik w = Cli(sym, {sym.Obraz(QStringLiteral("v24.img"), obraz)});
        qInfo("update at a %d ms tick with 25 %% of acknowledgements lost: %.1f s", TaktMs,
              czas.elapsed() / 1000.0);
        QVERIFY2(w.kod == 0, qPrintable(w.bledy));
        QVERIFY(w.bledy.contains(QStringLiteral("flashing: 100 % (224 of 224 blocks)")));
        QVERIFY(w.bledy.contains(QStringLiteral("1.5.24")));
        const QJsonObject powrot = sym.Powrot();
        QCOMPARE(powrot.value(QStringLiteral("image_sha256")).toString().toLatin1(), Skrot(obraz));
    }

    void cliRefusesFilesThenRecoversAControllerLeftInItsBootloader() {
        TSymulator sym({QStringLiteral("--stall-block"), QStringLiteral("100"),
                        QStringLiteral("--stall-seconds"), QStringLiteral("2")});
        QVERIFY(!sym.proces.Sciezka().isEmpty());
        QByteArray inna = ObrazTestowy::Plik(24);
        inna[20] = 2;
        QCOMPARE(Cli(sym, {sym.Obraz(QStringLiteral("other.img"), inna)}).kod, 3);
        QCOMPARE(Cli(sym, {sym.Obraz(QStringLiteral("v22.img"), ObrazTestowy::Plik(22))}).kod, 3);
        const QString v24 = sym.Obraz(QStringLiteral("v24.img"), ObrazTestowy::Plik(24));
        const TWynik przerwana = Cli(sym, {v24, QStringLiteral("--timeout"), QStringLiteral("1")});
        QCOMPARE(przerwana.kod, 2);
        QVERIFY(przerwana.bledy.contains(QStringLiteral("stopped at block 100 of 224")));
        QTest::qWait(1500); // the rest of the simulator's silence
        const TWynik w = Cli(sym, {v24});
        QVERIFY2(w.kod == 0, qPrintable(w.bledy));
        QVERIFY(w.bledy.contains(QStringLiteral("from its bootloader")));
        QCOMPARE(sym.Powrot().value(QStringLiteral("image_sha256")).toString().toLatin1(),
                 Skrot(ObrazTestowy::Plik(24)));
    }
};

QTEST_MAIN(TestFirmwareE2e)
#include "tst_firmware_e2e.moc"
