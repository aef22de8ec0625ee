#pragma once

// The real window connected to a selvar-sim of its own over its pseudo-terminal.

#include "OknoTestowe.h"
#include "ProcesSymulatora.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// The window connected to a selvar-sim of its own, whose requests are logged and whose
// blocks are mirrored in a folder of the test.
struct TOknoNaSymulatorze {
    QTemporaryDir katalog;
    const QString dziennik = katalog.filePath(QStringLiteral("dziennik.json"));
    const QString bloki = katalog.filePath(QStringLiteral("bloki"));
    const QString lacze = katalog.filePath(QStringLiteral("selvar"));
    const bool folder = QDir().mkpath(bloki);
    TProcesSymulatora symulator;
    std::unique_ptr<TOknoTestowe> okno;

    explicit TOknoNaSymulatorze(const QStringList& argumenty)
        : symulator(QStringLiteral(SELVAR_SIM),
                    argumenty + QStringList{QStringLiteral("--log"), dziennik,
                                            QStringLiteral("--blocks-dir"), bloki,
                                            QStringLiteral("--link"), lacze}) {}

    // Opens the window on the simulator and waits until every block is read; przed sets
    // the window up before it connects.
    bool Polacz(const std::function<void(TOknoTestowe&)>& przed = {}) {
        if (!folder || symulator.Sciezka().isEmpty()) return false;
        TOpcjeOkna opcje;
        opcje.PortSterownika = lacze;
        okno = std::make_unique<TOknoTestowe>(
            [](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }, opcje);
        if (przed) przed(*okno);
        okno->Zegar(QStringLiteral("Timer1"))->start();
        TSterownik& s = okno->s();
        s.Zegar().start();
        return QTest::qWaitFor(
            [&s] { return s.IdentSterownika[0] != 0 && s.DoOdczytu == 0 && s.Rozkazy == 0; },
            15000);
    }
    QString Plik(const char* nazwa) const { return katalog.filePath(QLatin1String(nazwa)); }
    QByteArray Blok(const char* nazwa) const {
        QFile plik(bloki + QLatin1Char('/') + QLatin1String(nazwa));
        return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
    }
    bool Zakoncz() {
        okno->okno->close();
        return symulator.Zakoncz();
    }
};
