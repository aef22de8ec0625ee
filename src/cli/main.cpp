// selvar-cli: the headless companion of the workshop application, on the same core.

#include "KodyWyjscia.h"
#include "Komendy.h"
#include "Konsola.h"
#include "Kontekst.h"
#include "OpcjeCli.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

using TKomenda = int (*)(TKontekst&);

struct TWpisKomendy {
    const char* nazwa;
    TKomenda wykonaj;
};
constexpr TWpisKomendy Wykonawcy[] = {
    {"info", KomendaInfo},          {"errors", KomendaBledy},
    {"backup", KomendaKopia},       {"restore", KomendaPrzywrocenie},
    {"live", KomendaNaZywo},        {"record", KomendaNagrywanie},
    {"osc2csv", KomendaOsc2Csv},    {"show", KomendaPokaz},
    {"diff", KomendaRoznice},       {"obd", KomendaObd},
    {"flash", KomendaFlash},        {"report", KomendaRaport},
    {"propose", KomendaPropozycja},
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

// Only the report draws, and drawing text needs the toolkit's fonts: then the application
// is a GUI one on the offscreen platform, so that it runs without a display.
std::unique_ptr<QCoreApplication> Aplikacja(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "report") == 0) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app = Aplikacja(argc, argv);
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
