// The firmware update as the window follows it, the test playing the controller and its
// bootloader on a pseudo-terminal: the dialog offered after an interrupted update, and the
// version the application reports after the return compared with the image's.

#include "FormProg.h"
#include "KontrolerPty.h"
#include "ObrazTestowy.h"
#include "OknoTestowe.h"

#include <QMenuBar>
#include <QPushButton>

namespace {

std::function<void(QSettings&)> NaPorcie(const TKontrolerPty& pty) {
    return [&pty](QSettings& u) {
        u.setValue(QStringLiteral("Selvar2/Lang"), 0);
        u.setValue(QStringLiteral("Selvar2/Comm"), 5);
        u.setValue(QStringLiteral("Selvar2/Ports/COM5"), pty.Sciezka());
    };
}

// The controller's side: the application with its installed version, or the bootloader
// between 0x8E and 0x8F, acknowledging every block.
struct TGracz {
    TOknoTestowe& t;
    TKontrolerPty& pty;
    int wersja = 23;
    int wersjaPoPowrocie = 24;
    bool bootloader = false;

    void Odpowiedz(const TZadanie& z) {
        switch (z.kod) {
        case 0x81:
            pty.Wyslij(
                RamkaTestowa::Odpowiedz(0x81, ObrazTestowy::Tozsamosc(wersja), bootloader ? 1 : 0));
            break;
        case 0x8E:
            bootloader = true;
            break;
        case 0x8F:
            bootloader = false;
            wersja = wersjaPoPowrocie;
            break;
        case 0xFF:
            pty.Wyslij(RamkaTestowa::Odpowiedz(0xFF));
            break;
        default:
            break;
        }
    }
    // Ticks the link, answering each request, until gotowe() or the slots run out.
    bool Graj(const std::function<bool()>& gotowe, int slotow = 400) {
        for (int i = 0; i < slotow && !gotowe(); ++i) {
            const int slot = t.s().NumerSlotu();
            for (int k = 0; k < 40 && t.s().NumerSlotu() == slot; ++k)
                t.s().Timer1OnTimer();
            if (auto z = pty.Odbierz(20)) Odpowiedz(*z);
            QCoreApplication::processEvents();
        }
        return gotowe();
    }
};

} // namespace

class TestFirmwareOkno : public QObject {
    Q_OBJECT

    QTemporaryDir katalog;

    static bool Polacz(TOknoTestowe& t, TGracz& g) {
        t.s().CzasOtwarcia = 0;
        if (!t.s().PortOpen(-1)) return false;
        return g.Graj([&t] { return t.s().IdentZLacza() != nullptr; });
    }

private slots:
    // The update is cut off by a reopening while the dialog still shows its progress; the
    // bootloader's box comes up then, and the dialog is offered once the watchdog closed it.
    void dialogIsOfferedAfterAnInterruptedUpdate() {
        TKontrolerPty pty;
        TOknoTestowe t(NaPorcie(pty));
        TGracz g{t, pty};
        QVERIFY(Polacz(t, g));
        auto* dialog = t.okno->findChild<TFormProg*>(QStringLiteral("FormProg"));
        dialog->Katalog = katalog.path();
        ObrazTestowy::Zapisz(katalog.filePath(QStringLiteral("v24.img")), ObrazTestowy::Plik(24));
        dialog->show();
        {
            TOdpowiedz tak(QMessageBox::Yes);
            dialog->Wgraj();
            QCOMPARE(tak.tekst, QStringLiteral("Update the controller from v23 to v24?"));
        }
        QVERIFY(dialog->Aktualizuje());
        QVERIFY(g.Graj([&g] { return g.bootloader; }));

        QVERIFY(t.s().PortOpen(-1));
        TOdpowiedz bladOprogramowania(QMessageBox::Ok);
        QVERIFY(g.Graj([&] { return bladOprogramowania.pokazano; }));
        QCOMPARE(bladOprogramowania.tekst, t.okno->PodajTekst(1365));
        QCOMPARE(t.s().FlashUzbrojony, 0);
        QVERIFY(dialog->isVisible());

        bool zaoferowany = false;
        QTimer szukanie;
        QObject::connect(&szukanie, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget() != dialog) return;
            zaoferowany = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->isVisible();
            static_cast<QDialog*>(dialog)->reject();
        });
        szukanie.start(10);
        TOdpowiedz brakOdpowiedzi(QMessageBox::Ok);
        dialog->Timer1OnTimer();
        QCOMPARE(brakOdpowiedzi.tekst, t.okno->PodajTekst(1370));
        QTRY_VERIFY(zaoferowany);
    }

    // Acknowledgements carry no block number: a late one can let a block go unwritten, and
    // the application then comes back with its old version.
    void versionAfterTheReturnIsComparedWithTheImage_data() {
        QTest::addColumn<int>("poPowrocie");
        QTest::addColumn<bool>("blad");
        QTest::newRow("the image's version") << 24 << false;
        QTest::newRow("the old version") << 23 << true;
    }
    void versionAfterTheReturnIsComparedWithTheImage() {
        QFETCH(int, poPowrocie);
        QFETCH(bool, blad);
        TKontrolerPty pty;
        TOknoTestowe t(NaPorcie(pty));
        TGracz g{t, pty};
        g.wersjaPoPowrocie = poPowrocie;
        QVERIFY(Polacz(t, g));
        const QString sciezka = katalog.filePath(QStringLiteral("v24.img"));
        ObrazTestowy::Zapisz(sciezka, ObrazTestowy::Plik(24));
        QVERIFY(t.s().Aktualizacja(1, sciezka));
        TOdpowiedz wynik(QMessageBox::Ok);
        QVERIFY(g.Graj(
            [&] {
                const unsigned char* ident = t.s().IdentZLacza();
                return t.s().LicznikBlokow == 224 && ident && ident[5] == 0;
            },
            600));
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        // Either way the installer is told how it ended.
        QVERIFY(wynik.pokazano);
        QCOMPARE(wynik.tekst, blad ? t.okno->PodajTekst(1378).arg(23).arg(24)
                                   : t.okno->PodajTekst(2123).arg(QStringLiteral("v24")));
        QCOMPARE(t.s().WersjaPoAktualizacji, 0);
    }
};

QTEST_MAIN(TestFirmwareOkno)
#include "tst_firmware_okno.moc"
