#pragma once

#include <QWidget>

#include <functional>

class QToolButton;

// Up and down arrows that step a setting within its range. They have no number of their own:
// the value text beside them shows the setting in its unit, and nothing can be typed, so no
// intermediate value is ever stored.
class TStrzalki : public QWidget {
public:
    explicit TStrzalki(QWidget* rodzic);

    void UstawZakres(int min, int max);
    // Sets the position without reporting it; clamped to the range.
    void UstawWartosc(int wartosc);
    int Wartosc() const { return wartosc; }

    // The user's step, reported with the new position; none at a limit.
    std::function<void(int)> PoZmianie;

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void wheelEvent(QWheelEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    void Krok(int o);
    void Odswiez();

    QToolButton* gora;
    QToolButton* dol;
    int min = 0, max = 99, wartosc = 0;
};
