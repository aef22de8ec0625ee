#include "OpisyKodow.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace {

const QRegularExpression LiniaKodu(QStringLiteral("^([PBCU][0-9A-F]{4}) (\\S.*\\S|\\S)$"));

QList<QByteArray> Linie(const QByteArray& tabela) {
    return tabela.split('\n');
}

// The codes of the table's code lines, in table order.
QList<QByteArray> Kody(const QByteArray& tabela) {
    QList<QByteArray> kody;
    for (QByteArray linia : Linie(tabela)) {
        linia.chop(linia.endsWith('\r') ? 1 : 0);
        if (LiniaKodu.match(QString::fromLatin1(linia)).hasMatch()) kody.append(linia.left(5));
    }
    return kody;
}

// A missing description as a text, so that a failing comparison shows what was found.
QString Szukaj(QByteArrayView tabela, QByteArrayView kod) {
    return OpisKoduZTabeli(tabela, kod).value_or(QStringLiteral("<none>"));
}

QString Dekoduj1250(const QByteArray& bajty) {
    QStringDecoder dekoder("windows-1250");
    const QString tekst = dekoder(bajty);
    return dekoder.hasError() ? QString() : tekst;
}

} // namespace

class TestOpisyKodow : public QObject {
    Q_OBJECT

private slots:
    void tabeleSaWProgramie_data();
    void tabeleSaWProgramie();
    void nieznanyZasobJestPusty();
    void liniaKoncaToCrLfBezKoncaNaOstatniej_data();
    void liniaKoncaToCrLfBezKoncaNaOstatniej();
    void kazdaLiniaToKodSpacjaOpis_data();
    void kazdaLiniaToKodSpacjaOpis();
    void kazdyKodZnajdujeSwojaLinie_data();
    void kazdyKodZnajdujeSwojaLinie();
    void bajtyWracajaPrzezWindows1250_data();
    void bajtyWracajaPrzezWindows1250();
    void polskieLiteryWracaja();
    void literyWKolejnosciPBCU();
    void polskaTabelaMaKodyPAngielskiej();
    void przykladP0301_data();
    void przykladP0301();
    void pierwszeWystapienieWygrywa();
    void ostatniaLiniaBezKoncaMaOpis();
    void brakKoduToBrakOpisu_data();
    void brakKoduToBrakOpisu();
    void bajtyDoTekstu_data();
    void bajtyDoTekstu();
};

void TestOpisyKodow::tabeleSaWProgramie_data() {
    QTest::addColumn<int>("zasob");
    QTest::newRow("900 English") << ZasobOpisowAngielskich;
    QTest::newRow("901 Polish") << ZasobOpisowPolskich;
}

void TestOpisyKodow::tabeleSaWProgramie() {
    QFETCH(int, zasob);
    QVERIFY(Kody(TabelaOpisow(zasob)).size() > 1000);
}

void TestOpisyKodow::nieznanyZasobJestPusty() {
    QVERIFY(TabelaOpisow(902).isEmpty());
    QVERIFY(TabelaOpisow(0).isEmpty());
}

void TestOpisyKodow::liniaKoncaToCrLfBezKoncaNaOstatniej_data() {
    tabeleSaWProgramie_data();
}

void TestOpisyKodow::liniaKoncaToCrLfBezKoncaNaOstatniej() {
    QFETCH(int, zasob);
    const QByteArray tabela = TabelaOpisow(zasob);
    QCOMPARE(tabela.count('\r'), tabela.count("\r\n"));
    QCOMPARE(tabela.count('\n'), tabela.count("\r\n"));
    QVERIFY(!tabela.endsWith('\n'));
    QVERIFY(!tabela.endsWith('\r'));
}

void TestOpisyKodow::kazdaLiniaToKodSpacjaOpis_data() {
    QTest::addColumn<int>("zasob");
    QTest::addColumn<int>("naglowkow");
    QTest::newRow("900 has 4 headings and 4 empty lines") << ZasobOpisowAngielskich << 4;
    QTest::newRow("901 has neither") << ZasobOpisowPolskich << 0;
}

void TestOpisyKodow::kazdaLiniaToKodSpacjaOpis() {
    QFETCH(int, zasob);
    QFETCH(int, naglowkow);
    int puste = 0, naglowki = 0;
    for (QByteArray linia : Linie(TabelaOpisow(zasob))) {
        linia.chop(linia.endsWith('\r') ? 1 : 0);
        if (linia.isEmpty())
            ++puste;
        else if (linia.startsWith('D') || linia.startsWith('E'))
            ++naglowki;
        else
            QVERIFY2(LiniaKodu.match(Dekoduj1250(linia)).hasMatch(), linia.constData());
    }
    QCOMPARE(puste, naglowkow);
    QCOMPARE(naglowki, naglowkow);
}

void TestOpisyKodow::kazdyKodZnajdujeSwojaLinie_data() {
    tabeleSaWProgramie_data();
}

// The search runs over the raw text, so a code must occur first at the start of its own line,
// never inside a heading or an earlier description.
void TestOpisyKodow::kazdyKodZnajdujeSwojaLinie() {
    QFETCH(int, zasob);
    const QByteArray tabela = TabelaOpisow(zasob);
    QSet<QByteArray> widziane;
    for (QByteArray linia : Linie(tabela)) {
        linia.chop(linia.endsWith('\r') ? 1 : 0);
        const QByteArray kod = linia.left(5);
        if (!LiniaKodu.match(QString::fromLatin1(linia)).hasMatch() || widziane.contains(kod))
            continue;
        widziane.insert(kod);
        QCOMPARE(Szukaj(tabela, kod), Dekoduj1250(linia.mid(5)));
    }
}

void TestOpisyKodow::bajtyWracajaPrzezWindows1250_data() {
    tabeleSaWProgramie_data();
}

void TestOpisyKodow::bajtyWracajaPrzezWindows1250() {
    QFETCH(int, zasob);
    const QByteArray tabela = TabelaOpisow(zasob);
    // Equal to the real code page only when no byte fell back to a "/nnn" escape.
    const QString tekst = TekstOpisuZBajtow(tabela);
    QCOMPARE(tekst, Dekoduj1250(tabela));
    QStringEncoder koder("windows-1250");
    QCOMPARE(QByteArray(koder(tekst)), tabela);
}

void TestOpisyKodow::polskieLiteryWracaja() {
    const QString tekst = TekstOpisuZBajtow(TabelaOpisow(ZasobOpisowPolskich));
    for (const QChar litera : QStringLiteral("ąćęłńóśźżŁŚ"))
        QVERIFY2(tekst.contains(litera), QString(litera).toUtf8().constData());
}

void TestOpisyKodow::literyWKolejnosciPBCU() {
    QString litery;
    for (const QByteArray& kod : Kody(TabelaOpisow(ZasobOpisowAngielskich)))
        if (!litery.endsWith(QLatin1Char(kod.front()))) litery += QLatin1Char(kod.front());
    QCOMPARE(litery, QStringLiteral("PBCU"));
    for (const QByteArray& kod : Kody(TabelaOpisow(ZasobOpisowPolskich)))
        QCOMPARE(kod.front(), 'P');
}

void TestOpisyKodow::polskaTabelaMaKodyPAngielskiej() {
    const QList<QByteArray> polskie = Kody(TabelaOpisow(ZasobOpisowPolskich));
    const QSet<QByteArray> polskieKody(polskie.begin(), polskie.end());
    QSet<QByteArray> angielskieP;
    for (const QByteArray& kod : Kody(TabelaOpisow(ZasobOpisowAngielskich)))
        if (kod.startsWith('P')) angielskieP.insert(kod);
    QCOMPARE(polskieKody, angielskieP);
}

void TestOpisyKodow::przykladP0301_data() {
    QTest::addColumn<int>("zasob");
    QTest::addColumn<QString>("opis");
    QTest::newRow("English") << ZasobOpisowAngielskich
                             << QStringLiteral(" Cylinder 1 Misfire Detected");
    QTest::newRow("Polish") << ZasobOpisowPolskich
                            << QStringLiteral(" Cylinder 1 - wykryto przerwę zapłonu");
}

void TestOpisyKodow::przykladP0301() {
    QFETCH(int, zasob);
    QFETCH(QString, opis);
    QCOMPARE(Szukaj(TabelaOpisow(zasob), "P0301"), opis);
}

void TestOpisyKodow::pierwszeWystapienieWygrywa() {
    const QByteArray tabela = "P0100 Pierwszy\r\nP0101 Inny\r\nP0100 Drugi\r\nP0102 Ostatni";
    QCOMPARE(Szukaj(tabela, "P0100"), QStringLiteral(" Pierwszy"));
    QCOMPARE(Szukaj(tabela, "P0101"), QStringLiteral(" Inny"));
}

void TestOpisyKodow::ostatniaLiniaBezKoncaMaOpis() {
    QCOMPARE(Szukaj("P0100 Pierwszy\r\nP0102 Ostatni", "P0102"), QStringLiteral(" Ostatni"));
    for (const int zasob : {ZasobOpisowAngielskich, ZasobOpisowPolskich}) {
        const QByteArray tabela = TabelaOpisow(zasob);
        const QByteArray ostatnia = tabela.mid(tabela.lastIndexOf('\n') + 1);
        QCOMPARE(Szukaj(tabela, ostatnia.left(5)), Dekoduj1250(ostatnia.mid(5)));
    }
}

void TestOpisyKodow::brakKoduToBrakOpisu_data() {
    QTest::addColumn<QByteArray>("kod");
    QTest::newRow("absent code") << QByteArray("P0199");
    QTest::newRow("empty text") << QByteArray();
    QTest::newRow("four characters") << QByteArray("P010");
}

void TestOpisyKodow::brakKoduToBrakOpisu() {
    QFETCH(QByteArray, kod);
    QVERIFY(!OpisKoduZTabeli("P0100 Pierwszy\r\nP0102 Ostatni", kod).has_value());
}

void TestOpisyKodow::bajtyDoTekstu_data() {
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("en dash 0x96") << QByteArray(" A\x96"
                                                "B")
                                  << QStringLiteral(" A/150B");
    QTest::newRow("quotes 0x93 0x94") << QByteArray("\x93x\x94") << QStringLiteral("/147x/148");
    QTest::newRow("ASCII edge 0x7F") << QByteArray("\x7F") << QStringLiteral("\x7F");
    QTest::newRow("0x80 and 0xFF") << QByteArray("\x80\xFF") << QStringLiteral("/128/255");
    QTest::newRow("lower-case letters")
        << QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF") << QStringLiteral("ąćęłńóśźż");
    QTest::newRow("capital letters")
        << QByteArray("\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF") << QStringLiteral("ĄĆĘŁŃÓŚŹŻ");
}

void TestOpisyKodow::bajtyDoTekstu() {
    QFETCH(QByteArray, bajty);
    QFETCH(QString, tekst);
    QCOMPARE(TekstOpisuZBajtow(bajty), tekst);
}

QTEST_APPLESS_MAIN(TestOpisyKodow)
#include "tst_opisykodow.moc"
