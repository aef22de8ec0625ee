// selvar-cli's workshop commands end to end against selvar-sim: backups that a line
// corrupting data unseen cannot make wrong, recordings, settings files read and compared,
// the JSON output for scripts and the installation report.

#include "CliNaSymulatorze.h"
#include "DziennikSymulatora.h"
#include "EksportCsv.h"
#include "IdentyfikatorKomputera.h"
#include "MapaPortow.h"
#include "SymulatorElm.h"
#include "TSterownik.h"
#include "Teksty.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <csignal>
#include <vector>

namespace {

// What the line carried while a backup read the controller, from the simulator's log: the
// last read of each map and of the identity (and whether the simulator changed it unseen),
// and the map cells live frames told the controller had learned.
struct TPrzebieg {
    static constexpr int Map = 6; // read codes 0xE0..0xE5
    QByteArray mapy[Map];
    bool mapaZmieniona[Map] = {};
    QByteArray identyfikacja;
    bool identyfikacjaZmieniona = false;
    QSet<int> wyuczone; // (read code - 0xE0) * 256 + cell
    int odczytowMap = 0;

    explicit TPrzebieg(const TSterownikSym& sym) {
        // The live frame's map selector as read code - 0xE0: petrol, OBD petrol 1 and 2,
        // gas, OBD gas 1 and 2.
        static constexpr int MapaWybierana[Map] = {0, 2, 4, 1, 3, 5};
        for (const QJsonObject& l : sym.Dziennik()) {
            const int kod = l.value(QStringLiteral("code")).toInt();
            const bool zmieniona = l.contains(QStringLiteral("unseen"));
            const QJsonArray odpowiedzi = l.value(QStringLiteral("replies")).toArray();
            if (odpowiedzi.isEmpty()) continue;
            const QByteArray r = QByteArray::fromHex(odpowiedzi.at(0).toString().toLatin1());
            if (kod == 0x81) {
                identyfikacja = r;
                identyfikacjaZmieniona = zmieniona;
            } else if (kod >= 0xE0 && kod < 0xE0 + Map) {
                mapy[kod - 0xE0] = r.mid(6, 256);
                mapaZmieniona[kod - 0xE0] = zmieniona;
                ++odczytowMap;
            } else if ((kod & 0xF0) == 0x90 && r.size() > 9 && r[6] == 0 && r[9] != 0 &&
                       quint8(r[7]) < Map) {
                wyuczone.insert(MapaWybierana[quint8(r[7])] * 256 + quint8(r[8]));
            }
        }
    }
};

// Live polls until the controller has told every map cell it learned so far: four frames in
// a row without one (an event or a waiting reason may take a frame while cells wait).
void Dopytaj(const TSterownikSym& sym) {
    TPortTestowy port(sym.Port());
    for (int bez = 0, i = 0; bez < 4 && i < 200; ++i) {
        const auto r = port.Zapytaj('e', 0x90, TPortTestowy::ZNonce());
        const bool komorka = r && r->size() > 9 && r->at(6) == 0 && r->at(9) != 0;
        bez = komorka ? 0 : bez + 1;
    }
}

// The simulator's blocks now, with every cell it learned up to now told in its log.
QMap<QString, QByteArray> BlokiTeraz(const TSterownikSym& sym) {
    Dopytaj(sym);
    QMap<QString, QByteArray> bloki;
    for (const char* nazwa : {"Historia", "NastawyObd"})
        bloki[QLatin1String(nazwa)] = sym.Blok(nazwa);
    for (const TBlokPliku& b : BlokiPliku)
        bloki[QLatin1String(b.nazwa)] = sym.Blok(b.nazwa);
    Dopytaj(sym);
    return bloki;
}

// A backup made while the controller may learn: the blocks it holds still equal the
// simulator's; each map and the identity are their last read on the line, which the line
// carried unchanged, and a map differs from the simulator's now only in cells told learned.
// Empty when so, else what is wrong.
QString KopiaWierna(const TSterownikSym& sym, const QByteArray& obraz) {
    if (obraz.size() != 4096) return QStringLiteral("file of %1 bytes").arg(obraz.size());
    const QMap<QString, QByteArray> bloki = BlokiTeraz(sym);
    const TPrzebieg przebieg(sym);
    constexpr int PierwszaMapa = 2560; // MapaEcuBen; the maps follow in read-code order
    for (const TBlokPliku& b : BlokiPliku) {
        const QByteArray wPliku = obraz.mid(b.polozenie, 256),
                         teraz = bloki[QLatin1String(b.nazwa)];
        if (b.polozenie < PierwszaMapa) {
            if (wPliku != teraz) return QLatin1String(b.nazwa);
            continue;
        }
        const int m = (b.polozenie - PierwszaMapa) / 256;
        if (wPliku != przebieg.mapy[m] || przebieg.mapaZmieniona[m])
            return QStringLiteral("%1 is not its last read").arg(QLatin1String(b.nazwa));
        for (int i = 0; i < 256; ++i)
            if (wPliku[i] != teraz[i] && !przebieg.wyuczone.contains(m * 256 + i))
                return QStringLiteral("%1 cell %2 never told learned").arg(b.nazwa).arg(i);
    }
    if (obraz.mid(256, 256) != bloki["Historia"]) return QStringLiteral("Historia");
    if (obraz.mid(16, 48) != bloki["NastawyObd"]) return QStringLiteral("NastawyObd");
    const QByteArray& id = przebieg.identyfikacja;
    if (id.size() != 80 || przebieg.identyfikacjaZmieniona ||
        obraz.mid(128, 128) != id + QByteArray(128 - id.size(), '\0'))
        return QStringLiteral("the identity is not its last reply");
    return {};
}

// The simulator's engine turns and its maps learn: the petrol map has changed.
bool Uczy(const TSterownikSym& sym) {
    const QByteArray poczatek = sym.Blok("MapaEcuBen");
    QElapsedTimer czas;
    czas.start();
    while (czas.elapsed() < 60000) {
        if (sym.Blok("MapaEcuBen") != poczatek) return true;
        QTest::qWait(100);
    }
    return false;
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

// A scope file read back through the core, as the oscilloscope opens it.
struct TOdczytanyZapis {
    TMapaPortow mapa;
    TTeksty teksty;
    TSterownik s{mapa, QStringLiteral("/nonexistent/libftd2xx.so")};
    TPlikTestowy dialog;
    std::vector<unsigned char> probki =
        std::vector<unsigned char>(std::size_t(TSterownik::MaksProbek) * TSterownik::RozmiarProbki);
    int ile = 0;

    explicit TOdczytanyZapis(const QString& sciezka) {
        s.Zegar().stop();
        teksty.Wczytaj();
        teksty.UstawJezyk(Jezyki::Angielski);
        s.Teksty = &teksty;
        dialog.sciezka = sciezka;
        s.OknaPlikow = &dialog;
        ile = s.CzytajOscyloskop(probki.data());
    }
    QByteArray Probka(int i) const {
        return QByteArray(reinterpret_cast<const char*>(probki.data()) + 128 * i, 128);
    }
    // The samples are consecutive frames the simulator sent.
    bool ToRamkiWyslane(const TSterownikSym& sym) const {
        const QList<QByteArray> wyslane = RamkiWyslane(sym.Dziennik());
        const qsizetype od = wyslane.indexOf(Probka(0));
        if (od < 0 || od + ile > wyslane.size()) return false;
        for (int i = 0; i < ile; ++i)
            if (Probka(i) != wyslane[od + i]) return false;
        return true;
    }
};

// A settings file of the catalogue's defaults, as the application saves a fresh model.
QByteArray Domyslne() {
    TMapaPortow mapa;
    TSterownik s(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
    s.Zegar().stop();
    return s.ObrazModelu(false);
}

// A poppler tool's standard output; empty when it fails.
QByteArray Poppler(const QString& program, const QStringList& argumenty) {
    QProcess p;
    p.start(program, argumenty);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return p.readAllStandardOutput();
}

// The pages of a PDF rendered in grey at 30 dots an inch, as a printer without colour would.
QList<QImage> Strony(const QString& pdf) {
    const QString przedrostek = pdf + QStringLiteral("-strona");
    Poppler(QStringLiteral("pdftoppm"), {"-r", "30", "-gray", "-png", pdf, przedrostek});
    QList<QImage> strony;
    const QFileInfo info(pdf);
    for (const QFileInfo& f :
         QDir(info.path())
             .entryInfoList({info.fileName() + "-strona*.png"}, QDir::Files, QDir::Name))
        strony << QImage(f.filePath());
    return strony;
}

// The share of a page's pixels dark enough to read on paper.
double Zadrukowane(const QImage& strona) {
    const QImage szary = strona.convertToFormat(QImage::Format_Grayscale8);
    qint64 ciemne = 0;
    for (int y = 0; y < szary.height(); ++y)
        for (int x = 0; x < szary.width(); ++x)
            ciemne += qGray(szary.pixel(x, y)) < 128;
    return double(ciemne) / (qint64(szary.width()) * szary.height());
}

} // namespace

class TestSelvarCliWarsztat : public QObject {
    Q_OBJECT

private slots:
    void backupUnderUnseenCorruptionIsRightOrFails_data() {
        QTest::addColumn<QString>("udzial");
        QTest::addColumn<bool>("zawiedzie");
        QTest::addColumn<bool>("jedzie");
        QTest::newRow("a tenth of the replies") << QStringLiteral("0.1") << false << false;
        QTest::newRow("every reply") << QStringLiteral("1") << true << false;
        QTest::newRow("a tenth, driving") << QStringLiteral("0.1") << false << true;
    }
    void backupUnderUnseenCorruptionIsRightOrFails() {
        QFETCH(QString, udzial);
        QFETCH(bool, zawiedzie);
        QFETCH(bool, jedzie);
        QStringList argumenty{"--corrupt-unseen", udzial, "--seed", "4"};
        argumenty << (jedzie ? QStringList{"--warm", "--ignition-at", "0"}
                             : QStringList{"--no-learning", "--no-ignition"});
        TSterownikSym sym(argumenty);
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
        const QString blad = KopiaWierna(sym, Czytaj(plik));
        QVERIFY2(blad.isEmpty(), qPrintable(blad));
    }

    // The controller as the protocol allows it: reply byte 4 at random, the counters
    // running, maps learned while the engine turns at real speed, frames of its own between
    // replies (other seeds through SELVAR_ZIARNO_SYMULATORA). The backup holds the latest of
    // what moves and is timed against one read.
    void backupWhileTheEngineRunsAndMapsAreLearned() {
        TSterownikSym sym({"--warm", "--ignition-at", "0"});
        QVERIFY(Uczy(sym));
        TCli cli;
        const TWynik odczyt = cli.Uruchom({"show", "--port", sym.Port(), "-q"});
        QCOMPARE(odczyt.kod, 0);
        const QString plik = cli.Sciezka(QStringLiteral("kopia.set"));
        const TWynik w = cli.Uruchom({"backup", plik, "--port", sym.Port(), "-q"});
        QVERIFY2(w.kod == 0, w.bledy.constData());
        qInfo("backup %lld ms, one read (show) %lld ms", w.ms, odczyt.ms);
        const QString blad = KopiaWierna(sym, Czytaj(plik));
        QVERIFY2(blad.isEmpty(), qPrintable(blad));
        const TPrzebieg przebieg(sym);
        QVERIFY(!przebieg.wyuczone.isEmpty()); // it did learn while being read
        // The counters kept are those of the last identity, later than the first one's.
        const QByteArray obraz = Czytaj(plik);
        QVERIFY(RamkaTestu::U16(obraz, 128 + 76) * 3600 + RamkaTestu::U16(obraz, 128 + 74) >=
                1874 * 3600 + 2345);
    }

    // Restored while the engine runs: the maps as written but for the cells learned since.
    void restoreWhileTheEngineRunsAndMapsAreLearned() {
        TSterownikSym sym({"--warm", "--ignition-at", "0"});
        QVERIFY(Uczy(sym));
        TCli cli;
        const QString plik = cli.Sciezka(QStringLiteral("kopia.set"));
        QCOMPARE(cli.Uruchom({"backup", plik, "--port", sym.Port(), "-q"}).kod, 0);
        QByteArray obraz = Czytaj(plik);
        obraz[2560 + 0x11] = char(0x2A); // a petrol map cell of another car
        QVERIFY(Zapisz(plik, obraz));
        const TWynik w = cli.Uruchom({"restore", plik, "--port", sym.Port()});
        QVERIFY2(w.kod == 0, w.bledy.constData());
        QVERIFY2(QRegularExpression(QStringLiteral("^restored .*: 14 blocks written and "
                                                   "verified( \\(\\d+ map cells learned "
                                                   "since\\))?\n$"))
                     .match(w.Wyjscie())
                     .hasMatch(),
                 w.wyjscie.constData());
        const QMap<QString, QByteArray> bloki = BlokiTeraz(sym);
        const TPrzebieg przebieg(sym);
        for (int m = 0; m < TPrzebieg::Map; ++m) {
            const QByteArray teraz = bloki[QLatin1String(BlokiPliku[8 + m].nazwa)];
            for (int i = 0; i < 256; ++i)
                QVERIFY2(teraz[i] == obraz[BlokiPliku[8 + m].polozenie + i] ||
                             przebieg.wyuczone.contains(m * 256 + i),
                         BlokiPliku[8 + m].nazwa);
        }
    }

    void recordingHoldsTheFramesSentAndEndsCleanlyOnCtrlC() {
        TSterownikSym sym({"--speed", "5"});
        TCli cli;
        const QString osc = cli.Sciezka(QStringLiteral("jazda.osc"));
        const TWynik w = cli.Uruchom({"record", osc, "--seconds", "2", "--port", sym.Port()});
        QCOMPARE(w.kod, 0);
        QVERIFY2(w.Bledy().contains(QStringLiteral(" written to %1\n").arg(osc)),
                 w.bledy.constData());
        const qint64 rozmiar = QFileInfo(osc).size();
        QCOMPARE((rozmiar - 4096) % 128, 0);
        {
            const TOdczytanyZapis zapis(osc);
            QCOMPARE(zapis.ile, (rozmiar - 4096) / 128);
            // A live frame every 200 ms, one more or less for the edges.
            QVERIFY2(zapis.ile >= 8 && zapis.ile <= 12, qPrintable(QString::number(zapis.ile)));
            QVERIFY(zapis.ToRamkiWyslane(sym));
            const QString csv = cli.Sciezka(QStringLiteral("jazda.csv"));
            QCOMPARE(cli.Uruchom({"osc2csv", osc, csv, "-q"}).kod, 0);
            QCOMPARE(Czytaj(csv), TekstCsv(zapis.s, zapis.probki.data(), zapis.ile, QLocale::c()));
        }

        const QString dalej = cli.Sciezka(QStringLiteral("dalej.osc"));
        QProcess p;
        cli.Uruchom(p, {"record", dalej, "--port", sym.Port(), "-q"});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(dalej).size() >= 4096 + 3 * 128, 30000);
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        const TOdczytanyZapis przerwany(dalej);
        QCOMPARE(przerwany.ile, (QFileInfo(dalej).size() - 4096) / 128);
        QVERIFY(przerwany.ile >= 3);
        QVERIFY(przerwany.ToRamkiWyslane(sym));
    }

    void jsonOutputParsesBack() {
        TSterownikSym sym(
            {"--no-ignition", "--channels", "6", "--error", "6.1", "--error", "10.2"});
        TCli cli;
        const auto json = [&](const QStringList& argumenty) {
            const TWynik w = cli.Uruchom(
                argumenty + QStringList{"--json", "--port", sym.Port(), "-q", "--lang", "pl"});
            QList<QJsonObject> obiekty;
            for (const QByteArray& linia : w.wyjscie.split('\n'))
                if (!linia.isEmpty()) obiekty << QJsonDocument::fromJson(linia).object();
            return w.kod == 0 ? obiekty : QList<QJsonObject>{};
        };
        const QList<QJsonObject> info = json({"info"});
        QCOMPARE(info.size(), 1);
        QCOMPARE(info[0]["bar_code"].toString(), QStringLiteral("5901234000123456"));
        QCOMPARE(info[0]["injectors"].toInt(), 6);
        QCOMPARE(info[0]["production_date"].toString(), QStringLiteral("2022.11.03"));

        const QList<QJsonObject> bledy = json({"errors"});
        QCOMPARE(bledy.size(), 1);
        QCOMPARE(bledy[0]["active"].toArray().size(), 2);
        QCOMPARE(bledy[0]["active"].toArray().at(1).toString(),
                 QStringLiteral("Brak wtryskiwacza gazu 3"));
        const QJsonArray zapamietane = bledy[0]["stored"].toArray();
        QCOMPARE(zapamietane.size(), 3);
        QCOMPARE(zapamietane.at(2).toObject()["count"].toInt(), 3);
        QCOMPARE(zapamietane.at(2).toObject()["error"].toString(),
                 QStringLiteral("Brak wtryskiwacza gazu 3"));

        // Column names stay English whatever the language, for scripts.
        const QList<QJsonObject> zywo = json({"live", "--count", "2"});
        QCOMPARE(zywo.size(), 3);
        const QJsonArray kolumny = zywo[0]["columns"].toArray();
        QCOMPARE(kolumny.at(0).toObject()["name"].toString(), QStringLiteral("Revolutions"));
        QCOMPARE(kolumny.at(0).toObject()["unit"].toString(), QStringLiteral("rpm"));
        QCOMPARE(kolumny.last().toObject()["name"].toString(), QStringLiteral("G 6"));
        for (int i = 1; i <= 2; ++i) {
            QCOMPARE(zywo[i]["frame"].toInt(), i - 1);
            const QJsonArray wartosci = zywo[i]["values"].toArray();
            QCOMPARE(wartosci.size(), kolumny.size());
            QCOMPARE(wartosci.at(0).toDouble(), 0.0);  // the key is off
            QCOMPARE(wartosci.at(4).toDouble(), 15.0); // reducer at the ambient 15 °C
        }
    }

    void showGroupsAsTheEditorAndDiffFindsTheChanges() {
        TCli cli;
        const QString a = cli.Sciezka(QStringLiteral("a.set")), b = cli.Sciezka("b.set");
        QByteArray obraz = Domyslne();
        QVERIFY(Zapisz(a, obraz));
        obraz[512 + 50] = char(85); // gas from 850 rpm instead of 700 (units of 10 rpm)
        for (const auto& [komorka, o] : {std::pair{5, 3}, {17, 7}, {200, 2}})
            obraz[2816 + komorka] = char(quint8(obraz[2816 + komorka]) + o);
        QVERIFY(Zapisz(b, obraz));

        const TWynik pokaz = cli.Uruchom({"show", a});
        QCOMPARE(pokaz.kod, 0);
        const QString tekst = pokaz.Wyjscie();
        qsizetype poprzedni = -1;
        for (const char* naglowek :
             {"Engine parameters\n", "\nInjectors\n", "\nSensors\n", "\nSwitching to gas\n",
              "\nSwitching to petrol\n", "\nCalibration\n", "\nCorrections 2D\n", "\nOBD module\n",
              "\nDevice\n", "\nModel:"}) {
            const qsizetype tu = tekst.indexOf(QLatin1String(naglowek));
            QVERIFY2(tu > poprzedni, naglowek);
            poprzedni = tu;
        }
        QVERIFY(QRegularExpression(QStringLiteral("\n  Switching to LPG when RPM rises above +700 "
                                                  "\\[rpm\\]\n"))
                    .match(tekst)
                    .hasMatch());
        // Idle RPM correction sits on the Calibration strip and the multiplier strip: once.
        QCOMPARE(tekst.count(QStringLiteral("Idle RPM correction")), 1);
        const TWynik wszystkie = cli.Uruchom({"show", a, "--all"});
        QCOMPARE(wszystkie.kod, 0);
        QVERIFY(
            wszystkie.Wyjscie().startsWith(tekst.left(tekst.indexOf(QLatin1String("\nModel:")))));
        QVERIFY(wszystkie.Wyjscie().contains(QStringLiteral("\nOther catalogue records\n")));

        const TWynik json = cli.Uruchom({"show", a, "--json"});
        const QJsonObject dokument = QJsonDocument::fromJson(json.wyjscie).object();
        const QJsonArray grupy = dokument["groups"].toArray();
        QCOMPARE(grupy.at(0).toObject()["title"].toString(), QStringLiteral("Engine parameters"));
        const QJsonObject doGazu = grupy.at(3).toObject()["settings"].toArray().at(0).toObject();
        QCOMPARE(doGazu["index"].toInt(), 50);
        QCOMPARE(doGazu["value"].toString(), QStringLiteral("700"));
        QCOMPARE(doGazu["unit"].toString(), QStringLiteral("[rpm]"));
        QCOMPARE(doGazu["stored"].toInt(), 70);
        QVERIFY(dokument["identity"].toObject().contains(QStringLiteral("bar_code")));

        const TWynik rozne = cli.Uruchom({"diff", a, b});
        QCOMPARE(rozne.kod, 1);
        QCOMPARE(rozne.Wyjscie(),
                 QStringLiteral("Switching to LPG when RPM rises above: 700 -> 850 [rpm]\n"
                                "MapaEcuGaz: 3 cells differ, by at most 7\n"));
        const TWynik takieSame = cli.Uruchom({"diff", a, a});
        QCOMPARE(takieSame.kod, 0);
        QVERIFY(takieSame.wyjscie.isEmpty());
        const QJsonObject roznice =
            QJsonDocument::fromJson(cli.Uruchom({"diff", a, b, "--json"}).wyjscie).object();
        QCOMPARE(roznice["equal"].toBool(), false);
        QCOMPARE(roznice["settings"].toArray().at(0).toObject()["b"].toString(),
                 QStringLiteral("850"));
        const QJsonObject mapa = roznice["tables"].toArray().at(0).toObject();
        QCOMPARE(mapa["table"].toString(), QStringLiteral("MapaEcuGaz"));
        QCOMPARE(mapa["cells"].toInt(), 3);
        QCOMPARE(mapa["largest"].toInt(), 7);
        QVERIFY(Zapisz(b, "set file"));
        const TWynik zly = cli.Uruchom({"diff", a, b});
        QCOMPARE(zly.kod, 3);
        QVERIFY2(zly.Bledy().contains(QStringLiteral("cannot load %1: Error code 123").arg(b)),
                 zly.bledy.constData());
    }

    void showReadsTheConnectedController() {
        TSterownikSym sym({"--no-ignition", "--barcode", "SHOW42"});
        TCli cli;
        const TWynik w = cli.Uruchom({"show", "--port", sym.Port(), "-q"});
        QCOMPARE(w.kod, 0);
        QVERIFY(w.Wyjscie().startsWith(QLatin1String("Engine parameters\n")));
        QVERIFY2(w.Wyjscie().contains(QStringLiteral("\nBar code:             SHOW42\n")),
                 w.wyjscie.constData());
    }

    void reportOfTheControllerPrintsItsDataOnA4() {
        TSterownikSym sym({"--no-ignition", "--barcode", "REPORT42", "--error", "6.2"});
        TCli cli;
        const QString pdf = cli.Sciezka(QStringLiteral("raport.pdf"));
        const TWynik w = cli.Uruchom({"report", "--port", sym.Port(), "-o", pdf, "-q"});
        QCOMPARE(w.kod, 0);
        const QList<QImage> strony = Strony(pdf);
        QVERIFY2(strony.size() >= 2, qPrintable(QString::number(strony.size())));
        // A4 portrait at 30 dpi: 248 x 351 pixels.
        QCOMPARE(strony.at(0).size(), QSize(248, 351));
        const double tusz = Zadrukowane(strony.at(0));
        QVERIFY2(tusz > 0.01 && tusz < 0.5, qPrintable(QString::number(tusz)));
        const QString tekst = QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {pdf, "-"}));
        // The simulator's board has two banks, set apart: each gets its chart and grid.
        for (const char* czesc : {"Installation report", "REPORT42", "Gas pressure sensor voltage",
                                  "Switching to LPG when RPM rises above", "700 [rpm]",
                                  "Multiplier - Bank 2", "RPM correction - Bank 2", "Acceleration"})
            QVERIFY2(tekst.contains(QLatin1String(czesc)), czesc);
        // This computer, as the history's user column writes it.
        TMapaPortow mapa;
        TSterownik wzor(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
        wzor.Zegar().stop();
        const quint32 id = IdentyfikatorKomputera();
        wzor.Historia[0] = 8;
        for (int i = 0; i < 4; ++i)
            wzor.Historia[4 + i] = static_cast<unsigned char>(id >> (24 - 8 * i));
        QVERIFY2(tekst.contains(QStringLiteral("Computer")) &&
                     tekst.contains(wzor.StrHistoria(5, 0)),
                 qPrintable(wzor.StrHistoria(5, 0)));
    }

    // With the adapter as well, the car's VIN heads the report.
    void reportCarriesTheVinReadThroughTheAdapter() {
        TSymulatorElm elm({"--protocol", "6", "--ecus", "2"});
        TCli cli;
        const QString set = cli.Sciezka(QStringLiteral("k.set"));
        const QString pdf = cli.Sciezka(QStringLiteral("raport.pdf"));
        QVERIFY(Zapisz(set, Domyslne()));
        const TWynik w = cli.Uruchom({"report", set, "-o", pdf, "--elm-port", elm.Sciezka(), "-q"});
        QCOMPARE(w.kod, 0);
        const QString tekst = QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {pdf, "-"}));
        QVERIFY2(tekst.contains(QStringLiteral("VF1SELVAR0E327001")), qPrintable(tekst.left(400)));
    }

    void reportOfAFileKeepsWhatWasThere() {
        TCli cli;
        const QString set = cli.Sciezka(QStringLiteral("k.set"));
        const QString pdf = cli.Sciezka(QStringLiteral("raport.pdf"));
        QVERIFY(Zapisz(set, Domyslne()));
        QVERIFY(Zapisz(pdf, "earlier report"));
        QCOMPARE(cli.Uruchom({"report", set, "-o", pdf, "-q"}).kod, 3);
        QCOMPARE(Czytaj(pdf), QByteArray("earlier report"));
        QCOMPARE(cli.Uruchom({"report", set, "-o", pdf, "--force", "-q", "--lang", "pl"}).kod, 0);
        const QString tekst = QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {pdf, "-"}));
        QVERIFY(tekst.contains(QStringLiteral("Raport z instalacji")));
        QVERIFY(tekst.contains(QStringLiteral("plik ustawień ich nie zawiera")));

        const QString zly = cli.Sciezka(QStringLiteral("zly.set"));
        const QString nowy = cli.Sciezka(QStringLiteral("nowy.pdf"));
        QVERIFY(Zapisz(zly, "set file"));
        QCOMPARE(cli.Uruchom({"report", zly, "-o", nowy}).kod, 3);
        QVERIFY(!QFileInfo::exists(nowy));
        QCOMPARE(cli.Uruchom({"report", set}).kod, 1); // no -o
    }

    void numbersInTheLanguageOfTheTexts() {
        TCli cli;
        const QString set = cli.Sciezka(QStringLiteral("liczby.set"));
        const QString pdf = cli.Sciezka(QStringLiteral("liczby.pdf"));
        QVERIFY(Zapisz(set, Domyslne()));
        // A value with its unit: "3.00 [V]" in English, "3,00 [V]" in Polish.
        const QRegularExpression kropka(QStringLiteral("\\d\\.\\d+ \\[")),
            przecinek(QStringLiteral("\\d,\\d+ \\["));
        const QString angielski = cli.Uruchom({"show", set}).Wyjscie();
        QVERIFY(angielski.contains(kropka));
        QVERIFY(!angielski.contains(przecinek));
        const QString polski = cli.Uruchom({"show", set, "--lang", "pl"}).Wyjscie();
        QVERIFY(polski.contains(przecinek));
        QVERIFY2(!polski.contains(kropka), qPrintable(kropka.match(polski).captured()));
        QCOMPARE(cli.Uruchom({"report", set, "-o", pdf, "-q", "--lang", "pl"}).kod, 0);
        const QString raport = QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {pdf, "-"}));
        QVERIFY(raport.contains(przecinek));
        QVERIFY2(!raport.contains(kropka), qPrintable(kropka.match(raport).captured()));
        // The multiplier's left axis, 0.5 to 1.5.
        QVERIFY(raport.contains(QStringLiteral("1,5")));
        QVERIFY(!raport.contains(QStringLiteral("1.5")));
    }
};

QTEST_GUILESS_MAIN(TestSelvarCliWarsztat)
#include "tst_selvarcliwarsztat.moc"
