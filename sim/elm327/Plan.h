#pragma once

#include <QByteArray>

#include <vector>

// An answer as pieces of text and the moments they leave the adapter, in milliseconds
// after the command was taken: "SEARCHING..." now, the ECU lines when the bus has carried
// them, the prompt last.
class TPlan {
public:
    struct TKawalek {
        int poMs;
        QByteArray tekst;
    };

    explicit TPlan(QByteArray koniecLinii) : eol(std::move(koniecLinii)) {}

    void Czekaj(int ms) { teraz += ms; }
    void Dodaj(const QByteArray& tekst) { kawalki.push_back({teraz, tekst}); }
    void Linia(const QByteArray& tekst) { Dodaj(tekst + eol); }
    // The blank line and the prompt that close every answer.
    void Zakoncz() { Dodaj(eol + '>'); }
    void UstawEol(QByteArray nowy) { eol = std::move(nowy); }
    const QByteArray& Eol() const { return eol; }

    int Teraz() const { return teraz; }
    const std::vector<TKawalek>& Kawalki() const { return kawalki; }

private:
    QByteArray eol;
    int teraz = 0;
    std::vector<TKawalek> kawalki;
};
