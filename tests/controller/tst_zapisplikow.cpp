// Failed writes of settings and scope files: the user's old file stays as it was, the error
// is shown, and a recording cut short stays a readable scope file. The failures are ones that
// also happen to root: a folder that is a file, and a full disk (a file-size limit).

#include "Komunikat.h"
#include "MapaPortow.h"
#include "OknaPlikow.h"
#include "PelnyDysk.h"
#include "TSterownik.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <memory>
#include <vector>

namespace {

struct TOknaTestowe : TOknaPlikow, TKomunikaty {
    QString wybor;
    QStringList bledy;
    QString Otworz(const TDialogPliku&) override { return wybor; }
    QString Zapisz(const TDialogPliku&) override { return wybor; }
    int Komunikat(int, int) override { return Ok; }
    int KomunikatTekst(const QString& t, int flagi) override {
        if (flagi == Blad) bledy.append(t);
        return Ok;
    }
};

QByteArray Plik(const QString& sciezka) {
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray StaraZawartosc = QByteArrayLiteral("the installer's previous file");

} // namespace

class TestZapisPlikow : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> katalog;
    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;
    TOknaTestowe okna;
    QList<std::array<int, 4>> zdarzenia;

    QString Sciezka(const QString& nazwa) const { return katalog->filePath(nazwa); }
    QStringList Zawartosc() const { return QDir(katalog->path()).entryList(QDir::Files); }

    void StaryPlik(const QString& nazwa) {
        QFile f(Sciezka(nazwa));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(StaraZawartosc);
    }

private slots:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }

    void init() {
        katalog = std::make_unique<QTemporaryDir>();
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
        s->Zegar().stop();
        s->OknaPlikow = &okna;
        s->Komunikaty = &okna;
        okna.bledy.clear();
        zdarzenia.clear();
        s->OnZdarzenie = [this](int k, int a1, int a2, int a3) {
            zdarzenia.append({k, a1, a2, a3});
        };
    }

    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<bool>("oscyloskop");
        QTest::addColumn<bool>("pelnyDysk");
        QTest::addColumn<QString>("blad");
        QTest::newRow("settings, disk full") << false << true << "Error code 121";
        QTest::newRow("settings, folder is a file") << false << false << "Error code 121";
        QTest::newRow("scope, disk full") << true << true << "Error code 131";
        QTest::newRow("scope, folder is a file") << true << false << "Error code 131";
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(bool, oscyloskop);
        QFETCH(bool, pelnyDysk);
        QFETCH(QString, blad);
        StaryPlik(QStringLiteral("stary"));
        okna.wybor = pelnyDysk ? Sciezka(QStringLiteral("stary"))
                               : Sciezka(QStringLiteral("stary/nowy.set"));
        {
            TPelnyDysk dysk(pelnyDysk ? 1000 : RLIM_INFINITY);
            if (oscyloskop)
                s->ZapiszOscyloskop(nullptr, 0);
            else
                s->ZapiszUstawienia();
        }
        QCOMPARE(okna.bledy, QStringList{blad});
        QCOMPARE(Plik(Sciezka(QStringLiteral("stary"))), StaraZawartosc);
        QCOMPARE(Zawartosc(), QStringList{QStringLiteral("stary")}); // no partial file left
        if (oscyloskop) QCOMPARE(zdarzenia, (QList<std::array<int, 4>>{{5, 0, 0, 0}}));
    }

    void savedSettingsReplaceTheOldFile() {
        StaryPlik(QStringLiteral("a.set"));
        okna.wybor = Sciezka(QStringLiteral("a.set"));
        s->ZapiszUstawienia();
        QVERIFY(okna.bledy.isEmpty());
        const QByteArray p = Plik(okna.wybor);
        QCOMPARE(p.size(), 4096);
        QCOMPARE(p.left(10), QByteArray::fromHex("7365742066696c650100"));
    }

    // 4096 bytes of image, then 128 per sample: the limit falls inside the fourth sample.
    void recordingOnAFullDiskKeepsWholeRecords() {
        std::vector<unsigned char> probki(std::size_t(TSterownik::MaksProbek) * 128);
        for (std::size_t i = 0; i < 6 * 128; ++i)
            probki[i] = static_cast<unsigned char>(i % 251);
        okna.wybor = Sciezka(QStringLiteral("r.osc"));
        s->ZapiszOscyloskop(probki.data(), 1);
        {
            TPelnyDysk dysk(4096 + 3 * 128 + 50);
            for (int i = 1; i < 6; ++i)
                s->DopiszOscyloskop(probki.data(), i);
        }
        QCOMPARE(okna.bledy, QStringList{QStringLiteral("Error code 131")});
        QCOMPARE(zdarzenia, (QList<std::array<int, 4>>{{5, 1, 0, 0}, {5, 0, 0, 0}}));
        const QByteArray p = Plik(okna.wybor);
        QCOMPARE(p.size(), 4096 + 3 * 128);
        QCOMPARE(p.mid(4096), QByteArray(reinterpret_cast<const char*>(probki.data()), 3 * 128));

        std::vector<unsigned char> odczytane(probki.size());
        QCOMPARE(s->CzytajOscyloskop(odczytane.data()), 3);
    }
};

QTEST_GUILESS_MAIN(TestZapisPlikow)
#include "tst_zapisplikow.moc"
