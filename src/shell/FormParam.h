#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;
class TSterownik;
class TTeksty;
struct TPaleta;

// The parameter table: which traces the live parameter grid shows, one tick per trace.
class TFormParam : public QDialog {
public:
    static constexpr int Oferowane = 2;   // view bit: offered here
    static constexpr int Pokazywane = 32; // view bit: shown in the parameter grid

    TFormParam(TSterownik& s, const TTeksty& t, QWidget* rodzic);
    void Przygotuj(const TPaleta& paleta, const QString& tytul);
    // The catalogue index of a row.
    int Wykres(int wiersz) const;

    const TPaleta* Paleta() const { return paleta; }
    TSterownik& Sterownik() const { return s; }

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    void Przebuduj();
    void Klik(int wiersz);

    TSterownik& s;
    const TTeksty& t;
    const TPaleta* paleta = nullptr;
    QTableWidget* siatka;
    QPushButton* zamknij = nullptr;
};
