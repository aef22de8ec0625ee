#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class TSterownik;
class TWypelnienie;
struct TPaleta;

// The oscilloscope: records every live frame as one sample, 0.1 s apart, and draws the
// chosen traces over time.
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
    // file, 5 show a scope file, 6 clear, 10..12 band layout.
    void Komenda(unsigned komenda);
    void Klawisz(int klawisz, Qt::KeyboardModifiers shift);
    // The recording length, e.g. "12.3 [s]".
    QString CzasZapisu() const;
    void EksportCsv();
    void UstawPalete(const TPaleta* paleta);

    int Tryb = 1; // 1 Start, 2 Pause, 3 Stop, 5 a scope file is shown
    int Uklad = 3;
    int IleProbek = 0;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    TSterownik& s;
    const TPaleta* paleta = nullptr;
    TWypelnienie* wypelnienie;
    std::vector<unsigned char> probki; // MaksProbek samples of RozmiarProbki bytes
};
