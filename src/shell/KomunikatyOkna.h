#pragma once

#include "Komunikat.h"

class QWidget;
class TTeksty;

// The message boxes of the whole program, captioned "SELVAR", texts from the text table.
class TKomunikatyOkna : public TKomunikaty {
public:
    TKomunikatyOkna(const TTeksty& teksty, QWidget* okno);
    int Komunikat(int idTekstu, int flagi) override;
    int KomunikatTekst(const QString& tekst, int flagi) override;

private:
    const TTeksty& teksty;
    QWidget* okno;
};
