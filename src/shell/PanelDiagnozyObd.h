#pragma once

#include "GotowoscObd.h"
#include "InformacjePojazdu.h"
#include "WidokObd.h"

#include <QWidget>

#include <optional>

class QLabel;
class QTableWidget;
class TTeksty;

// The OBD tab's monitors page: the summary line ("7 of 8 monitors ready"), one row per monitor
// with its state since the codes were cleared and in this drive cycle, and the VIN and the
// other vehicle information of every ECU.
class TPanelDiagnozyObd : public QWidget, public TWidokDiagnozy {
public:
    TPanelDiagnozyObd(const TTeksty& teksty, QWidget* rodzic);

    void PokazDiagnoze(const TGotowosc* odSkasowania, const TGotowosc* cykl,
                       const QList<TInformacjeEcu>& informacje) override;
    // Draws the last reading again, in the current language.
    void Odswiez();

private:
    void PokazMonitory();
    void PokazInformacje();
    QString TekstKomorki(const std::optional<TGotowosc>& g, int wiersz) const;

    const TTeksty& teksty;
    QLabel* podsumowanie;
    QTableWidget* monitory;
    QLabel* informacje;
    std::optional<TGotowosc> odSkasowania, cykl;
    QList<TInformacjeEcu> ecu;
};
