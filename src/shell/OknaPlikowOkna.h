#pragma once

#include "OknaPlikow.h"

class QWidget;

// The file dialogs of the settings and scope files, on the platform's own dialogs.
class TOknaPlikowOkna : public TOknaPlikow {
public:
    explicit TOknaPlikowOkna(QWidget* o) : okno(o) {}
    QString Otworz(const TDialogPliku& dialog) override;
    QString Zapisz(const TDialogPliku& dialog) override;

    // "Settings file (*.set)|*.set|All files (*.*)|*.*" as Qt writes it:
    // "Settings file (*.set);;All files (*.*)".
    static QString FiltrQt(const QString& filtr);

private:
    QWidget* okno;
};
