// The firmware update as the window follows it: the reconnect held off while the dialog
// shows an update, the dialog offered to a controller left in its bootloader, and the
// version checked after the return to the application, with the result said either way.

#include "FormProg.h"
#include "KomunikatyOdlozone.h"
#include "ObrazFirmware.h"
#include "TForm1.h"
#include "TSterownik.h"

#include <QTimer>

bool TForm1::AktualizacjaWToku() const {
    const TSterownik& s = *sterownik;
    return s.PortConnected() && (s.FlashUzbrojony || s.FlashZapis) && formProg->Aktualizuje();
}

void TForm1::OfertaPoZamknieciu() {
    if (formProg->isVisible()) {
        // Run from the event loop, not from inside the closing dialog.
        connect(
            formProg, &QDialog::finished, this,
            [this] { QTimer::singleShot(0, this, [this] { OfertaPoZamknieciu(); }); },
            Qt::SingleShotConnection);
        return;
    }
    const unsigned char* ident = sterownik->IdentZLacza();
    if (ident && ident[5] == 1 && !sterownik->FlashUzbrojony) OtworzFirmware();
}

void TForm1::SprawdzWersjePoAktualizacji() {
    TSterownik& s = *sterownik;
    const unsigned char* ident = s.IdentZLacza();
    const int oczekiwana = s.WersjaPoAktualizacji;
    if (!ident || ident[5] != 0 || oczekiwana == 0) return;
    s.WersjaPoAktualizacji = 0;
    const int zgloszona = ident[ObrazFirmware::IdentWersji];
    if (zgloszona != oczekiwana)
        komunikatyLaczy.KomunikatTekst(PodajTekst(1378).arg(zgloszona).arg(oczekiwana),
                                       TKomunikaty::Blad);
    else
        komunikatyLaczy.KomunikatTekst(
            PodajTekst(2123).arg(ObrazFirmware::StrWersjaSterownika(ident)),
            TKomunikaty::Informacja);
}
