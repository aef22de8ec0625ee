// Until the main window exists this is a console monitor of the controller link:
// it connects, reads the whole controller and prints the link's events and log lines.

#include "MapaPortow.h"
#include "Symulatory.h"
#include "TSterownik.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

// The port number a device path given on the command line is mapped to for this session.
constexpr int NumerPortuSesji = 1;

QString OpisZdarzenia(int kod, int a1, int a2) {
    switch (kod) {
    case 0: return QStringLiteral("reply 0x%1, %2 bytes").arg(a1, 2, 16, QLatin1Char('0')).arg(a2);
    case 1: return QStringLiteral("request 0x%1, %2 bytes").arg(a1, 2, 16, QLatin1Char('0')).arg(a2);
    case 3: return QStringLiteral("port opened");
    default: return QStringLiteral("event %1 (%2)").arg(kod).arg(a1);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("selvar"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SELVAR_WERSJA));

    QCommandLineParser opcje;
    opcje.setApplicationDescription(QStringLiteral("SELVAR workshop application (link monitor)"));
    opcje.addHelpOption();
    opcje.addVersionOption();
    opcje.addOption({QStringLiteral("demo"), QStringLiteral("Connect to the built-in controller simulator.")});
    opcje.addOption({QStringLiteral("port"), QStringLiteral("Controller serial device path."), QStringLiteral("path")});
    opcje.addOption({QStringLiteral("trace"), QStringLiteral("Write every log line to a file."), QStringLiteral("file")});
    opcje.addOption({QStringLiteral("events"), QStringLiteral("Print every link event, live polls included.")});
    opcje.process(app);

    TSymulator symulator(QStringLiteral("selvar-sim"));
    QString sciezka = opcje.value(QStringLiteral("port"));
    if (opcje.isSet(QStringLiteral("demo")) && sciezka.isEmpty()) {
        sciezka = symulator.Uruchom();
        if (sciezka.isEmpty()) {
            std::fprintf(stderr, "selvar: the controller simulator selvar-sim could not be started\n");
            return 2;
        }
    }
    if (sciezka.isEmpty()) {
        std::fprintf(stderr, "selvar: give --port PATH or --demo\n");
        return 1;
    }

    TMapaPortow mapa;
    mapa.UstawPrzypisanie(NumerPortuSesji, sciezka);
    TSterownik sterownik(mapa);

    QFile slad(opcje.value(QStringLiteral("trace")));
    if (!slad.fileName().isEmpty() && !slad.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "selvar: cannot write %s\n", qPrintable(slad.fileName()));
        return 1;
    }
    QTextStream wyjscie(stdout);
    sterownik.OnTekst = [&](TSerial*, const QString& tekst, TKolor) {
        if (slad.isOpen()) {
            slad.write(tekst.toUtf8());
            slad.flush();
        }
    };
    const bool wszystkie = opcje.isSet(QStringLiteral("events"));
    sterownik.OnZdarzenie = [&](int kod, int a1, int a2, int) {
        // Live polls and the OBD module's state frames come several times a second.
        const bool biezace = (kod == 0 || kod == 1) && ((a1 >= 0x90 && a1 <= 0x9F) || a1 == 0x70 || a1 == 0x75);
        if (kod == 1 && !wszystkie) return;
        if (biezace && !wszystkie) return;
        wyjscie << OpisZdarzenia(kod, a1, a2) << Qt::endl;
    };
    if (!sterownik.PortOpen(NumerPortuSesji)) {
        std::fprintf(stderr, "selvar: cannot open %s\n", qPrintable(sciezka));
        return 2;
    }
    return app.exec();
}
