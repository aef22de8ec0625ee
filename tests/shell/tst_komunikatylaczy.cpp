// A box that a link asks for from inside its tick: the link keeps polling while it is open.
// The reply arrives through a pseudo-terminal and the real tick, as from a controller.

#include "KontrolerPty.h"
#include "OknoTestowe.h"

class TestKomunikatyLaczy : public QObject {
    Q_OBJECT

    // Four ticks make a slot; every slot sends one request.
    static int ZadaniaPrzezTykniecia(TOknoTestowe& t, TKontrolerPty& pty, int tykniecia) {
        int zadania = 0;
        for (int i = 0; i < tykniecia; ++i) {
            t.s().Timer1OnTimer();
            while (pty.Odbierz(20))
                ++zadania;
        }
        return zadania;
    }

    // English, the controller on COM5, which is the test's pseudo-terminal.
    static std::function<void(QSettings&)> NaPorcie(const TKontrolerPty& pty) {
        return [&pty](QSettings& u) {
            u.setValue(QStringLiteral("Selvar2/Lang"), 0);
            u.setValue(QStringLiteral("Selvar2/Comm"), 5);
            u.setValue(QStringLiteral("Selvar2/Ports/COM5"), pty.Sciezka());
        };
    }

    // Connected, with the first requests of the connection read away.
    static bool Polacz(TOknoTestowe& t, TKontrolerPty& pty) {
        t.s().CzasOtwarcia = 0;
        if (!t.s().PortOpen(-1)) return false;
        ZadaniaPrzezTykniecia(t, pty, 8);
        return true;
    }

private slots:
    void bootloaderBoxLeavesTheLinkRunning() {
        TKontrolerPty pty;
        TOknoTestowe t(NaPorcie(pty));
        QVERIFY(Polacz(t, pty));

        TOdpowiedz ok(QMessageBox::Ok);
        int wTrakcie = -1;
        // The bootloader takes no polls, so the slots that ran tell that the tick did.
        ok.wTrakcie = [&] {
            const int przed = t.s().NumerSlotu();
            ZadaniaPrzezTykniecia(t, pty, 16);
            wTrakcie = t.s().NumerSlotu() - przed;
        };
        // A controller answering from its bootloader: identity with status 1.
        pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, Tozsamosc(), 1));
        t.s().Timer1OnTimer();
        // After the box the window offers the firmware dialog, closed here unused.
        QTimer zamykanie;
        QObject::connect(&zamykanie, &QTimer::timeout, [] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
        });
        zamykanie.start(10);
        QTRY_VERIFY(ok.pokazano);
        QCOMPARE(ok.tekst, t.okno->PodajTekst(1365));
        // Sixteen ticks are four slots: the link went on running while the box was open.
        QVERIFY2(wTrakcie >= 3, qPrintable(QString::number(wTrakcie)));
    }

    void calibrationAbortBoxLeavesTheLinkRunning() {
        TKontrolerPty pty;
        TOknoTestowe t(NaPorcie(pty));
        QVERIFY(Polacz(t, pty));
        t.Klawisz(Qt::Key_F2);
        t.Klik(QStringLiteral("Btn54"));

        TOdpowiedz ok(QMessageBox::Ok);
        int wTrakcie = -1;
        ok.wTrakcie = [&] { wTrakcie = ZadaniaPrzezTykniecia(t, pty, 16); };
        // Live frames of a calibration step without revolutions abort it.
        for (int i = 0; i < 15; ++i) {
            pty.Wyslij(RamkaTestowa::Odpowiedz(0x91, TRamka(92)(17, 0)(18, 0).dane));
            t.s().Timer1OnTimer();
        }
        QTRY_VERIFY(ok.pokazano);
        QCOMPARE(ok.tekst, t.okno->PodajTekst(1292));
        QVERIFY2(wTrakcie >= 3, qPrintable(QString::number(wTrakcie)));
    }
};

QTEST_MAIN(TestKomunikatyLaczy)
#include "tst_komunikatylaczy.moc"
