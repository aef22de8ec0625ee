// The task loop: one step per tick, each examining the last answer and sending the next
// command. States: 2, 3 port check; 100.. adapter; 200.. protocol search; 300.. read-back
// and capability scan; 400.. first readings; 1000, 1001 the PID cycle; 3000.. trouble codes;
// 4000, 4001 clearing them; 500, 501 readiness, freeze frame and vehicle information
// between them and the cycle.

#include "KodyBledow.h"
#include "KoloryObd.h"
#include "TObd.h"
#include "TekstyObd.h"

void TObd::PetlaZadan() {
    if (Opoznienie > 0) {
        Opoznienie -= Takt;
        return;
    }
    if (CzekaNaOdpowiedz) {
        if (CzasOdpowiedzi > 0)
            CzasOdpowiedzi -= Takt;
        else
            Powtorz();
        return;
    }
    if (JestKomendaAt) {
        JestKomendaAt = false;
        Nadaj(KomendaAt + '\r');
        Opoznienie = 1000; // the answer shows in the log
        return;
    }
    Krok();
}

void TObd::Krok() {
    if (Stan == 2 || Stan == 3)
        StanPortu();
    else if (Stan >= 100 && Stan <= 107)
        Inicjalizacja();
    else if (Stan >= 200 && Stan <= 224)
        SzukanieProtokolu();
    else if (Stan >= 300 && Stan <= 307)
        OdczytProtokolu();
    else if (Stan >= 308 && Stan <= 312)
        Skan();
    else if (Stan >= 400 && Stan <= 406)
        PierwszeOdczyty();
    else if (Stan == 1000 || Stan == 1001)
        CyklPid();
    else if (Stan == 500 || Stan == 501)
        Diagnoza();
    else if ((Stan >= 3000 && Stan <= 3005) || Stan == 4000 || Stan == 4001)
        Kody();
}

// Only the main ECU's positive answer counts; a refusal goes to the panel, with its reason.
void TObd::WynikKasowania() {
    const std::optional<QString> odmowa = OdmowaKasowania(Odpowiedz, Protokol, Ecu);
    Skasowano = !odmowa.has_value();
    if (!odmowa) {
        DoOnTekst(Tekst(TekstyObd::KodySkasowane), KoloryObd::Wynik);
        return;
    }
    const QString tekst = Tekst(TekstyObd::OdmowaKasowania) +
                          (odmowa->isEmpty() ? QString() : QStringLiteral(": ") + *odmowa);
    DoOnTekst(tekst, KoloryObd::Blad);
    if (PanelDtc) PanelDtc->DodajLinie(tekst, KoloryObd::Blad);
}

void TObd::StanPortu() {
    const QString numer = QString::number(NumerPortu);
    if (!PortConnected()) {
        // The rows below were the last car's: not what is connected now.
        BrakPojazdu = false;
        Status(0, Tekst(TekstyObd::BrakPolaczenia), true);
        Opoznienie = 5000;
        DoOnTekst(QStringLiteral("%1) brak połączenia").arg(Stan), KoloryObd::Postep);
        Stan = 0;
        DoOnZdarzenie(101, -1, 0);
        return;
    }
    if (Stan == 2) {
        BrakPojazdu = false;
        const bool ftdi = NumerPortu >= PierwszyFtdi;
        Status(0,
               (ftdi ? QStringLiteral("FTDI %1") : QStringLiteral("COMM %1"))
                   .arg(ftdi ? NumerPortu - PierwszyFtdi : NumerPortu),
               true);
        Opoznienie = 500;
        DoOnTekst(QStringLiteral("2) połączono") + numer, KoloryObd::Postep);
        Stan = 3;
        return;
    }
    Status(1, Tekst(TekstyObd::SzukanieInterfejsu), true);
    Protokol = -1;
    Opoznienie = 200;
    DoOnTekst(QStringLiteral("3) szukanie interfejsu"), KoloryObd::Postep);
    Stan = 100;
    DoOnZdarzenie(101, -1, 0);
}

void TObd::CyklPid() {
    if (Stan == 1000) {
        if (Protokol < 6) Opoznienie = 200; // the slow buses get a pause between requests
        if (ProtokolStaly != 0)
            Nadaj("0101\r");
        else
            KolejnyPid();
        Stan = 1001;
        return;
    }
    Stan = 1000;
    if (WyswietlPid() != 0) {
        BledyOdczytu = 0;
    } else if (++BledyOdczytu > 10) {
        BledyOdczytu = 0;
        Stan = 3; // the ECU went silent: look for the adapter again
    }
}

void TObd::Kody() {
    static constexpr int Przerwa = 200;
    switch (Stan) {
    case 3000:
        if (PanelDtc) PanelDtc->Wyczysc();
        OdczytaneKody.clear();
        Opoznienie = Przerwa;
        Nadaj("03\r");
        break;
    case 3001:
        Opoznienie = Przerwa;
        KodyBledow(OdpowiedzZapisane);
        break;
    case 3002:
        Opoznienie = Przerwa;
        Nadaj("07\r");
        break;
    case 3003:
        Opoznienie = Przerwa;
        KodyBledow(OdpowiedzOczekujace);
        break;
    case 3004:
        Opoznienie = Przerwa;
        Nadaj("0A\r");
        break;
    case 3005:
        Opoznienie = Przerwa;
        KodyBledow(OdpowiedzPermanentne);
        break;
    case 4000:
        Skasowano.reset();
        Nadaj("04\r");
        break;
    case 4001:
        WynikKasowania();
        break;
    default:
        break;
    }
    // Clearing resets the monitors and the freeze frame; a reading ends with both.
    if (Stan == 3005) return ZacznijDiagnoze(true, false, true);
    if (Stan == 4001) {
        if (Skasowano == true) Zamrozona.reset();
        return ZacznijDiagnoze(true, false, false);
    }
    ++Stan;
}
