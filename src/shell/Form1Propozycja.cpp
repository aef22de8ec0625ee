// The road calibration's commands on the multiplier chart: propose, apply, discard.

#include "TForm1.h"
#include "TGrafika.h"

#include <QApplication>

void TForm1::KomendaPropozycji(int tag) {
    switch (tag) {
    case 314:
        grafika->Zaproponuj();
        break;
    case 315:
        // A curve changed since the proposal is not overwritten; the chart says why.
        if (!grafika->Zastosuj()) QApplication::beep();
        break;
    default:
        grafika->Odrzuc();
        break;
    }
    KomendyMnoznika();
    UlozKomendy();
}
