#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class TNastawy;
class TSterownik;
class TStrzalki;
struct TPaleta;

// What the dialogs the settings editor opens share: the editor, through which they read and
// store settings (so that dependencies and writes are the editor's), the scheme's colours
// and the caption, all handed over by the opener before each showing.
class TDialogNastaw : public QDialog {
public:
    TDialogNastaw(TSterownik& sterownik, QWidget* rodzic);

    void Przygotuj(TNastawy* edytor, const TPaleta& paleta, const QString& tytul);
    // A live frame while the dialog is open; only some dialogs use them.
    virtual void RamkaBiezaca(const unsigned char*) {}
    // The link is down: the live values it shows are no longer the controller's.
    virtual void BrakLacza() {}

protected:
    // Sets the dialog up from the settings before it shows; false closes it at once.
    virtual bool Wypelnij() = 0;
    void showEvent(QShowEvent* zdarzenie) override;

    QString T(int id) const;
    QLabel* Etykieta(const QString& nazwa);
    // The read-only value box EditN of row n (from 1) and its arrows UpDownN beside it.
    QLineEdit* PoleWartosci(int n, const QRect& miejsce);
    TStrzalki* Strzalki(int n, const QPoint& miejsce, int wysokosc,
                        std::function<void(int)> poZmianie);

    TSterownik& s;
    TNastawy* edytor = nullptr;
    QColor kolorTekstu;
};
