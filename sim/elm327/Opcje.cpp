#include "Opcje.h"

#include <QCommandLineParser>

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

} // namespace

std::optional<TOpcje> CzytajOpcje(const QStringList& argumenty, QString& komunikat, bool& pomoc) {
    QCommandLineParser p;
    p.setApplicationDescription(
        QStringLiteral("ELM327 adapter with a simulated car on a pseudo-terminal.\n"
                       "Prints the device path on the first line of output."));
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
        {QStringLiteral("ignition-off"),
         QStringLiteral("Answer OBD requests only after 4.5 s, as with the ignition off.")},
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
    return o;
}
