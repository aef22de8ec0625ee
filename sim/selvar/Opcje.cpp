#include "Opcje.h"

#include <QCommandLineParser>
#include <QDate>
#include <QRegularExpression>

#include <cstdio>

namespace {

const char* const Opis =
    "Plays the SELVAR gas-injection controller (with its OBD module and bootloader) on a\n"
    "pseudo-terminal. Prints the slave device path on one line of stdout, then answers every\n"
    "request on it. The engine model starts with the key on after --ignition-at seconds,\n"
    "cranks 2 s later, idles on petrol while the reducer warms, switches to gas once the\n"
    "reducer temperature (setting 51) and RPM (setting 50) pass their settings and the delays\n"
    "(settings 52, 54, 53, 55) have run, and then drives 60 s cycles. Replies: identity 80\n"
    "bytes, error list 70, live frame 92, blocks 262 (OBD settings 54). With --close-after the\n"
    "line is hung up after that time and, unless --close-exit is given, a new pseudo-terminal\n"
    "is opened after --reopen-after seconds and its path printed as a new line (and --link\n"
    "pointed at it). SIGTERM and SIGINT end it cleanly (the image file is written).\n"
    "\n"
    "Where the protocol leaves the controller free, it uses the freedom, varied by --seed; an\n"
    "option fixes each for a test that needs a constant:\n"
    "  reply frame byte 4 (not interpreted) random, and the checksum with it: --reply-byte4;\n"
    "  reply frame byte 5 random in every reply but the two identities: --reply-status;\n"
    "  the padding byte of an odd payload (the OBD module's trouble codes) random: --padding;\n"
    "  each reply 0..30 ms after its request, within the 100 ms slot: --latency;\n"
    "  the OBD module's state frames, as 0x70 or 0x75, about once a second and the\n"
    "  controller's state notices 0x80 every 2..6 s, each at a moment of its own between\n"
    "  replies: --frames-after-live;\n"
    "  operating-time counters (identity 70..77) counting in real time while the engine\n"
    "  turns (times --speed): --no-counting;\n"
    "  map cells and adaptation learned while driving, each change told in a live frame:\n"
    "  --no-learning.";

struct TTekstOpcji {
    const char* nazwa;
    const char* opis;
    const char* wartosc; // nullptr: a switch
};

const TTekstOpcji Teksty[] = {
    {"board", "Board generation 2 or 3 (3: two banks). Default 3.", "2|3"},
    {"channels", "Injection channels 4, 6 or 8. Default 4.", "n"},
    {"model", "Model: lite (SELVAR LITE+) or max (SELVAR MAX+). Default max.", "name"},
    {"barcode", "Bar code, up to 16 characters. Default 5901234000123456.", "text"},
    {"firmware", "Firmware version a.b.c (c is the main number). Default 1.4.23.", "a.b.c"},
    {"beta", "Firmware beta number, 0 = release. Default 0.", "n"},
    {"firmware-date", "Firmware date. Default 2023-06-14.", "yyyy-mm-dd"},
    {"production-date", "Production date. Default 2022-11-03.", "yyyy-mm-dd"},
    {"petrol-hours", "Operating hours on petrol at start. Default 312.", "h"},
    {"gas-hours", "Operating hours on gas at start. Default 1874.", "h"},
    {"no-obd-module", "A controller without OBD module: 'c' requests get no answer.", nullptr},
    {"no-obd-state", "The OBD module sends no state frames 0x70 of its own.", nullptr},
    {"speed", "Model time scale: model seconds per real second. Default 1.", "x"},
    {"ignition-at", "Model seconds until the key is turned. Default 1.", "s"},
    {"no-ignition", "The key is never turned: the car stays parked, nothing changes by itself.",
     nullptr},
    {"ignition-off-at", "Model seconds until the key is turned off. Default never.", "s"},
    {"warm", "The engine starts hot (a short stop): gas about 13 model seconds after start.",
     nullptr},
    {"ambient", "Ambient temperature in degrees C. Default 15.", "c"},
    {"tank",
     "Gas tank level at start in percent; 0 = empty, the gas pressure never builds. Default 60.",
     "pct"},
    {"no-learning", "Maps and adaptation stay as they are (blocks change only by writes).",
     nullptr},
    {"no-counting", "The operating-time counters stand still.", nullptr},
    {"reply-byte4",
     "Reply frame byte 4: this value, or \"nonce\" for the request's nonce sent back. "
     "Default random.",
     "n|nonce"},
    {"reply-status",
     "Reply frame byte 5 in replies other than the identities: this value. Default random.", "n"},
    {"padding", "The padding byte of an odd payload: this value. Default random.", "n"},
    {"latency", "Every reply this many ms after its request. Default 0..30 at random.", "ms"},
    {"frames-after-live",
     "The OBD module's state 0x70 only right after a live reply, once a second, and no "
     "controller state notices.",
     nullptr},
    {"calibration-target",
     "Idle calibration scenario: on gas the ECU asks for the petrol time it asks for on petrol "
     "exactly when setting 90 (92 on bank 2) equals this value plus the channel's offset "
     "(+2 -2 +1 -1 +3 -3 0 0, so the offsets of 4, 6 or 8 channels cancel out); each unit off "
     "changes that channel's petrol time by 0.05 ms. Implies --no-learning.",
     "n"},
    {"gas-factor",
     "Gas delivered is this factor times what the multiplier and corrections give (1.12 = 12 % "
     "rich, as from a multiplier 12 % too high); on gas the ECU trims its petrol time to make "
     "up for it, and the gas map learns the trimmed times. Default 1.",
     "x"},
    {"error",
     "A standing fault at error-frame byte.bit (6..12 . 0..7), e.g. 10.2 = gas injector 3 missing. "
     "Repeatable.",
     "b.b"},
    {"drop", "Share 0..1 of valid requests left unanswered (lost on the line).", "p"},
    {"corrupt", "Share 0..1 of replies with one payload bit flipped (always fails the checksum).",
     "p"},
    {"corrupt-unseen",
     "Share 0..1 of replies with one bit position flipped in two data bytes, from 0 to 1 in one "
     "and from 1 to 0 in the other: the checksum still holds, the receiver takes wrong data.",
     "p"},
    {"split", "Send replies in 2..4 pieces with gaps of 1..5 ms.", nullptr},
    {"line-pace", "Send replies at the pace of 38400 baud (38 bytes every 10 ms).", nullptr},
    {"silent-for", "Answer nothing during the first seconds.", "s"},
    {"drop-acks",
     "Bootloader: share 0..1 of firmware blocks written whose acknowledgement is lost.", "p"},
    {"corrupt-acks",
     "Bootloader: share 0..1 of firmware block acknowledgements with one bit flipped.", "p"},
    {"unacked-writes",
     "The first n block writes are stored but not acknowledged, as if each acknowledgement "
     "were lost on the line; the tool's resend is then acknowledged.",
     "n"},
    {"stall-block",
     "Bootloader: answer nothing once this many blocks are written (for --stall-seconds).", "n"},
    {"stall-seconds", "How long the --stall-block silence lasts. Default for good.", "s"},
    {"close-after", "Hang the line up after this many seconds.", "s"},
    {"reopen-after", "Seconds between hanging up and the new line. Default 1.", "s"},
    {"close-exit", "With --close-after: end instead of opening a new line.", nullptr},
    {"seed", "Seed of the faults and of the engine's noise. Default 1.", "n"},
    {"log",
     "Write every request received to this file, one JSON object a line: t (seconds since start), "
     "start, code, "
     "payload (unscrambled, hex bytes \"5A 00\"), answered, bad: true for a failed checksum, "
     "replies (the plain frames sent for it, after any --corrupt-unseen change) and unseen (how "
     "many of them that changed).",
     "file"},
    {"image",
     "Write the firmware image received (57344 bytes) to this file on leaving the bootloader and "
     "on exit. The bootloader is left only with every block written; the application then "
     "answers with the version recorded at the image's last 16 bytes, when they hold "
     "\"SELVARFW\", a, b, c, beta, year - 2000, month, day.",
     "file"},
    {"blocks-dir",
     "Keep every block as <name>.bin in this folder (Nastawy.bin, Mnoznik1.bin, ...), updated on "
     "every change.",
     "dir"},
    {"link", "Keep a symbolic link at this path pointing at the current pseudo-terminal.", "path"},
};

bool Blad(const QString& tekst) {
    std::fprintf(stderr, "selvar-sim: %s\n", qPrintable(tekst));
    return false;
}

bool Liczba(const QCommandLineParser& p, const char* nazwa, double min, double max, double& wynik) {
    if (!p.isSet(nazwa)) return true;
    bool dobrze = false;
    const double v = p.value(nazwa).toDouble(&dobrze);
    if (!dobrze || v < min || v > max)
        return Blad(QString("--%1 takes a number from %2 to %3").arg(nazwa).arg(min).arg(max));
    wynik = v;
    return true;
}

bool Calkowita(const QCommandLineParser& p, const char* nazwa, int min, int max, int& wynik) {
    double v = wynik;
    if (!Liczba(p, nazwa, min, max, v)) return false;
    if (v != static_cast<int>(v)) return Blad(QString("--%1 takes a whole number").arg(nazwa));
    wynik = static_cast<int>(v);
    return true;
}

bool Data(const QCommandLineParser& p, const char* nazwa, TData& wynik) {
    if (!p.isSet(nazwa)) return true;
    const QDate d = QDate::fromString(p.value(nazwa), "yyyy-MM-dd");
    if (!d.isValid() || d.year() < 2000 || d.year() > 2255)
        return Blad(QString("--%1 takes a date yyyy-mm-dd").arg(nazwa));
    wynik = {d.year(), d.month(), d.day()};
    return true;
}

bool Urzadzenie(const QCommandLineParser& p, TOpcje& o) {
    TOpisUrzadzenia& u = o.urzadzenie;
    if (!Calkowita(p, "board", 2, 3, u.plytka) || !Calkowita(p, "channels", 4, 8, u.kanaly))
        return false;
    if (u.kanaly % 2) return Blad("--channels takes 4, 6 or 8");
    if (p.isSet("model")) {
        const QString m = p.value("model").toLower();
        if (m != "lite" && m != "max") return Blad("--model takes lite or max");
        u.model = m == "lite" ? 1 : 2;
    }
    if (p.isSet("barcode")) {
        if (p.value("barcode").size() > 16) return Blad("--barcode takes up to 16 characters");
        u.kodKreskowy = p.value("barcode").toStdString();
    }
    if (p.isSet("firmware")) {
        const auto dopasowanie =
            QRegularExpression(R"(^(\d{1,3})\.(\d{1,3})\.(\d{1,3})$)").match(p.value("firmware"));
        if (!dopasowanie.hasMatch()) return Blad("--firmware takes a.b.c");
        for (int i = 0; i < 3; ++i)
            u.wersja[static_cast<std::size_t>(i)] = dopasowanie.captured(i + 1).toInt() & 0xFF;
    }
    int godzinyB = static_cast<int>(o.godzinyBenzyny), godzinyG = static_cast<int>(o.godzinyGazu);
    if (!Calkowita(p, "beta", 0, 255, u.beta) ||
        !Calkowita(p, "petrol-hours", 0, 65535, godzinyB) ||
        !Calkowita(p, "gas-hours", 0, 65535, godzinyG))
        return false;
    o.godzinyBenzyny = static_cast<unsigned>(godzinyB);
    o.godzinyGazu = static_cast<unsigned>(godzinyG);
    return Data(p, "firmware-date", u.dataWersji) && Data(p, "production-date", u.dataProdukcji);
}

bool Silnik(const QCommandLineParser& p, TOpcje& o) {
    TPlanSilnika& s = o.model.plan;
    if (!Liczba(p, "speed", 0.01, 1000, o.predkosc) ||
        !Liczba(p, "ignition-at", 0, 1e9, s.zaplonPo) ||
        !Liczba(p, "ignition-off-at", 0, 1e9, s.wylaczeniePo) ||
        !Liczba(p, "ambient", -40, 50, s.otoczenie) ||
        !Liczba(p, "tank", 0, 100, o.model.zbiornik) ||
        !Liczba(p, "gas-factor", 0.5, 2, o.model.czynnikGazu))
        return false;
    if (p.isSet("no-ignition")) s.zaplonPo = -1;
    s.cieply = p.isSet("warm");
    o.model.nauka = !p.isSet("no-learning");
    o.model.liczniki = !p.isSet("no-counting");
    if (p.isSet("calibration-target")) {
        int cel = 0;
        if (!Calkowita(p, "calibration-target", 0, 255, cel)) return false;
        o.model.celKalibracji = cel;
        o.model.nauka = false;
    }
    for (const QString& b : p.values("error")) {
        const auto d = QRegularExpression(R"(^(\d+)\.([0-7])$)").match(b);
        const int bajt = d.hasMatch() ? d.captured(1).toInt() : 0;
        if (bajt < 6 || bajt > 12)
            return Blad("--error takes byte.bit with byte 6..12 and bit 0..7");
        o.bledy.emplace_back(bajt, d.captured(2).toInt());
    }
    return true;
}

bool Zaklocenia(const QCommandLineParser& p, TOpcje& o) {
    TOpcjeZaklocen& z = o.zaklocenia;
    int ziarno = static_cast<int>(o.ziarno);
    if (!Liczba(p, "drop", 0, 1, z.pomin) || !Liczba(p, "corrupt", 0, 1, z.znieksztalc) ||
        !Liczba(p, "corrupt-unseen", 0, 1, z.niewidoczne) ||
        !Liczba(p, "silent-for", 0, 1e9, z.ciszaPrzez) ||
        !Liczba(p, "close-after", 0, 1e9, o.zamknijPo) ||
        !Liczba(p, "reopen-after", 0, 1e6, o.otworzPo) ||
        !Calkowita(p, "seed", 0, 2147483647, ziarno))
        return false;
    o.ziarno = static_cast<unsigned>(ziarno);
    if (!Liczba(p, "drop-acks", 0, 1, z.pominPotwierdzenia) ||
        !Liczba(p, "corrupt-acks", 0, 1, z.znieksztalcPotwierdzenia) ||
        !Calkowita(p, "stall-block", 0, 224, z.ciszaPoBlokach) ||
        !Calkowita(p, "unacked-writes", 0, 1000000, z.zapisyBezPotwierdzenia) ||
        !Liczba(p, "stall-seconds", 0, 1e9, z.ciszaBlokowPrzez))
        return false;
    z.dziel = p.isSet("split");
    z.tempoLinii = p.isSet("line-pace");
    o.zamknijKoniec = p.isSet("close-exit");
    return true;
}

bool Swobody(const QCommandLineParser& p, TOpcjeSwobod& s) {
    if (p.value("reply-byte4") == "nonce")
        s.bajt4 = TOpcjeSwobod::JakNonce;
    else if (!Calkowita(p, "reply-byte4", 0, 255, s.bajt4))
        return false;
    s.ramkiMiedzy = !p.isSet("frames-after-live");
    return Calkowita(p, "reply-status", 0, 255, s.status) &&
           Calkowita(p, "padding", 0, 255, s.wypelnienie) &&
           Calkowita(p, "latency", 0, TSwobody::MaksOpoznieniaMs, s.opoznienieMs);
}

} // namespace

bool CzytajOpcje(const QStringList& argumenty, TOpcje& o) {
    QCommandLineParser p;
    p.setApplicationDescription(Opis);
    p.addHelpOption();
    for (const TTekstOpcji& t : Teksty)
        p.addOption(t.wartosc ? QCommandLineOption(t.nazwa, t.opis, t.wartosc)
                              : QCommandLineOption(t.nazwa, t.opis));
    p.process(argumenty);
    if (!p.positionalArguments().isEmpty()) return Blad("no positional arguments are taken");
    if (!Urzadzenie(p, o) || !Silnik(p, o) || !Zaklocenia(p, o) || !Swobody(p, o.swobody))
        return false;
    o.modulObd = !p.isSet("no-obd-module");
    o.stanObd = !p.isSet("no-obd-state");
    o.dziennik = p.value("log");
    o.obraz = p.value("image");
    o.katalogBlokow = p.value("blocks-dir");
    o.lacze = p.value("link");
    return true;
}
