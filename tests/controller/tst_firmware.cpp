// The firmware update in the link engine: which files arm it, and the sequence tick by tick
// over a pseudo-terminal with the test playing the controller and its bootloader.

#include "Bloki.h"
#include "ObrazTestowy.h"
#include "PlikTestowy.h"
#include "RamkaTestowa.h"
#include "Stanowisko.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Nic = -1;

QByteArray Potwierdzenie() {
    return RamkaTestowa::Odpowiedz(0xFF);
}

} // namespace

class TestFirmware : public QObject {
    Q_OBJECT

    QTemporaryDir katalog;

    QString Plik(const QByteArray& dane) {
        static int n = 0;
        const QString sciezka = katalog.filePath(QStringLiteral("f%1.img").arg(++n));
        if (!ObrazTestowy::Zapisz(sciezka, dane)) qFatal("cannot write %s", qPrintable(sciezka));
        return sciezka;
    }

    // Connected, the bootloader or the application having answered with the test hardware.
    static void Polacz(TStanowisko& st, quint8 status) {
        QVERIFY(st.Otworz());
        QCOMPARE(st.Slot()->kod, 0x81);
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, ObrazTestowy::Tozsamosc(), status));
        st.Slot();
    }

    // From Aktualizacja to the first block: the jump, 8 silent slots, the identity.
    static void DoPierwszegoBloku(TStanowisko& st) {
        const auto skok = st.Slot();
        QVERIFY(skok);
        QCOMPARE(skok->kod, 0x8E);
        QVERIFY(st.Zalogowano(QStringLiteral("\n  Skok do bootloader-a")));
        QCOMPARE(st.Sloty(8), QList<int>(8, Nic));
        QCOMPARE(st.Slot()->kod, 0x81);
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, ObrazTestowy::Tozsamosc(), 1));
        QCOMPARE(st.Sloty(1), QList<int>{Nic}); // the wait after the identity request
        QCOMPARE(st.s->FlashZapis, 1);
    }

    static int NumerBloku(const TZadanie& z) {
        return static_cast<quint8>(z.dane[0]) | (static_cast<quint8>(z.dane[1]) << 8);
    }

private slots:
    void fileIsAcceptedOnlyWhenWholeAndFitting_data() {
        QTest::addColumn<QByteArray>("dane");
        QTest::addColumn<bool>("przyjety");
        const QByteArray dobry = ObrazTestowy::Plik(24);
        QTest::newRow("256 + 57344 bytes, matching") << dobry << true;
        QTest::newRow("65535 bytes") << ObrazTestowy::Plik(24, 0, 65535) << true;
        QTest::newRow("65536 bytes") << ObrazTestowy::Plik(24, 0, 65536) << false;
        QTest::newRow("one byte short") << dobry.left(dobry.size() - 1) << false;
        QTest::newRow("header only") << dobry.left(256) << false;
        QTest::newRow("version 0") << ObrazTestowy::Plik(0) << false;
        for (int pozycja : {0, 8, 18, 20, 21}) {
            QByteArray inny = dobry;
            inny[pozycja] = static_cast<char>(inny[pozycja] ^ 0x40);
            QTest::addRow("byte %d differs", pozycja) << inny << false;
        }
    }
    void fileIsAcceptedOnlyWhenWholeAndFitting() {
        QFETCH(QByteArray, dane);
        QFETCH(bool, przyjety);
        TStanowisko st;
        Polacz(st, 0);
        st.s->ObrazFlash[300] = 0x5A;
        QCOMPARE(st.s->Aktualizacja(1, Plik(dane)), przyjety);
        QCOMPARE(st.s->FlashUzbrojony, przyjety ? 1 : 0);
        QCOMPARE(st.s->SkokDoBootloadera, przyjety ? 1 : 0);
        QCOMPARE(st.s->ObrazFlash[300], przyjety ? static_cast<quint8>(dane[300]) : 0x5A);
    }

    void missingFileIsRefused() {
        TStanowisko st;
        QVERIFY(!st.s->Aktualizacja(1, katalog.filePath(QStringLiteral("brak.img"))));
        QCOMPARE(st.s->FlashUzbrojony, 0);
    }

    void everyFileStartsFromAClearBuffer() {
        TStanowisko st;
        Polacz(st, 0);
        QByteArray dlugi = ObrazTestowy::Plik(24, 0, 65535);
        dlugi[65000] = '\x77';
        QVERIFY(st.s->Aktualizacja(1, Plik(dlugi)));
        QCOMPARE(st.s->ObrazFlash[65000], 0x77);
        QVERIFY(st.s->Aktualizacja(1, Plik(ObrazTestowy::Plik(25))));
        QCOMPARE(st.s->ObrazFlash[65000], 0);
    }

    // A settings file loaded while connected brings its own identity copy: here one saved
    // from a board of generation 2 whose bootloader answered (status 1 at frame position 5).
    // The update is checked, and the link kept going, by what the controller replied.
    void aLoadedFilesIdentityNeitherArmsNorSilences() {
        TStanowisko st;
        Polacz(st, 0);
        QByteArray plik = st.s->ObrazModelu(false);
        plik[128 + 3] = static_cast<char>(0x81);
        plik[128 + 5] = 1;
        plik[128 + 42] = 2;
        TPlikTestowy pliki;
        pliki.sciezka = katalog.filePath(QStringLiteral("bootloader.set"));
        QVERIFY(ObrazTestowy::Zapisz(pliki.sciezka, plik));
        st.s->OknaPlikow = &pliki;
        st.s->CzytajUstawienia();
        QCOMPARE(st.s->IdentSterownika[42], 2);
        QByteArray innaPlytka = ObrazTestowy::Plik(24);
        innaPlytka[20] = 2;
        QVERIFY(!st.s->Aktualizacja(1, Plik(innaPlytka)));
        QCOMPARE(st.s->FlashUzbrojony, 0);
        // The loaded blocks and the live polls still go out.
        const QList<int> kody = st.Sloty(6);
        QVERIFY(kody.contains(0x90));
        QVERIFY(st.s->Aktualizacja(1, Plik(ObrazTestowy::Plik(24))));
    }

    void noUpdateBeforeTheControllerHasAnsweredOnThisConnection() {
        TStanowisko st;
        QVERIFY(!st.s->Aktualizacja(1, Plik(ObrazTestowy::Plik(24))));
        Polacz(st, 0);
        QVERIFY(st.Otworz());
        QCOMPARE(st.Slot()->kod, 0x81);
        QVERIFY(!st.s->Aktualizacja(1, Plik(ObrazTestowy::Plik(24))));
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, ObrazTestowy::Tozsamosc(), 0));
        st.Slot();
        QVERIFY(st.s->Aktualizacja(1, Plik(ObrazTestowy::Plik(24))));
    }

    void wholeUpdateFromJumpToFreshReads() {
        TStanowisko st;
        Polacz(st, 0);
        st.s->DoOdczytu = 0;
        st.s->Rozkazy = 0;
        const QByteArray obraz = ObrazTestowy::Plik(24);
        QVERIFY(st.s->Aktualizacja(1, Plik(obraz)));
        DoPierwszegoBloku(st);
        QCOMPARE(st.s->Historia[0] & 1, 1); // kind 0: firmware
        QByteArray odebrany;
        for (int k = 0; k < 224; ++k) {
            const auto z = st.Slot();
            QVERIFY(z);
            QCOMPARE(z->kod, 0xFF);
            QCOMPARE(NumerBloku(*z), k);
            odebrany += z->dane.mid(2);
            st.pty.Wyslij(Potwierdzenie());
        }
        QCOMPARE(odebrany, obraz.mid(256));
        QVERIFY(st.Zalogowano(QStringLiteral("\n  Zapis Flash")));
        QCOMPARE(st.Slot()->kod, 0x8F);
        QCOMPARE(st.s->LicznikBlokow, 224);
        QCOMPARE(st.s->FlashUzbrojony, 0);
        QCOMPARE(st.s->WersjaPoAktualizacji, 24);
        QCOMPARE(st.Sloty(2), QList<int>(2, Nic));
        QCOMPARE(st.Slot()->kod, 0x81);
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, ObrazTestowy::Tozsamosc(24), 0));
        st.Slot();
        QCOMPARE(st.s->DoOdczytu, Bloki::WszystkieBloki);
    }

    void unacknowledgedBlockIsSentAgainAndStrayAcknowledgementCountsForNothing() {
        TStanowisko st;
        Polacz(st, 0);
        QVERIFY(st.s->Aktualizacja(1, Plik(ObrazTestowy::Plik(24))));
        DoPierwszegoBloku(st);
        QCOMPARE(NumerBloku(*st.Slot()), 0);
        QCOMPARE(NumerBloku(*st.Slot()), 0); // no answer by the next slot
        st.pty.Wyslij(Potwierdzenie());
        QCOMPARE(NumerBloku(*st.Slot()), 1);
        st.pty.Wyslij(Potwierdzenie());
        st.pty.Wyslij(Potwierdzenie()); // the late answer to block 0's second sending
        QCOMPARE(NumerBloku(*st.Slot()), 2);
        QCOMPARE(st.s->LicznikBlokow, 2);
        st.Slot();
        QCOMPARE(st.s->LicznikBlokow, 2);
    }

    void reopeningClearsArmedWritingAndJump() {
        TStanowisko st;
        Polacz(st, 0);
        QVERIFY(st.s->Aktualizacja(1, Plik(ObrazTestowy::Plik(24))));
        QVERIFY(st.Otworz());
        QCOMPARE(st.Slot()->kod, 0x81);
        QCOMPARE(st.s->FlashUzbrojony, 0);
        QCOMPARE(st.s->SkokDoBootloadera, 0);
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, ObrazTestowy::Tozsamosc(), 0));
        st.Slot();

        QVERIFY(st.s->Aktualizacja(1, Plik(ObrazTestowy::Plik(24))));
        DoPierwszegoBloku(st);
        QCOMPARE(st.Slot()->kod, 0xFF);
        QCOMPARE(st.s->FlashZapis, 1);
        QVERIFY(st.Otworz());
        QCOMPARE(st.Slot()->kod, 0x81);
        QCOMPARE(st.s->FlashZapis, 0);
        QCOMPARE(st.s->FlashUzbrojony, 0);
    }

    void bootloaderWithoutUpdateIsLeftAlone() {
        TStanowisko st;
        Polacz(st, 1);
        QCOMPARE(st.Sloty(6), QList<int>(6, Nic));
        QCOMPARE(st.s->BezOdpowiedzi, 0);
        // An update armed there starts with the jump, which the bootloader acknowledges.
        QVERIFY(st.s->Aktualizacja(1, Plik(ObrazTestowy::Plik(24))));
        QCOMPARE(st.Slot()->kod, 0x8E);
    }
};

QTEST_GUILESS_MAIN(TestFirmware)
#include "tst_firmware.moc"
