// Reading the adapter's answers: positions, errors, hexadecimal values, the status rows and
// the ECU discovery, on canned answer texts.

#include "DekodowaniePid.h"
#include "ElmTekst.h"
#include "KatalogPidow.h"
#include "KodyBledow.h"
#include "OdpowiedziElm.h"
#include "Protokoly.h"

#include <QTest>

using std::optional;

class TestOdpowiedziElm : public QObject {
    Q_OBJECT

private slots:
    void analizujDajePozycjeOdJedynki_data() {
        QTest::addColumn<QByteArray>("tekst");
        QTest::addColumn<QByteArray>("wzor");
        QTest::addColumn<int>("pozycja");
        QTest::newRow("at the start") << QByteArray("OK\r\r>") << QByteArray("OK") << 1;
        QTest::newRow("after the echo") << QByteArray("ATE1\rOK\r\r>") << QByteArray("OK") << 6;
        QTest::newRow("first of two") << QByteArray("41 0C 41 0C") << QByteArray("41 0C") << 1;
        QTest::newRow("absent") << QByteArray("?\r\r>") << QByteArray("OK") << 0;
        QTest::newRow("empty answer") << QByteArray() << QByteArray("ELM") << 0;
    }
    void analizujDajePozycjeOdJedynki() {
        QFETCH(QByteArray, tekst);
        QFETCH(QByteArray, wzor);
        QFETCH(int, pozycja);
        QCOMPARE(Analizuj(tekst, wzor), pozycja);
    }

    void czyBladRozpoznajeOdpowiedziBledne_data() {
        QTest::addColumn<QByteArray>("tekst");
        QTest::addColumn<bool>("blad");
        QTest::newRow("NO DATA") << QByteArray("0100\rSEARCHING...\rNO DATA\r\r>") << true;
        QTest::newRow("CAN ERROR") << QByteArray("CAN ERROR\r\r>") << true;
        QTest::newRow("BUS INIT ERROR") << QByteArray("BUS INIT: ...ERROR\r\r>") << true;
        QTest::newRow("any NO") << QByteArray("NO\r>") << true;
        QTest::newRow("UNABLE TO CONNECT")
            << QByteArray("0100\rSEARCHING...\rUNABLE TO CONNECT\r\r>") << true;
        QTest::newRow("data") << QByteArray("7E8 06 41 00 BE 1F B8 11\r\r>") << false;
        QTest::newRow("time-out, empty") << QByteArray() << false;
        QTest::newRow("unknown command") << QByteArray("?\r\r>") << false;
    }
    void czyBladRozpoznajeOdpowiedziBledne() {
        QFETCH(QByteArray, tekst);
        QFETCH(bool, blad);
        QCOMPARE(CzyBlad(tekst), blad);
    }

    void tekstNaIntCzytaBajtySzesnastkowe_data() {
        QTest::addColumn<QByteArray>("tekst");
        QTest::addColumn<int>("n");
        QTest::addColumn<uint>("wartosc");
        QTest::newRow("one token of three digits") << QByteArray("7E8 06 41 00") << 1 << 0x7E8u;
        QTest::newRow("two bytes") << QByteArray("C1 55 C1 01") << 2 << 0xC155u;
        QTest::newRow("32-bit word") << QByteArray("BE 1F B8 11 2F") << 4 << 0xBE1FB811u;
        QTest::newRow("only the last 32 bits") << QByteArray("01 BE 1F B8 11") << 5 << 0xBE1FB811u;
        QTest::newRow("lower case") << QByteArray("be 1f") << 2 << 0xBE1Fu;
        QTest::newRow("leading space gives 0") << QByteArray(" 7E8") << 1 << 0u;
        QTest::newRow("other characters skipped") << QByteArray("1G2") << 1 << 0x12u;
        QTest::newRow("to the end of the text") << QByteArray("1A F8") << 2 << 0x1AF8u;
        // The next line's header must not join the last byte of a line without a trailing space.
        QTest::newRow("ends at CR") << QByteArray("7B\r7E9 03 41 05 7C") << 1 << 0x7Bu;
        QTest::newRow("ends at CR with bytes missing") << QByteArray("1A\r7E9") << 2 << 0x1Au;
        QTest::newRow("ends at a zero byte") << QByteArray("1A\0F8", 5) << 2 << 0x1Au;
    }
    void tekstNaIntCzytaBajtySzesnastkowe() {
        QFETCH(QByteArray, tekst);
        QFETCH(int, n);
        QFETCH(uint, wartosc);
        QCOMPARE(TekstNaInt(tekst, n), wartosc);
    }

    void tekstNaIntCzytaNajwyzej255Znakow() {
        const QByteArray dlugi = QByteArray(255, 'x') + "5";
        QCOMPARE(TekstNaInt(dlugi, 1), 0u);
        QCOMPARE(TekstNaInt(QByteArray(254, 'x') + "5", 1), 5u);
    }

    void logPokazujeBajtySterujaceJakoKropki() {
        QCOMPARE(TekstDoLogu("ATZ\r\n\x7F\x80\xC1>"), QStringLiteral("ATZ..\x7F..>"));
    }

    void wierszAdapteraToLiniaIdentyfikacji_data() {
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<QByteArray>("wiersz");
        QTest::newRow("echo and blank lines")
            << QByteArray("ATZ\r\r\rELM327 v2.1\r\r>") << QByteArray("ELM327 v2.1");
        QTest::newRow("with linefeeds")
            << QByteArray("ATZ\r\n\r\nELM327 v1.5\r\n\r\n>") << QByteArray("ELM327 v1.5");
    }
    void wierszAdapteraToLiniaIdentyfikacji() {
        QFETCH(QByteArray, odpowiedz);
        QFETCH(QByteArray, wiersz);
        QCOMPARE(TekstAdaptera(odpowiedz), optional<QByteArray>(wiersz));
    }

    void bezElmNieMaAdaptera() {
        QCOMPARE(TekstAdaptera("ATZ\r\r?\r\r>"), optional<QByteArray>());
        QCOMPARE(TekstAdaptera({}), optional<QByteArray>());
    }

    void napiecie_data() {
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<optional<QByteArray>>("wiersz");
        QTest::newRow("with echo")
            << QByteArray("ATRV\r12.4V\r\r>") << optional<QByteArray>("12.4V");
        QTest::newRow("echo off") << QByteArray("13.9V\r\r>") << optional<QByteArray>("13.9V");
        QTest::newRow("question mark") << QByteArray("ATRV\r?\r\r>") << optional<QByteArray>();
        QTest::newRow("CR LF") << QByteArray("ATRV\r\n12.4V\r\n\r\n>")
                               << optional<QByteArray>("12.4V");
    }
    void napiecie() {
        QFETCH(QByteArray, odpowiedz);
        QFETCH(optional<QByteArray>, wiersz);
        QCOMPARE(TekstNapiecia(odpowiedz), wiersz);
    }

    void numerProtokolu_data() {
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<int>("numer");
        QTest::newRow("6") << QByteArray("ATDPN\r6\r\r>") << 6;
        QTest::newRow("echo off") << QByteArray("3\r\r>") << 3;
        // The adapter marks automatic searching, which ATTP turns on, with a leading A.
        QTest::newRow("A6 is protocol 6") << QByteArray("ATDPN\rA6\r\r>") << 6;
        QTest::newRow("A9") << QByteArray("ATDPN\rA9\r\r>") << 9;
        QTest::newRow("A1") << QByteArray("A1\r\r>") << 1;
        QTest::newRow("question mark") << QByteArray("ATDPN\r?\r\r>") << 0;
        QTest::newRow("time-out") << QByteArray() << 0;
        QTest::newRow("CR LF") << QByteArray("ATDPN\r\nA6\r\n\r\n>") << 6;
    }
    void numerProtokolu() {
        QFETCH(QByteArray, odpowiedz);
        QFETCH(int, numer);
        QCOMPARE(NumerProtokolu(odpowiedz), numer);
    }

    void protokolyMajaNazwyIStyl() {
        QCOMPARE(OpisProtokolu(6)->krotka, QStringLiteral("CAN (11 bit ID, 500 kb)"));
        QCOMPARE(OpisProtokolu(3)->dluga, QStringLiteral("ISO 9141-2 (5 baud init, 10.4 Kbaud)"));
        QCOMPARE(OpisProtokolu(12)->krotka, QStringLiteral("USER2"));
        QCOMPARE(OpisProtokolu(0), nullptr);
        QCOMPARE(OpisProtokolu(13), nullptr);
        const QList<TStylNaglowka> style{StylNaglowka(1), StylNaglowka(3), StylNaglowka(4),
                                         StylNaglowka(5), StylNaglowka(6), StylNaglowka(7),
                                         StylNaglowka(8), StylNaglowka(9), StylNaglowka(10)};
        using enum TStylNaglowka;
        QCOMPARE(style, (QList<TStylNaglowka>{J1850Iso, J1850Iso, Kwp, Kwp, Can11, Can29, Can11,
                                              Can29, Brak}));
    }

    void kandydaciWKolejnosciSzukania() {
        QList<QByteArray> komendy;
        for (const TKandydat& k : KandydaciProtokolu())
            komendy << k.komenda;
        QCOMPARE(komendy, (QList<QByteArray>{"ATTP6", "ATTP7", "ATTP2", "ATTP1", "ATTP3", "ATTP4",
                                             "ATTP5", "ATTP6", "ATTP7", "ATTP8", "ATTP9"}));
        QCOMPARE(KandydaciProtokolu()[4].dluga,
                 QStringLiteral("ISO 9141-2 (KL) (5 baud init, 10.4 Kbaud)"));
        QCOMPARE(KandydaciProtokolu()[5].etykieta, QStringLiteral("try KWP slow init"));
    }

    void szukanieEcu_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<QByteArray>("lista");
        QTest::addColumn<int>("ecu");
        QTest::addColumn<int>("ile");
        QTest::newRow("J1850: the second reports trims")
            << 2 << QByteArray("41 6B 10 41 00 80 00 00 00 2F\r41 6B 11 41 00 BE 1F B8 11 2F\r\r>")
            << QByteArray("10h 11h ") << 0x11 << 2;
        QTest::newRow("CAN 11-bit: none but the first")
            << 6 << QByteArray("7E8 06 41 00 BF 9F B9 93\r7E9 06 41 00 98 18 80 11\r\r>")
            << QByteArray("7E8h 7E9h ") << 0x7E8 << 2;
        QTest::newRow("CAN 29-bit")
            << 7
            << QByteArray("18 DA F1 10 06 41 00 BF 9F B9 93\r18 DA F1 11 06 41 00 98 18 80 11\r\r>")
            << QByteArray("10h 11h ") << 0x10 << 2;
        QTest::newRow("J1850, CR LF")
            << 2
            << QByteArray("41 6B 10 41 00 80 00 00 00 2F\r\n41 6B 11 41 00 BE 1F B8 11 2F\r\n\r\n>")
            << QByteArray("10h 11h ") << 0x11 << 2;
        QTest::newRow("KWP, trims on the second")
            << 5 << QByteArray("86 F1 10 41 00 98 18 80 11 55\r86 F1 1F 41 00 BE 1F B8 11 AA\r\r>")
            << QByteArray("10h 1Fh ") << 0x1F << 2;
        QTest::newRow("CAN with trailing spaces, three ECUs")
            << 8
            << QByteArray("7E8 06 41 00 98 18 80 11 \r7E9 06 41 00 BE 1F B8 11 \r7EA 06 41 00 80 "
                          "00 00 01 \r\r>")
            << QByteArray("7E8h 7E9h 7EAh ") << 0x7E9 << 3;
        QTest::newRow("a last line under 20 characters is not read")
            << 6 << QByteArray("7E8 06 41 00 BF 9F B9 93\r7E9 06 41 00 BE\r>")
            << QByteArray("7E8h ") << 0x7E8 << 1;
        QTest::newRow("error answer") << 6 << QByteArray("NO DATA\r\r>") << QByteArray() << 0 << 0;
        QTest::newRow("J1939 reads nothing")
            << 10 << QByteArray("7E8 06 41 00 BF 9F B9 93\r\r>") << QByteArray() << 0 << 0;
        QTest::newRow("J1850 line without the tester byte stops")
            << 1 << QByteArray("41 6A 10 41 00 BE 1F B8 11 2F\r\r>") << QByteArray() << 0 << 0;
    }
    void szukanieEcu() {
        QFETCH(int, protokol);
        QFETCH(QByteArray, odpowiedz);
        QFETCH(QByteArray, lista);
        QFETCH(int, ecu);
        QFETCH(int, ile);
        const TEcu wynik = SzukajEcu(odpowiedz, protokol);
        QCOMPARE(wynik.lista, lista);
        QCOMPARE(wynik.ecu, ecu);
        QCOMPARE(wynik.ile, ile);
    }

    void slowoStatusu_data() {
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::addColumn<optional<uint>>("slowo");
        QTest::newRow("plain line")
            << QByteArray("41 01 83 07 65 04\r\r>") << optional<uint>(0x83076504u);
        QTest::newRow("echo") << QByteArray("0101\r41 01 00 07 65 04\r\r>")
                              << optional<uint>(0x00076504u);
        QTest::newRow("CAN, first answer wins")
            << QByteArray("7E8 06 41 01 83 07 65 04\r7E9 06 41 01 00 00 00 00\r\r>")
            << optional<uint>(0x83076504u);
        QTest::newRow("no data") << QByteArray("NO DATA\r\r>") << optional<uint>();
    }
    // Every prefix of whole answers, cut anywhere, through each reader: none may read past
    // the end (a debug build aborts on a slice out of range).
    void uciete_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<QByteArray>("odpowiedz");
        QTest::newRow("ATZ") << 6 << QByteArray("ATZ\r\r\rELM327 v1.5\r\r>");
        QTest::newRow("ATRV") << 6 << QByteArray("ATRV\r12.4V\r\r>");
        QTest::newRow("ATDPN") << 6 << QByteArray("ATDPN\rA6\r\r>");
        QTest::newRow("0100 J1850") << 2 << QByteArray("41 6B 10 41 00 BE 1F B8 11 2F\r\r>");
        QTest::newRow("0100 KWP") << 4 << QByteArray("86 F1 11 41 00 BE 1F B8 11 6F\r\r>");
        QTest::newRow("0100 CAN 11") << 6 << QByteArray("7E8 06 41 00 BF 9F B9 93\r\r>");
        QTest::newRow("0100 CAN 29") << 7 << QByteArray("18 DA F1 10 06 41 00 BF 9F B9 93\r\r>");
        QTest::newRow("0101") << 6 << QByteArray("0101\r7E8 06 41 01 83 07 65 04\r\r>");
        QTest::newRow("010C") << 6 << QByteArray("7E8 04 41 0C 1A F8\r\r>");
        QTest::newRow("0164 KWP") << 4 << QByteArray("87 F1 11 41 64 7D 87 91 9B A5 6F\r\r>");
        QTest::newRow("03 CAN 11")
            << 6 << QByteArray("7E8 10 08 43 03 C1 55 C1 01\r7E8 21 C1 21 00 00 00 00 00\r\r>");
        QTest::newRow("03 CAN 29")
            << 9 << QByteArray("18 DA F1 10 10 08 43 03 10 21 01 05\r18 DA F1 10 21 03 40 00\r>");
        QTest::newRow("03 KWP") << 4 << QByteArray("87 F1 11 43 01 33 03 01 00 00 13\r\r>");
    }
    void uciete() {
        QFETCH(int, protokol);
        QFETCH(QByteArray, odpowiedz);
        const auto tabela = TabelaPidow();
        for (qsizetype n = 0; n <= odpowiedz.size(); ++n) {
            const QByteArray tekst = odpowiedz.first(n);
            (void)TekstAdaptera(tekst);
            (void)TekstNapiecia(tekst);
            (void)NumerProtokolu(tekst);
            (void)SzukajEcu(tekst, protokol);
            (void)SlowoStatusu(tekst);
            (void)KodyEcu(tekst, protokol, 0x43);
            for (const int numer : {0x0C, 0x64}) {
                const TOpisPid& o = tabela[std::size_t(numer)];
                const int ecu = protokol == 6 ? 0x7E8 : protokol == 4 ? 0x11 : 0x10;
                const int pozycja = SzukajEcuPid(tekst, protokol, ecu, numer, o.bajty);
                if (pozycja == 0) continue;
                pid p;
                p.Bajty = o.bajty;
                p.Wzor = o.wzor;
                (void)TekstPid(p, numer,
                               QByteArrayView(tekst).sliced(std::min<qsizetype>(pozycja - 1, n)));
            }
        }
        // Cut before its last code byte, the CAN list keeps the codes that arrived whole.
        QCOMPARE(KodyEcu("7E8 10 08 43 03 C1 55 C1 01\r7E8 21 C1", 6, 0x43).value(0).kody,
                 (QList<std::uint32_t>{0xC155, 0xC101}));
    }

    void slowoStatusu() {
        QFETCH(QByteArray, odpowiedz);
        QFETCH(optional<uint>, slowo);
        const optional<std::uint32_t> wynik = SlowoStatusu(odpowiedz);
        QCOMPARE(wynik.has_value(), slowo.has_value());
        if (slowo) QCOMPARE(*wynik, *slowo);
    }
};

QTEST_GUILESS_MAIN(TestOdpowiedziElm)
#include "tst_odpowiedzielm.moc"
