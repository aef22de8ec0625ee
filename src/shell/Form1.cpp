// The window's life: start-up, first showing, the two timers, closing.

#include "TForm1.h"

#include "BrakUprawnien.h"
#include "FormAdmin.h"
#include "FormCal.h"
#include "FormDevice.h"
#include "FormInj.h"
#include "FormLevel.h"
#include "FormLogo.h"
#include "FormNastaw.h"
#include "FormParam.h"
#include "FormProg.h"
#include "FormSeq.h"
#include "FormService.h"
#include "IdentyfikatorKomputera.h"
#include "Kontrolki.h"
#include "MenuPortowOkna.h"
#include "OknaPlikowOkna.h"
#include "PanelDiagnozyObd.h"
#include "SiatkaObdOkna.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TObd.h"
#include "TScope.h"
#include "TSterownik.h"
#include "ZnacznikDzialan.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTextEdit>
#include <QThread>
#include <QToolButton>

TForm1::TForm1(QSettings& u, const TOpcjeOkna& o, QWidget* rodzic)
    : QMainWindow(rodzic), ustawienia(u), opcje(o), komunikaty(teksty, this) {
    setObjectName(QStringLiteral("Form1"));
    QCoreApplication::processEvents();
    setWindowTitle(TytulPodstawowy);
    QFont czcionka = font();
    czcionka.setPointSize(8);
    czcionka.setBold(true);
    setFont(czcionka);
    setMinimumSize(640, 480);
    teksty.Wczytaj();
    try {
        sterownik = std::make_unique<TSterownik>(mapaPortow, QStringLiteral("ftd2xx"), this);
    } catch (const std::exception&) {
        QMessageBox::critical(this, QStringLiteral("SELVAR"), QStringLiteral("Error code 1"));
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    sterownik->setObjectName(QStringLiteral("Sterownik1"));
    obd = std::make_unique<TObd>(mapaPortow, QStringLiteral("ftd2xx"), this);
    Zbuduj();
    ZbudujMenu();
    UtworzCzesci();
    Polacz();
    QCoreApplication::processEvents();

    CzytajUstawienia();
    ProtokolObd = -1;
    ZwinLewa(true);
    ZerujPanele();
    ZastosujNapisy();
    ZastosujSchemat();
    ZastosujWidok();

    timer1.setParent(this);
    timer2.setParent(this);
    timer1.setObjectName(QStringLiteral("Timer1"));
    timer1.setInterval(100);
    connect(&timer1, &QTimer::timeout, this, [this] { Timer1OnTimer(); });
    timer2.setObjectName(QStringLiteral("Timer2"));
    timer2.setInterval(1000);
    connect(&timer2, &QTimer::timeout, this, [this] { Timer2OnTimer(); });
    qApp->installEventFilter(this);
    // After the window's key filter, so that the undo's marker sees the keys it takes too.
    UtworzCofanie();
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
    if (!sterownik) return;
    if (!zamkniete) Sprzataj();
    // The parts go in the order they depend on each other: the views first, the links last.
    delete grafika;
    delete scope;
    obd.reset();
    delete nastawy;
    sterownik.reset();
}

void TForm1::UtworzCzesci() {
    grafika = new TGrafika(*sterownik, panelWidoku);
    grafika->setObjectName(QStringLiteral("Grafika1"));
    grafika->Umiesc(panelWidoku);
    scope = new TScope(*sterownik, panelWidoku);
    scope->setObjectName(QStringLiteral("Scope1"));
    scope->Umiesc(panelWidoku);
    nastawy = new TNastawy(*sterownik, panelWidoku);
    nastawy->setObjectName(QStringLiteral("Nastawy1"));
    nastawy->Umiesc(panelWidoku);
    nastawy->OnDialog = [this](DialogNastaw d, int indeks) { OtworzDialogNastaw(d, indeks); };

    siatkaElm = std::make_unique<TSiatkaObdOkna>(*stringGridElm);
    siatkaPid = std::make_unique<TSiatkaObdOkna>(*stringGridPid);
    panelDtc = std::make_unique<TPanelObdOkna>(*richEditDtc);
    oknaPlikow = std::make_unique<TOknaPlikowOkna>(this);

    formDevice = new TFormDevice(*sterownik, teksty, this);
    formService = new TFormService(*sterownik, teksty, this);
    formCal = new TFormCal(*sterownik, this);
    formInj = new TFormInj(*sterownik, this);
    formSeq = new TFormSeq(*sterownik, this);
    formLevel = new TFormLevel(*sterownik, this);
    formNastaw = new TFormNastaw(*sterownik, this);
    formProg = new TFormProg(*sterownik, teksty, komunikaty, *oknaPlikow, this);
    formAdmin = new TFormAdmin(this);
    formParam = new TFormParam(*sterownik, teksty, this);
    formLogo = new TFormLogo(this);
}

void TForm1::Polacz() {
    auto zdarzenie = [this](int kod, int a1, int a2, int a3) { ZdarzenieLacza(kod, a1, a2, a3); };
    sterownik->OnZdarzenie = zdarzenie;
    sterownik->Teksty = &teksty;
    sterownik->Komunikaty = &komunikatyLaczy;
    sterownik->OknaPlikow = oknaPlikow.get();
    obd->OnZdarzenie = zdarzenie;
    obd->Sterownik = sterownik.get();
    obd->SiatkaStatusu = siatkaElm.get();
    obd->SiatkaPid = siatkaPid.get();
    obd->PanelDtc = panelDtc.get();
    PolaczListeWykresow();
    obd->WidokDiagnozy = panelMonitory;
    if (!opcje.PlikSladu.isEmpty()) {
        slad.setFileName(opcje.PlikSladu);
        if (!slad.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate))
            komunikaty.KomunikatTekst(QStringLiteral("Error code 2: ") + opcje.PlikSladu,
                                      TKomunikaty::Blad);
    }
    UstawLogowanie();
}

void TForm1::showEvent(QShowEvent* zdarzenie) {
    QMainWindow::showEvent(zdarzenie);
    if (pokazane || !sterownik) return;
    pokazane = true;
    PierwszePokazanie();
}

void TForm1::PierwszePokazanie() {
    QCoreApplication::processEvents();
    KatalogDokumentow = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    sterownik->KatalogDokumentow = KatalogDokumentow;
    if (!KatalogDokumentow.isEmpty()) {
        const QDir dokumenty(KatalogDokumentow);
        for (const char* folder : {"ORVA/Selvar II/Scope", "ORVA/Selvar II/Settings"})
            dokumenty.mkpath(QString::fromLatin1(folder));
    }
    sterownik->IdentyfikatorPC = IdentyfikatorKomputera();
    if (opcje.Deweloper) {
        TrybSerwisowy = 1;
        timer2.setInterval(100);
    }
    const QDate dzis = QDate::currentDate();
    sterownik->DataDzis[0] = static_cast<unsigned char>(dzis.year() - 2000);
    sterownik->DataDzis[1] = static_cast<unsigned char>(dzis.month());
    sterownik->DataDzis[2] = static_cast<unsigned char>(dzis.day());

    Przycisk(31)->setChecked(true);
    ZakladkaObdKlik(Przycisk(31));
    Przycisk(11)->setChecked(true);
    ZakladkaMapyKlik(Przycisk(11));
    WybierzZakladke(0);
    Rozmiar();
    // An adapter named for this session is connected at once, as the controller is by Timer1.
    if (!opcje.PortElm.isEmpty()) obd->PortOpen(-1);
    QCoreApplication::processEvents();
    timer1.start();
    timer2.start();
}

void TForm1::closeEvent(QCloseEvent* zdarzenie) {
    if (!sterownik || zamkniete) {
        zdarzenie->accept();
        return;
    }
    timer1.stop();
    QCoreApplication::processEvents();
    QThread::msleep(200);
    Sprzataj();
    zdarzenie->accept();
}

void TForm1::Sprzataj() {
    zamkniete = true;
    timer1.stop();
    timer2.stop();
    if (formLogo) formLogo->close();
    sterownik->PortClose();
    obd->PortClose();
    ZapiszUstawienia();
    sterownik->OnZdarzenie = nullptr;
    obd->OnZdarzenie = nullptr;
    sterownik->OnTekst = nullptr;
    obd->OnTekst = nullptr;
    QCoreApplication::processEvents();
}

void TForm1::Timer1OnTimer() {
    ZglosBrakUprawnien(*sterownik);
    ZglosBrakUprawnien(*obd);
    if (++licznikTykniec >= 10) {
        licznikTykniec = 0;
        ++licznikSekund;
    }
    // The error panel of the diagnostics tab stays current without a click.
    if (ZakladkaGlowna == 3 && ++licznikPodtrzymania > 50) {
        licznikPodtrzymania = 0;
        sterownik->RozkazDoSterownika(TSterownik::RozkazBledy);
    }
    StanZapisow();
    if (sterownik->PortConnected() && sterownik->BezOdpowiedzi <= 10) return;
    BrakPolaczenia();
    if (AktualizacjaWToku()) return;
    QAction* polacz = Akcja(QStringLiteral("MenuConn0"));
    if (licznikTykniec != 0) return;
    // A replugged cable brings its device back: that, like Connect, restarts the attempts.
    if (polacz->data().toInt() == -2 && UrzadzenieWrocilo()) polacz->setData(0);
    if (polacz->data().toInt() != 0) return;
    // A failed automatic opening stops further attempts until the user chooses Connect.
    if (!sterownik->PortOpen(-1)) {
        polacz->setData(-2);
        urzadzenieObecne = UrzadzenieObecne();
    }
}

void TForm1::SymulatorZakonczony(const QString& nazwa) {
    komunikatyLaczy.KomunikatTekst(PodajTekst(1391).arg(nazwa), TKomunikaty::Blad);
}

// Once per device: the reconnect keeps failing the same way every second.
void TForm1::ZglosBrakUprawnien(const TSerial& port) {
    if (port.BrakUprawnien.isEmpty() || zgloszoneBezUprawnien.contains(port.BrakUprawnien)) return;
    zgloszoneBezUprawnien.insert(port.BrakUprawnien);
    komunikaty.KomunikatTekst(TekstBrakuUprawnien(teksty, port.BrakUprawnien), TKomunikaty::Blad);
}

bool TForm1::UrzadzenieObecne() const {
    const QString sciezka = mapaPortow.Sciezka(sterownik->NumerPortu);
    return !sciezka.isEmpty() && QFileInfo::exists(sciezka);
}

bool TForm1::UrzadzenieWrocilo() {
    const bool bylo = urzadzenieObecne;
    urzadzenieObecne = UrzadzenieObecne() || PrzeniesNaNumerSeryjny();
    return urzadzenieObecne && !bylo;
}

// The same USB adapter plugged back under another ttyUSB number: the port follows it.
bool TForm1::PrzeniesNaNumerSeryjny() {
    // Listing the system's devices reads sysfs; not worth it for a device without a number.
    if (sterownik->NumerSeryjny.isEmpty()) return false;
    const QString sciezka =
        TMapaPortow::SciezkaNumeruSeryjnego(sterownik->NumerSeryjny, TSerial::UrzadzeniaSystemu());
    const int numer = mapaPortow.NumerSciezki(sciezka);
    if (sciezka.isEmpty() || numer < 1) return false;
    sterownik->NumerPortu = numer;
    return true;
}

void TForm1::Timer2OnTimer() {
    ++licznikPowitania;
    if (licznikPowitania == 1) formLogo->Pokaz(paleta.Tlo);
    if (licznikPowitania >= 5) {
        formLogo->close();
        timer2.stop();
    }
}

bool TForm1::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == richEditDtc->viewport() && zdarzenie->type() == QEvent::MouseButtonDblClick) {
        richEditDtc->clear();
        return true;
    }
    if (zdarzenie->type() == QEvent::Resize) {
        PoZmianieRozmiaru(obiekt);
        return false;
    }
    if (zdarzenie->type() != QEvent::KeyPress || !obiekt->isWidgetType()) return false;
    // Keys reach the window first: once, at the widget they are sent to.
    auto* w = static_cast<QWidget*>(obiekt);
    if (w->window() != this) return false;
    QWidget* fokus = QApplication::focusWidget();
    const bool pierwszy = w == fokus || (w == this && (!fokus || fokus->window() != this));
    if (!pierwszy) return false;
    auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
    // + and - by what they type: on many layouts + is a shifted key of another name.
    int kod = klawisz->key();
    if (klawisz->text() == QLatin1String("+")) kod = Qt::Key_Plus;
    if (klawisz->text() == QLatin1String("-")) kod = Qt::Key_Minus;
    const bool funkcyjny = kod >= Qt::Key_F1 && kod <= Qt::Key_F12;
    if (!funkcyjny && WpisywanieTekstu()) return false;
    return Klawisz(kod, klawisz->modifiers());
}
