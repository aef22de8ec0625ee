#pragma once

#include <QDialog>

// The start-up picture, shown for a few seconds over the working window.
class TFormLogo : public QDialog {
public:
    explicit TFormLogo(QWidget* rodzic);
    // Shows it centred on the main window without stopping the window's work.
    void Pokaz(const QColor& tlo);
};
