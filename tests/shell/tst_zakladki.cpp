// Every main tab and sub-tab through the real widgets: what shows, what the command bar
// carries (caption, colour, tag), and what the commands do.

#include "OknoTestowe.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TObd.h"
#include "TScope.h"

#include <QPushButton>
#include <QToolButton>

namespace {

// One command button as a tab sets it, with its English caption; no caption: hidden.
struct TKomenda {
    TKomenda() = default;
    TKomenda(const char* n, int t, const QColor& k = {}) : napis(n), tag(t), kolor(k) {}
    QString napis;
    int tag = 0;
    QColor kolor; // invalid: the selected colour
};
using TPasek = std::array<TKomenda, 4>;

// The caption colour of the selected tab and command in the default Grey schemes.
const QColor Wybrany(QRgb(0x0000A0));
// Red and green captions darkened just enough to read on the Grey buttons (#F0F0F0, L 0.8714,
// so L <= 0.1548): red 221 (L 0.1537; 222 has 0.1553) and green 128 (L 0.1544; 129 has 0.1570).
const QColor Czerwony(0xDD0000u), Zielony(0x008000u);

QColor Systemowy() {
    return QApplication::palette().color(QPalette::WindowText);
}

} // namespace

Q_DECLARE_METATYPE(TPasek)

class TestZakladki : public QObject {
    Q_OBJECT

private slots:
    void zakladkaGlowna_data();
    void zakladkaGlowna();
    void podzakladkaMapy_data();
    void podzakladkaMapy();
    void korektyObrotowWWidokuPodstawowym();
    void drugiRzadMapPoOdblokowaniu();
    void podzakladkaObd_data();
    void podzakladkaObd();
    void bledyCzyPidy();
    void kolorWybranejZakladki();
    void kasowanieMapyBenzynyNaNieNicNieKasuje();
    void kasowanieMapyBenzynyNaTak();
    void fabryczneTylkoPoPotwierdzeniu();
    void jednorazoweRozkazyDiagnostyki_data();
    void jednorazoweRozkazyDiagnostyki();
    void przyciskiObdDoCzytnika();
    void narzedziaMapBankowIOsi();

private:
    static QString Lista(const QStringList& l) { return l.join(QLatin1Char(',')); }
    void SprawdzPasek(TOknoTestowe& t, const TPasek& pasek);
    void SprawdzWidoczne(TOknoTestowe& t, const QString& widoczne, const QString& ukryte);
    // An English window whose controller has two banks, four channels and an OBD module.
    static void Angielski(QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }
    static void Podlacz(TOknoTestowe& t) {
        t.s().ModulObd = true;
        QVERIFY(t.Odbierz(0x81, Tozsamosc(2, 3, 4)));
    }
};

void TestZakladki::SprawdzPasek(TOknoTestowe& t, const TPasek& pasek) {
    for (int i = 0; i < 4; ++i) {
        auto* b = t.W<QPushButton>(QStringLiteral("Btn5%1").arg(i + 1));
        const TKomenda& k = pasek[std::size_t(i)];
        QVERIFY2(b->isVisible() == !k.napis.isEmpty(), qPrintable(b->objectName()));
        if (k.napis.isEmpty()) continue;
        QCOMPARE(b->text(), k.napis);
        QCOMPARE(b->property("Tag").toInt(), k.tag);
        QCOMPARE(b->palette().color(QPalette::ButtonText), k.kolor.isValid() ? k.kolor : Wybrany);
        QVERIFY(b->width() > 0);
    }
}

void TestZakladki::SprawdzWidoczne(TOknoTestowe& t, const QString& widoczne,
                                   const QString& ukryte) {
    for (const QString& n : widoczne.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QWidget* w = t.W(n);
        QVERIFY2(w && w->isVisible(), qPrintable(n + QStringLiteral(" should show")));
    }
    for (const QString& n : ukryte.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QWidget* w = t.W(n);
        QVERIFY2(w && !w->isVisible(), qPrintable(n + QStringLiteral(" should be hidden")));
    }
}

void TestZakladki::zakladkaGlowna_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("widoczne");
    QTest::addColumn<QString>("ukryte");
    QTest::addColumn<TPasek>("pasek");
    const QColor w; // the selected colour
    QTest::newRow("0 settings") << 0 << "Nastawy1"
                                << "Grafika1,Scope1,PanelLeft,PanelTopTab2,PanelTopTab3,"
                                   "PanelNasInfoObd,PanelBledy,Panel80,Panel50"
                                << TPasek{{{}, {}, {}, {"Factory settings", 101, w}}};
    QTest::newRow("1 calibration")
        << 1 << "Nastawy1,Scope1,PanelNasInfoObd"
        << "Grafika1,PanelLeft,PanelTopTab2,PanelTopTab3,PanelBledy,PanelInfo,Panel80,Panel50"
        << TPasek{{{}, {}, {}, {"Start  [Enter]", 201, w}}};
    QTest::newRow("2 map") << 2 << "Grafika1,PanelTopTab2,Panel80,Nastawy1"
                           << "Scope1,PanelLeft,PanelTopTab3,PanelBledy,Panel50,SpeedButton21"
                           << TPasek{{{"Erase petrol map", 311, Czerwony},
                                      {"Erase gas map", 312, Zielony},
                                      {"Erase adjustments", 313, QColor(0x800080u)},
                                      {"Propose correction", 314, Systemowy()}}};
    QTest::newRow("3 diagnostics")
        << 3 << "PanelBledy,PanelInfo,PanelNasInfoObd,RichEditBledy,RichEditInfo"
        << "Nastawy1,Grafika1,Scope1,PanelLeft,PanelTopTab2,PanelTopTab3,PanelObd,Panel80"
        << TPasek{{{"Speaker test", 402, Systemowy()},
                   {"Leak test", 403, Systemowy()},
                   {},
                   {"Clear errors", 401, w}}};
    QTest::newRow("4 oscilloscope")
        << 4 << "Scope1,Panel50"
        << "Nastawy1,Grafika1,PanelLeft,PanelNasInfoObd,PanelBledy,Panel80,PanelTopTab2"
        << TPasek{};
    QTest::newRow("5 OBD")
        << 5 << "PanelTopTab3,PanelObd,StringGridElm,PanelObdTab,RichEditDtc"
        << "Nastawy1,Grafika1,Scope1,PanelLeft,PanelTopTab2,StringGridPid,PanelBledy,Panel80"
        << TPasek{{{"Read errors", 391, Systemowy()},
                   {"Clear OBD errors", 392, Systemowy()},
                   {},
                   {"Connect", 390, Systemowy()}}};
}

void TestZakladki::zakladkaGlowna() {
    QFETCH(int, tag);
    QFETCH(QString, widoczne);
    QFETCH(QString, ukryte);
    QFETCH(TPasek, pasek);
    TOknoTestowe t(Angielski);
    t.Klik(QStringLiteral("SpeedButton%1").arg(tag + 1));
    QCOMPARE(t.okno->ZakladkaGlowna, tag);
    SprawdzWidoczne(t, widoczne, ukryte);
    SprawdzPasek(t, pasek);
}

void TestZakladki::podzakladkaMapy_data() {
    QTest::addColumn<int>("przycisk");
    QTest::addColumn<int>("tryb");
    QTest::addColumn<QString>("widoczne");
    QTest::addColumn<QString>("ukryte");
    QTest::addColumn<TPasek>("pasek");
    const QColor czerwony = Czerwony, zielony = Zielony, fiolet(0x800080u), w;
    QTest::newRow("corrections 2D") << 11 << 0 << "Nastawy1,PanelNasInfoObd,Panel80,Panel82"
                                    << "Panel81,Panel83"
                                    << TPasek{{{"Erase petrol map", 311, czerwony},
                                               {"Erase gas map", 312, zielony},
                                               {"Erase adjustments", 313, fiolet},
                                               {"Propose correction", 314, Systemowy()}}};
    QTest::newRow("RPM corrections") << 12 << 1 << "Panel80,Panel81,Panel82,Panel83,SpeedButton90"
                                     << "Nastawy1,PanelNasInfoObd"
                                     << TPasek{{{"Erase petrol map", 321, czerwony},
                                                {"Erase gas map", 322, zielony},
                                                {"Clear corrections", 323, w},
                                                {}}};
    for (int i = 13; i <= 15; ++i)
        QTest::addRow("curve %d", i - 11)
            << i << i - 11 << "Grafika1"
            << "Nastawy1,PanelNasInfoObd,Panel80"
            << TPasek{{{"Clear corrections", 331, fiolet}, {}, {}, {}}};
}

void TestZakladki::podzakladkaMapy() {
    QFETCH(int, przycisk);
    QFETCH(int, tryb);
    QFETCH(QString, widoczne);
    QFETCH(QString, ukryte);
    QFETCH(TPasek, pasek);
    TOknoTestowe t(Angielski);
    Podlacz(t);
    t.Klik(QStringLiteral("SpeedButton3"));
    t.Klik(QStringLiteral("SpeedButton%1").arg(przycisk));
    QCOMPARE(t.okno->ZakladkaMapy, tryb);
    QCOMPARE(t.okno->Grafika().TrybMapy, tryb);
    QVERIFY(t.okno->Grafika().isVisible());
    SprawdzWidoczne(t, widoczne, ukryte);
    SprawdzPasek(t, pasek);
    if (tryb == 0) {
        QCOMPARE(t.okno->Nastawy().parentWidget(), t.W("PanelNasInfoObd"));
        QCOMPARE(t.okno->Nastawy().Strona, 20);
        QCOMPARE(t.W("PanelNasInfoObd")->height(), 80);
    }
    // The pressed sub-tab in the selected colour, the others plain.
    QCOMPARE(t.W<QToolButton>(QStringLiteral("SpeedButton%1").arg(przycisk))
                 ->palette()
                 .color(QPalette::ButtonText),
             Wybrany);
    QCOMPARE(t.W<QToolButton>(przycisk == 11 ? "SpeedButton12" : "SpeedButton11")
                 ->palette()
                 .color(QPalette::ButtonText),
             Systemowy());
}

void TestZakladki::korektyObrotowWWidokuPodstawowym() {
    TOknoTestowe t([](QSettings& u) {
        Angielski(u);
        u.setValue(QStringLiteral("Selvar2/View"), 0);
    });
    t.Klik(QStringLiteral("SpeedButton3"));
    t.Klik(QStringLiteral("SpeedButton12"));
    SprawdzPasek(t, TPasek{{{"Clear corrections", 323, {}}, {}, {}, {}}});
    // Basic view: the petrol/gas row is not in use.
    QVERIFY(!t.W("Panel81")->isVisible());
}

void TestZakladki::drugiRzadMapPoOdblokowaniu() {
    TOpcjeOkna opcje;
    opcje.Deweloper = true;
    TOknoTestowe t(Angielski, opcje);
    t.Klik(QStringLiteral("SpeedButton3"));
    QCOMPARE(t.W("PanelTopTab2")->height(), 25);
    t.Klawisz(Qt::Key_Q);
    QCOMPARE(t.okno->TrybSerwisowy, 3);
    QCOMPARE(t.W("PanelTopTab2")->height(), 50);
    QVERIFY(t.W("SpeedButton21")->isVisible());
    t.Klik(QStringLiteral("SpeedButton21"));
    QCOMPARE(t.okno->Grafika().TrybMapy, 6);
    SprawdzPasek(t, TPasek{{{"Clear corrections", 361, QColor(0x800080u)}, {}, {}, {}}});
    t.Klik(QStringLiteral("SpeedButton22"));
    QCOMPARE(t.okno->Grafika().TrybMapy, 7);
    SprawdzPasek(t, TPasek{{{"Clear corrections", 371, QColor(0x800080u)}, {}, {}, {}}});
    QVERIFY(!t.W("SpeedButton16")->isVisible());
    QVERIFY(!t.W("SpeedButton23")->isVisible());
}

void TestZakladki::podzakladkaObd_data() {
    QTest::addColumn<int>("przycisk");
    QTest::addColumn<QString>("widoczne");
    QTest::addColumn<QString>("ukryte");
    QTest::addColumn<TPasek>("pasek");
    const QColor s = Systemowy();
    QTest::newRow("ELM")
        << 31 << "StringGridElm,PanelObdTab,RichEditDtc"
        << "Nastawy1,Grafika1,Panel80"
        << TPasek{{{"Read errors", 391, s}, {"Clear OBD errors", 392, s}, {}, {"Connect", 390, s}}};
    QTest::newRow("OBD module")
        << 32 << "RichEditDtc,Nastawy1"
        << "StringGridElm,StringGridPid,PanelObdTab,Grafika1,Panel80"
        << TPasek{{{"Read errors", 393, s}, {"Clear OBD errors", 394, s}, {}, {}}};
    QTest::newRow("device") << 33 << "RichEditDtc,Nastawy1"
                            << "StringGridElm,StringGridPid,PanelObdTab,Grafika1"
                            << TPasek{
                                   {{"Read errors", 395, s}, {"Clear OBD errors", 396, s}, {}, {}}};
    QTest::newRow("OBD maps") << 34 << "Grafika1,Panel80"
                              << "Nastawy1,PanelNasInfoObd"
                              << TPasek{{{"Erase petrol map", 324, Czerwony},
                                         {"Erase gas map", 325, Zielony},
                                         {"Clear corrections", 323, {}},
                                         {}}};
}

void TestZakladki::podzakladkaObd() {
    QFETCH(int, przycisk);
    QFETCH(QString, widoczne);
    QFETCH(QString, ukryte);
    QFETCH(TPasek, pasek);
    TOknoTestowe t(Angielski);
    Podlacz(t);
    t.Klik(QStringLiteral("SpeedButton6"));
    t.Klik(QStringLiteral("SpeedButton%1").arg(przycisk));
    QCOMPARE(t.okno->ZakladkaObd, przycisk - 31);
    SprawdzWidoczne(t, widoczne, ukryte);
    SprawdzPasek(t, pasek);
    if (przycisk == 32 || przycisk == 33)
        QCOMPARE(t.okno->Nastawy().Strona, przycisk == 32 ? 50 : 51);
    if (przycisk == 34) QCOMPARE(t.okno->Grafika().TrybMapy, 5);
}

void TestZakladki::bledyCzyPidy() {
    TOknoTestowe t(Angielski);
    t.Klik(QStringLiteral("SpeedButton6"));
    t.Klik(QStringLiteral("SpeedButton42"));
    QVERIFY(t.W("StringGridPid")->isVisible());
    QVERIFY(!t.W("RichEditDtc")->isVisible());
    QCOMPARE(t.W<QToolButton>("SpeedButton42")->palette().color(QPalette::ButtonText), Wybrany);
    t.Klik(QStringLiteral("SpeedButton41"));
    QVERIFY(!t.W("StringGridPid")->isVisible());
    QVERIFY(t.W("RichEditDtc")->isVisible());
    // The codes panel is hidden again on any other tab.
    t.Klik(QStringLiteral("SpeedButton1"));
    QVERIFY(!t.W("RichEditDtc")->isVisible());
}

void TestZakladki::kolorWybranejZakladki() {
    TOknoTestowe t(Angielski);
    t.Klik(QStringLiteral("SpeedButton5"));
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(t.W<QToolButton>(QStringLiteral("SpeedButton%1").arg(i))
                     ->palette()
                     .color(QPalette::ButtonText),
                 i == 5 ? Wybrany : Systemowy());
    // A caption too wide for its button wraps before the key.
    QCOMPARE(t.W<QToolButton>("SpeedButton5")->text().replace(QLatin1Char('\n'), QLatin1Char(' ')),
             QStringLiteral("Oscilloscope [F5]"));
}

void TestZakladki::kasowanieMapyBenzynyNaNieNicNieKasuje() {
    TOknoTestowe t(Angielski);
    t.Klik(QStringLiteral("SpeedButton3"));
    t.s().MapaEcuBen[17] = 99;
    TOdpowiedz nie(QMessageBox::No);
    t.Klik(QStringLiteral("Btn51"));
    QVERIFY(nie.pokazano);
    QCOMPARE(nie.tekst, QStringLiteral("Erase the petrol map?"));
    QCOMPARE(t.s().MapaEcuBen[17], 99);
}

void TestZakladki::kasowanieMapyBenzynyNaTak() {
    TOknoTestowe t(Angielski);
    t.Klik(QStringLiteral("SpeedButton3"));
    t.s().MapaEcuBen[17] = 99;
    t.s().MapaEcuBen[16 * 4 + 7] = 50;
    auto* wykres = t.W<TGrafika>("Grafika1");
    // Petrol-red scatter below the legend.
    const auto benzyna = [wykres] {
        int n = 0;
        const QImage& o = wykres->Obraz();
        for (int y = 130; y < o.height() - 40; ++y)
            for (int x = 40; x < o.width() - 80; ++x)
                n += o.pixelColor(x, y) == QColor(255, 0, 0);
        return n;
    };
    wykres->Rysuj();
    QVERIFY(benzyna() > 0);
    TOdpowiedz tak(QMessageBox::Yes);
    t.Klik(QStringLiteral("Btn51"));
    QVERIFY(tak.pokazano);
    QCOMPARE(t.s().MapaEcuBen[17], 0);
    QCOMPARE(benzyna(), 0);
}

void TestZakladki::fabryczneTylkoPoPotwierdzeniu() {
    TOknoTestowe t(Angielski);
    t.s().Nastawy[50] = 1;
    {
        TOdpowiedz nie(QMessageBox::No);
        t.Klik(QStringLiteral("Btn54"));
        QCOMPARE(nie.tekst, QStringLiteral("Restore factory settings?"));
    }
    QCOMPARE(t.s().Nastawy[50], 1);
    TOdpowiedz tak(QMessageBox::Yes);
    t.Klik(QStringLiteral("Btn54"));
    QVERIFY(tak.pokazano);
    QCOMPARE(t.s().Nastawy[50], t.s().ListaNastaw[50].Domyslna);
}

void TestZakladki::jednorazoweRozkazyDiagnostyki_data() {
    QTest::addColumn<QString>("przycisk");
    QTest::addColumn<bool>("tak");
    QTest::addColumn<int>("flaga");
    QTest::newRow("clear errors, Yes") << "Btn54" << true << 0;
    QTest::newRow("clear errors, No") << "Btn54" << false << -1;
    QTest::newRow("speaker test") << "Btn51" << true << 1;
    QTest::newRow("leak test") << "Btn52" << true << 2;
}

void TestZakladki::jednorazoweRozkazyDiagnostyki() {
    QFETCH(QString, przycisk);
    QFETCH(bool, tak);
    QFETCH(int, flaga);
    TOknoTestowe t(Angielski);
    t.s().Rozkazy = 0;
    t.Klik(QStringLiteral("SpeedButton4"));
    // Entering the tab asks for the errors at once.
    QVERIFY(t.s().Rozkazy & TSterownik::RozkazBledy);
    TOdpowiedz odpowiedz(tak ? QMessageBox::Yes : QMessageBox::No);
    t.Klik(przycisk);
    // Only the erase asks first: the counters are the workshop's evidence.
    QCOMPARE(odpowiedz.pokazano, przycisk == QLatin1String("Btn54"));
    if (odpowiedz.pokazano)
        QCOMPARE(odpowiedz.tekst,
                 QStringLiteral("Clear the controller's errors and stored counters?"));
    const unsigned char flagi[] = {t.s().KasujBledy, t.s().TestGlosnika, t.s().TestSzczelnosci};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(int(flagi[i]), i == flaga ? 1 : 0);
}

void TestZakladki::przyciskiObdDoCzytnika() {
    TOknoTestowe t(Angielski);
    t.Klik(QStringLiteral("SpeedButton6"));
    t.Klik(QStringLiteral("Btn51"));
    QCOMPARE(t.okno->Obd().Stan, 3000);
    TOdpowiedz tak(QMessageBox::Yes);
    t.Klik(QStringLiteral("Btn52"));
    QCOMPARE(t.okno->Obd().Stan, 4000);
}

void TestZakladki::narzedziaMapBankowIOsi() {
    TOknoTestowe t(Angielski);
    Podlacz(t);
    t.s().KorOdObr2[0] = 90;
    t.Klik(QStringLiteral("SpeedButton3"));
    t.Klik(QStringLiteral("SpeedButton12"));
    // The banks differ, so bank 1 is shown, with its copy to bank 2 offered.
    QVERIFY(t.W<QToolButton>("SpeedButton86")->isChecked());
    QCOMPARE(t.W<QToolButton>("SpeedButton88")->text(), QStringLiteral("1 -> 2"));
    t.Klik(QStringLiteral("SpeedButton87"));
    QCOMPARE(t.okno->Grafika().WyborBankuKorekt, 2);
    QCOMPARE(t.W<QToolButton>("SpeedButton88")->text(), QStringLiteral("2 -> 1"));
    t.Klik(QStringLiteral("SpeedButton88"));
    QCOMPARE(t.s().KorOdObr1[0], 90);
    t.s().Nastawy[76] = 0;
    t.s().Nastawy[4] = 2;
    t.Klik(QStringLiteral("SpeedButton85"));
    QVERIFY(!t.W("SpeedButton88")->isVisible());
    t.Klik(QStringLiteral("SpeedButton90"));
    QCOMPARE(t.s().Nastawy[76], 1);
    QCOMPARE(t.W<QToolButton>("SpeedButton90")->text(), QStringLiteral("ms/rpm"));
}

QTEST_MAIN(TestZakladki)
#include "tst_zakladki.moc"
