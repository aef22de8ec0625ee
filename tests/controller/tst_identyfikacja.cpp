// Identity texts, the history of changes the tool keeps, and the service reminder.

#include "Bloki.h"
#include "MapaPortow.h"
#include "TSterownik.h"

#include <QTest>

namespace {

QByteArray Wpis(const TSterownik& s, int i) {
    return QByteArray(reinterpret_cast<const char*>(s.Historia + 8 * i), 8);
}

} // namespace

class TestIdentyfikacja : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;

    void Identyfikacja() {
        unsigned char* id = s->IdentSterownika;
        std::memset(id, 0, 128);
        std::memcpy(id + 6, "5901234000123456", 16);
        for (int i = 22; i <= 34; ++i)
            id[i] = static_cast<unsigned char>(0xA0 + i);
        id[38] = 2;
        id[46] = 5, id[47] = 3, id[48] = 7;
        id[50] = 1, id[51] = 0x2B, id[52] = 0x0C;
        id[53] = 2;
        id[57] = 0;
        id[58] = 1, id[59] = 4, id[60] = 23;
        id[62] = 23, id[63] = 6, id[64] = 14;
        id[70] = 3599 & 0xFF, id[71] = 3599 >> 8, id[72] = 12;
        id[74] = 125, id[76] = 3;
    }

private slots:
    void init() {
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so"));
        s->Zegar().stop();
        s->IdentyfikatorPC = 0x1A2B3C4D;
        s->DataDzis[0] = 26, s->DataDzis[1] = 12, s->DataDzis[2] = 9;
        Identyfikacja();
    }

    void identityTexts() {
        QCOMPARE(s->StrNazwaSterownika(), QStringLiteral("SELVAR MAX+"));
        QCOMPARE(s->StrKodKreskowy(), QStringLiteral("5901234000123456"));
        QCOMPARE(s->StrDataProdukcji(), QStringLiteral("2005.03.07"));
        QCOMPARE(s->StrWersjaCyframi(1), QStringLiteral("23  "));
        QCOMPARE(s->StrWersjaCyframi(14), QStringLiteral("C.1.4.23  (2023.06.14)  "));
        QCOMPARE(s->StrWersjaCyframi(16), QStringLiteral("01.2B.0C  "));
        QCOMPARE(s->StrWersjaCyframi(32), QStringLiteral("Kod=5901234000123456 "));
        // Positions 22..34 hold 0xA0 + position; 66..77 the counters set above.
        QCOMPARE(s->StrWersjaCyframi(64),
                 QStringLiteral("NS=B6 B7 B8 B9 BA BB BC BD BE BF C0 C1 C2 "));
        QCOMPARE(s->StrWersjaCyframi(128),
                 QStringLiteral("Eep=00 00 00 00 0F 0E 0C 00 7D 00 03 00 "));
        QCOMPARE(s->StrIleWtryskiwaczy(), QStringLiteral("8"));
        QCOMPARE(s->StrCzasNaBenzynie(), QStringLiteral("12:59:59"));
        QCOMPARE(s->StrCzasNaGazie(), QStringLiteral("3:02:05"));
        QCOMPARE(s->StrIdentWlasny(), QStringLiteral("1A2B-3C4D"));
    }

    void betaAndMissingParts() {
        s->IdentSterownika[57] = 3;
        QCOMPARE(s->StrWersjaCyframi(1), QStringLiteral("23 beta3  "));
        s->IdentSterownika[38] = 7;
        s->IdentSterownika[46] = 0;
        s->IdentSterownika[59] = 0;
        QCOMPARE(s->StrNazwaSterownika(), QString());
        QCOMPARE(s->StrDataProdukcji(), QString());
        QCOMPARE(s->StrIleWtryskiwaczy(), QString());
        s->IdentSterownika[60] = 0;
        QCOMPARE(s->StrWersjaCyframi(1 | 2 | 4), QString());
    }

    void bootloaderEmptiesEveryVersionText() {
        s->IdentSterownika[5] = 1;
        for (int czesci : {1, 14, 16, 32, 255})
            QCOMPARE(s->StrWersjaCyframi(czesci), QString());
    }

    void serviceHoursLeft_data() {
        QTest::addColumn<int>("godzinyGazu");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("new car") << 0 << "200:00:00";
        QTest::newRow("overdue") << 250 << "0:00:00";
        QTest::newRow("due soon") << 199 << "1:00:00";
    }
    void serviceHoursLeft() {
        QFETCH(int, godzinyGazu);
        QFETCH(QString, tekst);
        s->IdentSterownika[76] = static_cast<unsigned char>(godzinyGazu);
        s->Nastawy[101] = 200;
        s->Nastawy[102] = 0;
        QCOMPARE(s->StrCzasPrzegladu(), tekst);
    }

    void serviceIntervalCountsFromTheGasHours() {
        s->IdentSterownika[76] = 0x2C, s->IdentSterownika[77] = 1; // 300 h
        s->IdentSterownika[74] = 1801 & 0xFF, s->IdentSterownika[75] = 1801 >> 8;
        s->UstawPrzeglad(200); // 10000 km at 50 km/h
        QCOMPARE(s->Nastawy[101] | (s->Nastawy[102] << 8), 501);
        QCOMPARE(int(s->Nastawy[100]), 1);
    }

    void historyCells() {
        const unsigned char wpis[8] = {0x09, 5, 3, 7, 0x1A, 0x2B, 0x3C, 0x4D};
        std::memcpy(s->Historia, wpis, 8);
        QCOMPARE(s->StrHistoria(0, 0), QStringLiteral("2005.3.7"));
        QCOMPARE(s->StrHistoria(1, 0), QStringLiteral("v"));
        QCOMPARE(s->StrHistoria(2, 0), QString());
        QCOMPARE(s->StrHistoria(4, 0), QStringLiteral("v"));
        QCOMPARE(s->StrHistoria(5, 0), QStringLiteral("1A2B-3C4D"));
        QCOMPARE(s->StrHistoria(0, 1), QString());
        QCOMPARE(s->StrHistoria(0, 32), QString());
    }

    void oneEntryPerComputerAndDayCollectsTheKinds() {
        s->HistoriaZmian(3);
        QCOMPARE(Wpis(*s, 0), QByteArray::fromHex("081a0c091a2b3c4d"));
        QCOMPARE(s->DoZapisu, Bloki::Historia);
        s->DoZapisu = 0;
        s->HistoriaZmian(3);
        QCOMPARE(s->DoZapisu, 0); // nothing new: nothing written
        s->HistoriaZmian(2);
        QCOMPARE(Wpis(*s, 0), QByteArray::fromHex("0c1a0c091a2b3c4d"));
        QCOMPARE(s->DoZapisu, Bloki::Historia);
        QCOMPARE(Wpis(*s, 1), QByteArray(8, '\0'));
    }

    void anotherDayOrComputerStartsANewEntry() {
        s->HistoriaZmian(1);
        s->DataDzis[2] = 10;
        s->HistoriaZmian(1);
        s->IdentyfikatorPC = 7;
        s->HistoriaZmian(0);
        QCOMPARE(Wpis(*s, 1), QByteArray::fromHex("021a0c0a1a2b3c4d"));
        QCOMPARE(Wpis(*s, 2), QByteArray::fromHex("011a0c0a00000007"));
    }

    void fullHistoryKeepsTheOldestAndDropsTheSecond() {
        for (int i = 0; i < 32; ++i) {
            s->Historia[8 * i] = 8;
            s->Historia[8 * i + 1] = static_cast<unsigned char>(i + 1); // other days
        }
        s->HistoriaZmian(2);
        QCOMPARE(int(s->Historia[1]), 1);
        QCOMPARE(int(s->Historia[8 + 1]), 3);
        QCOMPARE(int(s->Historia[8 * 30 + 1]), 32);
        QCOMPARE(Wpis(*s, 31), QByteArray::fromHex("041a0c091a2b3c4d"));
    }

    void entryWaitsUntilTheControllersHistoryIsRead() {
        s->DoOdczytu = Bloki::Historia;
        s->HistoriaZmian(2);
        QCOMPARE(s->DoZapisu, 0);
        QCOMPARE(Wpis(*s, 0), QByteArray(8, '\0'));
    }

    void erasingClearsAndWrites() {
        s->HistoriaZmian(3);
        s->DoZapisu = 0;
        s->HistoriaZmianKasuj();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(s->Historia), 256),
                 QByteArray(256, '\0'));
        QCOMPARE(s->DoZapisu, Bloki::Historia);
    }
};

QTEST_GUILESS_MAIN(TestIdentyfikacja)
#include "tst_identyfikacja.moc"
