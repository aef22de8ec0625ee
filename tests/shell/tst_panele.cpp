// The live panels of the right column, the trace list and the parameter table dialog.

#include "ListaWykresow.h"
#include "OknoTestowe.h"
#include "SiatkaParametrow.h"

#include <QTableWidget>
#include <QToolButton>

namespace {

TRamka Biezaca() {
    return TRamka(92);
}

// The row of the parameter grid whose name is the text.
int Wiersz(TSiatkaParametrow* s, const QString& nazwa) {
    for (int w = 0; w < s->rowCount(); ++w)
        if (s->Nazwa(w) == nazwa) return w;
    return -1;
}

QPoint Srodek(QTableWidget* s, int wiersz, int kolumna) {
    return s->visualRect(s->model()->index(wiersz, kolumna)).center();
}

} // namespace

class TestPanele : public QObject {
    Q_OBJECT

private slots:
    void wartosciWSiatceParametrow();
    void czasyWtryskuDwaMiejsca();
    void kanalBezWtryskiwaczaGazuBezPola();
    void klikPrzelaczaWtryskiwacze_data();
    void klikPrzelaczaWtryskiwacze();
    void klikPozaKolumnaNicNieRobi();
    void zwijanieSiatkiCzasow();
    void listaWykresowPrzelaczaRysowanie();
    void listaWykresowKolor();
    void tabelaParametrowWybieraIOdswieza();

private:
    static void Angielski(QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }
    static void Zaawansowany(QSettings& u) {
        Angielski(u);
        u.setValue(QStringLiteral("Selvar2/View"), 2);
    }
};

void TestPanele::wartosciWSiatceParametrow() {
    TOknoTestowe t(Angielski);
    auto* siatka = t.W<TSiatkaParametrow>("StringGridParametry");
    // The traces with view bit 32: revolutions, vacuum, gas pressure, the two temperatures
    // and the supply voltage.
    QCOMPARE(siatka->rowCount(), 6);
    const int obroty = Wiersz(siatka, QStringLiteral("RPM"));
    const int zasilanie = Wiersz(siatka, t.okno->PodajTekst(1433));
    QVERIFY(obroty >= 0 && zasilanie >= 0);
    QCOMPARE(siatka->Jednostka(obroty), QStringLiteral("[rpm]"));
    QVERIFY(t.Odbierz(0x90, Biezaca()(17, 85)(52, 0xF0)(53, 0x0A).dane));
    QCOMPARE(siatka->item(obroty, 1)->text(), QStringLiteral("850"));
    QCOMPARE(siatka->item(zasilanie, 1)->text(), QStringLiteral("14.00"));
    // A value that did not change is not written again.
    siatka->item(obroty, 1)->setText(QStringLiteral("x"));
    QVERIFY(t.Odbierz(0x90, Biezaca()(17, 85)(52, 0xF0)(53, 0x0A).dane));
    QCOMPARE(siatka->item(obroty, 1)->text(), QStringLiteral("x"));
    QVERIFY(siatka->height() > 0 && siatka->rowHeight(0) >= 18);
}

void TestPanele::czasyWtryskuDwaMiejsca() {
    TOknoTestowe t(Angielski);
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, 4)));
    auto* czasy = t.W<QTableWidget>("StringGridCzasyWtr");
    QCOMPARE(czasy->rowCount(), 4);
    // 500 x 0.004 ms and 625 x 0.004 ms on channel 1; channel 4 at 1 unit.
    QVERIFY(t.Odbierz(0x90, Biezaca()(60, 0xF4)(61, 0x01)(62, 0x71)(63, 0x02)(72, 1).dane));
    QCOMPARE(czasy->item(0, 1)->text(), QStringLiteral("2.00"));
    QCOMPARE(czasy->item(0, 3)->text(), QStringLiteral("2.50"));
    QCOMPARE(czasy->item(3, 1)->text(), QStringLiteral("0.00"));
    QCOMPARE(czasy->item(3, 3)->text(), QStringLiteral("0.00"));
}

void TestPanele::kanalBezWtryskiwaczaGazuBezPola() {
    TOknoTestowe t(Angielski);
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, 4)));
    t.s().Nastawy[32] = 0x01;
    t.s().Nastawy[33] = 0x00;
    auto* czasy = t.W<QTableWidget>("StringGridCzasyWtr");
    czasy->viewport()->update();
    const QImage obraz = czasy->viewport()->grab().toImage();
    const QRect pole0 = czasy->visualRect(czasy->model()->index(0, 2));
    const QRect pole1 = czasy->visualRect(czasy->model()->index(1, 2));
    // Inside the tick box: the edit background; the empty channel shows the label background.
    const QPoint wPolu(pole0.right() - 5, pole0.center().y() + 4);
    // The default Grey-Black scheme: edit background #FFFFFF, label background #E6E6E6.
    QCOMPARE(obraz.pixelColor(wPolu), QColor(QRgb(0xFFFFFF)));
    QCOMPARE(obraz.pixelColor(QPoint(pole1.right() - 10, pole1.center().y())),
             QColor(QRgb(0xE6E6E6)));
    QCOMPARE(obraz.pixelColor(QPoint(pole1.left() + 2, pole1.center().y())),
             QColor(QRgb(0xE6E6E6)));
}

void TestPanele::klikPrzelaczaWtryskiwacze_data() {
    QTest::addColumn<int>("typ");
    QTest::addColumn<int>("kanal");
    QTest::addColumn<int>("wylaczone");
    QTest::addColumn<int>("maska");
    QTest::newRow("type 0, channel 3") << 0 << 2 << 0x00 << 0xFB;
    QTest::newRow("type 1, channel 3: 1, 3, 5, 7") << 1 << 2 << 0x00 << 0xAA;
    QTest::newRow("type 1, channel 2: 2, 4, 6, 8") << 1 << 1 << 0x00 << 0x55;
    QTest::newRow("type 2, all") << 2 << 0 << 0x00 << 0x00;
    QTest::newRow("type 0, injector 4 stays off") << 0 << 0 << 0x08 << 0xF6;
}

void TestPanele::klikPrzelaczaWtryskiwacze() {
    QFETCH(int, typ);
    QFETCH(int, kanal);
    QFETCH(int, wylaczone);
    TOknoTestowe t(Angielski);
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, 8)));
    t.s().Nastawy[56] = static_cast<unsigned char>(typ);
    t.s().Nastawy[31] = static_cast<unsigned char>(wylaczone);
    t.s().MaskaWtryskiwaczy = 0xFF;
    t.s().ZmianaWtryskiwaczy = 0;
    auto* czasy = t.W<QTableWidget>("StringGridCzasyWtr");
    QTest::mouseClick(czasy->viewport(), Qt::LeftButton, {}, Srodek(czasy, kanal, 2));
    QTEST(int(t.s().MaskaWtryskiwaczy), "maska");
    QCOMPARE(int(t.s().ZmianaWtryskiwaczy), 1);
}

void TestPanele::klikPozaKolumnaNicNieRobi() {
    TOknoTestowe t(Angielski);
    t.s().MaskaWtryskiwaczy = 0xFF;
    auto* czasy = t.W<QTableWidget>("StringGridCzasyWtr");
    for (int k : {0, 1, 3})
        QTest::mouseClick(czasy->viewport(), Qt::LeftButton, {}, Srodek(czasy, 0, k));
    QCOMPARE(int(t.s().MaskaWtryskiwaczy), 0xFF);
    QCOMPARE(int(t.s().ZmianaWtryskiwaczy), 0);
}

void TestPanele::zwijanieSiatkiCzasow() {
    TOknoTestowe t(Zaawansowany);
    QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, 6)));
    auto* czasy = t.W<QTableWidget>("StringGridCzasyWtr");
    auto* zwin = t.W<QToolButton>("SpeedButton10");
    QVERIFY(zwin->isVisible());
    QCOMPARE(czasy->rowCount(), 6);
    t.Klik(QStringLiteral("SpeedButton10"));
    QCOMPARE(czasy->rowCount(), 1);
    QCOMPARE(zwin->text(), QStringLiteral("+"));
    QVERIFY(t.Odbierz(0x90, Biezaca()(60, 0xF4)(61, 0x01).dane));
    QCOMPARE(czasy->item(0, 1)->text(), QStringLiteral("2.00"));
    t.Klik(QStringLiteral("SpeedButton10"));
    QCOMPARE(czasy->rowCount(), 6);
    QCOMPARE(zwin->text(), QStringLiteral("-"));
    // The basic and full views always show the whole grid.
    t.Klik(QStringLiteral("SpeedButton10"));
    t.okno->findChild<QAction*>(QStringLiteral("MenuView1"))->trigger();
    QCOMPARE(czasy->rowCount(), 6);
    QVERIFY(!zwin->isVisible());
}

void TestPanele::listaWykresowPrzelaczaRysowanie() {
    TOknoTestowe t(Zaawansowany);
    t.Klawisz(Qt::Key_F5);
    t.Klawisz(Qt::Key_L);
    auto* lista = t.W<TListaWykresow>("StringGrid1");
    QVERIFY(lista->isVisible());
    // Traces with view bit 1 before any identity: 1, 3..7, 9..20 and the 16 injection times.
    QCOMPARE(lista->rowCount(), 34);
    const int i = lista->Wykres(2);
    QCOMPARE(i, 4);
    const int przed = t.s().Wykresy[std::size_t(i)].Widoki & 16;
    QCOMPARE(lista->item(2, 2)->text(), QStringLiteral(" Gas pressure"));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, Srodek(lista, 2, 2));
    QCOMPARE(t.s().Wykresy[std::size_t(i)].Widoki & 16, przed ^ 16);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, Srodek(lista, 2, 1));
    QCOMPARE(t.s().Wykresy[std::size_t(i)].Widoki & 16, przed);
}

void TestPanele::listaWykresowKolor() {
    TOknoTestowe t(Zaawansowany);
    t.Klawisz(Qt::Key_F5);
    t.Klawisz(Qt::Key_L);
    auto* lista = t.W<TListaWykresow>("StringGrid1");
    int pytania = 0;
    lista->WybierzKolor = [&pytania](const QColor&) {
        ++pytania;
        return QColor(0x12, 0x34, 0x56);
    };
    const int i = lista->Wykres(0);
    TWykres& w = t.s().Wykresy[std::size_t(i)];
    w.Widoki |= 16;
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, Srodek(lista, 0, 0));
    QCOMPARE(pytania, 1);
    QCOMPARE(w.Kolor, TKolor{0x123456});
    // A trace that is not drawn: the colour cell switches it on instead.
    w.Widoki &= ~16;
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, Srodek(lista, 0, 0));
    QCOMPARE(pytania, 1);
    QVERIFY(w.Widoki & 16);
}

void TestPanele::tabelaParametrowWybieraIOdswieza() {
    TOknoTestowe t(Zaawansowany);
    auto* siatka = t.W<TSiatkaParametrow>("StringGridParametry");
    const QByteArray ramka = Biezaca()(17, 85).dane;
    QVERIFY(t.Odbierz(0x90, ramka));
    const int wiersze = siatka->rowCount();
    QVERIFY(t.W("SpeedButton9")->isVisible());
    bool otwarta = false;
    QTimer::singleShot(0, [&] {
        auto* forma = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!forma) return;
        otwarta = forma->windowTitle() == QStringLiteral("SELVAR - ") + t.okno->PodajTekst(1230);
        auto* tabela = forma->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
        // The first offered row is the revolutions, shown: a click takes it off the grid.
        QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, Srodek(tabela, 0, 1));
        forma->accept();
    });
    t.Klik(QStringLiteral("SpeedButton9"));
    QVERIFY(otwarta);
    QCOMPARE(siatka->rowCount(), wiersze - 1);
    for (int w = 0; w < siatka->rowCount(); ++w)
        QVERIFY(siatka->item(w, 1)->text().isEmpty());
    // The same frame again writes every value.
    QVERIFY(t.Odbierz(0x90, ramka));
    for (int w = 0; w < siatka->rowCount(); ++w)
        QVERIFY(!siatka->item(w, 1)->text().isEmpty());
}

QTEST_MAIN(TestPanele)
#include "tst_panele.moc"
