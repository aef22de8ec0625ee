#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class TKomunikaty;
class TOknaPlikow;
class TSterownik;
class TTeksty;
struct TPaleta;

// Firmware update: the images of the firmware folder that fit the controller, the upload,
// and the progress of the update that the link engine then runs by itself.
class TFormProg : public QDialog {
public:
    TFormProg(TSterownik& s, const TTeksty& t, TKomunikaty& komunikaty, TOknaPlikow& okna,
              QWidget* rodzic);
    void Przygotuj(const TPaleta& paleta, const QString& tytul);

    // A block acknowledgement has been decoded (reply 0xFF).
    void Potwierdzenie();
    // The watchdog: no acknowledgement for CzasStraznikaMs.
    void Timer1OnTimer();
    // Upload (BitBtn2).
    void Wgraj();
    // The update runs: the dialog is shrunk to its progress and cannot be closed.
    bool Aktualizuje() const { return aktualizuje; }

    // "Firmware" beside the program; on an installed system, where nothing lies there,
    // the same folder under the user's application data.
    static QString DomyslnyKatalog();
    QString Katalog = DomyslnyKatalog();
    int CzasStraznikaMs = 5000;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;
    void reject() override;

private:
    void Pokaz();
    void Lista();
    QString WybierzPlik();
    QString Pytanie(const QByteArray& naglowek, const unsigned char* ident) const;
    void Zmniejsz();
    void Postep();

    TSterownik& s;
    const TTeksty& t;
    TKomunikaty& komunikaty;
    TOknaPlikow& okna;
    QLabel *label1 = nullptr, *label2 = nullptr, *label3 = nullptr, *panel1 = nullptr;
    QProgressBar* progressBar1 = nullptr;
    QTableWidget* stringGrid1 = nullptr;
    QPushButton *bitBtn1 = nullptr, *bitBtn2 = nullptr;
    QTimer timer1;
    bool aktualizuje = false;
};
