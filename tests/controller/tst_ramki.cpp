#include "RamkaTestowa.h"
#include "Ramki.h"

#include <QRandomGenerator>
#include <QTest>

#include <vector>

class TestRamki : public QObject {
    Q_OBJECT

    static QByteArray Bajty(const unsigned char* b, int n) {
        return QByteArray(reinterpret_cast<const char*>(b), n);
    }

private slots:
    void identityRequestIsFourBytesWithChecksum1A() {
        unsigned char r[8] = {};
        const int n = Ramki::Zbuduj(r, 'e', 0x81, 0);
        QCOMPARE(n, 4);
        QCOMPARE(Bajty(r, n), QByteArray::fromHex("651a0081"));
    }

    void oddPayloadIsPaddedToWholeWords() {
        unsigned char r[16] = {0, 0, 0, 0, 0x11, 0, 0xFF, 0x77};
        const int n = Ramki::Zbuduj(r, 'e', 0x86, 3);
        QCOMPARE(n, 8);
        QCOMPARE(int(r[2]), 2);
        QCOMPARE(Ramki::Suma(r, n), static_cast<unsigned char>(0)); // the padding is summed too
    }

    void scrambledInjectorMaskMatchesWorkedBytes() {
        // 0x86 with nonce 0, status 0, mask 0xFF and a zero pad, as it leaves the port.
        unsigned char r[16] = {0, 0, 0, 0, 0x00, 0x00, 0xFF, 0x00};
        const int n = Ramki::Zbuduj(r, 'e', 0x86, 3);
        Ramki::Szyfruj(r, n);
        QCOMPARE(Bajty(r, n), QByteArray::fromHex("651402863cfa0607"));
    }

    void scramblingRoundTripAgreesWithIndependentCodec_data() {
        QTest::addColumn<int>("dlugosc");
        for (int d : {0, 1, 2, 3, 8, 50, 258, 510})
            QTest::addRow("%d bytes", d) << d;
    }
    void scramblingRoundTripAgreesWithIndependentCodec() {
        QFETCH(int, dlugosc);
        QRandomGenerator los(static_cast<quint32>(dlugosc) + 17);
        std::vector<unsigned char> r(4 + 512);
        QByteArray dane;
        for (int i = 0; i < dlugosc; ++i) {
            r[4 + i] = static_cast<unsigned char>(los.bounded(256));
            dane.append(static_cast<char>(r[4 + i]));
        }
        const int n = Ramki::Zbuduj(r.data(), 'V', 0xE8, dlugosc);
        const QByteArray jawna = Bajty(r.data(), n);
        QCOMPARE(jawna, RamkaTestowa::Jawna('V', 0xE8, dane));
        Ramki::Szyfruj(r.data(), n);
        QCOMPARE(Bajty(r.data(), n), RamkaTestowa::NaLinie(jawna));
        Ramki::Deszyfruj(r.data(), n);
        QCOMPARE(Bajty(r.data(), n), jawna);
    }

    static QByteArray LiniaBiezacych() {
        QByteArray dane;
        for (int i = 0; i < 58; ++i)
            dane.append(static_cast<char>(i * 7));
        return RamkaTestowa::NaLinie(RamkaTestowa::Jawna('V', 0x90, dane));
    }

    static std::vector<unsigned char> Odszyfrowana(const QByteArray& linia) {
        std::vector<unsigned char> r(linia.begin(), linia.end());
        Ramki::Deszyfruj(r.data(), int(r.size()));
        return r;
    }

    void flippedWireBitFailsTheChecksum_data() {
        QTest::addColumn<int>("bajt");
        QTest::addColumn<int>("bit");
        // The plain header bytes and the last payload byte change the sum by exactly one bit.
        for (int bajt : {0, 3, 61})
            for (int bit = 0; bit < 8; ++bit)
                QTest::addRow("byte %d bit %d", bajt, bit) << bajt << bit;
    }
    void flippedWireBitFailsTheChecksum() {
        QFETCH(int, bajt);
        QFETCH(int, bit);
        QByteArray linia = LiniaBiezacych();
        linia[bajt] = static_cast<char>(linia[bajt] ^ (1 << bit));
        const auto r = Odszyfrowana(linia);
        QVERIFY(Ramki::Suma(r.data(), int(r.size())) != 0);
    }

    void flippedPayloadBitCorruptsEveryFollowingPlainByte() {
        const auto dobra = Odszyfrowana(LiniaBiezacych());
        QByteArray linia = LiniaBiezacych();
        linia[20] = static_cast<char>(linia[20] ^ 0x10);
        const auto zla = Odszyfrowana(linia);
        for (int i = 4; i < 20; ++i)
            QCOMPARE(zla[i], dobra[i]);
        for (int i = 20; i < linia.size(); ++i)
            QCOMPARE(zla[i] ^ dobra[i], 0x10);
    }

    void logLineShowsHeaderThenPayload() {
        const unsigned char r[] = {0x65, 0x14, 0x02, 0x86, 0x00, 0x00, 0xFF, 0x00};
        QCOMPARE(Ramki::Zrzut("  TX:", r, 8), QStringLiteral("  TX: 65 14 02 86   00 00 FF 00"));
        QCOMPARE(Ramki::Zrzut("  TX:", r, 4), QStringLiteral("  TX: 65 14 02 86  "));
    }
};

QTEST_APPLESS_MAIN(TestRamki)
#include "tst_ramki.moc"
