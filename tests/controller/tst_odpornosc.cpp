// Garbage on the line, interleaved with the controller's real replies: nothing crashes or
// hangs, no block takes bytes that the controller did not send, and once the garbage stops
// every pending request completes.

#include "Bloki.h"
#include "RamkaTestowa.h"
#include "Stanowisko.h"

#include <QRandomGenerator>
#include <QTest>

#include <map>

namespace {

// What the played controller holds, per read code.
std::map<int, QByteArray> ZawartoscKontrolera() {
    std::map<int, QByteArray> z;
    for (const Bloki::TOpisBloku& b : Bloki::Kolejnosc) {
        QByteArray blok;
        for (int i = 0; i < 256; ++i)
            blok.append(static_cast<char>(1 + (i * 7 + b.bit * 31) % 250));
        if (b.bit == 0) blok[0] = static_cast<char>(0x100 - RamkaTestowa::Suma(blok.mid(1)));
        z[b.odczyt] = blok;
    }
    return z;
}

QByteArray Losowe(QRandomGenerator& los, int maks) {
    QByteArray b;
    const int n = 1 + int(los.bounded(maks));
    for (int i = 0; i < n; ++i)
        b.append(static_cast<char>(los.bounded(256)));
    return b;
}

} // namespace

class TestOdpornosc : public QObject {
    Q_OBJECT

    const std::map<int, QByteArray> kontroler = ZawartoscKontrolera();
    std::map<int, QByteArray> poczatkowe; // the tool's defaults before anything was read
    QByteArray zapisaneEmulatora;

    QByteArray Odpowiedz(const TZadanie& z) {
        const auto kod = static_cast<std::uint8_t>(z.kod);
        if (kod == 0x81) return RamkaTestowa::Odpowiedz(kod, QByteArray(60, '\x05'));
        if (const auto it = kontroler.find(kod); it != kontroler.end())
            return RamkaTestowa::Odpowiedz(kod, it->second);
        if (kod == 0xCB) zapisaneEmulatora = z.dane.mid(2);
        if (kod >= 0x90 && kod <= 0x9F) return RamkaTestowa::Odpowiedz(kod, QByteArray(86, '\0'));
        return RamkaTestowa::Odpowiedz(kod);
    }

    static QByteArray Blok(TSterownik& s, int bit) {
        return QByteArray(reinterpret_cast<const char*>(s.DaneBloku(bit)), 256);
    }

    // Every block is either untouched or holds exactly what the controller sent.
    void SprawdzBloki(TSterownik& s) {
        for (const Bloki::TOpisBloku& b : Bloki::Kolejnosc) {
            const QByteArray blok = Blok(s, b.bit);
            if (blok != poczatkowe.at(b.bit)) QCOMPARE(blok, kontroler.at(b.odczyt));
        }
    }

    void Zakloc(TStanowisko& st, QRandomGenerator& los, const QByteArray& dobra) {
        switch (los.bounded(7)) {
        case 0:
            st.pty.Wyslij(Losowe(los, 300));
            break;
        case 1:
            st.pty.Wyslij(dobra + Losowe(los, 40));
            break;
        case 2: { // a header announcing 255 words, cut short
            QByteArray r =
                QByteArray::fromHex("56") + Losowe(los, 1).left(1) + QByteArray(1, '\xFF');
            st.pty.Wyslij(r + Losowe(los, 100));
            break;
        }
        case 3: {
            // A flip in the command or the last byte always breaks the sum. (The chained
            // scrambling hides e.g. a bit-7 flip with an even number of bytes after it.)
            QByteArray r = dobra;
            const int i = los.bounded(2) ? 3 : int(r.size()) - 1;
            r[i] = static_cast<char>(r[i] ^ (1 << los.bounded(8)));
            st.pty.Wyslij(r);
            break;
        }
        case 4: { // split with ticks in between
            const int podzial = 1 + int(los.bounded(int(dobra.size()) - 1));
            st.pty.Wyslij(dobra.left(podzial));
            st.s->Timer1OnTimer();
            st.pty.Wyslij(dobra.mid(podzial));
            break;
        }
        case 5:
            st.pty.Wyslij(Losowe(los, 20) + dobra);
            break;
        default:
            st.pty.Wyslij(dobra);
            break;
        }
    }

private slots:
    void garbageNeverCorruptsABlockAndTheLinkRecovers() {
        TStanowisko st;
        QVERIFY(st.Otworz());
        st.s->OnTekst = nullptr; // thousands of log lines would only slow the run
        QRandomGenerator los(20261209);
        std::memset(st.s->EmulatorCis, 0, 256); // not read by a fresh connection: stays ours
        for (const Bloki::TOpisBloku& b : Bloki::Kolejnosc)
            poczatkowe[b.bit] = Blok(*st.s, b.bit);

        for (int i = 0; i < 600; ++i) {
            const auto z = st.Slot();
            const QByteArray dobra =
                z ? Odpowiedz(*z) : RamkaTestowa::Odpowiedz(0x90, QByteArray(86, '\0'));
            Zakloc(st, los, dobra);
            SprawdzBloki(*st.s);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("after slot %1").arg(i)));
        }

        QVERIFY(st.s->PortConnected());
        // The garbage stops; the controller answers everything that is still asked for.
        std::memset(st.s->EmulatorCis, 0x3C, 256);
        st.s->CzytajZeSterownika(Bloki::WszystkieBloki);
        st.s->RozkazDoSterownika(TSterownik::RozkazBledy);
        st.s->DoZapisu |= Bloki::EmulatorCis;
        for (int i = 0; i < 200; ++i) {
            const auto z = st.Slot();
            if (z) st.pty.Wyslij(Odpowiedz(*z));
        }
        QCOMPARE(st.s->DoOdczytu, 0);
        QCOMPARE(st.s->DoZapisu, 0);
        QCOMPARE(st.s->BezPotwierdzenia, 0);
        QCOMPARE(st.s->Rozkazy, 0);
        QVERIFY(st.s->BezOdpowiedzi <= 1);
        for (const Bloki::TOpisBloku& b : Bloki::Kolejnosc) {
            // The history also carries the entry of the write made here.
            if (!(Bloki::WszystkieBloki & (1 << b.bit)) || b.bit == 7) continue;
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(st.s->DaneBloku(b.bit)), 256),
                     kontroler.at(b.odczyt));
        }
        QCOMPARE(zapisaneEmulatora, QByteArray(256, '\x3C'));
    }
};

QTEST_GUILESS_MAIN(TestOdpornosc)
#include "tst_odpornosc.moc"
