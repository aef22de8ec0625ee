#pragma once

#include "DialogNastaw.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

// The injector size calculator: a nozzle estimate from the engine and the settings; it
// writes nothing back.
class TFormCal : public TDialogNastaw {
public:
    TFormCal(TSterownik& sterownik, QWidget* rodzic);

    QLineEdit* Wynik() const { return edit2; }

protected:
    bool Wypelnij() override;

private:
    void Oblicz();
    QComboBox* Lista(const QString& nazwa, int x, int y, int szerokosc);
    void Opcje(QComboBox* lista, int indeks);

    QGroupBox *groupBox1, *groupBox2, *groupBox3;
    QSpinBox* upDown1;
    QComboBox *comboBox1, *comboBox2, *comboBox3, *comboBox4, *comboBox5, *comboBox6;
    QLineEdit* edit2;
    QLabel *labelB, *label4, *label5, *label6;
};
