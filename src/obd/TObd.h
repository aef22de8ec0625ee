#pragma once

#include "GotowoscObd.h"
#include "InformacjePojazdu.h"
#include "KatalogPidow.h"
#include "KodyBledow.h"
#include "Kolor.h"
#include "TSerial.h"
#include "Teksty.h"
#include "WidokObd.h"
#include "ZamrozonaRamka.h"

#include <QByteArray>
#include <QTimer>

#include <deque>
#include <functional>
#include <map>
#include <vector>

class TSterownik;

// The OBD-II reader: an ELM327-compatible adapter on a port of its own. One timer tick
// collects the adapter's bytes and advances the task loop by at most one step, so nothing
// here ever waits for the adapter.
class TObd : public TSerial, public TObslugaSiatki {
public:
    using TOnTekst = std::function<void(TSerial* nadawca, const QString& tekst, TKolor kolor)>;
    using TOnZdarzenie = std::function<void(int kod, int a1, int a2, int a3)>;

    static constexpr int KodZdarzenia = 100;
    static constexpr int RozmiarBufora = 1024;
    static constexpr int WierszeStatusu = 7;
    static constexpr int WierszProtokolu = 3;
    static constexpr int WierszEcu = 4;

    explicit TObd(const TMapaPortow& mapaPortow,
                  const QString& bibliotekaD2xx = QStringLiteral("ftd2xx"),
                  QObject* rodzic = nullptr);
    ~TObd() override;

    // The link to the adapter.
    void Nadaj(const QByteArray& komenda); // the command with its CR
    void WyslijBufor(const unsigned char* dane, int dlugosc);
    void OdbierzBufor();
    void Powtorz();
    int Analizuj(const QByteArray& wzor) const;
    bool CzyBlad() const;

    // The status grid.
    void Status(int wiersz, const QString& tekst, bool czyscNizej);
    // A text of the reader in the user's language: from Teksty, else from the controller
    // object's table, else from the built-in table in Polish.
    QString Tekst(int id) const;
    void StatusElm();
    void StatusVoltage();
    void StatusProtokol();
    void StatusEcu();
    void SzukajEcu();
    void StatusDteMil();
    void SetProtokol(int numer);

    // PIDs.
    void DodajPid(int bajty, const QString& nazwa, const QString& skrot, const QString& jednostka,
                  int wzor);
    int SzukajEcuPid(unsigned char numerPid) const;
    int WyswietlPid();
    void PIDsupported(int baza);
    void KolejnyPid();
    void OpiszPid();
    void ZmianaListy(int widok);
    std::optional<TKolor> MyGridPidyDrawCell(int kolumna, int wiersz) const override;
    void MyGridPidyClick(int kolumna, int wiersz) override;
    void MyGridPidyDblClick(int kolumna, int wiersz) override;
    void MyGridPidyKeyDown(int klawisz, int kolumna, int wiersz) override;

    // Trouble codes.
    void KodyBledow(unsigned char odpowiedz);
    void KodyBledowCyfra(std::uint32_t kod);
    void KodyBledowOpis(const QString& kod, int zasob);
    // Where the description tables come from; tests hand in small ones.
    void UstawZrodloOpisow(std::function<QByteArray(int zasob)> zrodlo);

    // The task loop; the tick handlers are public so that tests drive it tick by tick.
    void OnTimer0();
    void OnTimer1();
    void PetlaZadan();
    void WcisnietoPrzycisk(int przycisk);
    void AtCommand(const QByteArray& komenda);
    void DoOnZdarzenie(int x, int y, int z);
    void DoOnTekst(const QString& tekst, TKolor kolor);
    void TESTY();
    QTimer& Zegar() { return zegar; }

    std::vector<pid> Pidy;
    QByteArray Odpowiedz; // the last whole answer, prompt included; empty after a time-out
    QByteArray KomendaAt;
    int TrybListy = 0; // PID grid: 0 the whole catalogue, other the selected PIDs
    int IleEcu = 0;
    int Ecu = 0;
    int Protokol = 0; // -1 while the adapter is searched for
    int AktualnyPid = 0;
    int Stan = 0;
    int Opoznienie = 0;     // ms before the loop acts again
    int CzasOdpowiedzi = 0; // ms left for the answer in flight
    int BledyOdczytu = 0;
    bool WTakcie = false;
    bool CzekaNaOdpowiedz = false;
    bool JestKomendaAt = false;
    unsigned char BuforOdb[RozmiarBufora] = {};
    int DlugoscOdb = 0;
    int ProtokolStaly = 0; // 0: automatic search
    // No vehicle answered a "0100" of the protocol search within the answer time; shown in
    // the ECU row until a protocol is found.
    bool BrakPojazdu = false;
    // The last clearing: nullopt before any, else whether the main ECU confirmed it.
    std::optional<bool> Skasowano;

    // Readiness of the main ECU's monitors (PID 01 and 41), its freeze frame and what every
    // ECU told of itself in service 09; nullopt or empty until read.
    std::optional<TGotowosc> GotowoscOdSkasowania, GotowoscCyklu;
    std::optional<TZamrozonaRamka> Zamrozona;
    QList<TInformacjeEcu> Informacje;
    // The codes of the last reading by reply byte (43, 47, 4A), every ECU that answered.
    std::map<unsigned char, QList<TKodyEcu>> OdczytaneKody;

    TSterownik* Sterownik = nullptr;
    TSiatkaObd* SiatkaStatusu = nullptr; // StringGridElm
    TSiatkaObd* SiatkaPid = nullptr;     // StringGridPid
    TPanelObd* PanelDtc = nullptr;       // RichEditDtc
    TWidokDiagnozy* WidokDiagnozy = nullptr;
    const TTeksty* Teksty = nullptr;
    TOnTekst OnTekst;
    TOnZdarzenie OnZdarzenie;

    // Time in ms one tick stands for: the timer's interval after the first tick, and what
    // each tick counts off pauses and the answer time. The time an answer may take.
    int Takt = 100;
    int CzasNaOdpowiedz = 3000;

private:
    void Krok();
    void StanPortu();
    void Inicjalizacja();
    void SzukanieProtokolu();
    void SprobujKandydata(int indeks);
    void PokazBrakPojazdu();
    void OdczytProtokolu();
    void Skan();
    bool BladSkanu();
    void PierwszeOdczyty();
    void PierwszyOdczyt(int numerPid);
    void CyklPid();
    void Kody();
    void WynikKasowania();
    // States 500 and 501: the queued requests of readiness, freeze frame and vehicle
    // information one by one, each answer read by its own step, then the PID cycle.
    struct TZapytanie {
        QByteArray komenda; // without CR
        std::function<void()> poOdpowiedzi;
    };
    void Diagnoza();
    void ZacznijDiagnoze(bool odSkasowania, bool informacje, bool ramka);
    std::optional<TGotowosc> GotowoscZOdpowiedzi(int numerPid) const;
    void ZapytajOInformacje();
    void CzytajMapyInformacji();
    void ZapytajORamke();
    void CzytajKodRamki();
    void CzytajMapeRamki(int baza);
    void CzytajPidRamki(int numerPid);
    void PokazRamke();
    void Ponow();
    QByteArrayView DaneOd(int pozycja) const;
    void PrzekazSterownikowi(int numerPid, std::uint32_t v, std::uint32_t a);
    void ZerujStanObd();
    void PrzygotujSiatkeStatusu();
    void OpiszWszystkie();
    void OpiszWybrane();
    void PrzelaczWybor(int wiersz);
    const QByteArray& TabelaOpisu(int zasob);

    std::deque<TZapytanie> zapytania;
    bool ramkaDoPanelu = false;
    mutable TTeksty wbudowaneTeksty;
    mutable bool wbudowaneWczytane = false;
    QTimer zegar;
    bool pierwszyTakt = true;
    std::function<QByteArray(int)> zrodloOpisow;
    QByteArray opisy900, opisy901;
    bool opisy900Wczytane = false, opisy901Wczytane = false;
};
