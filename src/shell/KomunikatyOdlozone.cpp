#include "KomunikatyOdlozone.h"

#include <QTimer>

TKomunikatyOdlozone::TKomunikatyOdlozone(TKomunikaty& p, QObject* rodzic)
    : QObject(rodzic), pokazujace(p) {}

int TKomunikatyOdlozone::Komunikat(int idTekstu, int flagi) {
    if (flagi == Pytanie) return pokazujace.Komunikat(idTekstu, flagi);
    Odloz({idTekstu, QString(), flagi});
    return Ok;
}

int TKomunikatyOdlozone::KomunikatTekst(const QString& tekst, int flagi) {
    if (flagi == Pytanie) return pokazujace.KomunikatTekst(tekst, flagi);
    Odloz({-1, tekst, flagi});
    return Ok;
}

void TKomunikatyOdlozone::PoKomunikatach(std::function<void()> akcja) {
    Odloz({-1, QString(), 0, std::move(akcja)});
}

void TKomunikatyOdlozone::Odloz(const TOdlozony& komunikat) {
    kolejka.enqueue(komunikat);
    QTimer::singleShot(0, this, [this] { PokazKolejne(); });
}

void TKomunikatyOdlozone::PokazKolejne() {
    // A box already open shows the rest one after another when it closes.
    if (pokazuje) return;
    pokazuje = true;
    while (!kolejka.isEmpty()) {
        const TOdlozony k = kolejka.dequeue();
        if (k.akcja)
            k.akcja();
        else if (k.idTekstu >= 0)
            pokazujace.Komunikat(k.idTekstu, k.flagi);
        else
            pokazujace.KomunikatTekst(k.tekst, k.flagi);
    }
    pokazuje = false;
}
