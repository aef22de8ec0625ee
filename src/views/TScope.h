#pragma once

#include "RysowanieScope.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class TSterownik;
class TWypelnienie;
struct TPaleta;

// The oscilloscope: records every live frame as one sample, 0.1 s apart, and draws the
// chosen traces over time, with an overview strip, zoom, scrolling and a cursor readout.
class TScope : public QWidget {
public:
    static constexpr int MaksProbek = 36000; // one hour
    static constexpr int RozmiarProbki = 128;

    explicit TScope(TSterownik& sterownik, QWidget* rodzic = nullptr);

    void Umiesc(QWidget* panel);
    void Przerysuj();
    // Records one live frame (its first 128 bytes) while recording (Tryb 1 or 2).
    void DodajProbke(const unsigned char* ramka);
    // A toolbar or menu command: 1 Start, 2 Pause, 3 Stop, 4 start or stop writing a scope
    // file, 5 show a scope file, 6 clear, 7 CSV export, 10..12 band layout, 20 and 21 zoom.
    void Komenda(unsigned komenda);
    void Klawisz(int klawisz, Qt::KeyboardModifiers shift);
    // The recording length, e.g. "12.3 [s]".
    QString CzasZapisu() const;
    void EksportCsv();
    void UstawPalete(const TPaleta* paleta);
    // The picture as last drawn, and the samples.
    const QImage& Obraz() const { return obraz; }
    const unsigned char* Probki() const { return probki.data(); }
    double ProbekNaPiksel() const;
    int PoczatekWidoku() const { return poczatek; }
    const TWynikScope& Rysunek() const { return wynik; }

    // The refusal sound; the system beep unless replaced.
    std::function<void()> Sygnal;

    int Tryb = 1; // 1 Start, 2 Pause, 3 Stop, 5 a scope file is shown
    int Uklad = 3;
    int Powiekszenie = 3;
    int IleProbek = 0;
    int KoniecWidoku = 0;
    int KursorX = -1;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;

private:
    void Rysuj(int tryb);
    TObrazScope Obraz(const TPaleta& p) const;
    void Powieksz(int krok, int d);
    void Skocz(int x);
    void Odczyt(int x);
    void RysujOdczyt(QPainter& p);
    bool WPasku(QPoint p) const;

    TSterownik& s;
    const TPaleta* paleta = nullptr;
    TWypelnienie* wypelnienie;
    std::vector<unsigned char> probki; // MaksProbek samples of RozmiarProbki bytes
    QImage obraz;
    TWynikScope wynik;
    int poczatek = 0;
    QPoint nacisniecie{-1, -1};
    bool przeciaganie = false;
};
