#pragma once

#include <QTableWidget>

#include <functional>

class TSterownik;
class TTeksty;
struct TPaleta;

// The oscilloscope's trace list (StringGrid1): per offered trace its colour, whether the
// oscilloscope draws it, and its name. A click on the colour of a drawn trace picks a new
// colour; any other click switches the trace on or off.
class TListaWykresow : public QTableWidget {
public:
    static constexpr int Widok = 1;
    static constexpr int Rysowany = 16;

    TListaWykresow(TSterownik& s, const TTeksty& t, const TPaleta& p, QWidget* rodzic);

    void Przebuduj();
    // The catalogue index of a row.
    int Wykres(int wiersz) const;

    // The colour chooser; the platform's dialog unless a caller puts another in.
    std::function<QColor(const QColor&)> WybierzKolor;
    // Run after every change, so that a visible oscilloscope repaints.
    std::function<void()> PoZmianie;

    TSterownik& Sterownik() const { return s; }
    const TPaleta& Paleta() const { return p; }

protected:
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    TSterownik& s;
    const TTeksty& t;
    const TPaleta& p;
};
