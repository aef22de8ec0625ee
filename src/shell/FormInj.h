#pragma once

#include "DialogNastaw.h"

#include <array>

class QLineEdit;

// Injector corrections: one trim per gas injector, settings 216..223, each stored and sent
// through the settings editor with every step of its arrows.
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
    std::array<TStrzalki*, Wierszy> strzalki{};
};
