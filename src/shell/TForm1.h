#pragma once

#include "Kolor.h"
#include "KomunikatyOdlozone.h"
#include "KomunikatyOkna.h"
#include "MapaPortow.h"
#include "Paleta.h"
#include "Preferencje.h"
#include "Teksty.h"
#include "TlumaczQt.h"

#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QSet>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QSettings;
class QSplitter;
class QTableWidget;
class QTextEdit;
class QToolButton;
class TFormAdmin;
class TFormDevice;
class TFormLogo;
class TFormParam;
class TFormProg;
enum class DialogNastaw;
class TFormService;
class TDialogNastaw;
class TFormCal;
class TFormInj;
class TFormLevel;
class TFormNastaw;
class TFormSeq;
class TGrafika;
class TListaWykresow;
class TNastawy;
class TMenuPortowOkna;
class TObd;
class TSerial;
class TOknaPlikowOkna;
class TPanel;
class TPanelDiagnozyObd;
class TPanelObdOkna;
class TScope;
class TSerial;
class TSiatkaCzasow;
class TSiatkaObdOkna;
class TSiatkaParametrow;
class TSterownik;
class TZapisyOczekujace;
class TZnacznikDzialan;

// What the command line gives the window for one session.
struct TOpcjeOkna {
    QString PortSterownika; // device path of the controller, instead of the stored port
    QString PortElm;        // device path of the OBD adapter
    QString PlikSladu;      // every log line of both links goes here too
    // The developer mode is available, as on the developers' own machines.
    bool Deweloper = false;
};

// The main window: it owns the controller link, the OBD reader and the three views, and
// shows them through tabs, a command bar, live panels on the right and a status panel.
class TForm1 : public QMainWindow {
public:
    // Port numbers a session's device paths are mapped to; never stored as preferences.
    static constexpr int PortSesjiSterownika = 200;
    static constexpr int PortSesjiElm = 201;
    static inline const QString TytulPodstawowy = QStringLiteral("SELVAR v2.04");

    // ustawienia: the root the preferences live under (groups "Selvar2" and "Karvel").
    TForm1(QSettings& ustawienia, const TOpcjeOkna& opcje = {}, QWidget* rodzic = nullptr);
    ~TForm1() override;

    TSterownik& Sterownik() { return *sterownik; }
    TObd& Obd() { return *obd; }
    TGrafika& Grafika() { return *grafika; }
    TScope& Scope() { return *scope; }
    TNastawy& Nastawy() { return *nastawy; }
    const TTeksty& Teksty() const { return teksty; }
    const TPaleta& Paleta() const { return paleta; }

    // The link event handler of both links: code 0..5 from the controller, 100 from the
    // OBD reader.
    void ZdarzenieLacza(int kod, int a1, int a2, int a3);
    // Tick handlers of the window's timers (Form1.cpp), public so that tests drive them:
    // Timer1 (100 ms) shows a lost link and reconnects, Timer2 shows the splash at start.
    void Timer1OnTimer();
    void Timer2OnTimer();
    // A simulator of the demo has ended: its link is gone, the user is told once.
    void SymulatorZakonczony(const QString& nazwa);
    QString PodajTekst(int id) const { return teksty.PodajTekst(id); }

    int Widok = 1;
    int Schemat = 3;
    int TrybSerwisowy = 0;
    bool DrugiRzad = false;
    int ZakladkaGlowna = 0;
    int ZakladkaMapy = 0;
    int ZakladkaObd = 0;
    int ProtokolObd = -1;
    QString KatalogDokumentow;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    // Building the window (Form1Budowa*.cpp).
    void Zbuduj();
    QWidget* ZbudujKolumnePrawa();
    QWidget* ZbudujSrodek();
    QWidget* ZbudujRzedyZakladek();
    QWidget* ZbudujNarzedziaMap();
    QWidget* ZbudujDol();
    QWidget* ZbudujPasekDolny();
    void ZbudujMenu();
    void ZbudujMenuAdmin();
    void ZbudujMenuPortow(QMenu* menu, const QString& nazwaPierwszej, TSerial& lacze);
    void UtworzCzesci();
    void Polacz();

    // Preferences and start-up (Form1.cpp, Form1Preferencje.cpp).
    void CzytajUstawienia();
    // The controller port's device exists (a COM path; FTDI devices are not watched), and
    // whether it has come back since the last failed opening.
    bool UrzadzenieObecne() const;
    // A port the user may not open, reported once per device with the remedy.
    void ZglosBrakUprawnien(const TSerial& port);
    bool UrzadzenieWrocilo();
    bool PrzeniesNaNumerSeryjny();
    // Stored placement when it is on a present screen, else most of the main screen.
    void UstawPolozenie();
    void ZapiszUstawienia();
    void PierwszePokazanie();
    void Sprzataj();

    // Captions, colours and view levels (Form1Napisy.cpp, Form1Schemat.cpp).
    void ZastosujNapisy();
    void ZastosujSchemat();
    void ZastosujWidok();
    void UstawJezyk(int jezyk);
    void UstawPoziomWidoku(int widok);
    void UstawSchemat(int schemat);
    void OdswiezStacyjke();

    // Sizes (Form1Rozmiar.cpp).
    void Rozmiar();
    void PoZmianieRozmiaru(QObject* obiekt);
    void UlozZakladki();
    void UlozKomendy();
    // The petrol/gas row beside the map view: half the view's height, whatever the route.
    void DopasujRzadMap();
    void ZwinLewa(bool zwin);
    void ZwinPrawa(bool zwin);
    void PokazLewa(bool widoczna);

    // Tabs and commands (Form1Zakladki.cpp, Form1Komendy.cpp).
    void WybierzZakladke(int tag);
    void ZakladkaGlownaKlik(QToolButton* przycisk);
    void ZakladkaMapyKlik(QToolButton* przycisk);
    void ZakladkaObdKlik(QToolButton* przycisk);
    void ZakladkaUstawien();
    void ZakladkaKalibracji();
    void ZakladkaMapyGlowna();
    void ZakladkaDiagnostyki();
    void ZakladkaOscyloskopu();
    void ZakladkaObdGlowna();
    void NarzedziaMap();
    void PrzelaczKodyPidy();
    void UstawPrzyciskKopii();
    void Komenda(int idNapisu, int tag, const QColor& kolor, int ktory,
                 const QString& dopisek = {});
    void UkryjKomendy();
    void KomendaKlik(QPushButton* przycisk);
    // The multiplier chart's commands: the erase buttons and the road calibration's proposal,
    // or, while a proposal is shown, Apply and Discard in place of the last two.
    void KomendyMnoznika();
    void KomendaPropozycji(int tag);
    bool Potwierdz(int idPytania);
    void PrzeniesNastawy(QWidget* panel, int wysokosc);
    // The bottom area's height: fixed, or a rule of the centre's height that holds after
    // every resize (half of it on the OBD tab).
    void UstawDol(int wysokosc);
    void UstawDol(std::function<int()> wysokosc);
    // Keeps the bottom area at the height its tab wants until the user drags the splitter.
    void DopasujDol();

    // Keys (Form1Klawisze.cpp).
    bool Klawisz(int klawisz, Qt::KeyboardModifiers shift);
    // A text entry of the window has the keyboard focus: typed keys are its own.
    bool WpisywanieTekstu() const;
    void KlawiszMapy();
    void KlawiszObd();
    void KlawiszF8();
    void KlawiszF9();
    void PrzelaczTrybSerwisowy();

    // Link events and the status (Form1Zdarzenia.cpp, Form1Status.cpp).
    void Identyfikacja();
    void PodzakladkiModulow();
    void OtworzDialogNastaw(DialogNastaw dialog, int indeks);
    void Bledy();
    void BlokDanych();
    void PlikOffline();
    void Kalibracja(int etap, int krok);
    void RamkaBiezaca();
    void StatusRamki();
    void Lampki();
    void RysujStacyjke(int b13, int b14);
    void HistoriaRamki();
    void BrakPolaczenia();
    // The pending-writes indicator; a box names the writes a lost link took with it.
    void StanZapisow();

    // Live panels (Form1Panele.cpp).
    void ZerujPanele();
    void GasZywe();
    void UlozPrawa();
    void RysujObrazObd();
    void TabelaParametrow();

    // Menus (Form1Menu.cpp, Form1Admin.cpp).
    void OtworzUrzadzenie();
    void OtworzSerwis();
    void OtworzFirmware();
    // A controller left in its bootloader: the firmware dialog, once a connection.
    void OfertaFirmware();

    // Firmware update seen from the window (Form1Firmware.cpp).
    // The dialog shows an update that is armed or writing: its watchdog, not the lost-link
    // reconnect, decides when the update has stopped.
    bool AktualizacjaWToku() const;
    // The offer, once the dialog is no longer open.
    void OfertaPoZamknieciu();
    // The application's identity after an update: a version other than the image's fails it.
    void SprawdzWersjePoAktualizacji();

    // Oscilloscope commands and the trace list (Form1Oscyloskop.cpp).
    void KomendaOscyloskopu(unsigned komenda);
    void PolaczListeWykresow();
    void CzytajPlik();
    void ZapiszPlik();
    void OtworzDokumentacje(const QString& folder);
    void Transmisja(bool wlaczona);
    void Naglowek();
    void Loguj(TSerial* nadawca, const QString& tekst, TKolor kolor);
    void UstawLogowanie();

    // Undo and redo, and the configurations kept from the car (Form1Cofanie.cpp).
    void UtworzCofanie();
    void ZbudujMenuEdycji(QMenuBar* pasek);
    void NapisyEdycji();
    void CofnijZmiane(bool wstecz);
    void PoZmianieDanych();
    void ZbudujMenuOryginalow(QMenu* plik);
    void ListaOryginalow(QMenu& menu);
    void WczytajOryginal(const QString& sciezka);

    QSettings& ustawienia;
    TOpcjeOkna opcje;
    TTeksty teksty;
    TTlumaczQt tlumaczQt;
    TKomunikatyOkna komunikaty;
    // The boxes the links ask for, shown after their tick.
    TKomunikatyOdlozone komunikatyLaczy{komunikaty};
    TMapaPortow mapaPortow;
    TPaleta paleta;
    TPreferencje preferencje;
    bool urzadzenieObecne = false;
    QSet<QString> zgloszoneBezUprawnien;

    std::unique_ptr<TSterownik> sterownik;
    std::unique_ptr<TObd> obd;
    TGrafika* grafika = nullptr;
    TScope* scope = nullptr;
    TNastawy* nastawy = nullptr;

    TFormDevice* formDevice = nullptr;
    TFormService* formService = nullptr;
    // The settings editor's dialogs.
    TFormCal* formCal = nullptr;
    TFormInj* formInj = nullptr;
    TFormSeq* formSeq = nullptr;
    TFormLevel* formLevel = nullptr;
    TFormNastaw* formNastaw = nullptr;
    TFormAdmin* formAdmin = nullptr;
    TFormParam* formParam = nullptr;
    TFormProg* formProg = nullptr;
    TFormLogo* formLogo = nullptr;

    // The frame.
    QWidget* panelRight = nullptr;
    TPanel* panelRightShow = nullptr;
    QWidget* panelParam = nullptr;
    TPanel* banerParametry = nullptr;
    TPanel* banerCzasWtr = nullptr;
    TSiatkaParametrow* siatkaParametrow = nullptr;
    TSiatkaCzasow* siatkaCzasow = nullptr;
    QWidget* panel1 = nullptr;
    TPanel* image1 = nullptr;
    TPanel* image2 = nullptr;
    QWidget* panelCenter = nullptr;
    QWidget* panelWidoku = nullptr;
    QWidget* panelLeft = nullptr;
    TPanel* panelLeftShow = nullptr;
    TPanel* banerOsc = nullptr;
    TListaWykresow* listaWykresow = nullptr;
    std::array<QWidget*, 3> panelTopTab{};
    QWidget* panelNasInfoObd = nullptr;
    QSplitter* splitter = nullptr;
    QWidget* panelInfo = nullptr;
    TPanel* banerInfo = nullptr;
    QTextEdit* richEditInfo = nullptr;
    QWidget* panelObd = nullptr;
    QWidget* panelObdTab = nullptr;
    QTextEdit* richEditDtc = nullptr;
    QTableWidget* stringGridPid = nullptr;
    QTableWidget* stringGridElm = nullptr;
    TPanelDiagnozyObd* panelMonitory = nullptr; // the OBD tab's monitors and VIN
    QWidget* panelBledy = nullptr;
    TPanel* banerBledy = nullptr;
    QTextEdit* richEditBledy = nullptr;
    QWidget* panel80 = nullptr;
    QWidget* panel81 = nullptr;
    QWidget* panel82 = nullptr;
    QWidget* panel83 = nullptr;
    QWidget* panelBottomStatus = nullptr;
    std::array<QPushButton*, 4> btn{};
    QProgressBar* progressBar1 = nullptr;
    TPanel* panelStatus = nullptr;
    TZapisyOczekujace* zapisy = nullptr;
    QWidget* panel50 = nullptr;
    std::unique_ptr<TSiatkaObdOkna> siatkaElm, siatkaPid;
    std::unique_ptr<TPanelObdOkna> panelDtc;

    // Buttons by their component number (SpeedButton<n>).
    QToolButton* Przycisk(int numer) const;

    // Menus.
    QMenu* menuConn = nullptr;
    QMenu* menuElm = nullptr;
    QMenu* menuAdmin = nullptr;
    QAction* Akcja(const QString& nazwa) const;

    QTimer timer1, timer2;
    int licznikTykniec = 0;
    int licznikSekund = 0;
    int licznikPodtrzymania = 0;
    int licznikPowitania = 0;
    bool pokazane = false;
    bool ofertaFirmware = false;
    // The user has chosen a tab since the start: the window no longer switches by itself.
    bool zakladkaWybrana = false;
    // The OBD-module sub-tab as last shown, so that its row is laid out again on a change.
    bool modulObdPokazany = false;
    bool zamkniete = false;
    QColor kolorDiagnostyki;
    QImage stacyjka;
    int lampki13 = -1, lampki14 = -1;
    // The live column shows the controller's values (a live frame since the link came up).
    bool zyweWartosci = false;
    // The views show a file opened offline, not a controller.
    bool plikNaEkranie = false;
    std::function<int()> wysokoscDolu;
    bool lewaWidoczna = false; // the tab shows the left column
    bool lewaZwinieta = false, prawaZwinieta = false;
    QFile slad;
    std::vector<std::unique_ptr<TMenuPortowOkna>> menuPortow;
    std::unique_ptr<TOknaPlikowOkna> oknaPlikow;
    QMenu* menuEdycji = nullptr;
    std::unique_ptr<TZnacznikDzialan> znacznikDzialan;
};
