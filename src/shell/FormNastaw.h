#pragma once

#include "DialogNastaw.h"

#include <array>

class QComboBox;
class QLineEdit;

// A setting with its companions: the fast start (57 with 58), the minimum gas pressure (63
// with 64 and 69), the switching signal (96 with 99 and the volume 98).
class TFormNastaw : public TDialogNastaw {
public:
    TFormNastaw(TSterownik& sterownik, QWidget* rodzic);

    // The group's key setting: 57, 63 or 96.
    int Klucz = 57;

protected:
    bool Wypelnij() override;

private:
    void Wybor(int pozycja);
    void Krok(int wiersz, int wartosc);
    void Teksty();

    QComboBox* comboBox1;
    std::array<QLabel*, 3> etykiety{};
    std::array<QLineEdit*, 3> pola{};
    std::array<TStrzalki*, 3> strzalki{};
    std::array<int, 3> nastawy{}; // the setting of each row's arrows, 0 unused
};
