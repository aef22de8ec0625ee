// When selvar-cli takes two reads of a block for the same content: the identity's free reply
// bytes and running counters, and the cells a controller told it learned.

#include "ZgodnoscOdczytow.h"

#include <QTest>

using namespace ZgodnoscOdczytow;

Q_DECLARE_METATYPE(ZgodnoscOdczytow::TZgloszenie)

namespace {

constexpr int MapaEcuGaz = 17;

// An 80-byte identity reply: 'V', checksum, 38 words, 0x81; counters petrol 312 h 1234 s,
// gas 1874 h 2345 s.
QByteArray Tozsamosc() {
    QByteArray b(80, '\0');
    b[0] = 'V';
    b[1] = char(0x3C);
    b[2] = 38;
    b[3] = char(0x81);
    b[4] = char(0x5A);
    for (int i = 6; i < 22; ++i)
        b[i] = char('0' + i % 10);
    b[66] = b[67] = b[68] = b[69] = char(128);
    const auto u16 = [&b](int i, int v) {
        b[i] = char(v & 0xFF);
        b[i + 1] = char(v >> 8);
    };
    u16(70, 1234);
    u16(72, 312);
    u16(74, 2345);
    u16(76, 1874);
    return b;
}

QByteArray Zmien(QByteArray b, int pozycja, int wartosc) {
    b[pozycja] = char(wartosc);
    return b;
}

} // namespace

class TestZgodnoscOdczytow : public QObject {
    Q_OBJECT

private slots:
    void identityAgreesButForWhatMoves_data() {
        QTest::addColumn<QByteArray>("druga");
        QTest::addColumn<qint64>("ms"); // between the reads
        QTest::addColumn<QList<TZgloszenie>>("zgloszenia");
        QTest::addColumn<bool>("zgodne");
        const QByteArray a = Tozsamosc();
        const QList<TZgloszenie> brak;
        QTest::newRow("same") << a << qint64(200) << brak << true;
        QTest::newRow("bytes 1 and 4 free")
            << Zmien(Zmien(a, 4, 0xC3), 1, 0x11) << qint64(200) << brak << true;
        QTest::newRow("bar code differs") << Zmien(a, 10, 'X') << qint64(200) << brak << false;
        QTest::newRow("status differs") << Zmien(a, 5, 1) << qint64(200) << brak << false;
        // Gas 2345 s -> 2348 s (0x0929 -> 0x092C) in 2 s: within the 2 s of travel allowed.
        QTest::newRow("gas 3 s on in 2 s") << Zmien(a, 74, 0x2C) << qint64(2000) << brak << true;
        // 2345 s -> 2345 + 256 s: the high byte of the seconds, in 1 s.
        QTest::newRow("gas 256 s on in 1 s") << Zmien(a, 75, 0x0A) << qint64(1000) << brak << false;
        QTest::newRow("petrol back 1 s") << Zmien(a, 70, 0xD1) << qint64(200) << brak << false;
        // Hour 1874 -> 1875 with the seconds 2345 -> 0: 1255 s on in 1500 s.
        QTest::newRow("gas into the next hour")
            << Zmien(Zmien(Zmien(a, 74, 0), 75, 0), 76, 0x53) << qint64(1500000) << brak << true;
        QTest::newRow("seconds past the hour")
            << Zmien(Zmien(a, 74, 0x10), 75, 0x0E) << qint64(3600000) << brak << false;
        QTest::newRow("adaptation told")
            << Zmien(a, 67, 131) << qint64(200)
            << QList<TZgloszenie>{{Identyfikacja, 66, 128, 5}, {Identyfikacja, 67, 131, 5}} << true;
        QTest::newRow("adaptation told before the first read")
            << Zmien(a, 67, 131) << qint64(200) << QList<TZgloszenie>{{Identyfikacja, 67, 131, 1}}
            << false;
        QTest::newRow("adaptation told another value")
            << Zmien(a, 67, 131) << qint64(200) << QList<TZgloszenie>{{Identyfikacja, 67, 130, 5}}
            << false;
        QTest::newRow("adaptation not told") << Zmien(a, 68, 127) << qint64(200) << brak << false;
    }
    void identityAgreesButForWhatMoves() {
        QFETCH(QByteArray, druga);
        QFETCH(qint64, ms);
        QFETCH(QList<TZgloszenie>, zgloszenia);
        QFETCH(bool, zgodne);
        const TOdczyt a{Tozsamosc(), 1000, 3};
        const TOdczyt b{druga, 1000 + ms, 8};
        QCOMPARE(Zgodne(Identyfikacja, a, b, zgloszenia), zgodne);
    }

    void mapAgreesButForCellsToldLearned_data() {
        QTest::addColumn<QList<TZgloszenie>>("zgloszenia");
        QTest::addColumn<bool>("zgodne");
        // Cell 0x25 of the gas map went 0x40 -> 0x44 between reads 3 and 8.
        QTest::newRow("told between") << QList<TZgloszenie>{{MapaEcuGaz, 0x25, 0x44, 6}} << true;
        QTest::newRow("told after the second read")
            << QList<TZgloszenie>{{MapaEcuGaz, 0x25, 0x44, 9}} << true;
        QTest::newRow("not told") << QList<TZgloszenie>{} << false;
        QTest::newRow("told of the petrol map") << QList<TZgloszenie>{{16, 0x25, 0x44, 6}} << false;
        QTest::newRow("told of another cell")
            << QList<TZgloszenie>{{MapaEcuGaz, 0x26, 0x44, 6}} << false;
    }
    void mapAgreesButForCellsToldLearned() {
        QFETCH(QList<TZgloszenie>, zgloszenia);
        QFETCH(bool, zgodne);
        QByteArray mapa(256, char(0x30));
        mapa[0x25] = char(0x40);
        const TOdczyt a{mapa, 0, 3};
        const TOdczyt b{Zmien(mapa, 0x25, 0x44), 400, 8};
        QCOMPARE(Zgodne(MapaEcuGaz, a, b, zgloszenia), zgodne);
    }

    void liveFramesTellCellsAndAdaptation_data() {
        QTest::addColumn<QByteArray>("komunikat");  // frame bytes 6..9
        QTest::addColumn<QList<int>>("oczekiwane"); // key, position, value for each
        QTest::newRow("gas map cell")
            << QByteArray("\x00\x03\x25\x44", 4) << QList<int>{MapaEcuGaz, 0x25, 0x44};
        QTest::newRow("OBD petrol 2 cell")
            << QByteArray("\x00\x02\xF0\x81", 4) << QList<int>{22, 0xF0, 0x81};
        QTest::newRow("value 0 stores nothing")
            << QByteArray("\x00\x03\x25\x00", 4) << QList<int>{};
        QTest::newRow("selector 6 names no map")
            << QByteArray("\x00\x06\x25\x44", 4) << QList<int>{};
        QTest::newRow("bank 2 adaptation")
            << QByteArray("\xF4\x83\x7E\x00", 4)
            << QList<int>{Identyfikacja, 68, 0x83, Identyfikacja, 69, 0x7E};
        QTest::newRow("switch reason") << QByteArray("\xF0\x03\x00\x00", 4) << QList<int>{};
    }
    void liveFramesTellCellsAndAdaptation() {
        QFETCH(QByteArray, komunikat);
        QFETCH(QList<int>, oczekiwane);
        QByteArray ramka(92, '\0');
        ramka.replace(6, 4, komunikat);
        const auto z =
            ZgloszeniaRamki(reinterpret_cast<const unsigned char*>(ramka.constData()), 7);
        QCOMPARE(z.size() * 3, oczekiwane.size());
        for (int i = 0; i < z.size(); ++i) {
            QCOMPARE(z[i].klucz, oczekiwane[3 * i]);
            QCOMPARE(z[i].pozycja, oczekiwane[3 * i + 1]);
            QCOMPARE(int(z[i].wartosc), oczekiwane[3 * i + 2]);
            QCOMPARE(z[i].numer, 7);
        }
    }
};

QTEST_GUILESS_MAIN(TestZgodnoscOdczytow)
#include "tst_zgodnoscodczytow.moc"
