#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>

#include <functional>

class QAbstractButton;
class QDialog;
class QPushButton;
class QBoxLayout;
class QPainter;
class QTableWidget;
class QToolButton;

// A panel with a caption, as the status panel, the banners and the collapse strips are:
// its own background and caption colour, and a click.
class TPanel : public QLabel {
public:
    TPanel(const QString& nazwa, QWidget* rodzic, const QString& napis = {});
    void UstawKolory(const QColor& tlo, const QColor& tekst);
    QColor Tlo() const;
    QColor KolorTekstu() const;

    std::function<void()> NaKlik;

protected:
    void mousePressEvent(QMouseEvent* zdarzenie) override;
};

// The tag a button or an action carries, as the handlers dispatch on it.
int Tag(const QObject* obiekt);
void UstawTag(QObject* obiekt, int tag);

// A flat button of a tab row or a tool row; przelacznik: it stays pressed.
QToolButton* NowyPrzycisk(const QString& nazwa, QWidget* rodzic, const QString& napis, int tag,
                          bool przelacznik);
// The caption colour, darkened or lightened where it would not read on the button's face.
void UstawKolorNapisu(QAbstractButton* przycisk, const QColor& kolor);
QColor KolorNapisu(const QAbstractButton* przycisk);

// Background and text colour of any widget that paints its own background.
void UstawTlo(QWidget* w, const QColor& tlo, const QColor& tekst);

// Layouts without margins or spacing, as the panels of the frame are laid out.
QBoxLayout* UkladPionowy(QWidget* w);
QBoxLayout* UkladPoziomy(QWidget* w);

// A "Close" button at the right end of a new row of the dialog's layout: without a window
// manager nothing else closes a dialog for the mouse. Its caption is set with the texts.
QPushButton* PrzyciskZamkniecia(QDialog& okno, QBoxLayout& uklad);

// A grid drawn entirely by its owner: no headers, lines, selection, editing or focus.
void PrzygotujSiatke(QTableWidget& siatka, const QString& nazwa, int kolumny);

// The green tick of every tick box, drawn inside the box (edge line included) at any size.
void RysujPtaszek(QPainter& p, const QRect& pole);

// A widget of the frame, created under its component name.
template <typename T> T* Nowy(const QString& nazwa, QWidget* rodzic) {
    auto* w = new T(rodzic);
    w->setObjectName(nazwa);
    return w;
}

// The font at a size and weight, the rest as the base font.
QFont Czcionka(const QFont& baza, int rozmiar, bool gruba);
