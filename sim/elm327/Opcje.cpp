#include "Opcje.h"

#include <QCommandLineParser>

#include <random>

namespace {

// Whole numbers for counts and milliseconds, fractions allowed for seconds.
bool Liczba(const QCommandLineParser& p, const QString& nazwa, double od, double doo, double& wynik,
            QString& komunikat, bool calkowita = true) {
    if (!p.isSet(nazwa)) return true;
    bool ok = false;
    const double v = p.value(nazwa).toDouble(&ok);
    if (!ok || v < od || v > doo ||
        (calkowita && v != static_cast<double>(static_cast<qint64>(v)))) {
        komunikat =
            QStringLiteral("--%1: expected a %2 from %3 to %4, got \"%5\"")
                .arg(nazwa, calkowita ? QStringLiteral("whole number") : QStringLiteral("number"))
                .arg(od, 0, 'f', 0)
                .arg(doo, 0, 'f', 0)
                .arg(p.value(nazwa));
        return false;
    }
    wynik = v;
    return true;
}

// on|off of an option, or the seed's choice when it is not given.
bool Wlacznik(const QCommandLineParser& p, const QString& nazwa, bool zZiarna, bool& wynik,
              QString& komunikat) {
    const QString v = p.value(nazwa);
    if (!p.isSet(nazwa)) {
        wynik = zZiarna;
        return true;
    }
    if (v != QStringLiteral("on") && v != QStringLiteral("off")) {
        komunikat = QStringLiteral("--%1: expected on or off, got \"%2\"").arg(nazwa, v);
        return false;
    }
    wynik = v == QStringLiteral("on");
    return true;
}

bool Swobody(const QCommandLineParser& p, TSwobody& s, QString& komunikat) {
    std::mt19937 los(s.ziarno);
    const unsigned wybor = los();
    double opoznienie = -1;
    if (!Wlacznik(p, QStringLiteral("linefeeds"), wybor & 1, s.lfPoWlaczeniu, komunikat) ||
        !Wlacznik(p, QStringLiteral("trailing-space"), wybor & 2, s.spacjaNaKoncu, komunikat) ||
        !Liczba(p, QStringLiteral("latency"), 0, TSwobody::MaksOpoznieniaMs, opoznienie, komunikat))
        return false;
    s.opoznienieOdMs = opoznienie < 0 ? 0 : static_cast<int>(opoznienie);
    s.opoznienieDoMs = opoznienie < 0 ? TSwobody::MaksOpoznieniaMs : static_cast<int>(opoznienie);
    const QString kolejnosc = p.value(QStringLiteral("ecu-order"));
    if (!kolejnosc.isEmpty() && kolejnosc != QStringLiteral("fixed")) {
        komunikat = QStringLiteral("--ecu-order: expected fixed, got \"%1\"").arg(kolejnosc);
        return false;
    }
    s.kolejnoscLosowa = kolejnosc.isEmpty();
    return true;
}

} // namespace

std::optional<TOpcje> CzytajOpcje(const QStringList& argumenty, QString& komunikat, bool& pomoc) {
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "ELM327 adapter with a simulated car on a pseudo-terminal.\n"
        "Prints the device path on the first line of output.\n"
        "\n"
        "Where the adapter's description leaves it free, it uses the freedom, varied by\n"
        "--seed; an option fixes each:\n"
        "  line feeds after CR from power-on until ATL0, or not: --linefeeds;\n"
        "  a space after the last byte of a data line, or not: --trailing-space;\n"
        "  each answer 0..40 ms later, on top of the bus's own times: --latency;\n"
        "  the ECUs' answers to a request in an order drawn each time: --ecu-order."));
    p.addOptions({
        {QStringLiteral("protocol"), QStringLiteral("The car's OBD protocol, 1..9 (default 6)."),
         QStringLiteral("N")},
        {QStringLiteral("ecus"), QStringLiteral("Number of answering ECUs, 1..3 (default 2)."),
         QStringLiteral("N")},
        {QStringLiteral("slow"), QStringLiteral("Extra delay before each answer."),
         QStringLiteral("MS")},
        {QStringLiteral("silent-after"), QStringLiteral("Stop answering after S seconds."),
         QStringLiteral("S")},
        {QStringLiteral("close-after"), QStringLiteral("Close the line and exit after S seconds."),
         QStringLiteral("S")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the value noise (default 1)."),
         QStringLiteral("S")},
        {QStringLiteral("log"), QStringLiteral("Write one JSON line per command to FILE."),
         QStringLiteral("FILE")},
        {QStringLiteral("link"),
         QStringLiteral("Also reach the line through a symbolic link at PATH, removed at the end."),
         QStringLiteral("PATH")},
        {QStringLiteral("interleave"),
         QStringLiteral("Interleave the frames of the ECUs' answers on CAN.")},
        {QStringLiteral("crlf"), QStringLiteral("End lines with CR LF whatever ATL says.")},
        {QStringLiteral("refuse-clear"),
         QStringLiteral("Refuse service 04: nodata (no answer) or negative (7F 04 22)."),
         QStringLiteral("HOW")},
        {QStringLiteral("linefeeds"),
         QStringLiteral("Line feeds from power-on until ATL0: on or off (default by the seed)."),
         QStringLiteral("on|off")},
        {QStringLiteral("trailing-space"),
         QStringLiteral("A space after a data line's last byte: on or off (default by the seed)."),
         QStringLiteral("on|off")},
        {QStringLiteral("latency"),
         QStringLiteral("Every answer this many ms later (default 0..40 at random)."),
         QStringLiteral("MS")},
        {QStringLiteral("ecu-order"),
         QStringLiteral("fixed: the ECUs answer in their order on the bus (default: at random)."),
         QStringLiteral("fixed")},
        {QStringLiteral("ignition-off"),
         QStringLiteral("Answer OBD requests only after 4.5 s, as with the ignition off.")},
        {QStringLiteral("readiness"),
         QStringLiteral("Bytes B C D of PID 01 once the monitors have run, as six hex digits "
                        "(default 07E504: spark ignition, 7 of 8 monitors ready)."),
         QStringLiteral("BBCCDD")},
    });
    const QCommandLineOption opcjaPomocy = p.addHelpOption();
    pomoc = false;
    if (!p.parse(argumenty)) {
        komunikat = p.errorText();
        return std::nullopt;
    }
    if (p.isSet(opcjaPomocy)) {
        pomoc = true;
        komunikat = p.helpText();
        return std::nullopt;
    }
    if (!p.positionalArguments().isEmpty()) {
        komunikat =
            QStringLiteral("unexpected argument \"%1\"").arg(p.positionalArguments().first());
        return std::nullopt;
    }
    TOpcje o;
    double protokol = o.protokol, ecu = o.ileEcu, wolno = 0, ziarno = o.ziarno;
    const bool dobre =
        Liczba(p, QStringLiteral("protocol"), 1, 9, protokol, komunikat) &&
        Liczba(p, QStringLiteral("ecus"), 1, 3, ecu, komunikat) &&
        Liczba(p, QStringLiteral("slow"), 0, 60000, wolno, komunikat) &&
        Liczba(p, QStringLiteral("silent-after"), 0, 1e6, o.milczPo, komunikat, false) &&
        Liczba(p, QStringLiteral("close-after"), 0, 1e6, o.zamknijPo, komunikat, false) &&
        Liczba(p, QStringLiteral("seed"), 0, 4294967295.0, ziarno, komunikat);
    if (!dobre) return std::nullopt;
    o.protokol = static_cast<int>(protokol);
    o.ileEcu = static_cast<int>(ecu);
    o.wolnoMs = static_cast<int>(wolno);
    o.ziarno = static_cast<quint32>(ziarno);
    o.dziennik = p.value(QStringLiteral("log"));
    o.lacze = p.value(QStringLiteral("link"));
    o.usterki.przeplot = p.isSet(QStringLiteral("interleave"));
    o.usterki.zawszeCrLf = p.isSet(QStringLiteral("crlf"));
    o.usterki.zaplonWylaczony = p.isSet(QStringLiteral("ignition-off"));
    o.usterki.swobody.ziarno = o.ziarno;
    if (!Swobody(p, o.usterki.swobody, komunikat)) return std::nullopt;
    const QString kasowanie = p.value(QStringLiteral("refuse-clear"));
    if (kasowanie == QStringLiteral("nodata"))
        o.usterki.kasowanie = TUsterki::TKasowanie::BrakDanych;
    else if (kasowanie == QStringLiteral("negative"))
        o.usterki.kasowanie = TUsterki::TKasowanie::Odmowa;
    else if (!kasowanie.isEmpty()) {
        komunikat = QStringLiteral("--refuse-clear: expected nodata or negative, got \"%1\"")
                        .arg(kasowanie);
        return std::nullopt;
    }
    if (p.isSet(QStringLiteral("readiness"))) {
        bool ok = false;
        const QString tekst = p.value(QStringLiteral("readiness"));
        o.gotowosc = tekst.toUInt(&ok, 16);
        if (!ok || tekst.size() != 6) {
            komunikat =
                QStringLiteral("--readiness: expected six hex digits, got \"%1\"").arg(tekst);
            return std::nullopt;
        }
    }
    return o;
}
