#include "Teksty.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <iterator>

namespace {

// Every id of the shipped table, in order.
constexpr int IdTablicy[] = {
    1050, 1051, 1052, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1060, 1061, 1062, 1080, 1081, 1082,
    1083, 1088, 1089, 1090, 1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1110, 1111, 1112, 1113,
    1114, 1117, 1118, 1119, 1120, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128, 1129, 1130, 1131,
    1132, 1133, 1150, 1151, 1152, 1153, 1160, 1161, 1162, 1163, 1164, 1165, 1166, 1170, 1171, 1172,
    1173, 1200, 1201, 1202, 1203, 1204, 1205, 1210, 1211, 1212, 1213, 1214, 1215, 1216, 1217, 1218,
    1229, 1230, 1231, 1232, 1233, 1234, 1240, 1241, 1242, 1243, 1244, 1245, 1246, 1247, 1248, 1249,
    1250, 1251, 1252, 1259, 1260, 1261, 1262, 1263, 1264, 1265, 1266, 1267, 1268, 1269, 1270, 1271,
    1272, 1273, 1274, 1275, 1276, 1278, 1279, 1280, 1281, 1282, 1290, 1291, 1292, 1293, 1294, 1295,
    1296, 1297, 1298, 1300, 1301, 1302, 1303, 1304, 1330, 1331, 1332, 1333, 1334, 1335, 1340, 1341,
    1342, 1343, 1344, 1345, 1346, 1347, 1348, 1349, 1350, 1351, 1352, 1353, 1354, 1355, 1360, 1361,
    1362, 1363, 1364, 1365, 1366, 1367, 1368, 1369, 1370, 1371, 1372, 1373, 1374, 1375, 1376, 1377,
    1378, 1380, 1381, 1382, 1383, 1384, 1385, 1386, 1387, 1390, 1391, 1392, 1393, 1394, 1395, 1396,
    1397, 1398, 1400, 1401, 1402, 1403, 1404, 1405, 1406, 1407, 1408, 1409, 1410, 1411, 1412, 1413,
    1418, 1419, 1420, 1421, 1422, 1423, 1424, 1425, 1426, 1427, 1428, 1429, 1430, 1431, 1432, 1433,
    1450, 1451, 1452, 1453, 1454, 1455, 1456, 1457, 1458, 1459, 1460, 1461, 1501, 1502, 1503, 1504,
    1505, 1506, 1507, 1508, 1601, 1602, 1603, 1604, 1605, 1606, 1607, 1608, 1700, 1701, 1702, 1703,
    1704, 1705, 1706, 1707, 1708, 1709, 1710, 1711, 1712, 1713, 1714, 1715, 1716, 1717, 1718, 1720,
    1721, 1722, 1723, 1724, 1725, 1726, 1800, 1801, 1802, 1803, 1804, 1811, 1812, 1813, 1814, 1815,
    1816, 1817, 1821, 1822, 1823, 1824, 1825, 1826, 1827, 1828, 1829, 1830, 1831, 1832, 1833, 1834,
    1835, 1836, 1837, 1838, 1839, 1840, 1841, 1842, 1843, 1844, 1845, 1846, 1847, 1848, 1849, 1901,
    1902, 1903, 1904, 1905, 1906, 1907, 1908, 1911, 1912, 1913, 1914, 1915, 1921, 1922, 1923, 1924,
    1925, 1926, 1927, 1928, 1931, 1932, 1933, 1934, 1940, 1950, 1960, 2001, 2002, 2003, 2004, 2005,
    2006, 2007, 2008, 2009, 2010, 2011, 2012, 2013, 2014, 2015, 2016, 2017, 2018, 2019, 2020, 2021,
    2022, 2023, 2100, 2101, 2102, 2103, 2104, 2105, 2106, 2107, 2108, 2109, 2110, 2111, 2112, 2113,
    2114, 2115, 2116, 2117, 2118, 2119, 2120, 2121, 2122, 2123, 2124, 2200, 2201, 2202, 2203, 2204,
    2205, 2250, 2251, 2252, 2253, 2254, 2255, 2256, 2257, 2258, 3010, 3011, 3012, 3013, 3014, 3015,
    3016, 3017, 3018, 3019, 3020, 3030, 3040, 3041, 3042, 3043, 3044, 3050, 3051, 3052, 3060, 3061,
    3062, 3063, 3064, 3070, 3071, 3072, 3073, 3074, 3080, 3081, 3082, 3083, 3090, 3091, 3092, 3100,
    3101, 3102, 3103, 3110, 3120, 3200, 3201, 3202, 3210, 3230, 3240, 3241, 3310, 3400, 3401, 3402,
    3403, 3404, 3450, 3452, 3453, 3454, 3455, 3460, 3470, 3471, 3500, 3510, 3520, 3530, 3540, 3550,
    3551, 3560, 3561, 3562, 3563, 3570, 3571, 3572, 3573, 3580, 3590, 3600, 3610, 3620, 3630, 3640,
    3650, 3660, 3670, 3680, 3690, 3700, 3750, 3751, 3752, 3770, 3780, 3790, 3810, 3811, 3812, 3813,
    3820, 3830, 3850, 3860, 3900, 3901, 3960, 3961, 3962, 3963, 3964, 3980, 3990, 4030, 4040, 4050,
    4060, 4070, 4090, 4091, 4092, 4120, 4130, 4140, 4141, 4310, 4311, 4312, 4313, 4314, 4315, 4316,
    4317, 4318, 4319, 4320, 4321, 4322, 4323, 4324, 4325, 4326, 4327, 4328, 4329, 4330, 4331, 4332,
    4333, 4334, 4335, 4336, 4337, 4338, 4339, 4340, 4341, 4342, 4343, 4344, 4345, 4346, 4347, 4348,
    4349, 4350, 4351, 4352, 4353, 4354, 4355, 4356, 4357, 4358, 4359, 4360};

// Texts the program shows under fixed ids, word for word.
struct Cytat {
    int id;
    int jezyk;
    const char* tekst;
};
constexpr Cytat Cytaty[] = {
    {1050, Jezyki::Angielski, "[V]"},
    {1051, Jezyki::Angielski, "[bar]"},
    {1052, Jezyki::Angielski, "[mm]"},
    {1053, Jezyki::Angielski, "[ms]"},
    {1054, Jezyki::Angielski, "[°C]"},
    {1055, Jezyki::Angielski, "[s]"},
    {1056, Jezyki::Angielski, "[rpm]"},
    {1057, Jezyki::Angielski, "[%]"},
    {1058, Jezyki::Angielski, "[km]"},
    {1059, Jezyki::Angielski, "[kPa]"},
    {1061, Jezyki::Angielski, "kW"},
    {1062, Jezyki::Angielski, "[sec/div]"},
    {1080, Jezyki::Angielski, "Yes"},
    {1081, Jezyki::Angielski, "No"},
    {1100, Jezyki::Angielski, "Device"},
    {1118, Jezyki::Angielski, "Connect"},
    {1119, Jezyki::Angielski, "Disconnect"},
    {1210, Jezyki::Angielski, "Corrections 2D"},
    {1211, Jezyki::Angielski, "RPM corrections"},
    {1212, Jezyki::Angielski, "Reducer temp. corrections"},
    {1213, Jezyki::Angielski, "Gas temp. corrections"},
    {1214, Jezyki::Angielski, "Gas press. corrections"},
    {1216, Jezyki::Angielski, "Injection offset"},
    {1218, Jezyki::Angielski, "Acceleration"},
    {1229, Jezyki::Angielski, "OBD module"},
    {1240, Jezyki::Angielski, "NO CONNECTION"},
    {1241, Jezyki::Angielski, "CONNECTED"},
    {1242, Jezyki::Angielski, "No ignition"},
    {1243, Jezyki::Angielski, "No rotation"},
    {1244, Jezyki::Angielski, "PETROL"},
    {1245, Jezyki::Angielski, "WORK ON PETROL"},
    {1246, Jezyki::Angielski, "Waiting"},
    {1247, Jezyki::Angielski, "Switching-over"},
    {1248, Jezyki::Angielski, "MIX"},
    {1249, Jezyki::Angielski, "GAS"},
    {1250, Jezyki::Angielski, "GAS"},
    {1260, Jezyki::Angielski, "Factory settings"},
    {1264, Jezyki::Angielski, "Clear errors"},
    {1265, Jezyki::Angielski, "Speaker test"},
    {1266, Jezyki::Angielski, "Leak test"},
    {1268, Jezyki::Angielski, "Erase petrol map"},
    {1269, Jezyki::Angielski, "Erase gas map"},
    {1271, Jezyki::Angielski, "Erase adjustments"},
    {1272, Jezyki::Angielski, "Clear corrections"},
    {1273, Jezyki::Angielski, "Read errors"},
    {1274, Jezyki::Angielski, "Clear OBD errors"},
    {1275, Jezyki::Angielski, "Engine parameters"},
    {1276, Jezyki::Angielski, "Injectors"},
    {1278, Jezyki::Angielski, "Sensors"},
    {1279, Jezyki::Angielski, "Switching to gas"},
    {1280, Jezyki::Angielski, "Switching to petrol"},
    {1281, Jezyki::Angielski, "Corrections for injectors"},
    {1282, Jezyki::Angielski, "Calculator"},
    {1365, Jezyki::Angielski, "Device software error"},
    {1420, Jezyki::Angielski, "Lambda 1"},
    {1422, Jezyki::Angielski, "Lambda 2"},
    {1450, Jezyki::Angielski, "Fuel sys 1"},
    {1700, Jezyki::Angielski, "Petrol"},
    {1701, Jezyki::Angielski, "Gas"},
    {1702, Jezyki::Angielski, "Deviation"},
    {1703, Jezyki::Angielski, "Time [ms]"},
    {1705, Jezyki::Angielski, "Reducer temperature  [°C]"},
    {1706, Jezyki::Angielski, "Gas temperature  [°C]"},
    {1707, Jezyki::Angielski, "Pressure [bar]"},
    {1708, Jezyki::Angielski, "Corrections [%]"},
    {1709, Jezyki::Angielski, "Multiplier"},
    {1710, Jezyki::Angielski, "Mixture lean"},
    {1711, Jezyki::Angielski, "Mixture rich"},
    {1720, Jezyki::Angielski, "Bank"},
    {2001, Jezyki::Angielski, "Manual switching on the petrol"},
    {2004, Jezyki::Angielski, "Switch on the petrol due to the RPM loss"},
    {2018, Jezyki::Angielski, "Switch on the mix due to the minimal gas pressure"},
    {3011, Jezyki::Angielski, "1 coil per 1 cylinder"},
    {3017, Jezyki::Angielski, "1 coil per 8 cylinders"},
    {3018, Jezyki::Angielski, "Injectors"},
    {3019, Jezyki::Angielski, "From crankshaft"},
    {3040, Jezyki::Angielski, "RPM wire"},
    {3060, Jezyki::Angielski, "Lamdba 1 wire"},
    {3073, Jezyki::Angielski, "Fuel pressure"},
    {3401, Jezyki::Angielski, "90 Ohm growing"},
    {3402, Jezyki::Angielski, "90 Ohm falling"},
    {3403, Jezyki::Angielski, "50 kOhm growing"},
    {3404, Jezyki::Angielski, "50 kOhm falling"},
    {3452, Jezyki::Angielski, "2.2 kOhm"},
    {3453, Jezyki::Angielski, "4.7 kOhm"},
    {3454, Jezyki::Angielski, "6.8 kOhm"},
    {3455, Jezyki::Angielski, "10 kOhm"},
    {3471, Jezyki::Angielski, "SELVAR P1"},
    {3561, Jezyki::Angielski, "In sequence"},
    {3563, Jezyki::Angielski, "At the same time"},
    {3572, Jezyki::Angielski, "After RPM"},
    {3573, Jezyki::Angielski, "After ignition button"},
    {3751, Jezyki::Angielski, "After ignition button"},
    {3752, Jezyki::Angielski, "Continuous adaptation"},
    {3790, Jezyki::Angielski, "Blockade"},
    {3810, Jezyki::Angielski, "Adaptation"},
    {3962, Jezyki::Angielski, "Switch button"},
    {3963, Jezyki::Angielski, "End switch"},
    {3964, Jezyki::Angielski, "Switch-over"},
    {4091, Jezyki::Angielski, "Off"},
    {4092, Jezyki::Angielski, "Automatic"},
    {1062, Jezyki::Polski, "[s/dz]"},
    {1107, Jezyki::Polski, "Eksportuj dane do pliku CSV"},
    {1118, Jezyki::Polski, "Połącz"},
    {1122, Jezyki::Polski, "Polski"},
    {1229, Jezyki::Polski, "Moduł OBD"},
    {1241, Jezyki::Polski, "POŁĄCZONY"},
    {1273, Jezyki::Polski, "Czytaj błędy OBD"},
    {1274, Jezyki::Polski, "Kasuj błędy OBD"},
    {1418, Jezyki::Polski, "Lambda"},
    {1418, Jezyki::Rosyjski, "Лямбда"},
};

const char* const NazwyJezykow[] = {"en", "pl", "ru", "es"};

QByteArray DaneTablicy() {
    QFile plik(QStringLiteral(":/teksty/teksty.tsv"));
    if (!plik.open(QIODevice::ReadOnly)) return {};
    return plik.readAll();
}

QStringList WierszeTablicy() {
    QStringList wiersze = QString::fromUtf8(DaneTablicy()).split(u'\n');
    if (!wiersze.isEmpty() && wiersze.last().isEmpty()) wiersze.removeLast();
    return wiersze;
}

// Cells a row holds: the OBD abbreviations one, five rows Polish and English only.
int OczekiwaneKomorki(int id) {
    if (id >= 1450 && id <= 1461) return 1;
    for (int krotki : {1229, 1371, 3060, 3070, 3752})
        if (id == krotki) return 2;
    return 4;
}

bool KomorkaMozeBycPusta(int id, int kolumna) {
    return (id == 1418 && kolumna == 1) || (id == 3073 && kolumna >= 2);
}

// Columns id, jezyk, oczekiwany: the text of the id in that language, shipped table.
void DodajKolumnyTekstu() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("jezyk");
    QTest::addColumn<QString>("oczekiwany");
}

void SprawdzTekstTablicy() {
    QFETCH(int, id);
    QFETCH(int, jezyk);
    QFETCH(QString, oczekiwany);
    TTeksty teksty;
    QVERIFY(teksty.Wczytaj());
    teksty.UstawJezyk(jezyk);
    QCOMPARE(teksty.PodajTekst(id), oczekiwany);
}

} // namespace

class TstTeksty : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        TTeksty rejestrujeZasob; // the table's resource lives in a static library
        QVERIFY(!DaneTablicy().isEmpty());
    }

    void przypadkiBrzegowe_data() {
        DodajKolumnyTekstu();
        QTest::newRow("1241 en") << 1241 << Jezyki::Angielski << "CONNECTED";
        QTest::newRow("1241 pl") << 1241 << Jezyki::Polski << "POŁĄCZONY";
        for (int j = 0; j < 4; ++j)
            QTest::addRow("1450 %s", NazwyJezykow[j]) << 1450 << j << "Fuel sys 1";
        QTest::newRow("1229 en") << 1229 << Jezyki::Angielski << "OBD module";
        QTest::newRow("1229 ru") << 1229 << Jezyki::Rosyjski << "OBD module";
        QTest::newRow("1229 es") << 1229 << Jezyki::Hiszpanski << "OBD module";
        QTest::newRow("1229 pl") << 1229 << Jezyki::Polski << "Moduł OBD";
        QTest::newRow("1418 en") << 1418 << Jezyki::Angielski << "";
        QTest::newRow("1418 ru") << 1418 << Jezyki::Rosyjski << "Лямбда";
        QTest::newRow("3073 ru") << 3073 << Jezyki::Rosyjski << "Fuel pressure";
        QTest::newRow("3073 es") << 3073 << Jezyki::Hiszpanski << "Fuel pressure";
        QTest::newRow("1122 pl") << 1122 << Jezyki::Polski << "Polski";
        QTest::newRow("0") << 0 << Jezyki::Angielski << "";
        QTest::newRow("999") << 999 << Jezyki::Angielski << "";
        QTest::newRow("-1") << -1 << Jezyki::Polski << "";
        QTest::newRow("-40") << -40 << Jezyki::Polski << "";
        QTest::newRow("4000") << 4000 << Jezyki::Angielski << "";
        QTest::newRow("4142") << 4142 << Jezyki::Polski << "";
        for (int j = 0; j < 4; ++j)
            QTest::addRow("-32 %s", NazwyJezykow[j]) << -32 << j << " mnożnik";
    }
    void przypadkiBrzegowe() { SprawdzTekstTablicy(); }

    void stalyTekstIdUjemnego_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("oczekiwany");
        QTest::newRow("-30") << -30 << " t. ster.";
        QTest::newRow("-31") << -31 << " plus";
        QTest::newRow("-33") << -33 << " kor. obr.";
        QTest::newRow("-34") << -34 << " kor. cis.";
        QTest::newRow("-35") << -35 << " kor. temp.";
        QTest::newRow("-36") << -36 << " kor. razem";
        QTest::newRow("-37") << -37 << " plus";
        QTest::newRow("-38") << -38 << " otw/nat";
        QTest::newRow("-39") << -39 << " test";
        QTest::newRow("-50") << -50 << "ms/rpm";
        QTest::newRow("-51") << -51 << "bar/rpm";
        QTest::newRow("-52") << -52 << "V/rpm";
    }
    void stalyTekstIdUjemnego() {
        QFETCH(int, id);
        QFETCH(QString, oczekiwany);
        TTeksty bezTablicy; // served without the table, in every language
        for (int jezyk = 0; jezyk < 4; ++jezyk) {
            bezTablicy.UstawJezyk(jezyk);
            QCOMPARE(bezTablicy.PodajTekst(id), oczekiwany);
        }
    }

    void tekstCytowany_data() {
        DodajKolumnyTekstu();
        for (const Cytat& cytat : Cytaty)
            QTest::addRow("%d %s", cytat.id, NazwyJezykow[cytat.jezyk])
                << cytat.id << cytat.jezyk << QString::fromUtf8(cytat.tekst);
    }
    void tekstCytowany() { SprawdzTekstTablicy(); }

    void kazdyIdRazIWKolejnosci() {
        QList<int> wTablicy;
        for (const QString& wiersz : WierszeTablicy())
            wTablicy.append(wiersz.section(u'\t', 0, 0).toInt());
        const QList<int> oczekiwane(std::begin(IdTablicy), std::end(IdTablicy));
        QCOMPARE(oczekiwane.size(), 588);
        QCOMPARE(wTablicy, oczekiwane);
    }

    void wierszMaOczekiwaneKomorki() {
        for (const QString& wiersz : WierszeTablicy()) {
            const QStringList pola = wiersz.split(u'\t');
            const QString& id = pola.first();
            QVERIFY2(id.size() == 4 && id.toInt() >= 1000, qPrintable(wiersz));
            QVERIFY2(!wiersz.contains(u'\r'), qPrintable(id));
            QCOMPARE(pola.size() - 1, OczekiwaneKomorki(id.toInt()));
            for (int k = 1; k < pola.size(); ++k)
                QVERIFY2(!pola.at(k).isEmpty() || KomorkaMozeBycPusta(id.toInt(), k - 1),
                         qPrintable(id));
        }
    }

    void polskaKomorka1122MaKoncoweOdstepy() {
        const QStringList wiersze = WierszeTablicy().filter(QStringLiteral("1122\t"));
        QCOMPARE(wiersze.size(), 1);
        const QString polska = wiersze.first().section(u'\t', 1, 1);
        QVERIFY(polska.startsWith(QStringLiteral("Polski ")));
        QCOMPARE(polska.trimmed(), QStringLiteral("Polski"));
    }

    void kazdyIdMaTekstWKazdymJezyku() {
        TTeksty teksty;
        QVERIFY(teksty.Wczytaj());
        for (int jezyk = 0; jezyk < 4; ++jezyk) {
            teksty.UstawJezyk(jezyk);
            for (int id : IdTablicy)
                if (!(id == 1418 && jezyk == Jezyki::Angielski))
                    QVERIFY2(!teksty.PodajTekst(id).isEmpty(),
                             qPrintable(QStringLiteral("%1 %2").arg(id).arg(jezyk)));
        }
    }

    void regulaBraniaKomorki_data() {
        QTest::addColumn<QByteArray>("wiersz");
        QTest::addColumn<int>("jezyk");
        QTest::addColumn<QString>("oczekiwany");
        QTest::newRow("blanks trimmed") << QByteArray("1000\t  Pl  \t En \tRu\tEs") << 0 << "En";
        QTest::newRow("three cells ru") << QByteArray("1000\tPl\tEn\tRu") << 2 << "Ru";
        QTest::newRow("three cells es") << QByteArray("1000\tPl\tEn\tRu") << 3 << "En";
        QTest::newRow("two cells ru") << QByteArray("1000\tPl\tEn") << 2 << "En";
        QTest::newRow("one cell en") << QByteArray("1000\tPl") << 0 << "Pl";
        QTest::newRow("one cell es") << QByteArray("1000\tPl") << 3 << "Pl";
        QTest::newRow("empty ru") << QByteArray("1000\tPl\tEn\t \tEs") << 2 << "En";
        QTest::newRow("empty es") << QByteArray("1000\tPl\tEn\tRu\t") << 3 << "En";
        QTest::newRow("empty en") << QByteArray("1000\tPl\t\tRu\tEs") << 0 << "";
        QTest::newRow("empty en, ru") << QByteArray("1000\tPl\t\t\tEs") << 2 << "";
    }
    void regulaBraniaKomorki() {
        QFETCH(QByteArray, wiersz);
        QFETCH(int, jezyk);
        QFETCH(QString, oczekiwany);
        TTeksty teksty;
        teksty.WczytajDane(wiersz);
        teksty.UstawJezyk(jezyk);
        QCOMPARE(teksty.PodajTekst(1000), oczekiwany);
    }

    void brakTablicyDajePusteTeksty_data() {
        QTest::addColumn<QString>("sciezka");
        QTest::addColumn<bool>("wczytana");
        QTest::newRow("missing file") << QStringLiteral("/nonexistent/teksty.tsv") << false;
        QTest::newRow("directory") << QDir::tempPath() << false;
        QTest::newRow("empty file") << QString() << true;
    }
    void brakTablicyDajePusteTeksty() {
        QFETCH(QString, sciezka);
        QFETCH(bool, wczytana);
        QTemporaryDir katalog;
        if (sciezka.isEmpty()) {
            sciezka = katalog.filePath(QStringLiteral("pusta.tsv"));
            QFile pusty(sciezka);
            QVERIFY(pusty.open(QIODevice::WriteOnly));
        }
        TTeksty teksty;
        QCOMPARE(teksty.WczytajPlik(sciezka), wczytana);
        QCOMPARE(teksty.LiczbaWierszy(), 0);
        for (int id : {1050, 1241, 4141, 9999})
            QCOMPARE(teksty.PodajTekst(id), QString());
        QCOMPARE(teksty.PodajTekst(-51), QStringLiteral("bar/rpm"));
    }

    void nieudanePrzeladowanieZostawiaPustaTablice() {
        TTeksty teksty;
        QVERIFY(teksty.Wczytaj());
        QCOMPARE(teksty.PodajTekst(4141), QStringLiteral("Kod błędu OBD"));
        QVERIFY(!teksty.WczytajPlik(QStringLiteral("/nonexistent/teksty.tsv")));
        QCOMPARE(teksty.PodajTekst(4141), QString());
        QVERIFY(teksty.Wczytaj());
        QCOMPARE(teksty.PodajTekst(4141), QStringLiteral("Kod błędu OBD"));
    }

    void pamiecWierszyPrzetrwaPrzeladowanie() {
        // With the id twice, only a remembered row can pick the second one.
        const QByteArray stara("1100\tinny\n1200\tpierwsza\n");
        const QByteArray nowa("1200\tdrugi wiersz\n1200\tzapamietany wiersz\n");
        TTeksty teksty;
        teksty.WczytajDane(stara);
        QCOMPARE(teksty.PodajTekst(1200), QStringLiteral("pierwsza"));
        teksty.WczytajDane(nowa);
        QCOMPARE(teksty.PodajTekst(1200), QStringLiteral("zapamietany wiersz"));

        TTeksty bezPamieci;
        bezPamieci.WczytajDane(nowa);
        QCOMPARE(bezPamieci.PodajTekst(1200), QStringLiteral("drugi wiersz"));
    }

    void zapamietanyWierszPozaKrotszaTablica() {
        TTeksty teksty;
        teksty.WczytajDane("1100\ta\n1101\tb\n1102\tc\n");
        QCOMPARE(teksty.PodajTekst(1102), QStringLiteral("c"));
        teksty.WczytajDane("1102\tnowe c\n");
        QCOMPARE(teksty.PodajTekst(1102), QStringLiteral("nowe c"));
    }

    void idTrafiaTylkoWlasnyWiersz() {
        TTeksty teksty;
        teksty.WczytajDane("10500\tdłuższy\n1050\twłasny\n");
        QCOMPARE(teksty.PodajTekst(1050), QStringLiteral("własny"));
        QCOMPARE(teksty.PodajTekst(10500), QStringLiteral("dłuższy"));
    }

    void znakKolejnosciBajtowPomijany() {
        TTeksty teksty;
        teksty.WczytajDane("\xEF\xBB\xBF"
                           "1050\t[V]\n");
        QCOMPARE(teksty.PodajTekst(1050), QStringLiteral("[V]"));
    }

    void ograniczenieJezyka_data() {
        QTest::addColumn<int>("zapisany");
        QTest::addColumn<int>("jezyk");
        QTest::newRow("0 English") << 0 << Jezyki::Angielski;
        QTest::newRow("1 Polish") << 1 << Jezyki::Polski;
        QTest::newRow("2 Russian") << 2 << Jezyki::Rosyjski;
        QTest::newRow("3 Spanish") << 3 << Jezyki::Hiszpanski;
        QTest::newRow("4") << 4 << Jezyki::Polski;
        QTest::newRow("7") << 7 << Jezyki::Polski;
        QTest::newRow("-1") << -1 << Jezyki::Polski;
    }
    void ograniczenieJezyka() {
        QFETCH(int, zapisany);
        QFETCH(int, jezyk);
        QCOMPARE(Jezyki::Ogranicz(zapisany), jezyk);
        TTeksty teksty;
        teksty.UstawJezyk(zapisany);
        QCOMPARE(teksty.Jezyk(), jezyk);
    }

    void zapisanyJezyk7DajePolski() {
        TTeksty teksty;
        QVERIFY(teksty.Wczytaj());
        teksty.UstawJezyk(Jezyki::Angielski);
        teksty.UstawJezyk(7);
        QCOMPARE(teksty.PodajTekst(1241), QStringLiteral("POŁĄCZONY"));
    }

    void domyslnyJezykToPolski() { QCOMPARE(TTeksty().Jezyk(), Jezyki::Polski); }
};

QTEST_GUILESS_MAIN(TstTeksty)
#include "tst_teksty.moc"
