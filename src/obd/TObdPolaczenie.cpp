// Adapter initialisation (states 100-107), protocol search (200-224) and the read-back of
// the protocol found (300-307).

#include "KoloryObd.h"
#include "Protokoly.h"
#include "TObd.h"
#include "TekstyObd.h"

namespace {

// Settings sent once the previous one was confirmed with OK, from state 102 on.
const char* const Ustawienia[] = {"ATL0\r", "ATCAF1\r", "ATH1\r", "ATM0\r", "ATRV\r"};

constexpr int PierwszyKandydat = 201;
constexpr int OstatniSprawdzany = 222;

} // namespace

void TObd::Ponow() {
    Opoznienie = 5000;
    Stan = 3;
}

void TObd::Inicjalizacja() {
    switch (Stan) {
    case 100:
        Nadaj("ATZ\r");
        Stan = 101;
        return;
    case 101:
        StatusElm();
        if (Analizuj("ELM") == 0) return Ponow();
        Nadaj("ATE1\r");
        Stan = 102;
        return;
    case 107:
        StatusVoltage();
        Stan = 200;
        return;
    default:
        if (Analizuj("OK") == 0) return Ponow();
        Nadaj(Ustawienia[Stan - 102]);
        ++Stan;
        return;
    }
}

void TObd::SprobujKandydata(int indeks) {
    const TKandydat& k = KandydaciProtokolu()[static_cast<std::size_t>(indeks)];
    Status(3, k.etykieta, true);
    DoOnTekst(k.dluga, KoloryObd::Postep);
    Nadaj(k.komenda + '\r');
}

void TObd::SzukanieProtokolu() {
    if (Stan == 200) {
        DoOnZdarzenie(102, 0, 1);
        if (ProtokolStaly != 0) {
            Status(3, Tekst(TekstyObd::Laczenie), true);
            DoOnTekst(QStringLiteral("łączenie protokołu %1").arg(ProtokolStaly),
                      KoloryObd::Postep);
            Nadaj("ATTP" + QByteArray::number(ProtokolStaly) + '\r');
            Stan = 300;
            return;
        }
        SprobujKandydata(0);
        Stan = PierwszyKandydat;
        return;
    }
    if (Stan == 223) {
        Status(3, Tekst(TekstyObd::BrakProtokolu), false);
        Opoznienie = 1000;
        Nadaj("ATM1\r");
        Stan = 224;
        return;
    }
    if (Stan == 224) {
        Opoznienie = 5000;
        Nadaj("ATZ\r");
        Stan = 3;
        return;
    }
    const int kandydat = (Stan - PierwszyKandydat) / 2;
    if ((Stan - PierwszyKandydat) % 2 == 0) {
        // The answer to the candidate's ATTP.
        if (Analizuj("OK") == 0) {
            Opoznienie = 5000;
            Stan = 200;
            return;
        }
        Nadaj("0100\r");
        ++Stan;
        return;
    }
    // The answer to its "0100": anything but an error or silence means the car answered.
    if (Odpowiedz.isEmpty()) PokazBrakPojazdu();
    if (!CzyBlad() && !Odpowiedz.isEmpty()) {
        BrakPojazdu = false;
        Status(WierszEcu, {}, false);
        Stan = 300;
    } else if (Stan == OstatniSprawdzany) {
        Stan = 223;
    } else {
        SprobujKandydata(kandydat + 1);
        ++Stan;
    }
}

void TObd::PokazBrakPojazdu() {
    BrakPojazdu = true;
    Status(WierszEcu, Tekst(TekstyObd::BrakPojazdu), false);
    DoOnTekst(Tekst(TekstyObd::BrakPojazdu), KoloryObd::Blad);
}

void TObd::OdczytProtokolu() {
    switch (Stan) {
    case 300:
        Nadaj("ATDPN\r");
        break;
    case 301:
        StatusProtokol();
        Nadaj("ATM1\r");
        DoOnZdarzenie(102, Protokol, 0);
        break;
    case 302:
        Nadaj("ATST32\r");
        break;
    case 303:
        Nadaj("ATAL\r");
        break;
    case 304:
        Nadaj("ATE0\r");
        break;
    case 305:
        Nadaj("ATH1\r");
        break;
    case 306:
        if (Analizuj("OK") == 0) {
            Stan = 100;
            return;
        }
        Nadaj("01001\r"); // only the first response: wakes the bus, not examined
        break;
    case 307:
        Nadaj("0100\r");
        break;
    default:
        return;
    }
    ++Stan;
}
