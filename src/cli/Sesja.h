#pragma once

#include <QElapsedTimer>
#include <QString>

#include <functional>

class TSerial;
struct TKontekst;

// What both links' sessions share: opening the port named on the command line, waits that
// run the event loop until a condition holds or something stops them, and the failure
// message and exit code of the first thing that did.
class TSesja {
public:
    virtual ~TSesja() = default;

    // False (message printed) when a failure ended the wait first.
    bool Czekaj(const std::function<bool()>& gotowe);
    int Kod() const { return kod; }
    // Prints the reason and keeps the exit code; returns false for the caller to pass on.
    bool Niepowodzenie(int kodWyjscia, const QString& tekst);

protected:
    explicit TSesja(TKontekst& kontekst);

    // Opens port for the text of the option; co names the device in messages.
    bool Otworz(TSerial& port, const QString& podany, const char* opcja, const char* co);
    // The reason to stop waiting now, empty while the link is fine.
    virtual QString Przeszkoda() = 0;
    // Ctrl-C, a closed port or silence for longer than --timeout.
    QString PrzeszkodaLacza(const TSerial& port) const;

    TKontekst& k;
    QString opisPortu;
    QElapsedTimer ostatniaOdpowiedz; // restarted by every answer of the device

private:
    const char* urzadzenie = "";
    int kod = 0;
};
