// The whole window calibrating against selvar-sim: while the "calibration finished" box is
// open, the link goes on polling (the simulator's request log) and the live panel follows.
// Both sides go ten times faster, as in the link's own calibration test: the link is ticked
// every 2.5 ms and the simulator runs at --speed 10, so five simulated seconds take 0.5 s.
// Its replies then leave at once: the latency it draws by default fits the line's 100 ms slot,
// not a slot of 10 ms.

#include "OknoTestowe.h"
#include "ProcesSymulatora.h"
#include "TNastawy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableWidget>
#include <QThread>

namespace {

// Live polls (0x90, 0x91 during a calibration) in the simulator's request log.
int OdpytaniaBiezacych(const QString& dziennik) {
    QFile f(dziennik);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    int ile = 0;
    for (const QByteArray& linia : f.readAll().split('\n'))
        ile += linia.contains("\"code\": 144") || linia.contains("\"code\":144") ||
               linia.contains("\"code\": 145") || linia.contains("\"code\":145");
    return ile;
}

} // namespace

class TestKalibracjaOknoE2e : public QObject {
    Q_OBJECT

    static bool Tykaj(TOknoTestowe& t, const std::function<bool()>& warunek, int ms) {
        QElapsedTimer czas;
        czas.start();
        while (!warunek()) {
            if (czas.elapsed() > ms) return false;
            t.s().Timer1OnTimer();
            QCoreApplication::processEvents();
            QThread::usleep(2500);
        }
        return true;
    }

private slots:
    void finishedBoxLeavesTheLinkRunning() {
        QTemporaryDir katalog;
        const QString dziennik = katalog.filePath(QStringLiteral("zadania.jsonl"));
        const QString bloki = katalog.filePath(QStringLiteral("bloki"));
        QVERIFY(QDir().mkpath(bloki));
        TProcesSymulatora symulator(QStringLiteral(SELVAR_SIM),
                                    {QStringLiteral("--warm"), QStringLiteral("--channels"),
                                     QStringLiteral("4"), QStringLiteral("--speed"),
                                     QStringLiteral("10"), QStringLiteral("--calibration-target"),
                                     QStringLiteral("150"), QStringLiteral("--latency"),
                                     QStringLiteral("0"), QStringLiteral("--log"), dziennik,
                                     QStringLiteral("--blocks-dir"), bloki});
        TOpcjeOkna opcje;
        opcje.PortSterownika = symulator.Sciezka();
        TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }, opcje);
        t.s().CzasOtwarcia = 0;
        QVERIFY(t.s().PortOpen(-1));
        QVERIFY(Tykaj(
            t,
            [&] {
                return t.s().DoOdczytu == 0 && (t.s().RamkaRx[17] | t.s().RamkaRx[18] << 8) > 0;
            },
            20000));

        auto* siatka = t.W<QTableWidget>("StringGridParametry");
        TOdpowiedz ok(QMessageBox::Ok);
        int odpytania = -1;
        QStringList obroty;
        ok.wTrakcie = [&] {
            const int przed = OdpytaniaBiezacych(dziennik);
            for (int i = 0; i < 200; ++i) {
                t.s().Timer1OnTimer();
                QThread::usleep(2500);
                if (!obroty.contains(siatka->item(0, 1)->text()))
                    obroty << siatka->item(0, 1)->text();
            }
            QTRY_VERIFY(OdpytaniaBiezacych(dziennik) > przed);
            odpytania = OdpytaniaBiezacych(dziennik) - przed;
        };
        t.Klawisz(Qt::Key_F2);
        t.Klik(QStringLiteral("Btn54"));
        QVERIFY(Tykaj(
            t, [&] { return ok.pokazano; }, 60000));

        QCOMPARE(ok.tekst, t.okno->PodajTekst(1293) + QLatin1Char('\n') + t.okno->PodajTekst(1294) +
                               QLatin1Char('\n') + t.okno->PodajTekst(1295));
        // 200 ticks are 25 live polls; a link stopped by the box would send none.
        QVERIFY2(odpytania >= 15, qPrintable(QString::number(odpytania)));
        // The revolutions kept changing on the panel while the box was open.
        QVERIFY2(obroty.size() >= 2, qPrintable(obroty.join(QLatin1Char(' '))));
        qInfo("setting 90 after calibration: %d", t.s().Nastawy[90]);

        // What the run measured reaches the controller: the editor shows what it holds.
        TSterownik& s = t.s();
        QVERIFY(Tykaj(
            t, [&] { return s.DoZapisu == 0 && s.BezPotwierdzenia == 0; }, 10000));
        QFile plik(bloki + QStringLiteral("/Nastawy.bin"));
        QVERIFY(plik.open(QIODevice::ReadOnly));
        const QByteArray sterownik = plik.readAll();
        QVERIFY(sterownik.size() > 94);
        for (int n = 83; n <= 94; ++n)
            QCOMPARE(int(s.Nastawy[n]), int(quint8(sterownik[n])));
        qInfo("setting 86 after calibration: %s",
              qPrintable(t.W<TNastawy>("Nastawy1")->StrWartosc(86)));
    }
};

QTEST_MAIN(TestKalibracjaOknoE2e)
#include "tst_kalibracja_okno_e2e.moc"
