#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QDialog;
class TSterownik;

// Fills a dialog once more when the first reads of a fresh connection are done (the history
// is read last), so that a dialog opened during them ends up with the final values.
class TCzekanieNaOdczyt : public QObject {
public:
    TCzekanieNaOdczyt(QDialog& okno, const TSterownik& s, std::function<void()> wypelnij);
    void Start();

private:
    const TSterownik& s;
    std::function<void()> wypelnij;
    QTimer timer1;
};
