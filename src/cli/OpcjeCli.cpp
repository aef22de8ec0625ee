#include "OpcjeCli.h"

#include "KodyWyjscia.h"
#include "Teksty.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

struct TKomenda {
    const char* nazwa;
    int plikow;
    bool port, portElm;            // which links it needs
    bool portZamiastPliku = false; // --port may stand for its one file
    bool elmMozliwy = false;       // --elm-port may be given as well
};
constexpr TKomenda Komendy[] = {
    {"info", 0, true, false},           {"errors", 0, true, false},
    {"backup", 1, true, false},         {"restore", 1, true, false},
    {"live", 0, true, false},           {"record", 1, true, false},
    {"osc2csv", 2, false, false},       {"show", 1, false, false, true},
    {"diff", 2, false, false},          {"obd", 0, false, true},
    {"flash", 1, true, false},          {"report", 1, false, false, true, true},
    {"propose", 1, false, false, true},
};

const TKomenda* ZnajdzKomende(const QString& nazwa) {
    for (const TKomenda& k : Komendy)
        if (nazwa == QLatin1String(k.nazwa)) return &k;
    return nullptr;
}

// Options that only some commands take.
struct TOpcjaKomendy {
    const char* opcja;
    const char* komendy[7];
};
constexpr TOpcjaKomendy OpcjeKomend[] = {
    {"count", {"live"}},    {"csv", {"live"}},
    {"clear", {"obd"}},     {"force", {"backup", "osc2csv", "record", "report"}},
    {"output", {"report"}}, {"yes", {"flash"}},
    {"apply", {"propose"}}, {"seconds", {"record"}},
    {"all", {"show"}},      {"json", {"info", "errors", "live", "show", "diff", "obd", "propose"}},
};

TRozbiorOpcji Blad(const QString& tekst) {
    return {std::nullopt, tekst, KodyWyjscia::Uzycie};
}

std::optional<int> Jezyk(const QString& kod) {
    if (kod == QLatin1String("en")) return Jezyki::Angielski;
    if (kod == QLatin1String("pl")) return Jezyki::Polski;
    if (kod == QLatin1String("ru")) return Jezyki::Rosyjski;
    if (kod == QLatin1String("es")) return Jezyki::Hiszpanski;
    return std::nullopt;
}

void DodajOpcje(QCommandLineParser& p) {
    p.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    p.addOptions({
        {{"h", "help"}, {}},
        {{"v", "version"}, {}},
        {{"q", "quiet"}, {}},
        {"port", {}, "N|PATH"},
        {"elm-port", {}, "N|PATH"},
        {"lang", {}, "en|pl|ru|es"},
        {"timeout", {}, "S"},
        {"trace", {}, "FILE"},
        {"count", {}, "N"},
        {"force", {}},
        {"csv", {}},
        {"clear", {}},
        {"yes", {}},
        {"apply", {}},
        {"seconds", {}, "N"},
        {"all", {}},
        {"json", {}},
        {{"o", "output"}, {}, "FILE"},
    });
}

// Links: a command gets the ports it needs and no other.
QString SprawdzPorty(const QCommandLineParser& p, const TKomenda& k) {
    const auto sprawdz = [&](const char* opcja, bool potrzebna) -> QString {
        const QString nazwa = QLatin1String(opcja);
        if (potrzebna && !p.isSet(nazwa))
            return QStringLiteral("%1 needs --%2").arg(QLatin1String(k.nazwa), nazwa);
        const bool wolno = nazwa == QLatin1String("port") ? k.portZamiastPliku : k.elmMozliwy;
        if (!potrzebna && p.isSet(nazwa) && !wolno)
            return QStringLiteral("--%1 does not apply to %2").arg(nazwa, QLatin1String(k.nazwa));
        return {};
    };
    const QString blad = sprawdz("port", k.port);
    return blad.isEmpty() ? sprawdz("elm-port", k.portElm) : blad;
}

QString SprawdzOpcjeKomendy(const QCommandLineParser& p, const TKomenda& k) {
    for (const TOpcjaKomendy& o : OpcjeKomend) {
        if (!p.isSet(QLatin1String(o.opcja))) continue;
        bool pasuje = false;
        for (const char* nazwa : o.komendy)
            pasuje = pasuje || (nazwa && QLatin1String(nazwa) == QLatin1String(k.nazwa));
        if (!pasuje)
            return QStringLiteral("--%1 does not apply to %2")
                .arg(QLatin1String(o.opcja), QLatin1String(k.nazwa));
    }
    return SprawdzPorty(p, k);
}

// The values of the options; an empty text when they are all usable.
QString Wartosci(const QCommandLineParser& p, TOpcjeCli& o) {
    if (p.isSet(QStringLiteral("lang"))) {
        const auto jezyk = Jezyk(p.value(QStringLiteral("lang")));
        if (!jezyk) return QStringLiteral("--lang takes en, pl, ru or es");
        o.jezyk = *jezyk;
    }
    if (p.isSet(QStringLiteral("timeout"))) {
        bool ok = false;
        const double s = p.value(QStringLiteral("timeout")).toDouble(&ok);
        if (!ok || s <= 0 || s > 3600)
            return QStringLiteral("--timeout takes seconds, more than 0 and at most 3600");
        o.czasMs = static_cast<int>(s * 1000);
    }
    if (p.isSet(QStringLiteral("count"))) {
        bool ok = false;
        o.ile = p.value(QStringLiteral("count")).toInt(&ok);
        if (!ok || o.ile < 1) return QStringLiteral("--count takes a number of frames, 1 or more");
    }
    if (p.isSet(QStringLiteral("seconds"))) {
        bool ok = false;
        o.sekundy = p.value(QStringLiteral("seconds")).toInt(&ok);
        if (!ok || o.sekundy < 1) return QStringLiteral("--seconds takes whole seconds, 1 or more");
    }
    o.port = p.value(QStringLiteral("port"));
    o.portElm = p.value(QStringLiteral("elm-port"));
    o.dziennik = p.value(QStringLiteral("trace"));
    o.nadpisz = p.isSet(QStringLiteral("force"));
    o.csv = p.isSet(QStringLiteral("csv"));
    o.kasuj = p.isSet(QStringLiteral("clear"));
    o.cicho = p.isSet(QStringLiteral("quiet"));
    o.json = p.isSet(QStringLiteral("json"));
    o.wszystkie = p.isSet(QStringLiteral("all"));
    o.tak = p.isSet(QStringLiteral("yes"));
    o.zastosuj = p.isSet(QStringLiteral("apply"));
    if (o.zastosuj && o.port.isEmpty()) return QStringLiteral("propose --apply needs --port");
    o.wyjscie = p.value(QStringLiteral("output"));
    if (o.komenda == QLatin1String("report") && o.wyjscie.isEmpty())
        return QStringLiteral("report needs -o REPORT.pdf");
    return {};
}

} // namespace

TRozbiorOpcji RozbierzOpcje(const QStringList& argumenty) {
    QCommandLineParser p;
    DodajOpcje(p);
    if (!p.parse(argumenty)) return Blad(p.errorText());
    if (p.isSet(QStringLiteral("help"))) return {std::nullopt, TekstPomocy(), KodyWyjscia::Sukces};
    if (p.isSet(QStringLiteral("version")))
        return {std::nullopt,
                QStringLiteral("selvar-cli %1\n").arg(QCoreApplication::applicationVersion()),
                KodyWyjscia::Sukces};

    QStringList pozycyjne = p.positionalArguments();
    if (pozycyjne.isEmpty()) return Blad(QStringLiteral("no command given"));
    TOpcjeCli o;
    o.komenda = pozycyjne.takeFirst();
    const TKomenda* k = ZnajdzKomende(o.komenda);
    if (!k) return Blad(QStringLiteral("unknown command '%1'").arg(o.komenda));
    const int plikow = k->portZamiastPliku && p.isSet(QStringLiteral("port")) ? 0 : k->plikow;
    if (pozycyjne.size() != plikow && k->portZamiastPliku)
        return Blad(QStringLiteral("%1 takes one file or --port").arg(o.komenda));
    if (pozycyjne.size() != plikow)
        return Blad(plikow == 0   ? QStringLiteral("%1 takes no file").arg(o.komenda)
                    : plikow == 1 ? QStringLiteral("%1 takes one file").arg(o.komenda)
                                  : QStringLiteral("%1 takes two files").arg(o.komenda));
    o.argumenty = pozycyjne;
    if (const QString blad = SprawdzOpcjeKomendy(p, *k); !blad.isEmpty()) return Blad(blad);
    if (const QString blad = Wartosci(p, o); !blad.isEmpty()) return Blad(blad);
    return {o, {}, KodyWyjscia::Sukces};
}

QString TekstPomocy() {
    return QStringLiteral(
        "Usage: selvar-cli [options] <command> [files]\n"
        "\n"
        "Headless companion of the SELVAR workshop application: backs up and restores\n"
        "the gas-injection controller, prints its identity, errors and live values,\n"
        "exports scope recordings and runs the OBD reader, from a script.\n"
        "\n"
        "Commands:\n"
        "  info                      identity, operating times and service hours left\n"
        "  errors                    active errors and stored error counters\n"
        "  backup FILE.set           read the whole controller into a settings file\n"
        "  restore FILE.set          write a settings file to the controller, read it\n"
        "                            back and report every block that differs\n"
        "  live [--count N] [--csv]  live values of the trace list, as a table or as\n"
        "                            CSV lines, until Ctrl-C or N frames\n"
        "  record FILE.osc [--seconds N]\n"
        "                            record the live frames into a scope file, until\n"
        "                            Ctrl-C or N seconds\n"
        "  osc2csv FILE.osc OUT.csv  a scope recording as CSV, as the application\n"
        "                            exports it (offline)\n"
        "  show FILE.set [--all]     every setting of a settings file (or, with --port\n"
        "                            instead of the file, of the controller) by name,\n"
        "                            value and unit, grouped as the settings editor\n"
        "                            groups them, then the controller's identity\n"
        "  diff A.set B.set          the settings and table cells that differ; exit 0\n"
        "                            when equal, 1 when different\n"
        "  obd [--clear] [--json]    OBD reader: status, readiness of the monitors,\n"
        "                            vehicle information (VIN), supported PIDs with\n"
        "                            their values, stored, pending and permanent\n"
        "                            trouble codes, the freeze frame; --clear then\n"
        "                            clears the codes and prints what is left\n"
        "  flash FILE.img [--yes]    update the controller's firmware through its\n"
        "                            bootloader; --yes allows an older version\n"
        "  report FILE.set -o REPORT.pdf\n"
        "                            installation report for the car's owner (or,\n"
        "                            with --port instead of the file, of the\n"
        "                            controller, with its errors): identity, history,\n"
        "                            settings, multiplier chart and map grids, on A4;\n"
        "                            with --elm-port also the car's VIN\n"
        "  propose FILE.set [--apply]\n"
        "                            a correction of the multiplier from the collected\n"
        "                            petrol and gas maps (or, with --port instead of\n"
        "                            the file, the controller's): per break point its\n"
        "                            position, old and new value, change and the cells\n"
        "                            behind it; fewer than 3 cells leave it, no step\n"
        "                            goes beyond 15 %; --apply (with --port) writes it\n"
        "                            and reads it back, as restore does\n"
        "\n"
        "Options:\n"
        "  --port N|PATH       controller port: 1..1023 serial port COMn, 1024+i FTDI\n"
        "                      device i, or a device path\n"
        "  --elm-port N|PATH   OBD adapter port, numbered the same way\n"
        "  --lang en|pl|ru|es  language of the texts (default en)\n"
        "  --timeout S         seconds without an answer before a link counts as\n"
        "                      dead (default 10)\n"
        "  --trace FILE        write every log line of the links to FILE\n"
        "  --force             backup, record, osc2csv, report: overwrite an existing\n"
        "                      output file\n"
        "  -o, --output FILE   report: the PDF to write\n"
        "  --count N           live: stop after N frames\n"
        "  --csv               live: CSV lines instead of a table\n"
        "  --clear             obd: clear the trouble codes once they are printed\n"
        "  --seconds N         record: stop after N seconds\n"
        "  --all               show: every setting of the catalogue, also those no page\n"
        "                      of the editor shows\n"
        "  --json              info, errors, show, diff, obd, propose: one JSON\n"
        "                      document; live: one JSON object a line\n"
        "  --yes               flash: install a version older than the installed one\n"
        "  --apply             propose: write the proposal to the controller\n"
        "  -q, --quiet         no progress messages\n"
        "  -h, --help          show this help\n"
        "  -v, --version       show the version\n"
        "\n"
        "Exit codes: 0 success, 1 usage error (diff: the files differ), 2 link or\n"
        "device failure, 3 bad file, 130 interrupted.\n");
}
