#pragma once

#include "Komunikat.h"

#include <QObject>
#include <QQueue>

#include <functional>

// Message boxes asked for by the links. A link asks from inside its tick, where a modal box
// would hold the tick's re-entry guard and stop all polling and writing until it is closed;
// so the box is queued and shown once the tick has returned, boxes in the order asked for.
class TKomunikatyOdlozone : public QObject, public TKomunikaty {
public:
    explicit TKomunikatyOdlozone(TKomunikaty& pokazujace, QObject* rodzic = nullptr);
    // Returns Ok at once; a question cannot wait for its answer and is asked at once.
    int Komunikat(int idTekstu, int flagi) override;
    int KomunikatTekst(const QString& tekst, int flagi) override;
    // Runs after the boxes asked for so far have been shown and closed.
    void PoKomunikatach(std::function<void()> akcja);

private:
    struct TOdlozony {
        int idTekstu; // -1: tekst holds the text
        QString tekst;
        int flagi;
        std::function<void()> akcja = {}; // instead of a box
    };
    void Odloz(const TOdlozony& komunikat);
    void PokazKolejne();

    TKomunikaty& pokazujace;
    QQueue<TOdlozony> kolejka;
    bool pokazuje = false;
};
