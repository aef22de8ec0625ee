// The configurations kept from the car, against a test-played controller: the first complete
// read of each controller once and never again, a "before" file on a later day only once
// something is written, and a failed write that leaves no file and stops nothing.

#include "Komunikat.h"
#include "PamiecTestowa.h"
#include "PelnyDysk.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

struct TBledy : TKomunikaty {
    QStringList teksty;
    int Komunikat(int, int) override { return Ok; }
    int KomunikatTekst(const QString& t, int) override {
        teksty << t;
        return Ok;
    }
};

QByteArray Plik(const QString& sciezka) {
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestOryginaly : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dokumenty;
    std::unique_ptr<TStanowisko> st;
    std::unique_ptr<TPamiecTestowa> c;
    TBledy bledy;
    TSterownik& s() { return *st->s; }
    QString Folder() const {
        return dokumenty->filePath(QStringLiteral("ORVA/Selvar II/Originals"));
    }
    QStringList Pliki() const {
        return QDir(Folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    void Dzien(int dzien) {
        s().DataDzis[0] = 26;
        s().DataDzis[1] = 12;
        s().DataDzis[2] = static_cast<unsigned char>(dzien);
    }
    bool Ponownie() {
        s().PortClose();
        return c->Polacz();
    }
    void Nastawa(int bajt, int wartosc) {
        s().Nastawy[bajt] = static_cast<unsigned char>(wartosc);
        s().ZapiszDoSterownika(Bloki::Nastawy);
        QVERIFY(c->Obsluz());
    }
    static bool Nazwa(const QString& nazwa, const char* kod, const char* rodzaj,
                      const char* dzien) {
        return QRegularExpression(
                   QStringLiteral("^%1_%2_%3_\\d{4}\\.set$")
                       .arg(QLatin1String(kod), QLatin1String(rodzaj), QLatin1String(dzien)))
            .match(nazwa)
            .hasMatch();
    }

private slots:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }

    void init() {
        dokumenty = std::make_unique<QTemporaryDir>();
        st = std::make_unique<TStanowisko>();
        c = std::make_unique<TPamiecTestowa>(*st);
        c->bloki[0][50] = 70;
        c->bloki[16][3] = 33;
        c->bloki[7][0] = 8; // one history entry: settings written
        s().KatalogDokumentow = dokumenty->path();
        s().Komunikaty = &bledy;
        bledy.teksty.clear();
        Dzien(10);
    }

    void firstCompleteReadIsKeptOnce() {
        QVERIFY(c->Polacz());
        QCOMPARE(Pliki().size(), 1);
        const QString nazwa = Pliki().first();
        QVERIFY2(Nazwa(nazwa, "5901234000123456", "original", "2026-12-10"), qPrintable(nazwa));
        const QByteArray oryginal = Plik(QDir(Folder()).filePath(nazwa));
        QCOMPARE(oryginal.size(), 4096);
        QCOMPARE(oryginal.left(10), QByteArray("set file\x01\x00", 10));
        QCOMPARE(oryginal.mid(128 + 6, 16), QByteArray("5901234000123456"));
        QCOMPARE(oryginal.mid(256, 256), c->bloki[7]);
        QCOMPARE(oryginal.mid(512, 256), c->bloki[0]);
        QCOMPARE(oryginal.mid(768, 256), c->bloki[1]);
        QCOMPARE(oryginal.mid(2560, 256), c->bloki[16]);
        QCOMPARE(oryginal.mid(3840, 256), c->bloki[23]);

        // Written the same day, read again after the controller changed: nothing new.
        Nastawa(50, 71);
        c->bloki[0][50] = 80;
        QVERIFY(Ponownie());
        QCOMPARE(Pliki(), QStringList{nazwa});
        QCOMPARE(Plik(QDir(Folder()).filePath(nazwa)), oryginal);
        QVERIFY(bledy.teksty.isEmpty());
    }

    void anotherControllerGetsItsOwn() {
        QVERIFY(c->Polacz());
        c->kodKreskowy = QByteArrayLiteral("5901234000999999");
        QVERIFY(Ponownie());
        QCOMPARE(Pliki().size(), 2);
        QVERIFY(Nazwa(Pliki()[0], "5901234000123456", "original", "2026-12-10"));
        QVERIFY(Nazwa(Pliki()[1], "5901234000999999", "original", "2026-12-10"));
        const auto lista = s().Oryginaly.Pliki();
        QCOMPARE(lista.size(), size_t(1));
        QCOMPARE(QFileInfo(lista[0].sciezka).fileName(), Pliki()[1]);
        QVERIFY(lista[0].oryginal);
    }

    void laterDayKeepsItsFirstReadOnceWritten() {
        QVERIFY(c->Polacz());
        Dzien(11);
        c->bloki[0][50] = 75; // changed meanwhile, elsewhere
        QVERIFY(Ponownie());
        QCOMPARE(Pliki().size(), 1); // read, nothing written yet
        Nastawa(50, 76);
        QCOMPARE(Pliki().size(), 2);
        const QString przed = Pliki()[0];
        QVERIFY2(Nazwa(przed, "5901234000123456", "before", "2026-12-11"), qPrintable(przed));
        const QByteArray obraz = Plik(QDir(Folder()).filePath(przed));
        QCOMPARE(obraz.size(), 4096);
        QCOMPARE(quint8(obraz[512 + 50]), 75); // as read that day, before the write
        QCOMPARE(obraz.mid(2560, 256), c->bloki[16]);

        Nastawa(50, 77);
        QVERIFY(Ponownie());
        Nastawa(50, 78);
        QCOMPARE(Pliki().size(), 2);
        QCOMPARE(Plik(QDir(Folder()).filePath(przed)), obraz);

        const auto lista = s().Oryginaly.Pliki();
        QCOMPARE(lista.size(), size_t(2));
        QVERIFY(!lista[0].oryginal); // newest first
        QCOMPARE(lista[0].kiedy.date(), QDate(2026, 12, 11));
        QVERIFY(lista[1].oryginal);
        QCOMPARE(lista[1].kiedy.date(), QDate(2026, 12, 10));
    }

    void failedWriteLeavesNoFileAndTheLinkGoesOn_data() {
        QTest::addColumn<bool>("pelnyDysk");
        QTest::newRow("disk full") << true;
        QTest::newRow("folder is a file") << false;
    }
    void failedWriteLeavesNoFileAndTheLinkGoesOn() {
        QFETCH(bool, pelnyDysk);
        const QString folder = Folder();
        if (!pelnyDysk) {
            QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
            QFile plik(folder);
            QVERIFY(plik.open(QIODevice::WriteOnly));
        }
        {
            std::unique_ptr<TPelnyDysk> dysk(pelnyDysk ? new TPelnyDysk(1000) : nullptr);
            QVERIFY(c->Polacz());
            QVERIFY(Ponownie()); // tried again, not shown again
            Nastawa(50, 71);
        }
        QCOMPARE(c->Bajt(0, 50), 71);
        QCOMPARE(bledy.teksty.size(), 1);
        QVERIFY2(bledy.teksty[0].contains(QLatin1String("5901234000123456_original_")),
                 qPrintable(bledy.teksty[0]));
        int czerwone = 0;
        for (const auto& [tekst, kolor] : st->log)
            czerwone += tekst.contains(QLatin1String("_original_")) && kolor == Kolory::Czerwony;
        QCOMPARE(czerwone, 2);
        if (pelnyDysk) {
            QCOMPARE(Pliki(), QStringList()); // no partial file, no temporary one
            QVERIFY(Ponownie());
            QCOMPARE(Pliki().size(), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestOryginaly)
#include "tst_oryginaly.moc"
