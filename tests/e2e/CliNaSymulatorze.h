#pragma once

// selvar-cli run as a process against selvar-sim: the program with a settings folder of its
// own, the simulator with its blocks mirrored and its requests logged, and the settings-file
// layout the tests compare against.

#include "PlikTestowy.h"
#include "SymulatorTestowy.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

struct TWynik {
    int kod = -1;
    QByteArray wyjscie, bledy;
    qint64 ms = 0;
    QString Wyjscie() const { return QString::fromUtf8(wyjscie); }
    QString Bledy() const { return QString::fromUtf8(bledy); }
};

// selvar-cli with its own settings folder, so that no stored port of this machine counts,
// and the C locale unless a test asks for another.
struct TCli {
    QTemporaryDir katalog;

    QString Sciezka(const QString& nazwa) const { return katalog.filePath(nazwa); }

    // Starts it without waiting, for a test that signals it while it runs.
    void Uruchom(QProcess& p, const QStringList& argumenty,
                 const QString& locale = QStringLiteral("C")) const {
        QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
        srodowisko.insert(QStringLiteral("XDG_CONFIG_HOME"),
                          katalog.filePath(QStringLiteral("config")));
        srodowisko.insert(QStringLiteral("LC_ALL"), locale);
        p.setProcessEnvironment(srodowisko);
        p.start(QStringLiteral(SELVAR_CLI), argumenty);
    }

    TWynik Uruchom(const QStringList& argumenty, const QString& locale = QStringLiteral("C"),
                   int msMaks = 90000) const {
        QProcess p;
        QElapsedTimer czas;
        czas.start();
        Uruchom(p, argumenty, locale);
        TWynik w;
        if (!p.waitForFinished(msMaks)) {
            p.kill();
            p.waitForFinished();
            return w;
        }
        w.ms = czas.elapsed();
        w.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        w.wyjscie = p.readAllStandardOutput();
        w.bledy = p.readAllStandardError();
        return w;
    }
};

// selvar-sim with its blocks mirrored and its requests logged in a folder of its own.
struct TSterownikSym {
    QTemporaryDir katalog;
    TSymulatorTestowy sym;

    explicit TSterownikSym(QStringList argumenty = {})
        : sym(argumenty << QStringLiteral("--blocks-dir")
                        << katalog.filePath(QStringLiteral("bloki")) << QStringLiteral("--log")
                        << katalog.filePath(QStringLiteral("log.json"))) {}

    QString Port() const { return sym.Sciezka(); }

    QByteArray Blok(const char* nazwa) const {
        QFile f(katalog.filePath(QStringLiteral("bloki/%1.bin").arg(QLatin1String(nazwa))));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Every request received, in order, as the simulator logged it.
    QList<QJsonObject> Dziennik() const {
        QList<QJsonObject> linie;
        QFile f(katalog.filePath(QStringLiteral("log.json")));
        if (!f.open(QIODevice::ReadOnly)) return linie;
        for (const QByteArray& linia : f.readAll().split('\n'))
            if (!linia.isEmpty()) linie << QJsonDocument::fromJson(linia).object();
        return linie;
    }

    // Codes of every request received, in order.
    QList<int> Zadania() const {
        QList<int> kody;
        for (const QJsonObject& linia : Dziennik())
            kody << linia.value(QStringLiteral("code")).toInt();
        return kody;
    }

    // Codes of every request sent so far, unanswered ones too: the simulator logs requests in
    // the order they come, so once a request of the test's own is answered, all before it are
    // in the log. The test's own is left out.
    QList<int> WszystkieZadania() const {
        TPortTestowy port(Port());
        if (!port.Zapytaj('e', 0x81)) return {-1};
        QList<int> kody = Zadania();
        kody.removeLast();
        return kody;
    }
};

// Requests that change the controller: block writes, the OBD settings write, factory
// settings and error erase.
inline bool Zapisujace(int kod) {
    return (kod >= 0xC7 && kod <= 0xCD) || (kod >= 0xF0 && kod <= 0xF5) ||
           (kod >= 0xF8 && kod <= 0xFC) || kod == 0x73 || kod == 0x89 || kod == 0x83;
}

struct TBlokPliku {
    const char* nazwa;
    int polozenie;
};
// Where the blocks the controller holds sit in a settings file.
constexpr TBlokPliku BlokiPliku[] = {
    {"Nastawy", 512},      {"Mnoznik1", 768},     {"Mnoznik2", 1024},     {"KorOdObr1", 1280},
    {"KorOdObr2", 1536},   {"KorOdCis", 1792},    {"KorOdTempRed", 2048}, {"KorOdTempGazu", 2304},
    {"MapaEcuBen", 2560},  {"MapaEcuGaz", 2816},  {"MapaObdBen1", 3072},  {"MapaObdGaz1", 3328},
    {"MapaObdBen2", 3584}, {"MapaObdGaz2", 3840},
};

inline QByteArray Czytaj(const QString& sciezka) {
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool Zapisz(const QString& sciezka, const QByteArray& dane) {
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dane) == dane.size();
}

inline int Suma(const QByteArray& b) {
    int s = 0;
    for (char c : b)
        s += static_cast<unsigned char>(c);
    return s & 0xFF;
}
