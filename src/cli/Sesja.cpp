#include "Sesja.h"

#include "BrakUprawnien.h"
#include "KodyWyjscia.h"
#include "Kontekst.h"
#include "Porty.h"
#include "TSerial.h"

TSesja::TSesja(TKontekst& kontekst) : k(kontekst) {}

bool TSesja::Otworz(TSerial& port, const QString& podany, const char* opcja, const char* co) {
    urzadzenie = co;
    const std::optional<int> numer = NumerPortu(podany, k.mapa);
    if (!numer)
        return Niepowodzenie(
            KodyWyjscia::Uzycie,
            QStringLiteral("--%1: no such port: %2").arg(QLatin1String(opcja), podany));
    opisPortu = OpisPortu(podany, *numer, k.mapa);
    if (!port.PortOpen(*numer))
        return Niepowodzenie(
            KodyWyjscia::Lacze,
            port.BrakUprawnien.isEmpty()
                ? QStringLiteral("cannot open the %1 port %2").arg(QLatin1String(co), opisPortu)
                : TekstBrakuUprawnien(k.teksty, port.BrakUprawnien));
    ostatniaOdpowiedz.start();
    return true;
}

bool TSesja::Czekaj(const std::function<bool()>& gotowe) {
    QString przeszkoda;
    ::Czekaj([&] {
        if (gotowe()) return true;
        przeszkoda = Przeszkoda();
        return !przeszkoda.isEmpty();
    });
    if (przeszkoda.isEmpty()) return true;
    return Niepowodzenie(Przerwano() ? KodyWyjscia::Przerwano : KodyWyjscia::Lacze, przeszkoda);
}

QString TSesja::PrzeszkodaLacza(const TSerial& port) const {
    const QString co = QLatin1String(urzadzenie);
    if (Przerwano()) return QStringLiteral("interrupted");
    if (!port.PortConnected()) return QStringLiteral("the %1 port %2 closed").arg(co, opisPortu);
    if (ostatniaOdpowiedz.elapsed() > k.opcje.czasMs)
        return QStringLiteral("no answer from the %1 on %2 for %3 s")
            .arg(co, opisPortu)
            .arg(k.opcje.czasMs / 1000.0);
    return {};
}

bool TSesja::Niepowodzenie(int kodWyjscia, const QString& tekst) {
    kod = kodWyjscia;
    k.konsola.Zglos(tekst);
    return false;
}
