#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class TCzekanieNaOdczyt;
class TSterownik;
class TTeksty;
struct TPaleta;

// Device information: model, bar code, production date, software version, injectors.
class TFormDevice : public QDialog {
public:
    TFormDevice(TSterownik& s, const TTeksty& t, QWidget* rodzic);
    // Colours, title and captions, given by the opener before each showing.
    void Przygotuj(const TPaleta& paleta, const QString& tytul);

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    void Wypelnij();

    TSterownik& s;
    const TTeksty& t;
    std::array<QLabel*, 5> etykiety{};
    std::array<QLineEdit*, 5> pola{};
    TCzekanieNaOdczyt* czekanie = nullptr;
};
