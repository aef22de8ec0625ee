// The idle calibration's state machine, step by step on crafted live frames.

#include "Bloki.h"
#include "MapaPortow.h"
#include "TSterownik.h"

#include <QTest>

class TestKalibracja : public QObject {
    Q_OBJECT

    TMapaPortow mapa;
    std::unique_ptr<TSterownik> s;
    QList<std::array<int, 4>> zdarzenia;

    // A live frame: work mode, RPM, and the same petrol time (0.004 ms) on every channel.
    void Ramka(int tryb, int obroty, int czas, int cisnienie = 100) {
        std::memset(s->RamkaRx, 0, 128);
        s->RamkaRx[10] = static_cast<unsigned char>(tryb);
        s->RamkaRx[17] = static_cast<unsigned char>(obroty & 0xFF);
        s->RamkaRx[18] = static_cast<unsigned char>(obroty >> 8);
        s->RamkaRx[40] = 190;
        s->RamkaRx[42] = 170;
        s->RamkaRx[44] = 30;
        s->RamkaRx[48] = static_cast<unsigned char>(cisnienie);
        for (int k = 0; k < 8; ++k) {
            s->RamkaRx[60 + 4 * k] = static_cast<unsigned char>(czas & 0xFF);
            s->RamkaRx[61 + 4 * k] = static_cast<unsigned char>(czas >> 8);
        }
    }

    void Kroki(int ile, int tryb, int czas = 750) {
        for (int i = 0; i < ile; ++i) {
            Ramka(tryb, 80, czas);
            s->EtapyKalibracji();
        }
    }

    QList<int> Kody(int kod) const {
        QList<int> a1;
        for (const auto& z : zdarzenia)
            if (z[0] == kod) a1.append(z[1]);
        return a1;
    }

private slots:
    void init() {
        s = std::make_unique<TSterownik>(mapa, QStringLiteral("/nonexistent/lib.so"));
        s->Zegar().stop();
        zdarzenia.clear();
        s->OnZdarzenie = [this](int k, int a1, int a2, int a3) {
            zdarzenia.append({k, a1, a2, a3});
        };
    }

    void startAndStopToggleTheRunningFlag() {
        QCOMPARE(s->StartStopKalibracji(), 1);
        QCOMPARE(s->FlagiParam & 1, 1);
        s->Kalibracja.etap = 48;
        s->Nastawy[90] = 140;
        QCOMPARE(s->StartStopKalibracji(), 0);
        QCOMPARE(s->FlagiParam & 1, 0);
        QCOMPARE(s->Kalibracja.etap, 0);
        QCOMPARE(int(s->Nastawy[90]), 140); // stopping keeps the settings as they are
        QCOMPARE(s->DoZapisu & Bloki::Nastawy, Bloki::Nastawy); // and the controller gets them
        QCOMPARE(Kody(2), (QList<int>{1, 5}));
    }

    void startOnGasAsksForPetrolAndWaits() {
        s->StartStopKalibracji();
        s->Nastawy[90] = 150;
        Kroki(1, 6);
        QCOMPARE(int(s->ZmianaPaliwaAuto), 1);
        QCOMPARE(int(s->Nastawy[90]), 128);
        QCOMPARE(int(s->Nastawy[94]), 181);
        QVERIFY(s->DoZapisu & Bloki::Nastawy);
        QCOMPARE(s->Kalibracja.etap, 1);
        Kroki(30, 6);
        QCOMPARE(s->Kalibracja.etap, 1);
        Kroki(1, 0);
        QCOMPARE(s->Kalibracja.etap, 80); // all injectors at once
    }

    void perCylinderSettingChoosesTheCylinderProcedure() {
        s->StartStopKalibracji();
        s->Nastawy[82] = 1;
        Kroki(2, 0);
        QCOMPARE(s->Kalibracja.etap, 16);
    }

    void petrolTimeIsAveragedAndFiltered() {
        s->StartStopKalibracji();
        s->LiczbaWtryskiwaczy = 4;
        Ramka(0, 80, 0);
        // 0.004 ms units: channels 750, 0 (ignored), 760, 770 average 760 = 3.04 ms = 60.8 -> 61
        s->RamkaRx[60] = 750 & 0xFF, s->RamkaRx[61] = 750 >> 8;
        s->RamkaRx[68] = 760 & 0xFF, s->RamkaRx[69] = 760 >> 8;
        s->RamkaRx[72] = 770 & 0xFF, s->RamkaRx[73] = 770 >> 8;
        s->Kalibracja.etap = 82;
        s->Kalibracja.krok = 0;
        s->EtapyKalibracji();
        QCOMPARE(int(s->Nastawy[83]), 61);
        QCOMPARE(s->Kalibracja.czasBenzyny, 16 * 61);
    }

    void largeGasDifferenceRestartsThePetrolMeasurement() {
        s->StartStopKalibracji();
        s->Kalibracja.etap = 112;
        s->Kalibracja.czasBenzyny = 16 * 30;
        s->Nastawy[83] = 60; // t = 60 - 30 = 30
        s->Nastawy[90] = 128;
        Kroki(1, 6, 375); // 1.5 ms = 30 units
        QCOMPARE(int(s->Nastawy[90]), 98);
        QCOMPARE(int(s->Nastawy[92]), 98);
        QCOMPARE(s->Kalibracja.etap, 80);
        QCOMPARE(Kody(2), QList<int>{1}); // the start's event only: no step event for this one
    }

    void smallDifferenceIsHalvedOnEverySixteenthStep() {
        s->StartStopKalibracji();
        s->Kalibracja.etap = 112;
        s->Kalibracja.krok = 32;
        s->Kalibracja.czasBenzyny = 16 * 54;
        s->Nastawy[83] = 60; // t = 6
        s->Nastawy[90] = 128;
        Kroki(1, 6, 675);
        QCOMPARE(int(s->Nastawy[90]), 125);
        QCOMPARE(s->Kalibracja.krok, 33);
        QCOMPARE(s->Kalibracja.postep, 33 / 2 + 256);
        QCOMPARE(zdarzenia.last(), (std::array<int, 4>{2, 2, 0, 33 / 2 + 256}));
    }

    // The editor shows the working pressure recorded at each gas step: the controller must
    // hold the same, also when the reference correction (setting 94) stays as it was.
    void recordedPressureIsWrittenWhenItChanges() {
        s->StartStopKalibracji();
        s->Kalibracja.etap = 176;
        s->Kalibracja.krok = 1;
        s->Nastawy[83] = 60; // 3 ms, the petrol time of every frame below: t = 0
        Kroki(20, 6);
        QCOMPARE(s->Kalibracja.etap, 176);
        const int p = s->Nastawy[86];
        s->Nastawy[86] = static_cast<unsigned char>(p - 1);
        s->DoZapisu = 0;
        Kroki(1, 6);
        QCOMPARE(int(s->Nastawy[86]), p);
        QCOMPARE(s->DoZapisu & Bloki::Nastawy, Bloki::Nastawy);
        s->DoZapisu = 0;
        Kroki(1, 6);
        QCOMPARE(s->DoZapisu, 0); // nothing changed, nothing written
    }

    void closeDifferenceStepsOneAndAdvancesFaster() {
        s->StartStopKalibracji();
        s->Kalibracja.etap = 176;
        s->Kalibracja.krok = 16;
        s->Kalibracja.czasBenzyny = 16 * 59;
        s->Nastawy[83] = 60; // t = 1
        s->Nastawy[90] = 128;
        Kroki(1, 6, 737);
        QCOMPARE(int(s->Nastawy[90]), 127);
        QCOMPARE(s->Kalibracja.krok, 21);
        QCOMPARE(s->Kalibracja.postep, 21 / 2 + 768);
    }

    void perCylinderMasksGrowOneInjectorAtATime() {
        s->LiczbaWtryskiwaczy = 4;
        s->StartStopKalibracji();
        s->Kalibracja.etap = 32;
        Kroki(1, 0);
        QList<int> maski{s->MaskaWtryskiwaczy};
        for (int c = 0; c < 3; ++c) {
            s->Kalibracja.etap = 64;
            Kroki(1, 6);
            maski.append(s->MaskaWtryskiwaczy);
            QCOMPARE(s->Kalibracja.etap, 48);
        }
        QCOMPARE(maski, (QList<int>{1, 3, 7, 15}));
        s->Kalibracja.etap = 64;
        Kroki(1, 6);
        QCOMPARE(s->Kalibracja.etap, 65); // after the last cylinder, back to petrol
        QCOMPARE(int(s->ZmianaPaliwaAuto), 1);
    }

    void secondPassUsesAllInjectorsButThoseKeptOnPetrol() {
        s->StartStopKalibracji();
        s->Nastawy[31] = 0x81;
        s->Kalibracja.etap = 160;
        Kroki(1, 0);
        QCOMPARE(int(s->MaskaWtryskiwaczy), 0x7E);
        QCOMPARE(int(s->ZmianaWtryskiwaczy), 1);
        QCOMPARE(s->Kalibracja.etap, 161);
    }

    void finishingClearsTheFlagAndIsReportedOnce() {
        s->StartStopKalibracji();
        s->Kalibracja.etap = 193;
        Kroki(1, 0);
        QCOMPARE(s->Kalibracja.etap, 254);
        Kroki(1, 0);
        QCOMPARE(s->FlagiParam & 1, 0);
        Kroki(1, 0); // a reply to a poll sent before the end
        QCOMPARE(Kody(2), (QList<int>{1, 2, 3, 2}));
    }

    void stalledEngineAborts() {
        s->StartStopKalibracji();
        s->Kalibracja.etap = 112;
        for (int i = 0; i < 10; ++i) {
            Ramka(6, 0, 750);
            s->EtapyKalibracji();
        }
        QCOMPARE(s->FlagiParam & 1, 1);
        Ramka(6, 0, 750);
        s->EtapyKalibracji();
        QCOMPARE(s->Kalibracja.etap, 255);
        QCOMPARE(s->FlagiParam & 1, 0);
        QCOMPARE(Kody(2).mid(Kody(2).size() - 2), (QList<int>{4, 2}));
    }

    void unusablePetrolTimeAborts() {
        s->StartStopKalibracji();
        s->Kalibracja.etap = 1;
        Kroki(50, 6, 0);
        QCOMPARE(s->FlagiParam & 1, 1);
        Kroki(1, 6, 0);
        QCOMPARE(s->Kalibracja.etap, 255);
    }

    void referenceCorrectionFromPressureAndTemperature_data() {
        QTest::addColumn<int>("cisnienie");
        QTest::addColumn<int>("typSilnika");
        QTest::addColumn<int>("temperatura");
        QTest::addColumn<int>("wynik");
        QTest::newRow("standard engine, 1 bar, 50 C") << 100 << 0 << 178 << 182;
        QTest::newRow("turbo adds 2 bar") << 0 << 1 << 178 << 182;
        QTest::newRow("valvetronic at the reference point") << 140 << 2 << 168 << 128;
    }
    void referenceCorrectionFromPressureAndTemperature() {
        QFETCH(int, cisnienie);
        QFETCH(int, typSilnika);
        QFETCH(int, temperatura);
        QFETCH(int, wynik);
        s->Nastawy[86] = static_cast<unsigned char>(cisnienie);
        s->Nastawy[10] = static_cast<unsigned char>(typSilnika);
        s->Nastawy[85] = static_cast<unsigned char>(temperatura);
        QCOMPARE(s->ObliczKorekteOdniesienia(), wynik);
        QCOMPARE(int(s->Nastawy[94]), wynik);
    }
};

QTEST_GUILESS_MAIN(TestKalibracja)
#include "tst_kalibracja.moc"
