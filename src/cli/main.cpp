// selvar-cli: the headless companion of the workshop application, on the same core.

#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Konsola.h"
#include "Kontekst.h"
#include "OpcjeCli.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace {

using TKomenda = int (*)(TKontekst&);

struct TWpisKomendy {
    const char* nazwa;
    TKomenda wykonaj;
};
constexpr TWpisKomendy Wykonawcy[] = {
    {"info", KomendaInfo},       {"errors", KomendaBledy},
    {"backup", KomendaKopia},    {"restore", KomendaPrzywrocenie},
    {"live", KomendaNaZywo},     {"record", KomendaNagrywanie},
    {"osc2csv", KomendaOsc2Csv}, {"show", KomendaPokaz},
    {"diff", KomendaRoznice},    {"obd", KomendaObd},
    {"flash", KomendaFlash},
};

int Wykonaj(const TOpcjeCli& opcje) {
    TKontekst k(opcje);
    if (!k.dziennik.Otworz(opcje.dziennik)) {
        k.konsola.Zglos(QStringLiteral("cannot create the trace file %1").arg(opcje.dziennik));
        return KodyWyjscia::Plik;
    }
    for (const TWpisKomendy& w : Wykonawcy)
        if (opcje.komenda == QLatin1String(w.nazwa)) return w.wykonaj(k);
    return KodyWyjscia::Uzycie;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("selvar-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SELVAR_WERSJA));

    const TRozbiorOpcji rozbior = RozbierzOpcje(QCoreApplication::arguments());
    if (!rozbior.opcje) {
        if (rozbior.kod == KodyWyjscia::Sukces) {
            Wypisz(rozbior.tekst);
        } else {
            std::fprintf(stderr, "selvar-cli: %s\nTry 'selvar-cli --help' for more information.\n",
                         rozbior.tekst.toLocal8Bit().constData());
        }
        return rozbior.kod;
    }
    // Values follow the fixed patterns ("0.00") with the user's decimal separator; a
    // locale's thousands grouping ("2,570 rpm") is no part of them.
    QLocale liczby;
    liczby.setNumberOptions(liczby.numberOptions() | QLocale::OmitGroupSeparator);
    QLocale::setDefault(liczby);
    LapPrzerwanie();
    return Wykonaj(*rozbior.opcje);
}
