// The stored preferences: defaults, the older key, the round trip and the colour encoding.

#include "Preferencje.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestPreferencje : public QObject {
    Q_OBJECT

private slots:
    void pierwszyStartDajeWartosciDomyslne();
    void zapisIOdczytDajaToSamo();
    void dawnyKluczGdyBrakNowego();
    void nowyKluczMaPierwszenstwo();
    void zapisIdzieZawszeDoSelvar2();
    void zmaksymalizowaneOknoNieZmieniaGranic();
    void wartoscNieliczbowaZostawiaDomyslna();
    void koloryWZapisieWindows();
    void nazwyKolorow();

private:
    std::unique_ptr<QSettings> Nowe() {
        return std::make_unique<QSettings>(
            katalog.filePath(QStringLiteral("p%1.ini").arg(++licznik)), QSettings::IniFormat);
    }
    QTemporaryDir katalog;
    int licznik = 0;
};

void TestPreferencje::pierwszyStartDajeWartosciDomyslne() {
    auto u = Nowe();
    const TPreferencje p = CzytajPreferencje(*u);
    QVERIFY(p.Zrodlo.isEmpty());
    QCOMPARE(p.Comm, 0);
    QCOMPARE(p.ElmComm, 0);
    QCOMPARE(p.Comp, 3);
    QCOMPARE(p.Lang, 1);
    QCOMPARE(p.View, 1);
    QCOMPARE(p.Okno, QRect(0, 0, 800, 600));
    QVERIFY(!p.WState);
    for (const auto& k : p.Kolory)
        QVERIFY(!k);
}

void TestPreferencje::zapisIOdczytDajaToSamo() {
    auto u = Nowe();
    TPreferencje p;
    p.Comm = 33;
    p.ElmComm = 1025;
    p.Comp = 5;
    p.Lang = 2;
    p.View = 0;
    p.Okno = QRect(12, 34, 1024, 700);
    p.WState = 0;
    p.Kolory[0] = 0x123456;
    p.Kolory[35] = 0xFF0080;
    ZapiszPreferencje(*u, p, true);
    const TPreferencje q = CzytajPreferencje(*u);
    QCOMPARE(q.Zrodlo, QStringLiteral("Selvar2"));
    QCOMPARE(q.Comm, 33);
    QCOMPARE(q.ElmComm, 1025);
    QCOMPARE(q.Comp, 5);
    QCOMPARE(q.Lang, 2);
    QCOMPARE(q.View, 0);
    QCOMPARE(q.Okno, QRect(12, 34, 1024, 700));
    QCOMPARE(q.WState, std::optional<int>(0));
    QCOMPARE(q.Kolory[0], std::optional<std::uint32_t>(0x123456));
    QCOMPARE(q.Kolory[35], std::optional<std::uint32_t>(0xFF0080));
    QVERIFY(!q.Kolory[1]);
}

void TestPreferencje::dawnyKluczGdyBrakNowego() {
    auto u = Nowe();
    u->setValue(QStringLiteral("Karvel/Comm"), 7);
    u->setValue(QStringLiteral("Karvel/Lang"), 0);
    u->setValue(QStringLiteral("Karvel/WWidth"), 900);
    const TPreferencje p = CzytajPreferencje(*u);
    QCOMPARE(p.Zrodlo, QStringLiteral("Karvel"));
    QCOMPARE(p.Comm, 7);
    QCOMPARE(p.Lang, 0);
    QCOMPARE(p.Okno, QRect(0, 0, 900, 600));
}

void TestPreferencje::nowyKluczMaPierwszenstwo() {
    auto u = Nowe();
    u->setValue(QStringLiteral("Karvel/Comm"), 7);
    u->setValue(QStringLiteral("Selvar2/Lang"), 3);
    const TPreferencje p = CzytajPreferencje(*u);
    QCOMPARE(p.Zrodlo, QStringLiteral("Selvar2"));
    QCOMPARE(p.Comm, 0);
    QCOMPARE(p.Lang, 3);
}

void TestPreferencje::zapisIdzieZawszeDoSelvar2() {
    auto u = Nowe();
    u->setValue(QStringLiteral("Karvel/Comm"), 7);
    ZapiszPreferencje(*u, CzytajPreferencje(*u), true);
    QCOMPARE(u->value(QStringLiteral("Selvar2/Comm")).toInt(), 7);
    QCOMPARE(u->value(QStringLiteral("Karvel/Comm")).toInt(), 7);
}

void TestPreferencje::zmaksymalizowaneOknoNieZmieniaGranic() {
    auto u = Nowe();
    TPreferencje p;
    p.Okno = QRect(5, 6, 700, 500);
    ZapiszPreferencje(*u, p, true);
    p.Okno = QRect(0, 0, 1920, 1080);
    p.WState = 2;
    ZapiszPreferencje(*u, p, false);
    const TPreferencje q = CzytajPreferencje(*u);
    QCOMPARE(q.Okno, QRect(5, 6, 700, 500));
    QCOMPARE(q.WState, std::optional<int>(2));
}

void TestPreferencje::wartoscNieliczbowaZostawiaDomyslna() {
    auto u = Nowe();
    u->setValue(QStringLiteral("Selvar2/Comp"), QStringLiteral("blue"));
    u->setValue(QStringLiteral("Selvar2/Color1400"), QStringLiteral("x"));
    const TPreferencje p = CzytajPreferencje(*u);
    QCOMPARE(p.Comp, 3);
    QVERIFY(!p.Kolory[0]);
}

void TestPreferencje::koloryWZapisieWindows() {
    // 0x00BBGGRR, as the older program stored its colours.
    QCOMPARE(KolorZapisany(0x123456), 0x563412u);
    QCOMPARE(KolorOdczytany(0x563412), 0x123456u);
    auto u = Nowe();
    u->setValue(QStringLiteral("Selvar2/Color1402"), 0x0000FF);
    QCOMPARE(CzytajPreferencje(*u).Kolory[1], std::optional<std::uint32_t>(0xFF0000));
}

void TestPreferencje::nazwyKolorow() {
    const auto& n = NazwyKolorow();
    QCOMPARE(n[0], QStringLiteral("Color1400"));
    QCOMPARE(n[7], QStringLiteral("Color1418"));
    // The OBD lambda traces take 1462 and 1464 rather than their text ids.
    QCOMPARE(n[18], QStringLiteral("Color1462"));
    QCOMPARE(n[19], QStringLiteral("Color1464"));
    QCOMPARE(n[20], QStringLiteral("Color1501"));
    QCOMPARE(n[21], QStringLiteral("Color1601"));
    QCOMPARE(n[35], QStringLiteral("Color1608"));
}

QTEST_MAIN(TestPreferencje)
#include "tst_preferencje.moc"
