#include "TObd.h"

#include "OpisyKodow.h"
#include "TSterownik.h"
#include "TekstyObd.h"

#include <QCoreApplication>

namespace {

constexpr int PierwszyTaktMs = 200; // gives the main window time to hand over its grids

} // namespace

TObd::TObd(const TMapaPortow& mapaPortow, const QString& bibliotekaD2xx, QObject* rodzic)
    : TSerial(mapaPortow, bibliotekaD2xx, rodzic), zrodloOpisow(TabelaOpisow) {
    NumerPortu = 1;
    Pidy.reserve(TabelaPidow().size());
    for (const TOpisPid& p : TabelaPidow())
        DodajPid(p.bajty, QString::fromUtf8(p.nazwa), QString::fromUtf8(p.skrot),
                 QString::fromUtf8(p.jednostka), p.wzor);
    for (const int numer : PidyDomyslne)
        Pidy[static_cast<std::size_t>(numer)].Wybrany = true;
    zegar.setInterval(PierwszyTaktMs);
    QObject::connect(&zegar, &QTimer::timeout, this, [this] {
        if (pierwszyTakt)
            OnTimer0();
        else
            OnTimer1();
    });
    zegar.start();
}

TObd::~TObd() {
    zegar.stop();
    zegar.disconnect();
    if (SiatkaPid) SiatkaPid->UstawObsluge(nullptr, false);
    QCoreApplication::processEvents();
    SiatkaStatusu = nullptr;
    SiatkaPid = nullptr;
    PanelDtc = nullptr;
    PortClose();
}

void TObd::DodajPid(int bajty, const QString& nazwa, const QString& skrot, const QString& jednostka,
                    int wzor) {
    Pidy.push_back(pid{bajty, nazwa, skrot, jednostka, wzor, -1, false, false});
}

void TObd::OnTimer0() {
    PrzygotujSiatkeStatusu();
    if (SiatkaPid) OpiszPid();
    if (PanelDtc) PanelDtc->Wyczysc();
    zegar.stop();
    zegar.setInterval(Takt);
    pierwszyTakt = false;
    QCoreApplication::processEvents();
    zegar.start();
}

void TObd::OnTimer1() {
    // The next tick comes one interval after this one started, however long this one takes.
    zegar.stop();
    zegar.setInterval(Takt);
    zegar.start();
    if (WTakcie) return;
    if (SwiezoOtwarty) {
        SwiezoOtwarty = false;
        DoOnZdarzenie(3, 0, 0);
        Stan = 2;
    }
    WTakcie = true;
    if (PortConnected()) OdbierzBufor();
    PetlaZadan();
    WTakcie = false;
}

void TObd::WcisnietoPrzycisk(int przycisk) {
    switch (przycisk) {
    case 0:
        Stan = 100;
        break;
    case 3:
        Stan = 3000;
        break;
    case 4:
        Stan = 4000;
        break;
    default:
        break;
    }
}

void TObd::AtCommand(const QByteArray& komenda) {
    KomendaAt = komenda;
    JestKomendaAt = true;
}

void TObd::SetProtokol(int numer) {
    ProtokolStaly = numer;
    Stan = 3;
}

void TObd::DoOnZdarzenie(int x, int y, int z) {
    // The gas controller must not go on with values of a link that is gone.
    if (x == 101) ZerujStanObd();
    if (OnZdarzenie) OnZdarzenie(KodZdarzenia, x, y, z);
}

void TObd::DoOnTekst(const QString& tekst, TKolor kolor) {
    if (OnTekst) OnTekst(this, tekst, kolor);
}

void TObd::ZerujStanObd() {
    if (!Sterownik) return;
    for (int i = 3; i <= 11; ++i)
        Sterownik->StanObd[i] = 0;
}

void TObd::Status(int wiersz, const QString& tekst, bool czyscNizej) {
    if (!SiatkaStatusu) return;
    SiatkaStatusu->UstawKomorke(1, wiersz, tekst);
    if (!czyscNizej) return;
    // While no vehicle answers, the search's restarts keep saying so instead of going quiet.
    for (int w = wiersz + 1; w < WierszeStatusu; ++w)
        SiatkaStatusu->UstawKomorke(
            1, w, BrakPojazdu && w == WierszEcu ? Tekst(TekstyObd::BrakPojazdu) : QString());
}

QString TObd::Tekst(int id) const {
    if (Teksty) return Teksty->PodajTekst(id);
    if (Sterownik && Sterownik->Teksty) return Sterownik->Teksty->PodajTekst(id);
    if (!wbudowaneWczytane) wbudowaneTeksty.Wczytaj();
    wbudowaneWczytane = true;
    return wbudowaneTeksty.PodajTekst(id);
}

void TObd::PrzygotujSiatkeStatusu() {
    if (!SiatkaStatusu) return;
    static const char* const Etykiety[WierszeStatusu] = {
        "PORT:", "ELM:", "PWR:", "OBD:", "ECU:", "DTC:", "MIL:"};
    TSiatkaObd& s = *SiatkaStatusu;
    s.UstawObsluge(nullptr, false);
    s.UstawLiczbeKolumn(2);
    s.UstawLiczbeWierszy(WierszeStatusu);
    s.UstawSzerokoscKolumny(-1, 40);
    s.UstawSzerokoscKolumny(1, s.Szerokosc() - 40 - 10);
    s.UstawWysokosc(WierszeStatusu * s.WysokoscWiersza() + 2);
    for (int w = 0; w < WierszeStatusu; ++w)
        s.UstawKomorke(0, w, QString::fromLatin1(Etykiety[w]));
}
