#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;
class TNastawy;
class TSterownik;
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
    // The read-only value box EditN and its step box UpDownN of row n (from 1).
    QLineEdit* PoleWartosci(int n, const QRect& miejsce);
    QSpinBox* Krokowe(int n, const QRect& miejsce);

    TSterownik& s;
    TNastawy* edytor = nullptr;
    QColor kolorTekstu;
};
