#pragma once

#include <QSize>

#include <optional>
#include <utility>
#include <vector>

class QPainter;
class TSterownik;
struct TPaleta;

// What the oscilloscope's picture depends on. Drawing reads the samples and the trace
// catalogue and changes neither.
struct TObrazScope {
    const TSterownik& s;
    const TPaleta& paleta;
    QSize rozmiar;
    const unsigned char* probki; // the whole buffer
    int tryb = 1, uklad = 3, ileProbek = 0;
    int poczatek = 0, koniec = 0; // samples at the chart's edges
    double f = 1;                 // samples per pixel
};

// What the drawing leaves for the cursor readout and the mouse.
struct TWynikScope {
    std::optional<std::pair<int, int>> suwak;
    std::vector<int> etykietyY; // per oscilloscope trace
    int ostatniStan = 0;        // the work state of the last column drawn
};

TWynikScope RysujScope(QPainter& p, const TObrazScope& o);

// The sample under a chart column, or none outside the buffer.
const unsigned char* ProbkaScope(const TObrazScope& o, int indeks);
