#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QString>

// The transmission trace of --trace: every log line of the links, one per line, with the
// seconds since the start and the link it came from, e.g.
//    0.412 ctl   TX: 65 1A 00 81
//    1.020 elm ATZ.
class TDziennik {
public:
    // No path: nothing is written. False when the file cannot be created.
    bool Otworz(const QString& sciezka);
    // A log text of a link; the line feeds that start a new entry in the log window
    // are dropped, further ones split the text into lines.
    void Zapisz(const char* lacze, const QString& tekst);

private:
    QFile plik;
    QElapsedTimer czas;
};
