#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TCzekanieNaOdczyt;
class TSterownik;
class TTeksty;
struct TPaleta;

// Service: operating times, the history of changes and the service reminder.
class TFormService : public QDialog {
public:
    TFormService(TSterownik& s, const TTeksty& t, QWidget* rodzic);
    void Przygotuj(const TPaleta& paleta, const QString& tytul);

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    QWidget* ZbudujStatystyke();
    QWidget* ZbudujPrzeglad();
    void Wypelnij();
    void Przypomnienie();
    void UstawPrzeglad(int godziny);

    TSterownik& s;
    const TTeksty& t;
    QGroupBox *groupBox1 = nullptr, *groupBox2 = nullptr;
    QLabel *label1 = nullptr, *label2 = nullptr, *label3 = nullptr, *label4 = nullptr,
           *label5 = nullptr, *label6 = nullptr;
    QLineEdit *edit1 = nullptr, *edit2 = nullptr, *edit3 = nullptr, *edit5 = nullptr;
    QTableWidget* stringGrid1 = nullptr;
    QCheckBox* checkBox1 = nullptr;
    QComboBox* comboBox1 = nullptr;
    QPushButton *bitBtn2 = nullptr, *bitBtn3 = nullptr;
    QPushButton* zamknij = nullptr;
    TCzekanieNaOdczyt* czekanie = nullptr;
};
