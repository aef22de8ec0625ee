#pragma once

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>

class QIODevice;

// The pages of an A4 report, drawn at 96 dots an inch so that the views' drawing, made for
// screen pixels, prints at its size on screen. Text runs down one or more columns and onto
// new pages; every page ends with a footer and its number.
class TStronyRaportu {
public:
    TStronyRaportu(QIODevice& plik, const QString& tytulDokumentu, const QString& stopka);

    bool Gotowe() const { return p.isActive(); }
    // False when the document could not be completed.
    bool Zakoncz();

    int Szerokosc() const { return szerokosc; }
    QPainter& Malarz() { return p; }
    const QFont& Czcionka() const { return baza; }

    void Tytul(const QString& t);
    // A section heading across the page, kept on one page with `potem` pixels after it.
    void Sekcja(const QString& t, int potem = 60);
    // A heading inside the current column.
    void Grupa(const QString& t);
    void Akapit(const QString& t);
    // A name on the left of the column and its value on the right.
    void Pozycja(const QString& nazwa, const QString& wartosc);
    // Cells starting at the given offsets from the column's left; pogrubione for a header.
    void Komorki(const QStringList& teksty, const QList<int>& x, bool pogrubione = false);
    // From here on text runs down this many columns side by side.
    void Kolumny(int ile);
    // A block of this size for a drawing, on a fresh page when the rest does not hold it.
    QRect Miejsce(QSize rozmiar);

private:
    void NowaStrona();
    int Lewa() const;
    int SzerokoscKolumny() const;
    // Room for a line of this height in the current column, moving on when there is none.
    void Zmiesc(int wysokosc);
    void Stopka();
    int WysokoscLinii() const;

    QPdfWriter pdf;
    QPainter p;
    QFont baza;
    QString stopka;
    int szerokosc = 0, dol = 0; // drawing area, footer excluded
    int y = 0, gora = 0;        // next line; top of the current columns
    int najnizej = 0;           // the lowest line of the columns left behind
    int kolumn = 1, kolumna = 0;
    int strona = 1;
};
