// The SELVAR workshop application: the main window, or in demo mode the main window
// connected to the two simulators.

#include "Demo.h"
#include "KorzenPreferencji.h"
#include "TForm1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("selvar"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SELVAR_WERSJA));

    QCommandLineParser opcje;
    opcje.setApplicationDescription(QStringLiteral("SELVAR workshop application"));
    opcje.addHelpOption();
    opcje.addVersionOption();
    opcje.addOption(
        {QStringLiteral("demo"),
         QStringLiteral("Start the controller simulator selvar-sim and the OBD adapter simulator "
                        "elm327-sim and connect both links to them.")});
    opcje.addOption({QStringLiteral("port"),
                     QStringLiteral("Controller serial device path for this session."),
                     QStringLiteral("path")});
    opcje.addOption({QStringLiteral("elm-port"),
                     QStringLiteral("OBD adapter serial device path for this session."),
                     QStringLiteral("path")});
    opcje.addOption({QStringLiteral("trace"),
                     QStringLiteral("Write every log line of both links to a file."),
                     QStringLiteral("file")});
    opcje.addOption({QStringLiteral("developer"),
                     QStringLiteral("Make the developer mode available (key Q).")});
    opcje.process(app);

    TOpcjeOkna okno;
    okno.PortSterownika = opcje.value(QStringLiteral("port"));
    okno.PortElm = opcje.value(QStringLiteral("elm-port"));
    okno.PlikSladu = opcje.value(QStringLiteral("trace"));
    okno.Deweloper = opcje.isSet(QStringLiteral("developer"));

    TDemo demo;
    if (opcje.isSet(QStringLiteral("demo")) && !demo.Uruchom(okno)) return 2;

    const std::unique_ptr<QSettings> ustawienia = KorzenPreferencji();
    TForm1 form1(*ustawienia, okno);
    demo.Obserwuj(form1);
    form1.show();
    return app.exec();
}
