#pragma once

#include "Cofanie.h"
#include "Kolor.h"
#include "Oryginaly.h"
#include "TNastawa.h"
#include "TSerial.h"
#include "TWykres.h"

#include <QFile>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

class TKomunikaty;
class TOknaPlikow;
class TTeksty;
struct TDialogPliku;

// The controller: its link engine on a 25 ms tick and its data model, held byte-exact.
// Nothing else ever sends a frame: callers change a block in memory, then post a read,
// a write or a command here, and the engine decides when it goes out.
class TSterownik : public TSerial {
public:
    using TOnTekst = std::function<void(TSerial* nadawca, const QString& tekst, TKolor kolor)>;
    using TOnZdarzenie = std::function<void(int kod, int a1, int a2, int a3)>;

    // Command bits of Rozkazy.
    static constexpr int RozkazIdentyfikacja = 0x1;        // 0x81
    static constexpr int RozkazBledy = 0x2;                // 0x82
    static constexpr int RozkazIdentyfikacjaObd = 1 << 24; // 0x71
    static constexpr int RozkazBledyObd = 1 << 25;         // 0x76
    static constexpr int RozkazKasujBledyObd = 1 << 26;    // 0x74

    explicit TSterownik(const TMapaPortow& mapaPortow,
                        const QString& bibliotekaD2xx = QStringLiteral("ftd2xx"),
                        QObject* rodzic = nullptr);
    ~TSterownik() override;

    // Posting requests.
    void CzytajZeSterownika(int maska);
    void ZapiszDoSterownika(int maska);
    void RozkazDoSterownika(int maska);
    void CzytajBledyObd(int ktore);
    void KasujBledyObd(int ktore);

    // The engine; public so that tests drive it tick by tick.
    void Timer1OnTimer();
    int OdbiorRx();
    void NadawanieTx();
    bool AnalizaOdbioru(int dlugosc);
    // The tick's timer; its interval is kept when a tick restarts it, so that a test against
    // a simulator may run the link faster than the 25 ms of the line.
    QTimer& Zegar() { return zegar; }
    // Transmit slots run so far; even ones carry the live poll.
    int NumerSlotu() const { return licznikSlotow; }

    // The 256-byte block of a mask bit index (0..23), or nullptr for bits naming none.
    unsigned char* DaneBloku(int bit);

    // Calls into the data model run by the engine.

    // Identity texts, history of changes, service reminder.
    QString StrNazwaSterownika() const;
    QString StrKodKreskowy() const;
    QString StrDataProdukcji() const;
    QString StrWersjaCyframi(int czesci) const;
    QString StrIleWtryskiwaczy() const;
    QString StrCzasNaBenzynie() const;
    QString StrCzasNaGazie() const;
    QString StrCzasPrzegladu() const;
    QString StrIdentWlasny() const;
    QString StrHistoria(unsigned kolumna, int wpis) const;
    void HistoriaZmian(unsigned char rodzaj);
    void HistoriaZmianKasuj();
    // Service due after this many more gas hours; switches the reminder on and writes.
    void UstawPrzeglad(int godziny);

    // Firmware update: reads the image file whole and, when it fits the connected controller,
    // arms the update and requests the jump to the bootloader; the engine does the rest.
    // The first argument is not used.
    bool Aktualizacja(int, const QString& sciezka);

    // Settings files and scope recordings. A scope buffer holds MaksProbek live frames of
    // RozmiarProbki bytes each.
    static constexpr int MaksProbek = 36000;
    static constexpr int RozmiarProbki = 128;
    void ZapiszUstawienia();
    void CzytajUstawienia();
    // Loads the settings file at sciezka as CzytajUstawienia does after its dialog.
    void CzytajUstawieniaZPliku(const QString& sciezka);
    void ZapiszOscyloskop(const unsigned char* probki, int ile);
    void DopiszOscyloskop(const unsigned char* probki, int indeks);
    void ZamnkijOscyloskop();
    int CzytajOscyloskop(unsigned char* probki);
    QByteArray ObrazModelu(bool oscyloskop);

    // Auto-calibration at idle.
    int StartStopKalibracji();
    void EtapyKalibracji();
    int ObliczKorekteOdniesienia();

    // Settings catalogue.
    void UtworzListeNastaw();
    void DodajNastawe(unsigned indeks, unsigned tekst, unsigned char jednostka, double skala,
                      unsigned char rodzaj, unsigned char min, unsigned char domyslna,
                      unsigned char max, const std::array<int, 10>& opcje = {});
    void WypelnijNastawyDomyslne();
    void NastawyFabryczne();

    // Live values through the trace catalogue; views are Widoki bits.
    void UtworzWykresy();
    void DodajWykres(int tekst, int jednostka, int typ, int pozycja, double skala, int miejsca,
                     TKolor kolor, double wzmocnienie, int widoki);
    int PodajIleParamBiez(int widok) const;
    int PodajPozycje(int widok, int n) const;
    QString StrParamBiez(int widok, int n);
    void ListaRpmLamMafAfr();
    void ListaParamOdPlytki();
    // Work state = live byte 10 + 256 x byte 11; form 1 is the status panel's wording.
    QString StrStanPracy(unsigned short stan, int forma) const;
    TKolor KolorStanuPracy(unsigned short stan) const;
    QString StrInfoPracy(const unsigned char* ramka) const;

    // Maps, multipliers and corrections. Kasuj... of maps, multipliers, RPM corrections
    // and corrections post their writes; delays and enrichment request them.
    void KasujMapeEcuBen();
    void KasujMapeEcuGaz();
    void KasujMapeOdbBen();
    void KasujMapeObdGaz();
    void KasujMnoznik(unsigned char banki);
    void KasujKorOdObr(unsigned char banki);
    void KasujKorekty();
    void KasujOpoznienia();
    void KasujWzbogacenie();
    void WyliczMnoznik(int tryb, int dolna, int gorna);
    void DodajAdaptacje();
    void WykonajAdaptacje();
    static int CzytajKorOdCis(int pozycja);
    static int CzytajKorOdTempGazu(int pozycja);
    static int CzytajTabTer2k2(int pozycja);
    static int CzytajTabTer4k7(int pozycja);
    static int CzytajTabTer6k8(int pozycja);
    static int CzytajTabTer10k(int pozycja);

    // Link state.
    unsigned char RamkaTx[1024] = {};
    unsigned char RamkaRx[1024] = {};
    int CzekajSloty = 0;
    int BezOdpowiedzi = 0;
    int LicznikObd = 0;
    int DoOdczytu = 0;
    int DoZapisu = 0;
    int BezPotwierdzenia = 0;
    int Rozkazy = 0;
    unsigned char KasujBledy = 0, ZmianaPaliwaAuto = 0, ZmianaPaliwaSzybka = 0,
                  ZmianaWtryskiwaczy = 0, TestGlosnika = 0, TestSzczelnosci = 0, Fabryczne = 0;
    unsigned char WyslijObd = 0;
    unsigned char MaskaWtryskiwaczy = 255;
    int FlagiParam = 0;
    unsigned char LogParam = 0, LogObd = 0;
    // Firmware update sequence.
    unsigned char SkokDoBootloadera = 0, PowrotZBootloadera = 0, FlashUzbrojony = 0, FlashZapis = 0,
                  BlokBezPotwierdzenia = 0;
    int LicznikBlokow = 0; // blocks acknowledged, 0..224
    // The image file as read: the 256-byte header, then block k at 256 + 256 k.
    unsigned char ObrazFlash[65535] = {};
    // The main version the image carries, from the last block's acknowledgement until the
    // application's identity after the return; 0 otherwise.
    int WersjaPoAktualizacji = 0;
    // The identity the connected controller itself reported last on this connection, apart
    // from IdentSterownika, which a loaded settings file replaces; nullptr when none has come.
    const unsigned char* IdentZLacza() const;

    TOnTekst OnTekst;
    TOnZdarzenie OnZdarzenie;
    TKomunikaty* Komunikaty = nullptr;
    const TTeksty* Teksty = nullptr;
    TOknaPlikow* OknaPlikow = nullptr;
    QString KatalogDokumentow;      // the user's documents folder
    QString PlikBiezacy;            // the file shown offline
    std::unique_ptr<QFile> PlikOsc; // the scope file being recorded

    // Data blocks, as the controller stores them.
    unsigned char Nastawy[256] = {}; // byte 0: checksum, the block sums to 0
    unsigned char NastawyObd[48] = {};
    unsigned char MapaEcuBen[256] = {}, MapaEcuGaz[256] = {};
    unsigned char MapaObdBen1[256] = {}, MapaObdGaz1[256] = {};
    unsigned char MapaObdBen2[256] = {}, MapaObdGaz2[256] = {};
    unsigned char Mnoznik1[256] = {}, Mnoznik2[256] = {};
    unsigned char KorOdObr1[256] = {}, KorOdObr2[256] = {};
    unsigned char KorOdCis[256] = {}, KorOdTempRed[256] = {}, KorOdTempGazu[256] = {};
    unsigned char EmulatorCis[256] = {}, OpoznienieWtr[256] = {}, Wzbogacenie[256] = {};
    unsigned char Historia[256] = {};
    unsigned char IdentSterownika[128] = {};
    unsigned char IdentObd[128] = {};
    unsigned char StanObd[36] = {};
    unsigned char Zarezerwowane[64] = {}; // kept from settings files, written back as read
    // Live-frame bytes 10..12: work mode, work flags, state for the views.
    unsigned char StanPracy[3] = {};
    bool ModulObd = false;

    struct TStanKalibracji {
        int etap = 0;   // EtapKal
        int postep = 0; // PostepKal
        int krok = 0;   // KrokKal
        int cylinder = 0;
        int bezObrotow = 0;     // consecutive frames with RPM 0
        int zlyCzas = 0;        // consecutive frames with an unusable petrol time
        int czasBenzyny = 0;    // CzasBenzyny: 16 x the filtered petrol time (0.05 ms)
        int cisnienieFiltr = 0; // CisnienieFiltr: 16 x the filtered gas pressure byte
        int zapamietanyCzas = 0;
    } Kalibracja;

    // Set by the main window at start: the computer's identifier and today's date
    // (year - 2000, month, day), stamped on history entries.
    quint32 IdentyfikatorPC = 0;
    unsigned char DataDzis[3] = {};

    // The installer's changes, for undo and redo, and the configurations found on the car.
    TCofanie Cofanie{*this};
    TOryginaly Oryginaly{*this};

    // Catalogues and board model.
    TNastawa ListaNastaw[LiczbaNastaw];
    std::vector<TWykres> Wykresy;
    bool PokazSerwisowe = false;
    bool PlytkaV3 = false;
    int LiczbaWtryskiwaczy = 8;

private:
    // The tables of the correction modes read this session (they are not in every
    // connection's read); a new connection reads them again.
    int naZadanie = 0;

    // Transmit rules, tried in order until one sends or waits.
    bool NadajBootloader();
    void NadawanieKolejki();
    bool NadajRozkaz();
    bool NadajZapisBloku(int w);
    bool NadajOdczytBloku();
    bool NadajObd(int w);
    void NadajParametry(bool zObd);
    void ZapiszBlok(unsigned char kod, const unsigned char* blok, int rozmiar, int czekaj);
    void RamkaAll(unsigned char start, unsigned char kod, int dlugoscDanych);
    void Ramka(unsigned char kod, int dlugoscDanych);
    void RamkaObd(unsigned char kod, int dlugoscDanych);

    // Reply decoding.
    bool OdbiorSterownika(int dlugosc);
    bool OdbiorObd(int dlugosc);
    void OdbiorIdentyfikacji(int dlugosc);
    void OdbiorBiezacych();
    void KomunikatBoczny();
    bool OdbiorBloku(int dlugosc);
    bool OdbiorZapisu();
    bool PelnyBlok(int dlugosc, int rozmiar);
    void SumaBloku(const unsigned char* blok, int rozmiar, const char* blad);

    struct TMiejsceObrazu {
        int polozenie;
        unsigned char* blok;
        int rozmiar;
    };
    std::vector<TMiejsceObrazu> UkladObrazu();
    static bool NaglowekZgodny(const QByteArray& dane, bool oscyloskop);
    void WczytajObraz(const QByteArray& obraz);
    TDialogPliku Dialog(int tytul, bool oscyloskop) const;
    void Blad(const char* tekst);
    std::optional<QByteArray> CzytajCaly(const QString& sciezka, const char* bladOtwarcia);
    void ZamknijPlikOsc();
    int WidokZSerwisowymi(int widok) const;
    int GodzinyNaGazie() const;
    void DopiszOdlozonaHistorie();
    int SredniCzasBenzyny();
    int FiltrCisnienia();
    bool KrokKalibracji(int a, int p);
    void StartKalibracji();
    bool PomiarNaBenzynie(int a);
    void PrzejscieNaGaz();
    bool PomiarNaGazie(int a, int p);
    void PowrotNaBenzyne();
    void ZadajMaske(unsigned char maska);

    // Firmware blocks.
    void ZapisBlokuFlash();
    void PotwierdzenieBlokuFlash();
    // The bootloader answers and nothing is armed: it takes no live polls.
    bool BootloaderBezAktualizacji() const;

    void Opis(const char* tekst);
    void Log(const QString& tekst, TKolor kolor);
    void Zdarzenie(int kod, int a1, int a2, int a3);

    QTimer zegar;
    std::minstd_rand losowe;
    int naglowekRx = 0; // 4 while a header is held and its body awaited
    int dlugoscCiala = 0;
    int tykniecNaCialo = 0; // ticks a held header has waited for its body
    static constexpr int MaksTykniecNaCialo = 12;
    int licznikTykniec = 0;
    int licznikSlotow = 0;
    bool straznik = false;
    int odlozonaHistoria = 0; // kinds of change waiting for the history to be read
    std::optional<std::array<unsigned char, 128>> identZLacza;
};
