// Sending commands and collecting answers over a pseudo-terminal, the test playing the
// adapter: the prompt rule, answers in pieces, the time-out and the queued AT command.

#include "StanowiskoObd.h"

#include <QTest>

namespace {

constexpr TKolor Magenta{0xFF00FF};
constexpr TKolor Niebieski{0x0000FF};
constexpr TKolor Czerwony{0xFF0000};

// A reader on an open port, idle in state 0, so that ticks only receive and count down.
struct TLacze : TStanowiskoObd {
    TLacze() {
        if (Otworz()) obd->SwiezoOtwarty = false;
    }
};

} // namespace

class TestLaczeObd : public QObject {
    Q_OBJECT

private slots:
    void nadajWysylaICzekaNaOdpowiedz() {
        TLacze st;
        st.obd->Odpowiedz = "stara";
        st.obd->Nadaj("ATZ\r");
        QCOMPARE(st.pty.Komenda(), std::optional<QByteArray>("ATZ\r"));
        QVERIFY(st.obd->CzekaNaOdpowiedz);
        QCOMPARE(st.obd->CzasOdpowiedzi, 3000);
        QCOMPARE(st.obd->Odpowiedz, QByteArray());
        QVERIFY(st.Zalogowano(QStringLiteral("ATZ."), Magenta));
    }

    void bezPortuNicNieWysyla() {
        TStanowiskoObd st;
        st.obd->Nadaj("ATZ\r");
        QVERIFY(!st.obd->CzekaNaOdpowiedz);
        QVERIFY(st.log.isEmpty());
    }

    void nadajCzysciKolejkeOdbiorcza() {
        TLacze st;
        st.pty.Wyslij("NO DATA\r\r>");
        st.obd->Nadaj("0100\r");
        st.pty.Wyslij("41 00 BE 1F B8 11\r\r>");
        st.Takt();
        QCOMPARE(st.obd->Odpowiedz, QByteArray("41 00 BE 1F B8 11\r\r>"));
    }

    void odpowiedzWKawalkachKonczyDopieroZacheta() {
        TLacze st;
        st.obd->Nadaj("0100\r");
        for (const char* kawalek : {"0100\r7E8 06 ", "41 00 BE 1F B8 11\r", "\r>"}) {
            QVERIFY(st.obd->CzekaNaOdpowiedz);
            st.pty.Wyslij(kawalek);
            st.Takt();
        }
        QVERIFY(!st.obd->CzekaNaOdpowiedz);
        QCOMPARE(st.obd->Odpowiedz, QByteArray("0100\r7E8 06 41 00 BE 1F B8 11\r\r>"));
        QVERIFY(st.Zalogowano(QStringLiteral("0100.7E8 06 41 00 BE 1F B8 11..>"), Niebieski));
        QCOMPARE(st.obd->DlugoscOdb, 0);
    }

    void odpowiedzBajtPoBajcie() {
        TLacze st;
        const QByteArray odpowiedz = "ATRV\r12.4V\r\r>";
        st.obd->Nadaj("ATRV\r");
        for (const char bajt : odpowiedz) {
            QCOMPARE(st.obd->Odpowiedz, QByteArray());
            st.pty.Wyslij(QByteArray(1, bajt));
            st.Takt();
        }
        QCOMPARE(st.obd->Odpowiedz, odpowiedz);
    }

    void zachetaWSrodkuOdczytuNieKonczy() {
        TLacze st;
        st.obd->Nadaj("ATI\r");
        st.pty.Wyslij("ELM327 v1.5\r\r>\rx");
        st.Takt();
        QVERIFY(st.obd->CzekaNaOdpowiedz);
        QCOMPARE(st.obd->Odpowiedz, QByteArray());
        st.pty.Wyslij(">");
        st.Takt();
        QCOMPARE(st.obd->Odpowiedz, QByteArray("ELM327 v1.5\r\r>\rx>"));
    }

    void przekroczenieCzasuPo3000ms() {
        TLacze st;
        st.obd->Nadaj("ATZ\r");
        st.Takty(30); // 3000 ms counted off
        QVERIFY(st.obd->CzekaNaOdpowiedz);
        QCOMPARE(st.obd->CzasOdpowiedzi, 0);
        st.Takt();
        QVERIFY(!st.obd->CzekaNaOdpowiedz);
        QCOMPARE(st.obd->Odpowiedz, QByteArray());
        QVERIFY(st.Zalogowano(QStringLiteral("Przekroczenie czasu"), Czerwony));
    }

    void krotszyCzasOdpowiedzi() {
        TLacze st;
        st.obd->CzasNaOdpowiedz = 300;
        st.obd->Nadaj("ATZ\r");
        st.Takty(3);
        QVERIFY(st.obd->CzekaNaOdpowiedz);
        st.Takt();
        QVERIFY(!st.obd->CzekaNaOdpowiedz);
    }

    void czesciowaOdpowiedzZnikaPrzyPrzekroczeniuCzasu() {
        TLacze st;
        st.obd->CzasNaOdpowiedz = 300;
        st.obd->Nadaj("010C\r");
        st.pty.Wyslij("7E8 04 41 0C 1A");
        st.Takty(5);
        QVERIFY(!st.obd->CzekaNaOdpowiedz);
        QCOMPARE(st.obd->DlugoscOdb, 0);
        st.obd->Nadaj("0105\r");
        st.pty.Wyslij("7E8 03 41 05 7B\r\r>");
        st.Takt();
        QCOMPARE(st.obd->Odpowiedz, QByteArray("7E8 03 41 05 7B\r\r>"));
    }

    void spoznionaCzescOdpowiedziNieDoklejaSieDoNastepnej() {
        TLacze st;
        st.obd->CzasNaOdpowiedz = 100;
        st.obd->Nadaj("010C\r");
        st.Takty(2);
        QVERIFY(!st.obd->CzekaNaOdpowiedz);
        st.pty.Wyslij("7E8 04 41 0C"); // the rest of a slow answer, after the time-out
        st.Takt();
        st.obd->Nadaj("0105\r");
        st.pty.Wyslij("7E8 03 41 05 7B\r\r>");
        st.Takt();
        QCOMPARE(st.obd->Odpowiedz, QByteArray("7E8 03 41 05 7B\r\r>"));
    }

    void pelnyBuforBezZachetyNieBlokujeLacza() {
        TLacze st;
        st.obd->CzasNaOdpowiedz = 300;
        st.obd->Nadaj("0100\r");
        st.pty.Wyslij(QByteArray(1500, 'A'));
        st.Takty(2);
        QCOMPARE(st.obd->DlugoscOdb, TObd::RozmiarBufora);
        st.Takty(4);
        QVERIFY(!st.obd->CzekaNaOdpowiedz);
        st.obd->Nadaj("ATRV\r");
        st.pty.Wyslij("12.4V\r\r>");
        st.Takt();
        QCOMPARE(st.obd->Odpowiedz, QByteArray("12.4V\r\r>"));
    }

    void pauzaWydluzaCzekanie() {
        TLacze st;
        st.obd->CzasNaOdpowiedz = 300;
        st.obd->Nadaj("0100\r");
        st.obd->Opoznienie = 200;
        st.Takty(5);
        QVERIFY(st.obd->CzekaNaOdpowiedz);
        st.Takt();
        QVERIFY(!st.obd->CzekaNaOdpowiedz);
    }

    void komendaAtWNastepnymWolnymKroku() {
        TLacze st;
        st.obd->Opoznienie = 100;
        st.obd->AtCommand("ATI");
        st.Takt();
        QCOMPARE(st.pty.Reszta(), QByteArray());
        st.Takt();
        QCOMPARE(st.pty.Komenda(), std::optional<QByteArray>("ATI\r"));
        QVERIFY(!st.obd->JestKomendaAt);
        QCOMPARE(st.obd->Opoznienie, 1000);
        st.pty.Wyslij("ELM327 v1.5\r\r>");
        st.Takt();
        QCOMPARE(st.obd->Odpowiedz, QByteArray("ELM327 v1.5\r\r>"));
    }

    void taktWTrakcieTaktuNicNieRobi() {
        TLacze st;
        st.obd->Nadaj("ATZ\r");
        st.obd->WTakcie = true;
        st.Takty(40);
        QVERIFY(st.obd->CzekaNaOdpowiedz);
        QCOMPARE(st.obd->CzasOdpowiedzi, 3000);
    }
};

QTEST_GUILESS_MAIN(TestLaczeObd)
#include "tst_laczeobd.moc"
