// selvar-cli end to end: the program run as a process against selvar-sim and elm327-sim on
// their pseudo-terminals; what it prints, what it writes, what the simulators received, and
// how it ends.

#include "CliNaSymulatorze.h"
#include "EksportCsv.h"
#include "MapaPortow.h"
#include "SymulatorElm.h"
#include "SymulatorTestowy.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {

// A recording of a generation 3, four-channel controller with three live frames.
QByteArray Nagranie() {
    TMapaPortow mapa;
    TSterownik s(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
    s.Zegar().stop();
    s.IdentSterownika[42] = 3;
    s.IdentSterownika[43] = 4;
    QByteArray plik = s.ObrazModelu(true);
    for (int i = 0; i < 3; ++i) {
        QByteArray r(TSterownik::RozmiarProbki, '\0');
        r[0] = 'V';
        r[3] = char(0x90);
        r[17] = char(85 + i);   // 850, 860, 870 rpm
        r[40] = char(128 + 61); // reducer 61 °C
        r[48] = char(0x7D);     // gas pressure 1.25 bar
        r[60] = char(0xE2);     // P 1: 5.00 ms
        r[61] = char(0x04);
        plik += r;
    }
    return plik;
}

QStringList Linie(const QString& tekst) {
    return tekst.split(u'\n', Qt::SkipEmptyParts);
}

// The commands elm327-sim received, in order.
QStringList KomendyElm(const QString& dziennik) {
    QStringList komendy;
    for (const QByteArray& linia : Czytaj(dziennik).split('\n'))
        if (!linia.isEmpty())
            komendy << QJsonDocument::fromJson(linia)
                           .object()
                           .value(QStringLiteral("rx"))
                           .toString()
                           .trimmed();
    return komendy;
}

} // namespace

class TestSelvarCli : public QObject {
    Q_OBJECT

private slots:
    void helpAndVersionGoToStdout() {
        TCli cli;
        const TWynik pomoc = cli.Uruchom({QStringLiteral("--help")});
        QCOMPARE(pomoc.kod, 0);
        QVERIFY(pomoc.Wyjscie().startsWith(
            QLatin1String("Usage: selvar-cli [options] <command> [files]\n")));
        for (const char* komenda :
             {"info", "errors", "backup FILE.set", "restore FILE.set", "live [--count N] [--csv]",
              "osc2csv FILE.osc OUT.csv", "obd [--clear]", "record FILE.osc [--seconds N]",
              "show FILE.set [--all]", "diff A.set B.set"})
            QVERIFY2(pomoc.Wyjscie().contains(QLatin1String(komenda)), komenda);
        QVERIFY(pomoc.bledy.isEmpty());
        const TWynik wersja = cli.Uruchom({QStringLiteral("--version")});
        QCOMPARE(wersja.kod, 0);
        QVERIFY(QRegularExpression(QStringLiteral("^selvar-cli \\d+\\.\\d+\\.\\d+\\n$"))
                    .match(wersja.Wyjscie())
                    .hasMatch());
    }

    void badCommandLinesAreUsageErrors_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("nothing") << QStringList{} << "no command given";
        QTest::newRow("unknown command") << QStringList{"format"} << "unknown command 'format'";
        QTest::newRow("unknown option")
            << QStringList{"info", "--port", "3", "--baud", "9600"} << "Unknown option 'baud'";
        QTest::newRow("no port") << QStringList{"info"} << "info needs --port";
        QTest::newRow("no adapter port")
            << QStringList{"obd", "--port", "3"} << "--port does not apply to obd";
        QTest::newRow("option of another command")
            << QStringList{"info", "--port", "3", "--csv"} << "--csv does not apply to info";
        QTest::newRow("force on restore")
            << QStringList{"restore", "a.set", "--port", "3", "--force"}
            << "--force does not apply to restore";
        QTest::newRow("backup without file")
            << QStringList{"backup", "--port", "3"} << "backup takes one file";
        QTest::newRow("show with a file and a port")
            << QStringList{"show", "a.set", "--port", "3"} << "show takes one file or --port";
        QTest::newRow("seconds of live") << QStringList{"live", "--port", "3", "--seconds", "2"}
                                         << "--seconds does not apply to live";
        QTest::newRow("json of backup") << QStringList{"backup", "a.set", "--port", "3", "--json"}
                                        << "--json does not apply to backup";
        QTest::newRow("osc2csv with one file")
            << QStringList{"osc2csv", "a.osc"} << "osc2csv takes two files";
        QTest::newRow("language") << QStringList{"info", "--port", "3", "--lang", "de"}
                                  << "--lang takes en, pl, ru or es";
        QTest::newRow("time-out") << QStringList{"info", "--port", "3", "--timeout", "0"}
                                  << "--timeout takes seconds";
        QTest::newRow("count") << QStringList{"live", "--port", "3", "--count", "-2"}
                               << "--count takes a number";
        QTest::newRow("port number 0")
            << QStringList{"info", "--port", "0"} << "--port: no such port: 0";
    }
    void badCommandLinesAreUsageErrors() {
        QFETCH(QStringList, argumenty);
        QFETCH(QString, komunikat);
        TCli cli;
        const TWynik w = cli.Uruchom(argumenty);
        QCOMPARE(w.kod, 1);
        QVERIFY(w.wyjscie.isEmpty());
        QVERIFY2(w.Bledy().startsWith(QStringLiteral("selvar-cli: ") + komunikat),
                 w.bledy.constData());
    }

    void infoPrintsTheIdentityInTheChosenLanguage() {
        TSterownikSym sym({"--no-ignition", "--model", "lite", "--board", "2", "--channels", "6",
                           "--barcode", "ABC123", "--production-date", "2021-05-06", "--firmware",
                           "2.3.45", "--firmware-date", "2024-01-02", "--petrol-hours", "100",
                           "--gas-hours", "50"});
        TCli cli;
        const TWynik w = cli.Uruchom({"info", "--port", sym.Port()});
        QCOMPARE(w.kod, 0);
        const QByteArray nastawy = sym.Blok("Nastawy");
        const int przeglad = std::max(0, quint8(nastawy[101]) + 256 * quint8(nastawy[102]) - 50);
        const QRegularExpression wzor(
            QStringLiteral("^Model:                SELVAR LITE\\+\n"
                           "Bar code:             ABC123\n"
                           "Production date:      2021\\.05\\.06\n"
                           "Software version:     B\\.2\\.3\\.45  \\(2024\\.01\\.02\\)\n"
                           "Number of injectors:  6\n"
                           "Time on petrol:       100:\\d\\d:\\d\\d\n"
                           "Time on gas:          50:\\d\\d:\\d\\d\n"
                           "Time to service:      %1:00:00\n$")
                .arg(przeglad));
        QVERIFY2(wzor.match(w.Wyjscie()).hasMatch(), w.wyjscie.constData());

        const TWynik pl = cli.Uruchom({"info", "--port", sym.Port(), "--lang", "pl"});
        QCOMPARE(pl.kod, 0);
        QVERIFY2(pl.Wyjscie().contains(QStringLiteral("Kod kreskowy:            ABC123\n")),
                 pl.wyjscie.constData());
        QVERIFY(pl.Wyjscie().contains(QStringLiteral("Liczba wtryskiwaczy:     6\n")));
        const QList<int> zadania = sym.WszystkieZadania();
        QVERIFY(!zadania.isEmpty());
        for (int kod : zadania)
            QVERIFY2(!Zapisujace(kod), qPrintable(QString::number(kod, 16)));
    }

    void errorsListActiveFaultsAndStoredCounters() {
        // Two standing faults on top of the stored history: supply too low once, injector 3 twice.
        TSterownikSym sym({"--no-ignition", "--error", "6.1", "--error", "10.2"});
        TCli cli;
        const TWynik w = cli.Uruchom({"errors", "--port", sym.Port()});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.Wyjscie(), QStringLiteral("Gas temp. sensor voltage\n"
                                             "Gas injector missing 3\n"
                                             "\n"
                                             "Stored errors:\n"
                                             "\n"
                                             "1 x Gas temp. sensor voltage\n"
                                             "1 x Supply voltage too low\n"
                                             "3 x Gas injector missing 3\n"));
        const TWynik pl = cli.Uruchom({"errors", "--port", sym.Port(), "--lang", "pl"});
        QCOMPARE(pl.kod, 0);
        QVERIFY2(pl.Wyjscie().contains(QStringLiteral("3 x Brak wtryskiwacza gazu 3\n")),
                 pl.wyjscie.constData());
        QVERIFY(!sym.WszystkieZadania().contains(0x83)); // listing never erases
    }

    void backupIsTheWholeControllerAndNeverOverwritesUnasked() {
        TSterownikSym sym({"--no-learning"});
        TCli cli;
        const QString plik = cli.Sciezka(QStringLiteral("auto.set"));
        const TWynik w = cli.Uruchom(
            {"backup", plik, "--port", sym.Port(), "--trace", cli.Sciezka("trace.log")});
        QCOMPARE(w.kod, 0);
        QVERIFY(w.wyjscie.isEmpty());
        QVERIFY2(w.Bledy().contains(
                     QStringLiteral("reading the controller: 17 of 17 blocks read twice alike")),
                 w.bledy.constData());

        const QByteArray obraz = Czytaj(plik);
        QCOMPARE(obraz.size(), 4096);
        QCOMPARE(obraz.left(16), QByteArray("set file\x01\0\0\0\0\0\0\0", 16));
        for (const TBlokPliku& b : BlokiPliku)
            QVERIFY2(obraz.mid(b.polozenie, 256) == sym.Blok(b.nazwa), b.nazwa);
        QCOMPARE(obraz.mid(256, 256), sym.Blok("Historia"));
        QCOMPARE(obraz.mid(16, 48), sym.Blok("NastawyObd"));
        QCOMPARE(obraz.at(128), 'V'); // the identity reply as received
        QCOMPARE(obraz.mid(128 + 6, 16), QByteArray("5901234000123456"));

        const QString slad = QString::fromUtf8(Czytaj(cli.Sciezka("trace.log")));
        QVERIFY(slad.contains(QStringLiteral(" ctl   Odczyt nastaw\n")));
        QVERIFY(QRegularExpression(QStringLiteral("^ +\\d+\\.\\d{3} ctl   TX: 65 1A 00 81"),
                                   QRegularExpression::MultilineOption)
                    .match(slad)
                    .hasMatch());

        QVERIFY(Zapisz(plik, "keep"));
        const TWynik drugi = cli.Uruchom({"backup", plik, "--port", sym.Port()});
        QCOMPARE(drugi.kod, 3);
        QVERIFY(drugi.Bledy().contains(QStringLiteral("auto.set exists; --force overwrites it")));
        QCOMPARE(Czytaj(plik), QByteArray("keep"));
        QCOMPARE(cli.Uruchom({"backup", plik, "--port", sym.Port(), "--force", "-q"}).kod, 0);
        QCOMPARE(Czytaj(plik).size(), 4096);
        QVERIFY(Czytaj(plik).startsWith("set file"));
    }

    void restoreWritesTheFileAsTheApplicationDoesAndVerifiesIt() {
        TSterownikSym sym({"--no-learning", "--no-ignition"});
        TCli cli;
        const QString plik = cli.Sciezka(QStringLiteral("inny.set"));
        QCOMPARE(cli.Uruchom({"backup", plik, "--port", sym.Port(), "-q"}).kod, 0);

        // Another car's configuration: a changed setting, map cell and multiplier, and no
        // learned adaptation to fold in.
        QByteArray obraz = Czytaj(plik);
        obraz[512 + 50] = char(90);
        obraz[2816 + 5] = char(77);
        std::memset(obraz.data() + 768 + 100, 0x70, 20);
        std::memset(obraz.data() + 128 + 66, 128, 4);
        QVERIFY(Zapisz(plik, obraz));

        const TWynik w = cli.Uruchom({"restore", plik, "--port", sym.Port()});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.Wyjscie(),
                 QStringLiteral("restored %1: 14 blocks written and verified\n").arg(plik));
        QVERIFY(w.Bledy().contains(QStringLiteral("writing the controller: 14 of 14 blocks")));
        for (const TBlokPliku& b : BlokiPliku) {
            const QByteArray blok = sym.Blok(b.nazwa);
            if (b.polozenie == 512) {
                // The settings go out with a fresh checksum.
                QCOMPARE(blok.mid(1), obraz.mid(513, 255));
                QCOMPARE(Suma(blok), 0);
            } else {
                QVERIFY2(blok == obraz.mid(b.polozenie, 256), b.nazwa);
            }
        }
        // As loading a file while connected: the writes, then the factory command, and one
        // history entry of today from this computer for both.
        const QList<int> zadania = sym.Zadania();
        QVERIFY(zadania.contains(0xF1) && zadania.contains(0xF8) && zadania.contains(0xF9));
        QVERIFY(zadania.lastIndexOf(0xF8) < zadania.indexOf(0x89));
        QVERIFY(!zadania.contains(0x73));
        const QByteArray historia = sym.Blok("Historia");
        const QDate dzis = QDate::currentDate();
        bool wpis = false;
        for (int i = 0; i < 32; ++i) {
            const QByteArray e = historia.mid(8 * i, 8);
            wpis = wpis || (e[0] == 0x0A && quint8(e[1]) == dzis.year() - 2000 &&
                            e[2] == dzis.month() && e[3] == dzis.day());
        }
        QVERIFY2(wpis, historia.toHex().constData());
    }

    void damagedSettingsFileWritesNothing_data() {
        QTest::addColumn<QByteArray>("zawartosc");
        QTest::addColumn<QString>("blad");
        QByteArray osc(4096, '\0');
        osc.replace(0, 10, QByteArray("osc file\x01\x01"));
        QByteArray wersja(4096, '\0');
        wersja.replace(0, 9, QByteArray("set file\x02"));
        QByteArray krotki(4000, '\0');
        krotki.replace(0, 9, QByteArray("set file\x01"));
        QTest::newRow("scope file") << osc << "Error code 123";
        QTest::newRow("other version") << wersja << "Error code 123";
        QTest::newRow("cut short") << krotki << "Error code 123";
        QTest::newRow("missing") << QByteArray() << "Error code 122";
    }
    void damagedSettingsFileWritesNothing() {
        QFETCH(QByteArray, zawartosc);
        QFETCH(QString, blad);
        TSterownikSym sym;
        TCli cli;
        const QString plik = cli.Sciezka(QStringLiteral("zly.set"));
        if (!zawartosc.isEmpty()) QVERIFY(Zapisz(plik, zawartosc));
        const TWynik w = cli.Uruchom({"restore", plik, "--port", sym.Port()});
        QCOMPARE(w.kod, 3);
        QVERIFY(w.wyjscie.isEmpty());
        QVERIFY2(w.Bledy().contains(QStringLiteral("cannot load %1: %2").arg(plik, blad)),
                 w.bledy.constData());
        for (int kod : sym.WszystkieZadania())
            QVERIFY2(!Zapisujace(kod), qPrintable(QString::number(kod, 16)));
    }

    void deadPortsFailWithinTheTimeOut_data() {
        QTest::addColumn<QStringList>("symulator"); // empty: a path that does not exist
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("no such device")
            << QStringList{} << "cannot open the controller port /nonexistent/ttyUSB9";
        QTest::newRow("silent controller") << QStringList{"--silent-for", "100"}
                                           << "no answer from the controller on %1 for 1.5 s";
        QTest::newRow("line hung up")
            << QStringList{"--close-after", "1", "--close-exit"} << "the controller port %1 closed";
    }
    void deadPortsFailWithinTheTimeOut() {
        QFETCH(QStringList, symulator);
        QFETCH(QString, komunikat);
        std::unique_ptr<TSterownikSym> sym;
        QString port = QStringLiteral("/nonexistent/ttyUSB9");
        if (!symulator.isEmpty()) {
            sym = std::make_unique<TSterownikSym>(symulator);
            port = sym->Port();
        }
        TCli cli;
        const TWynik w = cli.Uruchom({"live", "--port", port, "--timeout", "1.5", "-q"},
                                     QStringLiteral("C"), 20000);
        QCOMPARE(w.kod, 2);
        QVERIFY2(w.Bledy().contains(QStringLiteral("selvar-cli: ") +
                                    komunikat.replace(QStringLiteral("%1"), port)),
                 w.bledy.constData());
        QVERIFY2(w.ms < 5000, qPrintable(QString::number(w.ms)));
    }

    void portNumbersFollowTheStoredMapping() {
        TSterownikSym sym({"--no-ignition"});
        TCli cli;
        QVERIFY(QDir().mkpath(cli.Sciezka("config/Selvar2")));
        QVERIFY(Zapisz(cli.Sciezka("config/Selvar2/selvar.ini"),
                       QStringLiteral("[Selvar2]\nPorts\\COM7=%1\n").arg(sym.Port()).toUtf8()));
        const TWynik w = cli.Uruchom({"info", "--port", "7", "-q"});
        QCOMPARE(w.kod, 0);
        QVERIFY(w.Wyjscie().startsWith(QLatin1String("Model:                SELVAR MAX+\n")));
        // Without a mapping COM100 is the fourth Bluetooth serial device, which this machine lacks.
        const TWynik bez = cli.Uruchom({"info", "--port", "100", "-q"});
        QCOMPARE(bez.kod, 2);
        QVERIFY2(bez.Bledy().contains(
                     QStringLiteral("cannot open the controller port COM100 (/dev/rfcomm3)")),
                 bez.bledy.constData());
    }

    void liveTablePrintsOneRowPerFrame() {
        TSterownikSym sym({"--no-ignition", "--channels", "4"});
        TCli cli;
        const TWynik w = cli.Uruchom({"live", "--count", "3", "--port", sym.Port(), "-q"});
        QCOMPARE(w.kod, 0);
        const QStringList linie = Linie(w.Wyjscie());
        QCOMPARE(linie.size(), 4);
        const QStringList naglowek = linie[0].split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(naglowek.value(0), QStringLiteral("#"));
        QCOMPARE(naglowek.value(1), QStringLiteral("RPM[rpm]"));
        QCOMPARE(naglowek.last(), QStringLiteral("4[ms]")); // "G 4[ms]"
        for (int i = 1; i <= 3; ++i) {
            const QStringList komorki = linie[i].split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(komorki.value(0), QString::number(i - 1));
            QCOMPARE(komorki.value(1), QStringLiteral("0")); // the key is off
            QCOMPARE(linie[i].size(), linie[0].size());      // columns line up
        }
    }

    void liveTableNeverGroupsThousands() {
        // At a model pace of 20 the engine runs at some 2500 rpm within the first seconds.
        TSterownikSym sym({"--speed", "20"});
        TCli cli;
        const TWynik w = cli.Uruchom({"live", "--count", "5", "--port", sym.Port(), "-q"},
                                     QStringLiteral("en_US.UTF-8"));
        QCOMPARE(w.kod, 0);
        const QStringList linie = Linie(w.Wyjscie());
        QCOMPARE(linie.size(), 6);
        int ponadTysiac = 0;
        for (int i = 1; i < linie.size(); ++i) {
            const QString obroty = linie[i].split(u' ', Qt::SkipEmptyParts).value(1);
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d+$")).match(obroty).hasMatch(),
                     qPrintable(obroty));
            ponadTysiac += obroty.toInt() >= 1000;
        }
        QVERIFY(ponadTysiac > 0);
    }

    void liveCsvLinesAreThoseOfTheExport() {
        TSterownikSym sym({"--no-ignition", "--channels", "4"});
        TCli cli;
        const TWynik w = cli.Uruchom({"live", "--count", "3", "--csv", "--port", sym.Port(), "-q"});
        QCOMPARE(w.kod, 0);
        const QList<QByteArray> linie = w.wyjscie.split('\n');
        QCOMPARE(linie.size(), 5); // four lines, each ended by CR LF
        QCOMPARE(linie[0],
                 QByteArray(
                     "sec;Revolutions;Vacuum;Gas pressure;ABS gas press.;Reducer temp.;Gas "
                     "temp.;Lambda 1;"
                     "Lambda 2;Level sensor;Power supply;Fuel sys 1;SHRT FT 1;LONG FT 1;Fuel sys 2;"
                     "SHRT FT 2;LONG FT 2;Lambda 1;Lambda 2;P 1;G 1;P 2;G 2;P 3;G 3;P 4;G 4;\r"));
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(linie[i].startsWith(QByteArray("0.") + QByteArray::number(i - 1) + ";0;"));
            QVERIFY(linie[i].endsWith(";\r"));
            QCOMPARE(linie[i].count(';'), linie[0].count(';'));
        }
        QVERIFY(linie[4].isEmpty());

        const TWynik pl = cli.Uruchom(
            {"live", "--count", "2", "--csv", "--lang", "pl", "--port", sym.Port(), "-q"},
            QStringLiteral("pl_PL.UTF-8"));
        QCOMPARE(pl.kod, 0);
        QVERIFY2(pl.Wyjscie().startsWith(QStringLiteral("sec;Obroty;Podciśnienie;")),
                 pl.wyjscie.constData());
        QVERIFY(pl.Wyjscie().contains(QStringLiteral("\r\n0,1;0;")));
    }

    void osc2csvIsTheDesktopExport() {
        TCli cli;
        const QString osc = cli.Sciezka(QStringLiteral("jazda.osc"));
        const QString csv = cli.Sciezka(QStringLiteral("jazda.csv"));
        QVERIFY(Zapisz(osc, Nagranie()));
        const TWynik w = cli.Uruchom({"osc2csv", osc, csv});
        QCOMPARE(w.kod, 0);
        QVERIFY(w.Bledy().contains(QStringLiteral("3 samples written to")));

        // The same recording through the core as the oscilloscope loads and exports it.
        TMapaPortow mapa;
        TTeksty teksty;
        teksty.Wczytaj();
        teksty.UstawJezyk(Jezyki::Angielski);
        TSterownik s(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
        s.Zegar().stop();
        s.Teksty = &teksty;
        TPlikTestowy dialog;
        dialog.sciezka = osc;
        s.OknaPlikow = &dialog;
        std::vector<unsigned char> probki(std::size_t(TSterownik::MaksProbek) *
                                          TSterownik::RozmiarProbki);
        const int ile = s.CzytajOscyloskop(probki.data());
        QCOMPARE(ile, 3);
        const QByteArray wynik = Czytaj(csv);
        QCOMPARE(wynik, TekstCsv(s, probki.data(), ile, QLocale::c()));
        const QList<QByteArray> linie = wynik.split('\n');
        QCOMPARE(linie.size(), 5);
        QVERIFY(linie[3].startsWith("0.2;870;0.00;1.25;0.00;61;-128;"));
        QVERIFY(linie[3].endsWith(";5.00;0.00;0.00;0.00;0.00;0.00;0.00;0.00;\r"));

        const TWynik znowu = cli.Uruchom({"osc2csv", osc, csv});
        QCOMPARE(znowu.kod, 3);
        QVERIFY(znowu.Bledy().contains(QStringLiteral("exists; --force overwrites it")));
        const TWynik pl = cli.Uruchom({"osc2csv", osc, csv, "--force", "--lang", "pl"},
                                      QStringLiteral("pl_PL.UTF-8"));
        QCOMPARE(pl.kod, 0);
        QVERIFY(Czytaj(csv).contains(QStringLiteral("\r\n0,2;870;0,00;1,25;").toUtf8()));
    }

    void osc2csvRefusesOtherFiles() {
        TCli cli;
        const QString set = cli.Sciezka(QStringLiteral("nastawy.osc"));
        QByteArray obraz = Nagranie();
        obraz.replace(0, 10, QByteArray("set file\x01\x00", 10));
        QVERIFY(Zapisz(set, obraz));
        const TWynik w = cli.Uruchom({"osc2csv", set, cli.Sciezka("x.csv")});
        QCOMPARE(w.kod, 3);
        QVERIFY2(w.Bledy().contains(QStringLiteral("cannot load %1: Error code 133").arg(set)),
                 w.bledy.constData());
        QVERIFY(!QFile::exists(cli.Sciezka("x.csv")));
    }

    void obdReadsStatusPidsAndTroubleCodes() {
        TSymulatorElm elm({"--protocol", "6", "--ecus", "2", "--seed", "3"});
        TCli cli;
        const TWynik w =
            cli.Uruchom({"obd", "--elm-port", elm.Sciezka(), "--trace", cli.Sciezka("obd.log")});
        QCOMPARE(w.kod, 0);
        const QString tekst = w.Wyjscie();
        QVERIFY2(tekst.startsWith(QStringLiteral("PORT:  COMM 129\nELM:   ELM327 v1.5\n")),
                 w.wyjscie.constData());
        QVERIFY(tekst.contains(QStringLiteral("\nOBD:   CAN (11 bit ID, 500 kb)\n")));
        QVERIFY(tekst.contains(QStringLiteral("\nECU:   7E8h 7E9h")));
        // Every supported PID has been read once: the RPM with its unit, the trims of the cycle.
        QVERIFY(QRegularExpression(QStringLiteral("\n  0C  Engine RPM +\\d+(\\.\\d+)?\\[rpm\\]\n"))
                    .match(tekst)
                    .hasMatch());
        QVERIFY(QRegularExpression(
                    QStringLiteral("\n  06  Short term fuel Bank 1 +-?\\d+\\.\\d\\[%\\]\n"))
                    .match(tekst)
                    .hasMatch());
        QVERIFY(QRegularExpression(
                    QStringLiteral("\n  05  Engine coolant temperature +-?\\d+\\[°C\\]\n"))
                    .match(tekst)
                    .hasMatch());
        QVERIFY(!tekst.contains(QStringLiteral("\n  0A  "))); // fuel pressure is not offered
        const qsizetype zapisane =
            tekst.indexOf(QStringLiteral("Stored Trouble Codes  /  Błędy zarejestrowane :\n"));
        const qsizetype oczekujace =
            tekst.indexOf(QStringLiteral("Pending Trouble Codes  /  Błędy oczekujące :\n"));
        QVERIFY(zapisane > tekst.indexOf(QStringLiteral("Trouble codes:\n")) &&
                oczekujace > zapisane);
        QVERIFY(tekst.contains(
            QStringLiteral("  P0300\n     Random/Multiple Cylinder Misfire Detected\n")));
        QVERIFY(QString::fromUtf8(Czytaj(cli.Sciezka("obd.log")))
                    .contains(QStringLiteral(" elm ATZ.\n")));
    }

    // The codes of both ECUs printed as obd prints them, then cleared and read again.
    void obdClearClearsTheCodes() {
        QTemporaryDir katalog;
        const QString dziennik = katalog.filePath(QStringLiteral("elm.json"));
        TSymulatorElm elm({"--protocol", "6", "--ecus", "2", "--log", dziennik});
        TCli cli;
        const TWynik w = cli.Uruchom({"obd", "--clear", "--elm-port", elm.Sciezka(), "-q"});
        QCOMPARE(w.kod, 0);
        QVERIFY(w.bledy.isEmpty());
        const QString tekst = w.Wyjscie();
        const qsizetype skasowane = tekst.indexOf(QStringLiteral("\nTrouble codes cleared.\n"));
        QVERIFY2(skasowane > 0, w.wyjscie.constData());
        const QString przed = tekst.left(skasowane), po = tekst.mid(skasowane);
        QVERIFY(przed.contains(QStringLiteral("\n  0C  Engine RPM ")));
        QVERIFY2(przed.contains(QStringLiteral("Stored Trouble Codes  /  Błędy zarejestrowane : "
                                               "ECU 7E8h\n  P0700\n")),
                 w.wyjscie.constData());
        QVERIFY(przed.contains(
            QStringLiteral("  P0300\n     Random/Multiple Cylinder Misfire Detected\n")));
        // Read again after the clearing: stored and pending lists of both ECUs are empty (the
        // permanent codes stay).
        QVERIFY2(
            po.contains(QStringLiteral("Stored Trouble Codes  /  Błędy zarejestrowane :\n"
                                       "Stored Trouble Codes  /  Błędy zarejestrowane : ECU 7E8h\n"
                                       "Pending Trouble Codes  /  Błędy oczekujące :\n")),
            w.wyjscie.constData());
        const QStringList komendy = KomendyElm(dziennik);
        const qsizetype kasowanie = komendy.indexOf(QStringLiteral("04"));
        QVERIFY(kasowanie > 0);
        QVERIFY(komendy.indexOf(QStringLiteral("03")) < kasowanie);
        QVERIFY(komendy.lastIndexOf(QStringLiteral("03")) > kasowanie);
    }

    // Every PID the simulator serves decoded, bitmaps alone in hexadecimal, English words only
    // (the trouble-code headings and the Polish descriptions are bilingual by design).
    void obdInEnglishDecodesEveryPid() {
        TSymulatorElm elm({"--protocol", "6", "--ecus", "2"});
        TCli cli;
        const TWynik w = cli.Uruchom({"obd", "--elm-port", elm.Sciezka(), "--lang", "en", "-q"});
        QCOMPARE(w.kod, 0);
        const QString tekst = w.Wyjscie();
        QVERIFY2(tekst.contains(QStringLiteral("\nMIL:   on\n")), w.wyjscie.constData());
        QVERIFY(tekst.contains(QStringLiteral("Supported PIDs:\n")));
        // Values start in one column; every PID line reaches it (none left unread).
        const QStringList pidy = tekst.section(QStringLiteral("Supported PIDs:\n"), 1)
                                     .section(QStringLiteral("\n\n"), 0, 0)
                                     .split(u'\n');
        const QString obroty = pidy.filter(QStringLiteral("Engine RPM")).value(0);
        const qsizetype kolumna = obroty.indexOf(QRegularExpression(QStringLiteral("\\d+\\S*$")));
        QVERIFY(kolumna > 0);
        for (const QString& linia : pidy)
            QVERIFY2(linia.size() > kolumna, qPrintable(linia));
        static const QRegularExpression Hex(QStringLiteral("\n  ([0-9A-F]{2})  .*0x"));
        for (auto m = Hex.globalMatch(tekst); m.hasNext();)
            QVERIFY2(m.next().captured(1).toInt(nullptr, 16) % 0x20 == 0, w.wyjscie.constData());
        QVERIFY(QRegularExpression(
                    QStringLiteral("\n  42  Control module voltage +\\d+\\.\\d{3}\\[V\\]\n"))
                    .match(tekst)
                    .hasMatch());
        QVERIFY(tekst.contains(QStringLiteral("Stored Trouble Codes  /  Błędy zarejestrowane : "
                                              "ECU 7E8h\n  P0700\n")));
    }

    // The whole reading as JSON, parsed back: on CAN with the default readiness, on KWP (the
    // VIN on one line) with the monitors of byte C not complete.
    void obdJsonCarriesEveryField_data() {
        QTest::addColumn<QString>("protokol");
        QTest::addColumn<QString>("gotowosc");
        QTest::addColumn<QStringList>("ecu");
        QTest::addColumn<int>("gotowe");
        QTest::newRow("CAN 11 bit") << "6"
                                    << "07E504" << QStringList{"7E8", "7E9"} << 7;
        QTest::newRow("KWP fast init") << "5"
                                       << "07E5E5" << QStringList{"10", "11"} << 3;
    }
    void obdJsonCarriesEveryField() {
        QFETCH(QString, protokol);
        QFETCH(QString, gotowosc);
        QFETCH(QStringList, ecu);
        // The arrays follow the answers' order: fixed here, so that positions can be checked.
        TSymulatorElm elm({"--protocol", protokol, "--ecus", "2", "--readiness", gotowosc,
                           "--ecu-order", "fixed"});
        TCli cli;
        const TWynik w = cli.Uruchom({"obd", "--elm-port", elm.Sciezka(), "--json", "-q"});
        QCOMPARE(w.kod, 0);
        QJsonParseError blad;
        const QJsonObject o = QJsonDocument::fromJson(w.wyjscie, &blad).object();
        QVERIFY2(blad.error == QJsonParseError::NoError, w.wyjscie.constData());
        QCOMPARE(o["adapter"].toString(), QStringLiteral("ELM327 v1.5"));
        QCOMPARE(o["port"].toString(), QStringLiteral("COMM 129"));
        QVERIFY(o["voltage"].toString().endsWith(u'V'));
        QCOMPARE(o["protocol"]["number"].toInt(), protokol.toInt());
        QCOMPARE(o["ecus"].toVariant().toStringList(), ecu);
        QCOMPARE(o["mainEcu"].toString(), ecu[1]); // the engine answers second
        QCOMPARE(o["vin"].toString(), QStringLiteral("VF1SELVAR0E327001"));

        const QJsonArray info = o["vehicleInfo"].toArray();
        QCOMPARE(info.size(), 2);
        QCOMPARE(info[0]["ecu"].toString(), ecu[0]);
        QVERIFY(info[0]["vin"].isNull());
        QCOMPARE(info[0]["calibrationIds"].toVariant().toStringList(), QStringList{"TCM-AT6-0107"});
        QCOMPARE(info[0]["cvns"].toVariant().toStringList(), QStringList{"5EED0107"});
        QCOMPARE(info[0]["ecuName"].toString(), QStringLiteral("TCM-TransmissionCtl"));
        QCOMPARE(info[1]["vin"].toString(), QStringLiteral("VF1SELVAR0E327001"));
        QCOMPARE(info[1]["calibrationIds"].toVariant().toStringList(),
                 (QStringList{"SV0412ENG13A", "LPG-ADAPT-07"}));
        QCOMPARE(info[1]["cvns"].toVariant().toStringList(), (QStringList{"1A2B3C4D", "00C0FFEE"}));
        QCOMPARE(info[1]["ecuName"].toString(), QStringLiteral("ECM-EngineControl"));

        // B 07, C E5: the three continuous monitors and five of byte C supported.
        const QJsonObject odSkasowania = o["readiness"]["sinceCleared"].toObject();
        QVERIFY(odSkasowania["mil"].toBool());
        QCOMPARE(odSkasowania["confirmedCodes"].toInt(), 4);
        QCOMPARE(odSkasowania["ignition"].toString(), QStringLiteral("spark"));
        QCOMPARE(odSkasowania["supported"].toInt(), 8);
        QTEST(odSkasowania["ready"].toInt(), "gotowe");
        const QJsonArray monitory = odSkasowania["monitors"].toArray();
        QCOMPARE(monitory.size(), 11);
        QCOMPARE(monitory[5]["name"].toString(), QStringLiteral("evaporativeSystem"));
        QCOMPARE(monitory[5]["state"].toString(), QStringLiteral("not ready"));
        QCOMPARE(monitory[4]["state"].toString(), QStringLiteral("not supported"));
        QCOMPARE(o["readiness"]["thisDriveCycle"]["supported"].toInt(), 8);

        QJsonObject obroty;
        for (const QJsonValue p : o["pids"].toArray())
            if (p["pid"].toString() == QLatin1String("0C")) obroty = p.toObject();
        QCOMPARE(obroty["name"].toString(), QStringLiteral("Engine RPM"));
        QCOMPARE(obroty["unit"].toString(), QStringLiteral("rpm"));
        QVERIFY(obroty["value"].isDouble());

        const QJsonArray zapisane = o["troubleCodes"]["stored"].toArray();
        QCOMPARE(zapisane.size(), 2);
        QCOMPARE(zapisane[1]["ecu"].toString(), ecu[1]);
        QStringList kody;
        for (const QJsonValue k : zapisane[1]["codes"].toArray())
            kody << k["code"].toString();
        QCOMPARE(kody, (QStringList{"P0300", "P0171", "P0420", "U0101"}));
        QCOMPARE(zapisane[1]["codes"][0]["description"].toString(),
                 QStringLiteral("Random/Multiple Cylinder Misfire Detected"));
        QVERIFY(!zapisane[1]["codes"][0]["descriptionPl"].toString().isEmpty());
        QCOMPARE(o["troubleCodes"]["pending"][1]["codes"].toArray().size(), 7);
        QCOMPARE(o["troubleCodes"]["permanent"][1]["codes"][0]["code"].toString(),
                 QStringLiteral("P0420"));

        const QJsonObject ramka = o["freezeFrame"].toObject();
        QCOMPARE(ramka["code"].toString(), QStringLiteral("P0300"));
        QStringList wartosci;
        for (const QJsonValue p : ramka["pids"].toArray())
            wartosci << QStringLiteral("%1=%2%3")
                            .arg(p["pid"].toString())
                            .arg(p["value"].toDouble())
                            .arg(p["unit"].toString());
        QCOMPARE(wartosci, (QStringList{"04=78.4%", "05=88°C", "06=9.4%", "07=14.1%", "0C=3120rpm",
                                        "0D=96km/h"}));
    }

    void obdRefusedClearExits2_data() {
        QTest::addColumn<QString>("jak");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("negative") << QStringLiteral("negative")
                                  << QStringLiteral("The vehicle refused to clear the trouble "
                                                    "codes: 7F 04 22");
        QTest::newRow("nodata") << QStringLiteral("nodata")
                                << QStringLiteral("The vehicle refused to clear the trouble "
                                                  "codes: NO DATA");
    }
    void obdRefusedClearExits2() {
        QFETCH(QString, jak);
        QFETCH(QString, komunikat);
        QTemporaryDir katalog;
        const QString dziennik = katalog.filePath(QStringLiteral("elm.json"));
        TSymulatorElm elm({"--refuse-clear", jak, "--ecus", "2", "--log", dziennik});
        TCli cli;
        const TWynik w = cli.Uruchom({"obd", "--clear", "--elm-port", elm.Sciezka(), "-q"});
        QCOMPARE(w.kod, 2);
        QVERIFY2(w.Bledy().contains(komunikat), w.bledy.constData());
        // The codes the clearing would have erased were printed before it was asked for.
        const QString tekst = w.Wyjscie();
        QVERIFY2(tekst.contains(QStringLiteral("  P0700\n")) &&
                     tekst.contains(QStringLiteral("  P0300\n")),
                 w.wyjscie.constData());
        QVERIFY(!tekst.contains(QStringLiteral("Trouble codes cleared.")));
        const QStringList komendy = KomendyElm(dziennik);
        QVERIFY(komendy.indexOf(QStringLiteral("03")) >= 0);
        QVERIFY(komendy.indexOf(QStringLiteral("03")) < komendy.indexOf(QStringLiteral("04")));
    }

    // The time-out is counted from the first "0100" left unanswered for the adapter's 3 s.
    void obdWithoutVehicleGivesUpAfterTheTimeOut() {
        TSymulatorElm elm({"--ignition-off"});
        TCli cli;
        const TWynik w = cli.Uruchom({"obd", "--elm-port", elm.Sciezka(), "--timeout", "4", "-q"},
                                     QStringLiteral("C"), 30000);
        QCOMPARE(w.kod, 2);
        QVERIFY2(w.Bledy().contains(QStringLiteral("no vehicle answers (ignition off?)")),
                 w.bledy.constData());
        QVERIFY2(w.ms >= 6500 && w.ms < 20000, qPrintable(QString::number(w.ms)));
    }

    void deadAdapterFailsWithinTheTimeOut_data() {
        QTest::addColumn<bool>("istnieje");
        QTest::newRow("no such device") << false;
        QTest::newRow("silent adapter") << true;
    }
    void deadAdapterFailsWithinTheTimeOut() {
        QFETCH(bool, istnieje);
        std::unique_ptr<TSymulatorElm> elm;
        if (istnieje) elm = std::make_unique<TSymulatorElm>(QStringList{"--silent-after", "0"});
        const QString port = elm ? elm->Sciezka() : QStringLiteral("/nonexistent/rfcomm3");
        TCli cli;
        const TWynik w = cli.Uruchom({"obd", "--elm-port", port, "--timeout", "1.5", "-q"},
                                     QStringLiteral("C"), 20000);
        QCOMPARE(w.kod, 2);
        const QString komunikat =
            istnieje ? QStringLiteral("no answer from the OBD adapter on %1 for 1.5 s").arg(port)
                     : QStringLiteral("cannot open the OBD adapter port %1").arg(port);
        QVERIFY2(w.Bledy().contains(komunikat), w.bledy.constData());
        QVERIFY2(w.ms < 5000, qPrintable(QString::number(w.ms)));
    }
};

QTEST_GUILESS_MAIN(TestSelvarCli)
#include "tst_selvarcli.moc"
