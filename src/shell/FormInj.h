#pragma once

#include "DialogNastaw.h"

#include <array>

class QLineEdit;
class QSpinBox;

// Injector corrections: one trim per gas injector, settings 216..223, each stored and sent
// through the settings editor as it changes.
class TFormInj : public TDialogNastaw {
public:
    static constexpr int Wierszy = 8;

    TFormInj(TSterownik& sterownik, QWidget* rodzic);

protected:
    bool Wypelnij() override;

private:
    void Zmiana(int wiersz, int wartosc);
    void Teksty();

    std::array<QLabel*, Wierszy> etykiety{}, jednostki{};
    std::array<QLineEdit*, Wierszy> pola{};
    std::array<QSpinBox*, Wierszy> krokowe{};
};
