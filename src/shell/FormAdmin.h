#pragma once

#include "Kolor.h"

#include <QDialog>

class QTextEdit;

// The developer's transmission log: every request, frame and link error as a coloured line.
class TFormAdmin : public QDialog {
public:
    explicit TFormAdmin(QWidget* rodzic);
    // Shows the window centred on the main window.
    void Pokaz(QWidget* okno);
    // Appends a line while the window is shown; a hidden window drops it.
    void DodajLinie(const QString& tekst, TKolor kolor);
    void Wyczysc();

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QTextEdit* tekst;
};
