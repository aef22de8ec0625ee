// The port class: numbering and device mapping, the port menu, and FTDI devices through a
// stand-in D2XX library loaded exactly like the vendor's.

#include "KontrolerPty.h"
#include "MapaPortow.h"
#include "MenuPortow.h"
#include "TSerial.h"

#include <QLibrary>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct TMenuTestowe : TMenuPortow {
    struct TPozycja {
        QString opis;
        int tag;
        bool zaznaczona;
    };
    QList<TPozycja> porty;
    void UsunPorty() override { porty.clear(); }
    void DodajPort(const QString& opis, int tag, bool zaznaczony) override {
        porty.append({opis, tag, zaznaczony});
    }
};

struct TPozycjaTestowa : TPozycjaMenu {
    int tag = 0;
    int Tag() const override { return tag; }
    void UstawTag(int t) override { tag = t; }
};

// Control functions of the stand-in library.
struct TAtrapa {
    QLibrary lib{QStringLiteral(ATRAPA_D2XX)};
    void (*Podlacz)(const char*, const char*) = nullptr;
    void (*Wyczysc)() = nullptr;
    void (*Odlacz)(int) = nullptr;
    void (*Podaj)(int, const unsigned char*, int) = nullptr;
    int (*Odbierz)(int, unsigned char*, int) = nullptr;
    void (*Stan)(int, int*) = nullptr;

    TAtrapa() {
        lib.load();
        Podlacz = reinterpret_cast<decltype(Podlacz)>(lib.resolve("AtrapaPodlacz"));
        Wyczysc = reinterpret_cast<decltype(Wyczysc)>(lib.resolve("AtrapaWyczysc"));
        Odlacz = reinterpret_cast<decltype(Odlacz)>(lib.resolve("AtrapaOdlacz"));
        Podaj = reinterpret_cast<decltype(Podaj)>(lib.resolve("AtrapaPodaj"));
        Odbierz = reinterpret_cast<decltype(Odbierz)>(lib.resolve("AtrapaOdbierz"));
        Stan = reinterpret_cast<decltype(Stan)>(lib.resolve("AtrapaStan"));
        Wyczysc();
    }
};

// A port class whose number 5 is a pseudo-terminal the test holds.
struct TPortNaPty {
    TKontrolerPty pty;
    TMapaPortow mapa;
    TSerial port{mapa, QStringLiteral("/nonexistent/lib.so")};
    TPortNaPty() {
        mapa.UstawPrzypisanie(5, pty.Sciezka());
        port.CzasOtwarcia = 0;
    }
};

} // namespace

class TestSerial : public QObject {
    Q_OBJECT

private slots:
    void numbersMapToDeviceFamilies_data() {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QString>("sciezka");
        QTest::newRow("COM1") << 1 << "/dev/ttyS0";
        QTest::newRow("COM32") << 32 << "/dev/ttyS31";
        QTest::newRow("COM33") << 33 << "/dev/ttyUSB0";
        QTest::newRow("COM64") << 64 << "/dev/ttyUSB31";
        QTest::newRow("COM65") << 65 << "/dev/ttyACM0";
        QTest::newRow("COM97") << 97 << "/dev/rfcomm0";
        QTest::newRow("COM128") << 128 << "/dev/rfcomm31";
        QTest::newRow("COM129") << 129 << "";
    }
    void numbersMapToDeviceFamilies() {
        QFETCH(int, numer);
        QFETCH(QString, sciezka);
        TMapaPortow mapa;
        QCOMPARE(mapa.Sciezka(numer), sciezka);
        QCOMPARE(mapa.NumerSciezki(sciezka), sciezka.isEmpty() ? 0 : numer);
    }

    void usbAdapterIsFoundByItsSerialNumber_data() {
        QTest::addColumn<QString>("numer");
        QTest::addColumn<QString>("sciezka");
        QTest::newRow("back under another number") << "FT1234"
                                                   << "/dev/ttyUSB1";
        QTest::newRow("not plugged back") << "FT9999"
                                          << "";
        QTest::newRow("a device without a number") << ""
                                                   << "";
    }
    void usbAdapterIsFoundByItsSerialNumber() {
        QFETCH(QString, numer);
        QFETCH(QString, sciezka);
        const QList<TUrzadzenieSystemowe> systemowe{
            {QStringLiteral("/dev/ttyS0"), QStringLiteral("ttyS0"), QString()},
            {QStringLiteral("/dev/ttyUSB1"), QStringLiteral("ttyUSB1"), QStringLiteral("FT1234")},
            {QStringLiteral("/dev/ttyACM0"), QStringLiteral("ttyACM0"), QStringLiteral("5678")}};
        QCOMPARE(TMapaPortow::SciezkaNumeruSeryjnego(numer, systemowe), sciezka);
    }

    void storedOverrideWinsOverTheFamily() {
        QTemporaryDir katalog;
        QSettings ustawienia(katalog.filePath(QStringLiteral("p.ini")), QSettings::IniFormat);
        ustawienia.setValue(QStringLiteral("Ports/COM33"),
                            QStringLiteral("/dev/serial/by-id/usb-x"));
        ustawienia.setValue(QStringLiteral("Ports/COMx"), QStringLiteral("/dev/null"));
        TMapaPortow mapa;
        mapa.CzytajPreferencje(ustawienia);
        QCOMPARE(mapa.Sciezka(33), QStringLiteral("/dev/serial/by-id/usb-x"));
        QCOMPARE(mapa.NumerSciezki(QStringLiteral("/dev/serial/by-id/usb-x")), 33);
        QCOMPARE(mapa.Sciezka(34), QStringLiteral("/dev/ttyUSB1"));
    }

    void openingStoresTheNumberAndMarksJustOpened() {
        TPortNaPty t;
        auto& [pty, mapa, port] = t;
        QVERIFY(port.PortOpen(5));
        QCOMPARE(port.NumerPortu, 5);
        QCOMPARE(port.NazwaPortu, pty.Sciezka());
        QVERIFY(port.SwiezoOtwarty);
        QVERIFY(port.PortConnected());
        port.PortClose();
        QVERIFY(!port.PortConnected());
        QVERIFY(!port.SwiezoOtwarty);
        QVERIFY(port.PortOpen(-1)); // the menus reopen the stored port
        QVERIFY(!port.PortOpen(6)); // a number without a device fails and stays closed
        QVERIFY(!port.PortConnected());
        QCOMPARE(port.PortRead(nullptr, 0), -1);
        QCOMPARE(port.PortInQueCount(), -1);
    }

    void openWithStoredZeroKeepsTheOpenPort() {
        TPortNaPty t;
        auto& [pty, mapa, port] = t;
        QVERIFY(port.PortOpen(5));
        port.NumerPortu = 0;
        QVERIFY(!port.PortOpen(0));
        QVERIFY(port.PortConnected());
    }

    void bytesTravelBothWaysAndPurgeDiscardsInput() {
        TPortNaPty t;
        auto& [pty, mapa, port] = t;
        QVERIFY(port.PortOpen(5));
        const unsigned char zadanie[] = {0x65, 0x1A, 0x00, 0x81};
        QCOMPARE(port.PortWrite(zadanie, 4), 4);
        QCOMPARE(pty.Odbierz()->kod, 0x81);
        pty.Wyslij(QByteArray::fromHex("56aa0082"));
        QCOMPARE(port.PortInQueCount(), 4);
        unsigned char b[8] = {};
        QCOMPARE(port.PortRead(b, 2), 2);
        QCOMPARE(port.PortInQueCount(), 2);
        port.PortPurgeRx();
        QCOMPARE(port.PortInQueCount(), 0);
    }

    void hungUpLineShowsAsDisconnected() {
        TPortNaPty t;
        auto& [pty, mapa, port] = t;
        QVERIFY(port.PortOpen(5));
        pty.Rozlacz();
        QTRY_COMPARE(port.PortInQueCount(), -1);
        QVERIFY(!port.PortConnected());
    }

    void ftdiIsOffWithoutTheLibrary() {
        TMapaPortow mapa;
        TSerial port(mapa, QStringLiteral("/nonexistent/libftd2xx.so"));
        port.CzasOtwarcia = 0;
        QVERIFY(!port.D2xxObecna());
        QVERIFY(!port.PortOpen(1024));
        QVERIFY(!port.PortConnected());
        QCOMPARE(port.PortInQueCount(), -1);
        TMenuTestowe menu;
        port.PortList(menu);
        for (const auto& p : menu.porty)
            QVERIFY(p.tag < 1024);
    }

    void ftdiIsOffWhenAFunctionIsMissing() {
        TAtrapa atrapa;
        atrapa.Podlacz("Selvar cable", "A1");
        TMapaPortow mapa;
        TSerial port(mapa, QStringLiteral(ATRAPA_D2XX_NIEPELNA));
        QVERIFY(!port.D2xxObecna());
        QVERIFY(!port.PortOpen(1024));
    }

    void ftdiDevicesAreNumberedFrom1024() {
        TAtrapa atrapa;
        atrapa.Podlacz("Selvar cable", "A1");
        atrapa.Podlacz("", "B2");
        TMapaPortow mapa;
        TSerial port(mapa, QStringLiteral(ATRAPA_D2XX));
        port.CzasOtwarcia = 0;
        QVERIFY(port.D2xxObecna());
        port.NumerPortu = 1025;
        TMenuTestowe menu, popup;
        port.PortList(menu, &popup);
        QCOMPARE(menu.porty.size() >= 2, true);
        QCOMPARE(menu.porty[0].opis, QStringLiteral("Selvar cable - A1"));
        QCOMPARE(menu.porty[0].tag, 1024);
        QCOMPARE(menu.porty[1].opis, QStringLiteral("FTDI 1 (*)")); // stored but not connected
        QCOMPARE(menu.porty[1].tag, 1025);
        QCOMPARE(popup.porty.size(), menu.porty.size());

        QVERIFY(port.PortOpen(1025));
        int stan[8];
        atrapa.Stan(1, stan);
        QCOMPARE(stan[0], 78); // 3 MHz / 38400
        QCOMPARE(stan[1], 8);
        QCOMPARE(stan[2], 0); // one stop bit is code 0
        QCOMPARE(stan[3], 0);
        QCOMPARE(stan[4], 1);
        port.PortList(menu);
        QCOMPARE(menu.porty[1].opis, QStringLiteral("FTDI 1"));
        QVERIFY(menu.porty[1].zaznaczona);
        QVERIFY(!menu.porty[0].zaznaczona);
    }

    void ftdiReadWriteQueueAndPurge() {
        TAtrapa atrapa;
        atrapa.Podlacz("Selvar cable", "A1");
        TMapaPortow mapa;
        TSerial port(mapa, QStringLiteral(ATRAPA_D2XX));
        port.CzasOtwarcia = 0;
        QVERIFY(port.PortOpen(1024));
        QVERIFY(port.PortConnected());
        const unsigned char wyslane[] = {1, 2, 3, 4, 5};
        QCOMPARE(port.PortWrite(wyslane, 5), 5);
        unsigned char b[16] = {};
        QCOMPARE(atrapa.Odbierz(0, b, 16), 5);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(b), 5), QByteArray::fromHex("0102030405"));
        const unsigned char przychodzace[] = {9, 8, 7};
        atrapa.Podaj(0, przychodzace, 3);
        QCOMPARE(port.PortInQueCount(), 3);
        QCOMPARE(port.PortRead(b, 2), 2);
        QCOMPARE(int(b[1]), 8);
        port.PortPurgeRx();
        port.PortPurgeTx();
        QCOMPARE(port.PortInQueCount(), 0);
        int stan[8];
        atrapa.Stan(0, stan);
        QCOMPARE(stan[5], 1);
        QCOMPARE(stan[6], 1);
    }

    void unpluggedFtdiDeviceIsDisconnected() {
        TAtrapa atrapa;
        atrapa.Podlacz("Selvar cable", "A1");
        TMapaPortow mapa;
        TSerial port(mapa, QStringLiteral(ATRAPA_D2XX));
        port.CzasOtwarcia = 0;
        QVERIFY(port.PortOpen(1024));
        atrapa.Odlacz(0);
        QVERIFY(!port.PortConnected());
        QCOMPARE(port.PortInQueCount(), -1);
        unsigned char b[4] = {};
        QCOMPARE(port.PortRead(b, 4), -1);
        QCOMPARE(port.PortWrite(b, 4), -1);
        QVERIFY(!port.PortOpen(1024));
    }

    void ftdiByDescriptionOpensTheLastMatch() {
        TAtrapa atrapa;
        atrapa.Podlacz("Selvar cable", "A1");
        atrapa.Podlacz("Other", "B1");
        atrapa.Podlacz("Selvar cable", "C1");
        TMapaPortow mapa;
        TSerial port(mapa, QStringLiteral(ATRAPA_D2XX));
        port.CzasOtwarcia = 0;
        QVERIFY(port.PortOpenFtdiByDescription("Selvar cable"));
        QCOMPARE(port.NumerPortu, 1026);
        QVERIFY(!port.PortOpenFtdiByDescription("selvar cable")); // exact and case-sensitive
    }

    void menuListsPortsAndClicksOpenAndToggle() {
        TKontrolerPty pty;
        TMapaPortow mapa;
        mapa.UstawPrzypisanie(300, pty.Sciezka());
        TSerial port(mapa, QStringLiteral("/nonexistent/lib.so"));
        port.CzasOtwarcia = 0;
        port.NumerPortu = 300;
        TMenuTestowe menu;
        port.PortList(menu);
        const QString opis = QStringLiteral("COM300 (%1)").arg(pty.Sciezka());
        auto wpis = std::find_if(menu.porty.begin(), menu.porty.end(),
                                 [](const auto& p) { return p.tag == 300; });
        QVERIFY(wpis != menu.porty.end());
        QCOMPARE(wpis->opis, opis + QStringLiteral(" (*)"));

        TPozycjaTestowa portu;
        portu.tag = 300;
        port.PortOnClick(portu);
        QVERIFY(port.PortConnected());
        port.PortList(menu);
        wpis = std::find_if(menu.porty.begin(), menu.porty.end(),
                            [](const auto& p) { return p.tag == 300; });
        QCOMPARE(wpis->opis, opis);
        QVERIFY(wpis->zaznaczona);

        TPozycjaTestowa polacz; // the connect/disconnect item
        port.PortOnClick(polacz);
        QVERIFY(!port.PortConnected());
        QCOMPARE(polacz.tag, -1);
        port.PortOnClick(polacz);
        QVERIFY(port.PortConnected());
        QCOMPARE(polacz.tag, 0);
    }
};

QTEST_GUILESS_MAIN(TestSerial)
#include "tst_serial.moc"
