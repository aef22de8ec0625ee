#pragma once

#include "Komunikat.h"
#include "OknaPlikow.h"

#include <QString>

class TTeksty;

// The terminal in place of the window: the core's file dialogs answer with the path from
// the command line, its message boxes print to stderr and are remembered, so that the
// command can end with the right exit code. Progress goes to stderr unless quiet.
class TKonsola : public TOknaPlikow, public TKomunikaty {
public:
    TKonsola(const TTeksty& teksty, bool cicho);

    // The path the next file dialog chooses.
    void UstawPlik(const QString& sciezka) { plik = sciezka; }
    QString Otworz(const TDialogPliku& dialog) override;
    QString Zapisz(const TDialogPliku& dialog) override;

    // Errors and notices print; questions are answered No, nothing destructive runs unasked.
    int Komunikat(int idTekstu, int flagi) override;
    int KomunikatTekst(const QString& tekst, int flagi) override;

    // The last error box since the last call, empty when there was none.
    QString WezBlad();
    bool JestBlad() const { return !blad.isEmpty(); }

    void Zglos(const QString& tekst) const;
    // After a file operation of the core: true, and "cannot <czynnosc> <sciezka>: <error box>"
    // printed, when it showed an error box.
    bool BladPliku(const QString& czynnosc, const QString& sciezka);
    void Postep(const QString& tekst) const;
    // Progress rewritten in place on one terminal line; nothing when stderr is not a terminal
    // or quiet. The next message or ZakonczLinie ends the line.
    void PostepWLinii(const QString& tekst) const;
    void ZakonczLinie() const;
    bool Cicho() const { return cicho; }

private:
    const TTeksty& teksty;
    const bool cicho;
    QString plik;
    QString blad;
    const bool terminal;
    mutable bool liniaOtwarta = false;
};

// Text to stdout as the terminal's 8-bit encoding, flushed, so that pipes see each line
// as it comes.
void Wypisz(const QString& tekst);
void WypiszBajty(const QByteArray& bajty);
