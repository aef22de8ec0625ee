// The firmware dialog on its own: the list of images, the downgrade question, the progress
// and the watchdog, with boxes and file dialogs answered by fakes.

#include "FormProg.h"
#include "Komunikat.h"
#include "ObrazTestowy.h"
#include "OknaPlikow.h"
#include "Paleta.h"
#include "PlikTestowy.h"
#include "Stanowisko.h"
#include "Teksty.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct TFakeOkna : TKomunikaty, TOknaPlikow {
    QList<int> pokazane; // text ids, -1 for a question
    QStringList pytania;
    int odpowiedz = Tak;
    QString wybrany;
    QString katalogWyboru;
    int Komunikat(int id, int flagi) override {
        pokazane << id;
        return flagi == Pytanie ? odpowiedz : Ok;
    }
    int KomunikatTekst(const QString& tekst, int flagi) override {
        pokazane << -1;
        pytania << tekst;
        return flagi == Pytanie ? odpowiedz : Ok;
    }
    QString Otworz(const TDialogPliku& d) override {
        katalogWyboru = d.katalog;
        return wybrany;
    }
    QString Zapisz(const TDialogPliku&) override { return {}; }
};

// A controller on a test-played line that has answered the identity, model MAX+ (2).
struct TStol {
    QTemporaryDir katalog;
    TStanowisko st;
    TSterownik& s = *st.s;
    TTeksty teksty;
    TFakeOkna okna;
    TFormProg d{s, teksty, okna, okna, nullptr};

    explicit TStol(int zainstalowana = 23, int status = 0) {
        teksty.Wczytaj();
        teksty.UstawJezyk(Jezyki::Angielski);
        QByteArray ident = ObrazTestowy::Tozsamosc(zainstalowana);
        ident[38 - 6] = 2;
        st.Otworz();
        st.Slot();
        st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, ident, static_cast<quint8>(status)));
        st.Slot();
        d.Katalog = katalog.path();
        d.Przygotuj(TPaleta{}, QStringLiteral("SELVAR"));
    }
    QString Obraz(const QString& nazwa, const QByteArray& dane) {
        const QString sciezka = katalog.filePath(nazwa);
        ObrazTestowy::Zapisz(sciezka, dane);
        return sciezka;
    }
    QTableWidget* Lista() { return d.findChild<QTableWidget*>(QStringLiteral("StringGrid1")); }
    QString Etykieta(const char* nazwa) {
        return d.findChild<QLabel*>(QString::fromLatin1(nazwa))->text();
    }
};

} // namespace

class TestFormProg : public QObject {
    Q_OBJECT

private slots:
    void listsTheImagesThatFitLastOneSelected() {
        TStol t;
        t.Obraz(QStringLiteral("a_v22.img"), ObrazTestowy::Plik(22));
        t.Obraz(QStringLiteral("b_v24b3.img"), ObrazTestowy::Plik(24, 3));
        QByteArray inna = ObrazTestowy::Plik(25);
        inna[20] = 2; // another board generation
        t.Obraz(QStringLiteral("c_other.img"), inna);
        t.Obraz(QStringLiteral("d_readme.txt"), "not an image");
        t.d.show();
        QTableWidget* l = t.Lista();
        QCOMPARE(l->rowCount(), 2);
        QCOMPARE(l->item(0, 0)->text(), QStringLiteral("v22"));
        QCOMPARE(l->item(1, 0)->text(), QStringLiteral("v24 beta3"));
        QCOMPARE(l->item(1, 1)->text(), QStringLiteral("2024.03.05  "));
        QCOMPARE(l->item(1, 3)->text(), t.katalog.filePath(QStringLiteral("b_v24b3.img")));
        QCOMPARE(l->currentRow(), 1);
        QCOMPARE(t.d.windowTitle(), QStringLiteral("SELVAR MAX+ - ") + t.teksty.PodajTekst(1360));
        QCOMPARE(t.Etykieta("Panel1"), QStringLiteral("v23  "));
    }

    // Images too short for the 224 blocks, or longer than a file may be, are not offered.
    void imagesOfTheWrongLengthAreNotListed() {
        TStol t;
        t.Obraz(QStringLiteral("a_short.img"), ObrazTestowy::Plik(25).left(40000));
        t.Obraz(QStringLiteral("b_v24.img"), ObrazTestowy::Plik(24));
        t.Obraz(QStringLiteral("c_long.img"), ObrazTestowy::Plik(26, 0, 65536));
        t.Obraz(QStringLiteral("d_v27.img"), ObrazTestowy::Plik(27, 0, 65535));
        t.d.show();
        QTableWidget* l = t.Lista();
        QCOMPARE(l->rowCount(), 2);
        QCOMPARE(l->item(0, 0)->text(), QStringLiteral("v24"));
        QCOMPARE(l->item(1, 0)->text(), QStringLiteral("v27"));
    }

    // A settings file loaded while connected replaces IdentSterownika with its copy, here
    // of a board of generation 2; the controller on the line said generation 3.
    void imagesAreCheckedAgainstTheControllersReplyNotALoadedFile() {
        TStol t;
        QByteArray plik = t.s.ObrazModelu(false);
        plik[128 + 42] = 2;
        TPlikTestowy pliki;
        pliki.sciezka = t.katalog.filePath(QStringLiteral("inna.set"));
        QVERIFY(ObrazTestowy::Zapisz(pliki.sciezka, plik));
        t.s.OknaPlikow = &pliki;
        t.s.CzytajUstawienia();
        t.s.OknaPlikow = nullptr;
        QCOMPARE(t.s.IdentSterownika[42], 2);
        QByteArray dlaPliku = ObrazTestowy::Plik(25);
        dlaPliku[20] = 2;
        const QString inna = t.Obraz(QStringLiteral("a_gen2.img"), dlaPliku);
        t.Obraz(QStringLiteral("b_v24.img"), ObrazTestowy::Plik(24));
        t.d.show();
        QTableWidget* l = t.Lista();
        QCOMPARE(l->rowCount(), 1);
        QCOMPARE(l->item(0, 0)->text(), QStringLiteral("v24"));
        // Chosen by browsing, it is refused as well.
        l->setCurrentCell(-1, -1);
        t.okna.wybrany = inna;
        t.d.Wgraj();
        QCOMPARE(t.s.FlashUzbrojony, 0);
        QVERIFY(!t.d.Aktualizuje());
        QVERIFY(!t.s.Aktualizacja(1, inna));
    }

    // The watchdog gave up while the bootloader still takes blocks: a second upload is told
    // why it cannot start, not that the file cannot be loaded.
    void secondUploadWhileBlocksGoOutHasItsOwnMessage() {
        TStol t;
        t.Obraz(QStringLiteral("x.img"), ObrazTestowy::Plik(24));
        t.d.show();
        t.d.Wgraj();
        QCOMPARE(t.st.Slot()->kod, 0x8E);
        t.st.Sloty(8);
        QCOMPARE(t.st.Slot()->kod, 0x81);
        t.st.pty.Wyslij(RamkaTestowa::Odpowiedz(0x81, ObrazTestowy::Tozsamosc(), 1));
        t.st.Sloty(2);
        QCOMPARE(t.s.FlashZapis, 1);
        t.d.Timer1OnTimer();
        QCOMPARE(t.okna.pokazane, (QList<int>{-1, 1370}));
        t.d.show();
        QCOMPARE(t.Lista()->rowCount(), 1);
        t.d.Wgraj();
        QCOMPARE(t.okna.pokazane, (QList<int>{-1, 1370, 1374}));
        QVERIFY(!t.d.Aktualizuje());
    }

    // Every upload asks which version goes in; an older one says so first. No starts nothing.
    void uploadAsksFirst_data() {
        QTest::addColumn<int>("wersja");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("pytanie");
        const QString starsza =
            QStringLiteral("The selected version is older than the installed one.\n");
        QTest::newRow("older") << 22 << 0 << starsza + "Update the controller from v23 to v22?";
        QTest::newRow("equal") << 23 << 0 << "Update the controller from v23 to v23?";
        QTest::newRow("newer") << 24 << 0 << "Update the controller from v23 to v24?";
        QTest::newRow("from the bootloader") << 22 << 1 << "Write firmware v22 to the controller?";
    }
    void uploadAsksFirst() {
        QFETCH(int, wersja);
        QFETCH(int, status);
        QFETCH(QString, pytanie);
        for (const int odpowiedz : {TKomunikaty::Nie, TKomunikaty::Tak}) {
            TStol t(23, status);
            t.okna.odpowiedz = odpowiedz;
            t.Obraz(QStringLiteral("x.img"), ObrazTestowy::Plik(wersja));
            t.d.show();
            t.d.Wgraj();
            QCOMPARE(t.okna.pytania, QStringList{pytanie});
            const bool tak = odpowiedz == TKomunikaty::Tak;
            QCOMPARE(t.s.FlashUzbrojony, tak ? 1 : 0);
            QCOMPARE(t.d.Aktualizuje(), tak);
            const auto zadanie = t.st.Slot();
            QCOMPARE(zadanie && zadanie->kod == 0x8E, tak);
        }
    }

    // With nothing to list the dialog names the folder it looked in, and browsing starts there.
    void emptyListNamesItsFolder() {
        TStol t;
        t.d.Katalog = t.katalog.filePath(QStringLiteral("Firmware"));
        t.d.show();
        QCOMPARE(t.Lista()->rowCount(), 0);
        QCOMPARE(t.Etykieta("Label1"), "No firmware images for this controller in the folder " +
                                           QDir::toNativeSeparators(t.d.Katalog));
        t.d.Wgraj();
        QCOMPARE(t.okna.katalogWyboru, t.d.Katalog);
        QVERIFY(QFileInfo(t.d.Katalog).isDir());
    }

    void progressFollowsTheAcknowledgedBlocks() {
        TStol t;
        t.Obraz(QStringLiteral("x.img"), ObrazTestowy::Plik(24));
        t.d.show();
        t.d.Wgraj();
        QVERIFY(t.Lista()->isHidden());
        QCOMPARE(t.d.height(), 200);
        t.s.LicznikBlokow = 112;
        t.d.Potwierdzenie();
        QCOMPARE(t.Etykieta("Label2"), QStringLiteral("50%"));
        QCOMPARE(t.d.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value(), 50);
        t.d.close(); // the update runs: the dialog stays
        QVERIFY(t.d.isVisible());
        t.s.LicznikBlokow = 224;
        t.d.Potwierdzenie();
        QVERIFY(!t.d.isVisible());
    }

    void watchdogReportsNoResponseAndCloses() {
        TStol t;
        t.Obraz(QStringLiteral("x.img"), ObrazTestowy::Plik(24));
        t.d.show();
        t.d.Wgraj();
        QVERIFY(t.d.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        t.d.Timer1OnTimer();
        QCOMPARE(t.okna.pokazane, (QList<int>{-1, 1370}));
        QVERIFY(!t.d.isVisible());
    }

    void shortImageIsRefusedWithTheFileError() {
        TStol t;
        t.okna.wybrany = t.Obraz(QStringLiteral("short.img"), ObrazTestowy::Plik(24).left(40000));
        t.d.show();
        t.Lista()->setCurrentCell(-1, -1);
        t.d.Wgraj();
        QCOMPARE(t.okna.pokazane, (QList<int>{-1, 1362}));
        QCOMPARE(t.s.FlashUzbrojony, 0);
        QVERIFY(!t.d.Aktualizuje());
        QVERIFY(t.Lista()->isVisible()); // shown afresh
    }
};

QTEST_MAIN(TestFormProg)
#include "tst_formprog.moc"
