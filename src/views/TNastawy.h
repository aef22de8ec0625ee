#pragma once

#include "RysowanieNastaw.h"
#include "StronyNastaw.h"
#include "UkladNastaw.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QLineEdit;
class QListWidget;
class QScrollBar;
class TSterownik;
class TWypelnienie;
struct TPaleta;

// Dialogs the editor's buttons open; the main window owns them.
enum class DialogNastaw { KorektyWtryskiwaczy, Kalkulator, Sekwencja, CzujnikPoziomu, Grupa };

// The settings editor: one page of settings of TSterownik's blocks at a time, in two
// columns of cells. The main window moves it between the centre panel and the bottom area.
class TNastawy : public QWidget {
public:
    explicit TNastawy(TSterownik& sterownik, QWidget* rodzic = nullptr);

    // Moves the editor onto a panel, filling it.
    void Umiesc(QWidget* panel);
    // Page 0, 1, 20, 50 or 51; -1 rebuilds the current page.
    void UstawWidok(int strona);
    void UstawPoziom(int poziom);
    // Lays the page out for the editor's size and repaints it.
    void Rozmiesc();
    void Ukryj();
    // Key handling of the trouble-code entry while it is open.
    void KlawiszKodu(int klawisz);
    void UstawPalete(const TPaleta* paleta);

    QString StrWartosc(int indeks, int wartosc = -1);
    QString StrNazwa(int indeks) const;
    // Mode 1 clamps to the record's limits, mode 2 stores a 16-bit trouble code. A refused
    // change beeps and changes nothing.
    void UstawNastawe(int indeks, int wartosc, int tryb);
    bool Dostepna(int indeks) const;

    // The auto-repeat of a held step button; public so that tests drive it tick by tick.
    void TimerPowtorzeniaOnTimer();
    QTimer& ZegarPowtorzen() { return zegarPowtorzen; }

    // Set by the main window: opens a dialog for the setting (for Grupa: 57, 63 or 96).
    std::function<void(DialogNastaw dialog, int indeks)> OnDialog;
    // The refusal sound; the system beep unless replaced.
    std::function<void()> Sygnal;

    const TUkladNastaw& Uklad() const { return uklad; }
    const TMapaStrony& Mapa() const { return mapa; }
    int RozmiarCzcionki() const { return rozmiarCzcionki; }
    // The cell's rectangle in the editor, scrolling included.
    QRect ProstokatKomorki(int kolumna, int wiersz) const;
    int PierwszyWidoczny() const;
    QListWidget* ListaWartosci() const { return lista; }
    // The tool tip at a point of the editor: a cut name or value shown whole.
    QString Podpowiedz(QPoint punkt) const;
    QLineEdit* EdycjaKodu() const { return edycjaKodu; }

    int Strona = Strony::Glowna;
    int Poziom = 1;
    TKomorka Wybrana{0, 1};

protected:
    bool event(QEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    // Laid out from its own final size, whichever panel it fills and however it got there.
    void resizeEvent(QResizeEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;
    void wheelEvent(QWheelEvent* zdarzenie) override;
    void focusInEvent(QFocusEvent* zdarzenie) override;
    void focusOutEvent(QFocusEvent* zdarzenie) override;

private:
    void Klik(QPoint punkt);
    bool KlikNastawy(int indeks, int kolumna, QPoint punkt, const QRect& komorka);
    void Krok(int indeks, int zmiana, QPoint punkt);
    bool Zmienna(int indeks) const;
    void KlawiszStrzalki(int klawisz);
    void OtworzDialog(int indeks);
    void PoprawWybory();
    TObrazNastaw Obraz() const;
    void UstawCzcionke();
    void UstawPrzewijanie();
    int Wierszy() const { return int(mapa.size()); }
    int Komorka(TKomorka k) const;
    int Wartosc(int indeks) const;
    void Odmowa();

    // The value list and the code entry (in their own file).
    void OtworzListe(int indeks, const QRect& komorka, const TStrefy& strefy);
    void WybierzZListy(int pozycja);
    void OtworzKod(int indeks, const QRect& komorka, const TStrefy& strefy);
    void ZamknijPopupy();
    bool PopupOtwarty() const { return tagListy != 0 || tagKodu != 0; }
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

    TSterownik& s;
    const TPaleta* paleta = nullptr;
    TWypelnienie* wypelnienie;
    QScrollBar* przewijanie;
    QListWidget* lista = nullptr;
    QLineEdit* edycjaKodu = nullptr;
    int tagListy = 0, tagKodu = 0; // the setting a pop-up edits, 0 when closed
    QTimer zegarPowtorzen;
    TMapaStrony mapa;
    TUkladNastaw uklad;
    int rozmiarCzcionki = 10;
    int szerokoscNazw = 0;
    QPoint punktPowtorzenia;
    int powtorzen = 0;
};
