// selvar-cli's workshop commands end to end against selvar-sim: backups that a line
// corrupting data unseen cannot make wrong, recordings, settings files read and compared,
// and the JSON output for scripts.

#include "CliNaSymulatorze.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTest>

namespace {

// The identity reply the simulator sent unchanged: what a backup must hold.
QByteArray Identyfikacja(const TSterownikSym& sym) {
    for (const QJsonObject& l : sym.Dziennik())
        if (l.value(QStringLiteral("code")).toInt() == 0x81 &&
            !l.contains(QStringLiteral("unseen")))
            return QByteArray::fromHex(
                l.value(QStringLiteral("replies")).toArray().at(0).toString().toLatin1());
    return {};
}

// Reads of what a backup holds (identity 0x81, blocks 0xA7..0xAD, 0xE0..0xEC, 0x72) whose reply the
// simulator changed unseen.
int ZmienioneOdczyty(const TSterownikSym& sym) {
    int ile = 0;
    for (const QJsonObject& l : sym.Dziennik()) {
        const int kod = l.value(QStringLiteral("code")).toInt();
        const bool odczyt = (kod >= 0xA7 && kod <= 0xAD) || (kod >= 0xE0 && kod <= 0xEC) ||
                            kod == 0x72 || kod == 0x81;
        ile += odczyt && l.value(QStringLiteral("unseen")).toInt() > 0;
    }
    return ile;
}

} // namespace

class TestSelvarCliWarsztat : public QObject {
    Q_OBJECT

private slots:
    void backupUnderUnseenCorruptionIsRightOrFails_data() {
        QTest::addColumn<QString>("udzial");
        QTest::addColumn<bool>("zawiedzie");
        QTest::newRow("a tenth of the replies") << QStringLiteral("0.1") << false;
        QTest::newRow("every reply") << QStringLiteral("1") << true;
    }
    void backupUnderUnseenCorruptionIsRightOrFails() {
        QFETCH(QString, udzial);
        QFETCH(bool, zawiedzie);
        TSterownikSym sym(
            {"--no-learning", "--no-ignition", "--corrupt-unseen", udzial, "--seed", "4"});
        TCli cli;
        const QString plik = cli.Sciezka(QStringLiteral("kopia.set"));
        const TWynik w = cli.Uruchom({"backup", plik, "--port", sym.Port(), "-q"});
        QVERIFY(ZmienioneOdczyty(sym) > 0); // the line did corrupt what the backup read
        if (zawiedzie) QCOMPARE(w.kod, 2);
        if (w.kod != 0) {
            QCOMPARE(w.kod, 2);
            QVERIFY2(QRegularExpression(QStringLiteral("selvar-cli: \\d reads of [A-Za-z0-9]+ and "
                                                       "no two agree; the line corrupts data\n"))
                         .match(w.Bledy())
                         .hasMatch(),
                     w.bledy.constData());
            QVERIFY(!QFile::exists(plik));
            return;
        }
        const QByteArray obraz = Czytaj(plik);
        QCOMPARE(obraz.size(), 4096);
        for (const TBlokPliku& b : BlokiPliku)
            QVERIFY2(obraz.mid(b.polozenie, 256) == sym.Blok(b.nazwa), b.nazwa);
        QCOMPARE(obraz.mid(256, 256), sym.Blok("Historia"));
        QCOMPARE(obraz.mid(16, 48), sym.Blok("NastawyObd"));
        // The identity as sent, but for the adaptation values live frames bring.
        const QByteArray identyfikacja = Identyfikacja(sym);
        QCOMPARE(identyfikacja.size(), 80);
        QCOMPARE(obraz.mid(128, 66), identyfikacja.left(66));
        QCOMPARE(obraz.mid(128 + 70, 10), identyfikacja.mid(70));
    }
};

QTEST_GUILESS_MAIN(TestSelvarCliWarsztat)
#include "tst_selvarcliwarsztat.moc"
