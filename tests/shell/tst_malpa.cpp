// A monkey: thousands of seeded random actions on the whole window connected to selvar-sim
// (tabs, sub-tabs, view levels, keys, typing, clicks and drags in the views, value lists,
// menus, boxes answered either way, Disconnect/Connect). Nothing may crash or warn, the
// controller may only have seen requests some action could cause, and at the end the
// window's blocks must equal the simulator's. SELVAR_MALPA_SEED and SELVAR_MALPA_KROKI
// choose another run; a failure prints the seed and the last 20 actions.

#include "OknoTestowe.h"
#include "ProcesSymulatora.h"
#include "TNastawy.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>

#include <cstdio>
#include <cstring>

namespace {

// A block of the model beside the code that writes it to the controller (0x73: to the OBD
// module) and the simulator's name for it.
struct TBlokMalpy {
    const char* nazwa;
    int kodZapisu;
    unsigned char* dane;
    int rozmiar;
};

std::vector<TBlokMalpy> Bloki(TSterownik& s) {
    return {{"Nastawy", 0xF8, s.Nastawy, 256},
            {"Mnoznik1", 0xF9, s.Mnoznik1, 256},
            {"Mnoznik2", 0xFA, s.Mnoznik2, 256},
            {"KorOdObr1", 0xFB, s.KorOdObr1, 256},
            {"KorOdObr2", 0xFC, s.KorOdObr2, 256},
            {"Historia", 0xC7, s.Historia, 256},
            {"KorOdCis", 0xC8, s.KorOdCis, 256},
            {"KorOdTempRed", 0xC9, s.KorOdTempRed, 256},
            {"KorOdTempGazu", 0xCA, s.KorOdTempGazu, 256},
            {"EmulatorCis", 0xCB, s.EmulatorCis, 256},
            {"OpoznienieWtr", 0xCC, s.OpoznienieWtr, 256},
            {"Wzbogacenie", 0xCD, s.Wzbogacenie, 256},
            {"MapaEcuBen", 0xF0, s.MapaEcuBen, 256},
            {"MapaEcuGaz", 0xF1, s.MapaEcuGaz, 256},
            {"MapaObdBen1", 0xF2, s.MapaObdBen1, 256},
            {"MapaObdGaz1", 0xF3, s.MapaObdGaz1, 256},
            {"MapaObdBen2", 0xF4, s.MapaObdBen2, 256},
            {"MapaObdGaz2", 0xF5, s.MapaObdGaz2, 256},
            {"NastawyObd", 0x73, s.NastawyObd, 48}};
}

// The blocks an erase confirmed by its question may write even when they held the erased
// values already.
const QMap<int, QList<int>> Wymazywane = {{2100, {0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xC8, 0xC9, 0xCA}},
                                          {2101, {0xF0}},
                                          {2102, {0xF1}},
                                          {2103, {0xF8, 0xF9, 0xFA}},
                                          {2104, {0xFB, 0xFC, 0xC8, 0xC9, 0xCA, 0xCC, 0xCD}},
                                          {2105, {0xF2, 0xF4}},
                                          {2106, {0xF3, 0xF5}}};

// Requests to the controller that only a user's action may cause.
constexpr int KasujBledy = 0x83, ZmianaPaliwa = 0x84, SzybkaZmiana = 0x85;

QStringList Ostrzezenia;
void Zbieraj(QtMsgType typ, const QMessageLogContext&, const QString& tekst) {
    // The offscreen platform's own notes on what it cannot do are no fault of the window.
    if (tekst.startsWith(QLatin1String("This plugin does not support"))) return;
    if (typ == QtWarningMsg || typ == QtCriticalMsg || typ == QtFatalMsg) Ostrzezenia << tekst;
}

// What the installer types into: the test's own reading, not the window's.
bool PoleTekstowe(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->isVisible() && e->width() > 1;
    return qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QListWidget*>(w);
}

class TMalpa {
public:
    TMalpa(TOknoTestowe& okno, quint32 ziarno) : t(okno), los(ziarno) {
        for (const TBlokMalpy& b : Bloki(t.s()))
            stan << QByteArray(reinterpret_cast<const char*>(b.dane), b.rozmiar);
        odpowiadanie.setInterval(5);
        QObject::connect(&odpowiadanie, &QTimer::timeout, [this] { OdpowiedzNaOkno(); });
        odpowiadanie.start();
    }

    void Krok() {
        const int r = int(los.bounded(100));
        if (r < 10)
            Zakladka();
        else if (r < 18)
            Podzakladka();
        else if (r < 21)
            Menu();
        else if (r < 41)
            Klawisz();
        else if (r < 49)
            Pisz();
        else if (r < 72)
            Klik();
        else if (r < 77)
            Lista();
        else if (r < 82)
            Komenda();
        else if (r < 88)
            Narzedzia();
        else if (r < 89)
            Polaczenie();
        else
            Klawisz();
        QTest::qWait(int(los.bounded(5, 25)));
        Zmienione();
    }

    // Blocks that differ from the state at the start, at some time since; blocks a confirmed
    // erase may have written with the values they held.
    QSet<int> zmienione, wymazane;
    int zmianyPaliwa = 0, szybkieZmiany = 0, kasowaniaBledow = 0;
    QStringList ostatnie;

private:
    void Zapisz(const QString& opis) {
        if (glosno) std::fprintf(stderr, "%s\n", qPrintable(opis));
        ostatnie << opis;
        if (ostatnie.size() > 20) ostatnie.removeFirst();
    }

    void Zmienione() {
        const std::vector<TBlokMalpy> b = Bloki(t.s());
        for (std::size_t i = 0; i < b.size(); ++i)
            if (std::memcmp(stan[qsizetype(i)].constData(), b[i].dane, size_t(b[i].rozmiar)))
                zmienione.insert(b[i].kodZapisu);
    }

    template <typename T> T Wybierz(const QList<T>& z) {
        return z[qsizetype(los.bounded(z.size()))];
    }

    void Zakladka() {
        const int n = int(los.bounded(6));
        if (los.bounded(2)) {
            Zapisz(QStringLiteral("tab key F%1").arg(n + 1));
            Wyslij(Qt::Key(Qt::Key_F1 + n), {});
        } else {
            Zapisz(QStringLiteral("tab click SpeedButton%1").arg(n + 1));
            KlikPrzycisku(QStringLiteral("SpeedButton%1").arg(n + 1));
        }
    }

    void Podzakladka() {
        const int n = Wybierz<int>({11, 12, 13, 14, 15, 21, 22, 31, 32, 33, 34, 41, 42});
        Zapisz(QStringLiteral("sub-tab SpeedButton%1").arg(n));
        KlikPrzycisku(QStringLiteral("SpeedButton%1").arg(n));
    }

    void Narzedzia() {
        const int n =
            Wybierz<int>({50, 51, 52, 55, 60, 61, 62, 70, 71, 80, 81, 82, 85, 86, 87, 88, 90, 91});
        Zapisz(QStringLiteral("tool SpeedButton%1").arg(n));
        KlikPrzycisku(QStringLiteral("SpeedButton%1").arg(n));
    }

    void KlikPrzycisku(const QString& nazwa) {
        auto* b = t.W<QAbstractButton>(nazwa);
        if (b && b->isVisible() && b->isEnabled()) QTest::mouseClick(b, Qt::LeftButton);
    }

    void Menu() {
        const QString nazwa = Wybierz<QString>(
            {QStringLiteral("MenuView0"), QStringLiteral("MenuView1"), QStringLiteral("MenuView2"),
             QStringLiteral("MenuLang0"), QStringLiteral("MenuLang1"), QStringLiteral("MenuLang2"),
             QStringLiteral("MenuLang3"), QStringLiteral("MenuColor0"),
             QStringLiteral("MenuColor5"), QStringLiteral("MenuFileInfo"),
             QStringLiteral("MenuFileServis"), QStringLiteral("MenuFileFirmware")});
        Zapisz(QStringLiteral("menu %1").arg(nazwa));
        if (QAction* a = t.okno->menuBar()->findChild<QAction*>(nazwa)) a->trigger();
    }

    void Polaczenie() {
        Zapisz(QStringLiteral("menu Disconnect/Connect"));
        if (QAction* a = t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuConn0")))
            a->trigger();
    }

    QWidget* Cel() {
        QWidget* f = QApplication::focusWidget();
        return f && f->window() == t.okno.get() ? f : t.okno.get();
    }

    void Wyslij(Qt::Key k, Qt::KeyboardModifiers m) {
        QWidget* cel = Cel();
        const bool pole = PoleTekstowe(cel);
        if (k == Qt::Key_Space && !pole) ++zmianyPaliwa;
        if (k == Qt::Key_F11) ++szybkieZmiany;
        QTest::keyClick(cel, k, m);
    }

    void Klawisz() {
        const Qt::Key k = Wybierz<Qt::Key>(
            {Qt::Key_Space,  Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace,
             Qt::Key_Delete, Qt::Key_Tab,    Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,
             Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Home,   Qt::Key_End,
             Qt::Key_PageUp, Qt::Key_Plus,   Qt::Key_Minus, Qt::Key_F3,     Qt::Key_F6,
             Qt::Key_F8,     Qt::Key_F9,     Qt::Key_F11,   Qt::Key_L,      Qt::Key_R,
             Qt::Key_H,      Qt::Key_5,      Qt::Key_0});
        const Qt::KeyboardModifiers m =
            Wybierz<Qt::KeyboardModifiers>({Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                            Qt::ControlModifier, Qt::AltModifier});
        Zapisz(QStringLiteral("key %1 mod %2 at %3")
                   .arg(QKeySequence(k).toString())
                   .arg(int(m))
                   .arg(Cel()->objectName()));
        Wyslij(k, m);
    }

    void Pisz() {
        static const QString Znaki = QStringLiteral("0123456789 ,.-+aP");
        QString tekst;
        for (int i = int(los.bounded(1, 6)); i > 0; --i)
            tekst += Znaki[qsizetype(los.bounded(Znaki.size()))];
        QWidget* cel = Cel();
        Zapisz(QStringLiteral("type \"%1\" at %2").arg(tekst, cel->objectName()));
        if (!PoleTekstowe(cel)) zmianyPaliwa += int(tekst.count(QLatin1Char(' ')));
        QTest::keyClicks(cel, tekst);
    }

    void Klik() {
        const QString nazwa = Wybierz<QString>(
            {QStringLiteral("Nastawy1"), QStringLiteral("Nastawy1"), QStringLiteral("Grafika1"),
             QStringLiteral("SiatkaA"), QStringLiteral("SiatkaB"), QStringLiteral("SiatkaB"),
             QStringLiteral("Scope1"), QStringLiteral("StringGridCzasyWtr"),
             QStringLiteral("StringGridParametry"), QStringLiteral("Image1"),
             QStringLiteral("PanelStatus")});
        QWidget* w = t.W(nazwa);
        if (!w || !w->isVisible() || w->width() < 2 || w->height() < 2) return;
        const auto punkt = [&] {
            return QPoint(int(los.bounded(w->width())), int(los.bounded(w->height())));
        };
        const QPoint p = punkt();
        const Qt::MouseButton przycisk = los.bounded(5) ? Qt::LeftButton : Qt::RightButton;
        if (nazwa == QLatin1String("Image1")) ++zmianyPaliwa;
        if (nazwa == QLatin1String("PanelStatus")) ++szybkieZmiany;
        if (los.bounded(4) == 0) {
            const QPoint q = punkt();
            Zapisz(QStringLiteral("drag %1 (%2,%3)-(%4,%5)")
                       .arg(nazwa)
                       .arg(p.x())
                       .arg(p.y())
                       .arg(q.x())
                       .arg(q.y()));
            QTest::mousePress(w, przycisk, {}, p);
            QTest::mouseMove(w, q);
            QTest::mouseRelease(w, przycisk, {}, q);
        } else {
            Zapisz(QStringLiteral("click %1 (%2,%3) button %4")
                       .arg(nazwa)
                       .arg(p.x())
                       .arg(p.y())
                       .arg(int(przycisk)));
            QTest::mouseClick(w, przycisk, {}, p);
        }
    }

    void Lista() {
        QListWidget* l = t.okno->Nastawy().ListaWartosci();
        if (!l || !l->isVisible() || l->count() == 0) return;
        const int i = int(los.bounded(l->count()));
        Zapisz(QStringLiteral("value list item %1").arg(i));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(i)).center());
    }

    void Komenda() {
        const int n = int(los.bounded(1, 5));
        Zapisz(QStringLiteral("command Btn5%1").arg(n));
        KlikPrzycisku(QStringLiteral("Btn5%1").arg(n));
    }

    // Boxes are answered either way; other dialogs are closed at once.
    void OdpowiedzNaOkno() {
        QWidget* okno = QApplication::activeModalWidget();
        if (!okno) return;
        if (auto* m = qobject_cast<QMessageBox*>(okno)) {
            const bool tak = los.bounded(3) == 0 && m->button(QMessageBox::Yes);
            Zapisz(
                QStringLiteral("box \"%1\" answered %2")
                    .arg(m->text().left(40), tak ? QStringLiteral("Yes") : QStringLiteral("No")));
            if (tak && m->text() == t.okno->PodajTekst(2108)) ++kasowaniaBledow;
            for (auto w = Wymazywane.begin(); tak && w != Wymazywane.end(); ++w)
                if (m->text() == t.okno->PodajTekst(w.key()))
                    for (int kod : w.value())
                        wymazane.insert(kod);
            QAbstractButton* b = m->button(tak ? QMessageBox::Yes : QMessageBox::No);
            if (!b) b = m->buttons().value(0);
            if (b) b->click();
        } else if (auto* d = qobject_cast<QDialog*>(okno)) {
            d->reject();
        }
    }

    TOknoTestowe& t;
    const bool glosno = qEnvironmentVariableIsSet("SELVAR_MALPA_GLOSNO");
    QRandomGenerator los;
    QList<QByteArray> stan;
    QTimer odpowiadanie;
};

quint32 Ziarno() {
    bool ok = false;
    const quint32 z = qEnvironmentVariable("SELVAR_MALPA_SEED").toUInt(&ok);
    return ok ? z : 20261210u;
}

int Kroki() {
    bool ok = false;
    const int n = qEnvironmentVariable("SELVAR_MALPA_KROKI").toInt(&ok);
    return ok && n > 0 ? n : 2000;
}

QList<QJsonObject> Dziennik(const QString& sciezka) {
    QFile plik(sciezka);
    QList<QJsonObject> linie;
    if (!plik.open(QIODevice::ReadOnly)) return linie;
    for (const QByteArray& l : plik.readAll().split('\n'))
        if (!l.isEmpty()) linie << QJsonDocument::fromJson(l).object();
    return linie;
}

} // namespace

class TestMalpa : public QObject {
    Q_OBJECT

private slots:
    void oknoWytrzymujeMalpe();
};

void TestMalpa::oknoWytrzymujeMalpe() {
    QTemporaryDir katalog;
    katalog.setAutoRemove(!qEnvironmentVariableIsSet("SELVAR_MALPA_GLOSNO"));
    const QString dziennik = katalog.filePath(QStringLiteral("dziennik.json"));
    const QString bloki = katalog.filePath(QStringLiteral("bloki"));
    const QString lacze = katalog.filePath(QStringLiteral("selvar"));
    QVERIFY(QDir().mkpath(bloki));
    const quint32 ziarno = Ziarno();
    std::fprintf(stderr, "monkey seed %u, %d actions\n", ziarno, Kroki());
    TProcesSymulatora symulator(QStringLiteral(SELVAR_SIM),
                                {QStringLiteral("--no-learning"), QStringLiteral("--seed"),
                                 QString::number(ziarno), QStringLiteral("--log"), dziennik,
                                 QStringLiteral("--blocks-dir"), bloki, QStringLiteral("--link"),
                                 lacze});
    QVERIFY(!symulator.Sciezka().isEmpty());
    TOpcjeOkna opcje;
    opcje.PortSterownika = lacze;
    TOknoTestowe t([](QSettings& u) { u.setValue(QStringLiteral("Selvar2/Lang"), 0); }, opcje);
    t.okno->resize(1366, 768);
    t.okno->activateWindow();
    t.Zegar(QStringLiteral("Timer1"))->start();
    TSterownik& s = t.s();
    s.Zegar().start();
    QVERIFY(QTest::qWaitFor(
        [&s] { return s.IdentSterownika[0] != 0 && s.DoOdczytu == 0 && s.Rozkazy == 0; }, 20000));

    TMalpa malpa(t, ziarno);
    const auto raport = [&](const QString& co) {
        std::fprintf(stderr, "monkey seed %u failed: %s\nlast actions:\n", ziarno, qPrintable(co));
        for (const QString& a : malpa.ostatnie)
            std::fprintf(stderr, "  %s\n", qPrintable(a));
    };
    Ostrzezenia.clear();
    const QtMessageHandler stary = qInstallMessageHandler(Zbieraj);
    const int kroki = Kroki();
    for (int i = 0; i < kroki; ++i) {
        malpa.Krok();
        if (!Ostrzezenia.isEmpty()) break;
    }
    qInstallMessageHandler(stary);
    if (!Ostrzezenia.isEmpty()) raport(QStringLiteral("warning: ") + Ostrzezenia.first());
    QVERIFY2(Ostrzezenia.isEmpty(), qPrintable(Ostrzezenia.value(0)));

    // A calibration still running shows its measurement as it goes; stopped, it is written.
    if (s.FlagiParam & 1) s.StartStopKalibracji();
    // Connected again, and every change acknowledged.
    if (!s.PortConnected())
        t.okno->menuBar()->findChild<QAction*>(QStringLiteral("MenuConn0"))->trigger();
    const bool zgodne = QTest::qWaitFor(
        [&s] {
            // The OBD module's block is read once the module has spoken on this connection.
            return s.PortConnected() && s.IdentSterownika[0] != 0 && s.ModulObd &&
                   s.DoZapisu == 0 && s.BezPotwierdzenia == 0 && s.DoOdczytu == 0;
        },
        30000);
    if (!zgodne) raport(QStringLiteral("writes not acknowledged in the end"));
    QVERIFY(zgodne);
    QTest::qWait(300);

    int zmianyPaliwa = 0, szybkie = 0, kasowania = 0;
    QStringList obce;
    for (const QJsonObject& l : Dziennik(dziennik)) {
        const int kod = l.value(QStringLiteral("code")).toInt();
        zmianyPaliwa += kod == ZmianaPaliwa;
        szybkie += kod == SzybkaZmiana;
        kasowania += kod == KasujBledy;
        // The history is written with the changes it records, even when it stays the same.
        const bool historia = kod == 0xC7 && !malpa.zmienione.isEmpty();
        for (const TBlokMalpy& b : Bloki(s))
            if (kod == b.kodZapisu && !malpa.zmienione.contains(kod) &&
                !malpa.wymazane.contains(kod) && !historia)
                obce << QString::fromLatin1(b.nazwa);
    }
    const auto sprawdz = [&](bool dobrze, const QString& co) {
        if (!dobrze) raport(co);
        return dobrze;
    };
    QVERIFY(sprawdz(zmianyPaliwa <= malpa.zmianyPaliwa,
                    QStringLiteral("%1 fuel changes sent for %2 actions")
                        .arg(zmianyPaliwa)
                        .arg(malpa.zmianyPaliwa)));
    QVERIFY(sprawdz(szybkie <= malpa.szybkieZmiany,
                    QStringLiteral("%1 fast fuel changes sent for %2 actions")
                        .arg(szybkie)
                        .arg(malpa.szybkieZmiany)));
    QVERIFY(sprawdz(kasowania <= malpa.kasowaniaBledow,
                    QStringLiteral("%1 error clears sent for %2 confirmed")
                        .arg(kasowania)
                        .arg(malpa.kasowaniaBledow)));
    QVERIFY(sprawdz(obce.isEmpty(),
                    QStringLiteral("writes of unchanged blocks: ") + obce.join(QLatin1Char(' '))));
    // The window reads the delay, enrichment and pressure-emulator tables only on demand.
    const QList<int> naZadanie = {0xCB, 0xCC, 0xCD};
    for (const TBlokMalpy& b : Bloki(s)) {
        if (naZadanie.contains(b.kodZapisu) && !malpa.zmienione.contains(b.kodZapisu)) continue;
        QFile plik(QDir(bloki).filePath(QString::fromLatin1(b.nazwa) + QStringLiteral(".bin")));
        QVERIFY(plik.open(QIODevice::ReadOnly));
        const QByteArray symulatora = plik.readAll();
        const QByteArray okna(reinterpret_cast<const char*>(b.dane), b.rozmiar);
        qsizetype rozne = 0;
        while (rozne < okna.size() && rozne < symulatora.size() && okna[rozne] == symulatora[rozne])
            ++rozne;
        QVERIFY(sprawdz(symulatora == okna,
                        QStringLiteral("block %1 differs from byte %2: %3 in "
                                       "the window, %4 in the simulator")
                            .arg(QString::fromLatin1(b.nazwa))
                            .arg(rozne)
                            .arg(quint8(okna.at(std::min(rozne, okna.size() - 1))))
                            .arg(quint8(symulatora.at(std::min(rozne, symulatora.size() - 1))))));
    }
    t.okno->close();
    QVERIFY(symulator.Zakoncz());
}

QTEST_MAIN(TestMalpa)
#include "tst_malpa.moc"
