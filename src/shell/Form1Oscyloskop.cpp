// The oscilloscope's buttons and its trace list, as the window ties them to the view.

#include "Kontrolki.h"
#include "ListaWykresow.h"
#include "TForm1.h"
#include "TScope.h"
#include "TSterownik.h"

#include <QToolButton>

void TForm1::KomendaOscyloskopu(unsigned komenda) {
    // Clearing is final: a recording that is not going into a file asks first.
    const bool nagranie = scope->IleProbek > 0 && scope->Tryb != 5 && !sterownik->PlikOsc;
    if (komenda == 6 && nagranie && !Potwierdz(2111)) return;
    scope->Komenda(komenda);
    // The record button shows whether a file is being written: a cancelled save dialog
    // leaves it released, whatever the click made of it.
    Przycisk(53)->setChecked(sterownik->PlikOsc != nullptr);
}

void TForm1::PolaczListeWykresow() {
    listaWykresow->PoZmianie = [this] {
        if (scope->isVisible()) scope->Przerysuj();
    };
}
