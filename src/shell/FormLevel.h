#pragma once

#include "DialogNastaw.h"

#include <array>

class QComboBox;
class QFrame;
class QLineEdit;

// The gas level sensor: its type, the four lamp thresholds with their order checked, the
// live sensor voltage and the lamps as the controller lights them.
class TFormLevel : public TDialogNastaw {
public:
    TFormLevel(TSterownik& sterownik, QWidget* rodzic);

    void RamkaBiezaca(const unsigned char* ramka) override;
    void BrakLacza() override;
    // The box of a threshold setting (41..44) and its text colour.
    QLineEdit* Pole(int nastawa) const { return pola[size_t(44 - nastawa)]; }
    QFrame* Lampka(int i) const { return lampki[size_t(i)]; } // 0 reserve, 1..4 levels

protected:
    bool Wypelnij() override;
    void done(int wynik) override;

private:
    void Typ(int pozycja);
    void WezProgi();
    void Krok(int nastawa, int wartosc);
    void Sprawdz();

    QComboBox* comboBox1;
    QLineEdit* edit5;
    std::array<QFrame*, 5> lampki{};
    std::array<QLineEdit*, 4> pola{}; // settings 44, 43, 42, 41
    std::array<TStrzalki*, 4> strzalki{};
    int ostatnieLampki = 255, ostatnieNapiecie = 255;
};
