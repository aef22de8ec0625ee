#pragma once

#include <QObject>

class TCofanie;

// Tells the controller's undo where each of the user's actions begins and ends: a mouse
// button or a key pressed begins one, its release ends it, anywhere in the program (the
// window, its views, its dialogs and boxes). A held key's repeats stay in the action, as do
// presses while another button or key is held; a wheel turn is an action of its own.
class TZnacznikDzialan : public QObject {
public:
    TZnacznikDzialan(TCofanie& cofanie, QObject* rodzic);
    ~TZnacznikDzialan() override;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    TCofanie& cofanie;
};
