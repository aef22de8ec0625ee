#pragma once

#include <QObject>

class QWidget;

// Keeps a widget covering the whole of its parent, through every resize of the parent and
// every move to another parent.
class TWypelnienie : public QObject {
public:
    explicit TWypelnienie(QWidget* widok);
    // Moves the widget onto a new parent and fills it.
    void Przenies(QWidget* rodzic);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void Dopasuj();
    QWidget* widok;
};
