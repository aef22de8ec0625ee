#pragma once

#include "RysowanieSiatki.h"

#include <QWidget>

#include <functional>

// One 17 x 17 grid of the map view: headers in row 0 and column 0, a table's cells in the
// rest, drawn by the view's rules. It keeps a selection and a live cell; what the cells
// say and how they look comes from its owner.
class TSiatkaMapy : public QWidget {
public:
    explicit TSiatkaMapy(QWidget* rodzic);

    // Cells of the given height and width, lines included, in the owner's font; the corner's
    // caption sets its own size.
    void Rozmiesc(const QRect& miejsce, int wysokosc, int szerokosc, const QString& naroznik);

    // Grid coordinates: column 0..16, row 0..16.
    std::function<QString(int kolumna, int wiersz)> Tekst;
    std::function<TKoloryKomorki(int kolumna, int wiersz)> Kolory;
    // Keys and clicks the owner acts on before the grid's own handling; true = handled.
    std::function<bool(QKeyEvent*)> OnKlawisz;
    std::function<void(int kolumna, int wiersz)> OnKlik;
    std::function<void()> OnZaznaczenie;
    // The keyboard focus came or went.
    std::function<void()> OnFokus;
    // The selection to frame, asked on every paint; empty for none.
    std::function<QRect()> Ramka;

    QRect Zaznaczenie{1, 1, 1, 1}; // columns left..right, rows top..bottom
    QPoint Zywa{-1, -1};           // the live cell
    QPoint KomorkaPod(QPoint punkt) const;
    QRect ProstokatKomorki(int kolumna, int wiersz) const;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void focusInEvent(QFocusEvent* zdarzenie) override;
    void focusOutEvent(QFocusEvent* zdarzenie) override;

private:
    void Zaznacz(QPoint od, QPoint doKomorki);

    TObrazSiatki obraz; // sizes and fonts; texts, colours and marks are taken on paint
    QPoint kotwica{1, 1}, biezaca{1, 1};
};
