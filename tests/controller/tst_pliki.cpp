// Settings and scope files byte by byte, their error messages, and what loading does.

#include "Bloki.h"
#include "Komunikat.h"
#include "OknaPlikow.h"
#include "Stanowisko.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace {

struct TOknaTestowe : TOknaPlikow, TKomunikaty {
    QString wybor;
    QList<TDialogPliku> dialogi;
    QStringList bledy;
    QString Otworz(const TDialogPliku& d) override { return dialogi.append(d), wybor; }
    QString Zapisz(const TDialogPliku& d) override { return dialogi.append(d), wybor; }
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

void Zapisz(const QString& sciezka, const QByteArray& dane) {
    QFile f(sciezka);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dane);
}

QByteArray B(const unsigned char* b, int n = 256) {
    return QByteArray(reinterpret_cast<const char*>(b), n);
}

const QByteArray NaglowekSet = QByteArray::fromHex("7365742066696c650100000000000000");
const QByteArray NaglowekOsc = QByteArray::fromHex("6f73632066696c650101000000000000");

// The 4096-byte image in the order of the file layout, put together here from the model's
// blocks; the reserved block is 0 as no file supplied it.
QByteArray Obraz(const TSterownik& t, const QByteArray& naglowek) {
    QByteArray o = naglowek + B(t.NastawyObd, 48) + QByteArray(64, '\0') +
                   B(t.IdentSterownika, 128) + B(t.Historia);
    for (const unsigned char* blok :
         {t.Nastawy, t.Mnoznik1, t.Mnoznik2, t.KorOdObr1, t.KorOdObr2, t.KorOdCis, t.KorOdTempRed,
          t.KorOdTempGazu, t.MapaEcuBen, t.MapaEcuGaz, t.MapaObdBen1, t.MapaObdGaz1, t.MapaObdBen2,
          t.MapaObdGaz2})
        o += B(blok);
    return o;
}

} // namespace

class TestPliki : public QObject {
    Q_OBJECT

    QTemporaryDir katalog;
    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;
    TOknaTestowe okna;
    QList<std::array<int, 4>> zdarzenia;

    QString Sciezka(const char* nazwa) const { return katalog.filePath(QLatin1String(nazwa)); }

    void Wypelnij(TSterownik& t, int ziarno) {
        for (const auto& [blok, n] :
             std::vector<std::pair<unsigned char*, int>>{{t.NastawyObd, 48},
                                                         {t.IdentSterownika, 128},
                                                         {t.Historia, 256},
                                                         {t.Nastawy, 256},
                                                         {t.Mnoznik1, 256},
                                                         {t.Mnoznik2, 256},
                                                         {t.KorOdObr1, 256},
                                                         {t.KorOdObr2, 256},
                                                         {t.KorOdCis, 256},
                                                         {t.KorOdTempRed, 256},
                                                         {t.KorOdTempGazu, 256},
                                                         {t.MapaEcuBen, 256},
                                                         {t.MapaEcuGaz, 256},
                                                         {t.MapaObdBen1, 256},
                                                         {t.MapaObdGaz1, 256},
                                                         {t.MapaObdBen2, 256},
                                                         {t.MapaObdGaz2, 256}})
            for (int i = 0; i < n; ++i)
                blok[i] = static_cast<unsigned char>((i * 7 + ziarno++) % 251);
        t.IdentSterownika[43] = 6; // a board the catalogue takes as it is
        std::memset(t.IdentSterownika + 66, 128, 4);
    }

private slots:
    void init() {
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so"));
        s->Zegar().stop();
        okna = {};
        s->OknaPlikow = &okna;
        s->Komunikaty = &okna;
        zdarzenia.clear();
        s->OnZdarzenie = [this](int k, int a1, int a2, int a3) {
            zdarzenia.append({k, a1, a2, a3});
        };
    }

    void settingsFileIsTheImageByteForByte() {
        Wypelnij(*s, 3);
        okna.wybor = Sciezka("a.set");
        s->ZapiszUstawienia();
        const QByteArray p = Plik(okna.wybor);
        QCOMPARE(p.size(), 4096);
        QCOMPARE(p, Obraz(*s, NaglowekSet));
        QCOMPARE(p.mid(512, 256), B(s->Nastawy));
        QCOMPARE(p.mid(3840, 256), B(s->MapaObdGaz2));
        QVERIFY(okna.bledy.isEmpty());
        QCOMPARE(okna.dialogi.first().rozszerzenie, QStringLiteral("set"));
    }

    void offlineLoadRestoresEverythingButTheHistory() {
        Wypelnij(*s, 3);
        okna.wybor = Sciezka("b.set");
        s->ZapiszUstawienia();
        const QByteArray zapisany = Obraz(*s, NaglowekSet);
        Wypelnij(*s, 99);
        const QByteArray historia = B(s->Historia);
        s->CzytajUstawienia();
        QByteArray oczekiwany = zapisany;
        oczekiwany.replace(256, 256, historia);
        QCOMPARE(Obraz(*s, NaglowekSet), oczekiwany);
        QCOMPARE(s->PlikBiezacy, okna.wybor);
        QCOMPARE(zdarzenia.last(), (std::array<int, 4>{4, 0, 0, 0}));
        QCOMPARE(s->DoZapisu, 0);
        QCOMPARE(s->LiczbaWtryskiwaczy, 6);
    }

    void reservedBlockTravelsWithTheFile() {
        QByteArray plik = Obraz(*s, NaglowekSet);
        plik.replace(64, 64, QByteArray(64, '\x5A'));
        Zapisz(Sciezka("r.set"), plik);
        okna.wybor = Sciezka("r.set");
        s->CzytajUstawienia();
        okna.wybor = Sciezka("r2.set");
        s->ZapiszUstawienia();
        QCOMPARE(Plik(okna.wybor).mid(64, 64), QByteArray(64, '\x5A'));
    }

    void badSettingsFilesLeaveTheModelAsItWas_data() {
        QTest::addColumn<QByteArray>("zawartosc");
        QTest::addColumn<QString>("blad");
        QByteArray dobry(4096, '\0');
        dobry.replace(0, 9, QByteArray("set file\x01", 9));
        QByteArray osc = dobry;
        osc.replace(0, 3, "osc");
        QByteArray wersja = dobry;
        wersja[8] = 2;
        QTest::newRow("scope file") << osc << "Error code 123";
        QTest::newRow("other version") << wersja << "Error code 123";
        QTest::newRow("cut short") << dobry.left(4000) << "Error code 123";
        QTest::newRow("header only") << dobry.left(16) << "Error code 123";
        QTest::newRow("empty") << QByteArray() << "Error code 123";
    }
    void badSettingsFilesLeaveTheModelAsItWas() {
        QFETCH(QByteArray, zawartosc);
        QFETCH(QString, blad);
        Wypelnij(*s, 5);
        const QByteArray przed = Obraz(*s, NaglowekSet);
        Zapisz(Sciezka("x.set"), zawartosc);
        okna.wybor = Sciezka("x.set");
        s->CzytajUstawienia();
        QCOMPARE(okna.bledy, QStringList{blad});
        QCOMPARE(Obraz(*s, NaglowekSet), przed);
        QVERIFY(zdarzenia.isEmpty());
        QVERIFY(s->PlikBiezacy.isEmpty());
    }

    void missingAndUncreatableFilesAreReported() {
        okna.wybor = Sciezka("nie/ma/takiego.set");
        s->CzytajUstawienia();
        s->ZapiszUstawienia();
        s->ZamnkijOscyloskop();
        zdarzenia.clear();
        s->ZapiszOscyloskop(nullptr, 0);
        QCOMPARE(s->CzytajOscyloskop(nullptr), 0);
        QCOMPARE(okna.bledy,
                 (QStringList{QStringLiteral("Error code 122"), QStringLiteral("Error code 121"),
                              QStringLiteral("Error code 131"), QStringLiteral("Error code 132")}));
        QCOMPARE(zdarzenia, (QList<std::array<int, 4>>{{5, 0, 0, 0}, {4, 0, 0, 0}}));
    }

    void cancelledDialogsChangeNothing() {
        const QByteArray przed = Obraz(*s, NaglowekSet);
        s->ZapiszUstawienia();
        s->CzytajUstawienia();
        s->ZapiszOscyloskop(nullptr, 0);
        QCOMPARE(s->CzytajOscyloskop(nullptr), 0);
        QCOMPARE(Obraz(*s, NaglowekSet), przed);
        QVERIFY(zdarzenia.isEmpty());
        QVERIFY(okna.bledy.isEmpty());
        QCOMPARE(okna.dialogi.size(), 4);
    }

    void dialogsStartInTheDocumentsFolder() {
        s->KatalogDokumentow = katalog.path();
        s->CzytajUstawienia();
        s->CzytajOscyloskop(nullptr);
        QCOMPARE(okna.dialogi[0].katalog,
                 katalog.filePath(QStringLiteral("ORVA/Selvar II/Settings")));
        QCOMPARE(okna.dialogi[1].katalog, katalog.filePath(QStringLiteral("ORVA/Selvar II/Scope")));
        QCOMPARE(okna.dialogi[1].rozszerzenie, QStringLiteral("osc"));
    }

    void scopeRecordingAndPlaybackRoundTrip() {
        Wypelnij(*s, 11);
        std::vector<unsigned char> probki(std::size_t(TSterownik::MaksProbek) * 128);
        for (std::size_t i = 0; i < 10 * 128; ++i)
            probki[i] = static_cast<unsigned char>(i * 3);
        okna.wybor = Sciezka("a.osc");
        s->ZapiszOscyloskop(probki.data(), 4);
        for (int i = 4; i < 10; ++i)
            s->DopiszOscyloskop(probki.data(), i);
        s->ZamnkijOscyloskop();
        QCOMPARE(zdarzenia, (QList<std::array<int, 4>>{{5, 1, 0, 0}, {5, 0, 0, 0}}));
        const QByteArray p = Plik(okna.wybor);
        QCOMPARE(p.size(), 4096 + 10 * 128);
        QCOMPARE(p.left(4096), Obraz(*s, NaglowekOsc));
        QCOMPARE(p.mid(4096), QByteArray(reinterpret_cast<const char*>(probki.data()), 10 * 128));

        const QByteArray obraz = Obraz(*s, NaglowekOsc);
        Wypelnij(*s, 77);
        std::vector<unsigned char> odczytane(probki.size());
        QCOMPARE(s->CzytajOscyloskop(odczytane.data()), 10);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(odczytane.data()), 10 * 128),
                 p.mid(4096));
        QCOMPARE(Obraz(*s, NaglowekOsc).mid(512), obraz.mid(512));
        QCOMPARE(s->PlikBiezacy, okna.wybor);
    }

    void partialRecordIsReadButNotCounted() {
        QByteArray p = Obraz(*s, NaglowekOsc) + QByteArray(200, '\x33');
        Zapisz(Sciezka("p.osc"), p);
        okna.wybor = Sciezka("p.osc");
        std::vector<unsigned char> odczytane(std::size_t(TSterownik::MaksProbek) * 128);
        QCOMPARE(s->CzytajOscyloskop(odczytane.data()), 1);
        QCOMPARE(int(odczytane[199]), 0x33);
    }

    void recordingsLongerThanTheBufferStopAtIt() {
        QByteArray p =
            Obraz(*s, NaglowekOsc) + QByteArray((TSterownik::MaksProbek + 5) * 128, '\x44');
        Zapisz(Sciezka("d.osc"), p);
        okna.wybor = Sciezka("d.osc");
        // Exactly the buffer's size: the sanitizer build catches any write past it.
        std::vector<unsigned char> odczytane(std::size_t(TSterownik::MaksProbek) * 128);
        QCOMPARE(s->CzytajOscyloskop(odczytane.data()), TSterownik::MaksProbek);
        QCOMPARE(int(odczytane.back()), 0x44);
    }

    void settingsFileIsNotAScopeFile() {
        Zapisz(Sciezka("s.osc"), Obraz(*s, NaglowekSet));
        okna.wybor = Sciezka("s.osc");
        QCOMPARE(s->CzytajOscyloskop(nullptr), 0);
        QCOMPARE(okna.bledy, QStringList{QStringLiteral("Error code 133")});
    }

    void loadingWhileConnectedWritesEverythingAndReadsItBack() {
        TStanowisko st;
        st.s->OknaPlikow = &okna;
        st.s->Komunikaty = &okna;
        QVERIFY(st.Otworz());
        Wypelnij(*st.s, 21);
        st.s->IdentSterownika[66] = 140; // learned idle adaptation of bank 1
        const int nastawa90 = st.s->Nastawy[90];
        okna.wybor = Sciezka("c.set");
        st.s->ZapiszUstawienia();
        Wypelnij(*st.s, 40);
        st.s->IdentSterownika[66] = 140;
        st.s->CzytajUstawienia();
        QCOMPARE(st.s->DoZapisu, 0xF3071F);
        QCOMPARE(st.s->DoOdczytu, 0xF3071F);
        QCOMPARE(int(st.s->Fabryczne), 1);
        QCOMPARE(int(st.s->Nastawy[90]), std::min(nastawa90 + 140 / 2 + 128 / 2 - 128, 255));
        QCOMPARE(int(st.s->IdentSterownika[66]), 128);
        QVERIFY(st.s->PlikBiezacy.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPliki)
#include "tst_pliki.moc"
