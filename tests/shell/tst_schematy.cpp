// The colour schemes: fixed colours of the Grey and Black styles, the chart background by
// even and odd index, Windows colours derived from the desktop's palette.

#include "Schematy.h"

#include <QTest>

class TestSchematy : public QObject {
    Q_OBJECT

private slots:
    void stylKolorami_data();
    void stylKolorami();
    void tloWykresuZaleznieOdParzystosci_data();
    void tloWykresuZaleznieOdParzystosci();
    void windowsBierzeKoloryPulpitu();
    void rozjasnijObcinaKanaly();
    void numerSpozaZakresuDajeSzaryCzarny();
};

void TestSchematy::stylKolorami_data() {
    QTest::addColumn<int>("schemat");
    QTest::addColumn<QColor>("tlo");
    QTest::addColumn<QColor>("tekst");
    QTest::addColumn<QColor>("baner");
    QTest::addColumn<QColor>("wybrany");
    QTest::addColumn<QColor>("edycja");
    QTest::addColumn<QColor>("dialog");
    QTest::newRow("Grey-White") << 2 << QColor(QRgb(0xD2D2D2)) << QColor(QRgb(0x000000))
                                << QColor(QRgb(0x0000B4)) << QColor(QRgb(0x0000A0))
                                << QColor(QRgb(0xFFFFFF)) << QColor(QRgb(0x000000));
    QTest::newRow("Black-Black") << 5 << QColor(QRgb(0x000000)) << QColor(QRgb(0xC0C0C0))
                                 << QColor(QRgb(0x249AFB)) << QColor(QRgb(0x000080))
                                 << QColor(QRgb(0x323232)) << QColor(QRgb(0x969696));
}

void TestSchematy::stylKolorami() {
    QFETCH(int, schemat);
    const TPaleta p = PaletaSchematu(schemat, QPalette());
    QTEST(p.Tlo, "tlo");
    QTEST(p.KolorTekstu, "tekst");
    QTEST(p.KolorBanera, "baner");
    QTEST(p.KolorWybrany, "wybrany");
    QTEST(p.TloEdycji, "edycja");
    QTEST(p.KolorDialogu, "dialog");
}

namespace {
// A desktop palette of known colours, so that the Windows styles have fixed values too.
QPalette Pulpit() {
    QPalette pulpit;
    pulpit.setColor(QPalette::Button, QColor(QRgb(0xF0F0F0)));
    pulpit.setColor(QPalette::ButtonText, QColor(QRgb(0x102030)));
    pulpit.setColor(QPalette::Base, QColor(QRgb(0xFFFFF0)));
    return pulpit;
}
} // namespace

void TestSchematy::tloWykresuZaleznieOdParzystosci_data() {
    QTest::addColumn<int>("schemat");
    QTest::addColumn<QColor>("wykres");
    QTest::addColumn<QColor>("kursor");
    QTest::addColumn<QColor>("znacznik");
    QTest::addColumn<QColor>("wartosci");
    QTest::addColumn<QColor>("wypelnienie");
    // Value cells: the edit background on white charts, the label background on black ones.
    // Fill: the background lightened by 30 on white charts, the background on black ones.
    const QRgb wartosci[6] = {0xFFFFF0, 0xFAFAFA, 0xFFFFFF, 0xE6E6E6, 0x323232, 0x000000};
    const QRgb wypelnienie[6] = {0xFFFFFF, 0xF0F0F0, 0xF0F0F0, 0xD2D2D2, 0x1E1E1E, 0x000000};
    for (int i = 0; i < 6; ++i)
        QTest::addRow("%d", i) << i << QColor(QRgb(i % 2 ? 0x323232 : 0xF0F0F0))
                               << QColor(QRgb(i % 2 ? 0xFFFFFF : 0xFFFF00))
                               << QColor(QRgb(i % 2 ? 0xD101FE : 0x800080)) << QColor(wartosci[i])
                               << QColor(wypelnienie[i]);
}

void TestSchematy::tloWykresuZaleznieOdParzystosci() {
    QFETCH(int, schemat);
    const TPaleta p = PaletaSchematu(schemat, Pulpit());
    QTEST(p.TloWykresu, "wykres");
    QTEST(p.KolorKursora, "kursor");
    QTEST(p.KolorZnacznika, "znacznik");
    QTEST(p.TloWartosci, "wartosci");
    QTEST(p.KolorWypelnienia, "wypelnienie");
}

void TestSchematy::windowsBierzeKoloryPulpitu() {
    const TPaleta p = PaletaSchematu(0, Pulpit());
    QCOMPARE(p.Tlo, QColor(QRgb(0xF0F0F0)));
    QCOMPARE(p.TloPodzialu, QColor(QRgb(0xDCDCDC)));
    QCOMPARE(p.TloEtykiet, QColor(QRgb(0xFAFAFA)));
    QCOMPARE(p.KolorTekstu, QColor(QRgb(0x102030)));
    QCOMPARE(p.TloEdycji, QColor(QRgb(0xFFFFF0)));
    QCOMPARE(p.CiemnaKrawedz, QColor(QRgb(0xBEBEBE)));
}

void TestSchematy::rozjasnijObcinaKanaly() {
    QCOMPARE(Rozjasnij(QColor(250, 10, 128), 30), QColor(255, 40, 158));
    QCOMPARE(Rozjasnij(QColor(250, 10, 128), -50), QColor(200, 0, 78));
    // The Black style's button edges lighten black.
    const TPaleta czarny = PaletaSchematu(4, QPalette());
    QCOMPARE(czarny.CiemnaKrawedz, QColor(30, 30, 30));
    QCOMPARE(czarny.JasnaKrawedz, QColor(50, 50, 50));
}

void TestSchematy::numerSpozaZakresuDajeSzaryCzarny() {
    QCOMPARE(Schematy::Ogranicz(6), 3);
    QCOMPARE(Schematy::Ogranicz(-1), 3);
    QCOMPARE(Schematy::Ogranicz(5), 5);
    QCOMPARE(PaletaSchematu(17, QPalette()).Tlo, QColor(QRgb(0xD2D2D2)));
    QCOMPARE(PaletaSchematu(17, QPalette()).TloWykresu, QColor(QRgb(0x323232)));
}

QTEST_MAIN(TestSchematy)
#include "tst_schematy.moc"
