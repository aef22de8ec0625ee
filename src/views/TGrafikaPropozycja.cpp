// The road calibration's proposal on the multiplier chart (mode 0).

#include "Cofanie.h"
#include "TGrafika.h"
#include "TSterownik.h"

void TGrafika::Zaproponuj() {
    if (TrybMapy != 0) return;
    propozycja = ZaproponujMnoznik(s, mnoznik.Bank());
    notaPropozycji = propozycja->Zmienia() ? 0 : 2257;
    Rysuj();
}

bool TGrafika::Zastosuj() {
    if (!propozycja) return false;
    const bool aktualna = propozycja->bank == mnoznik.Bank() && PropozycjaAktualna(s, *propozycja);
    if (aktualna) {
        // The curve, and with both banks alike its copy, are one undo step.
        const TDzialanie dzialanie(s.Cofanie);
        ZastosujPropozycje(s, *propozycja, s.PlytkaV3 && WyborBankuMnoznika == 0);
    }
    propozycja.reset();
    notaPropozycji = aktualna ? 2256 : 2258;
    Rysuj();
    return aktualna;
}

void TGrafika::Odrzuc() {
    propozycja.reset();
    notaPropozycji = 0;
    Rysuj();
}

void TGrafika::MapaGazuSkasowana() {
    if (notaPropozycji == 2256) notaPropozycji = 0;
    Rysuj();
}
