#pragma once

#include "DialogNastaw.h"

#include <functional>

class QComboBox;
class QLineEdit;

// A grid of 28-pixel cells drawn entirely by its owner.
class TSiatkaKomorek : public QWidget {
public:
    static constexpr int Komorka = 28;

    TSiatkaKomorek(const QString& nazwa, QWidget* rodzic);
    void Wymiary(int kolumn, int wierszy);
    QRect ProstokatKomorki(int kolumna, int wiersz) const;

    std::function<void(QPainter&, int kolumna, int wiersz, const QRect&)> RysujKomorke;
    std::function<void(int kolumna, int wiersz)> Klik;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;

private:
    int kolumn = 1, wierszy = 1;
};

// The injection sequence: which petrol input drives which gas injector, which gas
// injectors stay off, the banks, the injection and switching types, and the injection type
// as the live frames show it.
class TFormSeq : public TDialogNastaw {
public:
    TFormSeq(TSterownik& sterownik, QWidget* rodzic);

    void RamkaBiezaca(const unsigned char* ramka) override;
    void BrakLacza() override;
    TSiatkaKomorek* Macierz() const { return macierz; }
    TSiatkaKomorek* Wylaczone() const { return wylaczone; }
    TSiatkaKomorek* Banki() const { return banki; }

protected:
    bool Wypelnij() override;
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    int n() const;
    bool Naturalna(int kolumna, int wiersz) const;
    bool Przypisany(int wejscie, int wtryskiwacz) const; // 1-based
    bool Wylaczony(int wtryskiwacz) const;
    void KlikMacierzy(int kolumna, int wiersz);
    void KlikWylaczonego(int j);
    void PoZmianie();
    void KlikBanku(int kolumna, int wiersz);
    void RysujMacierz(QPainter& p, int k, int w, const QRect& r);

    TSiatkaKomorek *macierz, *wylaczone, *banki;
    QComboBox *comboBox1, *comboBox2;
    QLineEdit* edit1;
};
