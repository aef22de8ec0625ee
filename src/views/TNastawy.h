#pragma once

#include <QWidget>

class TSterownik;
class TWypelnienie;
struct TPaleta;

// The settings editor: one page of settings of TSterownik's blocks at a time. The main
// window moves it between the centre panel and the bottom area.
class TNastawy : public QWidget {
public:
    explicit TNastawy(TSterownik& sterownik, QWidget* rodzic = nullptr);

    // Moves the editor onto a panel, filling it.
    void Umiesc(QWidget* panel);
    // Page 0, 1, 20, 50 or 51; -1 rebuilds the current page.
    void UstawWidok(int strona);
    void UstawPoziom(int poziom);
    // Lays the page out for the editor's size and repaints it.
    void Rozmiesc();
    void Ukryj();
    void KlawiszKodu(int klawisz);
    void UstawPalete(const TPaleta* paleta);

    int Strona = 0;
    int Poziom = 1;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    TSterownik& s;
    const TPaleta* paleta = nullptr;
    TWypelnienie* wypelnienie;
};
