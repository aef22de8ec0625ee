#pragma once

#include "ZgodnoscOdczytow.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMap>
#include <QString>

class TSesjaSterownika;
struct TKontekst;

// Reads of the controller's blocks that count only when two of them agree (byte for byte,
// but for what the controller may change between them; see ZgodnoscOdczytow). The frame
// checksum is an 8-bit sum, so a bit going 0 -> 1 in one byte and 1 -> 0 in another at the
// same position passes it; a backup or a verification must never keep such a read. Blocks
// are named by their mask bit index; the identity reply has a key of its own.
class TOdczytyZgodne {
public:
    static constexpr int Identyfikacja = ZgodnoscOdczytow::Identyfikacja;
    static constexpr int MaksOdczytow = 5; // per block; then the link is judged unreliable

    // maska: the blocks to verify; bit 24 (the OBD module's settings) is added once the
    // module has answered. zIdentyfikacja: the identity reply is verified too.
    TOdczytyZgodne(TKontekst& kontekst, TSesjaSterownika& sesja, int maska, bool zIdentyfikacja);

    // A reply as the session reports it; reads of the blocks verified are kept, and the
    // changes live frames report.
    void Przyjmij(int kod, int dlugosc);
    // The place of the last reply taken, for Zgloszona.
    int Numer() const { return numer; }
    // pozycja of block klucz was reported taking wartosc after reply od.
    bool Zgloszona(int klucz, int pozycja, unsigned char wartosc, int od) const {
        return ZgodnoscOdczytow::Zgloszona(zgloszenia, klucz, pozycja, wartosc, od);
    }
    // Runs the link, asking again for every block without two equal reads, until all have
    // them; false (message printed, exit code 2) when one's reads keep disagreeing or the
    // link fails. co names the work in the progress line.
    bool Czekaj(const QString& co);
    // The agreed bytes (the later of the two reads) of a block or of the identity; empty
    // before agreement.
    QByteArray Zgodny(int klucz) const { return bloki.value(klucz).zgodny; }
    // Replaces the model's copies by the agreed bytes, so that a file written from the model
    // holds no unverified byte.
    void WstawDoModelu();

private:
    struct TBlok {
        QList<ZgodnoscOdczytow::TOdczyt> odczyty;
        QByteArray zgodny;
        int zadan = 0; // requests of ours on top of the engine's own
    };
    void Dodaj(int klucz, QByteArray odczyt);
    // Looks for two agreeing reads among those of a block, the latest pair first.
    void Uzgodnij(TBlok& blok, int klucz) const;
    bool Czeka(int klucz) const;
    void Zadaj(int klucz);
    // Asks again for a block without agreement or a pending read; returns why it cannot be
    // verified, or nothing.
    QString Sprawdz(int klucz);
    int Zgodnych() const;

    TKontekst& k;
    TSesjaSterownika& sesja;
    QMap<int, TBlok> bloki;
    QList<ZgodnoscOdczytow::TZgloszenie> zgloszenia;
    QElapsedTimer zegar;
    int numer = 0;
};

// The data model's name of a block key, for messages: "MapaEcuGaz", "IdentSterownika".
QString NazwaBloku(int klucz);
