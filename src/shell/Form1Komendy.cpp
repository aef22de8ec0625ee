// The command bar: one handler for Btn51..Btn54, dispatching on the button's tag.

#include "Kontrolki.h"
#include "TForm1.h"
#include "TGrafika.h"
#include "TNastawy.h"
#include "TObd.h"
#include "TSterownik.h"

#include <QPushButton>

bool TForm1::Potwierdz(int idPytania) {
    return komunikaty.Komunikat(idPytania, TKomunikaty::Pytanie) == TKomunikaty::Tak;
}

void TForm1::KomendaKlik(QPushButton* przycisk) {
    TSterownik& s = *sterownik;
    switch (Tag(przycisk)) {
    case 101:
        if (Potwierdz(2100)) s.NastawyFabryczne();
        break;
    case 201:
        s.StartStopKalibracji();
        break;
    case 311:
        if (Potwierdz(2101)) s.KasujMapeEcuBen();
        nastawy->update();
        break;
    case 312:
    case 322:
        if (Potwierdz(2102)) {
            s.KasujMapeEcuGaz();
            grafika->MapaGazuSkasowana();
        }
        break;
    case 313:
        if (Potwierdz(2103)) grafika->KasujPokazanyMnoznik();
        break;
    case 314:
    case 315:
    case 316:
        KomendaPropozycji(Tag(przycisk));
        break;
    case 321:
        if (Potwierdz(2101)) s.KasujMapeEcuBen();
        break;
    case 323:
        if (Potwierdz(2104)) grafika->KasujPokazaneKorOdObr();
        break;
    case 324:
        if (Potwierdz(2105)) s.KasujMapeOdbBen();
        break;
    case 325:
        if (Potwierdz(2106)) s.KasujMapeObdGaz();
        break;
    case 331:
        if (Potwierdz(2104)) grafika->KasujKrzywa();
        break;
    case 361:
        if (Potwierdz(2104)) s.KasujOpoznienia();
        break;
    case 371:
        if (Potwierdz(2104)) s.KasujWzbogacenie();
        break;
    case 390:
        obd->PortOpen(-1);
        break;
    case 391:
        obd->WcisnietoPrzycisk(3);
        break;
    case 392:
        // A clear also erases the car's freeze frame and resets its readiness monitors.
        if (Potwierdz(2110)) obd->WcisnietoPrzycisk(4);
        break;
    case 393:
        s.CzytajBledyObd(0);
        break;
    case 394:
        if (Potwierdz(2110)) s.KasujBledyObd(0);
        break;
    case 395:
        s.CzytajBledyObd(1);
        break;
    case 396:
        s.KasujBledyObd(1);
        break;
    case 401:
        // The stored counters are the evidence a workshop shows the warranty desk.
        if (Potwierdz(2108)) s.KasujBledy = 1;
        break;
    case 402:
        s.TestGlosnika = 1;
        break;
    case 403:
        s.TestSzczelnosci = 1;
        break;
    default:
        break;
    }
    // An erased table shows at once, not at the next second's refresh.
    grafika->Rysuj();
}
