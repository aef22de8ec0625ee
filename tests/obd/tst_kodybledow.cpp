// Trouble codes: finding the main ECU's reply, ISO and CAN single and multi-frame answers,
// the code texts and the panel lines with their descriptions.

#include "ElmTekst.h"
#include "KodyBledow.h"
#include "OpisyKodow.h"
#include "StanowiskoObd.h"

#include <QTest>

namespace {

QByteArray Odp(const char* linie) {
    return QByteArray(linie) + "\r\r>";
}

// A small description table in the real format: Windows-1250, CR LF, no end on the last line.
QByteArray TabelaTestowa(int zasob) {
    if (zasob == ZasobOpisowAngielskich)
        return "P0105 MAP Circuit\r\nP2097 Post Catalyst Fuel Trim Too Rich\r\n"
               "U0155 Lost Communication With Cluster\r\nP0120 Throttle \x96 Sensor A\r\n"
               "P0105 Repeated Entry\r\nU0121 Lost Communication With ABS";
    if (zasob == ZasobOpisowPolskich)
        return "P0105 Obw\xF3"
               "d czujnika MAP\r\nP2097 Za bogata mieszanka";
    return {};
}

QStringList Kody(const QList<TKodyEcu>& wynik) {
    QStringList kody;
    for (const TKodyEcu& e : wynik) {
        QString linia = QString::fromLatin1(Hex(std::uint32_t(e.ecu), 2)) + u':';
        for (const std::uint32_t k : e.kody)
            linia += u' ' + KodNaTekst(k);
        kody << linia;
    }
    return kody;
}

} // namespace

class TestKodyBledow : public QObject {
    Q_OBJECT

    static void KolumnyKodow() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<int>("odpowiedz");
        QTest::addColumn<QByteArray>("tekst");
        QTest::addColumn<QStringList>("kody"); // per ECU: "7E8: U0155 U0101"
    }

    static void SprawdzKody() {
        QFETCH(int, protokol);
        QFETCH(int, odpowiedz);
        QFETCH(QByteArray, tekst);
        QFETCH(QStringList, kody);
        QCOMPARE(Kody(KodyEcu(tekst, protokol, static_cast<unsigned char>(odpowiedz))), kody);
    }

private slots:
    void kodNaTekst_data() {
        QTest::addColumn<uint>("kod");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("P") << 0x0301u << QStringLiteral("P0301");
        QTest::newRow("C") << 0x4123u << QStringLiteral("C0123");
        QTest::newRow("B") << 0x8A01u << QStringLiteral("B0A01");
        QTest::newRow("U") << 0xC155u << QStringLiteral("U0155");
        QTest::newRow("P2") << 0x2097u << QStringLiteral("P2097");
        QTest::newRow("U3FFF") << 0xFFFFu << QStringLiteral("U3FFF");
    }
    void kodNaTekst() {
        QFETCH(uint, kod);
        QFETCH(QString, tekst);
        QCOMPARE(KodNaTekst(kod), tekst);
    }

    void kodyIso_data() {
        KolumnyKodow();
        QTest::newRow("KWP stored, the other ECU without codes")
            << 4 << 0x43
            << Odp("87 F1 1F 43 20 97 00 00 00 00 83\r87 F1 11 43 00 00 00 00 00 00 D3")
            << QStringList{"1F: P2097", "11:"};
        QTest::newRow("KWP pending in the second line")
            << 5 << 0x47
            << Odp("87 F1 11 47 00 00 00 00 00 00 D7\r87 F1 1F 47 20 97 00 00 00 00 87")
            << QStringList{"11:", "1F: P2097"};
        QTest::newRow("J1850, two messages of the ECU")
            << 2 << 0x43
            << Odp("48 6B 10 43 01 33 03 01 C1 55 AA\r48 6B 10 43 01 20 00 00 00 00 BB")
            << QStringList{"10: P0133 P0301 U0155 P0120"};
        QTest::newRow("ISO 9141, trailing spaces")
            << 3 << 0x43 << Odp("48 6B 10 43 01 33 00 00 00 00 AA ") << QStringList{"10: P0133"};
        QTest::newRow("ECU answers without codes")
            << 1 << 0x4A << Odp("48 6B 10 4A 00 00 00 00 00 00 AA") << QStringList{"10:"};
        QTest::newRow("KWP, CR LF line ends")
            << 4 << 0x43
            << Odp("03\r\n87 F1 1F 43 20 97 00 00 00 00 83\r\n87 F1 11 43 01 33 00 00 00 00 D3\r\n")
            << QStringList{"1F: P2097", "11: P0133"};
        QTest::newRow("NO DATA") << 4 << 0x43 << Odp("NO DATA") << QStringList{};
        QTest::newRow("a line cut short") << 4 << 0x43 << Odp("87 F1 1F 43 2") << QStringList{};
    }
    void kodyIso() { SprawdzKody(); }

    void kodyCan_data() {
        KolumnyKodow();
        const char* trzy =
            "7E8 10 08 43 03 C1 55 C1 01\r7E8 21 C1 21 00 00 00 00 00\r7E9 04 43 01 C0 73";
        QTest::newRow("first frame of three codes, then 7E9")
            << 6 << 0x43 << Odp(trzy) << QStringList{"7E8: U0155 U0101 U0121", "7E9: U0073"};
        QTest::newRow("the same with trailing spaces")
            << 6 << 0x43
            << Odp("7E8 10 08 43 03 C1 55 C1 01 \r7E8 21 C1 21 00 00 00 00 00 \r7E9 04 43 01 C0 "
                   "73 ")
            << QStringList{"7E8: U0155 U0101 U0121", "7E9: U0073"};
        QTest::newRow("another ECU between first and consecutive frame")
            << 6 << 0x43
            << Odp("7E8 10 08 43 03 C1 55 C1 01\r7E9 04 43 01 07 00\r7E8 21 C1 21 00 00 00 00 00")
            << QStringList{"7E8: U0155 U0101 U0121", "7E9: P0700"};
        QTest::newRow("two multi-frame answers interleaved")
            << 8 << 0x43
            << Odp("7E8 10 08 43 03 01 01 01 02\r7E9 10 08 43 03 02 01 02 02\r"
                   "7E8 21 01 03 00 00 00 00 00\r7E9 21 02 03 00 00 00 00 00")
            << QStringList{"7E8: P0101 P0102 P0103", "7E9: P0201 P0202 P0203"};
        QTest::newRow("29-bit, another ECU in between")
            << 7 << 0x43
            << Odp("18 DA F1 10 10 08 43 03 01 05 03 40\r18 DA F1 11 04 43 01 07 00\r"
                   "18 DA F1 10 21 11 20 00 00 00 00 00")
            << QStringList{"10: P0105 P0340 P1120", "11: P0700"};
        QTest::newRow("CR LF line ends")
            << 6 << 0x43
            << Odp("03\r\n7E8 10 08 43 03 C1 55 C1 01\r\n7E8 21 C1 21 00 00 00 00 00\r\n")
            << QStringList{"7E8: U0155 U0101 U0121"};
        QTest::newRow("four codes")
            << 6 << 0x47 << Odp("7E8 10 0A 47 04 C1 55 C1 01\r7E8 21 21 98 C1 21 00 00 00")
            << QStringList{"7E8: U0155 U0101 P2198 U0121"};
        QTest::newRow("two consecutive frames, six codes")
            << 8 << 0x47
            << Odp("7E8 10 0E 47 06 01 20 02 20\r7E8 21 01 05 03 00 01 10 04\r7E8 22 43 05 03 00 "
                   "01 10 04")
            << QStringList{"7E8: P0120 P0220 P0105 P0300 P0110 P0443"};
        QTest::newRow("a consecutive frame out of sequence is passed over")
            << 6 << 0x43 << Odp("7E8 10 08 43 03 C1 55 C1 01\r7E8 22 C1 21 00 00 00 00 00")
            << QStringList{"7E8: U0155 U0101"};
        QTest::newRow("29-bit, five codes")
            << 7 << 0x43
            << Odp("18 DA F1 10 10 0C 43 05 01 05 03 40\r18 DA F1 10 21 11 20 01 21 02 21 00")
            << QStringList{"10: P0105 P0340 P1120 P0121 P0221"};
        QTest::newRow("29-bit, data bytes 10 21 before the frame")
            << 9 << 0x43
            << Odp("18 DA F1 10 10 08 43 03 10 21 01 05\r18 DA F1 10 21 03 40 00 00 00 00 00")
            << QStringList{"10: P1021 P0105 P0340"};
        QTest::newRow("single frame, one code")
            << 6 << 0x47 << Odp("7E8 04 47 01 10 55 00 00 00") << QStringList{"7E8: P1055"};
        QTest::newRow("single frame, two codes")
            << 6 << 0x4A << Odp("7E8 06 4A 02 01 33 C1 55 00") << QStringList{"7E8: P0133 U0155"};
        QTest::newRow("single frame, none: heading only")
            << 6 << 0x47 << Odp("7E8 02 47 00 00 00 00 00 00") << QStringList{"7E8:"};
        QTest::newRow("unknown start: heading only")
            << 6 << 0x43 << Odp("7E8 05 43 01 01 33 00") << QStringList{"7E8:"};
        QTest::newRow("first frame cut short")
            << 6 << 0x43 << Odp("7E8 10 08 43") << QStringList{"7E8:"};
        QTest::newRow("byte cut in half: the line is passed over")
            << 6 << 0x43 << Odp("7E8 10 08 43 03 C1 5") << QStringList{};
        QTest::newRow("negative answer") << 6 << 0x43 << Odp("7E8 03 7F 03 12") << QStringList{};
        QTest::newRow("NO DATA") << 6 << 0x43 << Odp("NO DATA") << QStringList{};
        QTest::newRow("J1939") << 10 << 0x43 << Odp("7E8 04 43 01 C0 73") << QStringList{};
    }
    void kodyCan() { SprawdzKody(); }

    void panelNaglowekKodyIOpisy() {
        TStanowiskoObd st;
        st.obd->UstawZrodloOpisow(TabelaTestowa);
        st.obd->Protokol = 6;
        st.obd->Ecu = 0x7E8;
        st.obd->Odpowiedz = Odp("7E8 10 08 43 03 C1 55 01 05\r7E8 21 C1 21 00 00 00 00 00");
        st.obd->KodyBledow(0x43);
        using L = TAtrapaPanelu::TLinia;
        const QList<L> oczekiwane{
            {QStringLiteral("\tStored Trouble Codes  /  Błędy zarejestrowane :"), TKolor{0x008000}},
            {QStringLiteral("U0155"), TKolor{0xFF0000}},
            {QStringLiteral(" Lost Communication With Cluster"), std::nullopt},
            {QStringLiteral("P0105"), TKolor{0xFF0000}},
            {QStringLiteral(" MAP Circuit"), std::nullopt}, // the first of two entries
            {QStringLiteral(" Obwód czujnika MAP"), std::nullopt},
            {QStringLiteral("U0121"), TKolor{0xFF0000}},
            {QStringLiteral(" Lost Communication With ABS"), std::nullopt}, // last line, no CR LF
        };
        QCOMPARE(st.panel.linie.size(), oczekiwane.size());
        for (qsizetype i = 0; i < oczekiwane.size(); ++i) {
            QCOMPARE(st.panel.linie[i].tekst, oczekiwane[i].tekst);
            QCOMPARE(st.panel.linie[i].kolor, oczekiwane[i].kolor);
        }
        QVERIFY(st.Zalogowano(QStringLiteral("U0155"), TKolor{0xFF0000}));
        QVERIFY(st.Zalogowano(QStringLiteral("7E8h: 3"), TKolor{0xFF00FF}));
    }

    // The main ECU's group first, though it answered second; then the others by address.
    void inneEcuPodWlasnymNaglowkiem() {
        TStanowiskoObd st;
        st.obd->UstawZrodloOpisow([](int) { return QByteArray(); });
        st.obd->Protokol = 6;
        st.obd->Ecu = 0x7E8;
        st.obd->Odpowiedz = Odp("7E9 04 43 01 07 00\r7E8 04 43 01 01 05\r7EA 02 43 00");
        st.obd->KodyBledow(0x43);
        QCOMPARE(st.panel.Teksty(),
                 (QStringList{"\tStored Trouble Codes  /  Błędy zarejestrowane :", "P0105",
                              "\tStored Trouble Codes  /  Błędy zarejestrowane : ECU 7E9h", "P0700",
                              "\tStored Trouble Codes  /  Błędy zarejestrowane : ECU 7EAh"}));
    }

    void naglowkiTrzechRodzajow_data() {
        QTest::addColumn<int>("odpowiedz");
        QTest::addColumn<QString>("naglowek");
        QTest::newRow("43") << 0x43
                            << QStringLiteral("\tStored Trouble Codes  /  Błędy zarejestrowane :");
        QTest::newRow("47") << 0x47
                            << QStringLiteral("\tPending Trouble Codes  /  Błędy oczekujące :");
        QTest::newRow("4A") << 0x4A
                            << QStringLiteral("\tPermanent Trouble Codes  /  Błędy permanentne :");
    }
    void naglowkiTrzechRodzajow() {
        QFETCH(int, odpowiedz);
        QFETCH(QString, naglowek);
        TStanowiskoObd st;
        st.obd->UstawZrodloOpisow(TabelaTestowa);
        st.obd->Protokol = 4;
        st.obd->Ecu = 0x11;
        st.obd->Odpowiedz =
            Odp(QByteArray("87 F1 11 " + QByteArray::number(odpowiedz, 16).toUpper() +
                           " 00 00 00 00 00 00 D3")
                    .constData());
        st.obd->KodyBledow(static_cast<unsigned char>(odpowiedz));
        QCOMPARE(st.panel.Teksty(), QStringList{naglowek});
    }

    void kodBezOpisuTylkoLiniaKodu() {
        TStanowiskoObd st;
        st.obd->UstawZrodloOpisow(TabelaTestowa);
        st.obd->KodyBledowCyfra(0x4123); // C0123: not in the table
        QCOMPARE(st.panel.Teksty(), QStringList{"C0123"});
    }

    void bajt0x96JakoUkosnikILiczba() {
        TStanowiskoObd st;
        st.obd->UstawZrodloOpisow(TabelaTestowa);
        st.obd->KodyBledowCyfra(0x0120);
        QCOMPARE(st.panel.Teksty(), (QStringList{"P0120", " Throttle /150 Sensor A"}));
    }

    void bezTabelNieMaOpisow() {
        TStanowiskoObd st;
        st.obd->UstawZrodloOpisow([](int) { return QByteArray(); });
        st.obd->KodyBledowCyfra(0x0105);
        QCOMPARE(st.panel.Teksty(), QStringList{"P0105"});
    }

    void tabeleProgramuDajaOpisy() {
        TStanowiskoObd st;
        st.obd->KodyBledowCyfra(0x0301);
        const QStringList linie = st.panel.Teksty();
        // The lines of the shipped English and Polish tables, in that order.
        QCOMPARE(linie, (QStringList{QStringLiteral("P0301"),
                                     QStringLiteral(" Cylinder 1 Misfire Detected"),
                                     QStringLiteral(" Cylinder 1 - wykryto przerwę zapłonu")}));
    }

    void bezPaneluNicSieNieDzieje() {
        TStanowiskoObd st;
        st.obd->PanelDtc = nullptr;
        st.obd->Protokol = 6;
        st.obd->Ecu = 0x7E8;
        st.obd->Odpowiedz = Odp("7E8 04 47 01 10 55 00 00 00");
        st.obd->KodyBledow(0x47);
        QVERIFY(st.log.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKodyBledow)
#include "tst_kodybledow.moc"
