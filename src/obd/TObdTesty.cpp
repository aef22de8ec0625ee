// Self-test on built-in answers: ECU discovery, bitmaps, decoding and trouble codes for each
// header style, without the adapter.

#include "ElmTekst.h"
#include "KodyBledow.h"
#include "KoloryObd.h"
#include "TObd.h"

namespace {

struct TGrupaTestu {
    const char* etykieta;
    int protokol;
    const char* odpowiedz0100;
    const char* odpowiedz0107; // nullptr: none
    const char* odpowiedz03;
    const char* odpowiedz07;
};

const TGrupaTestu Grupy[] = {
    {"J1850_PWM", 2, "41 6B 10 41 00 80 00 00 00 2F\r41 6B 11 41 00 BE 1F B8 11 2F\r\r>", nullptr,
     nullptr, nullptr},
    {"J1850_VPW", 2, "48 6B 10 41 00 BE 1F B8 11 A5\r\r>", nullptr, nullptr, nullptr},
    {"ISO_14230", 4, "86 F1 1F 41 00 BE 1F B8 11 AA\r86 F1 11 41 00 80 00 00 00 D0\r\r>", nullptr,
     "87 F1 1F 43 20 97 00 00 00 00 83\r87 F1 11 43 00 00 00 00 00 00 D3\r\r>",
     "87 F1 11 47 00 00 00 00 00 00 D7\r87 F1 1F 47 20 97 00 00 00 00 87\r\r>"},
    {"ISO_14230", 4, "86 F1 11 41 00 BE 1F B8 11 6F\r\r>", "83 F1 11 41 07 85 4B\r\r>",
     "87 F1 11 43 01 33 03 01 00 00 13\r\r>", "87 F1 11 47 00 00 00 00 00 00 D7\r\r>"},
    {"CAN_11", 8, "7E8 06 41 00 BF 9F B9 93\r7E9 06 41 00 98 18 80 11\r\r>", nullptr,
     "7E8 10 08 43 03 C1 55 C1 01\r7E8 21 C1 21 00 00 00 00 00\r7E9 04 43 01 C0 73\r\r>",
     "7E8 10 0E 47 06 01 20 02 20\r7E8 21 01 05 03 00 01 10 04\r7E8 22 43 05 03 00 01 10 04\r\r>"},
    {"CAN_29", 9, "18 DA F1 10 06 41 00 BF 9F B9 93\r18 DA F1 11 06 41 00 98 18 80 11\r\r>",
     nullptr, "18 DA F1 10 10 0C 43 05 01 05 03 40\r18 DA F1 10 21 11 20 01 21 02 21 00\r\r>",
     "18 DA F1 10 04 47 01 10 55 00 00 00\r\r>"},
};

const QString Kreski = QStringLiteral("----------------------------------------");

} // namespace

void TObd::TESTY() {
    const auto odpowiedz = [this](const char* tekst) {
        Odpowiedz = tekst;
        DoOnTekst(TekstDoLogu(Odpowiedz), KoloryObd::Odpowiedz);
    };
    bool pierwsza = true;
    for (const TGrupaTestu& g : Grupy) {
        if (!pierwsza) DoOnTekst(Kreski, KoloryObd::Test);
        pierwsza = false;
        DoOnTekst({}, KoloryObd::Test);
        DoOnTekst(QString::fromLatin1(g.etykieta), KoloryObd::Test);
        Protokol = g.protokol;
        odpowiedz(g.odpowiedz0100);
        SzukajEcu();
        PIDsupported(0x00);
        AktualnyPid = 0x00;
        WyswietlPid();
        if (g.odpowiedz0107) {
            odpowiedz(g.odpowiedz0107);
            AktualnyPid = 0x07;
            WyswietlPid();
        }
        if (g.odpowiedz03) {
            odpowiedz(g.odpowiedz03);
            KodyBledow(OdpowiedzZapisane);
            odpowiedz(g.odpowiedz07);
            KodyBledow(OdpowiedzOczekujace);
        }
    }
}
