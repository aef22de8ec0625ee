#include "Adapter.h"
#include "Dziennik.h"
#include "Opcje.h"
#include "Pty.h"
#include "Samochod.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {

int Ms(double sekundy) {
    return static_cast<int>(sekundy * 1000);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication aplikacja(argc, argv);
    QString komunikat;
    bool pomoc = false;
    const std::optional<TOpcje> opcje = CzytajOpcje(aplikacja.arguments(), komunikat, pomoc);
    if (!opcje) {
        std::fputs(qPrintable(komunikat + '\n'), pomoc ? stdout : stderr);
        return pomoc ? 0 : 2;
    }
    TPty pty;
    if (!pty.Otworz()) {
        std::fputs("elm327-sim: cannot open a pseudo-terminal\n", stderr);
        return 1;
    }
    TDziennik dziennik;
    if (!opcje->dziennik.isEmpty() && !dziennik.Otworz(opcje->dziennik)) {
        std::fprintf(stderr, "elm327-sim: cannot write %s\n", qPrintable(opcje->dziennik));
        return 1;
    }
    // Only a link is ever replaced or removed, never a file that happens to have the name.
    const QFileInfo lacze(opcje->lacze);
    if (!opcje->lacze.isEmpty()) {
        if (lacze.exists() && !lacze.isSymLink()) {
            std::fprintf(stderr, "elm327-sim: %s exists and is not a symbolic link\n",
                         qPrintable(opcje->lacze));
            return 2;
        }
        QFile::remove(opcje->lacze);
        QFile::link(pty.Sciezka(), opcje->lacze);
        QObject::connect(&aplikacja, &QCoreApplication::aboutToQuit, [&opcje] {
            if (QFileInfo(opcje->lacze).isSymLink()) QFile::remove(opcje->lacze);
        });
    }
    TSamochod samochod(opcje->protokol, opcje->ileEcu, opcje->ziarno, opcje->usterki);
    samochod.UstawGotowosc(opcje->gotowosc);
    TAdapter adapter(pty, samochod, opcje->wolnoMs, dziennik);

    // The first line is what the programs that start this one wait for.
    std::printf("%s\n", qPrintable(pty.Sciezka()));
    std::fflush(stdout);

    if (opcje->milczPo >= 0)
        QTimer::singleShot(Ms(opcje->milczPo), &adapter, [&adapter] { adapter.Milcz(); });
    if (opcje->zamknijPo >= 0)
        QTimer::singleShot(Ms(opcje->zamknijPo), &adapter, [&] {
            adapter.Milcz();
            pty.Zamknij();
            aplikacja.quit();
        });
    return aplikacja.exec();
}
