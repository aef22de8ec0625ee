#include "Demo.h"

#include "TForm1.h"

#include <cstdio>

// QTemporaryDir creates its folder with owner-only permissions.
TDemo::TDemo() : sterownik(QStringLiteral("selvar-sim")), adapter(QStringLiteral("elm327-sim")) {}

QString TDemo::Port(TSymulator& symulator, const QString& podany) {
    if (!podany.isEmpty()) return podany;
    const QString lacze =
        katalog.isValid() ? symulator.Uruchom(katalog.filePath(symulator.Nazwa())) : QString();
    if (lacze.isEmpty())
        std::fprintf(stderr, "selvar: the simulator %s could not be started\n",
                     qPrintable(symulator.Nazwa()));
    return lacze;
}

bool TDemo::Uruchom(TOpcjeOkna& opcje) {
    opcje.PortSterownika = Port(sterownik, opcje.PortSterownika);
    opcje.PortElm = Port(adapter, opcje.PortElm);
    return !opcje.PortSterownika.isEmpty() && !opcje.PortElm.isEmpty();
}

void TDemo::Obserwuj(TForm1& okno) {
    for (TSymulator* s : {&sterownik, &adapter})
        s->OnKoniec = [&okno, s] { okno.SymulatorZakonczony(s->Nazwa()); };
}
