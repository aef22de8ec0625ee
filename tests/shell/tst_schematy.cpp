// The colour schemes: fixed colours of the Grey and Black styles, the chart background by
// even and odd index, Windows colours derived from the desktop's palette.

#include "Kontrast.h"
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
    void kazdaParaCzytelna_data();
    void kazdaParaCzytelna();
    void naprawioneKoloryCzarnegoISzarego();
    void paletaAplikacjiZeSchematu_data();
    void paletaAplikacjiZeSchematu();
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
    // The selected caption's navy does not read on the dark buttons: mended, see below.
    QTest::newRow("Black-Black") << 5 << QColor(QRgb(0x000000)) << QColor(QRgb(0xC0C0C0))
                                 << QColor(QRgb(0x249AFB)) << QColor() << QColor(QRgb(0x323232))
                                 << QColor(QRgb(0x969696));
}

void TestSchematy::stylKolorami() {
    QFETCH(int, schemat);
    const TPaleta p = PaletaSchematu(schemat, QPalette());
    QTEST(p.Tlo, "tlo");
    QTEST(p.KolorTekstu, "tekst");
    QTEST(p.KolorBanera, "baner");
    QFETCH(QColor, wybrany);
    if (wybrany.isValid()) QCOMPARE(p.KolorWybrany, wybrany);
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

namespace {
// A dark desktop, so that the Windows styles are tried on both kinds of desktop.
QPalette CiemnyPulpit() {
    QPalette pulpit;
    pulpit.setColor(QPalette::Button, QColor(QRgb(0x353535)));
    pulpit.setColor(QPalette::ButtonText, QColor(QRgb(0xE0E0E0)));
    pulpit.setColor(QPalette::Base, QColor(QRgb(0x2A2A2A)));
    pulpit.setColor(QPalette::Text, QColor(QRgb(0xE0E0E0)));
    pulpit.setColor(QPalette::Highlight, QColor(QRgb(0x2A82DA)));
    pulpit.setColor(QPalette::HighlightedText, QColor(Qt::white));
    return pulpit;
}
} // namespace

void TestSchematy::kazdaParaCzytelna_data() {
    QTest::addColumn<int>("schemat");
    QTest::addColumn<bool>("ciemny");
    for (int i = 0; i < Schematy::Liczba; ++i) {
        QTest::addRow("scheme %d", i) << i << false;
        if (i < 2) QTest::addRow("scheme %d, dark desktop", i) << i << true;
    }
}

void TestSchematy::kazdaParaCzytelna() {
    QFETCH(int, schemat);
    QFETCH(bool, ciemny);
    const TPaleta p = PaletaSchematu(schemat, ciemny ? CiemnyPulpit() : Pulpit());
    QCOMPARE(int(Schematy::Pary().size()), 17);
    for (const TParaKolorow& para : Schematy::Pary()) {
        const double k = Kontrast::Stosunek(p.*para.tekst, p.*para.tlo);
        QVERIFY2(k >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                                          .arg(QLatin1String(para.nazwa), (p.*para.tekst).name(),
                                               (p.*para.tlo).name())
                                          .arg(k, 0, 'f', 2)));
    }
}

void TestSchematy::naprawioneKoloryCzarnegoISzarego() {
    const TPaleta czarny = PaletaSchematu(5, QPalette());
    // #3C3C3C on #282828 (1.2:1) is lightened until it reads on the darker button face
    // #323232 as well: L must reach 4.5 x 0.0819 - 0.05 = 0.31853; grey 153 has 0.31855,
    // 152 has 0.3140.
    QCOMPARE(czarny.TekstNieaktywny, QColor(0x99, 0x99, 0x99));
    // Colours that already read stay as they are.
    QCOMPARE(czarny.TekstWyboru, QColor(0x00, 0xD2, 0x00));
    QCOMPARE(czarny.TekstEdytora, QColor(0x00, 0xBE, 0x00));
    QCOMPARE(czarny.KolorGazu, QColor(0x00, 0xA0, 0x00));
    QCOMPARE(czarny.KolorBenzyny, QColor(0xFF, 0x00, 0x00));
    // The green value text on the pink warning box (1.7:1): the box darkens, its hue kept.
    QVERIFY(Kontrast::Luminancja(czarny.KolorOstrzezenia) < 0.05);
    QCOMPARE(czarny.KolorOstrzezenia.hue(), QColor(0xFA, 0xC8, 0xC8).hue());
    // Navy on the dark buttons (1.5:1) lightens, still blue.
    QVERIFY(czarny.KolorWybrany.blue() > czarny.KolorWybrany.red());

    const TPaleta szary = PaletaSchematu(2, QPalette());
    // #AAAAAA on #EBEBEB (1.9:1): grey 106, as worked out in the contrast test.
    QCOMPARE(szary.TekstNieaktywny, QColor(0x6A, 0x6A, 0x6A));
    QCOMPARE(szary.KolorTekstu, QColor(Qt::black));
    // The switching titles on #D2D2D2 (2.3:1 and 2.6:1) darken, keeping green and red.
    QCOMPARE(szary.KolorGazu.red(), 0);
    QVERIFY(szary.KolorGazu.green() < 0xA0);
    QCOMPARE(szary.KolorBenzyny.green(), 0);
    QVERIFY(szary.KolorBenzyny.red() < 0xFF);
}

void TestSchematy::paletaAplikacjiZeSchematu_data() {
    QTest::addColumn<int>("schemat");
    QTest::addColumn<QColor>("okno");
    QTest::addColumn<QColor>("przycisk");
    QTest::addColumn<QColor>("tekst");
    QTest::addColumn<QColor>("pole");
    QTest::addColumn<QColor>("wyrozniony");
    QTest::addColumn<QColor>("wylaczony");
    QTest::newRow("Windows-White")
        << 0 << QColor(QRgb(0xF0F0F0)) << QColor(QRgb(0xF0F0F0)) << QColor(QRgb(0x102030))
        << QColor(QRgb(0xFFFFF0)) << QColor(QPalette().color(QPalette::Highlight))
        << QColor(0x6A, 0x6A, 0x6A);
    QTest::newRow("Grey-White") << 2 << QColor(QRgb(0xD2D2D2)) << QColor(QRgb(0xF0F0F0))
                                << QColor(Qt::black) << QColor(Qt::white) << QColor(QRgb(0x3264BE))
                                << QColor(0x6A, 0x6A, 0x6A);
    QTest::newRow("Black-White") << 4 << QColor(Qt::black) << QColor(QRgb(0x323232))
                                 << QColor(QRgb(0xC0C0C0)) << QColor(QRgb(0x323232))
                                 << QColor(QRgb(0x800000)) << QColor(0x99, 0x99, 0x99);
    QTest::newRow("Black-Black") << 5 << QColor(Qt::black) << QColor(QRgb(0x323232))
                                 << QColor(QRgb(0xC0C0C0)) << QColor(QRgb(0x323232))
                                 << QColor(QRgb(0x800000)) << QColor(0x99, 0x99, 0x99);
}

void TestSchematy::paletaAplikacjiZeSchematu() {
    QFETCH(int, schemat);
    const QPalette a = PaletaAplikacji(PaletaSchematu(schemat, Pulpit()));
    QTEST(a.color(QPalette::Window), "okno");
    QTEST(a.color(QPalette::Button), "przycisk");
    QTEST(a.color(QPalette::ButtonText), "tekst");
    QTEST(a.color(QPalette::WindowText), "tekst");
    QTEST(a.color(QPalette::Text), "tekst");
    QTEST(a.color(QPalette::Base), "pole");
    QTEST(a.color(QPalette::Highlight), "wyrozniony");
    QTEST(a.color(QPalette::Disabled, QPalette::Text), "wylaczony");
    QTEST(a.color(QPalette::Disabled, QPalette::ButtonText), "wylaczony");
    // Inactive windows (dialogs behind a box) look as active ones.
    QCOMPARE(a.color(QPalette::Inactive, QPalette::Button), a.color(QPalette::Button));
    // Alternate rows and tool tips stay on the scheme's side of light and dark.
    const bool ciemny = Kontrast::Ciemny(a.color(QPalette::Window));
    QCOMPARE(Kontrast::Ciemny(a.color(QPalette::AlternateBase)), ciemny);
    QCOMPARE(Kontrast::Ciemny(a.color(QPalette::ToolTipBase)), ciemny);
    QVERIFY(Kontrast::Stosunek(a.color(QPalette::ToolTipText), a.color(QPalette::ToolTipBase)) >=
            4.5);
}

QTEST_MAIN(TestSchematy)
#include "tst_schematy.moc"
