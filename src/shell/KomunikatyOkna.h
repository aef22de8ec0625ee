#pragma once

#include "Komunikat.h"

class QWidget;
class TTeksty;

// The message boxes of the whole program, captioned "SELVAR", texts from the text table.
class TKomunikatyOkna : public TKomunikaty {
public:
    TKomunikatyOkna(const TTeksty& teksty, QWidget* okno);
    int Komunikat(int idTekstu, int flagi) override;
    // The same box for a text that is built rather than looked up.
    int KomunikatTekst(const QString& tekst, int flagi);

private:
    const TTeksty& teksty;
    QWidget* okno;
};
